#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
void pointXdgFoldersAt(const QString& home) {
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        const QString path = home + QLatin1Char('/') + QString::fromLatin1(name).toLower();
        QDir().mkpath(path);
        qputenv(name, path.toUtf8());
    }
    qputenv("HOME", home.toUtf8());
}
} // namespace

int main(int argc, char** argv) {
    // Before anything reads them: the test process never sees the real user's folders.
    pointXdgFoldersAt(testing_support::testHome());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
