// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// The first launch in a Wayland session (sway with Waybar), where no client
// can place a window beside the tray: the greeting arrives as a desktop
// notification, which a real notification daemon (mako) shows and expires.

#include "DesktopTest.h"
#include "GapselProcess.h"
#include "support/TestEnvironment.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>

#include <gtest/gtest.h>

using testing_support::processEventsUntil;

namespace {

const QString greeting = QStringLiteral("Hello, I'm Gapsel");

// The socket the compositor listens on, as a path: the test runs as another
// user than the compositor, so its runtime folder is not the test's own.
QString waylandSocket(const e2e::VirtualDesktop& desktop) {
    const QDir runtime(desktop.environment().value(QStringLiteral("XDG_RUNTIME_DIR")));
    for (const QString& name : runtime.entryList({QStringLiteral("wayland-*")}, QDir::System))
        if (!name.endsWith(QLatin1String(".lock")))
            return runtime.filePath(name);
    return {};
}

// The texts of the notifications mako shows now.
QStringList shownNotifications(const QDBusConnection& bus) {
    const QDBusMessage reply = bus.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/fr/emersion/Mako"),
        QStringLiteral("fr.emersion.Mako"), QStringLiteral("ListNotifications")));
    QStringList texts;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return texts;
    const auto list = reply.arguments().constFirst().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QVariantMap notification;
        list >> notification;
        texts.append(notification.value(QStringLiteral("summary")).toString() +
                     notification.value(QStringLiteral("body")).toString());
    }
    list.endArray();
    return texts;
}

class WaybarGreeting : public e2e::DesktopTest {
protected:
    WaybarGreeting()
        : DesktopTest(QStringLiteral("waybar")) {}
};

TEST_F(WaybarGreeting, ArrivesAsANotificationThatExpiresAfterFiveSeconds) {
    if (QStandardPaths::findExecutable(QStringLiteral("mako")).isEmpty())
        GTEST_SKIP() << "mako is not installed (Debian: mako-notifier)";
    const e2e::Host& waybar = desktop.host();
    const QString socket = waylandSocket(desktop);
    ASSERT_FALSE(socket.isEmpty()) << "sway opened no Wayland socket";
    desktop.setVariable(QStringLiteral("WAYLAND_DISPLAY"), socket);
    const QDBusConnection bus = desktop.bus();
    QProcess mako;
    mako.setProcessEnvironment(desktop.environment());
    mako.start(QStringLiteral("mako"), {});
    ASSERT_TRUE(processEventsUntil([&] {
        return bus.interface()
            ->isServiceRegistered(QStringLiteral("org.freedesktop.Notifications"))
            .value();
    })) << "mako did not take the notification service";

    // Where mako draws: the top right corner, below the bar.
    const QRect corner(e2e::screenWidth - 400, waybar.panel.bottom() + 1, 400, 200);
    const QImage before = desktop.screenshot().copy(corner);
    desktop.setVariable(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    e2e::GapselProcess gapsel;
    ASSERT_TRUE(gapsel.start(desktop.environment()));
    QElapsedTimer launched;
    launched.start();
    const auto greeted = [&] { return shownNotifications(bus).contains(greeting); };
    const bool shown = processEventsUntil(greeted, 10000);
    const qint64 shownAt = launched.elapsed();
    // The daemon draws it a moment after it lists it.
    QImage screen;
    processEventsUntil(
        [&] {
            screen = desktop.screenshot();
            return screen.copy(corner) != before;
        },
        3000);
    e2e::saveScreen(screen, waybar.name, QStringLiteral("greeting"));
    const bool gone = shown && processEventsUntil([&] { return !greeted(); }, 10000);
    const qint64 shownFor = launched.elapsed() - shownAt;
    // Polling and a busy machine stretch the five seconds a little.
    const bool passed = gone && shownFor >= 4000 && shownFor <= 7500;
    e2e::hostCheck(
        waybar.name, "greeting", passed,
        shown ? QStringLiteral("\"%1\" shown %2 ms after the start, for %3 ms")
                    .arg(greeting)
                    .arg(shownAt)
                    .arg(gone ? QString::number(shownFor) : QStringLiteral("more than 10000"))
              : QStringLiteral("no notification within 10 s"));
    e2e::endProcess(mako);
}

} // namespace
