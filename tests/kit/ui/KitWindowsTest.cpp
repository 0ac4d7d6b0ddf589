// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "../KitTestSupport.h"
#include "kit/CopyUrl.h"
#include "kit/QrCode.h"
#include "kit/ShareLink.h"
#include "kit/ui/AboutPanel.h"
#include "kit/ui/ShareAppScreen.h"
#include "kit/ui/SupportWindow.h"
#include "platform/sim/SimPlatform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void expectClosingOnEscapeOrCtrlW(QWidget* window) {
    const QPointer<QWidget> guard(window);
    QList<QKeySequence> closingKeys;
    for (const QShortcut* shortcut : window->findChildren<QShortcut*>())
        closingKeys.append(shortcut->key());
    EXPECT_TRUE(closingKeys.contains(QKeySequence(Qt::Key_Escape)));
    EXPECT_TRUE(closingKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_W)));
    emit window->findChildren<QShortcut*>().first()->activated();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}

TEST(AboutPanel, NamesTheWebsiteTheCopyrightAndTheLicenseWithLinks) {
    QList<QUrl> opened;
    kit::AboutPanel panel(
        {u"Gapsel"_s, u"1.0.0 (1)"_s, u"Separators."_s, QUrl(u"https://gapsel.app/"_s),
         u"Copyright \u00a9 The Gapsel developers"_s, u"GNU General Public License v3.0 or later"_s,
         QUrl(u"https://www.gnu.org/licenses/gpl-3.0.html"_s),
         [&opened](const QUrl& url) { opened.append(url); }});
    QStringList texts;
    for (QLabel* label : panel.findChildren<QLabel*>()) {
        texts.append(label->text());
        if (label->text().startsWith(u"License"_s))
            emit label->linkActivated(u"https://www.gnu.org/licenses/gpl-3.0.html"_s);
    }
    EXPECT_TRUE(texts.contains(u"Copyright \u00a9 The Gapsel developers"_s));
    EXPECT_TRUE(texts.contains(u"<a href=\"https://gapsel.app/\">gapsel.app</a>"_s));
    EXPECT_TRUE(texts.contains(QStringLiteral(
        "License: <a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">GNU General Public "
        "License v3.0 or later</a>")));
    EXPECT_EQ(opened, QList<QUrl>{QUrl(u"https://www.gnu.org/licenses/gpl-3.0.html"_s)});
}

TEST(ShareAppScreen, CopiesAndOpensTheLinkAndClosesOnEscapeOrCtrlW) {
    platform::sim::SimPlatform sim;
    const QUrl link(u"https://flathub.org/apps/com.gapsel.Gapsel"_s);
    QPointer<kit::ShareAppScreen> screen =
        kit::ShareAppScreen::open({u"Gapsel"_s, u"com.gapsel.Gapsel"_s, link, sim.platform()});
    for (QPushButton* button : screen->findChildren<QPushButton*>())
        if (button->text() == u"Copy Link"_s || button->text() == u"Open Link"_s)
            button->click();
    EXPECT_EQ(sim.pasteboard.contents.value(u"text/plain"_s), link.toEncoded());
    EXPECT_EQ(sim.workspace.openedUrls(), QList<QUrl>{link});
    expectClosingOnEscapeOrCtrlW(screen);

    // A screen 400 points high (800 pixels at twice the scale) takes the
    // window whole, its code shrunk.
    QPointer<kit::ShareAppScreen> small =
        new kit::ShareAppScreen({u"Gapsel"_s, u"com.gapsel.Gapsel"_s, link, sim.platform()});
    small->fitInto(QRect(0, 0, 1280 / 2, 800 / 2 - 24));
    EXPECT_LE(small->sizeHint().height() + 40, 800 / 2 - 24);
    delete small;
}

