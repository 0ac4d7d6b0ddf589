// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Error.h"

#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>
#include <source_location>
#include <utility>

namespace kit {

// Named values in the order a report lists them.
using ErrorContext = QList<std::pair<QString, QVariant>>;

// Records an error that is not shown to the user, with named values that say
// what was going on and the place in the source that saw it (also entered into
// the context as "file", "line" and "fileLine"). The record is logged as a
// warning of "gapsel.kit", so it reaches standard error and the in-memory log,
// where the debug window and the debug information find it. A cancellation is
// not a fault and is not recorded.
//
// Returns the recorded line, or none when nothing was recorded.
std::optional<QString> logError(const platform::Error& error, QVariantMap context = {},
                                std::source_location where = std::source_location::current());
// The same with the place named by hand: a report that must keep one fixed
// place wherever the code that sends it moves to, and its values in the order
// given.
std::optional<QString> logError(const platform::Error& error, ErrorContext context,
                                const QString& file, qint64 line);

} // namespace kit
