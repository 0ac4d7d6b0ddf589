// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/linux/tray/DBusTypes.h"

#include <QDBusObjectPath>
#include <QObject>
#include <QTimer>

#include <functional>

namespace platform::xdg {

// What one tray item tells the hosts through org.kde.StatusNotifierItem: the
// properties they read and the signals that tell them to read again. The
// generated adaptor exports it; the owner fills it.
class NotifierItemObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconThemePath READ noName)
    Q_PROPERTY(QString IconName READ noName)
    Q_PROPERTY(DBusImageList IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ noName)
    Q_PROPERTY(DBusImageList OverlayIconPixmap READ noImages)
    Q_PROPERTY(QString AttentionIconName READ noName)
    Q_PROPERTY(DBusImageList AttentionIconPixmap READ noImages)
    Q_PROPERTY(QString AttentionMovieName READ noName)
    Q_PROPERTY(DBusToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ label)
    Q_PROPERTY(uint XAyatanaOrderingIndex READ orderingIndex)

public:
    // Where the item's menu is exported, and the path that says "no menu".
    static QString menuPath() { return QStringLiteral("/MenuBar"); }
    static QString noMenuPath() { return QStringLiteral("/NO_DBUSMENU"); }

    explicit NotifierItemObject(QObject* parent = nullptr);

    QString category() const { return category_; }
    // Hosts such as GNOME's hide items that are not Active.
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString noName() const { return {}; }
    DBusImageList noImages() const { return {}; }
    uint orderingIndex() const { return 0; }

    QString id() const { return id_; }
    QString title() const { return title_; }
    DBusImageList iconPixmap() const { return icons_; }
    // The title again: hosts that show no titles show tool tips.
    DBusToolTip toolTip() const { return DBusToolTip{{}, {}, title_, {}}; }
    bool itemIsMenu() const { return hasMenu_; }
    QDBusObjectPath menu() const { return QDBusObjectPath(hasMenu_ ? menuPath() : noMenuPath()); }
    QString label() const { return label_; }

    // Each setter tells the hosts only when the value changed.
    void setId(const QString& id) { id_ = id; }
    // Hosts read it again with the title.
    void setCategory(const QString& category) { category_ = category; }
    void setTitle(const QString& title);
    void setIcons(const DBusImageList& icons);
    void setLabel(const QString& label);
    void setHasMenu(bool hasMenu) { hasMenu_ = hasMenu; }
    // What a click that the host leaves to the item does: `x`, `y` is where
    // the host asks for a menu, in screen coordinates.
    void setOnClick(std::function<void(int x, int y)> onClick) { onClick_ = std::move(onClick); }
    // Tells the hosts a moment from now that the icon changed, even when it
    // did not since: a host may miss a change (see the .cpp file).
    void remindOfIcon() { iconReminder_.start(); }

public Q_SLOTS:
    // org.kde.StatusNotifierItem's methods, for hosts that call them: a left
    // or right click opens the item's menu at the place given.
    void Activate(int x, int y) { click(x, y); }
    void ContextMenu(int x, int y) { click(x, y); }
    // Middle clicks and scrolling mean nothing to the items.
    void SecondaryActivate(int, int) {}
    void Scroll(int, const QString&) {}
    // On Wayland a window comes to the front only with a token from the
    // compositor; hosts hand one over before a click (Plasma), and the window
    // that click opens (Settings, About…) uses it.
    void ProvideXdgActivationToken(const QString& token);

Q_SIGNALS:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);
    void XAyatanaNewLabel(const QString& label, const QString& guide);

private:
    void click(int x, int y) {
        if (onClick_)
            onClick_(x, y);
    }

    std::function<void(int, int)> onClick_;
    QTimer iconReminder_;
    QString id_;
    QString category_ = QStringLiteral("ApplicationStatus");
    QString title_;
    DBusImageList icons_;
    QString label_;
    bool hasMenu_ = false;
};

} // namespace platform::xdg
