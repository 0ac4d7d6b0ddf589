// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/UserDefaults.h"

#include "defaults/PropertyList.h"
#include "platform/MainQueue.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

struct UserDefaults::ObserverEntry {
    ObserverId id = 0;
    Options options = 0;
    Observer callback;
    std::atomic<bool> active{true};
};

namespace {

void logError(const QString& message) {
    std::fprintf(stderr, "Gapsel preferences: %s\n", message.toUtf8().constData());
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Holds the cross-process lock on a suite's lock file for one scope.
class FileLock {
public:
    explicit FileLock(int fd)
        : fd_(fd) {
        while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~FileLock() {
        if (fd_ >= 0)
            ::flock(fd_, LOCK_UN);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_;
};

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

void syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

// --- Finding suites ---------------------------------------------------------

QString UserDefaults::folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

bool UserDefaults::isValidSuiteName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)) &&
           name != QLatin1String(".") && name != QLatin1String("..");
}

std::shared_ptr<UserDefaults> UserDefaults::standard() {
    static const std::shared_ptr<UserDefaults> standardSuite =
        suite(QStringLiteral(GAPSEL_BUNDLE_ID));
    return standardSuite;
}

std::shared_ptr<UserDefaults> UserDefaults::suite(const QString& name) {
    if (!isValidSuiteName(name))
        return nullptr;
    static std::mutex registryMutex;
    static std::map<QString, std::shared_ptr<UserDefaults>> registry;
    std::lock_guard lock(registryMutex);
    auto& slot = registry[name];
    if (!slot)
        slot = open(name, folder() + QLatin1Char('/') + name + QStringLiteral(".plist"));
    return slot;
}

std::shared_ptr<UserDefaults> UserDefaults::open(const QString& name, const QString& filePath) {
    return std::shared_ptr<UserDefaults>(new UserDefaults(name, filePath));
}

UserDefaults::UserDefaults(QString name, QString path)
    : name_(std::move(name))
    , path_(std::move(path)) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const QByteArray lockPath = QFile::encodeName(path_ + QStringLiteral(".lock"));
    lockFd_ = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0)
        logError(QStringLiteral("cannot open the lock file of %1: %2").arg(path_, systemError()));
    std::lock_guard lock(mutex_);
    FileLock fileLock(lockFd_);
    removeAbandonedTemporariesLocked();
    refreshLocked(Unreadable::KeepAside);
}

// Every writer holds the file lock while its temporary file exists, so one
// found while we hold the lock was left by a writer that died mid-write.
void UserDefaults::removeAbandonedTemporariesLocked() {
    const QFileInfo file(path_);
    const QStringList leftovers = file.absoluteDir().entryList(
        {file.fileName() + QStringLiteral(".tmp-*")}, QDir::Files | QDir::Hidden);
    for (const QString& leftover : leftovers)
        QFile::remove(file.absoluteDir().filePath(leftover));
}

