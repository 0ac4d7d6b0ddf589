// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

namespace platform {

// What lasts for as long as the user is logged in, and no longer.
class LoginSession {
public:
    virtual ~LoginSession() = default;

    // True the first time in this login that anyone asks about `mark`, false
    // every time after that, in this process and in later ones.
    virtual bool isFirstThisLogin(const QString& mark) = 0;
};

} // namespace platform
