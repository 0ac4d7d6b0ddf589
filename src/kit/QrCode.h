// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <vector>

namespace kit {

// How much of a QR code may be damaged and still be read (ISO/IEC 18004
// levels L, M, Q and H).
enum class QrErrorCorrection { Low, Medium, Quartile, High };

// The modules of a QR code for a text, as a square of dark and light cells.
class QrCode {
public:
    // The light margin around the code that readers need to find it, in modules.
    static constexpr int quietZone = 4;

    // The code of `text`'s ISO Latin-1 bytes, in 8-bit mode. A text with a
    // character outside Latin-1 is not converted lossily: it gives an empty code,
    // as does a system without libqrencode (which is logged).
    static QrCode encode(const QString& text, QrErrorCorrection level);

    bool isEmpty() const { return size_ == 0; }
    // Modules per side, without the quiet zone.
    int size() const { return size_; }
    bool isDark(int column, int row) const {
        return dark_[static_cast<size_t>(row * size_ + column)];
    }

private:
    int size_ = 0;
    std::vector<bool> dark_;
};

// Where a code's modules fall in a square of `side` pixels: a whole number of
// pixels per module, so that edges stay sharp, with the quiet zone around
// and the whole centred.
struct QrPlacement {
    int modulePixels = 0;
    // The pixel offset of the first module from the square's top and left.
    int origin = 0;
};
QrPlacement placeQrCode(int moduleCount, int side);

} // namespace kit
