// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

namespace platform {

// Which kinds of address the desktop can open.
class UrlSchemes {
public:
    virtual ~UrlSchemes() = default;

    // Whether some installed application declares that it opens addresses
    // with this scheme (for example "appstream").
    virtual bool hasHandler(const QString& scheme) const = 0;
};

} // namespace platform
