// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

// Property-list values as the preferences domain holds them, and the file
// format they are kept in.
//
// In memory a property-list value is a QVariant holding exactly one of:
// QString, bool, qint64, quint64 (only for values above the largest qint64),
// double, QDateTime (UTC, whole seconds), QByteArray, QVariantList and
// QVariantMap (string keys) of these. That is also what comes back from a file.
namespace Defaults {

// Brings `value` into the canonical form above (other integer widths become
// qint64, float becomes double, dates move to UTC and whole seconds, QStringList
// becomes a list, QVariantHash a map), or returns none and says why in `error`
// when the value, or something inside it, cannot be kept in a property list:
// other types, strings with characters XML 1.0 cannot carry, dates outside the
// years 1 to 9999, containers nested deeper than a file holds (512 levels,
// counting the file's top dictionary that the value is kept in).
std::optional<QVariant> propertyListValue(const QVariant& value, QString* error = nullptr);

// True when both values are canonical and equal in type and value: a Boolean is
// never equal to an integer, nor an integer to a real. Reals compare as stored:
// NaN equals NaN (so a stored NaN is not a change), -0.0 differs from 0.0.
// Two invalid QVariants ("no value") are identical.
bool identicalValues(const QVariant& a, const QVariant& b);

// The XML property-list text of a dictionary of canonical values, readable by
// Python's plistlib and Apple's tools. A value that is not canonical is left
// out with a warning: normalise before storing.
QByteArray propertyListXml(const QVariantMap& root);

// Reads an XML or binary property list whose root is a dictionary. On failure
// returns none and describes the problem in `error` (for XML with its line and
// column). Never throws; nesting deeper than 512 levels is refused. Binary
// entries of kinds a preferences file has no use for (keyed-archiver UIDs) are
// left out.
std::optional<QVariantMap> parsePropertyList(const QByteArray& bytes, QString* error = nullptr);

} // namespace Defaults
