// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// Another program's item in the tray, as Qt shows one: a plain red square
// whose Id and title are the name given. Prints "shown" once it is there.
// Usage: other-tray-item <name>
#include <QApplication>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTextStream>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QCoreApplication::setApplicationName(arguments.value(1));
    QGuiApplication::setApplicationDisplayName(arguments.value(1));
    QPixmap square(22, 22);
    square.fill(Qt::red);
    QSystemTrayIcon item{QIcon(square)};
    item.show();
    QTextStream(stdout) << "shown" << Qt::endl;
    return QApplication::exec();
}
