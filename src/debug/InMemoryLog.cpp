// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/InMemoryLog.h"

namespace debug {

void InMemoryLog::append(const QString& line) {
    const std::lock_guard lock(mutex_);
    if (lines_.size() == static_cast<std::size_t>(capacity))
        lines_.pop_front();
    lines_.push_back(line);
}

QStringList InMemoryLog::lines() const {
    const std::lock_guard lock(mutex_);
    return QStringList(lines_.begin(), lines_.end());
}

void InMemoryLog::clear() {
    const std::lock_guard lock(mutex_);
    lines_.clear();
}

} // namespace debug
