// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <functional>
#include <mutex>

namespace menubar {

// Runs its work the first time it is called and never again, whoever calls
// it: several events race to complete one greeting, and only the first may.
class Once {
public:
    explicit Once(std::function<void()> work)
        : work_(std::move(work)) {}

    void operator()() {
        std::call_once(hasRun_, [this] {
            if (work_)
                std::exchange(work_, {})();
        });
    }

private:
    std::once_flag hasRun_;
    std::function<void()> work_;
};

} // namespace menubar
