// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/DesktopPopover.h"

#include "platform/linux/GreetingWindow.h"
#include "platform/linux/NotificationPopover.h"

#include <QGuiApplication>

namespace platform::xdg {

namespace {
std::unique_ptr<Popover> forThisSession() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return std::make_unique<NotificationPopover>();
    return std::make_unique<WindowPopover>();
}
} // namespace

DesktopPopover::DesktopPopover()
    : popover_(forThisSession()) {}

DesktopPopover::~DesktopPopover() = default;

} // namespace platform::xdg
