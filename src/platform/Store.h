// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace platform {

// One of the maker's applications in the store.
struct StoreApp {
    QString id;
    QString name;

    friend bool operator==(const StoreApp&, const StoreApp&) = default;
};

// The store the application is published in, as this desktop reaches it,
// and the desktop's own prompt asking for a rating.
class Store {
public:
    virtual ~Store() = default;

    // This application's identifier in the store.
    virtual QString applicationId() const = 0;
    // The maker's applications in the store, this one among them.
    virtual const QList<StoreApp>& makerApps() const = 0;
    // An application's page, in the desktop's store program where it has one.
    virtual QUrl productPage(const QString& id) const = 0;
    // Where the user writes a review of it.
    virtual QUrl reviewPage(const QString& id) const = 0;
    // Its page on the web, which any device opens (for sharing).
    virtual QUrl webPage(const QString& id) const = 0;
    // The maker's own page in the store; none where the store has none.
    virtual std::optional<QUrl> developerPage() const = 0;
    // Asks the desktop to prompt for a rating; the desktop decides whether it does.
    virtual void requestReview() = 0;
};

} // namespace platform
