// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/QtMainQueue.h"

#include <QTimer>

#include <cmath>

namespace platform::xdg {

QtMainQueue::QtMainQueue()
    : context_(new QObject) {}

QtMainQueue::~QtMainQueue() {
    delete context_;
}

void QtMainQueue::async(std::function<void()> work) {
    QMetaObject::invokeMethod(context_, std::move(work), Qt::QueuedConnection);
}

void QtMainQueue::asyncAfter(double seconds, std::function<void()> work) {
    const auto ms = static_cast<int>(std::lround(std::max(seconds, 0.0) * 1000));
    QTimer::singleShot(ms, Qt::PreciseTimer, context_, std::move(work));
}

QDateTime QtMainQueue::now() const {
    return QDateTime::currentDateTimeUtc();
}

} // namespace platform::xdg
