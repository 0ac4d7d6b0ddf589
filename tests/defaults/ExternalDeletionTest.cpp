// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/UserDefaults.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Another writer deletes a key; this process comes to see it when it
// synchronises or during a write of its own, with the key's default or without.
TEST(ExternalDeletion, ReachesObserversWithOldAndNewValuesOnEitherPath) {
    for (const bool duringOurWrite : {false, true}) {
        for (const QVariant& registered : {QVariant(), QVariant(u"default"_s)}) {
            SCOPED_TRACE(duringOurWrite ? "during our write" : "synchronize");
            SCOPED_TRACE(registered.isValid() ? "with default" : "without default");
            const QString path = testing_support::freshFolder(u"deletion"_s) + u"/test.plist"_s;
            auto ours = UserDefaults::open(u"test"_s, path);
            auto theirs = UserDefaults::open(u"test"_s, path);
            if (registered.isValid())
                ours->registerDefaults({{u"k"_s, registered}});
            ours->set(u"stored"_s, u"k"_s);
            std::vector<UserDefaults::Change> told;
            ours->addObserver(u"k"_s, 0, [&](const auto& change) { told.push_back(change); });

            theirs->removeObject(u"k"_s);
            if (duringOurWrite)
                ours->set(true, u"other"_s);
            else
                ours->synchronize();

            ASSERT_EQ(told.size(), 1u);
            EXPECT_EQ(told[0].oldValue, QVariant(u"stored"_s));
            EXPECT_EQ(told[0].newValue, registered);
            EXPECT_EQ(ours->object(u"k"_s), registered);
        }
    }
}

} // namespace
