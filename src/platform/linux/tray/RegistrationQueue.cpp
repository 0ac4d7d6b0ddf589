// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/RegistrationQueue.h"

#include <algorithm>

namespace platform::xdg {

void RegistrationQueue::setPacing(Pacing pacing) {
    pacing_ = pacing;
    pump();
}

void RegistrationQueue::enqueue(Key key, const QString& id) {
    const auto same = [key](const Entry& entry) { return entry.key == key; };
    if (std::any_of(waiting_.cbegin(), waiting_.cend(), same))
        return;
    // Keys count up in the order items came: the waiting keep that order.
    const auto later = std::find_if(waiting_.begin(), waiting_.end(),
                                    [key](const Entry& entry) { return entry.key > key; });
    waiting_.insert(later, Entry{key, id});
    pump();
}

void RegistrationQueue::forget(Key key) {
    waiting_.removeIf([key](const Entry& entry) { return entry.key == key; });
    registered_.removeIf([key](const auto& done) { return done.first.key == key; });
    if (current_ && current_->key == key) {
        current_.reset();
        awaitingRecord_ = false;
        pump();
    }
}

void RegistrationQueue::pump() {
    if (current_ || waiting_.isEmpty() || pacing_ == Pacing::Undecided)
        return;
    current_ = waiting_.takeFirst();
    const Key key = current_->key;
    if (current_->anew)
        actions_.registerAnew(key);
    else
        actions_.registerItem(key);
}

void RegistrationQueue::registrationAnswered(Key key) {
    if (!current_ || current_->key != key || awaitingRecord_)
        return;
    if (pacing_ != Pacing::AwaitRecord || isRecorded(current_->id)) {
        finishCurrent();
        return;
    }
    awaitingRecord_ = true;
    actions_.startRecordWait();
}

void RegistrationQueue::recordedIdsChanged(const QStringList& ids) {
    recorded_ = ids;
    if (awaitingRecord_ && isRecorded(current_->id))
        finishCurrent();
}

void RegistrationQueue::recordWaitElapsed() {
    if (awaitingRecord_)
        finishCurrent();
}

void RegistrationQueue::finishCurrent() {
    const Entry done = *current_;
    current_.reset();
    awaitingRecord_ = false;
    const auto earlier =
        std::find_if(registered_.begin(), registered_.end(),
                     [&done](const auto& entry) { return entry.first.key == done.key; });
    if (earlier == registered_.end())
        registered_.append({done, 0});
    if (waiting_.isEmpty() && pacing_ == Pacing::AwaitRecord)
        registerUnrecordedAnew();
    pump();
}

void RegistrationQueue::registerUnrecordedAnew() {
    for (auto& [entry, retries] : registered_) {
        if (isRecorded(entry.id) || retries >= maximumRetries)
            continue;
        ++retries;
        waiting_.append(Entry{entry.key, entry.id, true});
    }
}

} // namespace platform::xdg
