// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/HotKeys.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

#include <functional>
#include <map>
#include <optional>

class QDBusMessage;

namespace platform::xdg {

// Hot keys on Wayland, through the desktop's GlobalShortcuts portal
// (xdg-desktop-portal): one session for the life of the program, the
// combinations bound to it as shortcuts, their presses and releases
// reported by the portal's Activated and Deactivated signals.
//
// The desktop has the last word on the keys (it may ask the user, who may
// choose others), so a registration is taken at once and bound in the
// background. A combination once bound stays bound for the session: giving
// keys back and asking for them again (as while a menu is open) would make
// some desktops ask the user every time. A press of a combination nobody has
// registered is not reported.
class PortalHotKeys final : public QObject, public HotKeys {
    Q_OBJECT
public:
    explicit PortalHotKeys(QDBusConnection bus);
    PortalHotKeys(const PortalHotKeys&) = delete;
    PortalHotKeys& operator=(const PortalHotKeys&) = delete;

    // Asks the portal once whether it offers global shortcuts.
    bool isAvailable() override;
    std::optional<Handle> registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                         Id id) override;
    void unregisterHotKey(Handle handle) override;
    // The portal cannot tell what the desktop or other programs use.
    bool isTakenBySystem(std::uint32_t, std::uint32_t) override { return false; }

private Q_SLOTS:
    void onShortcutSignal(const QDBusMessage& message);
    void onResponse(uint response, const QVariantMap& results, const QDBusMessage& message);

private:
    struct Registration {
        QString shortcutId;
        Id id;
    };
    using Continuation = std::function<void(uint response, const QVariantMap& results)>;

    void createSession();
    void bindShortcuts();
    void request(const QString& method, QVariantList arguments, QVariantMap options,
                 Continuation then);
    void deliver(EventKind kind, const QDBusObjectPath& session, const QString& shortcutId);

    QDBusConnection bus_;
    std::optional<bool> isAvailable_;
    std::optional<QDBusObjectPath> session_;
    bool sessionRequested_ = false;
    // Every combination asked for in this session, by shortcut identifier.
    std::map<QString, std::pair<std::uint32_t, std::uint32_t>> wanted_;
    std::map<Handle, Registration> registrations_;
    std::map<QString, Continuation> pending_;
    Handle nextHandle_ = 1;
    unsigned nextToken_ = 1;
};

} // namespace platform::xdg
