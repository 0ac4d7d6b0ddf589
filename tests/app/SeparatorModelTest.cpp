// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// The separator record, its two preferences and how they are stored; the list
// edits behind New, Remove and the characters; the tip's wrapping.

#include "app/SeparatorKeys.h"
#include "app/SeparatorListEdits.h"
#include "app/TipText.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using app::SeparatorItem;
namespace edits = app::separatorListEdits;

namespace {

std::shared_ptr<UserDefaults> freshSuite() {
    return UserDefaults::open(u"separators"_s,
                              testing_support::freshFolder(u"model"_s) + u"/separators.plist"_s);
}

const QUuid exampleId = QUuid::fromString(u"3F2504E0-4F89-41D3-9A0C-0305E82C3301"_s);

TEST(SeparatorModel, EachSeparatorIsStoredAsTheJsonTextOfOneRecord) {
    auto suite = freshSuite();
    const auto key = app::keys::separators(suite);
    Defaults::set(key, {{exampleId, u"\t"_s}, {exampleId, u"—"_s}});
    const QVariantList stored = suite->object(u"separators"_s).toList();
    EXPECT_EQ(stored, (QVariantList{
                          uR"({"id":"3F2504E0-4F89-41D3-9A0C-0305E82C3301","character":"\t"})"_s,
                          uR"({"id":"3F2504E0-4F89-41D3-9A0C-0305E82C3301","character":"—"})"_s,
                      }));
    EXPECT_EQ(Defaults::get(key).at(0).character, u"\t"_s);

    Defaults::set(app::keys::reducedOpacity(suite), true);
    EXPECT_EQ(suite->object(u"reducedOpacity"_s).typeId(), QMetaType::Bool);
}

TEST(SeparatorListEdits, NewRemoveAndCharacterChangeTheRightElement) {
    const SeparatorItem space{QUuid::createUuid(), u" "_s};
    const SeparatorItem bullet{QUuid::createUuid(), u"•"_s};
    const SeparatorItem twin{bullet.id, u"|"_s};

    const auto grown = edits::appendingCopyOf({space, bullet}, space);
    ASSERT_EQ(grown.size(), 3);
    EXPECT_EQ(grown[2].character, u"—"_s);
    EXPECT_FALSE(grown[2].id.isNull());
    EXPECT_NE(grown[2].id, space.id);
    EXPECT_EQ(edits::appendingCopyOf({}, bullet).at(0).character, u"•"_s);

    EXPECT_EQ(edits::removing({space, bullet, twin}, bullet.id), QList<SeparatorItem>{space});
    EXPECT_EQ(edits::removing({space}, bullet.id), QList<SeparatorItem>{space});

    const auto changed = edits::withCharacter({space, bullet, twin}, bullet.id, u"\t"_s);
    EXPECT_EQ(changed, (QList<SeparatorItem>{space, {bullet.id, u"\t"_s}, twin}));
}

TEST(TipText, CountsWhatTheUserSeesAndSplitsOnlyAtSpacesAndTabs) {
    // "é" as e + combining acute is one character; the line feed is part of a word.
    const QString accented = u"e\u0301e\u0301e\u0301"_s;
    EXPECT_EQ(app::wrappedToWidth(accented + u" ab"_s, 7), accented + u" ab "_s);
    EXPECT_EQ(app::wrappedToWidth(accented + u" ab"_s, 6), accented + u" \nab "_s);
    EXPECT_EQ(app::wrappedToWidth(u"a\tb\u00A0c\nd"_s, 80), u"a b c\nd "_s);
    EXPECT_EQ(app::wrappedToWidth(u"a  b"_s, 80), u"a  b "_s);
}

} // namespace
