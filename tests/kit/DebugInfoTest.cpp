// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "KitTestSupport.h"
#include "debug/InMemoryLog.h"
#include "kit/DebugReport.h"
#include "kit/Email.h"
#include "kit/EmailAddress.h"
#include "kit/ErrorLog.h"
#include "kit/Feedback.h"
#include "kit/Mailto.h"
#include "kit/OpenUrl.h"
#include "kit/QuantityText.h"
#include "kit/QueryEncoding.h"
#include "kit/SupportActions.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QUrlQuery>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

kit::DebugReport sampleReport() {
    kit::DebugReport report;
    report.appName = u"Gapsel"_s;
    report.versionWithBuild = u"1.0.0 (1)"_s;
    report.bundleIdentifier = u"com.gapsel.Gapsel"_s;
    report.launchCount = 3;
    report.runningSeconds = 3723;
    report.device = platform::sim::SimDeviceFacts().description;
    report.device.residentBytes.reset();
    report.device.systemBuild.reset();
    report.device.desktopName = u"XFCE"_s;
    report.device.sessionType = u"x11"_s;
    report.device.windowSystem = u"xcb"_s;
    report.trayHosts = u"XFCE panel-1-systray"_s;
    return report;
}

const QString device = QStringLiteral(
    "OS: macOS 13.3.1 (<Unknown build>)\nModel: Mac14,2\nArchitecture: arm64\n"
    "Locale: en_US (English)\nScreens: 1\nPrimary Screen Scale: 2\n"
    "Keyboard: U.S. (com.apple.keylayout.US)\nDesktop: XFCE (tray: XFCE panel-1-systray)\n"
    "Session: x11 (xcb)");
const QString head = QStringLiteral(
    "# Gapsel 1.0.0 (1)\n\nBundle Identifier: com.gapsel.Gapsel\nLaunch Count: 3\n"
    "Running Time: 1h 2m 3s\nMemory Usage: <Unavailable>\nRemaining Available Memory: 3.2 GB\n"
    "Is Installed from App Store: false\n\n# Device\n\n");

TEST(DebugInfo, DocumentWithoutAndWithSettingsAndLogLinesAndMetadataWithTheSummaryLines) {
    kit::DebugReport report = sampleReport();
    EXPECT_EQ(kit::debugInfoText(report),
              head + device +
                  QStringLiteral("\n\n# Settings\n\n<Empty>\n\n# Custom\n\n\n\n# Logs\n\n```\n"
                                 "<Empty>\n```"));

    report.settings = {{u"JX_launchCount"_s, u"3"_s}, {u"reducedOpacity"_s, u"true"_s}};
    report.logLines = {u"first"_s, u"second"_s};
    EXPECT_EQ(kit::debugInfoText(report),
              head + device +
                  QStringLiteral("\n\n# Settings\n\nJX_launchCount: 3\nreducedOpacity: true\n\n"
                                 "# Custom\n\n\n\n# Logs\n\n```\nfirst\nsecond\n```"));

    // The metadata has the summary lines in order.
    report.device.keyboard.reset();
    report.device.model.reset();
    const QString summary =
        QStringLiteral("App: Gapsel 1.0.0 (1)\nBundle Identifier: com.gapsel.Gapsel\n"
                       "OS: macOS 13.3.1 (<Unknown build>)\nModel: <Unknown model>\n"
                       "Architecture: arm64\nLocale: en_US (English)\nScreens: 1\n"
                       "Primary Screen Scale: 2\nApp Memory Usage: <Unavailable>\n"
                       "Remaining Available Memory: 3.2 GB\nApp Store: false\nKeyboard: <Unknown>\n"
                       "Desktop: XFCE (tray: XFCE panel-1-systray)\nSession: x11 (xcb)");
    EXPECT_EQ(kit::debugMetadataText(report), summary);

    // A platform that names its packaging gets the application id and the
    // package in the same places, in both texts.
    report.packaging = u"Flatpak from Flathub"_s;
    EXPECT_EQ(kit::debugMetadataText(report),
              QString(summary)
                  .replace(u"Bundle Identifier:"_s, u"App ID:"_s)
                  .replace(u"App Store: false"_s, u"Package: Flatpak from Flathub"_s));
    EXPECT_TRUE(kit::debugInfoText(report).startsWith(
        QString(head)
            .replace(u"Bundle Identifier:"_s, u"App ID:"_s)
            .replace(u"Is Installed from App Store: false"_s, u"Package: Flatpak from Flathub"_s)));
}

