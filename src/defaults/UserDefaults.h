// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include "defaults/KeyObservers.h"
#include "defaults/PreferencesFile.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace Defaults {
class FileChangeWatcher;
}

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
// This class is the domain in memory; PreferencesFile keeps it on disk,
// KeyObservers tells observers, FileChangeWatcher notices other processes.
//
// Any thread may read and write.
class UserDefaults : public std::enable_shared_from_this<UserDefaults> {
public:
    using Change = Defaults::KeyObservers::Change;
    enum Option : unsigned {
        Initial = Defaults::KeyObservers::Initial,
        Prior = Defaults::KeyObservers::Prior
    };
    using Options = Defaults::KeyObservers::Options;
    using ObserverId = Defaults::KeyObservers::Id;
    using Observer = Defaults::KeyObservers::Observer;
    // Told on the writing thread, with no lock held, whenever a change could
    // not be saved: the file and the reason.
    using SaveFailureHandler = std::function<void(const QString& path, const QString& reason)>;

    // Opens the domain with this name in the user's configuration folder, a
    // new object at every call (SuiteRegistry keeps one per name). Returns
    // none for a name that cannot name a file there (see isValidSuiteName).
    static std::shared_ptr<UserDefaults> openSuite(const QString& name);
    // A domain kept in a file of the caller's choosing (tools and tests); not
    // shared with suite().
    static std::shared_ptr<UserDefaults> open(const QString& name, const QString& filePath);
    // Suite names must be usable as a file name: not empty, no '/', no NUL,
    // not "." or "..".
    static bool isValidSuiteName(const QString& name);
    // Where suites live: $XDG_CONFIG_HOME, else ~/.config (see
    // PreferencesFile::configFolder); empty when there is no home folder, and
    // then suites live in memory only and every write fails.
    static QString folder();
    // The file that keeps the suite with this name; empty when there is no
    // home folder.
    static QString suitePath(const QString& name);

    ~UserDefaults();
    UserDefaults(const UserDefaults&) = delete;
    UserDefaults& operator=(const UserDefaults&) = delete;

    const QString& name() const { return name_; }
    const QString& filePath() const { return file_.path(); }

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
    // What an edit makes of the value now visible under a key: the value to
    // store, or none to remove the entry.
    using Edit = std::function<std::optional<QVariant>(const QVariant& current)>;
    // A read-modify-write that no other writer, in this process or another,
    // can slip between: the file is read again under its lock, `edit` is
    // given the current value and what it returns is stored. `edit` runs
    // under the domain's lock and must not touch the domain itself.
    bool update(const QString& key, const Edit& edit);
    // Replaces the handler told about failed saves.
    void onSaveFailure(SaveFailureHandler handler);

    // Adds to the volatile registration layer (never written to the file).
    void registerDefaults(const QVariantMap& defaults);
    // Every visible entry: stored ones over registered ones.
    QVariantMap dictionaryRepresentation() const;
    // Only the stored entries.
    QVariantMap persistentDomain() const;

    // An observer of the empty key is told about the changes of every key
    // (for listings of the whole domain).
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
    struct ExternalChange {
        QString key;
        QVariant oldValue;
        QVariant newValue;
    };
    enum class Unreadable { KeepAside, Ignore };

    UserDefaults(QString name, QString path);

    // Decides, given the current value, what to store (none: remove); false
    // refuses the write.
    using Decision = std::function<bool(const QVariant& current, std::optional<QVariant>& next)>;
    bool store(const QString& key, const Decision& decide);
    // Stores the value (none: removes the entry) in memory and in the file.
    bool writeLocked(const QString& key, const std::optional<QVariant>& value, QString* failure);
    QVariant visibleLocked(const QString& key) const;
    // The changes found in the file since it was last seen; none when the file
    // is there but cannot be read (and is still in place).
    std::optional<std::vector<ExternalChange>> refreshLocked(Unreadable policy);
    std::optional<QVariantMap> readFileLocked(Unreadable policy);
    std::optional<QVariantMap> refusedLocked(Unreadable policy, const QString& reason);
    bool keepAsideLocked(const QString& reason);
    void saveFailed(const QString& reason) const;
    void deliverExternal(std::vector<ExternalChange> changes);

    const QString name_;
    const Defaults::PreferencesFile file_;

    mutable std::mutex mutex_;
    QVariantMap persistent_;
    QVariantMap registered_;
    Defaults::PreferencesFile::Stamp stamp_;
    bool loaded_ = false;
    QString readProblem_; // why the file could not be read, the last time it could not

    SaveFailureHandler saveFailureHandler_;

    Defaults::KeyObservers observers_;
    platform::MainQueue* queue_ = nullptr;
    std::unique_ptr<Defaults::FileChangeWatcher> watcher_;
};
