// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/WelcomePopover.h"

#include "menubar/Once.h"
#include "menubar/Tooltip.h"
#include "platform/BundleInfo.h"
#include "platform/MainQueue.h"
#include "platform/Popover.h"
#include "platform/StatusBar.h"

#include <QCoreApplication>

namespace menubar {

namespace {

// One greeting in progress. The timer of the main queue cannot be withdrawn,
// so a click on the greeting marks it as spent instead.
struct Greeting {
    std::unique_ptr<Tooltip> tooltip;
    std::shared_ptr<Once> completion;
    bool timerValid = true;
};

void removeRecognizer(const std::weak_ptr<platform::StatusItem>& item) {
    if (const auto live = item.lock())
        live->button().setClickRecognizer({});
}

} // namespace

WelcomePopover::WelcomePopover(platform::Platform platform, std::shared_ptr<UserDefaults> defaults)
    : platform_(platform)
    , defaults_(std::move(defaults)) {}

void WelcomePopover::show(const std::shared_ptr<platform::StatusItem>& item,
                          std::function<void()> completion) {
    const std::weak_ptr<platform::StatusItem> weakItem = item;
    platform_.mainQueue.asyncAfter(showDelay, [this, weakItem, completion]() mutable {
        if (const auto live = weakItem.lock())
            present(live, std::move(completion));
        else
            completion();
    });
}

void WelcomePopover::present(const std::shared_ptr<platform::StatusItem>& item,
                             std::function<void()> completion) {
    platform::MainQueue& queue = platform_.mainQueue;
    const auto greeting = std::make_shared<Greeting>();
    greeting->completion = std::make_shared<Once>(std::move(completion));
    greeting->tooltip = std::make_unique<Tooltip>(Tooltip::Settings{identifier(), false, false},
                                                  platform_, defaults_);
    const std::weak_ptr<platform::StatusItem> weakItem = item;
    const std::weak_ptr<Greeting> weakGreeting = greeting;

    greeting->tooltip->configure(Tooltip::Content{
        QCoreApplication::translate("WelcomePopover", "Hello, I'm %1").arg(platform_.bundle.name),
        insets, maxWidth, true, [&queue, weakItem, weakGreeting] {
            removeRecognizer(weakItem);
            if (const auto live = weakGreeting.lock()) {
                live->timerValid = false;
                queue.async([once = live->completion] { (*once)(); });
            }
        }});
    // A click on the item itself goes on to the item by itself (its menu
    // opens), so the recognizer only closes the greeting and completes.
    item->button().setClickRecognizer([&queue, weakItem, weakGreeting] {
        const auto live = weakGreeting.lock();
        if (!live)
            return;
        live->tooltip->close();
        removeRecognizer(weakItem);
        queue.async([once = live->completion] { (*once)(); });
    });

    // It bounces once it is shown, which may be a turn later: whether the
    // item is on a screen is the tray's to answer.
    greeting->tooltip->show(item, [this, weakGreeting] {
        const auto live = weakGreeting.lock();
        if (live && live->tooltip->animates())
            platform_.popover.shake(shakeDuration, shakeAmount);
    });

    // The greeting lives until its timer has run: later clicks only repeat
    // harmless closes.
    queue.asyncAfter(closeDelay, [greeting, weakItem] {
        if (!greeting->timerValid)
            return;
        removeRecognizer(weakItem);
        greeting->tooltip->close();
        (*greeting->completion)();
    });
}

} // namespace menubar
