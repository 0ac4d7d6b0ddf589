// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/UserDefaults.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace debug {

// A preferences domain as the debug window lists it, under its heading.
struct ListedSuite {
    QString title;
    std::shared_ptr<UserDefaults> suite;
};

// A stored value as text: strings as they are, Booleans as 1 and 0, lists and
// dictionaries with their elements in brackets.
QString describe(const QVariant& value);
// "name: value" for every stored entry of the domain, by name.
QStringList listingRows(const UserDefaults& suite);
// Every suite: its title, then its rows, with a blank line between suites.
QString listingText(const std::vector<ListedSuite>& suites);

} // namespace debug
