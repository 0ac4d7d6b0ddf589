// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Store.h"

namespace platform::sim {

// The store of the desktop Gapsel was first written for, with its
// identifiers and addresses, and a rating prompt that only counts requests.
class SimStore final : public Store {
public:
    QString applicationId() const override { return QStringLiteral("2873401956"); }
    const QList<StoreApp>& makerApps() const override { return apps_; }
    QUrl productPage(const QString& id) const override {
        return QUrl(QStringLiteral("macappstore://apps.apple.com/app/id") + id);
    }
    QUrl reviewPage(const QString& id) const override {
        return QUrl(productPage(id).toString() + QStringLiteral("?action=write-review"));
    }
    QUrl webPage(const QString& id) const override {
        QUrl page = productPage(id);
        page.setScheme(QStringLiteral("https"));
        return page;
    }
    std::optional<QUrl> developerPage() const override {
        return QUrl(QStringLiteral("macappstore://apps.apple.com/developer/id471902635"));
    }
    void requestReview() override { ++reviewRequests; }

    int reviewRequests = 0;

private:
    const QList<StoreApp> apps_{{QStringLiteral("2873401956"), QStringLiteral("Gapsel")}};
};

} // namespace platform::sim
