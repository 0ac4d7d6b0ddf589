// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/MessageHandler.h"

#include "debug/InMemoryLog.h"

#include <QtGlobal>

#include <atomic>
#include <cstdio>

namespace debug {

namespace {

// Qt calls a plain function, so the log it writes to is kept here.
std::atomic<InMemoryLog*> logInUse = nullptr;

void handleMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (InMemoryLog* log = logInUse.load())
        log->append(message);
    const QByteArray line = message.toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
}

} // namespace

MessageHandler::MessageHandler(InMemoryLog& log) {
    logInUse = &log;
    qInstallMessageHandler(handleMessage);
}

MessageHandler::~MessageHandler() {
    qInstallMessageHandler(nullptr);
    logInUse = nullptr;
}

} // namespace debug
