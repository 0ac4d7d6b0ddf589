// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/PropertyList.h"

#include "defaults/DefaultsLog.h"
#include "defaults/PropertyListDetail.h"

#include <QDateTime>
#include <QtGlobal>

#include <charconv>
#include <cmath>

// Writes the XML form in one fixed layout (tab indentation, keys in sorted
// order, empty containers as <dict/> and <array/>), the one property-list
// tools write, so files diff cleanly and Python's plistlib reads them.
namespace Defaults {

namespace {

constexpr qsizetype base64LineLength = 76;

QByteArray escaped(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '&':
            out.append("&amp;");
            break;
        case '<':
            out.append("&lt;");
            break;
        case '>':
            out.append("&gt;");
            break;
        case '\r':
            // A literal CR would come back as LF: XML readers normalise line ends.
            out.append("&#13;");
            break;
        default:
            out.append(c);
        }
    }
    return out;
}

QByteArray realText(double value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "+infinity" : "-infinity";
    char digits[32];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    return QByteArray(digits, result.ptr - digits);
}

QByteArray dateText(const QDateTime& date) {
    const QDateTime utc = date.toUTC();
    const QDate day = utc.date();
    const QTime time = utc.time();
    const auto two = [](int number) {
        return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    };
    return QStringLiteral("%1-%2-%3T%4:%5:%6Z")
        .arg(QStringLiteral("%1").arg(day.year(), 4, 10, QLatin1Char('0')), two(day.month()),
             two(day.day()), two(time.hour()), two(time.minute()), two(time.second()))
        .toLatin1();
}

class XmlWriter {
public:
    QByteArray document(const QVariantMap& root) {
        out.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                   "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                   "<plist version=\"1.0\">\n");
        writeDict(root, 0);
        out.append("</plist>\n");
        return out;
    }

private:
    void line(int level, const QByteArray& text) {
        out.append(level, '\t');
        out.append(text);
        out.append('\n');
    }

    void element(int level, const QByteArray& tag, const QByteArray& text) {
        line(level, '<' + tag + '>' + text + "</" + tag + '>');
    }

    // Values that are not canonical are left out with a warning rather than
    // written in some ad-hoc form: callers normalise before they store.
    static bool isWritable(const QVariant& value) {
        if (detail::hasCanonicalType(value))
            return true;
        qCWarning(defaultsLog, "PropertyList: left out a value of type %s, which is not canonical",
                  value.metaType().name());
        return false;
    }

    void writeDict(const QVariantMap& map, int level) {
        if (map.isEmpty())
            return line(level, "<dict/>");
        line(level, "<dict>");
        for (auto entry = map.begin(); entry != map.end(); ++entry) {
            if (!isWritable(entry.value()))
                continue;
            element(level + 1, "key", escaped(entry.key()));
            writeValue(entry.value(), level + 1);
        }
        line(level, "</dict>");
    }

    void writeArray(const QVariantList& list, int level) {
        if (list.isEmpty())
            return line(level, "<array/>");
        line(level, "<array>");
        for (const QVariant& item : list) {
            if (isWritable(item))
                writeValue(item, level + 1);
        }
        line(level, "</array>");
    }

    void writeData(const QByteArray& data, int level) {
        const QByteArray base64 = data.toBase64();
        line(level, "<data>");
        for (qsizetype start = 0; start < base64.size(); start += base64LineLength)
            line(level, base64.mid(start, base64LineLength));
        line(level, "</data>");
    }

    void writeValue(const QVariant& value, int level) {
        switch (value.typeId()) {
        case QMetaType::QString:
            return element(level, "string", escaped(value.toString()));
        case QMetaType::Bool:
            return line(level, value.toBool() ? "<true/>" : "<false/>");
        case QMetaType::LongLong:
            return element(level, "integer", QByteArray::number(value.toLongLong()));
        case QMetaType::ULongLong:
            return element(level, "integer", QByteArray::number(value.toULongLong()));
        case QMetaType::Double:
            return element(level, "real", realText(value.toDouble()));
        case QMetaType::QDateTime:
            return element(level, "date", dateText(value.toDateTime()));
        case QMetaType::QByteArray:
            return writeData(value.toByteArray(), level);
        case QMetaType::QVariantList:
            return writeArray(value.toList(), level);
        default: // a QVariantMap, the one canonical kind left
            return writeDict(value.toMap(), level);
        }
    }

    QByteArray out;
};

} // namespace

QByteArray propertyListXml(const QVariantMap& root) {
    return XmlWriter().document(root);
}

} // namespace Defaults
