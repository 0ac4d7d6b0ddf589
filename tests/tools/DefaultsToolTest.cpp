// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "tools/defaults/DefaultsTool.h"
#include "defaults/PropertyList.h"
#include "defaults/UserDefaults.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QUuid>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ToolRun {
    int status;
    QString out;
    QString err;
};

ToolRun run(const QStringList& arguments) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = tools::runDefaultsTool(arguments, outStream, errStream);
    return {status, out, err};
}

// Each test works in a suite of its own.
QString freshSuiteName() {
    return QStringLiteral("tool-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString suitePath(const QString& name) {
    return UserDefaults::folder() + QLatin1Char('/') + name + QStringLiteral(".plist");
}

// The words of a command line that quotes nothing.
QStringList words(const char* line) {
    return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
}

QVariantMap storedIn(const QString& name) {
    QFile file(suitePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return PropertyList::parse(file.readAll()).value_or(QVariantMap());
}

} // namespace

TEST(DefaultsTool, WritesEveryTypeAndReadsItBack) {
    const QString suite = freshSuiteName();
    const std::vector<std::pair<const char*, QVariant>> cases = {
        {"plain words", u"plain words"_s},
        {"-string -int", u"-int"_s},
        {"-int -42", qint64(-42)},
        {"-int 18446744073709551615", quint64(18446744073709551615ull)},
        {"-float 0.5", 0.5},
        {"-bool YES", true},
        {"-date 2026-12-06T18:00:00Z", QDateTime(QDate(2026, 12, 6), QTime(18, 0), Qt::UTC)},
        {"-data 00ff", QByteArray("\x00\xff", 2)},
        {"-array a -int 1", QVariantList{u"a"_s, qint64(1)}},
        {"-dict k -bool no", QVariantMap{{u"k"_s, false}}},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        // A value without a type option is one argument, spaces and all.
        const QStringList typed =
            value[0] == '-' ? words(value) : QStringList{QString::fromUtf8(value)};
        const ToolRun result = run(QStringList{u"write"_s, suite, u"key"_s} + typed);
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        EXPECT_TRUE(PropertyList::identical(storedIn(suite).value(u"key"_s), expected));
    }
    run({u"write"_s, suite, u"name"_s, u"Gapsel"_s});
    const ToolRun read = run({u"read"_s, suite, u"name"_s});
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.out, u"Gapsel\n"_s);
    EXPECT_TRUE(run({u"read"_s, suite}).out.contains(u"name = Gapsel;"_s));
}

TEST(DefaultsTool, BadArgumentsExitWithTwoAndWriteNothing) {
    const QString suite = freshSuiteName();
    for (const char* arguments :
         {"", "frobnicate", "write SUITE", "write SUITE k", "write SUITE k -int 12abc",
          "write SUITE k -int", "write SUITE k -bool maybe", "write SUITE k -float nan",
          "write SUITE k -data abc", "write SUITE k -date tomorrow", "write SUITE k -dict lonely",
          "write SUITE k -colour red", "write SUITE k -int 1 extra", "write ../escape k v",
          "read a b c", "delete"}) {
        SCOPED_TRACE(arguments);
        const ToolRun result = run(words(arguments).replaceInStrings(u"SUITE"_s, suite));
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.err.contains(u"see --help"_s));
    }
    EXPECT_FALSE(QFile::exists(suitePath(suite)));
}

TEST(DefaultsTool, DeletesAKeyOrAWholeSuiteAndSaysWhenNothingIsThere) {
    const QString suite = freshSuiteName();
    run({u"write"_s, suite, u"a"_s, u"1"_s});
    run({u"write"_s, suite, u"b"_s, u"2"_s});
    EXPECT_EQ(run({u"delete"_s, suite, u"a"_s}).status, 0);
    EXPECT_EQ(storedIn(suite).keys(), QStringList{u"b"_s});
    EXPECT_EQ(run({u"delete"_s, suite, u"a"_s}).status, 1);
    EXPECT_EQ(run({u"read"_s, suite, u"a"_s}).status, 1);
    EXPECT_EQ(run({u"delete"_s, suite}).status, 0);
    EXPECT_TRUE(storedIn(suite).isEmpty());
    EXPECT_EQ(run({u"read"_s, freshSuiteName()}).status, 1);
}

TEST(DefaultsTool, TheInstalledCommandExitsWithTheSameStatus) {
    QProcess tool;
    tool.start(QStringLiteral(GAPSEL_DEFAULTS_BINARY), {QStringLiteral("write")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 2);
    EXPECT_TRUE(tool.readAllStandardError().contains("see --help"));
}
