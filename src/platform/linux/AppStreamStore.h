// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Store.h"
#include "platform/UrlSchemes.h"

namespace platform::xdg {

// The store on Linux is AppStream: software centres (GNOME Software, KDE
// Discover) read its metadata and open appstream:<component id> addresses,
// and Flathub gives every component a web page. Software centres show
// reviews on an application's own page, have no page per maker and no
// rating prompt of their own.
class AppStreamStore final : public Store {
public:
    // `componentId`, `name`: this application's AppStream component.
    AppStreamStore(QString componentId, QString name, const UrlSchemes& schemes);

    QString applicationId() const override { return apps_.first().id; }
    const QList<StoreApp>& makerApps() const override { return apps_; }
    QUrl productPage(const QString& id) const override;
    QUrl reviewPage(const QString& id) const override { return productPage(id); }
    QUrl webPage(const QString& id) const override;
    std::optional<QUrl> developerPage() const override { return std::nullopt; }
    // Noted in the log: no Linux desktop has a prompt to show.
    void requestReview() override;

private:
    // Only Gapsel is listed: listing other products here would be invented.
    const QList<StoreApp> apps_;
    const UrlSchemes& schemes_;
};

} // namespace platform::xdg
