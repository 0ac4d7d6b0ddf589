// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/Tooltip.h"

#include "keys/GapselKeys.h"
#include "platform/ItemVisibility.h"
#include "platform/MotionPreference.h"
#include "platform/Popover.h"

namespace menubar {

Tooltip::Tooltip(Settings settings, platform::Platform platform,
                 std::shared_ptr<UserDefaults> defaults)
    : settings_(std::move(settings))
    , platform_(platform)
    , defaults_(std::move(defaults)) {}

void Tooltip::configure(Content content) {
    content_ = std::move(content);
}

bool Tooltip::animates() const {
    return !platform_.motion.reducesMotion();
}

qint64 Tooltip::showCount() const {
    return Defaults::get(keys::tooltipCounter(settings_.identifier, defaults_));
}

void Tooltip::show(const std::shared_ptr<platform::StatusItem>& item, std::function<void()> shown) {
    if (settings_.showEvenWhenMenuBarItemIsHidden) {
        present(*item, shown);
        return;
    }
    platform_.itemVisibility.isOnScreen(*item,
                                        [alive = std::weak_ptr<bool>(alive_), this,
                                         weakItem = std::weak_ptr<platform::StatusItem>(item),
                                         shown = std::move(shown)](bool onScreen) {
                                            const auto live = weakItem.lock();
                                            if (onScreen && live && alive.lock())
                                                present(*live, shown);
                                        });
}

void Tooltip::present(platform::StatusItem& item, const std::function<void()>& shown) {
    if (settings_.showOnlyOnce && showCount() > 0)
        return;
    Defaults::modify(keys::tooltipCounter(settings_.identifier, defaults_),
                     [](qint64& count) { ++count; });
    platform_.popover.show(
        item,
        platform::PopoverContent{content_.text, content_.insets, content_.maxWidth, animates()},
        [this] { clicked(); });
    if (shown)
        shown();
}

void Tooltip::close() {
    platform_.popover.close();
}

void Tooltip::clicked() {
    if (content_.closesOnClick)
        close();
    if (content_.onClick)
        content_.onClick();
}

} // namespace menubar
