// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// The yardstick for Gapsel's start-up: the plainest way a Qt program puts
// items in a tray, `gapsel_tray_anchor N` shows N QSystemTrayIcons, each with
// an em dash drawn in the desktop's font as its icon, as a separator must be
// drawn, and a menu of the size of a separator's menu.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

#include <memory>
#include <vector>

namespace {

QIcon emDashIcon() {
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        QFont font = QApplication::font();
        font.setPixelSize(side * 3 / 4);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, QStringLiteral("—"));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// New, Remove, the characters, Settings…, More and Quit, as a separator's.
std::unique_ptr<QMenu> itemMenu() {
    auto menu = std::make_unique<QMenu>();
    menu->addAction(QStringLiteral("New"));
    menu->addAction(QStringLiteral("Remove"));
    menu->addSeparator();
    for (const QString& character :
         {QStringLiteral("—"), QStringLiteral("|"), QStringLiteral("·"), QStringLiteral("•")})
        menu->addAction(character)->setCheckable(true);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Settings…"));
    menu->addMenu(QStringLiteral("More"))->addAction(QStringLiteral("About"));
    menu->addSeparator();
    menu->addAction(QStringLiteral("Quit"), qApp, &QApplication::quit);
    return menu;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1;
    const QIcon icon = emDashIcon();
    std::vector<std::unique_ptr<QMenu>> menus;
    std::vector<std::unique_ptr<QSystemTrayIcon>> items;
    for (int index = 0; index < count; ++index) {
        menus.push_back(itemMenu());
        auto item = std::make_unique<QSystemTrayIcon>(icon);
        item->setToolTip(QStringLiteral("Separator"));
        item->setContextMenu(menus.back().get());
        item->show();
        items.push_back(std::move(item));
    }
    return QApplication::exec();
}
