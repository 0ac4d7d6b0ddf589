// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/ItemVisibility.h"

#include <QStringList>

#include <map>
#include <optional>

namespace platform::sim {

// The simulated menu bar's view of its items: each item's window as a test
// places it, judged the way a menu bar that leaves out items for want of room
// is judged. An item nobody scripted sits visibly on the screen.
class SimItemVisibility final : public ItemVisibility {
public:
    // The window that draws an item in the menu bar.
    struct Window {
        // Whether any part of it can be seen.
        bool isOccludedVisible = true;
        // Its left edge; a menu bar parks items it left out at 0 or right of it.
        double originX = 1000;
        bool isOnScreen = true;
    };
    struct ItemState {
        // False once the user took the item out of the menu bar.
        bool isVisible = true;
        std::optional<Window> window = Window{};
    };

    // The simulated menu bar answers at once.
    void hiddenBySystem(StatusItem& item,
                        std::function<void(HiddenVerdict)> answer) const override {
        answer(verdictFor(item));
    }
    void isOnScreen(StatusItem& item, std::function<void(bool)> answer) const override {
        const ItemState state = stateOf(item);
        answer(state.window && state.window->isOnScreen);
    }
    bool menuBarHidesAutomatically() const override { return hidesAutomatically_; }
    bool hasMainScreen() const override { return true; }
    bool isDarkWake() const override { return isDarkWake_; }
    // The menu-bar organisers that hide items there, by whether they run.
    ReportFacts reportFacts(const HiddenVerdict& verdict) const override;

    void setState(const StatusItem& item, ItemState state) { states_[&item] = state; }
    // What a tray reports for the item instead of the menu bar's rules, where
    // a test plays one.
    void setTrayVerdict(const StatusItem& item, HiddenVerdict verdict) {
        trayVerdicts_[&item] = verdict;
    }
    void setMenuBarHidesAutomatically(bool hides) { hidesAutomatically_ = hides; }
    void setDarkWake(bool isDarkWake) { isDarkWake_ = isDarkWake; }
    // The identifiers of the applications running beside Gapsel.
    QStringList runningApplications;

private:
    HiddenVerdict verdictFor(const StatusItem& item) const;
    ItemState stateOf(const StatusItem& item) const {
        const auto found = states_.find(&item);
        return found == states_.end() ? ItemState{} : found->second;
    }

    std::map<const StatusItem*, ItemState> states_;
    std::map<const StatusItem*, HiddenVerdict> trayVerdicts_;
    bool hidesAutomatically_ = false;
    bool isDarkWake_ = false;
};

} // namespace platform::sim
