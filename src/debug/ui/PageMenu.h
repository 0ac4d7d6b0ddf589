// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace debug {

// The "…" menu at the top trailing edge of a page: "Copy" and, after a line,
// "Clear". `label` names the button for accessibility.
QWidget* pageMenu(const QString& label, std::function<void()> copy, std::function<void()> clear);

} // namespace debug
