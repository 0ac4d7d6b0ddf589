// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/PropertyList.h"
#include "DefaultsTestSupport.h"

#include <QPoint>
#include <QProcess>
#include <QStandardPaths>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

using Defaults::identicalValues;
using namespace samples;

std::string describe(const QVariant& value) {
    return (QString::fromLatin1(value.typeName()) + u' ' + value.toString()).toStdString();
}

QByteArray wrapped(const QByteArray& body) {
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n") +
           body + "\n</plist>\n";
}

QByteArray nestedXml(int arrays) {
    return wrapped("<dict><key>k</key>" + QByteArray("<array>").repeated(arrays) +
                   QByteArray("</array>").repeated(arrays) + "</dict>");
}

// A tiny binary property-list builder: object 0 is the top object, references
// are 4 bytes wide and offsets 8.
QByteArray bigEndian(quint64 value, int width) {
    QByteArray bytes;
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
        bytes.append(static_cast<char>((value >> shift) & 0xFF));
    return bytes;
}

QByteArray container(char kind, const std::vector<quint64>& references) {
    QByteArray object(1, static_cast<char>(kind | 0x0F));
    object += '\x13' + bigEndian(references.size() / (kind == '\xD0' ? 2 : 1), 8);
    for (const quint64 reference : references)
        object += bigEndian(reference, 4);
    return object;
}

QByteArray binaryPlist(const std::vector<QByteArray>& objects) {
    QByteArray file("bplist00");
    QByteArray offsets;
    for (const QByteArray& object : objects) {
        offsets += bigEndian(file.size(), 8);
        file += object;
    }
    const quint64 table = file.size();
    return file + offsets + QByteArray(6, '\0') + '\x08' + '\x04' + bigEndian(objects.size(), 8) +
           bigEndian(0, 8) + bigEndian(table, 8);
}

QByteArray ascii(const char* string) {
    return static_cast<char>(0x50 | qstrlen(string)) + QByteArray(string);
}

// {"k": [[...[]...]]} with the given number of arrays.
QByteArray nestedBinary(int arrays) {
    std::vector<QByteArray> objects{container('\xD0', {1, 2}), ascii("k")};
    for (int i = 0; i < arrays; ++i) {
        const quint64 self = objects.size();
        objects.push_back(container('\xA0', i + 1 < arrays ? std::vector<quint64>{self + 1}
                                                           : std::vector<quint64>{}));
    }
    return binaryPlist(objects);
}

