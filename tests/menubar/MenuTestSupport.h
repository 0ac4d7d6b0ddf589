// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/JXKit.h"
#include "kit/PendingServices.h"
#include "menubar/FirstLaunchServices.h"
#include "menubar/MenuServices.h"
#include "platform/StatusBar.h"
#include "platform/sim/SimPlatform.h"
#include "support/TestEnvironment.h"

#include <QStringList>

#include <memory>

namespace menubar_testing {

using namespace Qt::StringLiterals;

class RecordingServices final : public kit::PendingServices, public menubar::FirstLaunchServices {
public:
    using kit::PendingServices::PendingServices;

    void showShareAppScreen() override { calls.append(u"share"_s); }
    void showDebugWindow() override { calls.append(u"debug"_s); }
    void rateApp(const kit::StoreApp& app) override { calls.append(u"rate "_s + app.id); }
    void requestReviewIfNeeded(const QList<int>& milestones) override {
        QStringList numbers;
        for (int milestone : milestones)
            numbers.append(QString::number(milestone));
        calls.append(u"review "_s + numbers.join(QLatin1Char(',')));
    }
    void showWelcomePopover(const std::shared_ptr<platform::StatusItem>& item,
                            std::function<void()> completion) override {
        calls.append(u"popover"_s);
        greeted = item;
        popoverCompletion = std::move(completion);
    }
    void ensureVisibility(const std::shared_ptr<platform::StatusItem>& item,
                          const menubar::VisibilityCheckOptions& options) override {
        calls.append(u"visibility"_s);
        checked = item;
        visibilityOptions = options;
    }

    QStringList calls;
    std::shared_ptr<platform::StatusItem> greeted;
    std::function<void()> popoverCompletion;
    std::shared_ptr<platform::StatusItem> checked;
    menubar::VisibilityCheckOptions visibilityOptions;
};

// A simulated desktop, the kit of one launch over a fresh preferences file,
// and the services menus act through.
class KitFixture {
public:
    explicit KitFixture(qint64 earlierLaunches = 0)
        : suite(
              UserDefaults::open(u"com.gapsel.Gapsel"_s, testing_support::freshFolder(u"menus"_s) +
                                                             u"/com.gapsel.Gapsel.plist"_s))
        , kit(launch(earlierLaunches))
        , pending(*kit, sim.platform(), suite) {}

    menubar::MenuServices services(kit::Metadata metadata = {QUrl(u"https://gapsel.app/"_s),
                                                             u"2873401956"_s}) {
        return menubar::MenuServices{*kit, sim.workspace, std::move(metadata), pending, sim.alerts};
    }

    platform::sim::SimPlatform sim;
    std::shared_ptr<UserDefaults> suite;
    std::unique_ptr<JXKit> kit;
    RecordingServices pending;

private:
    std::unique_ptr<JXKit> launch(qint64 earlierLaunches) {
        if (earlierLaunches > 0)
            suite->set(earlierLaunches, u"JX_launchCount"_s);
        return std::make_unique<JXKit>(sim.platform(), suite, testing_support::log());
    }
};

} // namespace menubar_testing
