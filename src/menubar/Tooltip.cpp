// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/Tooltip.h"

#include "defaults/Key.h"
#include "platform/ItemVisibility.h"
#include "platform/MotionPreference.h"
#include "platform/Popover.h"

namespace menubar {

namespace {
Defaults::Key<qint64> counter(const QString& identifier,
                              const std::shared_ptr<UserDefaults>& defaults) {
    return {Tooltip::counterKey(identifier), 0, defaults};
}
} // namespace

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
    return Defaults::get(counter(settings_.identifier, defaults_));
}

void Tooltip::show(platform::StatusItem& item) {
    if (!settings_.showEvenWhenMenuBarItemIsHidden && !platform_.itemVisibility.isOnScreen(item))
        return;
    if (settings_.showOnlyOnce && showCount() > 0)
        return;
    Defaults::modify(counter(settings_.identifier, defaults_), [](qint64& count) { ++count; });
    platform_.popover.show(
        item,
        platform::PopoverContent{content_.text, content_.insets, content_.maxWidth, animates()},
        [this] { clicked(); });
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
