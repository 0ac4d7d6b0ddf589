// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// Registers one global shortcut through the X11 hot keys and reports on
// standard output what happens: "registered" or "refused", then "down" and
// "up" for each press. Usage: hotkey-probe <classic key code> <classic modifiers>
#include "platform/linux/XcbHotKeys.h"
#include "shortcuts/HotKeyRegistry.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    platform::xdg::XcbHotKeys hotKeys;
    shortcuts::MenuOpenFlag menuOpen;
    shortcuts::HotKeyRegistry registry(hotKeys, menuOpen);
    QTextStream out(stdout);
    const auto report = [&out](const char* what) { out << what << Qt::endl; };
    const shortcuts::Shortcut shortcut{arguments.value(1).toLongLong(),
                                       arguments.value(2).toLongLong()};
    const auto id = registry.registerShortcut(
        shortcut, [&](const shortcuts::Shortcut&) { report("down"); },
        [&](const shortcuts::Shortcut&) { report("up"); });
    report(id ? "registered" : "refused");
    return QGuiApplication::exec();
}
