// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/MotionPreference.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace platform::xdg {

// One desktop setting that can ask for less motion.
struct MotionSetting {
    QString group;
    QString key;
};

// Reads the user's wish for less motion from the desktop: the settings
// portal first (its own reduced-motion setting, then GNOME's and KDE's
// animation settings as the portal relays them), else GNOME's settings and
// KDE's kdeglobals directly. No setting anywhere means motion is fine. Qt
// itself tells nothing about it.
class DesktopMotionPreference final : public MotionPreference {
public:
    // Answers one setting, none when the desktop does not have it.
    using Reader = std::function<std::optional<QVariant>(const MotionSetting&)>;

    // By default the portal, gsettings and kdeglobals are asked.
    DesktopMotionPreference();
    DesktopMotionPreference(Reader portal, Reader fallback)
        : portal_(std::move(portal))
        , fallback_(std::move(fallback)) {}

    bool reducesMotion() const override;

    // The settings asked, in order, and what each value means.
    static const QList<MotionSetting>& settings();
    static bool meansReducedMotion(const MotionSetting& setting, const QVariant& value);

private:
    Reader portal_;
    Reader fallback_;
};

} // namespace platform::xdg
