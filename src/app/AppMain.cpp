#include "app/AppMain.h"

#include "kit/JXKit.h"
#include "platform/MainQueue.h"

AppMain::AppMain(platform::Platform platform)
    : jxkit_(JXKit::shared(platform)) {
    platform.mainQueue.async([this] { runPostLaunchStep(); });
}

void AppMain::runPostLaunchStep() {}
