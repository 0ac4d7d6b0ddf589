// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QString>

#include <cstdint>

struct xcb_connection_t;

namespace platform::xdg {

// The XEmbed tray of this X11 screen: the window that owns the selection
// _NET_SYSTEM_TRAY_S<screen> (freedesktop System Tray Protocol) and the
// program behind it. A tray announces itself with a MANAGER message on the
// root window and leaves by destroying its window; both are watched on the
// application's own X11 connection. Off X11 there never is one.
class XEmbedTraySelection final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    XEmbedTraySelection();
    ~XEmbedTraySelection() override;

    // The tray's window; 0 while no tray runs.
    std::uint32_t owner() const { return owner_; }
    // The program that owns it, by /proc's short name where the window names
    // its process, else by its window class ("trayer", "tint2", "i3bar").
    QString process() const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override;

Q_SIGNALS:
    // A tray came, went or was replaced.
    void changed();

private:
    void readOwner();
    void readOwnerSoon();

    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
    std::uint32_t selection_ = 0;
    std::uint32_t manager_ = 0;
    std::uint32_t owner_ = 0;
};

} // namespace platform::xdg
