// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/UserDefaults.h"

#include <QString>

#include <map>
#include <memory>
#include <mutex>

namespace Defaults {

// The preferences domains of one program, by name: one object per domain for
// as long as the registry lives, so that every part of the program reads and
// observes the same one. The application makes it where it wires itself
// together and hands the domains down. Any thread may ask.
class SuiteRegistry {
public:
    SuiteRegistry() = default;
    SuiteRegistry(const SuiteRegistry&) = delete;
    SuiteRegistry& operator=(const SuiteRegistry&) = delete;

    // The domain with this name in the user's configuration folder, opened
    // when first asked for; none for a name that cannot name a file there.
    std::shared_ptr<UserDefaults> suite(const QString& name);
    // The user's own domain, named by the application's bundle identifier.
    std::shared_ptr<UserDefaults> standard();

private:
    std::mutex mutex_;
    std::map<QString, std::shared_ptr<UserDefaults>> suites_;
};

} // namespace Defaults
