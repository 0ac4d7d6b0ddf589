// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

namespace Defaults {

// Runs a handler once when an owner object goes away, unless cancelled first.
// The association holds the owner weakly; the handler lives in a small tracker
// object parented to the owner, so it dies with it.
class LifetimeAssociation {
public:
    LifetimeAssociation(QObject* owner, std::function<void()> onOwnerGone);
    ~LifetimeAssociation();
    LifetimeAssociation(const LifetimeAssociation&) = delete;
    LifetimeAssociation& operator=(const LifetimeAssociation&) = delete;

    // Forgets the handler and detaches the tracker from the owner.
    void cancel();

private:
    class Tracker;
    QPointer<Tracker> tracker_;
};

} // namespace Defaults
