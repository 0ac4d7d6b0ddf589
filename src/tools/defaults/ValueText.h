// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>
#include <QVariant>

namespace tools {

// Property-list values as people read them on a terminal, in the old-style
// text form: strings bare when they are plain words and quoted otherwise,
// lists in ( ), dictionaries in { } with "key = value;" lines.
QString describeValue(const QVariant& value, int indent = 0);

// The name of a value's property-list type: string, boolean, integer, float,
// date, data, array or dictionary.
QString typeName(const QVariant& value);

} // namespace tools
