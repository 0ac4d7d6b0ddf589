// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/JXKit.h"

#include "defaults/Key.h"
#include "keys/GapselKeys.h"
#include "kit/KitLog.h"
#include "kit/ModifierGesture.h"
#include "platform/Application.h"
#include "platform/LoginItems.h"
#include "platform/MainQueue.h"
#include "platform/Modifiers.h"
#include "platform/WindowOpener.h"

#include <limits>

namespace {
JXKit* sharedKit = nullptr;
}

JXKit::JXKit(platform::Platform platform, std::shared_ptr<UserDefaults> defaults,
             const debug::InMemoryLog& log, kit::StartupGestureHandlers gestures)
    : platform_(platform)
    , defaults_(std::move(defaults))
    , log_(log)
    , gestures_(std::move(gestures))
    , identity_(platform.bundle)
    , launchAtLogin_(platform.loginItems, platform.alerts, platform.mainQueue)
    , relauncher_(platform, identity_, defaults_, [this](bool force) { quit(force); }) {
    launchCount_ = countThisLaunch();
    firstLaunchDate_ = settleFirstLaunchDate();
    launchDate_ = platform_.mainQueue.now();
    wasRelaunched_ = consumeWasRelaunched();
    // The main queue keeps order: at its next turn the support window opens
    // before the deletion prompt, before debug mode is settled, before the
    // settings window.
    scheduleStartupGestures();
    scheduleSettingsAfterRelaunch();
    captureLaunchWhenFinished();
}

JXKit& JXKit::shared() {
    if (!sharedKit)
        qFatal("Gapsel/JXKit: the kit was used while the application shared none");
    return *sharedKit;
}

void JXKit::share(JXKit* kit) {
    sharedKit = kit;
}

// Stored at once, so that a run killed right after its start still counts.
// A count that cannot grow any further stays where it is: one stored value
// must not keep every later start from running.
qint64 JXKit::countThisLaunch() {
    const auto key = keys::launchCount(defaults_);
    const qint64 previous = Defaults::get(key);
    if (previous == std::numeric_limits<qint64>::max()) {
        qCWarning(kitLog, "The launch count cannot grow any further; it stays at %lld",
                  static_cast<long long>(previous));
        return previous;
    }
    Defaults::set(key, previous + 1);
    return previous + 1;
}

QDateTime JXKit::settleFirstLaunchDate() {
    const auto key = keys::firstLaunchDate(defaults_);
    if (const auto stored = Defaults::get(key))
        return *stored;
    const QDateTime now = platform_.mainQueue.now();
    Defaults::set(key, std::optional<QDateTime>(now));
    return now;
}

// The flag speaks only to the start right after a relaunch: removing it here
// makes the next ordinary start read false.
bool JXKit::consumeWasRelaunched() {
    const auto key = keys::wasRelaunched(defaults_);
    const bool value = Defaults::get(key);
    Defaults::reset(key);
    return value;
}

void JXKit::scheduleStartupGestures() {
    if (kit::holdsExactly(platform_.modifiers.held(), kit::supportWindowGesture) &&
        gestures_.openSupportWindow)
        platform_.mainQueue.async(gestures_.openSupportWindow);
    platform_.mainQueue.async([this] { runDataDeletionGesture(); });
    platform_.mainQueue.async([this] { runPostLaunchStep(); });
}

void JXKit::runDataDeletionGesture() {
    if (kit::holdsExactly(platform_.modifiers.held(), kit::dataDeletionGesture) &&
        gestures_.confirmDataDeletion)
        gestures_.confirmDataDeletion(*this);
}

// A tray application has no main menu to carry a "Debug" menu; the separators'
// own menus offer it instead. What remains for this step is to settle debug
// mode, at the latest here, from the keys held now.
void JXKit::runPostLaunchStep() {
    isDebugMode();
}

void JXKit::scheduleSettingsAfterRelaunch() {
    const auto key = keys::showSettingsAfterRelaunch(defaults_);
    if (!Defaults::get(key))
        return;
    Defaults::reset(key);
    platform_.mainQueue.async([this] { showSettingsWindow(); });
}

// The command line tells how this run began (at login or by the user); it is
// kept for whoever needs to know later.
void JXKit::captureLaunchWhenFinished() {
    platform_.application.whenFinishedLaunching([this] {
        launchArguments_ = platform_.application.launchArguments();
        wasLaunchedAtLogin_ = platform_.loginItems.wasLaunchedAtLogin();
    });
}

bool JXKit::isDebugMode() const {
    if (!isDebugMode_)
        isDebugMode_ = kit::holdsExactly(platform_.modifiers.held(), kit::debugModeGesture);
    return *isDebugMode_;
}

bool JXKit::runOnce(const QString& identifier) {
    const QString marker = keys::runOnceMarker(identifier);
    if (defaults_->boolean(marker))
        return false;
    defaults_->set(true, marker);
    return true;
}

void JXKit::relaunch(kit::RelaunchOptions options) {
    relauncher_.relaunch(options);
}

void JXKit::quit(bool force) {
    platform_.mainQueue.async([this, force] {
        if (force)
            platform_.application.exitNow();
        else
            platform_.application.terminate();
    });
}

void JXKit::showSettingsWindow() {
    platform_.mainQueue.async([this] { platform_.settingsWindow.open(); });
}

void JXKit::showAboutPanel() {
    platform_.mainQueue.async([this] { platform_.aboutPanel.open(); });
}
