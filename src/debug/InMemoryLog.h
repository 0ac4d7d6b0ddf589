// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <mutex>

namespace debug {

// The last lines the program logged, kept in memory for the debug window and
// the debug information. Bounded: once full, each new line pushes out the
// oldest. Any thread may append, read or clear.
class InMemoryLog {
public:
    static constexpr int capacity = 10000;

    InMemoryLog() = default;
    InMemoryLog(const InMemoryLog&) = delete;
    InMemoryLog& operator=(const InMemoryLog&) = delete;

    void append(const QString& line);
    // Oldest first.
    QStringList lines() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::deque<QString> lines_;
};

} // namespace debug
