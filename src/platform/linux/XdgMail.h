// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Mail.h"

namespace platform::xdg {

// The user's mail program, reached through xdg-email. Only some mail
// programs take the file xdg-email hands them; with the others the file would
// silently go missing, so only those count as taking attachments.
class XdgMail final : public Mail {
public:
    bool takesAttachments() const override;
    std::optional<Error> compose(const MailMessage& message) override;

    // Whether the desktop entry that handles mailto: links (its file name)
    // belongs to a mail program that accepts attachments from xdg-email.
    static bool handlerTakesAttachments(const QString& desktopEntry);
};

} // namespace platform::xdg
