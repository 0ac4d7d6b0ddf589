// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/Metadata.h"
#include "platform/Store.h"

#include <QUrl>

namespace kit {

// The address by which the user passes the application on: its store page on
// the web, else its page on the maker's website, else the maker's page
// listing its applications.
QUrl shareLink(const Metadata& metadata, const platform::Store& store);

} // namespace kit
