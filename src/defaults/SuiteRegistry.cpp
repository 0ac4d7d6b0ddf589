// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/SuiteRegistry.h"

namespace Defaults {

std::shared_ptr<UserDefaults> SuiteRegistry::suite(const QString& name) {
    if (!UserDefaults::isValidSuiteName(name))
        return nullptr;
    const std::lock_guard lock(mutex_);
    auto& slot = suites_[name];
    if (!slot)
        slot = UserDefaults::openSuite(name);
    return slot;
}

std::shared_ptr<UserDefaults> SuiteRegistry::standard() {
    return suite(QStringLiteral(GAPSEL_BUNDLE_ID));
}

} // namespace Defaults
