// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/EmailAddress.h"

#include <QUrl>

namespace kit {

// Where users reach the people who make Gapsel.
inline EmailAddress supportEmailAddress() {
    return EmailAddress::constant(QStringLiteral("support@gapsel.app"));
}
inline QUrl feedbackPage() {
    return QUrl(QStringLiteral("https://gapsel.app/feedback"));
}

} // namespace kit
