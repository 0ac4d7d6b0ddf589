// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "XwdImage.h"

#include <QtEndian>

#include <bit>

namespace e2e {

namespace {
// The fields of the dump's header used here, by their position in it.
enum Field : int {
    HeaderSize = 0,
    Width = 4,
    Height = 5,
    ByteOrder = 7,
    BitsPerPixel = 11,
    BytesPerLine = 12,
    RedMask = 14,
    GreenMask = 15,
    BlueMask = 16,
    ColourCount = 19,
    FieldCount = 25,
};

constexpr qsizetype colourEntrySize = 12;

quint32 headerField(const QByteArray& dump, int field) {
    return qFromBigEndian<quint32>(dump.constData() + 4 * field);
}

int channel(quint32 pixel, quint32 mask) {
    return mask ? static_cast<int>((pixel & mask) >> std::countr_zero(mask)) : 0;
}
} // namespace

QImage fromXwd(const QByteArray& dump) {
    if (dump.size() < 4 * FieldCount)
        return {};
    const auto width = static_cast<int>(headerField(dump, Width));
    const auto height = static_cast<int>(headerField(dump, Height));
    const qsizetype bytesPerLine = headerField(dump, BytesPerLine);
    const qsizetype pixelsStart =
        headerField(dump, HeaderSize) + colourEntrySize * headerField(dump, ColourCount);
    // Lines may be padded beyond their pixels: a pixel's size is its own field.
    const qsizetype bytesPerPixel = headerField(dump, BitsPerPixel) / 8;
    if (width <= 0 || height <= 0 || (bytesPerPixel != 3 && bytesPerPixel != 4) ||
        dump.size() < pixelsStart + bytesPerLine * height)
        return {};
    const bool mostSignificantFirst = headerField(dump, ByteOrder) == 1;
    const quint32 masks[] = {headerField(dump, RedMask), headerField(dump, GreenMask),
                             headerField(dump, BlueMask)};

    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const auto* line =
            reinterpret_cast<const uchar*>(dump.constData() + pixelsStart + y * bytesPerLine);
        for (int x = 0; x < width; ++x) {
            quint32 pixel = 0;
            for (qsizetype byte = 0; byte < bytesPerPixel; ++byte) {
                const qsizetype shift = mostSignificantFirst ? bytesPerPixel - 1 - byte : byte;
                pixel |= quint32{line[x * bytesPerPixel + byte]} << (8 * shift);
            }
            image.setPixel(
                x, y,
                qRgb(channel(pixel, masks[0]), channel(pixel, masks[1]), channel(pixel, masks[2])));
        }
    }
    return image;
}

} // namespace e2e
