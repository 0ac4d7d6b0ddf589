// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/UserDefaults.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

// How this process comes to see the other writer's deletion.
enum class Path { Synchronize, DuringOurWrite };

struct Deletion {
    Path path;
    QVariant registered; // the key's default, or none
};

class ExternalDeletion : public testing::TestWithParam<Deletion> {};

TEST_P(ExternalDeletion, ReachesObserversWithOldAndNewValues) {
    const QString path =
        testing_support::freshFolder(QStringLiteral("deletion")) + QStringLiteral("/test.plist");
    auto ours = UserDefaults::open(QStringLiteral("test"), path);
    auto theirs = UserDefaults::open(QStringLiteral("test"), path);
    if (GetParam().registered.isValid())
        ours->registerDefaults({{QStringLiteral("k"), GetParam().registered}});
    ours->set(QStringLiteral("stored"), QStringLiteral("k"));
    std::vector<UserDefaults::Change> told;
    ours->addObserver(QStringLiteral("k"), 0,
                      [&](const UserDefaults::Change& change) { told.push_back(change); });

    theirs->removeObject(QStringLiteral("k"));
    if (GetParam().path == Path::Synchronize)
        ours->synchronize();
    else
        ours->set(true, QStringLiteral("other"));

    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].oldValue, QVariant(QStringLiteral("stored")));
    EXPECT_EQ(told[0].newValue, GetParam().registered);
    EXPECT_EQ(ours->object(QStringLiteral("k")), GetParam().registered);
}

INSTANTIATE_TEST_SUITE_P(
    BothPaths, ExternalDeletion,
    testing::Values(Deletion{Path::Synchronize, QVariant()},
                    Deletion{Path::DuringOurWrite, QVariant()},
                    Deletion{Path::Synchronize, QVariant(QStringLiteral("default"))},
                    Deletion{Path::DuringOurWrite, QVariant(QStringLiteral("default"))}),
    [](const auto& row) {
        return std::string(row.param.path == Path::Synchronize ? "Synchronize" : "DuringOurWrite") +
               (row.param.registered.isValid() ? "WithDefault" : "WithoutDefault");
    });

} // namespace
