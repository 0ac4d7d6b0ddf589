// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/NoTrayNotice.h"

#include "kit/ErrorLog.h"
#include "menubar/TrayRemedy.h"
#include "platform/Alerts.h"
#include "platform/BundleInfo.h"
#include "platform/LoginSession.h"
#include "platform/MainQueue.h"
#include "platform/Notifications.h"

#include <QCoreApplication>

namespace app {

using platform::TrayHostKind;

QString noTrayMessage(TrayHostKind desktop) {
    return QStringLiteral("No system tray is running that shows StatusNotifierItems: the "
                          "separators will appear as soon as one starts. ") +
           menubar::trayRemedy(desktop);
}

NoTrayNotice::NoTrayNotice(platform::Platform platform, bool isFirstLaunch)
    : platform_(platform)
    , isFirstLaunch_(isFirstLaunch)
    , alive_(std::make_shared<NoTrayNotice*>(this)) {
    platform_.trayHosts.onChanged(this, [this] { hostsChanged(); });
    hostsChanged();
}

NoTrayNotice::~NoTrayNotice() {
    platform_.trayHosts.onChanged(this, {});
}

void NoTrayNotice::hostsChanged() {
    if (platform_.trayHosts.hasWatcher()) {
        told_ = false;
        return;
    }
    if (told_ || checkPending_)
        return;
    checkPending_ = true;
    platform_.mainQueue.asyncAfter(graceSeconds, [weakSelf = std::weak_ptr<NoTrayNotice*>(alive_)] {
        if (const auto self = weakSelf.lock())
            (**self).check();
    });
}

void NoTrayNotice::check() {
    checkPending_ = false;
    if (told_ || platform_.trayHosts.hasWatcher())
        return;
    told_ = true;
    // The error log prints the line as well, so it reaches stderr once.
    kit::logError(platform::Error::failure(noTrayMessage(platform_.trayHosts.desktop())));
    if (!isFirstLaunch_ && platform_.loginSession.isFirstThisLogin(QString::fromLatin1(loginMark)))
        tellOnScreen();
}

void NoTrayNotice::tellOnScreen() {
    const QString summary = QCoreApplication::translate("NoTrayNotice", "%1 found no system tray")
                                .arg(platform_.bundle.name);
    const QString body = noTrayMessage(platform_.trayHosts.desktop());
    platform_.notifications.notify(
        summary, body, [alerts = &platform_.alerts, summary, body](bool shown) {
            if (shown)
                return;
            platform::Alert alert;
            alert.message = summary;
            alert.informativeText = body;
            alert.buttons = {QCoreApplication::translate("NoTrayNotice", "OK")};
            alerts->run(alert);
        });
}

} // namespace app
