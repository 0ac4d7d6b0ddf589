#include "support/TestEnvironment.h"

#include <QDir>
#include <QGuiApplication>

#include <gtest/gtest.h>

// The tray draws titles with fonts, so its tests need a GUI application; the
// offscreen platform gives one without a display.
int main(int argc, char** argv) {
    const QString home = testing_support::testHome();
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        const QString path = home + QLatin1Char('/') + QString::fromLatin1(name).toLower();
        QDir().mkpath(path);
        qputenv(name, path.toUtf8());
    }
    qputenv("HOME", home.toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
