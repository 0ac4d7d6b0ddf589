// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"

#include <QString>

#include <memory>

namespace platform {
class MainQueue;
}

namespace app {

// What Gapsel says when nothing shows its separators, with advice for the
// desktop it runs on.
QString noTrayMessage(platform::TrayHostKind desktop);

// Says once, on standard error and in the error log, that no tray shows the
// separators, when none has appeared a few seconds after start-up or after
// the last one went away. The separators stay and appear as soon as a tray
// does; a tray that comes and goes again is told about again.
class NoTrayNotice {
public:
    static constexpr double graceSeconds = 3.0;

    NoTrayNotice(platform::TrayHosts& hosts, platform::MainQueue& queue);
    ~NoTrayNotice();
    NoTrayNotice(const NoTrayNotice&) = delete;
    NoTrayNotice& operator=(const NoTrayNotice&) = delete;

private:
    void check();
    void hostsChanged();

    platform::TrayHosts& hosts_;
    platform::MainQueue& queue_;
    std::shared_ptr<NoTrayNotice*> alive_;
    bool checkPending_ = false;
    bool told_ = false;
};

} // namespace app
