// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

namespace debug {

class InMemoryLog;

// The one way out for what the program logs: while it exists, every message
// (the gapsel.* categories and Qt's own) goes, text unchanged and one line
// each, to standard error and into the given log, where the debug window and
// the debug information find it. The application makes it first thing; at
// its end Qt's own handler is back.
class MessageHandler {
public:
    explicit MessageHandler(InMemoryLog& log);
    ~MessageHandler();
    MessageHandler(const MessageHandler&) = delete;
    MessageHandler& operator=(const MessageHandler&) = delete;
};

} // namespace debug
