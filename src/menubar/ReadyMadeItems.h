// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "menubar/JXMenu.h"
#include "menubar/MenuServices.h"

#include <QUrl>

#include <optional>

// The kit's menu items with fixed wording. Each appends to `menu` and returns
// the item, or appends nothing and returns null when its condition fails. A
// page that no application opens is reported, never dropped silently.
namespace menubar {

// "More Apps by Me": the maker's web page listing its applications.
CallbackMenuItem* addMoreAppsItem(JXMenu& menu, const MenuServices& services);
// "Website", when the application's website is known.
CallbackMenuItem* addWebsiteItem(JXMenu& menu, const MenuServices& services);
// "FAQ": `url`, else the website with the fragment "faq"; nothing without either.
CallbackMenuItem* addFAQItem(JXMenu& menu, const MenuServices& services,
                             const std::optional<QUrl>& url = std::nullopt);
// "Rate App", when the application has a store record and this is not its
// first launch.
CallbackMenuItem* addRateAppItem(JXMenu& menu, const MenuServices& services);
// "Quit <name>" with Command-Q: asks the application to end, on a later turn
// of the main queue.
CallbackMenuItem* addQuitItem(JXMenu& menu, const MenuServices& services);

// Actions without an item of their own. "Send Feedback…" opens the feedback
// page with the debug summary.
void showAboutPanel(const MenuServices& services);
void sendFeedback(const MenuServices& services);

} // namespace menubar
