// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QStringList>
#include <QVariantMap>

namespace platform::xdg {

// The properties of an xfconf channel under `base` ("/plugins"), by full
// name, as xfconfd holds them now (arrays as lists of strings); none when it
// does not answer.
QVariantMap xfconfProperties(const QString& channel, const QString& base);

} // namespace platform::xdg
