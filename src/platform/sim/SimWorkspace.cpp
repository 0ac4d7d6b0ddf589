// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/sim/SimWorkspace.h"

#include "platform/MainQueue.h"

namespace platform::sim {

bool SimWorkspace::openUrl(const QUrl& url) {
    if (refusedSchemes_.contains(url.scheme()))
        return false;
    openedUrls_.append(url);
    return true;
}

void SimWorkspace::launchNewInstance(const QString& location, Completion completion) {
    launchRequests_.append(location);
    std::optional<Error> outcome;
    if (const auto failure = launchFailures_.constFind(location); failure != launchFailures_.cend())
        outcome = *failure;
    queue_.async([completion = std::move(completion), outcome] { completion(outcome); });
}

std::optional<QString> SimWorkspace::applicationLocation(const QString& identifier) const {
    if (const auto found = installed_.constFind(identifier); found != installed_.cend())
        return *found;
    return std::nullopt;
}

std::optional<Error> SimWorkspace::startProgram(const QString& program,
                                                const QStringList& arguments) {
    if (programFailure_)
        return programFailure_;
    programStarts_.append({program, arguments});
    return std::nullopt;
}

} // namespace platform::sim
