// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/UserDefaults.h"

#include "defaults/DefaultsLog.h"
#include "defaults/FileChangeWatcher.h"
#include "defaults/PropertyList.h"
#include "platform/MainQueue.h"

namespace {

void logError(const QString& message) {
    qCWarning(defaultsLog).noquote() << QStringLiteral("Gapsel preferences: ") + message;
}

} // namespace

// --- Finding suites ---------------------------------------------------------

QString UserDefaults::folder() {
    return Defaults::PreferencesFile::configFolder();
}

bool UserDefaults::isValidSuiteName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)) &&
           name != QLatin1String(".") && name != QLatin1String("..");
}

std::shared_ptr<UserDefaults> UserDefaults::openSuite(const QString& name) {
    if (!isValidSuiteName(name))
        return nullptr;
    const QString path = suitePath(name);
    if (path.isEmpty())
        logError(
            QStringLiteral("there is no home folder: \"%1\" is kept in memory only").arg(name));
    return open(name, path);
}

QString UserDefaults::suitePath(const QString& name) {
    const QString home = folder();
    return home.isEmpty() ? QString() : home + QLatin1Char('/') + name + QStringLiteral(".plist");
}

std::shared_ptr<UserDefaults> UserDefaults::open(const QString& name, const QString& filePath) {
    return std::shared_ptr<UserDefaults>(new UserDefaults(name, filePath));
}

UserDefaults::UserDefaults(QString name, QString path)
    : name_(std::move(name))
    , file_(std::move(path)) {
    std::lock_guard lock(mutex_);
    const auto fileLock = file_.lock();
    file_.removeAbandonedTemporaries();
    refreshLocked(Unreadable::KeepAside);
    loaded_ = true;
}

UserDefaults::~UserDefaults() = default;

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
        if (auto value = Defaults::propertyListValue(it.value(), &error))
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
    auto stored = Defaults::propertyListValue(value, &error);
    if (!stored) {
        logError(QStringLiteral("refused to store \"%1\" in %2: %3").arg(key, name_, error));
        return false;
    }
    return store(key, [&stored](const QVariant&, std::optional<QVariant>& next) {
        next = stored;
        return true;
    });
}

bool UserDefaults::removeObject(const QString& key) {
    return store(key, [](const QVariant&, std::optional<QVariant>& next) {
        next.reset();
        return true;
    });
}

bool UserDefaults::update(const QString& key, const Edit& edit) {
    QString error;
    const bool stored = store(key, [&](const QVariant& current, std::optional<QVariant>& next) {
        next = edit(current);
        if (!next || !next->isValid()) {
            next.reset();
            return true;
        }
        next = Defaults::propertyListValue(*next, &error);
        return next.has_value();
    });
    if (!error.isEmpty())
        logError(QStringLiteral("refused to store \"%1\" in %2: %3").arg(key, name_, error));
    return stored;
}

void UserDefaults::onSaveFailure(SaveFailureHandler handler) {
    std::lock_guard lock(mutex_);
    saveFailureHandler_ = std::move(handler);
}

void UserDefaults::saveFailed(const QString& reason) const {
    SaveFailureHandler handler;
    {
        std::lock_guard lock(mutex_);
        handler = saveFailureHandler_;
    }
    if (handler)
        handler(file_.path(), reason);
}

bool UserDefaults::store(const QString& key, const Decision& decide) {
    if (key.isEmpty() || !Defaults::propertyListValue(key)) {
        logError(QStringLiteral("refused a key that a property list cannot hold in %1").arg(name_));
        return false;
    }
    observers_.notify(key, {true, QVariant(), object(key)});
    Change change;
    std::vector<ExternalChange> external;
    QString failure;
    bool refused = false;
    {
        std::lock_guard lock(mutex_);
        const auto fileLock = file_.lock();
        auto refreshed = refreshLocked(Unreadable::KeepAside);
        // A file that is there but cannot be read is never written over.
        if (!refreshed) {
            failure = QStringLiteral("it cannot be read (%1)").arg(readProblem_);
        } else {
            external = std::move(*refreshed);
            change.oldValue = visibleLocked(key);
            std::optional<QVariant> value;
            refused = !decide(change.oldValue, value);
            if (!refused && writeLocked(key, value, &failure))
                change.newValue = visibleLocked(key);
        }
    }
    deliverExternal(std::move(external));
    if (refused)
        return false;
    if (!failure.isEmpty()) {
        logError(QStringLiteral("could not save \"%1\" to %2: %3").arg(key, file_.path(), failure));
        saveFailed(failure);
        return false;
    }
    observers_.notify(key, change);
    return true;
}

bool UserDefaults::writeLocked(const QString& key, const std::optional<QVariant>& value,
                               QString* failure) {
    const auto current = persistent_.constFind(key);
    const bool unchanged =
        value ? current != persistent_.constEnd() && Defaults::identicalValues(*current, *value)
              : current == persistent_.constEnd();
    QVariantMap next = persistent_;
    if (value)
        next.insert(key, *value);
    else
        next.remove(key);
    if (!unchanged) {
        if (!file_.write(next, failure)) {
            if (failure->isEmpty())
                *failure = QStringLiteral("unknown error");
            return false;
        }
        stamp_ = file_.stamp();
    }
    persistent_ = std::move(next);
    return true;
}

// --- The file and other processes --------------------------------------------

