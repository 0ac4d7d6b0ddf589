// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/PortalHotKeys.h"

#include "platform/linux/PlatformLog.h"
#include "platform/linux/PortalShortcut.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace platform::xdg {

using namespace Qt::StringLiterals;

namespace {

const QString portalService = u"org.freedesktop.portal.Desktop"_s;
const QString portalPath = u"/org/freedesktop/portal/desktop"_s;
const QString shortcutsInterface = u"org.freedesktop.portal.GlobalShortcuts"_s;
const QString requestInterface = u"org.freedesktop.portal.Request"_s;
// A portal started on demand answers well within this; a hung one must not
// hold the program up for D-Bus's default of 25 seconds.
constexpr int availabilityTimeoutMs = 3000;
constexpr uint responseSuccess = 0;

// The portal may send the session as a string (older versions) or an object
// path.
QDBusObjectPath sessionIn(const QVariantMap& results) {
    const QVariant handle = results.value(u"session_handle"_s);
    if (handle.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return handle.value<QDBusObjectPath>();
    return QDBusObjectPath(handle.toString());
}

} // namespace

PortalHotKeys::PortalHotKeys(QDBusConnection bus)
    : bus_(std::move(bus)) {
    registerPortalShortcutTypes();
    for (const QString& signal : {u"Activated"_s, u"Deactivated"_s})
        bus_.connect(portalService, portalPath, shortcutsInterface, signal, this,
                     SLOT(onShortcutSignal(QDBusMessage)));
}

// The portal exports the interface only when one of the desktop's backends
// implements it.
bool PortalHotKeys::isAvailable() {
    if (!isAvailable_) {
        QDBusMessage get = QDBusMessage::createMethodCall(
            portalService, portalPath, u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
        get << shortcutsInterface << u"version"_s;
        const QDBusMessage reply = bus_.call(get, QDBus::Block, availabilityTimeoutMs);
        isAvailable_ = reply.type() == QDBusMessage::ReplyMessage;
        if (!*isAvailable_)
            qCInfo(platformLog) << "no global shortcuts on this desktop:" << reply.errorMessage();
    }
    return *isAvailable_;
}

std::optional<HotKeys::Handle> PortalHotKeys::registerHotKey(std::uint32_t keyCode,
                                                             std::uint32_t modifiers, Id id) {
    if (!isAvailable())
        return std::nullopt;
    const QString shortcutId = portalShortcutId(keyCode, modifiers);
    const Handle handle = nextHandle_++;
    registrations_.emplace(handle, Registration{shortcutId, id});
    if (wanted_.emplace(shortcutId, std::pair{keyCode, modifiers}).second) {
        if (session_)
            bindShortcuts();
        else
            createSession();
    }
    return handle;
}

void PortalHotKeys::unregisterHotKey(Handle handle) {
    registrations_.erase(handle);
}

// Combinations registered before the session exists are bound together once
// it does.
void PortalHotKeys::createSession() {
    if (sessionRequested_)
        return;
    sessionRequested_ = true;
    request(u"CreateSession"_s, {}, {{u"session_handle_token"_s, u"gapsel"_s}},
            [this](uint response, const QVariantMap& results) {
                if (response != responseSuccess) {
                    qCWarning(platformLog) << "the desktop refused a global shortcuts session";
                    return;
                }
                session_ = sessionIn(results);
                bindShortcuts();
            });
}

// Always the whole set: a desktop may take the list as all the session has.
void PortalHotKeys::bindShortcuts() {
    QList<PortalShortcut> shortcuts;
    for (const auto& [shortcutId, combination] : wanted_) {
        const auto [keyCode, modifiers] = combination;
        QVariantMap options{{u"description"_s, portalDescription(keyCode, modifiers)}};
        if (const QString trigger = portalTrigger(keyCode, modifiers); !trigger.isEmpty())
            options.insert(u"preferred_trigger"_s, trigger);
        shortcuts.append({shortcutId, options});
    }
    request(u"BindShortcuts"_s,
            {QVariant::fromValue(*session_), QVariant::fromValue(shortcuts), QString()}, {},
            [](uint response, const QVariantMap&) {
                if (response != responseSuccess)
                    qCWarning(platformLog) << "the desktop did not bind the global shortcuts";
            });
}

// The answer comes as a Response signal on a request object whose path the
// handle token decides; listening before the call misses no fast answer.
void PortalHotKeys::request(const QString& method, QVariantList arguments, QVariantMap options,
                            Continuation then) {
    const QString token = u"gapsel%1"_s.arg(nextToken_++);
    options.insert(u"handle_token"_s, token);
    const QString sender = bus_.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString requestPath = u"%1/request/%2/%3"_s.arg(portalPath, sender, token);
    pending_[requestPath] = std::move(then);
    bus_.connect(portalService, requestPath, requestInterface, u"Response"_s, this,
                 SLOT(onResponse(uint, QVariantMap, QDBusMessage)));
    QDBusMessage call =
        QDBusMessage::createMethodCall(portalService, portalPath, shortcutsInterface, method);
    call.setArguments(arguments << options);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, requestPath] {
        watcher->deleteLater();
        if (!watcher->isError())
            return;
        qCWarning(platformLog) << "global shortcuts portal:" << watcher->error().message();
        pending_.erase(requestPath);
    });
}

void PortalHotKeys::onResponse(uint response, const QVariantMap& results,
                               const QDBusMessage& message) {
    bus_.disconnect(portalService, message.path(), requestInterface, u"Response"_s, this,
                    SLOT(onResponse(uint, QVariantMap, QDBusMessage)));
    const auto found = pending_.find(message.path());
    if (found == pending_.end())
        return;
    const Continuation then = std::move(found->second);
    pending_.erase(found);
    then(response, results);
}

// Activated and Deactivated: (session, shortcut identifier, time stamp, options).
void PortalHotKeys::onShortcutSignal(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2)
        return;
    deliver(message.member() == u"Activated"_s ? EventKind::HotKeyPressed
                                               : EventKind::HotKeyReleased,
            arguments.at(0).value<QDBusObjectPath>(), arguments.at(1).toString());
}

void PortalHotKeys::deliver(EventKind kind, const QDBusObjectPath& session,
                            const QString& shortcutId) {
    if (!session_ || session != *session_)
        return;
    for (const auto& [handle, registration] : registrations_)
        if (registration.shortcutId == shortcutId) {
            HotKeys::deliver({kind, registration.id, 0, 0});
            return;
        }
}

} // namespace platform::xdg
