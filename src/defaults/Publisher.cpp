// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/Publisher.h"

namespace Defaults {

DefaultsSubscription::DefaultsSubscription(const std::shared_ptr<UserDefaults>& suite,
                                           const QString& key,
                                           std::function<void(const BaseChange&)> subscriber)
    : subscriber_(std::make_shared<std::function<void(const BaseChange&)>>(std::move(subscriber))) {
    std::weak_ptr<std::function<void(const BaseChange&)>> weakSubscriber = subscriber_;
    observation_ = std::make_unique<UserDefaultsKeyObservation>(
        suite, key, [weakSubscriber](const auto& change) {
            if (auto live = weakSubscriber.lock())
                (*live)(change);
        });
}

void DefaultsSubscription::cancel() {
    observation_.reset();
    subscriber_.reset();
}

Publisher<BaseChange> defaultsPublisher(const std::shared_ptr<UserDefaults>& suite,
                                        const QString& key, ObservationOptions options) {
    std::weak_ptr<UserDefaults> weakSuite = suite;
    return Publisher<BaseChange>([weakSuite, key,
                                  options](Publisher<BaseChange>::Subscriber subscriber) {
        auto subscription =
            std::make_unique<DefaultsSubscription>(weakSuite.lock(), key, std::move(subscriber));
        subscription->start(options);
        return subscription;
    });
}

Publisher<std::monostate> changePublisher(std::vector<std::reference_wrapper<const Keys>> keys,
                                          ObservationOptions options) {
    std::vector<Publisher<std::monostate>> perKey;
    for (const Keys& key : keys) {
        perKey.push_back(
            defaultsPublisher(key.suitePointer(), key.name(), options).map([](const BaseChange&) {
                return std::monostate{};
            }));
    }
    return Publisher<std::monostate>::merge(std::move(perKey));
}

} // namespace Defaults
