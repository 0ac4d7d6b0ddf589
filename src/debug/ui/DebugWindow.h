// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "debug/ui/DebugServices.h"

#include <QCoreApplication>
#include <QWidget>

class QListWidget;
class QStackedWidget;

namespace debug {

// The developer's window: a sidebar of pages (Dashboard, Debug, User
// Defaults, Logs, Settings) beside the page chosen.
class DebugWindow : public QWidget {
public:
    explicit DebugWindow(DebugServices services, QWidget* parent = nullptr);

    static QString titleFor(const QString& name, const QString& version) {
        return QCoreApplication::translate("DebugWindow", "%1 %2 \u2014 Debug").arg(name, version);
    }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addPage(const QString& title, QWidget* page);

    DebugServices services_;
    QListWidget* sidebar_;
    QStackedWidget* pages_;
};

} // namespace debug
