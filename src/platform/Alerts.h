// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Error.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

enum class AlertStyle { Warning, Informational, Critical };

// A modal question with buttons, as the application asks it.
struct Alert {
    QString message;
    QString informativeText;
    AlertStyle style = AlertStyle::Warning;
    // In order; the first is the default choice unless it is destructive.
    QStringList buttons;
    // The index of a button that destroys something: it is drawn as such and is
    // never the one that Return presses.
    std::optional<int> destructiveButton;
    bool showsSuppressionButton = false;
    QString suppressionButtonTitle =
        QCoreApplication::translate("Alerts", "Do not show this message again");
    // In points; none leaves the width to the text.
    std::optional<int> minimumWidth;
};

// How the user answered an alert.
struct AlertAnswer {
    // The first button answers firstButtonResponse, the second one more, and so on.
    static constexpr int firstButtonResponse = 1000;

    int response = firstButtonResponse;
    bool suppressionChecked = false;

    int buttonIndex() const { return response - firstButtonResponse; }
};

// Modal alerts: each call waits for the user's answer.
class Alerts {
public:
    virtual ~Alerts() = default;

    virtual AlertAnswer run(const Alert& alert) = 0;
    // Tells the user about an error they can do nothing about but should know of.
    virtual void presentError(const Error& error) = 0;
};

} // namespace platform
