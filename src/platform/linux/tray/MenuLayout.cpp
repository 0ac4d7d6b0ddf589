// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/MenuLayout.h"

namespace platform::xdg {

namespace {
// Menus nested deeper than this are cut off rather than followed for ever.
constexpr int maximumNesting = 16;

// dbusmenu labels mark the mnemonic with an underscore; a literal one is doubled.
QString labelText(const QString& text) {
    QString label = text;
    return label.replace(QLatin1Char('_'), QLatin1String("__"));
}

QString modifierName(ModifierKey key) {
    switch (key) {
    // The primary shortcut modifier, which the program calls Command, is Control here.
    case ModifierKey::Command:
    case ModifierKey::Control:
        return QStringLiteral("Control");
    case ModifierKey::Option:
        return QStringLiteral("Alt");
    case ModifierKey::Shift:
        return QStringLiteral("Shift");
    default:
        return {};
    }
}

QList<QStringList> shortcutOf(const MenuItem& item) {
    QStringList keys;
    for (ModifierKey key :
         {ModifierKey::Command, ModifierKey::Control, ModifierKey::Option, ModifierKey::Shift}) {
        const QString name = modifierName(key);
        if (item.keyModifiers().testFlag(key) && !keys.contains(name))
            keys.append(name);
    }
    keys.append(item.keyEquivalent().toUpper());
    return {keys};
}

QString signatureOf(const MenuItem& item, const QString& text) {
    if (item.isSeparator())
        return QStringLiteral("separator");
    return (item.submenu() ? QStringLiteral("submenu:") : QStringLiteral("item:")) + text;
}
} // namespace

QVariantMap MenuLayout::propertiesOf(const MenuItem& item) {
    QVariantMap properties;
    if (item.isHidden())
        properties.insert(QStringLiteral("visible"), false);
    if (item.isSeparator()) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        return properties;
    }
    properties.insert(QStringLiteral("label"), labelText(item.displayedText()));
    if (!item.isEnabled())
        properties.insert(QStringLiteral("enabled"), false);
    if (!item.accessibilityDescription().isEmpty())
        properties.insert(QStringLiteral("accessible-desc"), item.accessibilityDescription());
    // Hosts built on Qt's dbusmenu importer (Plasma, LXQt) read an entry's
    // toggle-type once: choices keep theirs and change only the state.
    if (item.isChoice() || item.isChecked()) {
        properties.insert(QStringLiteral("toggle-type"),
                          item.isChoice() ? QStringLiteral("radio") : QStringLiteral("checkmark"));
        properties.insert(QStringLiteral("toggle-state"), item.isChecked() ? 1 : 0);
    }
    if (item.submenu())
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    if (!item.keyEquivalent().isEmpty())
        properties.insert(QStringLiteral("shortcut"), QVariant::fromValue(shortcutOf(item)));
    return properties;
}

MenuLayout::MenuLayout() {
    entries_[rootId].properties.insert(QStringLiteral("children-display"),
                                       QStringLiteral("submenu"));
}

MenuLayout::Changes MenuLayout::update(const std::shared_ptr<Menu>& menu) {
    const std::map<int, Entry> before = std::move(entries_);
    entries_.clear();
    previousIdsByKey_ = std::move(idsByKey_);
    idsByKey_.clear();
    Entry& root = entries_[rootId];
    root.properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    root.submenu = menu;
    if (menu)
        addChildren(rootId, menu, 0);
    Changes changes = compare(before);
    if (changes.layoutChanged)
        ++revision_;
    return changes;
}

QStringList MenuLayout::linesOf(const MenuItem& item) {
    const QString& text = item.displayedText();
    if (item.isEnabled() || item.submenu() || !text.contains(QLatin1Char('\n')))
        return {text};
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        qsizetype end = line.size();
        while (end > 0 && line.at(end - 1).isSpace())
            --end;
        if (end > 0)
            lines.append(line.left(end));
    }
    return lines;
}

void MenuLayout::addChildren(int parentId, const std::shared_ptr<Menu>& menu, int nesting) {
    QHash<QString, int> occurrences;
    for (const std::shared_ptr<MenuItem>& item : menu->items()) {
        const QStringList lines = linesOf(*item);
        for (const QString& line : lines) {
            const QString signature = signatureOf(*item, line);
            const int id = idFor(parentId, signature, occurrences[signature]++);
            entries_[parentId].children.append(id);
            Entry& child = entries_[id];
            child.properties = propertiesOf(*item);
            if (lines.size() > 1)
                child.properties.insert(QStringLiteral("label"), labelText(line));
            child.item = item;
            child.submenu = item->submenu();
            if (item->submenu() && nesting < maximumNesting)
                addChildren(id, item->submenu(), nesting + 1);
        }
    }
}

int MenuLayout::idFor(int parentId, const QString& signature, int occurrence) {
    const QString key = QStringLiteral("%1/%2#%3").arg(parentId).arg(signature).arg(occurrence);
    const int id = previousIdsByKey_.value(key, nextId_);
    if (id == nextId_)
        ++nextId_;
    idsByKey_.insert(key, id);
    return id;
}

MenuLayout::Changes MenuLayout::compare(const std::map<int, Entry>& before) const {
    Changes changes;
    changes.layoutChanged = before.size() != entries_.size();
    for (const auto& [id, now] : entries_) {
        const auto old = before.find(id);
        if (old == before.end()) {
            changes.layoutChanged = true;
            continue;
        }
        if (old->second.children != now.children)
            changes.layoutChanged = true;
        QVariantMap updated;
        for (auto property = now.properties.cbegin(); property != now.properties.cend(); ++property)
            if (old->second.properties.value(property.key()) != property.value())
                updated.insert(property.key(), property.value());
        QStringList removed;
        for (const QString& name : old->second.properties.keys())
            if (!now.properties.contains(name))
                removed.append(name);
        if (!updated.isEmpty())
            changes.updated.append(DBusMenuItem{id, updated});
        if (!removed.isEmpty())
            changes.removed.append(DBusMenuItemKeys{id, removed});
    }
    return changes;
}

const MenuLayout::Entry* MenuLayout::entry(int id) const {
    const auto found = entries_.find(id);
    return found == entries_.end() ? nullptr : &found->second;
}

QVariantMap MenuLayout::properties(int id, const QStringList& names) const {
    const Entry* found = entry(id);
    if (!found)
        return {};
    if (names.isEmpty())
        return found->properties;
    QVariantMap chosen;
    for (const QString& name : names)
        if (found->properties.contains(name))
            chosen.insert(name, found->properties.value(name));
    return chosen;
}

DBusMenuLayoutItem MenuLayout::layout(int id, int depth, const QStringList& names) const {
    DBusMenuLayoutItem item{id, properties(id, names), {}};
    const Entry* found = entry(id);
    if (!found || depth == 0)
        return item;
    for (int child : found->children)
        item.children.append(layout(child, depth < 0 ? -1 : depth - 1, names));
    return item;
}

} // namespace platform::xdg
