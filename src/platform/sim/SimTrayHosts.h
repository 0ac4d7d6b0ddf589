// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"

namespace platform::sim {

// Tray hosts as a test scripts them. A new one is the simulated desktop's own
// menu bar, in which items are dragged into place.
class SimTrayHosts final : public TrayHosts {
public:
    bool hasWatcher() const override { return hasWatcher_; }
    QList<TrayHost> hosts() const override { return hasWatcher_ ? hosts_ : QList<TrayHost>{}; }
    TrayHostKind desktop() const override { return TrayHostKind::DraggableMenuBar; }

    // Scripting: each tells the observer, as a real desktop would.
    void setHosts(QList<TrayHost> hosts) {
        hosts_ = std::move(hosts);
        tell();
    }
    void setHasWatcher(bool hasWatcher) {
        hasWatcher_ = hasWatcher;
        tell();
    }

private:
    void tell() const { tellObservers(); }

    bool hasWatcher_ = true;
    QList<TrayHost> hosts_{TrayHost{TrayHostKind::DraggableMenuBar, {}, -1}};
};

} // namespace platform::sim
