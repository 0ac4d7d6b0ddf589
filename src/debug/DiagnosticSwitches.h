// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/UserDefaults.h"

#include <QString>

#include <array>
#include <functional>

namespace debug {

// The drawing and event diagnostics the debug window switches. Their keys are
// the macOS toolkit's own settings, kept so that a shared preferences file
// means the same on both platforms. On Linux a switch does what its label
// says where Qt can, from the next start; `effectHere` says what that is, or
// that there is nothing. Both texts are in English, translated where shown.
struct DiagnosticSwitch {
    QString label;
    QString key;
    QString effectHere;
};

const std::array<DiagnosticSwitch, 5>& diagnosticSwitches();

// "Highlight Drawn Rectangles": on exactly when "200" (a highlight time in
// milliseconds) is stored.
bool isDrawingHighlighted(const UserDefaults& suite);
// Stores the new state ("200" and a cycling colour, or "no") and relaunches,
// since the setting is read only at start.
void setDrawingHighlighted(UserDefaults& suite, bool on, const std::function<void()>& relaunch);

// Applies the stored switches that Qt has an equivalent for; called once at
// start.
void applyDiagnostics(const UserDefaults& suite);

} // namespace debug
