// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/SeparatorView.h"
#include "defaults/Default.h"
#include "keys/GapselKeys.h"
#include "keys/SeparatorItem.h"
#include "menubar/JXMenu.h"
#include "menubar/MenuServices.h"

#include <QSet>

#include <memory>
#include <optional>
#include <vector>

namespace app {

// The separators in the menu bar: one SeparatorView, and so one status item,
// per separator identity in the "separators" list, in list order. Whenever the
// list or "reducedOpacity" changes, whoever changed it, the views follow on
// the main queue (several changes in one turn are shown once): views whose
// separator stayed are updated in place, so their status items keep their
// identity; only separators that came or went create or remove a status item.
//
// The list is never left empty while this view exists: an empty list is
// replaced by one em-dash separator. A list that cannot be read in part shows
// what can be read and is not rewritten until the user changes it; an
// identity listed twice shows once and is noted in the error log. Beyond the
// maximum number of separators the rest are not shown, noted in the error
// log once, and left in the list as they are.
class SeparatorsView {
public:
    // The separators are read through `keys`; their status items are added
    // to `statusItems`. With `placement`, the separators stand in list order
    // where the tray lets Gapsel decide, and their menus place them on this
    // desktop.
    SeparatorsView(platform::StatusBar& statusBar, menubar::StatusItemRegistry& statusItems,
                   platform::MainQueue& queue, menubar::MenuServices services,
                   const keys::SeparatorKeys& keys, SeparatorPlacement* placement = nullptr);
    ~SeparatorsView();
    SeparatorsView(const SeparatorsView&) = delete;
    SeparatorsView& operator=(const SeparatorsView&) = delete;

    // One per distinct separator identity, in list order.
    const std::vector<std::unique_ptr<SeparatorView>>& views() const { return views_; }
    // A separator's menu as it would open now, for its items' key
    // equivalents; its items do nothing.
    std::shared_ptr<JXMenu> menuSample() const;

private:
    void scheduleRender();
    void render();
    QList<keys::SeparatorItem> repairedList();
    void reconcile(const QList<keys::SeparatorItem>& list, bool dimmed);
    void arrange();
    void noteDuplicate(const keys::SeparatorItem& separator);
    void noteBeyondMaximum(const QList<keys::SeparatorItem>& list);

    platform::MainQueue& queue_;
    menubar::MenuServices services_;
    Defaults::Default<QList<keys::SeparatorItem>> separators_;
    Defaults::Default<bool> reducedOpacity_;
    SeparatorViewContext context_;
    std::vector<std::unique_ptr<SeparatorView>> views_;
    QSet<QUuid> reportedDuplicates_;
    // Set while the list holds more separators than are shown, so that the
    // error log hears of it once.
    bool reportedBeyondMaximum_ = false;
    // The separator that stands in for an empty list, kept while the list
    // stays empty (also when it could not be stored) so that its status item
    // keeps its identity.
    std::optional<QList<keys::SeparatorItem>> repaired_;
    bool renderScheduled_ = false;
    std::shared_ptr<SeparatorsView*> alive_;
};

} // namespace app
