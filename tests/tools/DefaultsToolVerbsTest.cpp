// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/UserDefaults.h"
#include "tools/defaults/DefaultsTool.h"

#include <QBuffer>
#include <QFile>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int status;
    QString out;
    QString err;
};

ToolRun run(const QString& command, QByteArray input = {}) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    QBuffer in(&input);
    in.open(QIODevice::ReadOnly);
    const int status =
        tools::runDefaultsTool(command.split(QLatin1Char(' ')), outStream, errStream, &in);
    return {status, out, err};
}

QString freshDomain() {
    return QStringLiteral("verbs-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

const QString gapsel = QStringLiteral(GAPSEL_BUNDLE_ID);
const QString separator =
    QStringLiteral("{\"id\":\"5B7F6E0A-2D1C-4E7B-9C39-0E8F6A1B2C3D\",\"character\":\"|\"}");

} // namespace

TEST(DefaultsToolVerbs, DomainsTypesArraysExportImportAndDelete) {
    const QString a = freshDomain(), b = freshDomain();
    const QString file = UserDefaults::folder() + QLatin1Char('/') + a + QStringLiteral(".xml");
    const struct {
        QString command;
        int status;
        QString out;
    } steps[] = {
        {QStringLiteral("write %1 list -array x").arg(a), 0, {}},
        {QStringLiteral("write %1 list -array-add -int 2 y").arg(a), 0, {}},
        {QStringLiteral("read-type %1 list").arg(a), 0, QStringLiteral("Type is array\n")},
        {QStringLiteral("write %1 flag -bool yes").arg(a), 0, {}},
        {QStringLiteral("read-type %1 flag").arg(a), 0, QStringLiteral("Type is boolean\n")},
        {QStringLiteral("write %1 flag -array-add z").arg(a), 1, {}},
        {QStringLiteral("write %1 fresh -array-add z").arg(a), 0, {}},
        {QStringLiteral("export %1 %2").arg(a, file), 0, {}},
        {QStringLiteral("import %1 %2").arg(b, file), 0, {}},
        {QStringLiteral("read %1 list").arg(b), 0, QStringLiteral("(\n    x,\n    2,\n    y\n)\n")},
        {QStringLiteral("delete %1").arg(a), 0, {}},
        {QStringLiteral("export %1 -").arg(a), 1, {}},
        {QStringLiteral("read-type %1 nothing").arg(b), 1, {}},
        {QStringLiteral("import %1 -").arg(b), 1, {}}, // standard input is empty
        {QStringLiteral("--version"), 0, QStringLiteral("gapsel-defaults " GAPSEL_VERSION "\n")},
    };
    for (const auto& step : steps) {
        const ToolRun result = run(step.command);
        EXPECT_EQ(result.status, step.status) << step.command.toStdString();
        if (!step.out.isNull()) {
            EXPECT_EQ(result.out, step.out) << step.command.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(UserDefaults::suite(a)->filePath()));
    EXPECT_TRUE(run(QStringLiteral("domains")).out.contains(b));
    EXPECT_FALSE(run(QStringLiteral("domains")).out.contains(a));
    // Standard output and input carry the same XML.
    const ToolRun exported = run(QStringLiteral("export %1 -").arg(b));
    EXPECT_TRUE(exported.out.startsWith(QStringLiteral("<?xml")));
    EXPECT_EQ(run(QStringLiteral("import %1 -").arg(a), exported.out.toUtf8()).status, 0);
    EXPECT_EQ(run(QStringLiteral("read %1 flag").arg(a)).out, QStringLiteral("1\n"));
}

TEST(DefaultsToolVerbs, MistakesAreOneLineThatPointsToHelp) {
    for (const QString& command :
         {QStringLiteral("frobnicate"), QStringLiteral("read-type x"),
          QStringLiteral("write x k -int"), QStringLiteral("write x k -array-add"),
          QStringLiteral("export x")}) {
        const ToolRun result = run(command);
        EXPECT_EQ(result.status, 2) << command.toStdString();
        EXPECT_TRUE(result.err.endsWith(QStringLiteral("; see --help\n")))
            << result.err.toStdString();
        EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
    }
}

TEST(DefaultsToolVerbs, WarnsWhenGapselWouldNotReadWhatIsWritten) {
    const struct {
        QString arguments;
        QString warning; // empty: none
    } cases[] = {
        {QStringLiteral("reducedOpacity -bool true"), {}},
        {QStringLiteral("reducedOpacity true"), {}}, // read as JSON text
        {QStringLiteral("reducedOpacity maybe"), QStringLiteral("use its default")},
        {QStringLiteral("JX_launchCount -float 1.5"), QStringLiteral("an integer")},
        {QStringLiteral("separators -array %1 -int 7 %1").arg(separator),
         QStringLiteral("skip item 2\n")},
        {QStringLiteral("separators -array-add {}"), QStringLiteral("skip item 2, 4\n")},
        {QStringLiteral("separatorPlacements -dict A {\"id\":\"x\",\"title\":\"t\"} B 1"),
         QStringLiteral("skip entry B\n")},
        {QStringLiteral("unknownKey -int 1"), {}},
    };
    for (const auto& row : cases) {
        const ToolRun result = run(QStringLiteral("write %1 %2").arg(gapsel, row.arguments));
        EXPECT_EQ(result.status, 0) << row.arguments.toStdString();
        EXPECT_EQ(result.err.contains(QStringLiteral("warning")), !row.warning.isEmpty())
            << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(row.warning)) << result.err.toStdString();
    }
    EXPECT_EQ(run(QStringLiteral("write %1 reducedOpacity maybe").arg(freshDomain())).err,
              QString());
}
