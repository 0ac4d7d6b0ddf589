// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// How fast the separators follow the user: rebuilding one separator's menu as
// it opens, and showing a change of a list of 100 separators. Status items
// and menus are the simulated desktop's, so the figures are Gapsel's own work.

#include "app/SeparatorsView.h"
#include "keys/GapselKeys.h"
#include "kit/JXKit.h"
#include "kit/PendingServices.h"
#include "platform/sim/SimPlatform.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QList<keys::SeparatorItem> separators(int count) {
    QList<keys::SeparatorItem> list;
    for (int index = 0; index < count; ++index)
        list.append(keys::SeparatorItem::make(QStringLiteral("—")));
    return list;
}

// A later launch (no tip in the menu) with `count` separators shown.
struct Fixture {
    explicit Fixture(int count) {
        suite->set(qint64(1), QStringLiteral("JX_launchCount"));
        Defaults::set(keys::separators(suite), separators(count));
        view = std::make_unique<app::SeparatorsView>(
            sim.statusBar, statusItems, sim.queue,
            menubar::MenuServices{
                kit,
                sim.workspace,
                {QUrl(QStringLiteral("https://gapsel.app/")), QStringLiteral("com.gapsel.Gapsel")},
                pending,
                sim.alerts},
            keys::SeparatorKeys(suite));
        sim.queue.runUntilIdle();
    }

    QTemporaryDir folder;
    std::shared_ptr<UserDefaults> suite =
        UserDefaults::open(QStringLiteral("bench"), folder.path() + QStringLiteral("/bench.plist"));
    platform::sim::SimPlatform sim;
    debug::InMemoryLog log;
    JXKit kit{sim.platform(), suite, log};
    kit::PendingServices pending{kit, sim.platform(), suite};
    menubar::StatusItemRegistry statusItems;
    std::unique_ptr<app::SeparatorsView> view;
};

void RebuildSeparatorMenu(benchmark::State& state) {
    Fixture fixture(1);
    JXMenu& menu = fixture.view->views().front()->coordinator().menu();
    for (auto _ : state) {
        menu.menuNeedsUpdate();
        benchmark::DoNotOptimize(menu.items().size());
    }
}
BENCHMARK(RebuildSeparatorMenu)->Unit(benchmark::kMicrosecond);

// From the stored change to the status items in step: the change's delivery
// and the render. The write itself (to disk) is left out; see
// DurableWriteSeparatorList100 for it.
void ShowSeparator101(benchmark::State& state) {
    Fixture fixture(100);
    const auto key = keys::separators(fixture.suite);
    const QList<keys::SeparatorItem> hundred = Defaults::get(key);
    const int createdBefore = fixture.sim.statusBar.createdCount();
    for (auto _ : state) {
        state.PauseTiming();
        auto grown = hundred;
        grown.append(keys::SeparatorItem::make(QStringLiteral("·")));
        Defaults::set(key, grown);
        state.ResumeTiming();
        fixture.sim.queue.runUntilIdle();

        state.PauseTiming();
        Defaults::set(key, hundred);
        fixture.sim.queue.runUntilIdle();
        state.ResumeTiming();
    }
    state.counters["statusItemsCreated"] =
        double(fixture.sim.statusBar.createdCount() - createdBefore) / double(state.iterations());
}
BENCHMARK(ShowSeparator101)->Unit(benchmark::kMicrosecond);

// The same, as the user meets it: New stores the list (durably) and the menu
// bar follows.
void AddSeparator101IncludingTheWrite(benchmark::State& state) {
    Fixture fixture(100);
    const auto key = keys::separators(fixture.suite);
    const QList<keys::SeparatorItem> hundred = Defaults::get(key);
    for (auto _ : state) {
        auto grown = hundred;
        grown.append(keys::SeparatorItem::make(QStringLiteral("·")));
        Defaults::set(key, grown);
        fixture.sim.queue.runUntilIdle();

        state.PauseTiming();
        Defaults::set(key, hundred);
        fixture.sim.queue.runUntilIdle();
        state.ResumeTiming();
    }
}
BENCHMARK(AddSeparator101IncludingTheWrite)->Unit(benchmark::kMicrosecond);

void ShowReducedOpacityFlip100(benchmark::State& state) {
    Fixture fixture(100);
    const auto key = keys::reducedOpacity(fixture.suite);
    bool dimmed = false;
    for (auto _ : state) {
        state.PauseTiming();
        dimmed = !dimmed;
        Defaults::set(key, dimmed);
        state.ResumeTiming();
        fixture.sim.queue.runUntilIdle();
    }
}
BENCHMARK(ShowReducedOpacityFlip100)->Unit(benchmark::kMicrosecond);

} // namespace
