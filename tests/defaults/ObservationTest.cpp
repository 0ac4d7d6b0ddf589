// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DefaultsTestSupport.h"

#include "platform/sim/SimMainQueue.h"

#include <QObject>

#include <gtest/gtest.h>

#include <thread>

using namespace Defaults;

namespace {
struct Observe : ::testing::Test {
    std::shared_ptr<UserDefaults> suite = SuiteFile().open();
    Key<int> key{QStringLiteral("k"), 10, suite};
    Key<std::optional<QString>> optional{QStringLiteral("o"), suite};
    int calls = 0;
};
} // namespace

TEST_F(Observe, InitialDeliversTheCurrentValueAtOnceAndPriorADeliveryBeforeEachChange) {
    set(key, 3);
    std::vector<std::pair<int, int>> told; // old and new value
    auto observation =
        observe<int>(key, {.initial = true, .prior = true}, [&](const KeyChange<int>& change) {
            told.emplace_back(change.oldValue, change.newValue);
        });
    // The old value of the first delivery is the default.
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{10, 3}}));
    set(key, 4);
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{10, 3}, {3, 4}}));

    // Prior adds a delivery before each change.
    std::vector<std::pair<bool, int>> priors; // whether prior, and the old value
    auto withPrior = observe<int>(key, {.prior = true}, [&](const KeyChange<int>& change) {
        priors.emplace_back(change.isPrior, change.oldValue);
    });
    set(key, 5);
    EXPECT_EQ(priors, (std::vector<std::pair<bool, int>>{{true, 4}, {false, 4}}));
}

TEST_F(Observe, AnObservationEndedFromItsInitialDeliveryOrWithItsOwnerHearsNothingMore) {
    std::unique_ptr<UserDefaultsKeyObservation> observation;
    observation =
        std::make_unique<UserDefaultsKeyObservation>(suite, key.name(), [&](const BaseChange&) {
            ++calls;
            observation->invalidate();
        });
    observation->start({.initial = true});
    set(key, 1);
    observation.reset();
    set(key, 2);
    EXPECT_EQ(calls, 1);

    auto owner = std::make_unique<QObject>();
    auto bound = observe<int>(key, {}, [&](const auto&) { ++calls; });
    bound->bindToLifetime(owner.get());
    set(key, 3);
    owner.reset();
    set(key, 4);
    EXPECT_EQ(calls, 2);

    auto unbound = observe<int>(key, {}, [&](const auto&) { ++calls; });
    auto secondOwner = std::make_unique<QObject>();
    unbound->bindToLifetime(secondOwner.get()).unbindLifetime();
    secondOwner.reset();
    set(key, 5);
    EXPECT_EQ(calls, 3);
}

TEST_F(Observe, AnOptionalWithoutDefaultRegistersNothingAndItsRemovalReportsNone) {
    EXPECT_FALSE(suite->object(QStringLiteral("o")).isValid());
    std::vector<KeyChange<std::optional<QString>>> changes;
    auto observation =
        observe<std::optional<QString>>(optional, {}, [&](const auto& c) { changes.push_back(c); });
    set(optional, std::optional(QStringLiteral("x")));
    set(optional, std::optional<QString>());
    EXPECT_FALSE(suite->persistentDomain().contains(QStringLiteral("o")));
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].oldValue, std::nullopt);
    EXPECT_EQ(changes[1].oldValue, QStringLiteral("x"));
    EXPECT_EQ(changes[1].newValue, std::nullopt);
}

TEST_F(Observe, SuppressionSilencesThisThreadAndNestedCallsKeepTheOuterSilence) {
    auto observation = observe<int>(key, {}, [&](const auto&) { ++calls; });
    withoutChangeNotifications([&] {
        withoutChangeNotifications([&] { set(key, 1); });
        set(key, 2); // still inside the outer call
    });
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(get(key), 2);
    set(key, 3);
    EXPECT_EQ(calls, 1);

    std::thread other([&] { set(key, 4); });
    withoutChangeNotifications([&] { other.join(); });
    EXPECT_EQ(calls, 2) << "another thread's writes are not silenced";
}

TEST_F(Observe, SeveralKeysShareOneHandlerOrOneMergedPublisher) {
    int events = 0;
    Key<bool> other(QStringLiteral("other"), false, SuiteFile().open());
    auto observation = observe({key, other}, {}, [&] { ++calls; });
    auto merged = changePublisher({key, other}).sink([&](std::monostate) { ++events; });
    set(key, 1);
    set(other, true);
    set(optional, std::optional(QStringLiteral("unrelated")));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(events, 2);
    observation->invalidate();
    observation->invalidate();
    set(key, 2);
    EXPECT_EQ(calls, 2);
}

TEST_F(Observe, APublisherDeliversTypedChangesUntilCancelledAndAStreamBuffersThem) {
    std::vector<int> values;
    auto subscription =
        changePublisher(key).sink([&](const KeyChange<int>& c) { values.push_back(c.newValue); });
    set(key, 5);
    subscription->cancel();
    set(key, 6);
    EXPECT_EQ(values, (std::vector<int>{10, 5}));

    // A value stream buffers values and leaves nothing behind when finished.
    auto stream = valueStream(key, true);
    set(key, 1);
    set(key, 2);
    EXPECT_EQ(stream->tryNext(), 6);
    EXPECT_EQ(stream->tryNext(), 1);
    EXPECT_EQ(stream->next(), 2);
    EXPECT_EQ(stream->tryNext(), std::nullopt);

    std::thread producer([&] { set(key, 3); });
    EXPECT_EQ(stream->next(), 3);
    producer.join();
    stream->finish();
    set(key, 4);
    EXPECT_EQ(stream->next(), std::nullopt) << "a finished stream returns at once";
}

TEST_F(Observe, AnObservableSignalsOnTheMainQueueAndBeforeItsOwnWrites) {
    platform::sim::SimMainQueue queue;
    std::vector<int> seenAtSignal;
    auto observable = std::make_unique<Observable<int>>(key, queue);
    observable->objectWillChange.connect([&] { seenAtSignal.push_back(observable->value()); });
    EXPECT_TRUE(seenAtSignal.empty());
    queue.runUntilIdle();
    EXPECT_EQ(seenAtSignal, (std::vector<int>{10})) << "one signal for the initial value";

    observable->setValue(1);
    EXPECT_EQ(seenAtSignal, (std::vector<int>{10, 10})) << "signalled before the write";
    queue.runUntilIdle();
    EXPECT_EQ(seenAtSignal, (std::vector<int>{10, 10, 1}));

    set(key, 2); // from elsewhere
    queue.runUntilIdle();
    EXPECT_EQ(seenAtSignal, (std::vector<int>{10, 10, 1, 2}));

    set(key, 3);
    observable.reset(); // gone before its queued signal: that signal is dropped
    queue.runUntilIdle();
    EXPECT_EQ(seenAtSignal.size(), 4u);
}
