// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/UrlSchemes.h"

namespace platform::xdg {

// Scheme handlers as the desktop's MIME associations name them
// (x-scheme-handler/<scheme>): asked of xdg-mime, and where that is not
// installed, read from the desktop entries' MIME cache.
class XdgUrlSchemes final : public UrlSchemes {
public:
    bool hasHandler(const QString& scheme) const override;
    // Whether some installed application opens content of this MIME type
    // (for example "inode/directory", a folder).
    bool hasHandlerForType(const QString& mimeType) const;
};

} // namespace platform::xdg
