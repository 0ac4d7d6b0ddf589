// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorMenu.h"

#include "app/SeparatorCharacters.h"
#include "app/SeparatorListEdits.h"
#include "app/TipText.h"
#include "kit/JXKit.h"
#include "kit/PendingServices.h"
#include "menubar/ReadyMadeItems.h"

#include <QCoreApplication>

namespace app {

namespace {

// A disabled line of text that only informs.
void addTip(JXMenu& menu, const QString& text, int width) {
    platform::MenuItem& tip = menu.addPlainItem(QString());
    tip.setEnabled(false);
    tip.setAttributedTitle({wrappedToWidth(text, width), std::nullopt});
}

void addCharacterSection(JXMenu& menu, const keys::SeparatorItem& separator,
                         const SeparatorMenuActions& actions) {
    menu.addHeader(QCoreApplication::translate("SeparatorMenu", "Separator"), true);
    for (const SeparatorCharacter& choice : separatorCharacters()) {
        CallbackMenuItem& item =
            menu.addCallbackItem(QString(), {.isChecked = separator.character == choice.character},
                                 [choose = actions.chooseCharacter, character = choice.character] {
                                     choose(character);
                                 });
        item.setAttributedTitle(choice.menuLabel());
        item.setAccessibilityDescription(choice.accessibilityDescription());
        item.setChoice(true);
    }
}

std::shared_ptr<JXMenu> tipsSubmenu(const QString& tip) {
    auto tips = std::make_shared<JXMenu>();
    addTip(*tips, tip, 40);
    return tips;
}

std::shared_ptr<JXMenu> moreSubmenu(const menubar::MenuServices& services, const QString& tip) {
    auto more = std::make_shared<JXMenu>();
    more->addCallbackItem(QCoreApplication::translate("SeparatorMenu", "About"),
                          [services] { menubar::showAboutPanel(services); });
    more->addSeparator();
    more->addCallbackItem(QCoreApplication::translate("SeparatorMenu", "Send Feedback\u2026"),
                          [services] { menubar::sendFeedback(services); });
    more->addSeparator();
    if (!services.kit.isFirstLaunch())
        more->addSubmenuItem(QCoreApplication::translate("SeparatorMenu", "Tips"), true,
                             [tip] { return tipsSubmenu(tip); });
    menubar::addFAQItem(*more, services);
    menubar::addWebsiteItem(*more, services);
    more->addSeparator();
    menubar::addRateAppItem(*more, services);
    kit::PendingServices& pending = services.pending;
    more->addCallbackItem(QCoreApplication::translate("SeparatorMenu", "Share App"),
                          [&pending] { pending.showShareAppScreen(); });
    menubar::addMoreAppsItem(*more, services);
    return more;
}

} // namespace

void buildSeparatorMenu(JXMenu& menu, const keys::SeparatorItem& separator,
                        qsizetype separatorCount, const SeparatorMenuActions& actions,
                        const menubar::MenuServices& services) {
    JXKit& kit = services.kit;
    menu.addCallbackItem(QCoreApplication::translate("SeparatorMenu", "New"),
                         {.isEnabled = separatorCount < maximumSeparators}, actions.addSeparator);
    menu.addCallbackItem(QCoreApplication::translate("SeparatorMenu", "Remove"),
                         {.isEnabled = separatorCount >= 2}, actions.removeSeparator);
    if (actions.addPlacementItems)
        actions.addPlacementItems(menu);
    menu.addSeparator();
    if (kit.isFirstLaunch())
        addTip(menu, actions.tip, 30);
    menu.addSeparator();
    addCharacterSection(menu, separator, actions);
    menu.addSeparator();
    menu.addCallbackItem(QCoreApplication::translate("SeparatorMenu", "Settings\u2026"),
                         {.key = QStringLiteral(",")}, [&kit] { kit.showSettingsWindow(); });
    menu.addSubmenuItem(QCoreApplication::translate("SeparatorMenu", "More"), true,
                        [&services, tip = actions.tip] { return moreSubmenu(services, tip); });
    menu.addSeparator();
    if (kit.isDebugMode()) {
        kit::PendingServices& pending = services.pending;
        menu.addCallbackItem(QCoreApplication::translate("SeparatorMenu", "Debug"),
                             [&pending] { pending.showDebugWindow(); });
    }
    menu.addSeparator();
    menubar::addQuitItem(menu, services);
}

} // namespace app
