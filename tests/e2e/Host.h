// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

namespace e2e {

class VirtualDesktop;

// The virtual display every test desktop has.
inline constexpr int screenWidth = 1280;
inline constexpr int screenHeight = 800;

// A real tray host as the tests run it: the program, what it needs around it,
// and where on the screen it draws its panel.
struct Host {
    QString name{};
    QString program{};
    QStringList arguments{};
    // The band of the screen the panel covers, and the part of it where the
    // host draws status items (nothing else in it changes by itself), unless
    // it is the whole panel.
    QRect panel{};
    QRect tray{};
    // Whether the host lines its items up by their arrival (LXQt and Waybar
    // put the newest last, GNOME's extension first), which an app can rely
    // on, rather than by a rule or memory of its own (XFCE, Plasma).
    bool ordersByArrival = false;
    // What the host's desktop has in its environment ("NAME=value"), and the
    // files it copies below its configuration folder (from this folder unless
    // the path is absolute) as the display starts.
    QStringList variables{};
    QList<std::pair<QString, QString>> files{};
    // Set up the desktop before the bus starts (services the bus starts
    // inherit its environment) and once it runs, before the host starts:
    // then also with these commands (words separated by single spaces).
    std::function<QString(VirtualDesktop&)> configure = [](VirtualDesktop&) { return QString(); };
    std::function<QString(VirtualDesktop&)> prepare = [](VirtualDesktop&) { return QString(); };
    QStringList commands{};
    // The user the host runs as; empty: the test's own.
    QString user{};
    // What this system lacks to try the host (a setting that only newer
    // versions have), which skips its tests; empty when nothing.
    std::function<QString()> lacks = [] { return QString(); };
    // A tray that takes only XEmbed icons: it has started once it owns the
    // screen's tray selection (it registers nothing on the bus).
    bool xembed = false;
    // What the host writes to its log once it has finished starting, when
    // it shows items only from then on (GNOME's extension holds them back
    // until the shell's start-up animation has ended); empty when its tray
    // is ready as soon as it is there.
    QString startedLine{};
};

// A host the tests know by its name: xfce, lxqt, lxqt-reversed, gnome,
// gnome-wayland, plasma, plasma-wayland, waybar, trayer, tint2, i3bar.
const Host& hostNamed(const QString& name);

// XFCE with its default layout: the tray at the right end of the panel,
// behind an empty stretch. The tray hides the items with these Ids, as a user
// who unticked them in its settings has it.
Host xfceWithTrayAtRightEnd(const QStringList& hiddenIds = {});

// The Ids XFCE's tray has recorded as known items on this desktop, in its order.
QStringList xfceKnownItems(const VirtualDesktop& desktop);

// The hosts this run is to try: GAPSEL_E2E_HOSTS (comma-separated names),
// by default those CI installs (xfce, lxqt, gnome).
QStringList chosenHosts();

} // namespace e2e