TEST(DebugInfo, MemoryAndDurationTexts) {
    const std::pair<qint64, const char*> memory[] = {
        {0, "Zero KB"},      {1, "1 byte"},           {1023, "1023 bytes"},
        {1024, "1 KB"},      {1536, "2 KB"},          {1024 * 1024, "1 MB"},
        {1572864, "1.5 MB"}, {8460000000, "7.88 GB"}, {qint64(1) << 50, "1 PB"}};
    for (const auto& [bytes, text] : memory)
        EXPECT_EQ(kit::memoryText(bytes), QString::fromUtf8(text)) << bytes;
    const std::pair<qint64, const char*> durations[] = {
        {-5, "0s"}, {0, "0s"}, {45, "45s"}, {3603, "1h 3s"}, {1314306, "2w 1d 5h 5m 6s"}};
    for (const auto& [seconds, text] : durations)
        EXPECT_EQ(kit::durationText(seconds), QString::fromUtf8(text)) << seconds;
}

// Percent-encoding leaves only ASCII letters, digits and four marks; an
// address is one whole address.
TEST(DebugInfo, AddressesAndMailtoLinksWithAnInlineAttachmentBody) {
    EXPECT_EQ(kit::percentEncoded(u"aZ09-._~ /?&=+:é\n"_s),
              u"aZ09-._~%20%2F%3F%26%3D%2B%3A%C3%A9%0A"_s);
    EXPECT_EQ(kit::EmailAddress::parse(u" \n support@gapsel.app\t"_s)->text(),
              u"support@gapsel.app"_s);
    for (const char* invalid :
         {"", "support", "@gapsel.app", "a@b", "a@b.c", "a b@gapsel.app", "a..b@gapsel.app",
          "a@gapsel.app b@gapsel.app", "mail a@gapsel.app", "a@-gapsel.app"})
        EXPECT_FALSE(kit::EmailAddress::parse(QString::fromUtf8(invalid))) << invalid;

    const auto support = kit::EmailAddress::constant(u"support@gapsel.app"_s);
    const auto other = kit::EmailAddress::constant(u"a+b@gapsel.app"_s);
    EXPECT_EQ(kit::mailtoURL({support}).toString(QUrl::FullyEncoded),
              u"mailto:support@gapsel.app"_s);
    const QString body =
        kit::bodyWithInlineAttachment(std::nullopt, u"debug-info.txt"_s, u"# Gapsel"_s);
    EXPECT_EQ(kit::mailtoURL({support, other}, u"Gapsel — Debug info"_s, body, {other}, {support})
                  .toString(QUrl::FullyEncoded),
              QStringLiteral("mailto:support@gapsel.app,a+b@gapsel.app"
                             "?subject=Gapsel%20%E2%80%94%20Debug%20info"
                             "&body=%0A%0A%0A%0Adebug-info.txt%0A------------------------------"
                             "%0A%0A%23%20Gapsel&cc=a%2Bb%40gapsel.app&bcc=support%40gapsel.app"));
}

// Cancellations are left out.
TEST(ErrorLog, RecordsTheErrorItsContextAndWhereItWasSeen) {
    testing_support::log().clear();
    EXPECT_FALSE(kit::logError(platform::Error::cancellation(u"cancelled"_s)));
    const auto record =
        kit::logError(platform::Error::failure(u"disk full"_s), {{u"path"_s, u"/var/x"_s}});
    const int line = __LINE__ - 1;

    EXPECT_EQ(record, u"[Error] disk full {path: /var/x, file: DebugInfoTest.cpp, line: %1, "
                      u"fileLine: DebugInfoTest.cpp:%1}"_s.arg(line));
    EXPECT_EQ(testing_support::log().lines(), QStringList{*record});
}

struct FeedbackTest : ::testing::Test {
    kit_testing::Launches launches;
};

