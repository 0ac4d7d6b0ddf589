// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class QFileSystemWatcher;

namespace platform {
class MainQueue;
}

// A preferences domain ("suite"): string keys to property-list values
// (see PropertyList.h), kept in one XML property list,
// $XDG_CONFIG_HOME/<suite name>.plist, over a volatile registration layer of
// defaults.
//
// Every change is on disk before the call that makes it returns (written to a
// temporary file, synced, renamed over the old one), so a crash never leaves a
// half-written file. Writers in several processes serialise on a lock file and
// merge: a write re-reads the file first when another process has changed it.
//
// Observers of a key are told about every write of it synchronously, on the
// writing thread, inside the write, and no lock is held while they run. Changes
// that other processes make to the file reach observers too, on the main queue,
// once watchForExternalChanges() has been called.
//
// Any thread may read and write.
class UserDefaults : public std::enable_shared_from_this<UserDefaults> {
public:
    // What observers are told. An invalid QVariant means "no value".
    struct Change {
        bool isPrior = false;
        QVariant newValue;
        QVariant oldValue;
    };
    enum Option : unsigned { Initial = 1u << 0, Prior = 1u << 1 };
    using Options = unsigned;
    using ObserverId = std::uint64_t;
    using Observer = std::function<void(const Change&)>;

    // The user's own domain, named by the application's bundle identifier.
    static std::shared_ptr<UserDefaults> standard();
    // The domain with this name in the user's configuration folder; the same
    // object for the same name during the whole run. Returns none for a name
    // that cannot name a file there (see isValidSuiteName).
    static std::shared_ptr<UserDefaults> suite(const QString& name);
    // A domain kept in a file of the caller's choosing (tools and tests); not
    // shared with suite().
    static std::shared_ptr<UserDefaults> open(const QString& name, const QString& filePath);
    // Suite names must be usable as a file name: not empty, no '/', no NUL,
    // not "." or "..".
    static bool isValidSuiteName(const QString& name);
    // Where suites live: $XDG_CONFIG_HOME, else ~/.config.
    static QString folder();

    ~UserDefaults();
    UserDefaults(const UserDefaults&) = delete;
    UserDefaults& operator=(const UserDefaults&) = delete;

    const QString& name() const { return name_; }
    const QString& filePath() const { return path_; }

    // The stored value, else the registered default, else an invalid QVariant.
    QVariant object(const QString& key) const;
    std::optional<QString> string(const QString& key) const;
    // True only when a Boolean true is visible under the key.
    bool boolean(const QString& key) const;

    // Stores `value` (an invalid QVariant removes the entry). Returns false,
    // changing nothing and logging why, when the value cannot be held in a
    // property list or the file cannot be written.
    bool set(const QVariant& value, const QString& key);
    bool removeObject(const QString& key);

    // Adds to the volatile registration layer (never written to the file).
    void registerDefaults(const QVariantMap& defaults);
    // Every visible entry: stored ones over registered ones.
    QVariantMap dictionaryRepresentation() const;
    // Only the stored entries.
    QVariantMap persistentDomain() const;

    // An observer of the empty key is told about the changes of every key
    // (for listings of the whole domain).
    ObserverId addObserver(const QString& key, Options options, Observer observer);
    void removeObserver(ObserverId id);

    // Starts noticing changes that other processes make to the file (through
    // file-system notification; no polling). Must be called on the main thread,
    // which runs a Qt event loop; changes are delivered through `queue`.
    void watchForExternalChanges(platform::MainQueue& queue);
    // Reads the file again if it changed since this process last saw it and
    // tells observers what changed. Called by the watcher; callable directly.
    void synchronize();

private:
    struct ObserverEntry;
    struct ExternalChange {
        QString key;
        QVariant oldValue;
        QVariant newValue;
    };
    struct FileStamp {
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t modifiedNs = 0;
        bool exists = false;
        bool operator==(const FileStamp&) const = default;
    };
    enum class Unreadable { KeepAside, Ignore };

    UserDefaults(QString name, QString path);

    bool store(const QString& key, const std::optional<QVariant>& value);
    QVariant visibleLocked(const QString& key) const;
    void removeAbandonedTemporariesLocked();
    // The changes found in the file since it was last seen; none when the file
    // is there but cannot be read (and is still in place).
    std::optional<std::vector<ExternalChange>> refreshLocked(Unreadable policy);
    std::optional<QVariantMap> readFileLocked(Unreadable policy);
    bool writeFileLocked(const QVariantMap& contents, QString* error);
    bool keepAsideLocked(const QString& reason);
    FileStamp currentStamp() const;

    void notify(const QString& key, const Change& change) const;
    void deliverPrior(const QString& key, const QVariant& currentValue) const;
    void deliverExternal(std::vector<ExternalChange> changes);

    const QString name_;
    const QString path_;
    int lockFd_ = -1;

    mutable std::mutex mutex_;
    QVariantMap persistent_;
    QVariantMap registered_;
    FileStamp stamp_;

    mutable std::mutex observersMutex_;
    std::multimap<QString, std::shared_ptr<ObserverEntry>> observers_;
    std::atomic<ObserverId> nextObserverId_{1};

    platform::MainQueue* queue_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
};
