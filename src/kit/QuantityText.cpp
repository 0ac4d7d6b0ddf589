// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/QuantityText.h"

#include <QStringList>

#include <array>

namespace kit {

namespace {

QString withoutTrailingZeros(QString number) {
    if (!number.contains(QLatin1Char('.')))
        return number;
    while (number.endsWith(QLatin1Char('0')))
        number.chop(1);
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    return number;
}

} // namespace

QString memoryText(qint64 bytes) {
    if (bytes <= 0)
        return QStringLiteral("Zero KB");
    if (bytes == 1)
        return QStringLiteral("1 byte");
    if (bytes < 1024)
        return QStringLiteral("%1 bytes").arg(bytes);
    static constexpr std::array<const char*, 8> units{"KB", "MB", "GB", "TB",
                                                      "PB", "EB", "ZB", "YB"};
    double value = static_cast<double>(bytes) / 1024.0;
    std::size_t unit = 0;
    while (value >= 1024.0 && unit + 1 < units.size()) {
        value /= 1024.0;
        ++unit;
    }
    const int decimals = unit == 0 ? 0 : unit == 1 ? 1 : 2;
    return withoutTrailingZeros(QString::number(value, 'f', decimals)) + QLatin1Char(' ') +
           QLatin1String(units[unit]);
}

QString durationText(qint64 seconds) {
    struct Unit {
        qint64 seconds;
        char symbol;
    };
    static constexpr std::array<Unit, 5> units{
        {{7 * 86400, 'w'}, {86400, 'd'}, {3600, 'h'}, {60, 'm'}, {1, 's'}}};
    if (seconds <= 0)
        return QStringLiteral("0s");
    QStringList parts;
    for (const Unit& unit : units) {
        const qint64 count = seconds / unit.seconds;
        seconds %= unit.seconds;
        if (count > 0)
            parts.append(QString::number(count) + QLatin1Char(unit.symbol));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace kit
