// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace platform::xdg {

// The order in which tray items register with the watcher: one at a time, in
// the order of their keys (the order the items were made), so that hosts that
// place items by arrival place them in the program's order.
//
// XFCE's tray records every new item's Id in its settings (known-items) and
// shows only recorded items, but two of its writes that overlap cancel each
// other and an item goes unrecorded for good. With pacing, the next item
// registers only once the previous one's Id is recorded (or a short wait has
// passed), and when all have registered, an item still unrecorded registers
// anew, a few times at most.
class RegistrationQueue {
public:
    using Key = quint64;

    enum class Pacing {
        // Whether to pace is not known yet: nothing registers until it is.
        Undecided,
        // The next item registers as soon as the watcher answered.
        None,
        // The next item also waits for the host's record of the previous one.
        AwaitRecord,
    };

    struct Actions {
        // Ask the watcher to take the item; answer with registrationAnswered.
        std::function<void(Key)> registerItem;
        // Take the item off the bus and register it under a new connection;
        // answer with registrationAnswered.
        std::function<void(Key)> registerAnew;
        // Call recordWaitElapsed after a short while.
        std::function<void()> startRecordWait;
    };

    // How often an item that the host did not record registers anew.
    static constexpr int maximumRetries = 2;

    explicit RegistrationQueue(Actions actions)
        : actions_(std::move(actions)) {}

    void setPacing(Pacing pacing);
    Pacing pacing() const { return pacing_; }

    // The item wants to register (again); `id` is the Id the host records.
    // Keys count up in the order the items were made.
    void enqueue(Key key, const QString& id);
    // The item is gone.
    void forget(Key key);

    void registrationAnswered(Key key);
    // The Ids the host has recorded, all of them.
    void recordedIdsChanged(const QStringList& ids);
    void recordWaitElapsed();

private:
    struct Entry {
        Key key;
        QString id;
        bool anew = false;
    };

    void pump();
    void finishCurrent();
    void registerUnrecordedAnew();
    bool isRecorded(const QString& id) const { return id.isEmpty() || recorded_.contains(id); }

    Actions actions_;
    Pacing pacing_ = Pacing::None;
    QList<Entry> waiting_;
    std::optional<Entry> current_;
    bool awaitingRecord_ = false;
    // Registered items in order, with how often each registered anew.
    QList<std::pair<Entry, int>> registered_;
    QStringList recorded_;
};

} // namespace platform::xdg
