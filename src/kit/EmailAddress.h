// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <optional>

namespace kit {

// An e-mail address that a mail program will take: one whole address
// ("name@example.org"), nothing before or after it.
class EmailAddress {
public:
    // White space and line breaks around `text` are dropped first; none when
    // what remains is not one whole address.
    static std::optional<EmailAddress> parse(const QString& text);
    // An address written into the program. One that is not valid is a
    // programming error and stops the program.
    static EmailAddress constant(const QString& text);

    const QString& text() const { return text_; }

    friend bool operator==(const EmailAddress&, const EmailAddress&) = default;

private:
    explicit EmailAddress(QString text)
        : text_(std::move(text)) {}

    QString text_;
};

} // namespace kit