TEST(PropertyListXml, LaysOutTheFileLikeCoreFoundationAndReadsWhatOtherWritersProduce) {
    const QVariantMap root{{text("b"), QVariantList{QVariantList(), QVariantMap(), -0.0, true}},
                           {text("a"), QByteArray(60, '\0')},
                           {text("c\r"), QVariantMap{{text("n"), notANumber}}},
                           {text("left out: not canonical"), QPoint()}};
    EXPECT_EQ(Defaults::propertyListXml(root).toStdString(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
              "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
              "<plist version=\"1.0\">\n"
              "<dict>\n"
              "\t<key>a</key>\n"
              "\t<data>\n"
              "\tAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\n"
              "\tAAAA\n"
              "\t</data>\n"
              "\t<key>b</key>\n"
              "\t<array>\n"
              "\t\t<array/>\n"
              "\t\t<dict/>\n"
              "\t\t<real>-0</real>\n"
              "\t\t<true/>\n"
              "\t</array>\n"
              "\t<key>c&#13;</key>\n"
              "\t<dict>\n"
              "\t\t<key>n</key>\n"
              "\t\t<real>nan</real>\n"
              "\t</dict>\n"
              "</dict>\n"
              "</plist>\n");
    EXPECT_TRUE(
        Defaults::propertyListXml({}).contains("<plist version=\"1.0\">\n<dict/>\n</plist>\n"));

    // It reads the variants other writers produce.
    const std::vector<std::pair<const char*, QVariant>> cases{
        {"<real>0.10000000000000001</real>", 0.1},
        {"<real>+infinity</real>", infinity},
        {"<real> -INF </real>", -infinity},
        {"<real>1E3</real>", 1000.0},
        {"<integer> -0XfF </integer>", qint64(-255)},
        {"<integer>+7</integer>", qint64(7)},
        {"<integer>-9223372036854775808</integer>", int64Min},
        {"<integer>0xFFFFFFFFFFFFFFFF</integer>", uint64Max},
        {"<date>2020-05-06T07:08:09.999Z</date>", date("2020-05-06T07:08:09Z")},
        {"<data>AP\n8 =</data>", QByteArray("\0\xff", 2)},
        {"<string/>", QString()},
        {"<string><![CDATA[<x>]]>&#x1F600;&amp;</string>", text("<x>😀&")},
        {"<array> <!-- note --> <true></true> <?pi x?> </array>", QVariantList{true}},
        {"<integer>1</integer><key>v</key><false/>", false}, // the last of a repeated key
    };
    for (const auto& [element, expected] : cases) {
        SCOPED_TRACE(element);
        QString error;
        const auto read = Defaults::parsePropertyList(
            wrapped("<dict><key>v</key>" + QByteArray(element) + "</dict>"), &error);
        ASSERT_TRUE(read.has_value()) << error.toStdString();
        EXPECT_TRUE(identicalValues(read->value(text("v")), expected))
            << describe(read->value(text("v")));
    }
}

TEST(PropertyList, RefusesMalformedDamagedOrHostileInputAndSaysWhy) {
    std::vector<QByteArray> sharedTwice{container('\xD0', {1, 2}), ascii("k")};
    for (quint64 i = 2; i < 60; ++i)
        sharedTwice.push_back(container('\xA0', {i + 1, i + 1}));
    sharedTwice.push_back(container('\xA0', {}));
    const QByteArray valid = binaryPlist({container('\xD0', {}), ascii("k")});
    const std::vector<std::pair<QByteArray, const char*>> cases{
        {"", "line"},
        {"<plist><dict><key>a</key><string>b", "line"},
        {"<dict/>", "must be <plist>"},
        {wrapped("<array/>"), "must be a <dict>"},
        {wrapped(""), "holds no value"},
        {wrapped("<dict/><dict/>"), "exactly one value"},
        {wrapped("<dict><key>a</key></dict>"), "key \"a\" has no value"},
        {wrapped("<dict><key>a</key><key>b</key><true/></dict>"), "followed by another key"},
        {wrapped("<dict><string>x</string></dict>"), "expected <key>"},
        {wrapped("<dict><key>a</key><color>red</color></dict>"), "<color> is not"},
        {wrapped("<dict><key>a</key><data>AP8</data></dict>"), "Base64"},
        {wrapped("<dict><key>a</key><data>A*8=</data></dict>"), "Base64"},
        {wrapped("<dict><key>a</key><integer>18446744073709551616</integer></dict>"), "integer"},
        {wrapped("<dict><key>a</key><integer>-9223372036854775809</integer></dict>"), "integer"},
        {wrapped("<dict><key>a</key><integer>1.5</integer></dict>"), "integer"},
        {wrapped("<dict><key>a</key><real>1,5</real></dict>"), "real"},
        {wrapped("<dict><key>a</key><date>2021-02-30T00:00:00Z</date></dict>"), "date"},
        {wrapped("<dict><key>a</key><date>2021-02-03 00:00:00</date></dict>"), "date"},
        {wrapped("<dict><key>a</key><true>yes</true></dict>"), "empty"},
        {wrapped("<dict><key>a</key><string>x<b/></string></dict>"), "cannot contain"},
        {wrapped("<dict><key>a</key><array>loose</array></dict>"), "unexpected text"},
        {wrapped("<dict><key>a</key><string>&bogus;</string></dict>"), "line"},
        {wrapped("<dict><key>a</key><string>&#xFFFE;</string></dict>"), "line"},
        {wrapped("<dict/>") + "<dict/>", "line"},
        {valid.left(valid.size() - 5), "trailer"},
        {"bplist00", "too short"},
        {QByteArray(valid).replace(0, 8, "bplist01"), "version"},
        {binaryPlist({container('\xA0', {})}), "not a dictionary"},
        {binaryPlist({container('\xD0', {1, 0}), ascii("k")}), "contains itself"},
        {binaryPlist({container('\xD0', {1, 7}), ascii("k")}), "damaged"},
        {binaryPlist(sharedTwice), "unfolds"},
        // libplist 2.2 would abort the process on this key.
        {binaryPlist({container('\xD0', {1, 1}), QByteArray("\x52k\0", 3)}), "damaged"},
    };
    for (const auto& [input, expected] : cases) {
        const bool binary = input.startsWith("bplist");
        SCOPED_TRACE(binary ? expected : input.toStdString());
        QString error;
        EXPECT_FALSE(Defaults::parsePropertyList(input, &error).has_value());
        EXPECT_TRUE(binary || error.startsWith(text("line "))) << error.toStdString();
        EXPECT_TRUE(error.contains(text(expected))) << error.toStdString();
    }
}

TEST(PropertyListNesting, BothFormatsAcceptFiveHundredTwelveLevelsAndNoMore) {
    for (const auto& make : {nestedXml, nestedBinary}) {
        EXPECT_TRUE(Defaults::parsePropertyList(make(511)).has_value());
        QString error;
        EXPECT_FALSE(Defaults::parsePropertyList(make(512), &error).has_value());
        EXPECT_TRUE(error.contains(text("deeper than 512"))) << error.toStdString();
        EXPECT_FALSE(Defaults::parsePropertyList(make(100000)).has_value());
    }
    QVariant deep = QVariantList();
    for (int i = 0; i < 510; ++i) // inside the top dictionary: 512 levels in all
        deep = QVariantList{deep};
    EXPECT_TRUE(Defaults::propertyListValue(deep).has_value());
    EXPECT_FALSE(Defaults::propertyListValue(QVariantList{deep}).has_value());
}

// {"a": [0, ..., 999], "k": 1, "k": 2, "u": 2^64 - 1}: order kept, the last
// of a repeated key wins (as in XML), and, apart from the other kinds, a
// 16-byte integer is unsigned (in a file that also held negative ones, a
// large one would be taken as negative).
TEST(PropertyListBinary, ReadsLongContainersInOrderAndSixteenByteIntegersAsUnsigned) {
    std::vector<quint64> elements;
    std::vector<QByteArray> objects{container('\xD0', {1, 3, 3, 6, 2, 4, 5, 7}),
                                    ascii("a"),
                                    {},
                                    ascii("k"),
                                    '\x10' + bigEndian(1, 1),
                                    '\x10' + bigEndian(2, 1),
                                    ascii("u"),
                                    '\x14' + bigEndian(0, 8) + bigEndian(uint64Max, 8)};
    QVariantList expected;
    for (quint64 i = 0; i < 1000; ++i) {
        elements.push_back(objects.size());
        objects.push_back('\x11' + bigEndian(i, 2));
        expected.append(qint64(i));
    }
    objects[2] = container('\xA0', elements);
    const auto read = Defaults::parsePropertyList(binaryPlist(objects));
    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(identicalValues(
        *read, QVariantMap{{text("a"), expected}, {text("k"), qint64(2)}, {text("u"), uint64Max}}));
}

// Python's plistlib reads the values and types we write, and we read the
// binary file it writes.
TEST(PropertyList, PythonPlistlibAndWeReadEachOthersFiles) {
    const QString python = QStandardPaths::findExecutable(text("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not available";
    QProcess process;
    process.start(python, {text("-c"), text(R"(import plistlib, sys, datetime
d = plistlib.loads(sys.stdin.buffer.read())
for k in sorted(d):
    v = d[k]
    print(k, type(v).__name__, v.isoformat() if hasattr(v, 'isoformat') else repr(v))
d = {'neg': -2**63, 'text': 'Grüße 😀', 'real': -0.5, 'data': b'\0\1',
     'when': datetime.datetime(1999, 12, 31, 23, 59, 59, 500000),
     'later': datetime.datetime(2030, 1, 2, 3, 4, 5, 250000),
     'uid': plistlib.UID(3), 'nest': {'a': [1, 'b', False, True], 'e': {}}}
print(plistlib.dumps(d, fmt=plistlib.FMT_BINARY).hex(), end=''))")});
    process.write(Defaults::propertyListXml({{text("big"), uint64Max},
                                             {text("min"), int64Min},
                                             {text("real"), 0.1},
                                             {text("inf"), -infinity},
                                             {text("text"), text("a<&>\r\n😀")},
                                             {text("date"), date("1850-03-04T05:06:07Z")}}));
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished());
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QByteArray output = process.readAllStandardOutput();
    const qsizetype lastLine = output.lastIndexOf('\n') + 1;
    EXPECT_EQ(output.left(lastLine).toStdString(), "big int 18446744073709551615\n"
                                                   "date datetime 1850-03-04T05:06:07\n"
                                                   "inf float -inf\n"
                                                   "min int -9223372036854775808\n"
                                                   "real float 0.1\n"
                                                   "text str 'a<&>\\r\\n😀'\n");
    QString error;
    const auto read =
        Defaults::parsePropertyList(QByteArray::fromHex(output.mid(lastLine)), &error);
    ASSERT_TRUE(read.has_value()) << error.toStdString();
    const QVariantMap expected{
        {text("neg"), int64Min},
        {text("text"), text("Grüße 😀")},
        {text("real"), -0.5},
        {text("data"), QByteArray("\0\1", 2)},
        {text("when"), date("1999-12-31T23:59:59Z")},
        {text("later"), date("2030-01-02T03:04:05Z")},
        {text("nest"), QVariantMap{{text("a"), QVariantList{qint64(1), text("b"), false, true}},
                                   {text("e"), QVariantMap()}}}};
    EXPECT_TRUE(identicalValues(*read, expected));
}

TEST(PropertyListNormalized, BringsValuesIntoCanonicalFormOrRefusesThemAndSaysWhy) {
    QVariantHash hash{{text("b"), 1}, {text("a"), 2u}};
    const std::vector<std::pair<QVariant, QVariant>> cases{
        {int(-3), qint64(-3)},
        {static_cast<signed char>(-5), qint64(-5)},
        {uint(7), qint64(7)},
        {quint64(int64Max), int64Max},
        {uint64Max, uint64Max},
        {1.5f, 1.5},
        {notANumber, notANumber},
        {QStringList{text("x"), text("y")}, QVariantList{text("x"), text("y")}},
        {hash, QVariantMap{{text("a"), qint64(2)}, {text("b"), qint64(1)}}},
        {QVariant::fromValue(QList<int>{1, 2}), QVariantList{qint64(1), qint64(2)}},
        {QVariant::fromValue(QMap<QString, float>{{text("f"), 0.5f}}),
         QVariantMap{{text("f"), 0.5}}},
        {QDateTime::fromString(text("2020-01-02T03:04:05.678+02:00"), Qt::ISODateWithMs),
         date("2020-01-02T01:04:05Z")},
        {QDateTime::fromMSecsSinceEpoch(-1500, QTimeZone::utc()), date("1969-12-31T23:59:58Z")},
    };
    for (const auto& [input, expected] : cases) {
        SCOPED_TRACE(describe(input));
        QString error;
        const auto result = Defaults::propertyListValue(input, &error);
        ASSERT_TRUE(result.has_value()) << error.toStdString();
        EXPECT_TRUE(identicalValues(*result, expected)) << describe(*result);
    }

    // It refuses what a file cannot hold, and says why.
    const std::vector<std::pair<QVariant, const char*>> refused{
        {QVariant(), "empty (invalid) value"},
        {QPoint(1, 2), "type QPoint"},
        {QVariantList{qint64(1), QVariant()}, "empty (invalid) value"},
        {text("a\x01"), "U+0001"},
        {QString(QChar(0xFFFE)), "U+FFFE"},
        {QString(QChar(0xD800)) + text("x"), "unpaired surrogate U+D800"},
        {QString(QChar(0xDC00)), "unpaired surrogate U+DC00"},
        {QVariantMap{{text("bad\x0b"), 1}}, "dictionary key: text contains U+000B"},
        {QVariant::fromValue(QMap<int, QString>{{1, text("x")}}), "key must be a string"},
        {QDateTime(), "invalid date"},
        {QDateTime(QDate(10000, 1, 1), QTime(0, 0), QTimeZone::utc()), "years 1 to 9999"},
    };
    for (const auto& [input, expected] : refused) {
        SCOPED_TRACE(expected);
        QString error;
        EXPECT_FALSE(Defaults::propertyListValue(input, &error).has_value());
        EXPECT_TRUE(error.contains(text(expected))) << error.toStdString();
    }
}

TEST(PropertyListIdentical, IsStrictAboutTypesAndExactAboutReals) {
    const std::vector<std::tuple<QVariant, QVariant, bool>> cases{
        {true, qint64(1), false},
        {qint64(5), 5.0, false},
        {qint64(5), quint64(5), false},
        {notANumber, notANumber, true},
        {0.0, -0.0, false},
        {text(""), QString(), true},
        {QVariantList{qint64(1), qint64(2)}, QVariantList{qint64(2), qint64(1)}, false},
        {QVariantMap{{text("a"), QVariantList{1.0}}}, QVariantMap{{text("a"), QVariantList{1.0}}},
         true},
        {QVariantMap{{text("a"), 1.0}}, QVariantMap{{text("b"), 1.0}}, false},
        {date("2001-01-01T00:00:00Z"), QDateTime::fromSecsSinceEpoch(978307200, QTimeZone::utc()),
         true},
        {QVariant(), QVariant(), true}, // "no value" twice: a deletion is no change
        {QVariant(), qint64(0), false},
    };
    for (const auto& [a, b, expected] : cases) {
        SCOPED_TRACE(describe(a) + " vs " + describe(b));
        EXPECT_EQ(identicalValues(a, b), expected);
        EXPECT_EQ(identicalValues(b, a), expected);
    }
}

} // namespace
