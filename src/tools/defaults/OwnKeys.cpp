// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "tools/defaults/OwnKeys.h"

#include "keys/GapselKeys.h"

#include <QStringList>

#include <functional>
#include <limits>
#include <vector>

namespace tools {

namespace {

// True when a key of kind V reads `stored` as a value of its own, rather
// than falling back to its default.
template <class V> bool readsAs(const QVariant& stored) {
    if constexpr (Defaults::Serializable<V>::isNativelyStored) {
        if (Defaults::Serializable<V>::fromNative(stored))
            return true;
    }
    using Bridge = Defaults::BridgeOf<V>;
    return Bridge::accepts(stored) && Bridge::deserialize(stored).has_value();
}

QString useDefault() {
    return QStringLiteral("it will use its default instead of this value");
}

// What a key of kind V does with the parts of a stored value it cannot read:
// uses its default instead of the whole value, or skips items of a list or
// entries of a dictionary. Empty when it reads everything.
template <class V> struct Ignored {
    static QString in(const QVariant& stored) {
        return readsAs<V>(stored) ? QString() : useDefault();
    }
};

template <class E> struct Ignored<QList<E>> {
    static QString in(const QVariant& stored) {
        if (!readsAs<QList<E>>(stored))
            return useDefault();
        QStringList skipped;
        const QVariantList items = stored.toList();
        for (qsizetype index = 0; index < items.size(); ++index) {
            if (!readsAs<E>(items[index]))
                skipped << QString::number(index + 1);
        }
        return skipped.isEmpty()
                   ? QString()
                   : QStringLiteral("it will skip item ") + skipped.join(QStringLiteral(", "));
    }
};

template <class E> struct Ignored<QMap<QString, E>> {
    static QString in(const QVariant& stored) {
        if (!readsAs<QMap<QString, E>>(stored))
            return useDefault();
        QStringList skipped;
        const QVariantMap entries = stored.toMap();
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            if (!readsAs<E>(it.value()))
                skipped << it.key();
        }
        return skipped.isEmpty()
                   ? QString()
                   : QStringLiteral("it will skip entry ") + skipped.join(QStringLiteral(", "));
    }
};

// The launch count grows by one at every start, which the largest integer
// cannot.
QString launchCountIgnored(const QVariant& stored) {
    if (QString ignored = Ignored<qint64>::in(stored); !ignored.isEmpty())
        return ignored;
    if (Defaults::fromStoredForm<qint64>(stored) == std::numeric_limits<qint64>::max())
        return QStringLiteral("it will count no further");
    return {};
}

struct OwnKey {
    QString name;
    QString expected; // as a user of this tool would write it
    std::function<QString(const QVariant&)> ignored;
};

template <class V> OwnKey ownKey(const Defaults::Key<V>& key, const char* expected) {
    return {key.name(), QString::fromUtf8(expected), &Ignored<V>::in};
}

std::vector<OwnKey> ownKeys(const std::shared_ptr<UserDefaults>& domain) {
    constexpr const char* boolean = "a Boolean (-bool)";
    constexpr const char* integer = "an integer (-int)";
    return {
        ownKey(keys::separators(domain), "an array whose items are the JSON text of one separator, "
                                         "{\"id\":\"<UUID>\",\"character\":\"<text>\"}"),
        ownKey(keys::reducedOpacity(domain), boolean),
        ownKey(keys::separatorPlacements(domain),
               "a dictionary from separator Ids to the JSON text "
               "{\"id\":\"<tray item Id>\",\"title\":\"<text>\"}"),
        {keys::launchCount(domain).name(),
         QStringLiteral("an integer (-int) below %1").arg(std::numeric_limits<qint64>::max()),
         &launchCountIgnored},
        ownKey(keys::firstLaunchDate(domain), "a date (-date)"),
        ownKey(keys::wasRelaunched(domain), boolean),
        ownKey(keys::showSettingsAfterRelaunch(domain), boolean),
        ownKey(keys::reviewRequestCount(domain), integer),
        ownKey(keys::visibilityCheckShouldNotShowAgain(domain), boolean),
    };
}

} // namespace

void warnAboutOwnKeys(const std::shared_ptr<UserDefaults>& domain, const QVariantMap& written,
                      QTextStream& err) {
    if (domain->name() != QLatin1String(GAPSEL_BUNDLE_ID))
        return;
    for (const OwnKey& own : ownKeys(domain)) {
        if (!written.contains(own.name))
            continue;
        if (const QString ignored = own.ignored(written.value(own.name)); !ignored.isEmpty())
            err << QStringLiteral("gapsel-defaults: warning: Gapsel reads %1 as %2; %3\n")
                       .arg(own.name, own.expected, ignored);
    }
}

} // namespace tools
