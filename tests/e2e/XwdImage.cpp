// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "XwdImage.h"

#include <QSysInfo>
#include <QtEndian>

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
constexpr int leastSignificantFirst = 0;
} // namespace

QImage fromXwd(const QByteArray& dump) {
    if (dump.size() < 4 * FieldCount)
        return {};
    const auto field = [&](Field index) {
        return qFromBigEndian<quint32>(dump.constData() + 4 * index);
    };
    const auto width = static_cast<int>(field(Width));
    const auto height = static_cast<int>(field(Height));
    const qsizetype bytesPerLine = field(BytesPerLine);
    const qsizetype pixelsStart = field(HeaderSize) + colourEntrySize * field(ColourCount);
    // Pixels 0x00RRGGBB in this machine's byte order are Qt's RGB32; packed
    // three-byte ones its BGR888 when the least significant byte comes first.
    const bool leastFirst = field(ByteOrder) == leastSignificantFirst;
    QImage::Format format = QImage::Format_Invalid;
    if (field(BitsPerPixel) == 24)
        format = leastFirst ? QImage::Format_BGR888 : QImage::Format_RGB888;
    else if (field(BitsPerPixel) == 32 &&
             leastFirst == (QSysInfo::ByteOrder == QSysInfo::LittleEndian))
        format = QImage::Format_RGB32;
    if (width <= 0 || height <= 0 || format == QImage::Format_Invalid ||
        field(RedMask) != 0xff0000 || field(GreenMask) != 0xff00 || field(BlueMask) != 0xff ||
        dump.size() < pixelsStart + bytesPerLine * height)
        return {};
    const QImage image(reinterpret_cast<const uchar*>(dump.constData() + pixelsStart), width,
                       height, bytesPerLine, format);
    // Copied either way: the dump's buffer ends here.
    return format == QImage::Format_RGB32 ? image.copy()
                                          : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace e2e
