// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/XkbLayout.h"
#include "platform/linux/tray/XcbReply.h"

// The XKB header names a field "explicit", which C++ reserves.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace platform::xdg {

namespace {

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

QString atomName(xcb_connection_t* connection, xcb_atom_t atom) {
    const auto reply =
        owned(xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, atom), nullptr));
    if (!reply)
        return {};
    return QString::fromUtf8(xcb_get_atom_name_name(reply.get()),
                             xcb_get_atom_name_name_length(reply.get()));
}

std::optional<int> activeGroup(xcb_connection_t* connection) {
    const auto reply = owned(xcb_xkb_get_state_reply(
        connection, xcb_xkb_get_state(connection, XCB_XKB_ID_USE_CORE_KBD), nullptr));
    if (!reply)
        return std::nullopt;
    return reply->group;
}

std::optional<QString> groupName(xcb_connection_t* connection, int group) {
    const auto reply = owned(xcb_xkb_get_names_reply(
        connection,
        xcb_xkb_get_names(connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_NAME_DETAIL_GROUP_NAMES),
        nullptr));
    if (!reply)
        return std::nullopt;
    xcb_xkb_get_names_value_list_t names{};
    xcb_xkb_get_names_value_list_unpack(xcb_xkb_get_names_value_list(reply.get()), reply->nTypes,
                                        reply->indicators, reply->virtualMods, reply->groupNames,
                                        reply->nKeys, reply->nKeyAliases, reply->nRadioGroups,
                                        reply->which, &names);
    // Only the groups whose bit is set have a name, in bit order.
    int index = 0;
    for (int bit = 0; bit < 4; ++bit) {
        if (!(reply->groupNames & (1u << bit)))
            continue;
        if (bit == group) {
            const QString name = atomName(connection, names.groups[index]);
            return name.isEmpty() ? std::nullopt : std::optional(name);
        }
        ++index;
    }
    return std::nullopt;
}

// _XKB_RULES_NAMES on the root window: rules, model, layouts, variants and
// options, each ended by a NUL.
QStringList rulesNames(xcb_connection_t* connection) {
    const xcb_atom_t atom = internAtom(connection, "_XKB_RULES_NAMES");
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (atom == XCB_ATOM_NONE || !screen)
        return {};
    const auto property = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, screen->root, atom, XCB_ATOM_STRING, 0, 1024),
        nullptr));
    if (!property)
        return {};
    const auto* bytes = static_cast<const char*>(xcb_get_property_value(property.get()));
    const QByteArray value(bytes, xcb_get_property_value_length(property.get()));
    QStringList fields;
    for (const QByteArray& field : value.split('\0'))
        fields.append(QString::fromUtf8(field));
    return fields;
}

} // namespace

std::optional<QString> xkbLayoutIdentifier(const QString& layouts, const QString& variants,
                                           int group) {
    const QStringList layoutList = layouts.split(QLatin1Char(','));
    const QStringList variantList = variants.split(QLatin1Char(','));
    if (group < 0 || group >= layoutList.size() || layoutList[group].trimmed().isEmpty())
        return std::nullopt;
    const QString layout = layoutList[group].trimmed();
    const QString variant = variantList.value(group).trimmed();
    return variant.isEmpty() ? layout : layout + QLatin1Char('(') + variant + QLatin1Char(')');
}

std::optional<KeyboardLayout> currentXkbLayout() {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return std::nullopt;
    const Connection connection(xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return std::nullopt;
    const auto extension = owned(xcb_xkb_use_extension_reply(
        connection.get(),
        xcb_xkb_use_extension(connection.get(), XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr));
    if (!extension || !extension->supported)
        return std::nullopt;
    const auto group = activeGroup(connection.get());
    if (!group)
        return std::nullopt;
    const QStringList rules = rulesNames(connection.get());
    KeyboardLayout layout{groupName(connection.get(), *group),
                          xkbLayoutIdentifier(rules.value(2), rules.value(3), *group)};
    if (!layout.name && !layout.identifier)
        return std::nullopt;
    return layout;
}

} // namespace platform::xdg
