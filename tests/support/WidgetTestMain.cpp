// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/MessageHandler.h"
#include "support/TestEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

// For tests of windows and widgets: a real QApplication on Qt's offscreen
// platform, so no display is needed.
int main(int argc, char** argv) {
    testing_support::isolateUserFolders();
    debug::installMessageHandler();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
