// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayHostClassification.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace platform::xdg {

namespace {

QByteArray procFile(uint pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TrayHostKind kindOfProgram(const QString& program) {
    static const QList<std::pair<QString, TrayHostKind>> programs{
        {QStringLiteral("kded5"), TrayHostKind::Plasma},
        {QStringLiteral("kded6"), TrayHostKind::Plasma},
        {QStringLiteral("plasmashell"), TrayHostKind::Plasma},
        {QStringLiteral("xfce4-panel"), TrayHostKind::Xfce},
        {QStringLiteral("gnome-shell"), TrayHostKind::Gnome},
        {QStringLiteral("lxqt-panel"), TrayHostKind::Lxqt},
        {QStringLiteral("waybar"), TrayHostKind::Waybar},
        {QStringLiteral("xapp-sn-watcher"), TrayHostKind::Cinnamon},
        {QStringLiteral("cinnamon"), TrayHostKind::Cinnamon},
        {QStringLiteral("budgie-daemon"), TrayHostKind::Budgie},
        {QStringLiteral("budgie-panel"), TrayHostKind::Budgie},
        {QStringLiteral("mate-panel"), TrayHostKind::Mate},
        {QStringLiteral("notification-area-applet"), TrayHostKind::Mate},
    };
    for (const auto& [name, kind] : programs)
        if (program == name)
            return kind;
    return TrayHostKind::Unknown;
}

// XFCE 4.18 runs its status tray in a wrapper process that it names
// panel-N-systray; the name is cut to 15 characters from N = 10 on, but the
// wrapper's arguments carry N too (module, N, socket, "systray", …).
std::optional<int> xfcePluginOf(const BusProcess& process) {
    const QStringView comm = process.comm;
    const QStringView prefix = u"panel-";
    if (comm.startsWith(prefix)) {
        const QStringView rest = comm.sliced(prefix.size());
        const qsizetype digits =
            std::find_if(rest.begin(), rest.end(), [](QChar c) { return c < u'0' || c > u'9'; }) -
            rest.begin();
        if (digits > 0 && rest.sliced(digits).startsWith(u"-systr"))
            return rest.first(digits).toInt();
    }
    const QStringList& arguments = process.cmdline;
    if (arguments.size() > 4 && arguments[0].contains(QStringLiteral("xfce4/panel/wrapper")) &&
        arguments[4] == QLatin1String("systray")) {
        bool isNumber = false;
        const int plugin = arguments[2].toInt(&isNumber);
        if (isNumber)
            return plugin;
    }
    return std::nullopt;
}

} // namespace

BusProcess processOf(uint pid) {
    BusProcess process{QString::fromUtf8(procFile(pid, "comm")).trimmed(), {}};
    for (const QByteArray& argument : procFile(pid, "cmdline").split('\0'))
        if (!argument.isEmpty())
            process.cmdline.append(QString::fromUtf8(argument));
    return process;
}

TrayHost trayHostOfProcess(const BusProcess& process) {
    if (const auto plugin = xfcePluginOf(process))
        return TrayHost{TrayHostKind::Xfce, process.comm, *plugin};
    TrayHostKind kind = kindOfProgram(process.comm);
    // The short name is cut at 15 characters; the program's file name is not.
    if (kind == TrayHostKind::Unknown && !process.cmdline.isEmpty())
        kind = kindOfProgram(QFileInfo(process.cmdline.first()).fileName());
    return TrayHost{kind, process.comm, -1};
}

TrayHostKind hostKindOfDesktop(const QString& currentDesktop) {
    static const QList<std::pair<QString, TrayHostKind>> names{
        {QStringLiteral("KDE"), TrayHostKind::Plasma},
        {QStringLiteral("XFCE"), TrayHostKind::Xfce},
        {QStringLiteral("GNOME"), TrayHostKind::Gnome},
        {QStringLiteral("LXQt"), TrayHostKind::Lxqt},
        {QStringLiteral("X-Cinnamon"), TrayHostKind::Cinnamon},
        {QStringLiteral("MATE"), TrayHostKind::Mate},
        {QStringLiteral("Budgie"), TrayHostKind::Budgie},
    };
    for (const QString& desktop : currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        for (const auto& [name, kind] : names)
            if (desktop.compare(name, Qt::CaseInsensitive) == 0)
                return kind;
    return TrayHostKind::Unknown;
}

QList<TrayHost> trayHostsOf(const std::optional<BusProcess>& watcherOwner,
                            const QList<BusProcess>& hostProcesses, const QString& currentDesktop) {
    if (!watcherOwner)
        return {};
    QList<TrayHost> known;
    const auto add = [&known](const TrayHost& host) {
        const bool seen = std::any_of(known.cbegin(), known.cend(), [&host](const TrayHost& other) {
            return other.kind == host.kind && other.xfcePlugin == host.xfcePlugin;
        });
        if (host.kind != TrayHostKind::Unknown && !seen)
            known.append(host);
    };
    add(trayHostOfProcess(*watcherOwner));
    for (const BusProcess& process : hostProcesses)
        add(trayHostOfProcess(process));
    if (known.isEmpty())
        known.append(TrayHost{hostKindOfDesktop(currentDesktop), watcherOwner->comm, -1});
    return known;
}

} // namespace platform::xdg
