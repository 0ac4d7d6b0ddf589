// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/InMemoryLog.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

TEST(InMemoryLog, KeepsTheNewestLinesUpToItsCapacity) {
    debug::InMemoryLog log;
    for (int i = 0; i <= debug::InMemoryLog::capacity; ++i)
        log.append(QString::number(i));

    const QStringList lines = log.lines();
    ASSERT_EQ(lines.size(), debug::InMemoryLog::capacity);
    EXPECT_EQ(lines.first(), u"1"_s);
    EXPECT_EQ(lines.last(), QString::number(debug::InMemoryLog::capacity));
}

TEST(InMemoryLog, TakesLinesFromManyThreadsAtOnceEachInTheOrderWritten) {
    debug::InMemoryLog log;
    constexpr int threads = 4;
    constexpr int perThread = 2000;
    std::vector<std::thread> writers;
    for (int t = 0; t < threads; ++t) {
        writers.emplace_back([&log, t] {
            for (int i = 0; i < perThread; ++i)
                log.append(u"%1:%2"_s.arg(t).arg(i));
        });
    }
    for (int i = 0; i < 200; ++i) // reads while they write
        EXPECT_LE(log.lines().size(), threads * perThread);
    for (auto& writer : writers)
        writer.join();
    std::vector<int> next(threads, 0);
    for (const QString& line : log.lines()) {
        const int thread = line.section(QLatin1Char(':'), 0, 0).toInt();
        EXPECT_EQ(line.section(QLatin1Char(':'), 1).toInt(), next[thread]++);
    }
    EXPECT_EQ(next, std::vector<int>(threads, perThread));
}

} // namespace
