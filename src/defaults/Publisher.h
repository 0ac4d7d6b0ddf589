// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Observation.h"

#include <memory>
#include <type_traits>
#include <variant>
#include <vector>

namespace Defaults {

// A live subscription; destroying it cancels it.
class Cancellable {
public:
    virtual ~Cancellable() = default;
    virtual void cancel() = 0;
};

// A source of values that subscribers attach to. Each subscriber gets its own
// observation, started when it attaches. Values arrive on the writing thread,
// inside the write; there is no buffering and no back-pressure.
template <class T> class Publisher {
public:
    using Subscriber = std::function<void(const T&)>;
    using Attach = std::function<std::unique_ptr<Cancellable>(Subscriber)>;

    explicit Publisher(Attach attach)
        : attach_(std::move(attach)) {}

    [[nodiscard]] std::unique_ptr<Cancellable> sink(Subscriber subscriber) const {
        return attach_(std::move(subscriber));
    }

    template <class F> auto map(F transform) const {
        using U = std::invoke_result_t<F, const T&>;
        return Publisher<U>(
            [attach = attach_, transform](typename Publisher<U>::Subscriber subscriber) {
                return attach([transform, subscriber = std::move(subscriber)](const T& value) {
                    subscriber(transform(value));
                });
            });
    }

    // One publisher that passes on what any of `publishers` publishes.
    static Publisher merge(std::vector<Publisher> publishers) {
        return Publisher([publishers = std::move(publishers)](Subscriber subscriber) {
            auto all = std::make_unique<Group>();
            for (const auto& publisher : publishers)
                all->members.push_back(publisher.sink(subscriber));
            return all;
        });
    }

private:
    struct Group final : Cancellable {
        std::vector<std::unique_ptr<Cancellable>> members;
        void cancel() override { members.clear(); }
    };
    Attach attach_;
};

// Holds a subscriber and the observation feeding it, until cancelled.
class DefaultsSubscription final : public Cancellable {
public:
    DefaultsSubscription(const std::shared_ptr<UserDefaults>& suite, const QString& key,
                         std::function<void(const BaseChange&)> subscriber);
    void start(ObservationOptions options) { observation_->start(options); }
    void cancel() override;

private:
    std::shared_ptr<std::function<void(const BaseChange&)>> subscriber_;
    std::unique_ptr<UserDefaultsKeyObservation> observation_;
};

// Changes of one entry, untyped.
Publisher<BaseChange> defaultsPublisher(const std::shared_ptr<UserDefaults>& suite,
                                        const QString& key, ObservationOptions options);

// Every change of `key`, read as its kind.
template <class V>
Publisher<KeyChange<V>> changePublisher(const Key<V>& key,
                                        ObservationOptions options = {.initial = true}) {
    return defaultsPublisher(key.suitePointer(), key.name(), options)
        .map([defaultValue = key.defaultValue()](const BaseChange& change) {
            return KeyChange<V>(change, defaultValue);
        });
}

// One empty event per change of any of `keys`; never completes.
Publisher<std::monostate> changePublisher(std::vector<std::reference_wrapper<const Keys>> keys,
                                          ObservationOptions options = {});

} // namespace Defaults
