// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QWidget>

class JXKit;

namespace kit {

// The support window: deleting all data, copying or e-mailing the debug
// information, how to send a crash log, and the feedback page, top to bottom
// in groups divided by lines.
class SupportWindow : public QWidget {
public:
    explicit SupportWindow(JXKit& kit, QWidget* parent = nullptr);
};

} // namespace kit
