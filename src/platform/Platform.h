#pragma once

namespace platform {

class MainQueue;

// Every desktop service the program uses, handed to it at start-up. main() fills
// it with the real desktop; tests fill it with the simulated one.
struct Platform {
    MainQueue& mainQueue;
};

} // namespace platform
