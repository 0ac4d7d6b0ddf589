// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Workspace.h"

namespace platform {
class MainQueue;
}

namespace platform::xdg {

// The desktop's workspace: URLs go to the user's preferred handlers, an
// application is found through its desktop entry, and a new instance of an
// application is a new process of its executable.
class XdgWorkspace final : public Workspace {
public:
    explicit XdgWorkspace(MainQueue& queue)
        : queue_(queue) {}

    bool openUrl(const QUrl& url) override;
    void launchNewInstance(const QString& location, Completion completion) override;
    std::optional<QString> applicationLocation(const QString& identifier) const override;
    std::optional<Error> startProgram(const QString& program,
                                      const QStringList& arguments) override;

private:
    MainQueue& queue_;
};

} // namespace platform::xdg
