// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/PropertyList.h"

#include "defaults/PropertyListDetail.h"

#include <QAssociativeIterable>
#include <QDateTime>
#include <QSequentialIterable>

#include <cmath>
#include <limits>

namespace Defaults {

namespace {

using detail::maxDepth;

constexpr quint64 largestSigned = std::numeric_limits<qint64>::max();

std::optional<QVariant> refuse(QString& error, const QString& message) {
    error = message;
    return std::nullopt;
}

QString codePointName(char32_t codePoint) {
    return QStringLiteral("U+%1")
        .arg(static_cast<uint>(codePoint), 4, 16, QLatin1Char('0'))
        .toUpper();
}

bool isForbiddenInXml(char16_t unit) {
    const bool control = unit < 0x20 && unit != u'\t' && unit != u'\n' && unit != u'\r';
    return control || unit == 0xFFFE || unit == 0xFFFF;
}

std::optional<QVariant> normalizedValue(const QVariant& value, int depth, QString& error);

std::optional<QVariant> normalizedString(const QString& text, QString& error) {
    if (const auto problem = detail::unstorableTextProblem(text))
        return refuse(error, *problem);
    return QVariant(text);
}

QVariant normalizedUnsigned(quint64 number) {
    if (number <= largestSigned)
        return QVariant(static_cast<qint64>(number));
    return QVariant(number);
}

std::optional<QVariant> normalizedDate(const QDateTime& date, QString& error) {
    if (!date.isValid())
        return refuse(error, QStringLiteral("cannot store an invalid date"));
    const qint64 msecs = date.toMSecsSinceEpoch();
    const qint64 wholeSeconds = msecs / 1000 - (msecs % 1000 < 0 ? 1 : 0);
    const QDateTime utc = detail::utcDate(wholeSeconds);
    const int year = utc.date().year();
    // Four-digit years are all the XML date form (and Python's plistlib) can carry.
    if (year < 1 || year > 9999)
        return refuse(error, QStringLiteral("cannot store a date outside the years 1 to 9999"));
    return QVariant(utc);
}

std::optional<QVariant> tooDeep(QString& error) {
    return refuse(
        error,
        QStringLiteral("cannot store containers nested deeper than %1 levels").arg(maxDepth));
}

template <typename Items>
std::optional<QVariant> normalizedList(const Items& items, int depth, QString& error) {
    if (depth > maxDepth)
        return tooDeep(error);
    QVariantList list;
    for (const QVariant& item : items) {
        const auto element = normalizedValue(item, depth + 1, error);
        if (!element)
            return std::nullopt;
        list.append(*element);
    }
    return QVariant(list);
}

bool isStorableKey(const QVariant& key, QString& error) {
    if (key.typeId() != QMetaType::QString) {
        error = QStringLiteral("a dictionary key must be a string, not %1")
                    .arg(QLatin1String(key.metaType().name()));
        return false;
    }
    if (const auto problem = detail::unstorableTextProblem(key.toString())) {
        error = QStringLiteral("dictionary key: %1").arg(*problem);
        return false;
    }
    return true;
}

// Works for QVariantMap, QVariantHash and QAssociativeIterable alike: each has
// iterators with key() and value().
template <typename Entries>
std::optional<QVariant> normalizedMap(const Entries& entries, int depth, QString& error) {
    if (depth > maxDepth)
        return tooDeep(error);
    QVariantMap map;
    for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
        const QVariant key(entry.key());
        if (!isStorableKey(key, error))
            return std::nullopt;
        const auto element = normalizedValue(entry.value(), depth + 1, error);
        if (!element)
            return std::nullopt;
        map.insert(key.toString(), *element);
    }
    return QVariant(map);
}

// Containers of other element types (QList<int>, QMap<QString, double>, ...)
// are accepted through Qt's generic container views.
std::optional<QVariant> normalizedOther(const QVariant& value, int depth, QString& error) {
    if (value.canView<QAssociativeIterable>())
        return normalizedMap(value.value<QAssociativeIterable>(), depth, error);
    if (value.canView<QSequentialIterable>())
        return normalizedList(value.value<QSequentialIterable>(), depth, error);
    if (!value.isValid())
        return refuse(error, QStringLiteral("cannot store an empty (invalid) value"));
    return refuse(error, QStringLiteral("cannot store a value of type %1")
                             .arg(QLatin1String(value.metaType().name())));
}

std::optional<QVariant> normalizedValue(const QVariant& value, int depth, QString& error) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return normalizedString(value.toString(), error);
    case QMetaType::Bool:
    case QMetaType::QByteArray:
        return value;
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return QVariant(value.toLongLong());
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return normalizedUnsigned(value.toULongLong());
    case QMetaType::Float:
    case QMetaType::Double:
        return QVariant(value.toDouble());
    case QMetaType::QDateTime:
        return normalizedDate(value.toDateTime(), error);
    case QMetaType::QStringList:
    case QMetaType::QVariantList:
        return normalizedList(value.toList(), depth, error);
    case QMetaType::QVariantMap:
        return normalizedMap(value.toMap(), depth, error);
    case QMetaType::QVariantHash:
        return normalizedMap(value.toHash(), depth, error);
    default:
        return normalizedOther(value, depth, error);
    }
}

