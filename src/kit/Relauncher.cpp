// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/Relauncher.h"

#include "keys/GapselKeys.h"
#include "kit/ErrorLog.h"
#include "platform/Alerts.h"
#include "platform/MainQueue.h"
#include "platform/Workspace.h"

#include <QCoreApplication>

namespace kit {

Relauncher::Relauncher(platform::Platform platform, const AppIdentity& identity,
                       const std::shared_ptr<UserDefaults>& defaults, Quit quit)
    : platform_(platform)
    , identity_(identity)
    , wasRelaunched_(keys::wasRelaunched(defaults))
    , showSettingsAfterRelaunch_(keys::showSettingsAfterRelaunch(defaults))
    , quit_(std::move(quit)) {}

void Relauncher::relaunch(RelaunchOptions options) {
    platform_.mainQueue.async([this, options] { start(options); });
}

QStringList Relauncher::shellArguments(const QString& executable) {
    // The path travels as the shell's positional parameter "$1", never as part
    // of the command text, so no character in it is ever interpreted.
    return {QStringLiteral("-c"),
            QStringLiteral("sleep 0.2; exec \"$1\" %1")
                .arg(QString::fromLatin1(platform::newInstanceArgument)),
            QStringLiteral("sh"), executable};
}

void Relauncher::start(const RelaunchOptions& options) {
    if (inProgress_)
        return;
    inProgress_ = true;
    Defaults::set(wasRelaunched_, true);
    if (options.showSettingsAfterRelaunch)
        Defaults::set(showSettingsAfterRelaunch_, true);
    if (options.useShell)
        launchThroughShell(options);
    else
        launchThroughWorkspace(options.force);
}

void Relauncher::launchThroughWorkspace(bool force) {
    platform_.workspace.launchNewInstance(
        identity_.location(), [this, force](std::optional<platform::Error> error) {
            if (!error)
                return quit_(force);
            logError(*error, {{QStringLiteral("isFallback"), false},
                              {QStringLiteral("location"), identity_.location()}});
            launchFallback(force);
        });
}

// The executable may have moved since it was started: ask the desktop where
// the application lives now.
void Relauncher::launchFallback(bool force) {
    const auto location = platform_.workspace.applicationLocation(identity_.id());
    if (!location) {
        giveUp(platform::Error::failure(
            QCoreApplication::translate("Relauncher",
                                        "No installed application has the identifier %1")
                .arg(identity_.id())));
        return;
    }
    platform_.workspace.launchNewInstance(*location,
                                          [this, force](std::optional<platform::Error> error) {
                                              if (error)
                                                  giveUp(*error);
                                              else
                                                  quit_(force);
                                          });
}

void Relauncher::giveUp(const platform::Error& error) {
    logError(error, {{QStringLiteral("isFallback"), true}});
    inProgress_ = false;
    Defaults::set(wasRelaunched_, false);
    Defaults::set(showSettingsAfterRelaunch_, false);
}

// A failed shell start leaves the relaunch marked as under way and the keys
// as written: the user is expected to quit and start the application by hand,
// and that start then counts as the relaunch.
void Relauncher::launchThroughShell(const RelaunchOptions& options) {
    const auto error = platform_.workspace.startProgram(QStringLiteral("/bin/sh"),
                                                        shellArguments(identity_.location()));
    if (!error)
        return quit_(options.force);
    if (options.logFailureOnly) {
        logError(*error);
    } else if (!options.force) {
        logError(*error);
        platform_.mainQueue.async([this, error = *error] { platform_.alerts.presentError(error); });
    }
}

} // namespace kit
