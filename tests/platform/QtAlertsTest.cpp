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
// is the cancelling last button, never the first, which here destroys. Every
// box is titled with the application's name, not the executable's; Wayland
// hears the desktop entry's id.
TEST(QtAlerts, ABoxLeftWithoutAClickAnswersItsCancellingButtonAndIsTitledWithTheAppsName) {
    platform::xdg::introduceToDesktop(platform::BundleInfo::compiledIn(QString()));
    EXPECT_EQ(QGuiApplication::desktopFileName(), u"com.gapsel.Gapsel"_s);
    platform::Alert alert;
    alert.message = u"Delete all data and settings for Gapsel?"_s;
    alert.buttons = {u"Delete"_s, u"Cancel"_s};
    alert.destructiveButton = 0;
    const std::function<void(QMessageBox&)> close = [](QMessageBox& box) { box.close(); };
    const struct {
        const char* how;
        std::function<void(QMessageBox&)> leave;
    } cases[] = {
        {"Escape",
         [](QMessageBox& box) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&box, &escape);
         }},
        {"closed", close},
        // As when the program quits under it.
        {"hidden", [](QMessageBox& box) { box.hide(); }},
    };
    QStringList titles;
    const auto leaveWith = [&titles](const std::function<void(QMessageBox&)>& leave) {
        QTimer::singleShot(0, [&titles, leave] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                titles.append(box->windowTitle());
                leave(*box);
            }
        });
    };
    for (const auto& [how, leave] : cases) {
        leaveWith(leave);
        EXPECT_EQ(platform::xdg::QtAlerts(u"Gapsel"_s).run(alert).buttonIndex(), 1) << how;
    }
    leaveWith(close);
    platform::xdg::QtAlerts(u"Gapsel"_s).presentError(platform::Error::failure(u"disk full"_s));
    EXPECT_EQ(titles, QStringList(4, u"Gapsel"_s));
}

} // namespace
