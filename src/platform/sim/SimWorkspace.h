// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Workspace.h"

#include <QHash>
#include <QList>

namespace platform {
class MainQueue;
}

namespace platform::sim {

// A workspace that starts nothing: it records what was asked of it and answers
// as the test scripted. Launch completions arrive on the main queue, as they
// do on a real desktop.
class SimWorkspace final : public Workspace {
public:
    struct ProgramStart {
        QString program;
        QStringList arguments;
    };

    explicit SimWorkspace(MainQueue& queue)
        : queue_(queue) {}

    bool openUrl(const QUrl& url) override;
    void launchNewInstance(const QString& location, Completion completion) override;
    std::optional<QString> applicationLocation(const QString& identifier) const override;
    std::optional<Error> startProgram(const QString& program,
                                      const QStringList& arguments) override;

    // Scripting.
    void failLaunchesOf(const QString& location, Error error) { launchFailures_[location] = error; }
    void installApplication(const QString& identifier, const QString& location) {
        installed_[identifier] = location;
    }
    void failProgramStarts(Error error) { programFailure_ = std::move(error); }
    // URLs with this scheme are refused as if no application opened them.
    void refuseScheme(const QString& scheme) { refusedSchemes_.append(scheme); }

    // Inspection.
    const QList<QUrl>& openedUrls() const { return openedUrls_; }
    const QStringList& launchRequests() const { return launchRequests_; }
    const QList<ProgramStart>& programStarts() const { return programStarts_; }

private:
    MainQueue& queue_;
    QHash<QString, Error> launchFailures_;
    QHash<QString, QString> installed_;
    std::optional<Error> programFailure_;
    QStringList refusedSchemes_;
    QList<QUrl> openedUrls_;
    QStringList launchRequests_;
    QList<ProgramStart> programStarts_;
};

} // namespace platform::sim
