#pragma once

#include "platform/Platform.h"

class JXKit;

// The application as a whole: brings the kit up first (its creation is the
// launch bookkeeping), then queues the application's own post-launch step,
// which therefore runs after the kit's start-up work.
class AppMain {
public:
    explicit AppMain(platform::Platform platform);
    AppMain(const AppMain&) = delete;
    AppMain& operator=(const AppMain&) = delete;

    JXKit& jxkit() const { return jxkit_; }

private:
    // Greeting and checks once the application is up; empty until the
    // separators' status items exist.
    void runPostLaunchStep();

    JXKit& jxkit_;
};
