// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/UserDefaults.h"

#include <QTextStream>
#include <QVariantMap>

#include <memory>

namespace tools {

// Warns on `err`, one line per key, about the values written to Gapsel's own
// domain that Gapsel will not read in full under its own keys: what it
// expects there and what it will ignore. The values are read with the same
// conversions Gapsel reads them with. Other domains and keys pass unremarked.
void warnAboutOwnKeys(const std::shared_ptr<UserDefaults>& domain, const QVariantMap& written,
                      QTextStream& err);

} // namespace tools
