// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/NoTrayNotice.h"

#include "kit/ErrorLog.h"
#include "menubar/TrayRemedy.h"
#include "platform/MainQueue.h"

namespace app {

using platform::TrayHostKind;

QString noTrayMessage(TrayHostKind desktop) {
    return QStringLiteral("No system tray is running that shows StatusNotifierItems: the "
                          "separators will appear as soon as one starts. ") +
           menubar::trayRemedy(desktop);
}

NoTrayNotice::NoTrayNotice(platform::TrayHosts& hosts, platform::MainQueue& queue)
    : hosts_(hosts)
    , queue_(queue)
    , alive_(std::make_shared<NoTrayNotice*>(this)) {
    hosts_.onChanged(this, [this] { hostsChanged(); });
    hostsChanged();
}

NoTrayNotice::~NoTrayNotice() {
    hosts_.onChanged(this, {});
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
