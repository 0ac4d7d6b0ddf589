// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Defaults.h"
#include "support/TestEnvironment.h"

#include <QUuid>

// A record shaped like a separator, and a suite of its own for each test.
struct Record {
    QUuid id;
    QString character;
    static constexpr auto jsonFields() {
        return std::tuple{Defaults::Json::field("id", &Record::id),
                          Defaults::Json::field("character", &Record::character)};
    }
    friend bool operator==(const Record&, const Record&) = default;
};

enum class Shade { light = 1, dark = 2 };
template <>
struct Defaults::Json::RawValue<Shade>
    : Defaults::Json::IntegerRawValue<Shade, Shade::light, Shade::dark> {};

inline std::shared_ptr<UserDefaults> freshSuite() {
    return UserDefaults::open(QStringLiteral("test"),
                              testing_support::freshFolder(QStringLiteral("suite")) +
                                  QStringLiteral("/test.plist"));
}

inline const QUuid exampleId =
    QUuid::fromString(QStringLiteral("3F2504E0-4F89-41D3-9A0C-0305E82C3301"));
