// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Error.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace platform {

// The argument that marks a start as a deliberate new instance (a relaunch):
// such an instance waits for the running one to end instead of handing over to it.
inline constexpr char newInstanceArgument[] = "--new-instance";

// Starting things on the desktop: web pages, applications, programs.
class Workspace {
public:
    // Told once whether a start worked: none on success, else why it failed.
    using Completion = std::function<void(std::optional<Error>)>;

    virtual ~Workspace() = default;

    // Opens the URL with the user's preferred application; false when nothing could.
    virtual bool openUrl(const QUrl& url) = 0;
    // Starts another instance of the application whose executable is at
    // `location`, even while this one runs; `completion` is called later on
    // the main queue.
    virtual void launchNewInstance(const QString& location, Completion completion) = 0;
    // Where the application with this identifier is installed, if anywhere.
    virtual std::optional<QString> applicationLocation(const QString& identifier) const = 0;
    // Starts `program` detached from this process, so that it outlives it.
    // Returns none once it started, else why it could not.
    virtual std::optional<Error> startProgram(const QString& program,
                                              const QStringList& arguments) = 0;
};

} // namespace platform