UserDefaults::~UserDefaults() {
    delete watcher_;
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

// --- Reading ----------------------------------------------------------------

QVariant UserDefaults::visibleLocked(const QString& key) const {
    if (auto stored = persistent_.constFind(key); stored != persistent_.constEnd())
        return *stored;
    return registered_.value(key);
}

QVariant UserDefaults::object(const QString& key) const {
    std::lock_guard lock(mutex_);
    return visibleLocked(key);
}

std::optional<QString> UserDefaults::string(const QString& key) const {
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

bool UserDefaults::boolean(const QString& key) const {
    const QVariant value = object(key);
    return value.typeId() == QMetaType::Bool && value.toBool();
}

QVariantMap UserDefaults::dictionaryRepresentation() const {
    std::lock_guard lock(mutex_);
    QVariantMap all = registered_;
    all.insert(persistent_);
    return all;
}

QVariantMap UserDefaults::persistentDomain() const {
    std::lock_guard lock(mutex_);
    return persistent_;
}

void UserDefaults::registerDefaults(const QVariantMap& defaults) {
    std::lock_guard lock(mutex_);
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        QString error;
        if (auto value = PropertyList::normalized(it.value(), &error))
            registered_.insert(it.key(), *value);
        else
            logError(
                QStringLiteral("cannot register a default for \"%1\": %2").arg(it.key(), error));
    }
}

// --- Writing ----------------------------------------------------------------

bool UserDefaults::set(const QVariant& value, const QString& key) {
    if (!value.isValid())
        return removeObject(key);
    QString error;
    auto stored = PropertyList::normalized(value, &error);
    if (!stored) {
        logError(QStringLiteral("refused to store \"%1\" in %2: %3").arg(key, name_, error));
        return false;
    }
    return store(key, stored);
}

bool UserDefaults::removeObject(const QString& key) {
    return store(key, std::nullopt);
}

bool UserDefaults::store(const QString& key, const std::optional<QVariant>& value) {
    if (key.isEmpty() || !PropertyList::normalized(key)) {
        logError(QStringLiteral("refused a key that a property list cannot hold in %1").arg(name_));
        return false;
    }
    deliverPrior(key, object(key));
    Change change;
    std::vector<ExternalChange> external;
    {
        std::lock_guard lock(mutex_);
        FileLock fileLock(lockFd_);
        auto refreshed = refreshLocked(Unreadable::KeepAside);
        // A file that is there but cannot be read is never written over.
        if (!refreshed) {
            logError(QStringLiteral("did not save \"%1\": %2 is there but cannot be read")
                         .arg(key, path_));
            return false;
        }
        external = std::move(*refreshed);
        change.oldValue = visibleLocked(key);
        const auto current = persistent_.constFind(key);
        const bool unchanged =
            value ? current != persistent_.constEnd() && PropertyList::identical(*current, *value)
                  : current == persistent_.constEnd();
        QVariantMap next = persistent_;
        if (value)
            next.insert(key, *value);
        else
            next.remove(key);
        QString error;
        if (!unchanged && !writeFileLocked(next, &error)) {
            logError(QStringLiteral("could not save \"%1\" to %2: %3").arg(key, path_, error));
            return false;
        }
        persistent_ = std::move(next);
        change.newValue = visibleLocked(key);
    }
    deliverExternal(std::move(external));
    notify(key, change);
    return true;
}

bool UserDefaults::writeFileLocked(const QVariantMap& contents, QString* error) {
    const QByteArray xml = PropertyList::toXml(contents);
    const QString temporary = QStringLiteral("%1.tmp-%2").arg(path_).arg(::getpid());
    const QByteArray temporaryName = QFile::encodeName(temporary);
    const int fd =
        ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = systemError();
        return false;
    }
    const bool written = writeAll(fd, xml) && ::fsync(fd) == 0;
    const QString writeError = written ? QString() : systemError();
    ::close(fd);
    if (!written ||
        ::rename(temporaryName.constData(), QFile::encodeName(path_).constData()) != 0) {
        *error = written ? systemError() : writeError;
        ::unlink(temporaryName.constData());
        return false;
    }
    syncFolder(QFileInfo(path_).absolutePath());
    stamp_ = currentStamp();
    return true;
}

// --- The file and other processes --------------------------------------------

UserDefaults::FileStamp UserDefaults::currentStamp() const {
    struct stat info {};
    if (::stat(QFile::encodeName(path_).constData(), &info) != 0)
        return {};
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::uint64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
            true};
}

