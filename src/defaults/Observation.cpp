// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/Observation.h"

namespace Defaults {

namespace {
thread_local bool suppressingChangeNotifications = false;
} // namespace

void withoutChangeNotifications(const std::function<void()>& work) {
    // Restores what was there before, so an inner call does not end an outer
    // call's silence early; also when `work` throws.
    struct Restore {
        bool previous;
        ~Restore() { suppressingChangeNotifications = previous; }
    } restore{suppressingChangeNotifications};
    suppressingChangeNotifications = true;
    work();
}

bool changeNotificationsSuppressed() {
    return suppressingChangeNotifications;
}

UserDefaults::Options ObservationOptions::forSuite() const {
    if (initial)
        return UserDefaults::Initial;
    if (prior)
        return UserDefaults::Prior;
    return 0;
}

// --- Observation ------------------------------------------------------------

Observation::Observation()
    : self_(std::make_shared<Observation*>(this)) {}

Observation::~Observation() = default;

Observation& Observation::bindToLifetime(QObject* owner) {
    std::weak_ptr<Observation*> weakSelf = self_;
    lifetime_ = std::make_unique<LifetimeAssociation>(owner, [weakSelf] {
        if (auto self = weakSelf.lock())
            (*self)->invalidate();
    });
    return *this;
}

void Observation::unbindLifetime() {
    lifetime_.reset();
}

void Observation::dropLifetime() {
    // The association may be running its handler right now (the owner is being
    // destroyed); let it finish before it goes.
    if (lifetime_)
        lifetime_->cancel();
}

// --- One key ----------------------------------------------------------------

UserDefaultsKeyObservation::UserDefaultsKeyObservation(const std::shared_ptr<UserDefaults>& suite,
                                                       QString key, Callback callback)
    : suite_(suite)
    , key_(std::move(key))
    , callback_(std::move(callback)) {}

UserDefaultsKeyObservation::~UserDefaultsKeyObservation() {
    invalidate();
}

void UserDefaultsKeyObservation::start(ObservationOptions options) {
    auto suite = suite_.lock();
    if (!suite || registration_)
        return;
    // Registered before the initial value is told, so that a callback that
    // ends the observation right away finds a registration to remove.
    registration_ =
        suite->addObserver(key_, options.forSuite() & ~UserDefaults::Initial,
                           [this](const UserDefaults::Change& change) { handle(change); });
    if (options.initial)
        handle({false, suite->object(key_), QVariant()});
}

void UserDefaultsKeyObservation::handle(const UserDefaults::Change& change) {
    if (changeNotificationsSuppressed())
        return;
    callback_(BaseChange{change.isPrior, change.newValue, change.oldValue});
}

void UserDefaultsKeyObservation::invalidate() {
    if (auto suite = suite_.lock(); suite && registration_)
        suite->removeObserver(*registration_);
    registration_.reset();
    suite_.reset();
    dropLifetime();
}

// --- Several keys -----------------------------------------------------------

CompositeUserDefaultsKeyObservation::CompositeUserDefaultsKeyObservation(
    std::vector<std::reference_wrapper<const Keys>> keys,
    std::function<void(const BaseChange&)> callback)
    : callback_(std::move(callback)) {
    for (const Keys& key : keys)
        observables_.push_back({key.suitePointer(), key.name(), std::nullopt});
}

CompositeUserDefaultsKeyObservation::~CompositeUserDefaultsKeyObservation() {
    invalidate();
}

void CompositeUserDefaultsKeyObservation::start(ObservationOptions options) {
    auto deliver = [this](const auto& change) {
        if (!changeNotificationsSuppressed())
            callback_(BaseChange{change.isPrior, change.newValue, change.oldValue});
    };
    for (auto& pair : observables_) {
        auto suite = pair.suite.lock();
        if (suite && !pair.registration)
            pair.registration =
                suite->addObserver(pair.key, options.forSuite() & ~UserDefaults::Initial, deliver);
    }
    if (!options.initial)
        return;
    // Told once everything is registered; a callback may end the observation.
    for (const auto& pair : observables_) {
        if (auto suite = pair.suite.lock(); suite && pair.registration)
            deliver(UserDefaults::Change{false, suite->object(pair.key), QVariant()});
    }
}

void CompositeUserDefaultsKeyObservation::invalidate() {
    for (auto& pair : observables_) {
        if (auto suite = pair.suite.lock(); suite && pair.registration)
            suite->removeObserver(*pair.registration);
        pair.registration.reset();
        pair.suite.reset();
    }
    dropLifetime();
}

std::unique_ptr<CompositeUserDefaultsKeyObservation>
observe(std::vector<std::reference_wrapper<const Keys>> keys, ObservationOptions options,
        std::function<void()> handler) {
    auto observation = std::make_unique<CompositeUserDefaultsKeyObservation>(
        std::move(keys), [handler = std::move(handler)](const BaseChange&) { handler(); });
    observation->start(options);
    return observation;
}

} // namespace Defaults
