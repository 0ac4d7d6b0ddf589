// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/DebugReport.h"

#include <QString>
#include <QUrl>

#include <optional>

class JXKit;

// Telling the maker what happened: the debug information about this run and
// its machine, and the feedback page that receives it.
namespace kit {

// The report as of now: the kit's facts, the machine's, the stored
// preferences and the in-memory log. Memory that cannot be measured is
// noted in the error log.
DebugReport gatherDebugReport(const JXKit& kit);

// The feedback page with "product" (the application's name), "metadata" (the
// debug summary) and, only when given, "messageField" and "extraInfo".
QUrl feedbackURL(const JXKit& kit, const std::optional<QString>& message = {},
                 const std::optional<QString>& extraInfo = {});

// Opens the feedback page, with neither message nor extra information, in
// the user's browser.
void sendFeedback(const JXKit& kit);

} // namespace kit

// The same for the running application.
namespace JXApp {
QString debugInfo();
QString debugMetadata();
QUrl feedbackURL(const std::optional<QString>& message = {},
                 const std::optional<QString>& extraInfo = {});
void sendFeedback();
} // namespace JXApp