TEST(SupportWindow, StartsOnCopyingKeepsItsSizeConfirmsTheCopyAndClosesOnEscapeOrCtrlW) {
    kit_testing::Launches launches;
    QPointer<kit::SupportWindow> window = kit::SupportWindow::make(launches.launch());
    window->show();
    QStringList titles;
    for (const QPushButton* button : window->findChildren<QPushButton*>())
        titles.append(button->accessibleName());
    EXPECT_EQ(titles,
              (QStringList{u"Delete Data & Settings"_s, u"Copy Debug Info"_s, u"Email Debug Info"_s,
                           u"Send Crash Log"_s, u"Feedback & Support"_s}));
    auto* focused = qobject_cast<QPushButton*>(window->focusWidget());
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text(), u"Copy Debug Info"_s);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());

    focused->click();
    EXPECT_EQ(focused->text(), u"Copied"_s);
    EXPECT_TRUE(launches.sim.pasteboard.contents.value(u"text/plain"_s).startsWith("# Gapsel"));
    expectClosingOnEscapeOrCtrlW(window);
}

TEST(ShareLink, TakesTheStorePageItsCodeEncodesLatin1OnlyAndItIsCopiedAsUriAndText) {
    const platform::sim::SimStore store;
    const char* website = "https://gapsel.app/";
    // Plain pointers, null for none: optionals held in the table's temporary
    // array read to g++ 14 as possibly uninitialised when it is destroyed.
    struct Case {
        const char* website;
        const char* storeId;
        const char* link;
    };
    for (const Case& c : {
             Case{website, "2873401956", "https://apps.apple.com/app/id2873401956"},
             Case{website, "471902635", website},
             Case{website, nullptr, website},
             Case{nullptr, nullptr, "https://gapsel.app/apps"},
         }) {
        kit::Metadata metadata;
        if (c.website)
            metadata.website = QUrl(QString::fromUtf8(c.website));
        if (c.storeId)
            metadata.appStoreId = QString::fromUtf8(c.storeId);
        EXPECT_EQ(kit::shareLink(metadata, store).toString(), QString::fromUtf8(c.link));
    }

    // What the code reads as is proven where the share window is read off the
    // screen; here, what it refuses.
    EXPECT_EQ(kit::QrCode::encode(u"https://flathub.org/apps/com.gapsel.Gapsel"_s,
                                  kit::QrErrorCorrection::Medium)
                  .size(),
              29);
    EXPECT_FALSE(kit::QrCode::encode(u"caf\u00e9"_s, kit::QrErrorCorrection::Medium).isEmpty());
    EXPECT_TRUE(kit::QrCode::encode(u"5 \u20ac"_s, kit::QrErrorCorrection::Medium).isEmpty());
    EXPECT_TRUE(kit::QrCode::encode(QString(), kit::QrErrorCorrection::Medium).isEmpty());

    // Whole-pixel modules, the quiet zone kept, centred in the square.
    const kit::QrPlacement placed = kit::placeQrCode(29, 300);
    EXPECT_EQ(placed.modulePixels, 8);
    EXPECT_EQ(placed.origin, 34);

    const QString id = u"com.gapsel.Gapsel"_s;
    const QString source = QString::fromLatin1(platform::PasteboardType::source);
    const auto web = kit::pasteboardItem(QUrl(u"https://gapsel.app/a b"_s), id);
    EXPECT_EQ(web, (QMap<QString, QByteArray>{{u"text/uri-list"_s, "https://gapsel.app/a%20b\r\n"},
                                              {u"text/plain"_s, "https://gapsel.app/a%20b"},
                                              {source, "com.gapsel.Gapsel"}}));
    const auto mail = kit::pasteboardItem(QUrl(u"mailto:hi@gapsel.app"_s), id);
    EXPECT_EQ(mail.value(u"text/plain"_s), "hi@gapsel.app");
    const auto file = kit::pasteboardItem(QUrl::fromLocalFile(u"/tmp/x y"_s), id);
    EXPECT_EQ(file.value(u"text/plain"_s), "/tmp/x y");
    EXPECT_EQ(file.value(u"text/uri-list"_s), "file:///tmp/x%20y\r\n");
}

} // namespace
