// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/RateAction.h"

#include "kit/JXKit.h"
#include "kit/OpenUrl.h"
#include "platform/Alerts.h"
#include "platform/MainQueue.h"
#include "platform/Store.h"

#include <QCoreApplication>

namespace kit {

QString rateInStoreButtonTitle(platform::TrayHostKind host) {
    if (host == platform::TrayHostKind::DraggableMenuBar)
        return QCoreApplication::translate("RateAction", "Rate on the App Store");
    return QCoreApplication::translate("RateAction", "Rate in Software Center");
}

RateAction::RateAction(JXKit& kit, platform::Platform platform, std::function<void()> sendFeedback)
    : kit_(kit)
    , platform_(platform)
    , sendFeedback_(std::move(sendFeedback)) {}

void RateAction::run(const StoreApp& app) {
    if (kit_.runOnce(QStringLiteral("rateOnTheAppStorePrompt"))) {
        platform_.mainQueue.async([this, app] { askFirst(app); });
        return;
    }
    openReviewPage(app);
}

void RateAction::askFirst(const StoreApp& app) {
    platform::Alert alert;
    alert.message = QCoreApplication::translate("RateAction", "Thanks for wanting to rate %1")
                        .arg(kit_.identity().name());
    alert.informativeText = QCoreApplication::translate(
        "RateAction",
        "If this is about a bug or a feature request, it's recommended to instead send feedback "
        "directly to the developer. All feedback submissions will receive a quick response.");
    alert.style = platform::AlertStyle::Informational;
    alert.buttons = {rateInStoreButtonTitle(platform_.trayHosts.primary().kind),
                     QCoreApplication::translate("RateAction", "Send Feedback to Developer")};
    switch (platform_.alerts.run(alert).buttonIndex()) {
    case 0:
        openReviewPage(app);
        break;
    case 1:
        sendFeedback_();
        break;
    default:
        break;
    }
}

void RateAction::openReviewPage(const StoreApp& app) {
    openUrlOrTell(platform_, platform_.store.reviewPage(app.id));
}

} // namespace kit
