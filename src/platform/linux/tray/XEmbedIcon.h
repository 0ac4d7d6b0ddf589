// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QImage>
#include <QRasterWindow>
#include <QRect>

#include <functional>
#include <optional>

namespace platform::xdg {

// A tray item as an XEmbed tray icon: a small window that the tray of this
// screen takes in, in the order the icons asked to dock. It draws what it is
// given at the height the tray makes it and reports clicks with the mouse
// position on the screen.
//
// Qt's X11 backend docks a window named as its own tray icon window: it asks
// the tray to take it, gives it the visual the tray offers and blends it over
// the tray's background where that visual has no alpha. QSystemTrayIcon
// itself is not used: the platform theme may route it to a StatusNotifierItem
// and remembers for the whole run whether a watcher existed, while Gapsel
// moves its items between the two trays as watchers come and go; and it
// tells neither whether the tray took the icon nor which window is the icon.
class XEmbedIcon final : public QRasterWindow {
    Q_OBJECT

public:
    // `draw` gives the picture at a height; `clicked` gets the pointer's
    // place on the screen.
    XEmbedIcon(std::function<QImage(int height)> draw, std::function<void(QPoint)> clicked);

    // Asks the tray to take the icon, as its newest; nothing when there is
    // no tray.
    void dock();
    // The picture changed.
    void redraw() { update(); }
    // Where the tray shows the icon on the screen; absent until the tray has
    // taken it in and mapped it.
    std::optional<QRect> shownAt() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::function<QImage(int)> draw_;
    std::function<void(QPoint)> clicked_;
};

} // namespace platform::xdg
