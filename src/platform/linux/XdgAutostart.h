// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/LoginItems.h"

#include <QString>
#include <QStringList>

namespace platform::xdg {

// Launch at login through an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/<application id>.desktop, whose command starts
// this executable with the login-launch marker.
class XdgAutostart final : public LoginItems {
public:
    // The argument that the entry's command adds, so a run knows it was
    // started at login.
    static constexpr const char* loginLaunchArgument = "--launched-at-login";

    XdgAutostart(QString applicationId, QString applicationName, QString executable,
                 QStringList arguments);

    LoginItemStatus status() override;
    std::optional<Error> registerApplication() override;
    std::optional<Error> unregisterApplication() override;
    bool wasLaunchedAtLogin() const override { return launchedAtLogin_; }
    QString switchedOffDescription() const override;

    QString entryPath() const;
    // The entry's text for an executable, with its command quoted as the
    // desktop entry format requires.
    QByteArray entryText() const;

private:
    QString applicationId_;
    QString applicationName_;
    QString executable_;
    bool launchedAtLogin_;
};

} // namespace platform::xdg
