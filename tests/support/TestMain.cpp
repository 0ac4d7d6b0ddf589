// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/MessageHandler.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#ifdef GAPSEL_TEST_WIDGETS
#include <QApplication>
#else
#include <QCoreApplication>
#endif

int main(int argc, char** argv) {
    testing_support::isolateUserFolders();
    debug::installMessageHandler();
#ifdef GAPSEL_TEST_WIDGETS
    // Tests of windows and widgets: a real QApplication on Qt's offscreen
    // platform, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
