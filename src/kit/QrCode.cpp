// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/QrCode.h"

#include <qrencode.h>

#include <algorithm>
#include <memory>

namespace kit {

namespace {

QRecLevel levelOf(QrErrorCorrection level) {
    switch (level) {
    case QrErrorCorrection::Low:
        return QR_ECLEVEL_L;
    case QrErrorCorrection::Medium:
        return QR_ECLEVEL_M;
    case QrErrorCorrection::Quartile:
        return QR_ECLEVEL_Q;
    case QrErrorCorrection::High:
        break;
    }
    return QR_ECLEVEL_H;
}

bool isLatin1(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

} // namespace

QrCode QrCode::encode(const QString& text, QrErrorCorrection level) {
    QrCode code;
    if (text.isEmpty() || !isLatin1(text))
        return code;
    const QByteArray bytes = text.toLatin1();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> encoded(
        QRcode_encodeData(static_cast<int>(bytes.size()),
                          reinterpret_cast<const unsigned char*>(bytes.constData()), 0,
                          levelOf(level)),
        &QRcode_free);
    if (!encoded)
        return code;
    code.size_ = encoded->width;
    const auto cells = static_cast<size_t>(code.size_) * static_cast<size_t>(code.size_);
    code.dark_.resize(cells);
    // The lowest bit of each cell says whether the module is dark.
    for (size_t cell = 0; cell < cells; ++cell)
        code.dark_[cell] = (encoded->data[cell] & 1) != 0;
    return code;
}

QrPlacement placeQrCode(int moduleCount, int side) {
    if (moduleCount <= 0 || side <= 0)
        return {};
    const int modulePixels = std::max(1, side / (moduleCount + 2 * QrCode::quietZone));
    return {modulePixels, (side - modulePixels * moduleCount) / 2};
}

} // namespace kit
