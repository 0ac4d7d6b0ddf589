// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Error.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// A message to be written in the user's mail program.
struct MailMessage {
    QStringList recipients;
    QString subject;
    std::optional<QString> body;
    // A file to attach.
    QString attachmentPath;
};

// The user's mail program, where it can be handed a message with a file.
class Mail {
public:
    virtual ~Mail() = default;

    // Whether the mail program takes a file attached by another program.
    virtual bool takesAttachments() const = 0;
    // Opens a new message in it; none once it started, else why it could not.
    virtual std::optional<Error> compose(const MailMessage& message) = 0;
};

} // namespace platform
