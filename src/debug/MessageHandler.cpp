// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/MessageHandler.h"

#include "debug/InMemoryLog.h"

#include <QtGlobal>

#include <cstdio>

namespace debug {

namespace {

void handleMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    InMemoryLog::shared().append(message);
    const QByteArray line = message.toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
}

} // namespace

void installMessageHandler() {
    qInstallMessageHandler(handleMessage);
}

} // namespace debug
