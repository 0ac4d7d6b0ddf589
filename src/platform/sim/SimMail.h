// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Mail.h"

#include <QList>

namespace platform::sim {

// A mail program that a test sets up and whose new messages it reads back.
class SimMail final : public Mail {
public:
    bool takesAttachments() const override { return acceptsAttachments; }
    std::optional<Error> compose(const MailMessage& message) override {
        if (composeFailure)
            return composeFailure;
        composed.append(message);
        return std::nullopt;
    }

    bool acceptsAttachments = true;
    std::optional<Error> composeFailure;
    QList<MailMessage> composed;
};

} // namespace platform::sim
