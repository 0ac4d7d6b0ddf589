// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/ValueBridges.h"

#include <QDataStream>
#include <QIODevice>

namespace Defaults {

namespace {
// 8-4-4-4-12 hexadecimal digits. Checked by hand rather than with a regular
// expression, which would cost every start the pattern engine's memory.
bool isCanonicalUuid(QStringView text) {
    if (text.size() != 36)
        return false;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const char16_t character = text[index].unicode();
        const bool isHyphen = index == 8 || index == 13 || index == 18 || index == 23;
        const bool isHex = (character >= u'0' && character <= u'9') ||
                           (character >= u'a' && character <= u'f') ||
                           (character >= u'A' && character <= u'F');
        if (isHyphen ? character != u'-' : !isHex)
            return false;
    }
    return true;
}
} // namespace

std::optional<QVariant> UUIDBridge::serialize(const std::optional<QUuid>& value) {
    if (!value)
        return std::nullopt;
    return QVariant(value->toString(QUuid::WithoutBraces).toUpper());
}

std::optional<QUuid> UUIDBridge::deserialize(const std::optional<QVariant>& stored) {
    if (!stored || !accepts(*stored))
        return std::nullopt;
    const QString text = stored->toString();
    if (!isCanonicalUuid(text))
        return std::nullopt;
    return QUuid::fromString(text);
}

// Colours are archived with Qt's own stream format, versioned so that a later
// Qt can still read what this one wrote.
namespace {
constexpr quint32 colorArchiveMagic = 0x47534331; // "GSC1"
}

std::optional<QVariant> ColorBridge::serialize(const std::optional<QColor>& value) {
    if (!value || !value->isValid())
        return std::nullopt;
    QByteArray archive;
    QDataStream out(&archive, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << colorArchiveMagic << *value;
    return QVariant(archive);
}

std::optional<QColor> ColorBridge::deserialize(const std::optional<QVariant>& stored) {
    if (!stored || !accepts(*stored))
        return std::nullopt;
    const QByteArray archive = stored->toByteArray();
    QDataStream in(archive);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    QColor color;
    in >> magic >> color;
    if (in.status() != QDataStream::Ok || magic != colorArchiveMagic || !in.atEnd() ||
        !color.isValid())
        return std::nullopt;
    return color;
}

} // namespace Defaults
