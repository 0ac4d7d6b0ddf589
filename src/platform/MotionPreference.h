// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

namespace platform {

// Whether the user asked the desktop for less motion: then nothing bounces
// and popovers come and go without animation.
class MotionPreference {
public:
    virtual ~MotionPreference() = default;

    // Asked afresh each time; no setting at all means motion is fine.
    virtual bool reducesMotion() const = 0;
};

} // namespace platform
