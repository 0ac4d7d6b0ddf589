// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/ReadyMadeItems.h"

#include "kit/Feedback.h"
#include "kit/JXKit.h"
#include "kit/MakerApps.h"
#include "kit/OpenUrl.h"
#include "kit/PendingServices.h"

#include <QCoreApplication>

namespace menubar {

namespace {

CallbackMenuItem* addUrlItem(JXMenu& menu, const MenuServices& services, QString title, QUrl url) {
    return &menu.addCallbackItem(std::move(title),
                                 [platform = services.kit.platform(), url = std::move(url)] {
                                     kit::openUrlOrTell(platform, url);
                                 });
}

} // namespace

CallbackMenuItem* addMoreAppsItem(JXMenu& menu, const MenuServices& services) {
    return addUrlItem(menu, services,
                      QCoreApplication::translate("ReadyMadeItems", "More Apps by Me"),
                      kit::makerAppsPage(services.metadata, services.kit.platform().store));
}

CallbackMenuItem* addWebsiteItem(JXMenu& menu, const MenuServices& services) {
    if (!services.metadata.website)
        return nullptr;
    return addUrlItem(menu, services, QCoreApplication::translate("ReadyMadeItems", "Website"),
                      *services.metadata.website);
}

CallbackMenuItem* addFAQItem(JXMenu& menu, const MenuServices& services,
                             const std::optional<QUrl>& url) {
    if (url)
        return addUrlItem(menu, services, QCoreApplication::translate("ReadyMadeItems", "FAQ"),
                          *url);
    if (!services.metadata.website)
        return nullptr;
    QUrl faq = *services.metadata.website;
    faq.setFragment(QStringLiteral("faq"));
    return addUrlItem(menu, services, QCoreApplication::translate("ReadyMadeItems", "FAQ"), faq);
}

CallbackMenuItem* addRateAppItem(JXMenu& menu, const MenuServices& services) {
    const auto record = kit::ownStoreRecord(services.metadata, services.kit.platform().store);
    if (!record || services.kit.isFirstLaunch())
        return nullptr;
    kit::PendingServices& pending = services.pending;
    return &menu.addCallbackItem(QCoreApplication::translate("ReadyMadeItems", "Rate App"),
                                 [&pending, app = *record] { pending.rateApp(app); });
}

CallbackMenuItem* addQuitItem(JXMenu& menu, const MenuServices& services) {
    JXKit& kit = services.kit;
    return &menu.addCallbackItem(
        QCoreApplication::translate("ReadyMadeItems", "Quit %1").arg(kit.identity().name()),
        {.key = QStringLiteral("q")}, [&kit] { kit.quit(false); });
}

void showAboutPanel(const MenuServices& services) {
    services.kit.showAboutPanel();
}

void sendFeedback(const MenuServices& services) {
    kit::sendFeedback(services.kit);
}

} // namespace menubar
