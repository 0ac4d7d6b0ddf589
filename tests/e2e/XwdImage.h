// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QByteArray>
#include <QImage>

namespace e2e {

// The image in an X window dump, as `xwd` writes it of the tests' 24-bit
// screens: pixels of three or four bytes. Anything else gives a null image.
QImage fromXwd(const QByteArray& dump);

} // namespace e2e
