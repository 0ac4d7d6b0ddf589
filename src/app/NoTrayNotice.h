// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Platform.h"
#include "platform/TrayHosts.h"

#include <QString>

#include <memory>

namespace app {

// What Gapsel says when nothing shows its separators, with advice for the
// desktop it runs on.
QString noTrayMessage(platform::TrayHostKind desktop);

// Says, on standard error and in the error log, that no tray shows the
// separators, when none has appeared a few seconds after start-up or after
// the last one went away. The separators stay and appear as soon as a tray
// does; a tray that comes and goes again is told about again.
//
// The user is told on screen too, once per login: a program started from the
// application menu that shows nothing must say why, but one started at every
// login on a desktop without a tray must not nag all day. A desktop
// notification says it; with no notification server, an alert does. During
// the first launch the separator's visibility check says it on screen instead.
class NoTrayNotice {
public:
    static constexpr double graceSeconds = 3.0;
    // What marks the login as told.
    static constexpr char loginMark[] = "no-tray-notice";

    NoTrayNotice(platform::Platform platform, bool isFirstLaunch);
    ~NoTrayNotice();
    NoTrayNotice(const NoTrayNotice&) = delete;
    NoTrayNotice& operator=(const NoTrayNotice&) = delete;

private:
    void check();
    void hostsChanged();
    void tellOnScreen();

    platform::Platform platform_;
    bool isFirstLaunch_;
    std::shared_ptr<NoTrayNotice*> alive_;
    bool checkPending_ = false;
    bool told_ = false;
};

} // namespace app