std::optional<QVariantMap> UserDefaults::readFileLocked(Unreadable policy) {
    QFile file(path_);
    if (!file.exists())
        return QVariantMap();
    if (!file.open(QIODevice::ReadOnly)) {
        logError(QStringLiteral("cannot read %1: %2").arg(path_, file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    // An empty file holds nothing to lose; while watching it is most likely an
    // editor in the middle of saving, so wait for the next change. Before a
    // write, the values in use stand (and are written over it).
    if (bytes.isEmpty())
        return policy == Unreadable::KeepAside ? std::optional(persistent_) : std::nullopt;
    QString error;
    auto contents = PropertyList::parse(bytes, &error);
    if (contents)
        return contents;
    if (policy == Unreadable::Ignore) {
        logError(QStringLiteral("%1 changed but cannot be read (%2); keeping the values in use")
                     .arg(path_, error));
        return std::nullopt;
    }
    // Once the bad file is safely aside, the values in use stand.
    return keepAsideLocked(error) ? std::optional(persistent_) : std::nullopt;
}

bool UserDefaults::keepAsideLocked(const QString& reason) {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = QStringLiteral("%1.corrupt-%2").arg(path_, stamp);
    for (int n = 2; QFile::exists(aside); ++n)
        aside = QStringLiteral("%1.corrupt-%2-%3").arg(path_, stamp).arg(n);
    if (!QFile::rename(path_, aside)) {
        logError(QStringLiteral("%1 cannot be read (%2) and could not be moved aside")
                     .arg(path_, reason));
        return false;
    }
    logError(
        QStringLiteral("%1 cannot be read (%2); it was kept as %3 and the preferences start empty")
            .arg(path_, reason, aside));
    return true;
}

std::optional<std::vector<UserDefaults::ExternalChange>>
UserDefaults::refreshLocked(Unreadable policy) {
    const FileStamp now = currentStamp();
    if (now == stamp_ && stamp_.exists)
        return std::vector<ExternalChange>();
    auto contents = readFileLocked(policy);
    if (!contents)
        return std::nullopt;
    stamp_ = currentStamp();
    std::vector<ExternalChange> changes;
    QStringList keys = persistent_.keys() + contents->keys();
    keys.removeDuplicates();
    for (const QString& key : keys) {
        const QVariant before = visibleLocked(key);
        const QVariant after =
            contents->contains(key) ? contents->value(key) : registered_.value(key);
        if (!PropertyList::identical(before, after))
            changes.push_back({key, before, after});
    }
    persistent_ = std::move(*contents);
    return changes;
}

void UserDefaults::synchronize() {
    std::vector<ExternalChange> changes;
    {
        std::lock_guard lock(mutex_);
        FileLock fileLock(lockFd_);
        changes = refreshLocked(Unreadable::Ignore).value_or(std::vector<ExternalChange>());
    }
    for (const auto& change : changes) {
        deliverPrior(change.key, change.oldValue);
        notify(change.key, {false, change.newValue, change.oldValue});
    }
    if (watcher_ && QFile::exists(path_) && !watcher_->files().contains(path_))
        watcher_->addPath(path_);
}

void UserDefaults::deliverExternal(std::vector<ExternalChange> changes) {
    if (changes.empty())
        return;
    auto deliver = [weak = weak_from_this(), changes = std::move(changes)] {
        auto self = weak.lock();
        if (!self)
            return;
        for (const auto& change : changes) {
            // A later write of the same key has been told already; telling
            // this older value now would leave observers with a stale one.
            if (!PropertyList::identical(self->object(change.key), change.newValue))
                continue;
            self->deliverPrior(change.key, change.oldValue);
            self->notify(change.key, {false, change.newValue, change.oldValue});
        }
    };
    if (queue_)
        queue_->async(std::move(deliver));
    else
        deliver();
}

void UserDefaults::watchForExternalChanges(platform::MainQueue& queue) {
    if (watcher_)
        return;
    queue_ = &queue;
    watcher_ = new QFileSystemWatcher;
    // The folder tells about the file being replaced (every atomic save renames
    // a new file over it); the file itself about edits made in place.
    watcher_->addPath(QFileInfo(path_).absolutePath());
    if (QFile::exists(path_))
        watcher_->addPath(path_);
    auto onChange = [this, weak = weak_from_this()] {
        queue_->async([weak] {
            if (auto self = weak.lock())
                self->synchronize();
        });
    };
    QObject::connect(watcher_, &QFileSystemWatcher::directoryChanged, watcher_, onChange);
    QObject::connect(watcher_, &QFileSystemWatcher::fileChanged, watcher_, onChange);
}

// --- Observers --------------------------------------------------------------

UserDefaults::ObserverId UserDefaults::addObserver(const QString& key, Options options,
                                                   Observer observer) {
    auto entry = std::make_shared<ObserverEntry>();
    entry->options = options;
    entry->callback = std::move(observer);
    const ObserverId id = nextObserverId_++;
    {
        std::lock_guard lock(observersMutex_);
        observers_.emplace(key, entry);
        entry->id = id;
    }
    if (options & Initial)
        entry->callback({false, object(key), QVariant()});
    return id;
}

void UserDefaults::removeObserver(ObserverId id) {
    std::lock_guard lock(observersMutex_);
    for (auto it = observers_.begin(); it != observers_.end(); ++it) {
        if (it->second->id == id) {
            it->second->active = false;
            observers_.erase(it);
            return;
        }
    }
}

void UserDefaults::notify(const QString& key, const Change& change) const {
    std::vector<std::shared_ptr<ObserverEntry>> targets;
    {
        std::lock_guard lock(observersMutex_);
        for (auto [it, end] = observers_.equal_range(key); it != end; ++it)
            targets.push_back(it->second);
        for (auto [it, end] = observers_.equal_range(QString()); it != end && !key.isEmpty(); ++it)
            targets.push_back(it->second);
    }
    for (const auto& entry : targets) {
        if (!entry->active)
            continue;
        if (change.isPrior && !(entry->options & Prior))
            continue;
        entry->callback(change);
    }
}

void UserDefaults::deliverPrior(const QString& key, const QVariant& currentValue) const {
    notify(key, {true, QVariant(), currentValue});
}
