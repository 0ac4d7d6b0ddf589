// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Publisher.h"
#include "defaults/Signal.h"

#include <memory>
#include <variant>

namespace menubar {

namespace detail {

// A signal that subscriptions may outlive: a cancelled or late subscription
// finds the signal gone and does nothing.
template <class T> struct SharedSignal { Defaults::Signal<T> signal; };

template <class T> class SignalSubscription final : public Defaults::Cancellable {
public:
    SignalSubscription(std::weak_ptr<SharedSignal<T>> shared,
                       typename Defaults::Signal<T>::ConnectionId id)
        : shared_(std::move(shared))
        , id_(id) {}
    ~SignalSubscription() override { cancel(); }
    void cancel() override {
        if (const auto shared = shared_.lock())
            shared->signal.disconnect(id_);
        shared_.reset();
    }

private:
    std::weak_ptr<SharedSignal<T>> shared_;
    typename Defaults::Signal<T>::ConnectionId id_;
};

// Subscribes to the signal while it lives; `greet` first tells a new
// subscriber what it is to know at once.
template <class T, class Shared, class Greet>
Defaults::Publisher<T> signalPublisher(std::weak_ptr<Shared> weak, Greet greet) {
    return Defaults::Publisher<T>(
        [weak, greet](typename Defaults::Publisher<T>::Subscriber subscriber)
            -> std::unique_ptr<Defaults::Cancellable> {
            const auto shared = weak.lock();
            if (!shared)
                return std::make_unique<SignalSubscription<T>>(weak, 0);
            greet(*shared, subscriber);
            const auto id = shared->signal.connect(std::move(subscriber));
            return std::make_unique<SignalSubscription<T>>(weak, id);
        });
}

} // namespace detail

// Passes each value sent on to the current subscribers; keeps nothing.
template <class T = std::monostate> class PassthroughSubject {
public:
    void send(const T& value = T()) const { shared_->signal.send(value); }

    Defaults::Publisher<T> publisher() const {
        return detail::signalPublisher<T>(std::weak_ptr(shared_), [](const auto&, const auto&) {});
    }

private:
    std::shared_ptr<detail::SharedSignal<T>> shared_ = std::make_shared<detail::SharedSignal<T>>();
};

// Holds a current value: a new subscriber is told it at once, then every
// value sent.
template <class T> class CurrentValueSubject {
public:
    explicit CurrentValueSubject(T initial)
        : shared_(std::make_shared<Shared>(Shared{{}, std::move(initial)})) {}

    const T& value() const { return shared_->value; }
    void send(const T& value) const {
        shared_->value = value;
        shared_->signal.send(value);
    }

    Defaults::Publisher<T> publisher() const {
        return detail::signalPublisher<T>(
            std::weak_ptr(shared_),
            [](const Shared& shared, const auto& subscriber) { subscriber(shared.value); });
    }

private:
    struct Shared : detail::SharedSignal<T> {
        T value;
    };
    std::shared_ptr<Shared> shared_;
};

} // namespace menubar
