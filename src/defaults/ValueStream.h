// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Observation.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace Defaults {

// The values of a key as they change, buffered without bound until the
// consumer takes them. Any thread may consume. Finishing the stream (or
// destroying it) ends its observation.
template <class V> class ValueStream {
public:
    ValueStream(const Key<V>& key, bool initial)
        : buffer_(std::make_shared<Buffer>()) {
        std::weak_ptr<Buffer> weakBuffer = buffer_;
        observation_ = std::make_unique<UserDefaultsKeyObservation>(
            key.suitePointer(), key.name(),
            [weakBuffer, defaultValue = key.defaultValue()](const BaseChange& change) {
                if (auto buffer = weakBuffer.lock())
                    buffer->push(KeyChange<V>(change, defaultValue).newValue);
            });
        observation_->start({.initial = initial});
    }
    ~ValueStream() { finish(); }
    ValueStream(const ValueStream&) = delete;
    ValueStream& operator=(const ValueStream&) = delete;

    // The next value, waiting for one; none once the stream has finished.
    std::optional<V> next() { return buffer_->take(true); }
    // The next value if one is waiting.
    std::optional<V> tryNext() { return buffer_->take(false); }
    // The consumer is done: stop observing and wake a waiting next().
    void finish() {
        if (observation_)
            observation_->invalidate();
        buffer_->close();
    }

private:
    struct Buffer {
        std::mutex mutex;
        std::condition_variable arrived;
        std::deque<V> values;
        bool closed = false;

        void push(V value) {
            {
                std::lock_guard lock(mutex);
                if (closed)
                    return;
                values.push_back(std::move(value));
            }
            arrived.notify_one();
        }
        std::optional<V> take(bool wait) {
            std::unique_lock lock(mutex);
            if (wait)
                arrived.wait(lock, [this] { return closed || !values.empty(); });
            if (values.empty())
                return std::nullopt;
            V value = std::move(values.front());
            values.pop_front();
            return value;
        }
        void close() {
            {
                std::lock_guard lock(mutex);
                closed = true;
                values.clear();
            }
            arrived.notify_all();
        }
    };

    std::shared_ptr<Buffer> buffer_;
    std::unique_ptr<UserDefaultsKeyObservation> observation_;
};

template <class V>
std::unique_ptr<ValueStream<V>> valueStream(const Key<V>& key, bool initial = true) {
    return std::make_unique<ValueStream<V>>(key, initial);
}

} // namespace Defaults
