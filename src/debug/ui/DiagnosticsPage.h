// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "debug/ui/DebugServices.h"

#include <QWidget>

class QCheckBox;

namespace debug {

// The "Debug" page: the drawing and event diagnostic switches, each with what
// it does on this platform, and a recorder to try a global shortcut.
class DiagnosticsPage : public QWidget {
public:
    explicit DiagnosticsPage(const DebugServices& services, QWidget* parent = nullptr);

private:
    QCheckBox* drawingSwitch(const DebugServices& services);
    QWidget* shortcutTrial(const DebugServices& services);
};

} // namespace debug
