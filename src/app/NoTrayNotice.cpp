// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/NoTrayNotice.h"

#include "kit/ErrorLog.h"
#include "platform/MainQueue.h"

namespace app {

using platform::TrayHostKind;

namespace {
QString adviceFor(TrayHostKind desktop) {
    switch (desktop) {
    case TrayHostKind::Gnome:
        return QStringLiteral("on GNOME, install and enable the AppIndicator extension "
                              "(gnome-shell-extension-appindicator).");
    case TrayHostKind::Xfce:
        return QStringLiteral("on XFCE, add the Status Tray plugin to a panel.");
    case TrayHostKind::Plasma:
        return QStringLiteral("on KDE Plasma, add the System Tray widget to a panel.");
    case TrayHostKind::Lxqt:
        return QStringLiteral("on LXQt, add the Status Notifier plugin to the panel.");
    case TrayHostKind::Cinnamon:
        return QStringLiteral("on Cinnamon, make sure the XApp status icon service "
                              "(xapp-sn-watcher) runs.");
    case TrayHostKind::Mate:
        return QStringLiteral("on MATE, add the Notification Area applet to a panel.");
    case TrayHostKind::Budgie:
        return QStringLiteral("on Budgie, add the System Tray applet to a panel.");
    case TrayHostKind::Waybar:
        return QStringLiteral("add the tray module to Waybar's configuration.");
    case TrayHostKind::DraggableMenuBar:
    case TrayHostKind::Unknown:
        break;
    }
    return QStringLiteral("start a panel with a StatusNotifierItem tray (such as Waybar's tray "
                          "module), or a bridge such as snixembed for an XEmbed-only tray.");
}
} // namespace

QString noTrayMessage(TrayHostKind desktop) {
    return QStringLiteral("No system tray is running that shows StatusNotifierItems: the "
                          "separators will appear as soon as one starts; ") +
           adviceFor(desktop);
}

NoTrayNotice::NoTrayNotice(platform::TrayHosts& hosts, platform::MainQueue& queue)
    : hosts_(hosts)
    , queue_(queue)
    , alive_(std::make_shared<NoTrayNotice*>(this)) {
    hosts_.onChanged([this] { hostsChanged(); });
    hostsChanged();
}

NoTrayNotice::~NoTrayNotice() {
    hosts_.onChanged({});
}

void NoTrayNotice::hostsChanged() {
    if (hosts_.hasWatcher()) {
        told_ = false;
        return;
    }
    if (told_ || checkPending_)
        return;
    checkPending_ = true;
    queue_.asyncAfter(graceSeconds, [weakSelf = std::weak_ptr<NoTrayNotice*>(alive_)] {
        if (const auto self = weakSelf.lock())
            (**self).check();
    });
}

void NoTrayNotice::check() {
    checkPending_ = false;
    if (told_ || hosts_.hasWatcher())
        return;
    told_ = true;
    // The error log prints the line as well, so it reaches stderr once.
    kit::logError(platform::Error::failure(noTrayMessage(hosts_.desktop())));
}

} // namespace app
