// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "debug/ui/DebugServices.h"

#include <QWidget>

class QTextEdit;

namespace debug {

// Every stored preference of the listed suites, a section per suite, redrawn
// whenever a suite reports a change (including other programs' changes).
class UserDefaultsPage : public QWidget {
public:
    explicit UserDefaultsPage(const DebugServices& services, QWidget* parent = nullptr);
    ~UserDefaultsPage() override;

    QString shownText() const;

private:
    void redraw();
    void scheduleRedraw();

    std::vector<ListedSuite> suites_;
    platform::MainQueue& queue_;
    QTextEdit* view_;
    std::vector<UserDefaults::ObserverId> observers_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool redrawPending_ = false;
};

} // namespace debug
