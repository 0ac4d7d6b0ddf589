// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/EmailAddress.h"

#include <QRegularExpression>

namespace kit {

std::optional<EmailAddress> EmailAddress::parse(const QString& text) {
    // A local part of the characters mail programs link (dot-separated runs,
    // no leading, trailing or doubled dot), and a domain of labels that
    // neither start nor end with a hyphen, ending in a top-level domain of
    // letters.
    static const QRegularExpression address(
        QStringLiteral("^[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+(\\.[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+)*"
                       "@([A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?\\.)+[A-Za-z]{2,63}$"));
    const QString trimmed = text.trimmed();
    if (!address.match(trimmed).hasMatch())
        return std::nullopt;
    return EmailAddress(trimmed);
}

EmailAddress EmailAddress::constant(const QString& text) {
    const auto parsed = parse(text);
    if (!parsed)
        qFatal("Gapsel/JXKit: Invalid email address: %s", qPrintable(text));
    return *parsed;
}

} // namespace kit
