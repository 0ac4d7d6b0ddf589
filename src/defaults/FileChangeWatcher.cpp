// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/FileChangeWatcher.h"

#include "defaults/DefaultsLog.h"
#include "platform/MainQueue.h"

#include <QSocketNotifier>

FileChangeWatcher::FileChangeWatcher(const QString& path, platform::MainQueue& queue,
                                     std::function<void()> onChange)
    : changes_(path) {
    if (changes_.descriptor() < 0) {
        qCWarning(defaultsLog).noquote()
            << QStringLiteral("Gapsel preferences: changes other programs make to %1 will not "
                              "be noticed: %2")
                   .arg(path, changes_.problem());
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(changes_.descriptor(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this, &queue, onChange = std::move(onChange)] {
                         if (changes_.take())
                             queue.async(onChange);
                     });
}

FileChangeWatcher::~FileChangeWatcher() = default;
