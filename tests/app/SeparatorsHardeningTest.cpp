// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "SeparatorsTestSupport.h"

#include "app/SaveFailureAlerts.h"
#include "debug/InMemoryLog.h"

#include <QFile>

#include <cstring>

using namespace Qt::StringLiterals;

namespace separators_testing {
namespace {

// Another program (here: another domain object over the same file) changes
// the list; the user chooses an action before the change has reached the
// views. The action must edit the list in the file, not the older one shown.
TEST_F(SeparatorsTest, AnActionEditsTheListInTheFileNotAnOlderView) {
    start();
    const auto otherWriter = UserDefaults::open(suite->name(), suite->filePath());
    const auto theirList = app::keys::separators(otherWriter);
    const auto inTheFile = [this] {
        return Defaults::get(
            app::keys::separators(UserDefaults::open(suite->name(), suite->filePath())));
    };
    const struct {
        QString action;
        qsizetype change;
    } table[] = {{u"New"_s, +1}, {u"Remove"_s, -1}};
    for (const auto& row : table) {
        const auto theirs = separator(u"·");
        Defaults::modify(theirList, [&](QList<app::SeparatorItem>& list) { list.append(theirs); });
        const qsizetype before = inTheFile().size();
        choose(0, {row.action});
        const auto list = inTheFile();
        EXPECT_EQ(list.size(), before + row.change) << row.action.toStdString();
        EXPECT_TRUE(list.contains(theirs)) << "the other program's separator survives";
    }
}

TEST_F(SeparatorsTest, ASaveThatFailsIsLoggedAndAlertedOncePerCause) {
    const QString blocker = testing_support::freshFolder(u"blocked"_s) + u"/not-a-folder"_s;
    QFile(blocker).open(QIODevice::WriteOnly);
    const QString path = blocker + u"/com.gapsel.Gapsel.plist"_s;
    const auto unsavable = UserDefaults::open(u"com.gapsel.Gapsel"_s, path);
    const app::SaveFailureAlerts alerts(unsavable, sim.alerts, sim.queue);
    debug::InMemoryLog::shared().clear();

    for (int click = 0; click < 3; ++click)
        EXPECT_FALSE(unsavable->set(click, u"k"_s));
    sim.queue.runUntilIdle();

    ASSERT_EQ(sim.alerts.presentedErrors().size(), 1);
    EXPECT_EQ(sim.alerts.presentedErrors()[0].description,
              u"Gapsel cannot save its settings: %1: it cannot be read (%2)"_s.arg(
                  path, QString::fromLocal8Bit(std::strerror(ENOTDIR))));
    EXPECT_EQ(debug::InMemoryLog::shared().lines().filter(u"[Error] Gapsel cannot save"_s).size(),
              3);
}

} // namespace
} // namespace separators_testing
