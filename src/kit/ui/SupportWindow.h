// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QWidget>

class JXKit;

namespace kit {

// The support window: deleting all data, copying or e-mailing the debug
// information, how to send a crash log, and the feedback page, top to bottom
// in groups divided by lines. The keyboard starts on copying, never on
// deleting; Escape and Ctrl+W close it; its size is fixed.
class SupportWindow : public QWidget {
public:
    // How long "Copy Debug Info" reads "Copied" after copying.
    static constexpr int copiedMilliseconds = 2000;

    explicit SupportWindow(JXKit& kit, QWidget* parent = nullptr);

    // A new window, centred on the screen the user is on.
    static SupportWindow* make(JXKit& kit);
};

} // namespace kit
