// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// The separator record, its two preferences and how they are stored; the list
// edits behind New, Remove and the characters; the tip's wrapping.

#include "app/SeparatorKeys.h"
#include "app/SeparatorListEdits.h"
#include "app/TipText.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using app::SeparatorItem;
namespace edits = app::separatorListEdits;

namespace {

std::shared_ptr<UserDefaults> freshSuite() {
    return UserDefaults::open(QStringLiteral("separators"),
                              testing_support::freshFolder(QStringLiteral("model")) +
                                  QStringLiteral("/separators.plist"));
}

const QUuid exampleId = QUuid::fromString(QStringLiteral("3F2504E0-4F89-41D3-9A0C-0305E82C3301"));

TEST(SeparatorModel, AFreshDomainHasNoSeparatorsAndFullOpacity) {
    auto suite = freshSuite();
    EXPECT_TRUE(Defaults::get(app::keys::separators(suite)).isEmpty());
    EXPECT_FALSE(Defaults::get(app::keys::reducedOpacity(suite)));
    EXPECT_TRUE(suite->persistentDomain().isEmpty());
}

TEST(SeparatorModel, EachSeparatorIsStoredAsTheJsonTextOfOneRecord) {
    auto suite = freshSuite();
    const auto key = app::keys::separators(suite);
    Defaults::set(key, {{exampleId, QStringLiteral("\t")}, {exampleId, QStringLiteral("—")}});
    const QVariantList stored = suite->object(QStringLiteral("separators")).toList();
    EXPECT_EQ(
        stored,
        (QVariantList{
            QStringLiteral(R"({"id":"3F2504E0-4F89-41D3-9A0C-0305E82C3301","character":"\t"})"),
            QStringLiteral(R"({"id":"3F2504E0-4F89-41D3-9A0C-0305E82C3301","character":"—"})"),
        }));
    EXPECT_EQ(Defaults::get(key).at(0).character, QStringLiteral("\t"));

    Defaults::set(app::keys::reducedOpacity(suite), true);
    EXPECT_EQ(suite->object(QStringLiteral("reducedOpacity")).typeId(), QMetaType::Bool);
}

TEST(SeparatorModel, EqualityNeedsBothFieldsIdentityOnlyTheId) {
    const SeparatorItem dash{exampleId, QStringLiteral("—")};
    const SeparatorItem dot{exampleId, QStringLiteral("·")};
    EXPECT_NE(dash, dot);
    EXPECT_EQ(dash.idString(), dot.idString());
    EXPECT_EQ(dash.idString(), QStringLiteral("3F2504E0-4F89-41D3-9A0C-0305E82C3301"));
    EXPECT_NE(qHash(dash), qHash(dot));
}

TEST(SeparatorListEdits, NewRemoveAndCharacterChangeTheRightElement) {
    const SeparatorItem space{QUuid::createUuid(), QStringLiteral(" ")};
    const SeparatorItem bullet{QUuid::createUuid(), QStringLiteral("•")};
    const SeparatorItem twin{bullet.id, QStringLiteral("|")};

    const auto grown = edits::appendingCopyOf({space, bullet}, space);
    ASSERT_EQ(grown.size(), 3);
    EXPECT_EQ(grown[2].character, QStringLiteral("—"));
    EXPECT_FALSE(grown[2].id.isNull());
    EXPECT_NE(grown[2].id, space.id);
    EXPECT_EQ(edits::appendingCopyOf({}, bullet).at(0).character, QStringLiteral("•"));

    EXPECT_EQ(edits::removing({space, bullet, twin}, bullet.id), QList<SeparatorItem>{space});
    EXPECT_EQ(edits::removing({space}, bullet.id), QList<SeparatorItem>{space});

    const auto changed =
        edits::withCharacter({space, bullet, twin}, bullet.id, QStringLiteral("\t"));
    EXPECT_EQ(changed, (QList<SeparatorItem>{space, {bullet.id, QStringLiteral("\t")}, twin}));
}

TEST(TipText, WrapsTheTipToThirtyAndFortyCharacters) {
    EXPECT_EQ(app::wrappedToWidth(app::moveSeparatorTip(), 30),
              QStringLiteral("Drag the menu bar item while \npressing the Command key to \n"
                             "move it to a different \nposition in the menu bar. "));
    EXPECT_EQ(app::wrappedToWidth(app::moveSeparatorTip(), 40),
              QStringLiteral("Drag the menu bar item while pressing \nthe Command key to move "
                             "it to a \ndifferent position in the menu bar. "));
}

TEST(TipText, CountsWhatTheUserSeesAndSplitsOnlyAtSpacesAndTabs) {
    // "é" as e + combining acute is one character; the line feed is part of a word.
    const QString accented = QStringLiteral("e\u0301e\u0301e\u0301");
    EXPECT_EQ(app::wrappedToWidth(accented + QStringLiteral(" ab"), 7),
              accented + QStringLiteral(" ab "));
    EXPECT_EQ(app::wrappedToWidth(accented + QStringLiteral(" ab"), 6),
              accented + QStringLiteral(" \nab "));
    EXPECT_EQ(app::wrappedToWidth(QStringLiteral("a\tb\u00A0c\nd"), 80),
              QStringLiteral("a b c\nd "));
    EXPECT_EQ(app::wrappedToWidth(QStringLiteral("a  b"), 80), QStringLiteral("a  b "));
}

} // namespace
