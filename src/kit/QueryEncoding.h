// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace kit {

using QueryItems = QList<QPair<QString, QString>>;

// `text` in UTF-8 with every byte percent-encoded except the ASCII letters,
// the digits and "-._~", so that it reads the same in any part of a URL and
// to any server.
QString percentEncoded(const QString& text);

// "name=value&name=value", each name and value percent-encoded as above.
QString queryText(const QueryItems& items);

} // namespace kit
