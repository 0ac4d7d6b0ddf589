// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Key.h"
#include "menubar/VisibilityCheckOptions.h"
#include "platform/ItemVisibility.h"
#include "platform/Platform.h"

#include <memory>

class JXKit;

namespace platform {
class StatusItem;
}

namespace menubar {

// A tray utility whose item does not appear looks broken. Once the tray has
// settled after launch, this check decides whether the item is in fact out
// of sight and, if so, tells the user why, with a way to stop the warning
// for good.
class VisibilityCheck {
public:
    static constexpr double settleDelay = 3.0;
    static constexpr double settleDelayAtLogin = 10.0;
    static QString reportMarker() { return QStringLiteral("JXKit__check5345342345"); }

    VisibilityCheck(JXKit& kit, platform::Platform platform,
                    std::shared_ptr<UserDefaults> defaults);

    // Returns at once; the check holds the item until it has ended.
    void ensureVisibility(const std::shared_ptr<platform::StatusItem>& item,
                          const VisibilityCheckOptions& options);

private:
    void check(const std::shared_ptr<platform::StatusItem>& item,
               const VisibilityCheckOptions& options);
    void judged(const platform::HiddenVerdict& verdict, const VisibilityCheckOptions& options);
    void sendReport(const platform::HiddenVerdict& verdict) const;
    void warn(const platform::HiddenVerdict& verdict, const VisibilityCheckOptions& options);

    JXKit& kit_;
    platform::Platform platform_;
    std::shared_ptr<UserDefaults> defaults_;
};

} // namespace menubar
