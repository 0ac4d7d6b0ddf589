// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <utility>

namespace platform {

// A failure reported by a desktop service, in words a person can read. A
// cancellation (the user or the program called something off) is not a fault
// and is kept apart so that error logs can leave it out.
struct Error {
    QString description;
    bool isCancellation = false;

    static Error failure(QString description) { return Error{std::move(description), false}; }
    static Error cancellation(QString description) { return Error{std::move(description), true}; }
};

} // namespace platform
