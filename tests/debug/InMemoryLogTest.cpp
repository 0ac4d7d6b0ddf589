// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/InMemoryLog.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

TEST(InMemoryLog, KeepsTheNewestLinesUpToItsCapacity) {
    debug::InMemoryLog log;
    for (int i = 0; i <= debug::InMemoryLog::capacity; ++i)
        log.append(QString::number(i));

    const QStringList lines = log.lines();
    ASSERT_EQ(lines.size(), debug::InMemoryLog::capacity);
    EXPECT_EQ(lines.first(), QStringLiteral("1"));
    EXPECT_EQ(lines.last(), QString::number(debug::InMemoryLog::capacity));

    log.clear();
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST(InMemoryLog, TakesLinesFromManyThreadsAtOnce) {
    debug::InMemoryLog log;
    constexpr int threads = 4;
    constexpr int perThread = 2000;
    std::vector<std::thread> writers;
    for (int t = 0; t < threads; ++t) {
        writers.emplace_back([&log, t] {
            for (int i = 0; i < perThread; ++i)
                log.append(QStringLiteral("%1:%2").arg(t).arg(i));
        });
    }
    std::thread reader([&log] {
        for (int i = 0; i < 200; ++i)
            EXPECT_LE(log.lines().size(), threads * perThread);
    });
    for (auto& writer : writers)
        writer.join();
    reader.join();

    const QStringList lines = log.lines();
    ASSERT_EQ(lines.size(), threads * perThread);
    // Each thread's lines arrive in the order it wrote them.
    std::vector<int> next(threads, 0);
    for (const QString& line : lines) {
        const int thread = line.section(QLatin1Char(':'), 0, 0).toInt();
        EXPECT_EQ(line.section(QLatin1Char(':'), 1).toInt(), next[thread]++);
    }
}

} // namespace
