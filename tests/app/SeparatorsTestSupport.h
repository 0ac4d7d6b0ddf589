// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/SeparatorsView.h"
#include "keys/GapselKeys.h"
#include "menubar/MenuTestSupport.h"
#include "platform/sim/SimMenuDescription.h"

#include <gtest/gtest.h>

namespace separators_testing {

using namespace Qt::StringLiterals;

using platform::sim::SimStatusItem;

// The separators over the simulated desktop, the kit of one launch and a
// fresh preferences file.
class SeparatorsTest : public ::testing::Test, public menubar_testing::KitFixture {
protected:
    explicit SeparatorsTest(qint64 earlierLaunches = 0)
        : KitFixture(earlierLaunches) {}

    void start(app::SeparatorPlacement* placement = nullptr) {
        view =
            std::make_unique<app::SeparatorsView>(sim.statusBar, statusItems, sim.queue, services(),
                                                  keys::SeparatorKeys(suite), placement);
        sim.queue.runUntilIdle();
    }

    QList<keys::SeparatorItem> stored() { return Defaults::get(keys::separators(suite)); }
    void store(const QList<keys::SeparatorItem>& list) {
        Defaults::set(keys::separators(suite), list);
    }
    QVariant storedObject() { return suite->object(u"separators"_s); }

    std::vector<SimStatusItem*> items() { return sim.statusBar.items(); }
    SimStatusItem& item(std::size_t index) { return *items().at(index); }
    QStringList titles() {
        QStringList result;
        for (SimStatusItem* shown : items())
            result.append(shown->simButton().title());
        return result;
    }
    QStringList menuOf(std::size_t index) {
        const platform::Menu* menu = item(index).openMenu();
        return menu ? platform::sim::describeMenu(*menu) : QStringList();
    }
    QStringList submenuOf(std::size_t index, const QString& title) {
        item(index).openMenu();
        for (const auto& entry : item(index).shownMenu()->items()) {
            if (entry->displayedText() == title && entry->submenu())
                return platform::sim::describeMenu(*entry->submenu());
        }
        return {};
    }
    // Chooses along `path` in the separator's menu; the main queue catches up.
    void choose(std::size_t index, const QStringList& path) {
        item(index).openMenu();
        ASSERT_TRUE(item(index).choose(path)) << path.join(u" > "_s).toStdString();
        sim.queue.runUntilIdle();
    }

    menubar::StatusItemRegistry statusItems;
    std::unique_ptr<app::SeparatorsView> view;
};

inline keys::SeparatorItem separator(const char16_t* character) {
    return keys::SeparatorItem::make(QString::fromUtf16(character));
}

} // namespace separators_testing