TEST_F(FeedbackTest, UrlCarriesProductAndMetadataAndAMessageOnlyWhenGiven) {
    const JXKit& kit = launches.launch();
    const QUrl bare = kit::feedbackURL(kit);
    const QString metadata = kit::debugMetadataText(kit::gatherDebugReport(kit));
    // The simulated desktop names no packaging: its query keeps the App Store's words.
    EXPECT_TRUE(metadata.contains(u"\nBundle Identifier: com.gapsel.Gapsel\n"_s));
    EXPECT_TRUE(metadata.contains(u"\nApp Store: false\n"_s));
    EXPECT_EQ(bare.toString(QUrl::FullyEncoded),
              u"https://gapsel.app/feedback?product=Gapsel&metadata="_s +
                  kit::percentEncoded(metadata));

    const QUrlQuery query(kit::feedbackURL(kit, u"Hi & bye"_s, u"x"_s));
    EXPECT_EQ(query.queryItemValue(u"messageField"_s, QUrl::FullyDecoded), u"Hi & bye"_s);
    EXPECT_EQ(query.queryItemValue(u"extraInfo"_s), u"x"_s);
}

// Copied, the document goes to the clipboard marked with its source; emailed,
// it goes as an attachment where the mail program takes one, else inline.
TEST_F(FeedbackTest, CopyAndEmailHandOnTheDocumentWholeOrCutToFit) {
    const JXKit& kit = launches.launch();
    const QString document = kit::debugInfoText(kit::gatherDebugReport(kit));
    kit::copyDebugInfo(kit);
    const auto& contents = launches.sim.pasteboard.contents;
    EXPECT_EQ(contents.value(u"org.nspasteboard.source"_s), "com.gapsel.Gapsel");
    EXPECT_EQ(contents.value(u"text/plain"_s), document.toUtf8());

    kit::emailDebugInfo(kit);
    ASSERT_EQ(launches.sim.mail.composed.size(), 1);
    const platform::MailMessage& message = launches.sim.mail.composed.first();
    EXPECT_EQ(message.subject, u"Gapsel — Debug info"_s);
    EXPECT_EQ(message.recipients, QStringList{u"support@gapsel.app"_s});
    QFile attachment(message.attachmentPath);
    ASSERT_TRUE(attachment.open(QIODevice::ReadOnly));
    EXPECT_EQ(attachment.readAll(), document.toUtf8());
    EXPECT_TRUE(message.attachmentPath.endsWith(u"/debug-info.txt"_s));

    launches.sim.mail.acceptsAttachments = false;
    kit::emailDebugInfo(kit);
    ASSERT_EQ(launches.sim.workspace.openedUrls().size(), 1);
    const QUrlQuery query(launches.sim.workspace.openedUrls().first());
    EXPECT_EQ(query.queryItemValue(u"body"_s, QUrl::FullyDecoded),
              kit::bodyWithInlineAttachment(std::nullopt, u"debug-info.txt"_s, document));

    // A mailto: link longer than a command-line argument may be never reaches
    // a mail program: the text is cut to its newest lines. Should no mail
    // program take the link, the user is told and can copy the whole text.
    const auto support = kit::EmailAddress::constant(u"support@gapsel.app"_s);
    QStringList lines;
    for (int line = 0; line < 10000; ++line)
        lines.append(u"2026-12-07 10:00:00 Gapsel line %1 of the log"_s.arg(line));
    const kit::TextAttachment longText{u"debug-info.txt"_s, lines.join(u'\n')};

    const QUrl url = kit::inlineMailto({support}, u"Debug info"_s, std::nullopt, longText);
    EXPECT_LE(url.toEncoded().size(), kit::maximumMailtoLength);
    EXPECT_GT(url.toEncoded().size(), kit::maximumMailtoLength - 200) << "as much as fits";
    const QString body = QUrlQuery(url).queryItemValue(u"body"_s, QUrl::FullyDecoded);
    EXPECT_TRUE(body.endsWith(u'\n' + lines.last()));
    const auto cut = body.indexOf(u"(The text is too long for an email link"_s);
    ASSERT_GE(cut, 0) << "says it was cut";
    const qsizetype kept = body.mid(cut).count(u'\n');
    EXPECT_TRUE(body.contains(u"oldest %1 of 10000 lines were left out.)\n"_s.arg(10000 - kept)));

    launches.sim.workspace.refuseScheme(u"mailto"_s);
    launches.sim.pasteboard.contents.clear();
    for (const int answer : {1, 0}) {
        launches.sim.alerts.answerNext(
            {platform::AlertAnswer::firstButtonResponse + answer, false});
        kit::sendEmail(kit.platform(), {support}, u"Debug info"_s, std::nullopt, longText);
        EXPECT_EQ(launches.sim.pasteboard.contents.value(u"text/plain"_s),
                  answer == 0 ? longText.text.toUtf8() : QByteArray());
    }
    ASSERT_EQ(launches.sim.alerts.shownAlerts().size(), 2);
    const platform::Alert& alert = launches.sim.alerts.shownAlerts().first();
    EXPECT_EQ(alert.message, u"No mail program could be opened"_s);
    EXPECT_TRUE(alert.informativeText.contains(u"support@gapsel.app"_s));
    EXPECT_EQ(alert.buttons, (QStringList{u"Copy Text"_s, u"Cancel"_s}));
}

