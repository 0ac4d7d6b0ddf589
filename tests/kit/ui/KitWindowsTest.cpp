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

namespace {

QStringList labelTexts(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts.append(label->text());
    return texts;
}

TEST(AboutPanel, NamesTheWebsiteTheCopyrightAndTheLicenceWithLinks) {
    QList<QUrl> opened;
    kit::AboutPanel panel({QStringLiteral("Gapsel"), QStringLiteral("1.0.0 (1)"),
                           QStringLiteral("Separators."),
                           QUrl(QStringLiteral("https://gapsel.app/")),
                           QStringLiteral("Copyright \u00a9 The Gapsel developers"),
                           QStringLiteral("GNU General Public License v3.0 or later"),
                           QUrl(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html")),
                           [&opened](const QUrl& url) { opened.append(url); }});
    const QStringList texts = labelTexts(panel);
    EXPECT_TRUE(texts.contains(QStringLiteral("Copyright \u00a9 The Gapsel developers")));
    EXPECT_TRUE(texts.contains(QStringLiteral("<a href=\"https://gapsel.app/\">gapsel.app</a>")));
    EXPECT_TRUE(texts.contains(QStringLiteral(
        "Licence: <a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">GNU General Public "
        "License v3.0 or later</a>")));

    for (QLabel* label : panel.findChildren<QLabel*>()) {
        if (label->text().startsWith(QStringLiteral("Licence")))
            emit label->linkActivated(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html"));
    }
    EXPECT_EQ(opened,
              QList<QUrl>{QUrl(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html"))});
}

TEST(ShareAppScreen, CopiesAndOpensTheLinkAndClosesOnEscapeOrCtrlW) {
    platform::sim::SimPlatform sim;
    const QUrl link(QStringLiteral("https://flathub.org/apps/com.gapsel.Gapsel"));
    QPointer<kit::ShareAppScreen> screen = kit::ShareAppScreen::open(
        {QStringLiteral("Gapsel"), QStringLiteral("com.gapsel.Gapsel"), link, sim.platform()});
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Share Gapsel"));
    EXPECT_EQ(screen->width(), 340);

    for (QPushButton* button : screen->findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Copy Link"))
            button->click();
        if (button->text() == QStringLiteral("Open Link"))
            button->click();
    }
    EXPECT_EQ(sim.pasteboard.contents.value(QStringLiteral("text/plain")), link.toEncoded());
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