std::optional<QVariantMap> UserDefaults::readFileLocked(Unreadable policy) {
    using Kind = Defaults::PreferencesFile::Contents::Kind;
    Defaults::PreferencesFile::Contents contents = file_.read();
    switch (contents.kind) {
    case Kind::Missing:
        return QVariantMap();
    case Kind::Parsed:
        return std::move(contents.values);
    case Kind::Refused:
        return refusedLocked(policy, contents.problem);
    case Kind::Unreadable:
        readProblem_ = contents.problem;
        logError(QStringLiteral("cannot read %1: %2").arg(file_.path(), contents.problem));
        return std::nullopt;
    case Kind::Empty:
        // An empty file holds nothing to lose; while watching it is most
        // likely an editor in the middle of saving, so wait for the next
        // change. Before a write, the values in use stand (and are written
        // over it).
        return policy == Unreadable::KeepAside ? std::optional(persistent_) : std::nullopt;
    case Kind::TooLarge:
    case Kind::Unparsable:
        readProblem_ = contents.problem;
        break;
    }
    if (policy == Unreadable::Ignore) {
        logError(QStringLiteral("%1 changed but cannot be read (%2); keeping the values in use")
                     .arg(file_.path(), contents.problem));
        return std::nullopt;
    }
    // Once the bad file is safely aside, the values in use stand, and are
    // saved in its place at once: read again, the missing file would drop them.
    if (!keepAsideLocked(contents.problem))
        return std::nullopt;
    QString failure;
    if (loaded_ && !file_.write(persistent_, &failure))
        logError(QStringLiteral("could not save the values in use to %1: %2")
                     .arg(file_.path(), failure));
    return persistent_;
}

// A device or pipe in the file's place is never read, nor moved: it may be
// the user's own. When it took the place of a file whose values are in use,
// they stand, and the next change writes them back as a regular file; with
// no file read yet, there are no such values and nothing is written.
std::optional<QVariantMap> UserDefaults::refusedLocked(Unreadable policy, const QString& reason) {
    readProblem_ = reason;
    const bool valuesInUseAreTheFiles = stamp_.exists;
    logError(QStringLiteral("cannot read %1: %2%3")
                 .arg(file_.path(), reason,
                      valuesInUseAreTheFiles ? QStringLiteral("; keeping the values in use")
                                             : QString()));
    if (policy == Unreadable::KeepAside && valuesInUseAreTheFiles)
        return persistent_;
    return std::nullopt;
}

bool UserDefaults::keepAsideLocked(const QString& reason) {
    const QString aside = file_.keepAside();
    if (aside.isEmpty()) {
        logError(QStringLiteral("%1 cannot be read (%2) and could not be moved aside")
                     .arg(file_.path(), reason));
        return false;
    }
    const QString outcome = loaded_ ? QStringLiteral("the values in use are saved in its place")
                                    : QStringLiteral("the preferences start empty");
    logError(QStringLiteral("%1 cannot be read (%2); it was kept as %3 and %4")
                 .arg(file_.path(), reason, aside, outcome));
    return true;
}

std::optional<std::vector<UserDefaults::ExternalChange>>
UserDefaults::refreshLocked(Unreadable policy) {
    const Defaults::PreferencesFile::Stamp now = file_.stamp();
    if (now == stamp_ && stamp_.exists)
        return std::vector<ExternalChange>();
    auto contents = readFileLocked(policy);
    if (!contents)
        return std::nullopt;
    stamp_ = file_.stamp();
    std::vector<ExternalChange> changes;
    // Nobody has seen a value before the first read: there is no change to tell.
    if (!loaded_) {
        persistent_ = std::move(*contents);
        return changes;
    }
    QStringList keys = persistent_.keys() + contents->keys();
    keys.removeDuplicates();
    for (const QString& key : keys) {
        const QVariant before = visibleLocked(key);
        const QVariant after =
            contents->contains(key) ? contents->value(key) : registered_.value(key);
        if (!Defaults::identicalValues(before, after))
            changes.push_back({key, before, after});
    }
    persistent_ = std::move(*contents);
    return changes;
}

void UserDefaults::synchronize() {
    std::vector<ExternalChange> changes;
    {
        std::lock_guard lock(mutex_);
        const auto fileLock = file_.lock();
        changes = refreshLocked(Unreadable::Ignore).value_or(std::vector<ExternalChange>());
    }
    for (const auto& change : changes)
        observers_.tell(change.key, change.oldValue, change.newValue);
    if (watcher_)
        watcher_->rewatch();
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
            if (!Defaults::identicalValues(self->object(change.key), change.newValue))
                continue;
            self->observers_.tell(change.key, change.oldValue, change.newValue);
        }
    };
    if (queue_)
        queue_->async(std::move(deliver));
    else
        deliver();
}

void UserDefaults::watchForExternalChanges(platform::MainQueue& queue) {
    if (watcher_ || file_.path().isEmpty())
        return;
    queue_ = &queue;
    watcher_ = std::make_unique<Defaults::FileChangeWatcher>(file_.path(), queue,
                                                             [weak = weak_from_this()] {
                                                                 if (auto self = weak.lock())
                                                                     self->synchronize();
                                                             });
}

// --- Observers --------------------------------------------------------------

UserDefaults::ObserverId UserDefaults::addObserver(const QString& key, Options options,
                                                   Observer observer) {
    return observers_.add(key, options, std::move(observer), [this, &key] { return object(key); });
}

void UserDefaults::removeObserver(ObserverId id) {
    observers_.remove(id);
}
