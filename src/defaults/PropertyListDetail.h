// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QVariant>
#include <QVariantMap>

#include <optional>

// The pieces the property-list reader, writer and value checks share. Only the
// PropertyList implementation files include this; everyone else uses
// PropertyList.h.
namespace Defaults::detail {

// The deepest nesting of arrays and dictionaries accepted anywhere. The readers
// and the writer recurse once per level, so this bound keeps hostile or runaway
// input from exhausting the stack; real preferences are a few levels deep.
inline constexpr int maxDepth = 512;

// Says why `text` cannot be kept in an XML property list (a character XML 1.0
// cannot carry, or an unpaired surrogate), or none when it can.
std::optional<QString> unstorableTextProblem(const QString& text);

// True when `value` holds one of the canonical kinds (its elements are not
// looked at).
bool hasCanonicalType(const QVariant& value);

// A canonical date: UTC, the given whole seconds since 1970-01-01T00:00:00Z.
inline QDateTime utcDate(qint64 secondsSinceEpoch) {
    return QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, QTimeZone::utc());
}

std::optional<QVariantMap> parseXml(const QByteArray& bytes, QString& error);
std::optional<QVariantMap> parseBinary(const QByteArray& bytes, QString& error);

// What a structural check of a binary property list found out, beyond that it
// is safe to hand to libplist.
struct BinaryLayout {
    // 8-byte integer objects with the top bit set: how negative numbers are kept.
    bool hasNegativeIntegers = false;
    // 16-byte integer objects: how numbers above the largest qint64 are kept.
    bool hasWideIntegers = false;
    // The objects of the tree that libplist builds (shared objects copied).
    quint64 unfoldedObjects = 0;
};

// Walks the object graph of a binary property list without building it: the
// trailer, offsets and references must be in range, there must be no cycles,
// nesting must stay within maxDepth, and the tree that sharing of objects
// unfolds into must stay small. libplist 2.2 recurses without a depth bound
// and copies shared objects, so it only ever sees files that pass.
std::optional<BinaryLayout> checkBinaryLayout(const QByteArray& bytes, QString& error);

} // namespace Defaults::detail
