// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "shortcuts/KeyboardShortcuts.h"

#include "shortcuts/MenuItemShortcuts.h"

namespace shortcuts {

KeyboardShortcuts::KeyboardShortcuts(platform::HotKeys& hotKeys,
                                     std::shared_ptr<UserDefaults> defaults, MenuOpenFlag& menuOpen)
    : defaults_(std::move(defaults))
    , hotKeys_(hotKeys)
    , registry_(hotKeys, menuOpen) {}

void KeyboardShortcuts::declare(const Name& name) {
    if (name.defaultShortcut && !defaults_->object(key(name)).isValid())
        setShortcut(name, name.defaultShortcut);
}

std::optional<Shortcut> KeyboardShortcuts::shortcut(const Name& name) const {
    const QVariant stored = defaults_->object(key(name));
    if (stored.typeId() != QMetaType::QString)
        return std::nullopt;
    return Defaults::decodeJsonText<Shortcut>(Defaults::Utf8(stored.toString()));
}

void KeyboardShortcuts::setShortcut(const Name& name, const std::optional<Shortcut>& shortcut) {
    if (shortcut) {
        if (const auto text = Defaults::encodeJsonText(*shortcut))
            defaults_->set(QString::fromStdString(*text), key(name));
    } else if (name.defaultShortcut) {
        defaults_->set(false, key(name));
    } else {
        defaults_->removeObject(key(name));
    }
    if (const auto found = listeners_.find(name.rawValue); found != listeners_.end())
        registerListener(name.rawValue, found->second, shortcut);
    updateBoundItems(name.rawValue, shortcut);
    notifications.send(QString::fromLatin1(shortcutByNameDidChange),
                       QVariantMap{{QStringLiteral("name"), name.rawValue}});
}

void KeyboardShortcuts::bindMenuItem(const std::shared_ptr<platform::MenuItem>& item,
                                     const Name& name) {
    // Menus are built afresh at every opening: the items of earlier ones go.
    std::erase_if(boundItems_, [](const auto& bound) { return bound.second.expired(); });
    boundItems_.emplace(name.rawValue, item);
    setKeyEquivalent(*item, shortcut(name), hotKeys_.menuCommandModifier());
}

void KeyboardShortcuts::updateBoundItems(const QString& rawValue,
                                         const std::optional<Shortcut>& shortcut) {
    const auto [first, last] = boundItems_.equal_range(rawValue);
    for (auto bound = first; bound != last; ++bound)
        if (const auto item = bound->second.lock())
            setKeyEquivalent(*item, shortcut, hotKeys_.menuCommandModifier());
}

void KeyboardShortcuts::onKeyDown(const Name& name, std::function<void()> action) {
    listen(name);
    listeners_[name.rawValue].keyDown.push_back(std::move(action));
}

void KeyboardShortcuts::onKeyUp(const Name& name, std::function<void()> action) {
    listen(name);
    listeners_[name.rawValue].keyUp.push_back(std::move(action));
}

void KeyboardShortcuts::removeHandlers(const Name& name) {
    const auto found = listeners_.find(name.rawValue);
    if (found == listeners_.end())
        return;
    registerListener(name.rawValue, found->second, std::nullopt);
    listeners_.erase(found);
}

void KeyboardShortcuts::listen(const Name& name) {
    if (listeners_.contains(name.rawValue))
        return;
    registerListener(name.rawValue, listeners_[name.rawValue], shortcut(name));
}

// The old combination is given back before the new one is asked for, so a
// name can keep its shortcut across a change of modifiers alone.
void KeyboardShortcuts::registerListener(const QString& rawValue, Listener& listener,
                                         const std::optional<Shortcut>& shortcut) {
    if (const auto old = std::exchange(listener.registration, std::nullopt))
        registry_.unregister(*old);
    if (!shortcut)
        return;
    listener.registration = registry_.registerShortcut(
        *shortcut, [this, rawValue](const Shortcut&) { runActions(rawValue, true); },
        [this, rawValue](const Shortcut&) { runActions(rawValue, false); });
}

void KeyboardShortcuts::runActions(const QString& rawValue, bool keyDown) {
    const auto found = listeners_.find(rawValue);
    if (found == listeners_.end())
        return;
    const auto actions = keyDown ? found->second.keyDown : found->second.keyUp;
    for (const auto& action : actions)
        action();
}

} // namespace shortcuts
