// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "debug/ui/DebugServices.h"

#include <QTimer>
#include <QWidget>

class QPlainTextEdit;

namespace debug {

// The in-memory log, one entry per line, read again every second while the
// page is on screen; a closed window costs nothing.
class LogsPage : public QWidget {
public:
    explicit LogsPage(const DebugServices& services, QWidget* parent = nullptr);

    void refresh();
    QString shownText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    InMemoryLog& log_;
    QPlainTextEdit* view_;
    QTimer timer_;
    QStringList shown_;
};

} // namespace debug
