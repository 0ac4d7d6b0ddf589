// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/VisibilityCheck.h"

#include "keys/GapselKeys.h"
#include "kit/JXKit.h"
#include "menubar/MenuBarLog.h"
#include "menubar/VisibilityMessages.h"
#include "menubar/VisibilityReport.h"
#include "platform/Alerts.h"
#include "platform/MainQueue.h"
#include "platform/TrayHosts.h"
#include "platform/Uptime.h"

#include <QCoreApplication>

namespace menubar {

VisibilityCheck::VisibilityCheck(JXKit& kit, platform::Platform platform,
                                 std::shared_ptr<UserDefaults> defaults)
    : kit_(kit)
    , platform_(platform)
    , defaults_(std::move(defaults)) {}

void VisibilityCheck::ensureVisibility(const std::shared_ptr<platform::StatusItem>& item,
                                       const VisibilityCheckOptions& options) {
    if (Defaults::get(keys::visibilityCheckShouldNotShowAgain(defaults_)))
        return;
    // A launch at login shares the first seconds with the whole session
    // starting, so the tray is given longer to settle then.
    const double delay = kit_.wasLaunchedAtLogin() ? settleDelayAtLogin : settleDelay;
    platform_.mainQueue.asyncAfter(delay, [this, item, options] { check(item, options); });
}

void VisibilityCheck::check(const std::shared_ptr<platform::StatusItem>& item,
                            const VisibilityCheckOptions& options) {
    // The answer holds the item until it comes.
    platform_.itemVisibility.hiddenBySystem(
        *item, [this, item, options](const platform::HiddenVerdict& verdict) {
            judged(verdict, options);
        });
}

void VisibilityCheck::judged(const platform::HiddenVerdict& verdict,
                             const VisibilityCheckOptions& options) {
    if (!verdict.isHidden() || platform_.itemVisibility.isDarkWake())
        return;
    qCInfo(menuBarLog) << "The status item did not appear; cause"
                       << static_cast<int>(verdict.cause);
    if (kit_.wasLaunchedAtLogin() && kit_.runOnce(reportMarker()))
        sendReport(verdict);
    warn(verdict, options);
}

void VisibilityCheck::sendReport(const platform::HiddenVerdict& verdict) const {
    const platform::ItemVisibility& visibility = platform_.itemVisibility;
    VisibilityReport report;
    report.hasMainScreen = visibility.hasMainScreen();
    report.isDarkWake = visibility.isDarkWake();
    report.uptime = platform_.uptime.systemUptime();
    report.uptimeIncludingSleep = platform_.uptime.uptimeIncludingSleep();
    report.appUptime =
        static_cast<double>(kit_.launchDate().msecsTo(platform_.mainQueue.now())) / 1000.0;
    report.wasLaunchedAtLogin = kit_.wasLaunchedAtLogin();
    report.desktopFacts = visibility.reportFacts(verdict);
    report.send();
}

// The alert is raised above other applications' windows by the desktop's
// alert service itself: a tray utility has no window that could be in front.
void VisibilityCheck::warn(const platform::HiddenVerdict& verdict,
                           const VisibilityCheckOptions& options) {
    VisibilityMessages messages = VisibilityMessages::forVerdict(verdict);
    if (options.extraMessage)
        messages = messages.withExtraMessage(*options.extraMessage);

    platform::Alert alert;
    alert.message = messages.title;
    alert.style = platform::AlertStyle::Warning;
    alert.buttons = {QCoreApplication::translate("VisibilityCheck", "OK")};
    if (options.showsOpenSettingsButton)
        alert.buttons.append(QCoreApplication::translate("VisibilityCheck", "Open Settings"));

    // A menu bar that hides itself makes every item look missing; it is told
    // once, whatever the answer. Where nothing shows items at all, no hiding
    // explains it, and the warning must come again until a tray does.
    const bool noTray = verdict.cause == platform::HiddenCause::NoTray ||
                        verdict.cause == platform::HiddenCause::NoTrayHost;
    const bool hidesAutomatically = !noTray && platform_.itemVisibility.menuBarHidesAutomatically();
    if (hidesAutomatically) {
        alert.informativeText = messages.whenHidingAutomatically;
        alert.minimumWidth = 260;
    } else {
        alert.informativeText = messages.otherwise;
        alert.showsSuppressionButton = options.showsSuppressionButton;
        alert.suppressionButtonTitle = VisibilityMessages::checkboxTitle();
    }
    const platform::AlertAnswer answer = platform_.alerts.run(alert);
    if (hidesAutomatically || (alert.showsSuppressionButton && answer.suppressionChecked))
        Defaults::set(keys::visibilityCheckShouldNotShowAgain(defaults_), true);
    if (options.showsOpenSettingsButton && answer.buttonIndex() == 1)
        kit_.showSettingsWindow();
}

} // namespace menubar