// Doubles are compared bit for bit in spirit: NaN matches NaN (a stored NaN is
// not a change) and -0.0 differs from 0.0 (writing it changes the file).
bool sameReal(double a, double b) {
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

bool sameList(const QVariantList& a, const QVariantList& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!identicalValues(a[i], b[i]))
            return false;
    }
    return true;
}

bool sameMap(const QVariantMap& a, const QVariantMap& b) {
    if (a.size() != b.size())
        return false;
    for (auto left = a.begin(), right = b.begin(); left != a.end(); ++left, ++right) {
        if (left.key() != right.key() || !identicalValues(left.value(), right.value()))
            return false;
    }
    return true;
}

} // namespace

namespace detail {

std::optional<QString> unstorableTextProblem(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (isForbiddenInXml(unit))
            return QStringLiteral("text contains %1, a character a property list cannot hold")
                .arg(codePointName(unit));
        if (QChar::isLowSurrogate(unit))
            return QStringLiteral("text contains an unpaired surrogate %1")
                .arg(codePointName(unit));
        if (QChar::isHighSurrogate(unit)) {
            if (i + 1 == text.size() || !QChar::isLowSurrogate(text[i + 1].unicode()))
                return QStringLiteral("text contains an unpaired surrogate %1")
                    .arg(codePointName(unit));
            ++i;
        }
    }
    return std::nullopt;
}

bool hasCanonicalType(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Bool:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::QDateTime:
    case QMetaType::QByteArray:
    case QMetaType::QVariantList:
    case QMetaType::QVariantMap:
        return true;
    default:
        return false;
    }
}

} // namespace detail

std::optional<QVariant> propertyListValue(const QVariant& value, QString* error) {
    // A value is kept inside the file's top dictionary, so its own containers
    // start at the second level of nesting.
    QString problem;
    auto result = normalizedValue(value, 2, problem);
    if (!result && error)
        *error = problem;
    return result;
}

bool identicalValues(const QVariant& a, const QVariant& b) {
    if (a.typeId() != b.typeId())
        return false;
    switch (a.typeId()) {
    case QMetaType::UnknownType: // both say "no value"
    case QMetaType::QString:
    case QMetaType::Bool:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::QDateTime:
    case QMetaType::QByteArray:
        return a == b;
    case QMetaType::Double:
        return sameReal(a.toDouble(), b.toDouble());
    case QMetaType::QVariantList:
        return sameList(a.toList(), b.toList());
    case QMetaType::QVariantMap:
        return sameMap(a.toMap(), b.toMap());
    default:
        return false;
    }
}

std::optional<QVariantMap> parsePropertyList(const QByteArray& bytes, QString* error) {
    QString problem;
    auto result = bytes.startsWith("bplist") ? detail::parseBinary(bytes, problem)
                                             : detail::parseXml(bytes, problem);
    if (!result && error)
        *error = problem;
    return result;
}

} // namespace Defaults
