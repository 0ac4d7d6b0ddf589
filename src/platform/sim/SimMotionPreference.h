// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/MotionPreference.h"

namespace platform::sim {

// The reduce-motion setting as a test sets it; off at first.
class SimMotionPreference final : public MotionPreference {
public:
    bool reducesMotion() const override { return reducesMotion_; }
    void setReducesMotion(bool reduces) { reducesMotion_ = reduces; }

private:
    bool reducesMotion_ = false;
};

} // namespace platform::sim
