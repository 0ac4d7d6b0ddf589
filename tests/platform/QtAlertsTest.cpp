// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/QtAlerts.h"
#include "platform/linux/QtApplication.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// However a box goes away without a click on one of its buttons, the answer
// is the cancelling last button, never the first, which here destroys.
TEST(QtAlerts, ABoxLeftWithoutAClickAnswersItsCancellingButton) {
    platform::Alert alert;
    alert.message = u"Delete all data and settings for Gapsel?"_s;
    alert.buttons = {u"Delete"_s, u"Cancel"_s};
    alert.destructiveButton = 0;
    const struct {
        const char* how;
        std::function<void(QMessageBox&)> leave;
    } cases[] = {
        {"Escape",
         [](QMessageBox& box) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&box, &escape);
         }},
        {"closed", [](QMessageBox& box) { box.close(); }},
        // As when the program quits under it.
        {"hidden", [](QMessageBox& box) { box.hide(); }},
    };
    for (const auto& [how, leave] : cases) {
        QTimer::singleShot(0, [leave] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                leave(*box);
        });
        EXPECT_EQ(platform::xdg::QtAlerts(u"Gapsel"_s).run(alert).buttonIndex(), 1) << how;
    }
}

// Every box is titled with the application's name, not the executable's;
// Wayland hears the desktop entry's id.
TEST(QtAlerts, BoxesAreTitledWithTheApplicationsName) {
    platform::xdg::introduceToDesktop(platform::BundleInfo::compiledIn(QString()));
    EXPECT_EQ(QGuiApplication::desktopFileName(), u"com.gapsel.Gapsel"_s);
    QStringList titles;
    const auto readTitle = [&titles] {
        QTimer::singleShot(0, [&titles] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                titles.append(box->windowTitle());
                box->close();
            }
        });
    };
    platform::Alert alert;
    alert.message = u"Thanks for wanting to rate Gapsel"_s;
    readTitle();
    platform::xdg::QtAlerts(u"Gapsel"_s).run(alert);
    readTitle();
    platform::xdg::QtAlerts(u"Gapsel"_s).presentError(platform::Error::failure(u"disk full"_s));
    EXPECT_EQ(titles, QStringList({u"Gapsel"_s, u"Gapsel"_s}));
}

} // namespace
