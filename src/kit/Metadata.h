// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace kit {

// What the application tells the kit about itself beyond its bundle: its page
// on the maker's website and its identifier in the store (as the desktop's
// store names it). The website, FAQ and rating menu items and the share
// screen read it.
struct Metadata {
    std::optional<QUrl> website;
    std::optional<QString> appStoreId;
};

} // namespace kit
