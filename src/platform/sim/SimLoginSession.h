// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/LoginSession.h"

#include <QSet>

namespace platform::sim {

// A login that a test can end, to start the next one.
class SimLoginSession final : public LoginSession {
public:
    bool isFirstThisLogin(const QString& mark) override {
        if (marks_.contains(mark))
            return false;
        marks_.insert(mark);
        return true;
    }
    void logOutAndIn() { marks_.clear(); }

private:
    QSet<QString> marks_;
};

} // namespace platform::sim
