// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/UrlSchemes.h"

#include <QSet>

namespace platform::sim {

// A desktop on which the test decides which schemes have a handler; none at first.
class SimUrlSchemes final : public UrlSchemes {
public:
    bool hasHandler(const QString& scheme) const override { return handled_.contains(scheme); }

    void installHandler(const QString& scheme) { handled_.insert(scheme); }

private:
    QSet<QString> handled_;
};

} // namespace platform::sim
