// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Defaults.h"
#include "support/TestEnvironment.h"

#include <QDateTime>
#include <QUuid>
#include <QVariant>

#include <limits>
#include <vector>

// A record shaped like a separator.
struct Record {
    QUuid id;
    QString character;
    static constexpr auto jsonFields() {
        return std::tuple{Defaults::jsonField("id", &Record::id),
                          Defaults::jsonField("character", &Record::character)};
    }
    friend bool operator==(const Record&, const Record&) = default;
};

enum class Shade { light = 1, dark = 2 };
template <>
struct Defaults::RawValue<Shade> : Defaults::IntegerRawValue<Shade, Shade::light, Shade::dark> {};

struct SuiteFile {
    QString folder = testing_support::freshFolder(QStringLiteral("suite"));
    QString path = folder + QStringLiteral("/test.plist");
    std::shared_ptr<UserDefaults> open() const {
        return UserDefaults::open(QStringLiteral("test"), path);
    }
};

inline const QString exampleIdText = QStringLiteral("3F2504E0-4F89-41D3-9A0C-0305E82C3301");
inline const QUuid exampleId = QUuid::fromString(exampleIdText);

namespace samples {

constexpr qint64 int64Min = std::numeric_limits<qint64>::min();
constexpr qint64 int64Max = std::numeric_limits<qint64>::max();
constexpr quint64 uint64Max = std::numeric_limits<quint64>::max();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

inline QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

inline QVariant date(const char* isoText) {
    return QDateTime::fromString(text(isoText), Qt::ISODateWithMs).toUTC();
}

// Every canonical property-list kind, with the values most likely to be
// damaged on the way to a file and back.
inline std::vector<std::pair<const char*, QVariant>> everyKind() {
    return {
        {"empty string", QString()},
        {"markup", text("a & b < c > d ]]> &amp;")},
        {"line ends", text("cr\r lf\n crlf\r\n tab\t")},
        {"non-ASCII", text("Grüße, 東京, 😀 \u2028")},
        {"true", true},
        {"false", false},
        {"zero", qint64(0)},
        {"minus one", qint64(-1)},
        {"int64 min", int64Min},
        {"int64 max", int64Max},
        {"above int64", quint64(int64Max) + 1},
        {"uint64 max", uint64Max},
        {"tenth", 0.1},
        {"negative zero", -0.0},
        {"whole real", 5.0},
        {"huge real", 1e300},
        {"denormal", 5e-324},
        {"nan", notANumber},
        {"infinity", infinity},
        {"minus infinity", -infinity},
        {"before 1970", date("1900-01-01T00:00:00Z")},
        {"reference date", date("2001-01-01T00:00:00Z")},
        {"after 2038", date("2100-06-15T12:34:56Z")},
        {"year 9999", date("9999-12-31T23:59:59Z")},
        {"empty data", QByteArray()},
        {"binary data", QByteArray("\0\x01\xff\r\n", 5)},
        {"long data", QByteArray(200, '\x7f')},
        {"empty list", QVariantList()},
        {"empty map", QVariantMap()},
        {"nested",
         QVariantList{QVariantList(), QVariantMap{{text("k"), QVariantList{qint64(1), text("x")}}},
                      QVariantMap{{text("deep"), QVariantMap{{text("er"), 2.5}}}}}},
    };
}

} // namespace samples
