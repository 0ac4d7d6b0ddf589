// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <functional>

namespace platform {

// The programs that can show status items. Each orders, remembers and hides
// items by its own rules, so what Gapsel offers and says depends on which of
// them is running.
enum class TrayHostKind {
    // Nothing known about the host: only what works everywhere is offered.
    Unknown,
    // A menu bar in which the user drags items to place them and which
    // remembers their places (the simulated desktop's).
    DraggableMenuBar,
    Xfce,
    Plasma,
    Gnome,
    Lxqt,
    Waybar,
    Cinnamon,
    Mate,
    Budgie,
    // A tray that takes only XEmbed icons (the freedesktop System Tray
    // Protocol): trayer, stalonetray, tint2, i3bar. Icons stand in the order
    // they docked, the newest at one end (trayer: the left).
    XEmbedTray,
};

// One program that shows status items.
struct TrayHost {
    TrayHostKind kind = TrayHostKind::Unknown;
    // The program as the system names it (for example "panel-1-systray",
    // "kded5", "gnome-shell", "trayer"); empty when only the desktop's name
    // was known.
    QString process;
    // XFCE's status tray is a panel plugin: its number N, which names its
    // settings (/plugins/plugin-N); -1 elsewhere.
    int xfcePlugin = -1;
    // The host's own setting turns its usual order round (LXQt's "Reverse the
    // order of items": the newest item goes leftmost instead of rightmost).
    bool reversed = false;

    friend bool operator==(const TrayHost&, const TrayHost&) = default;
};

// Which tray hosts show status items on this desktop. Several can show the
// same items at once (Waybar inside a Plasma session).
class TrayHosts {
public:
    virtual ~TrayHosts() = default;

    // Whether anything collects status items at all (on freedesktop desktops:
    // a StatusNotifierWatcher owns its name on the session bus, or, on X11
    // without one, an XEmbed tray owns its selection).
    virtual bool hasWatcher() const = 0;
    // The hosts known now, the one that collects the items first; empty when
    // none is known.
    virtual QList<TrayHost> hosts() const = 0;
    // `changed` runs (on the main queue) whenever the answers above may have
    // changed: a watcher came or went, a host registered or left. One
    // observer per `owner`: a later call replaces the owner's, an empty
    // function ends its calls.
    void onChanged(const void* owner, std::function<void()> changed) {
        observers_.remove(owner);
        if (changed)
            observers_.insert(owner, std::move(changed));
    }
    // The desktop the session says it is, whether or not anything shows
    // status items there: what to advise when nothing does.
    virtual TrayHostKind desktop() const = 0;

    // The first host, or an Unknown one when there is none.
    TrayHost primary() const {
        const QList<TrayHost> all = hosts();
        return all.isEmpty() ? TrayHost{} : all.first();
    }

protected:
    // Tells every observer; one may end its calls, or another's, meanwhile.
    void tellObservers() const {
        const auto observers = observers_;
        for (auto observer = observers.cbegin(); observer != observers.cend(); ++observer)
            if (observers_.contains(observer.key()))
                observer.value()();
    }

private:
    QMap<const void*, std::function<void()>> observers_;
};

} // namespace platform
