// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/MessageHandler.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#ifdef GAPSEL_TEST_WIDGETS
#include <QApplication>
#else
#include <QCoreApplication>
#endif

int main(int argc, char** argv) {
    // The process's own home, user and temporary folders, set before anything
    // reads them and kept past the last static object, so that no test touches
    // the user's files and what tests leave behind (mail attachments the
    // program keeps for the mail program) goes with the run.
    static const QTemporaryDir home(QDir::tempPath() + QStringLiteral("/gapsel-test-XXXXXX"));
    qputenv("HOME", home.path().toUtf8());
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "TMPDIR"}) {
        const QString path = home.filePath(QString::fromLatin1(name).toLower());
        QDir().mkpath(path);
        qputenv(name, path.toUtf8());
    }
    const debug::MessageHandler messages(testing_support::log());
#ifdef GAPSEL_TEST_WIDGETS
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
