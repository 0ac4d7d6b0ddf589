// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ErrorLog.h"
#include "debug/InMemoryLog.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Cancellations are left out.
TEST(ErrorLog, RecordsTheErrorItsContextAndWhereItWasSeen) {
    debug::InMemoryLog::shared().clear();
    EXPECT_FALSE(kit::logError(platform::Error::cancellation(u"cancelled"_s)));
    const auto record =
        kit::logError(platform::Error::failure(u"disk full"_s), {{u"path"_s, u"/var/x"_s}});
    const int line = __LINE__ - 1;

    ASSERT_TRUE(record);
    EXPECT_TRUE(record->contains(QLatin1String("disk full")));
    EXPECT_TRUE(record->contains(QLatin1String("path: /var/x")));
    EXPECT_TRUE(record->contains(QLatin1String("file: ErrorLogTest.cpp")));
    EXPECT_TRUE(record->contains(u"line: %1"_s.arg(line)));
    EXPECT_TRUE(record->contains(u"fileLine: ErrorLogTest.cpp:%1"_s.arg(line)));
    EXPECT_EQ(debug::InMemoryLog::shared().lines(), QStringList{*record});
}

} // namespace
