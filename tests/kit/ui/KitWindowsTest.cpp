// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ui/AboutPanel.h"
#include "kit/ui/ShareAppScreen.h"
#include "platform/sim/SimPlatform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(AboutPanel, NamesTheWebsiteTheCopyrightAndTheLicenceWithLinks) {
    QList<QUrl> opened;
    kit::AboutPanel panel(
        {u"Gapsel"_s, u"1.0.0 (1)"_s, u"Separators."_s, QUrl(u"https://gapsel.app/"_s),
         u"Copyright \u00a9 The Gapsel developers"_s, u"GNU General Public License v3.0 or later"_s,
         QUrl(u"https://www.gnu.org/licenses/gpl-3.0.html"_s),
         [&opened](const QUrl& url) { opened.append(url); }});
    QStringList texts;
    for (QLabel* label : panel.findChildren<QLabel*>()) {
        texts.append(label->text());
        if (label->text().startsWith(u"Licence"_s))
            emit label->linkActivated(u"https://www.gnu.org/licenses/gpl-3.0.html"_s);
    }
    EXPECT_TRUE(texts.contains(u"Copyright \u00a9 The Gapsel developers"_s));
    EXPECT_TRUE(texts.contains(u"<a href=\"https://gapsel.app/\">gapsel.app</a>"_s));
    EXPECT_TRUE(texts.contains(QStringLiteral(
        "Licence: <a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">GNU General Public "
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

    QList<QKeySequence> closingKeys;
    for (const QShortcut* shortcut : screen->findChildren<QShortcut*>())
        closingKeys.append(shortcut->key());
    EXPECT_TRUE(closingKeys.contains(QKeySequence(Qt::Key_Escape)));
    EXPECT_TRUE(closingKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_W)));
    emit screen->findChildren<QShortcut*>().first()->activated();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(screen.isNull());
}

} // namespace
