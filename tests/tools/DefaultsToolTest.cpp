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

QVariantMap storedIn(const QString& name) {
    QFile file(suitePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return PropertyList::parse(file.readAll()).value_or(QVariantMap());
}

} // namespace

TEST(DefaultsTool, WritesEveryTypeAndReadsItBack) {
    const QString suite = freshSuiteName();
    const std::vector<std::pair<QStringList, QVariant>> cases = {
        {{QStringLiteral("plain words")}, QStringLiteral("plain words")},
        {{QStringLiteral("-string"), QStringLiteral("-int")}, QStringLiteral("-int")},
        {{QStringLiteral("-int"), QStringLiteral("-42")}, qint64(-42)},
        {{QStringLiteral("-int"), QStringLiteral("18446744073709551615")},
         quint64(18446744073709551615ull)},
        {{QStringLiteral("-float"), QStringLiteral("0.5")}, 0.5},
        {{QStringLiteral("-bool"), QStringLiteral("YES")}, true},
        {{QStringLiteral("-date"), QStringLiteral("2026-12-06T18:00:00Z")},
         QDateTime(QDate(2026, 12, 6), QTime(18, 0), Qt::UTC)},
        {{QStringLiteral("-data"), QStringLiteral("00ff")}, QByteArray("\x00\xff", 2)},
        {{QStringLiteral("-array"), QStringLiteral("a"), QStringLiteral("-int"),
          QStringLiteral("1")},
         QVariantList{QStringLiteral("a"), qint64(1)}},
        {{QStringLiteral("-dict"), QStringLiteral("k"), QStringLiteral("-bool"),
          QStringLiteral("no")},
         QVariantMap{{QStringLiteral("k"), false}}},
    };
    for (const auto& [value, expected] : cases) {
        const ToolRun result =
            run(QStringList{QStringLiteral("write"), suite, QStringLiteral("key")} + value);
        ASSERT_EQ(result.status, 0)
            << value.join(QLatin1Char(' ')).toStdString() << result.err.toStdString();
        EXPECT_TRUE(PropertyList::identical(storedIn(suite).value(QStringLiteral("key")), expected))
            << value.join(QLatin1Char(' ')).toStdString();
    }
    run({QStringLiteral("write"), suite, QStringLiteral("name"), QStringLiteral("Gapsel")});
    const ToolRun read = run({QStringLiteral("read"), suite, QStringLiteral("name")});
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.out, QStringLiteral("Gapsel\n"));
    EXPECT_TRUE(
        run({QStringLiteral("read"), suite}).out.contains(QStringLiteral("name = Gapsel;")));
}

TEST(DefaultsTool, BadArgumentsExitWithTwoAndWriteNothing) {
    const QString suite = freshSuiteName();
    const std::vector<QStringList> bad = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("write"), suite},
        {QStringLiteral("write"), suite, QStringLiteral("k")},
        {QStringLiteral("write"), suite, QStringLiteral("k"), QStringLiteral("-int"),
         QStringLiteral("12abc")},
        {QStringLiteral("write"), suite, QStringLiteral("k"), QStringLiteral("-int")},
        {QStringLiteral("write"), suite, QStringLiteral("k"), QStringLiteral("-bool"),
         QStringLiteral("maybe")},
        {QStringLiteral("write"), suite, QStringLiteral("k"), QStringLiteral("-float"),
         QStringLiteral("nan")},
        {QStringLiteral("write"), suite, QStringLiteral("k"), QStringLiteral("-data"),
         QStringLiteral("abc")},
        {QStringLiteral("write"), suite, QStringLiteral("k"), QStringLiteral("-date"),
         QStringLiteral("tomorrow")},
        {QStringLiteral("write"), suite, QStringLiteral("k"), QStringLiteral("-dict"),
         QStringLiteral("lonely")},
        {QStringLiteral("write"), suite, QStringLiteral("k"), QStringLiteral("-colour"),
         QStringLiteral("red")},
        {QStringLiteral("write"), suite, QStringLiteral("k"), QStringLiteral("-int"),
         QStringLiteral("1"), QStringLiteral("extra")},
        {QStringLiteral("write"), QStringLiteral("../escape"), QStringLiteral("k"),
         QStringLiteral("v")},
        {QStringLiteral("read"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
        {QStringLiteral("delete")},
    };
    for (const QStringList& arguments : bad) {
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("see --help")));
    }
    EXPECT_FALSE(QFile::exists(suitePath(suite)));
}

TEST(DefaultsTool, DeletesAKeyOrAWholeSuiteAndSaysWhenNothingIsThere) {
    const QString suite = freshSuiteName();
    run({QStringLiteral("write"), suite, QStringLiteral("a"), QStringLiteral("1")});
    run({QStringLiteral("write"), suite, QStringLiteral("b"), QStringLiteral("2")});
    EXPECT_EQ(run({QStringLiteral("delete"), suite, QStringLiteral("a")}).status, 0);
    EXPECT_EQ(storedIn(suite).keys(), QStringList{QStringLiteral("b")});
    EXPECT_EQ(run({QStringLiteral("delete"), suite, QStringLiteral("a")}).status, 1);
    EXPECT_EQ(run({QStringLiteral("read"), suite, QStringLiteral("a")}).status, 1);
    EXPECT_EQ(run({QStringLiteral("delete"), suite}).status, 0);
    EXPECT_TRUE(storedIn(suite).isEmpty());
    EXPECT_EQ(run({QStringLiteral("read"), freshSuiteName()}).status, 1);
}

TEST(DefaultsTool, TheInstalledCommandExitsWithTheSameStatus) {
    QProcess tool;
    tool.start(QStringLiteral(GAPSEL_DEFAULTS_BINARY), {QStringLiteral("write")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 2);
    EXPECT_TRUE(tool.readAllStandardError().contains("see --help"));
}
