// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/UserDefaults.h"
#include "kit/JXKit.h"
#include "platform/sim/SimPlatform.h"
#include "support/TestEnvironment.h"

#include <memory>
#include <vector>

namespace kit_testing {

using namespace Qt::StringLiterals;

// One user's preferences file and a simulated desktop, started as often as a
// test likes: each launch() is a new process's kit over the same file, read
// afresh from disk.
class Launches {
public:
    // Earlier launches' kits stay alive, as work they queued may still be waiting.
    JXKit& launch(kit::StartupGestureHandlers gestures = {}) {
        suite_ = UserDefaults::open(u"com.gapsel.Gapsel"_s, path_);
        kits_.push_back(std::make_unique<JXKit>(sim.platform(), suite_, testing_support::log(),
                                                std::move(gestures)));
        return *kits_.back();
    }
    // The preferences as the last launch sees them.
    const std::shared_ptr<UserDefaults>& suite() {
        if (!suite_)
            suite_ = UserDefaults::open(u"com.gapsel.Gapsel"_s, path_);
        return suite_;
    }

    platform::sim::SimPlatform sim;

private:
    const QString path_ = testing_support::freshFolder(u"kit"_s) + u"/com.gapsel.Gapsel.plist"_s;
    std::shared_ptr<UserDefaults> suite_;
    std::vector<std::unique_ptr<JXKit>> kits_;
};

} // namespace kit_testing
