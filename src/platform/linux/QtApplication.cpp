// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/QtApplication.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace platform::xdg {

void QtApplication::whenFinishedLaunching(std::function<void()> handler) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(handler),
                              Qt::QueuedConnection);
}

QStringList QtApplication::launchArguments() const {
    return QCoreApplication::arguments();
}

void QtApplication::terminate() {
    QCoreApplication::quit();
}

void QtApplication::exitNow() {
    // Every preference is already on disk when it is set; only buffered output
    // could be lost.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

void introduceToDesktop(const BundleInfo& bundle) {
    QGuiApplication::setDesktopFileName(bundle.identifier);
}

} // namespace platform::xdg
