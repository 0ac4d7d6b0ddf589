// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Workspace.h"

namespace platform {
class MainQueue;
}

namespace platform::xdg {

class XdgUrlSchemes;

// The desktop's workspace: URLs go to the user's preferred handlers (an
// address that no installed application takes is refused, rather than handed
// to xdg-open to fail out of sight), an
// application is found through its desktop entry, and a new instance of an
// application is a new process of its executable.
class XdgWorkspace final : public Workspace {
public:
    XdgWorkspace(MainQueue& queue, const XdgUrlSchemes& handlers)
        : queue_(queue)
        , handlers_(handlers) {}

    bool openUrl(const QUrl& url) override;
    void launchNewInstance(const QString& location, Completion completion) override;
    std::optional<QString> applicationLocation(const QString& identifier) const override;
    std::optional<Error> startProgram(const QString& program,
                                      const QStringList& arguments) override;

private:
    bool hasOpener(const QUrl& url) const;

    MainQueue& queue_;
    const XdgUrlSchemes& handlers_;
};

} // namespace platform::xdg
