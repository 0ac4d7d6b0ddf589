// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/UserDefaults.h"
#include "platform/Platform.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace platform {
class StatusItem;
}

namespace menubar {

// A popover that points at a status item and counts how often it was shown,
// under "JX_Tooltip_" followed by its identifier, so that a hint can be given
// only once per installation.
class Tooltip {
public:
    struct Settings {
        // Names the show counter.
        QString identifier;
        // Shown only while the counter is 0.
        bool showOnlyOnce = false;
        // When false, an item that sits on no screen gets nothing.
        bool showEvenWhenMenuBarItemIsHidden = false;
    };

    // What it says and what a click on it does: `closesOnClick` closes it
    // first, then `onClick` runs.
    struct Content {
        QString text;
        double insets = 0;
        std::optional<double> maxWidth;
        bool closesOnClick = true;
        std::function<void()> onClick;
    };

    Tooltip(Settings settings, platform::Platform platform, std::shared_ptr<UserDefaults> defaults);
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    void configure(Content content);
    // Points the popover at the item, counting the showing, then calls
    // `shown`; an item on no screen gets nothing, unless the settings say
    // otherwise. Whether it is on a screen may be known only on a later turn.
    void show(const std::shared_ptr<platform::StatusItem>& item, std::function<void()> shown = {});
    void close();

    // Without reduced motion it comes and goes animated.
    bool animates() const;
    qint64 showCount() const;

private:
    void present(platform::StatusItem& item, const std::function<void()>& shown);
    void clicked();

    Settings settings_;
    platform::Platform platform_;
    std::shared_ptr<UserDefaults> defaults_;
    Content content_;
    // An answer that comes after this tooltip is gone shows nothing.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace menubar
