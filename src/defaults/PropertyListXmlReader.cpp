// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/PropertyListDetail.h"

#include <QBuffer>
#include <QTimeZone>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

// Reads the XML form as Apple's tools, Python's plistlib and this program write
// it. QXmlStreamReader does the XML itself (entities, the DOCTYPE, which it
// never fetches, comments); this file checks the property-list structure on
// top and turns element text into values.
namespace Defaults::detail {

namespace {

using ScalarParser = std::optional<QVariant> (*)(const QString& text, QString& problem);

std::optional<QVariant> reject(QString& problem, const QString& message) {
    problem = message;
    return std::nullopt;
}

std::optional<QVariant> parseString(const QString& text, QString& problem) {
    if (const auto textProblem = unstorableTextProblem(text))
        return reject(problem, *textProblem);
    return QVariant(text);
}

QVariant signedOrUnsigned(bool negative, quint64 magnitude) {
    if (negative)
        return QVariant(static_cast<qint64>(0 - magnitude));
    if (magnitude <= static_cast<quint64>(std::numeric_limits<qint64>::max()))
        return QVariant(static_cast<qint64>(magnitude));
    return QVariant(magnitude);
}

// Decimal or 0x-prefixed hexadecimal, with an optional sign. Values that fit a
// qint64 become one; larger non-negative ones a quint64.
std::optional<QVariant> parseInteger(const QString& text, QString& problem) {
    QStringView digits = QStringView(text).trimmed();
    const bool negative = digits.startsWith(u'-');
    if (negative || digits.startsWith(u'+'))
        digits = digits.mid(1);
    int base = 10;
    if (digits.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        digits = digits.mid(2);
    }
    const QByteArray ascii = digits.toLatin1();
    quint64 magnitude = 0;
    const auto [end, status] = std::from_chars(ascii.begin(), ascii.end(), magnitude, base);
    const quint64 negativeLimit = static_cast<quint64>(std::numeric_limits<qint64>::max()) + 1;
    if (ascii.isEmpty() || end != ascii.end() || status != std::errc() ||
        (negative && magnitude > negativeLimit))
        return reject(problem, QStringLiteral("\"%1\" is not an integer from %2 to %3")
                                   .arg(text)
                                   .arg(std::numeric_limits<qint64>::min())
                                   .arg(std::numeric_limits<quint64>::max()));
    return signedOrUnsigned(negative, magnitude);
}

// Decimal reals as C's formatted output or Apple write them, and "nan", "inf", "infinity"
// with either sign in any letter case.
std::optional<QVariant> parseReal(const QString& text, QString& problem) {
    const QByteArray ascii = QStringView(text).trimmed().toLatin1();
    const char* begin = ascii.begin();
    if (ascii.startsWith('+') && !ascii.startsWith("+-"))
        ++begin;
    double value = 0;
    const auto [end, status] = std::from_chars(begin, ascii.end(), value);
    if (begin == ascii.end() || end != ascii.end() || status != std::errc())
        return reject(problem, QStringLiteral("\"%1\" is not a real number").arg(text));
    return QVariant(value);
}

bool isAsciiDigit(QChar character) {
    return character >= u'0' && character <= u'9';
}

// Year, month, day, hour, minute and second of YYYY-MM-DDTHH:MM:SSZ, with or
// without a fraction of a second, which is dropped: dates are kept to whole
// seconds. Read by hand rather than with a regular expression, which would
// cost every start the pattern engine's memory.
std::optional<std::array<int, 6>> dateFields(QStringView text) {
    static constexpr QStringView shape = u"dddd-dd-ddTdd:dd:dd";
    if (text.size() <= shape.size() || !text.endsWith(u'Z'))
        return std::nullopt;
    for (qsizetype index = 0; index < shape.size(); ++index) {
        const bool matches =
            shape[index] == u'd' ? isAsciiDigit(text[index]) : text[index] == shape[index];
        if (!matches)
            return std::nullopt;
    }
    const QStringView fraction = text.sliced(shape.size(), text.size() - shape.size() - 1);
    if (!fraction.isEmpty() && (fraction.size() < 2 || fraction[0] != u'.' ||
                                !std::all_of(fraction.begin() + 1, fraction.end(), isAsciiDigit)))
        return std::nullopt;
    const auto field = [text](qsizetype at, qsizetype length) {
        return text.sliced(at, length).toInt();
    };
    return std::array<int, 6>{field(0, 4),  field(5, 2),  field(8, 2),
                              field(11, 2), field(14, 2), field(17, 2)};
}

std::optional<QVariant> parseDate(const QString& text, QString& problem) {
    const auto fields = dateFields(QStringView(text).trimmed());
    const QDate day = fields ? QDate((*fields)[0], (*fields)[1], (*fields)[2]) : QDate();
    const QTime time = fields ? QTime((*fields)[3], (*fields)[4], (*fields)[5]) : QTime();
    if (!day.isValid() || !time.isValid())
        return reject(problem, QStringLiteral("\"%1\" is not a date of the form "
                                              "YYYY-MM-DDTHH:MM:SSZ")
                                   .arg(text));
    return QVariant(QDateTime(day, time, QTimeZone::utc()));
}

std::optional<QVariant> parseData(const QString& text, QString& problem) {
    QByteArray base64 = text.toLatin1();
    base64.removeIf([](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
    const auto decoded =
        QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    // Padding is required, as Python's plistlib requires it.
    if (!decoded || base64.size() % 4 != 0)
        return reject(problem, QStringLiteral("the content of <data> is not valid Base64"));
    return QVariant(decoded.decoded);
}

std::optional<QVariant> parseTrue(const QString& text, QString& problem) {
    if (!text.trimmed().isEmpty())
        return reject(problem, QStringLiteral("<true/> must be empty"));
    return QVariant(true);
}

std::optional<QVariant> parseFalse(const QString& text, QString& problem) {
    if (!text.trimmed().isEmpty())
        return reject(problem, QStringLiteral("<false/> must be empty"));
    return QVariant(false);
}

ScalarParser scalarParser(QStringView tag) {
    static const std::pair<QLatin1String, ScalarParser> parsers[] = {
        {QLatin1String("string"), parseString}, {QLatin1String("integer"), parseInteger},
        {QLatin1String("real"), parseReal},     {QLatin1String("date"), parseDate},
        {QLatin1String("data"), parseData},     {QLatin1String("true"), parseTrue},
        {QLatin1String("false"), parseFalse},
    };
    for (const auto& [name, parser] : parsers) {
        if (tag == name)
            return parser;
    }
    return nullptr;
}

class XmlReader {
public:
    // Handed a device, the stream reader decodes a few kilobytes at a time;
    // handed the bytes, it would decode all of them at once, into text twice
    // the file's size.
    explicit XmlReader(const QByteArray& bytes) {
        input.setData(bytes);
        input.open(QIODevice::ReadOnly);
        xml.setDevice(&input);
    }

    std::optional<QVariantMap> read(QString& error) {
        auto root = readDocument();
        if (!root)
            error = QStringLiteral("line %1, column %2: %3")
                        .arg(xml.lineNumber())
                        .arg(xml.columnNumber())
                        .arg(xml.errorString());
        return root;
    }

private:
    // Records the first problem only: once the reader has failed, later
    // complaints would be consequences of it.
    std::nullopt_t fail(const QString& message) {
        if (!xml.hasError())
            xml.raiseError(message);
        return std::nullopt;
    }

    QString tag() const { return QStringLiteral("<%1>").arg(xml.name()); }

    // Moves to the next start or end tag (or the document's end), passing over
    // whitespace, comments, processing instructions and the DOCTYPE.
    QXmlStreamReader::TokenType nextTag() {
        for (;;) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            switch (token) {
            case QXmlStreamReader::Characters:
                if (!xml.isWhitespace()) {
                    fail(QStringLiteral("unexpected text \"%1\"").arg(xml.text().trimmed()));
                    return QXmlStreamReader::Invalid;
                }
                break;
            case QXmlStreamReader::EntityReference:
                fail(QStringLiteral("unknown entity &%1;").arg(xml.name()));
                return QXmlStreamReader::Invalid;
            case QXmlStreamReader::StartElement:
            case QXmlStreamReader::EndElement:
            case QXmlStreamReader::EndDocument:
            case QXmlStreamReader::Invalid:
                return token;
            default:
                break;
            }
        }
    }

    // The text of the current element up to its end tag; child elements are
    // an error.
    std::optional<QString> readText() {
        const QString element = tag();
        QString text;
        for (;;) {
            switch (xml.readNext()) {
            case QXmlStreamReader::Characters:
                text += xml.text();
                break;
            case QXmlStreamReader::EndElement:
                return text;
            case QXmlStreamReader::StartElement:
                return fail(QStringLiteral("%1 cannot contain %2").arg(element, tag()));
            case QXmlStreamReader::EntityReference:
                return fail(QStringLiteral("unknown entity &%1;").arg(xml.name()));
            case QXmlStreamReader::Invalid:
                return std::nullopt;
            default:
                break;
            }
        }
    }

    std::optional<QVariantMap> readDocument() {
        if (nextTag() != QXmlStreamReader::StartElement)
            return fail(QStringLiteral("there is no <plist> element"));
        if (xml.name() != u"plist")
            return fail(QStringLiteral("the document element must be <plist>, not %1").arg(tag()));
        if (nextTag() != QXmlStreamReader::StartElement)
            return fail(QStringLiteral("<plist> holds no value"));
        if (xml.name() != u"dict")
            return fail(QStringLiteral("the top value must be a <dict>, not %1").arg(tag()));
        auto root = readDict(1);
        if (!root)
            return std::nullopt;
        if (nextTag() != QXmlStreamReader::EndElement)
            return fail(QStringLiteral("<plist> must hold exactly one value"));
        if (nextTag() != QXmlStreamReader::EndDocument)
            return fail(QStringLiteral("unexpected content after </plist>"));
        return root->toMap();
    }

    std::nullopt_t tooDeep() {
        return fail(QStringLiteral("containers are nested deeper than %1 levels").arg(maxDepth));
    }

    // The current token is the value's start tag; `depth` counts the
    // containers around it, the top <dict> being the first.
    std::optional<QVariant> readValue(int depth) {
        if (xml.name() == u"dict")
            return readDict(depth);
        if (xml.name() == u"array")
            return readArray(depth);
        const ScalarParser parser = scalarParser(xml.name());
        if (!parser)
            return fail(QStringLiteral("%1 is not a property-list element").arg(tag()));
        const auto text = readText();
        if (!text)
            return std::nullopt;
        QString problem;
        auto value = parser(*text, problem);
        if (!value)
            return fail(problem);
        return value;
    }

    std::optional<QVariant> readArray(int depth) {
        if (depth > maxDepth)
            return tooDeep();
        QVariantList list;
        for (;;) {
            const QXmlStreamReader::TokenType token = nextTag();
            if (token == QXmlStreamReader::EndElement)
                return QVariant(list);
            if (token != QXmlStreamReader::StartElement)
                return std::nullopt;
            auto item = readValue(depth + 1);
            if (!item)
                return std::nullopt;
            list.append(*item);
        }
    }

    std::optional<QString> readKey() {
        if (xml.name() != u"key")
            return fail(QStringLiteral("expected <key> in a <dict>, found %1").arg(tag()));
        auto key = readText();
        if (!key)
            return std::nullopt;
        if (const auto problem = unstorableTextProblem(*key))
            return fail(QStringLiteral("key \"%1\": %2").arg(*key, *problem));
        return key;
    }

    // Keys and values alternate; a repeated key keeps its last value.
    std::optional<QVariant> readDict(int depth) {
        if (depth > maxDepth)
            return tooDeep();
        QVariantMap map;
        for (;;) {
            QXmlStreamReader::TokenType token = nextTag();
            if (token == QXmlStreamReader::EndElement)
                return QVariant(map);
            if (token != QXmlStreamReader::StartElement)
                return std::nullopt;
            const auto key = readKey();
            if (!key)
                return std::nullopt;
            token = nextTag();
            if (token != QXmlStreamReader::StartElement)
                return fail(QStringLiteral("key \"%1\" has no value").arg(*key));
            if (xml.name() == u"key")
                return fail(QStringLiteral("key \"%1\" is followed by another key").arg(*key));
            auto value = readValue(depth + 1);
            if (!value)
                return std::nullopt;
            map.insert(*key, *value);
        }
    }

    QBuffer input;
    QXmlStreamReader xml;
};

} // namespace

std::optional<QVariantMap> parseXml(const QByteArray& bytes, QString& error) {
    return XmlReader(bytes).read(error);
}

} // namespace Defaults::detail
