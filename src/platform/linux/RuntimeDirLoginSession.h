// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/LoginSession.h"

#include <utility>

namespace platform::xdg {

// The login as the user's runtime folder ($XDG_RUNTIME_DIR) lasts: the
// system makes it at the first login and removes it when the user's last
// session ends, so a mark kept in it is forgotten exactly when the user logs
// out. A reboot without logging out forgets it too (the folder is a tmpfs).
class RuntimeDirLoginSession final : public LoginSession {
public:
    explicit RuntimeDirLoginSession(QString applicationId)
        : applicationId_(std::move(applicationId)) {}

    bool isFirstThisLogin(const QString& mark) override;

private:
    QString applicationId_;
};

} // namespace platform::xdg
