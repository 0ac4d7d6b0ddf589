// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Signal.h"
#include "defaults/UserDefaults.h"
#include "platform/Menu.h"
#include "shortcuts/HotKeyRegistry.h"
#include "shortcuts/Shortcut.h"

#include <QVariantMap>

#include <map>
#include <memory>
#include <vector>

namespace shortcuts {

// Named global shortcuts: each is stored in the preferences under
// "KeyboardShortcuts_" + its name as the JSON text of the shortcut (false once
// the user removed a shortcut that has a default; nothing while the default
// applies), and registered with the desktop while someone listens for it.
class KeyboardShortcuts {
public:
    static constexpr auto keyPrefix = "KeyboardShortcuts_";
    static constexpr auto shortcutByNameDidChange = "KeyboardShortcuts_shortcutByNameDidChange";

    KeyboardShortcuts(platform::HotKeys& hotKeys, std::shared_ptr<UserDefaults> defaults,
                      MenuOpenFlag& menuOpen);
    KeyboardShortcuts(const KeyboardShortcuts&) = delete;
    KeyboardShortcuts& operator=(const KeyboardShortcuts&) = delete;

    static QString key(const Name& name) { return QString::fromLatin1(keyPrefix) + name.rawValue; }

    // Makes the name known: its default is stored when nothing at all is
    // stored under it yet.
    void declare(const Name& name);
    // None when nothing is stored, the user removed it, or the text does not
    // read as a shortcut.
    std::optional<Shortcut> shortcut(const Name& name) const;
    // Stores the shortcut (none removes it), moves a listened-to name's
    // registration along and posts the change notification.
    void setShortcut(const Name& name, const std::optional<Shortcut>& shortcut);

    // Listening registers the name's shortcut with the desktop.
    void onKeyDown(const Name& name, std::function<void()> action);
    void onKeyUp(const Name& name, std::function<void()> action);
    // Stops listening for the name and gives its combination back.
    void removeHandlers(const Name& name);

    // The item shows the name's shortcut as its key equivalent, now and after
    // every change of it, for as long as the item exists.
    void bindMenuItem(const std::shared_ptr<platform::MenuItem>& item, const Name& name);

    bool isEnabled() const { return registry_.isEnabled(); }
    void setEnabled(bool enabled) { registry_.setEnabled(enabled); }

    // Posted after every setShortcut: (notification name, {"name": raw value}).
    Defaults::Signal<const QString&, const QVariantMap&> notifications;

private:
    struct Listener {
        std::vector<std::function<void()>> keyDown;
        std::vector<std::function<void()>> keyUp;
        std::optional<std::uint32_t> registration;
    };

    void listen(const Name& name);
    void registerListener(const QString& rawValue, Listener& listener,
                          const std::optional<Shortcut>& shortcut);
    void runActions(const QString& rawValue, bool keyDown);

    void updateBoundItems(const QString& rawValue, const std::optional<Shortcut>& shortcut);

    std::shared_ptr<UserDefaults> defaults_;
    platform::HotKeys& hotKeys_;
    HotKeyRegistry registry_;
    std::multimap<QString, std::weak_ptr<platform::MenuItem>> boundItems_;
    std::map<QString, Listener> listeners_;
};

} // namespace shortcuts