// Core files are named by their whole folder, never by its last name alone;
// where core dumps are off, the user learns how to turn them on. (Its first
// button opens the folder: the refused addresses below follow it.)
TEST(CrashLog, AlertKeepsItsShapeAndTellsWhereReportsAreKept) {
    using enum platform::CrashReportStore;
    const struct {
        platform::CrashReportPlace place;
        QStringList told;
        QStringList buttons;
    } cases[] = {
        {{DiagnosticReports, u"/Library/Logs/DiagnosticReports/"_s},
         {u"Find the files that start with “Gapsel” in the “DiagnosticReports” directory and "
          u"email them to support@gapsel.app"_s},
         {u"Reveal “DiagnosticReports” Directory"_s, u"OK"_s}},
        {{Coredumpctl, u"/var/lib/systemd/coredump"_s},
         {u"“coredumpctl list gapsel”"_s, u"“coredumpctl info gapsel”"_s},
         {u"Open Folder"_s, u"OK"_s}},
        {{Coredumpctl, {}}, {}, {u"OK"_s}}, // no folder of dumps offers none
        {{CoreFile, u"/home/u/ui"_s}, {u"folder “/home/u/ui”"_s}, {u"Open Folder"_s, u"OK"_s}},
        {{Nothing, u"/home/u"_s}, {u"“ulimit -c unlimited”"_s}, {u"OK"_s}},
    };
    const auto address = kit::EmailAddress::constant(u"support@gapsel.app"_s);
    for (const auto& [place, told, buttons] : cases) {
        SCOPED_TRACE(place.folder.toStdString());
        const platform::Alert alert = kit::crashLogAlert(u"Gapsel"_s, u"gapsel"_s, address, place);
        for (const QString& text : told)
            EXPECT_TRUE(alert.informativeText.contains(text))
                << alert.informativeText.toStdString();
        EXPECT_EQ(alert.buttons, buttons);
    }
}

// A web page, folder or message that nothing opens is named in an alert
// whose first button copies the address.
TEST_F(FeedbackTest, EveryAddressThatNothingOpensIsNamedAndCanBeCopied) {
    JXKit& kit = launches.launch();
    const QUrl link(u"https://gapsel.app/"_s);
    struct Case {
        const char* refused;
        std::function<void()> open;
        QString message;
        const char* copyButton;
        QByteArray copied;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"https", [&] { kit::sendFeedback(kit); },
              u"No web browser opened “https://gapsel.app/feedback”"_s, "Copy Link",
              kit::feedbackURL(kit).toEncoded()},
             // The crash-log alert's folder: its first answer opens it.
             {"file", [&] { kit::showCrashLogInstructions(kit); },
              u"No file manager opened “/Library/Logs/DiagnosticReports/”"_s, "Copy Path",
              "/Library/Logs/DiagnosticReports/"},
             // The share window's e-mail of a link offers the link.
             {"mailto",
              [&] {
                  kit::openUrlOrTell(kit.platform(), kit::mailtoURL({}, u"Gapsel"_s, u"x"_s), link);
              },
              u"No mail program opened a new message"_s, "Copy Link", link.toEncoded()},
         }) {
        SCOPED_TRACE(c.refused);
        launches.sim.workspace.refuseScheme(QString::fromLatin1(c.refused));
        launches.sim.pasteboard.contents.clear();
        const qsizetype before = launches.sim.alerts.shownAlerts().size();
        for (int answer = 0; answer < 2; ++answer)
            launches.sim.alerts.answerNext({platform::AlertAnswer::firstButtonResponse});
        c.open();
        ASSERT_GT(launches.sim.alerts.shownAlerts().size(), before);
        const platform::Alert& told = launches.sim.alerts.shownAlerts().last();
        EXPECT_EQ(told.message, c.message);
        EXPECT_EQ(told.buttons, (QStringList{QString::fromLatin1(c.copyButton), u"OK"_s}));
        EXPECT_EQ(launches.sim.pasteboard.contents.value(u"text/plain"_s), c.copied);
    }
}

} // namespace
