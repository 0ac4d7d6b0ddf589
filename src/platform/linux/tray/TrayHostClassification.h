// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform::xdg {

// A process on the session bus as /proc tells it: its short name (`comm`,
// at most 15 characters) and its command line.
struct BusProcess {
    QString comm;
    QStringList cmdline;
};

// Process `pid` as /proc tells it now; empty once it has ended.
BusProcess processOf(uint pid);

// The host a process is, by its name: kded5/kded6 and plasmashell are Plasma,
// panel-N-systray XFCE's status tray plugin N, and so on. Unknown for any
// other program (a stand-alone watcher, a host not known here).
TrayHost trayHostOfProcess(const BusProcess& process);

// The host named by a desktop name as XDG_CURRENT_DESKTOP lists them
// ("KDE", "XFCE", "ubuntu:GNOME", …); Unknown for any other.
TrayHostKind hostKindOfDesktop(const QString& currentDesktop);

// The hosts of a session: the watcher's owner first, then the processes that
// registered a StatusNotifierHost name, each host once. Processes that name
// no known host count only when nothing else is known; then the desktop's
// name says which host it is. Empty without a watcher.
QList<TrayHost> trayHostsOf(const std::optional<BusProcess>& watcherOwner,
                            const QList<BusProcess>& hostProcesses, const QString& currentDesktop);

} // namespace platform::xdg
