// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/MenuLayout.h"
#include "TrayTestMenus.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

using platform::xdg::DBusMenuLayoutItem;
using platform::xdg::MenuLayout;
using namespace tray_testing;

namespace {

QStringList labelsOf(const DBusMenuLayoutItem& parent) {
    QStringList labels;
    for (const DBusMenuLayoutItem& child : parent.children)
        labels.append(child.properties.value(u"type"_s).toString() == QLatin1String("separator")
                          ? u"---"_s
                          : child.properties.value(u"label"_s).toString());
    return labels;
}

TEST(MenuLayout, ShowsEveryItemInOrderWithItsLookAndBehaviourAsDeepAsAskedHiddenOnesInvisible) {
    MenuLayout layout;
    layout.update(separatorMenu(false, u"—"_s));
    const DBusMenuLayoutItem root = layout.layout(MenuLayout::rootId, -1, {});

    EXPECT_EQ(root.properties.value(u"children-display"_s), u"submenu"_s);
    // A tip of two lines is two disabled entries.
    EXPECT_EQ(labelsOf(root),
              texts({"New", "Remove", "---", "Drag it", "to move it", "Separator", "space", "·",
                     "—", "---", "Settings…", "More", "Quit Gapsel"}));
    EXPECT_EQ(childLabelled(root, u"to move it"_s).properties.value(u"enabled"_s), false);
    EXPECT_FALSE(childLabelled(root, u"New"_s).properties.contains(u"enabled"_s));

    // A screen reader names the lone "·"; "—" has no description to give.
    for (const auto& [label, state, description] :
         {std::tuple{"—", 1, QVariant()}, {"·", 0, QVariant(u"Middle dot"_s)}}) {
        const auto choice = childLabelled(root, QString::fromUtf8(label));
        EXPECT_EQ(choice.properties.value(u"toggle-type"_s), u"radio"_s);
        EXPECT_EQ(choice.properties.value(u"toggle-state"_s), state) << label;
        EXPECT_EQ(choice.properties.value(u"accessible-desc"_s), description) << label;
    }

    const auto more = childLabelled(root, u"More"_s);
    EXPECT_EQ(more.properties.value(u"children-display"_s), u"submenu"_s);
    EXPECT_EQ(labelsOf(more), texts({"About", "---", "Send Feedback…"}));

    const QVariant quitShortcut = childLabelled(root, u"Quit Gapsel"_s).properties[u"shortcut"_s];
    EXPECT_EQ(quitShortcut.value<QList<QStringList>>(),
              QList<QStringList>{texts({"Control", "Q"})});

    // The layout's depth and the property names asked for limit the answer.
    layout.update(separatorMenu(true, u"·"_s));
    const DBusMenuLayoutItem top = layout.layout(MenuLayout::rootId, 1, {u"label"_s});
    const auto shallowMore = childLabelled(top, u"More"_s);
    EXPECT_TRUE(shallowMore.children.isEmpty());
    EXPECT_EQ(shallowMore.properties.keys(), QStringList{u"label"_s});

    // Labels keep literal underscores; hidden items are invisible.
    auto hidden = item(u"snake_case"_s);
    hidden->setHidden(true);
    EXPECT_EQ(MenuLayout::propertiesOf(*hidden).value(u"label"_s), u"snake__case"_s);
    EXPECT_EQ(MenuLayout::propertiesOf(*hidden).value(u"visible"_s), false);
    EXPECT_EQ(MenuLayout::propertiesOf(*platform::MenuItem::separator()),
              (QVariantMap{{u"type"_s, u"separator"_s}}));
}

TEST(MenuLayout, RebuildingKeepsIdsAndReportsOnlyChangedProperties) {
    MenuLayout layout;
    layout.update(separatorMenu(false, u"—"_s));
    const DBusMenuLayoutItem before = layout.layout(MenuLayout::rootId, -1, {});

    const MenuLayout::Changes changed = layout.update(separatorMenu(true, u"·"_s));
    const DBusMenuLayoutItem after = layout.layout(MenuLayout::rootId, -1, {});
    EXPECT_FALSE(changed.layoutChanged);
    EXPECT_EQ(after.children.size(), before.children.size());
    for (qsizetype i = 0; i < after.children.size(); ++i)
        EXPECT_EQ(after.children[i].id, before.children[i].id);

    const int removeId = childLabelled(after, u"Remove"_s).id;
    const int dotId = childLabelled(after, u"·"_s).id;
    const int dashId = childLabelled(after, u"—"_s).id;
    QMap<int, QVariantMap> updated;
    for (const auto& entry : changed.updated)
        updated.insert(entry.id, entry.properties);
    // Only the states change: hosts keep the toggle type they read first.
    EXPECT_EQ(updated.keys(), (QList<int>{dotId, dashId}));
    EXPECT_EQ(updated[dotId], (QVariantMap{{u"toggle-state"_s, 1}}));
    EXPECT_EQ(updated[dashId], (QVariantMap{{u"toggle-state"_s, 0}}));
    ASSERT_EQ(changed.removed.size(), 1);
    EXPECT_EQ(changed.removed[0].id, removeId);
    EXPECT_EQ(changed.removed[0].names, texts({"enabled"}));
}

TEST(MenuLayout, AnInsertedItemKeepsTheIdsOfTheOthersAndTheIdsOfGoneEntriesAreNotReused) {
    MenuLayout layout;
    auto menu = separatorMenu(true, u"—"_s);
    layout.update(menu);
    const DBusMenuLayoutItem before = layout.layout(MenuLayout::rootId, -1, {});
    const uint revision = layout.revision();

    auto longer = std::make_shared<platform::Menu>();
    longer->addItem(item(u"Tip"_s));
    for (const auto& entry : menu->items())
        longer->addItem(entry);
    EXPECT_TRUE(layout.update(longer).layoutChanged);
    EXPECT_EQ(layout.revision(), revision + 1);
    const DBusMenuLayoutItem after = layout.layout(MenuLayout::rootId, -1, {});
    for (qsizetype i = 0; i < before.children.size(); ++i)
        EXPECT_EQ(after.children[i + 1].id, before.children[i].id);

    const int tipId = after.children[0].id;
    longer->removeAllItems();
    EXPECT_TRUE(layout.update(longer).layoutChanged);
    EXPECT_EQ(layout.entry(tipId), nullptr);
    longer->addItem(item(u"Other"_s));
    layout.update(longer);
    EXPECT_NE(layout.layout(MenuLayout::rootId, 1, {}).children.at(0).id, tipId);
}

} // namespace
