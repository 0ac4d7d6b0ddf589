// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Key.h"
#include "defaults/LifetimeAssociation.h"

#include <functional>
#include <memory>
#include <vector>

namespace Defaults {

// `initial`: tell the current value once, while the observation starts.
// `prior`: also tell just before each change (ignored together with `initial`).
struct ObservationOptions {
    bool initial = false;
    bool prior = false;
    UserDefaults::Options forSuite() const;
};

// A change as the domain reports it: stored objects, invalid for "none".
struct BaseChange {
    bool isPrior = false;
    QVariant newValue;
    QVariant oldValue;
};

// A change read as the key's kind; nothing or something unreadable reads as the
// key's default.
template <class V> struct KeyChange {
    bool isPrior = false;
    V newValue;
    V oldValue;

    KeyChange(const BaseChange& change, const V& defaultValue)
        : isPrior(change.isPrior)
        , newValue(read(change.newValue, defaultValue))
        , oldValue(read(change.oldValue, defaultValue)) {}
    friend bool operator==(const KeyChange&, const KeyChange&) = default;

private:
    static V read(const QVariant& stored, const V& defaultValue) {
        if (!stored.isValid())
            return defaultValue;
        return fromStoredForm<V>(stored).value_or(defaultValue);
    }
};

// Runs `work` with change notifications silenced on this thread: writes made
// inside it reach no observation, publisher, stream or observable of this
// thread. Nested calls keep the outer silence until the outer call ends.
void withoutChangeNotifications(const std::function<void()>& work);
bool changeNotificationsSuppressed();

// What every observation offers. Destroying one invalidates it.
class Observation {
public:
    virtual ~Observation();
    Observation(const Observation&) = delete;
    Observation& operator=(const Observation&) = delete;

    // Stops delivery for good. Harmless to call again.
    virtual void invalidate() = 0;
    // Invalidates this observation when `owner` is destroyed.
    Observation& bindToLifetime(QObject* owner);
    void unbindLifetime();

protected:
    Observation();
    void dropLifetime();

private:
    std::unique_ptr<LifetimeAssociation> lifetime_;
    std::shared_ptr<Observation*> self_;
};

// Watches one entry of one domain.
class UserDefaultsKeyObservation final : public Observation {
public:
    using Callback = std::function<void(const BaseChange&)>;
    UserDefaultsKeyObservation(const std::shared_ptr<UserDefaults>& suite, QString key,
                               Callback callback);
    ~UserDefaultsKeyObservation() override;

    void start(ObservationOptions options);
    void invalidate() override;

private:
    void handle(const UserDefaults::Change& change);

    std::weak_ptr<UserDefaults> suite_;
    QString key_;
    Callback callback_;
    std::optional<UserDefaults::ObserverId> registration_;
};

// Watches several entries, possibly in several domains, with one callback.
class CompositeUserDefaultsKeyObservation final : public Observation {
public:
    struct SuiteKeyPair {
        std::weak_ptr<UserDefaults> suite;
        QString key;
        std::optional<UserDefaults::ObserverId> registration;
    };
    CompositeUserDefaultsKeyObservation(std::vector<std::reference_wrapper<const Keys>> keys,
                                        std::function<void(const BaseChange&)> callback);
    ~CompositeUserDefaultsKeyObservation() override;

    void start(ObservationOptions options);
    void invalidate() override;

private:
    std::vector<SuiteKeyPair> observables_;
    std::function<void(const BaseChange&)> callback_;
};

// Calls `handler` with every change of `key`. Keep the result: destroying it
// ends the observation.
template <class V>
[[nodiscard]] std::unique_ptr<UserDefaultsKeyObservation>
observe(const Key<V>& key, ObservationOptions options,
        std::function<void(const KeyChange<V>&)> handler) {
    auto observation = std::make_unique<UserDefaultsKeyObservation>(
        key.suitePointer(), key.name(),
        [handler = std::move(handler), defaultValue = key.defaultValue()](
            const BaseChange& change) { handler(KeyChange<V>(change, defaultValue)); });
    observation->start(options);
    return observation;
}

// Calls `handler` whenever any of `keys` changes.
[[nodiscard]] std::unique_ptr<CompositeUserDefaultsKeyObservation>
observe(std::vector<std::reference_wrapper<const Keys>> keys, ObservationOptions options,
        std::function<void()> handler);

} // namespace Defaults
