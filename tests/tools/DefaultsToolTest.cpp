// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "tools/defaults/DefaultsTool.h"
#include "defaults/PropertyList.h"
#include "defaults/UserDefaults.h"
#include "support/TestEnvironment.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimeZone>
#include <QUuid>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

struct ToolRun {
    int status;
    QString out;
    QString err;
};

ToolRun run(const QStringList& arguments, QByteArray input = {}) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    QBuffer in(&input);
    in.open(QIODevice::ReadOnly);
    const int status = tools::runDefaultsTool(arguments, outStream, errStream, &in);
    return {status, out, err};
}

// Runs a command line that quotes nothing.
ToolRun run(const QString& line, const QByteArray& input = {}) {
    return run(line.split(u' ', Qt::SkipEmptyParts), input);
}

QString freshSuiteName() {
    return u"tool-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString suitePath(const QString& name) {
    return UserDefaults::folder() + u'/' + name + u".plist"_s;
}

QVariantMap storedIn(const QString& name) {
    return UserDefaults::open(name, suitePath(name))->persistentDomain();
}

} // namespace

TEST(DefaultsTool, WritesEveryTypeAndReadsItBack) {
    const QString suite = freshSuiteName();
    const std::vector<std::pair<QString, QVariant>> cases = {
        {u"-string -int"_s, u"-int"_s},
        {u"-int -42"_s, qint64(-42)},
        {u"-int 18446744073709551615"_s, quint64(18446744073709551615ull)},
        {u"-float 0.5"_s, 0.5},
        {u"-bool YES"_s, true},
        {u"-date 2026-12-06T18:00:00Z"_s,
         QDateTime(QDate(2026, 12, 6), QTime(18, 0), QTimeZone::utc())},
        {u"-data 00ff"_s, QByteArray("\x00\xff", 2)},
        {u"-data "_s + u"0f"_s.repeated(30000), QByteArray(30000, '\x0f')},
        {u"-array a -int 1"_s, QVariantList{u"a"_s, qint64(1)}},
        {u"-dict k -bool no"_s, QVariantMap{{u"k"_s, false}}},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value.toStdString());
        const ToolRun result = run(u"write %1 key %2"_s.arg(suite, value));
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        EXPECT_TRUE(Defaults::identicalValues(storedIn(suite).value(u"key"_s), expected));
    }
    // A value without a type option is one argument, spaces and all.
    ASSERT_EQ(run({u"write"_s, suite, u"name"_s, u"plain words"_s}).status, 0);
    EXPECT_EQ(run(u"read %1 name"_s.arg(suite)).out, u"plain words\n"_s);
    EXPECT_TRUE(run(u"read %1"_s.arg(suite)).out.contains(u"name = \"plain words\";"_s));
}

TEST(DefaultsTool, MistakesExitWithTwoInOneLineThatPointsToHelpAndWriteNothing) {
    const QString suite = freshSuiteName();
    for (const char* arguments :
         {"", "frobnicate", "delete", "read a b c", "read-type SUITE", "export SUITE",
          "write SUITE", "write SUITE k", "write SUITE k -int 12abc", "write SUITE k -int",
          "write SUITE k -bool maybe", "write SUITE k -float nan", "write SUITE k -data abc",
          "write SUITE k -date tomorrow", "write SUITE k -dict lonely", "write SUITE k -colour red",
          "write SUITE k -int 1 extra", "write SUITE k -array-add", "write ../escape k v"}) {
        SCOPED_TRACE(arguments);
        const ToolRun result = run(QString::fromUtf8(arguments).replace(u"SUITE"_s, suite));
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.err.endsWith(u"; see --help\n"_s)) << result.err.toStdString();
        EXPECT_EQ(result.err.count(u'\n'), 1) << result.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(suitePath(suite)));
}

