// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorMenu.h"

#include "app/SeparatorCharacters.h"
#include "app/TipText.h"
#include "kit/JXKit.h"
#include "kit/PendingServices.h"
#include "menubar/ReadyMadeItems.h"

namespace app {

namespace {

// A disabled line of text that only informs.
void addTip(JXMenu& menu, int width) {
    platform::MenuItem& tip = menu.addPlainItem(QString());
    tip.setEnabled(false);
    tip.setAttributedTitle({wrappedToWidth(moveSeparatorTip(), width), std::nullopt});
}

void addCharacterSection(JXMenu& menu, const SeparatorItem& separator,
                         const SeparatorMenuActions& actions) {
    menu.addHeader(QStringLiteral("Separator"), true);
    for (const SeparatorCharacter& choice : separatorCharacters()) {
        CallbackMenuItem& item =
            menu.addCallbackItem(QString(), {.isChecked = separator.character == choice.character},
                                 [choose = actions.chooseCharacter, character = choice.character] {
                                     choose(character);
                                 });
        item.setAttributedTitle(choice.menuLabel());
        item.setChoice(true);
    }
}

std::shared_ptr<JXMenu> tipsSubmenu() {
    auto tips = std::make_shared<JXMenu>();
    addTip(*tips, 40);
    return tips;
}

std::shared_ptr<JXMenu> moreSubmenu(const menubar::MenuServices& services) {
    auto more = std::make_shared<JXMenu>();
    more->addCallbackItem(QStringLiteral("About"),
                          [services] { menubar::showAboutPanel(services); });
    more->addSeparator();
    more->addCallbackItem(QStringLiteral("Send Feedback\u2026"),
                          [services] { menubar::sendFeedback(services); });
    more->addSeparator();
    if (!services.kit.isFirstLaunch())
        more->addSubmenuItem(QStringLiteral("Tips"), true, tipsSubmenu);
    menubar::addFAQItem(*more, services);
    menubar::addWebsiteItem(*more, services);
    more->addSeparator();
    menubar::addRateAppItem(*more, services);
    kit::PendingServices& pending = services.pending;
    more->addCallbackItem(QStringLiteral("Share App"),
                          [&pending] { pending.showShareAppScreen(); });
    menubar::addMoreAppsItem(*more, services);
    return more;
}

} // namespace

void buildSeparatorMenu(JXMenu& menu, const SeparatorItem& separator, qsizetype separatorCount,
                        const SeparatorMenuActions& actions,
                        const menubar::MenuServices& services) {
    JXKit& kit = services.kit;
    menu.addCallbackItem(QStringLiteral("New"), actions.addSeparator);
    menu.addCallbackItem(QStringLiteral("Remove"), {.isEnabled = separatorCount >= 2},
                         actions.removeSeparator);
    menu.addSeparator();
    if (kit.isFirstLaunch())
        addTip(menu, 30);
    menu.addSeparator();
    addCharacterSection(menu, separator, actions);
    menu.addSeparator();
    menu.addCallbackItem(QStringLiteral("Settings\u2026"), {.key = QStringLiteral(",")},
                         [&kit] { kit.showSettingsWindow(); });
    menu.addSubmenuItem(QStringLiteral("More"), true,
                        [&services] { return moreSubmenu(services); });
    menu.addSeparator();
    if (kit.isDebugMode()) {
        kit::PendingServices& pending = services.pending;
        menu.addCallbackItem(QStringLiteral("Debug"), [&pending] { pending.showDebugWindow(); });
    }
    menu.addSeparator();
    menubar::addQuitItem(menu, services);
}

} // namespace app
