// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <cstdint>

namespace Defaults {

// The file that keeps a preferences domain, and everything the operating
// system is asked about it: the lock that serialises writers in several
// processes, the durable write (a temporary file, synced, renamed over the
// old one, so a crash leaves the old or the new file and never a torn one),
// and moving a file that cannot be parsed aside.
//
// A symbolic link is written through to the file it names, unless that is no
// regular file (a device, a FIFO): then the link is replaced. Anything but a
// regular file is refused before a byte is read, and so are files larger
// than `maximumSize`; a write that would make the file larger fails, so that
// what is written can always be read back.
//
// An empty path stands for "nowhere to keep preferences" (no home folder):
// nothing is read and every write fails, saying so.
class PreferencesFile {
public:
    static constexpr std::int64_t maximumSize = 64 * 1024 * 1024;

    // Identifies one version of the file: a change by anyone changes it.
    struct Stamp {
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t modifiedNs = 0;
        bool exists = false;
        bool operator==(const Stamp&) const = default;
    };

    // What reading found.
    struct Contents {
        // Refused: not a regular file. TooLarge: larger than maximumSize.
        enum class Kind {
            Missing,
            Empty,
            Parsed,
            Refused,
            Unreadable,
            TooLarge,
            Unparsable
        } kind = Kind::Missing;
        QVariantMap values; // when Parsed
        QString problem;    // why, unless Missing, Empty or Parsed
    };

    // Holds the cross-process lock for one scope.
    class Lock {
    public:
        explicit Lock(int fd);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        int fd_;
    };

    // What the file at `path` holds, read without creating or changing
    // anything (also not the lock file).
    static Contents contentsOf(const QString& path);

    // Where domains live: $XDG_CONFIG_HOME, else ~/.config, with the home
    // folder from the password database when HOME is not set. Empty when
    // there is no home folder but the root folder, which is never written.
    static QString configFolder();

    // Creates the folder and opens the lock file beside `path`.
    explicit PreferencesFile(QString path);
    ~PreferencesFile();
    PreferencesFile(const PreferencesFile&) = delete;
    PreferencesFile& operator=(const PreferencesFile&) = delete;

    const QString& path() const { return path_; }

    Lock lock() const { return Lock(lockFd_); }
    Stamp stamp() const { return stampOf(path_); }
    // The stamp of the file at `path` (through a link, of the file it names).
    static Stamp stampOf(const QString& path);
    Contents read() const;
    // Replaces the file with `contents`; on failure says why in `error`.
    bool write(const QVariantMap& contents, QString* error) const;
    // Renames the file to <path>.corrupt-<UTC time>; returns the new name, or
    // an empty string when it could not be moved.
    QString keepAside() const;
    // Every writer holds the lock while its temporary file exists, so one
    // found while holding the lock was left by a writer that died mid-write.
    void removeAbandonedTemporaries() const;

private:
    QString writeTarget() const;

    const QString path_;
    int lockFd_ = -1;
};

} // namespace Defaults