TEST(DefaultsTool, DomainsTypesArraysExportImportAndDelete) {
    const QString a = freshSuiteName(), b = freshSuiteName();
    const QString file = UserDefaults::folder() + u'/' + a + u".xml"_s;
    const std::tuple<QString, int, QString> steps[] = {
        {u"write {a} list -array x"_s, 0, {}},
        {u"write {a} list -array-add -int 2 y"_s, 0, {}},
        {u"read-type {a} list"_s, 0, u"Type is array\n"_s},
        {u"write {a} flag -bool yes"_s, 0, {}},
        {u"read-type {a} flag"_s, 0, u"Type is boolean\n"_s},
        {u"write {a} flag -array-add z"_s, 1, {}},
        {u"write {a} fresh -array-add z"_s, 0, {}},
        {u"export {a} {file}"_s, 0, {}},
        {u"import {b} {file}"_s, 0, {}},
        {u"read {b} list"_s, 0, u"(\n    x,\n    2,\n    y\n)\n"_s},
        {u"delete {b} fresh"_s, 0, {}},
        {u"delete {b} fresh"_s, 1, {}},
        {u"read {b} fresh"_s, 1, {}},
        {u"delete {a}"_s, 0, {}},
        {u"export {a} -"_s, 1, {}},
        {u"read {a}"_s, 1, {}},
        {u"read-type {b} nothing"_s, 1, {}},
        {u"import {b} -"_s, 1, {}}, // standard input is empty
        {u"--version"_s, 0, u"gapsel-defaults " GAPSEL_VERSION "\n"_s},
    };
    for (const auto& [line, status, out] : steps) {
        const QString command =
            QString(line).replace(u"{a}"_s, a).replace(u"{b}"_s, b).replace(u"{file}"_s, file);
        SCOPED_TRACE(command.toStdString());
        const ToolRun result = run(command);
        EXPECT_EQ(result.status, status);
        EXPECT_EQ(result.out, out);
    }
    EXPECT_EQ(storedIn(b).keys(), (QStringList{u"flag"_s, u"list"_s}));
    EXPECT_TRUE(run(u"domains"_s).out.contains(b));
    EXPECT_FALSE(run(u"domains"_s).out.contains(a));
    // Standard output and input carry the same XML.
    const ToolRun exported = run(u"export %1 -"_s.arg(b));
    EXPECT_TRUE(exported.out.startsWith(u"<?xml"_s));
    EXPECT_EQ(run(u"import %1 -"_s.arg(a), exported.out.toUtf8()).status, 0);
    EXPECT_EQ(run(u"read %1 flag"_s.arg(a)).out, u"1\n"_s);
}

TEST(DefaultsTool, WarnsWhenGapselWouldNotReadWhatIsWritten) {
    const QString separator = uR"({"id":"5B7F6E0A-2D1C-4E7B-9C39-0E8F6A1B2C3D","character":"|"})"_s;
    const struct {
        QString arguments;
        QString warning; // empty: none
    } cases[] = {
        {u"reducedOpacity true"_s, {}}, // read as JSON text
        {u"reducedOpacity maybe"_s, u"use its default"_s},
        {u"JX_launchCount -float 1.5"_s, u"an integer"_s},
        {u"JX_launchCount -int 9223372036854775807"_s, u"count no further"_s},
        {u"JX_launchCount 9223372036854775807"_s, u"count no further"_s},
        {u"separators -array %1 -int 7 %1"_s.arg(separator), u"skip item 2\n"_s},
        {u"separators -array-add {}"_s, u"skip item 2, 4\n"_s},
        {uR"(separatorPlacements -dict A {"id":"x","title":"t"} B 1)"_s, u"skip entry B\n"_s},
        {u"unknownKey -int 1"_s, {}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.arguments.toStdString());
        const ToolRun result = run(u"write " GAPSEL_BUNDLE_ID " "_s + row.arguments);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err.contains(u"warning"_s), !row.warning.isEmpty())
            << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(row.warning)) << result.err.toStdString();
    }
    EXPECT_EQ(run(u"write %1 reducedOpacity maybe"_s.arg(freshSuiteName())).err, QString());
}

// Reading tells what is wrong with a file and never moves or changes it.
// Import, like Gapsel, takes nothing but a regular file: a pipe with no
// writer would block it for good. The installed command exits with the
// tool's status.
TEST(DefaultsTool, ReadsChangeNoFileAndImportTakesOnlyRegularFiles) {
    const QString suite = freshSuiteName();
    const QByteArray garbage("<plist><dict><key>");
    ASSERT_TRUE(testing_support::writeFile(suitePath(suite), garbage));
    for (const QString& line :
         {u"read {s}"_s, u"read {s} k"_s, u"read-type {s} k"_s, u"export {s} -"_s, u"read"_s}) {
        SCOPED_TRACE(line.toStdString());
        const ToolRun result = run(QString(line).replace(u"{s}"_s, suite));
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.err.contains(u"Domain %1 is corrupt: %2"_s.arg(suite, suitePath(suite))))
            << result.err.toStdString();
    }
    EXPECT_EQ(QDir(UserDefaults::folder()).entryList({suite + u"*"_s}),
              QStringList{suite + u".plist"_s});
    QFile file(suitePath(suite));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);

    const QString fifo = UserDefaults::folder() + u'/' + suite + u".fifo"_s;
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QProcess tool;
    tool.start(QStringLiteral(GAPSEL_DEFAULTS_BINARY), {u"import"_s, freshSuiteName(), fifo});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_TRUE(tool.readAllStandardError().contains("not a regular file"));
}
