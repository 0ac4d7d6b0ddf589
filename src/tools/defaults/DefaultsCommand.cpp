// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "tools/defaults/DefaultsCommand.h"

#include "defaults/PreferencesFile.h"
#include "defaults/UserDefaults.h"

#include <QDateTime>
#include <QVariantList>
#include <QVariantMap>

#include <algorithm>
#include <cmath>

namespace tools {

namespace {

using Verb = DefaultsCommand::Verb;

struct Failure {
    QString message;
};

// Reads values from the argument list, front to back.
class ValueReader {
public:
    explicit ValueReader(QStringList words)
        : words_(std::move(words)) {}

    bool atEnd() const { return position_ >= words_.size(); }

    QString take(const QString& what) {
        if (atEnd())
            throw Failure{QStringLiteral("%1 is missing").arg(what)};
        return words_[position_++];
    }

    // A value with an optional type flag before it; a bare word is a string.
    QVariant typedValue() {
        const QString word = take(QStringLiteral("a value"));
        if (!word.startsWith(QLatin1Char('-')) || word.size() < 2)
            return word;
        return scalar(word, take(QStringLiteral("the value after %1").arg(word)));
    }

    QVariant topLevel() {
        const QString flag = take(QStringLiteral("a value"));
        QVariant value;
        if (flag == QLatin1String("-array") || flag == QLatin1String("-dict")) {
            value = flag == QLatin1String("-array") ? QVariant(list()) : QVariant(dictionary());
        } else if (flag.startsWith(QLatin1Char('-')) && flag.size() > 1) {
            value = scalar(flag, take(QStringLiteral("the value after %1").arg(flag)));
        } else {
            value = flag;
        }
        if (!atEnd())
            throw Failure{
                QStringLiteral("unexpected \"%1\" after the value").arg(words_[position_])};
        return value;
    }

    // The items of -array-add: at least one.
    QVariantList items() {
        if (atEnd())
            throw Failure{QStringLiteral("-array-add needs at least one item")};
        return list();
    }

private:
    QVariantList list() {
        QVariantList items;
        while (!atEnd())
            items << typedValue();
        return items;
    }

    QVariantMap dictionary() {
        QVariantMap entries;
        while (!atEnd()) {
            const QString key = take(QStringLiteral("a dictionary key"));
            if (atEnd())
                throw Failure{QStringLiteral("the dictionary key \"%1\" has no value").arg(key)};
            entries.insert(key, typedValue());
        }
        return entries;
    }

    static QVariant scalar(const QString& flag, const QString& text) {
        if (flag == QLatin1String("-string"))
            return text;
        if (flag == QLatin1String("-int") || flag == QLatin1String("-integer"))
            return integer(text);
        if (flag == QLatin1String("-float"))
            return real(text);
        if (flag == QLatin1String("-bool") || flag == QLatin1String("-boolean"))
            return boolean(text);
        if (flag == QLatin1String("-date"))
            return date(text);
        if (flag == QLatin1String("-data"))
            return data(text);
        throw Failure{QStringLiteral("unknown value type %1").arg(flag)};
    }

    static QVariant integer(const QString& text) {
        bool ok = false;
        if (const qint64 value = text.toLongLong(&ok); ok)
            return value;
        if (const quint64 value = text.toULongLong(&ok); ok)
            return value;
        throw Failure{QStringLiteral("\"%1\" is not an integer").arg(text)};
    }

    static QVariant real(const QString& text) {
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok || !std::isfinite(value))
            throw Failure{QStringLiteral("\"%1\" is not a number").arg(text)};
        return value;
    }

    static QVariant boolean(const QString& text) {
        const QString word = text.toLower();
        if (word == QLatin1String("true") || word == QLatin1String("yes") ||
            word == QLatin1String("1"))
            return true;
        if (word == QLatin1String("false") || word == QLatin1String("no") ||
            word == QLatin1String("0"))
            return false;
        throw Failure{QStringLiteral("\"%1\" is not true, false, yes, no, 1 or 0").arg(text)};
    }

    static QVariant date(const QString& text) {
        const QDateTime value = QDateTime::fromString(text, Qt::ISODate);
        if (!value.isValid())
            throw Failure{
                QStringLiteral("\"%1\" is not a date like 2026-12-06T18:00:00Z").arg(text)};
        return value.toUTC();
    }

    // Checked digit by digit: a pattern engine gives up on long input.
    static QVariant data(const QString& text) {
        const auto isHexDigit = [](QChar c) {
            return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        };
        if (text.size() % 2 != 0 || !std::all_of(text.begin(), text.end(), isHexDigit))
            throw Failure{QStringLiteral("\"%1\" is not hexadecimal bytes").arg(abridged(text))};
        if (text.size() / 2 > Defaults::PreferencesFile::maximumSize)
            throw Failure{QStringLiteral("%1 bytes are more than a preferences file can hold")
                              .arg(text.size() / 2)};
        return QByteArray::fromHex(text.toLatin1());
    }

    static QString abridged(const QString& text) {
        constexpr qsizetype shown = 40;
        return text.size() <= shown ? text : text.left(shown) + QStringLiteral("…");
    }

    QStringList words_;
    qsizetype position_ = 0;
};

QString checkedDomain(const QString& name) {
    if (!UserDefaults::isValidSuiteName(name))
        throw Failure{QStringLiteral("\"%1\" cannot name a domain").arg(name)};
    return name;
}

QString checkedKey(const QString& key) {
    if (key.isEmpty())
        throw Failure{QStringLiteral("the key is empty")};
    return key;
}

// A verb, the number of words it takes after it (-1: any number from `least`
// on) and how --help shows it.
struct VerbForm {
    const char* word;
    Verb verb;
    int least;
    int most;
    const char* synopsis;
};

constexpr VerbForm verbForms[] = {
    {"domains", Verb::Domains, 0, 0, "domains"},
    {"read", Verb::Read, 0, 2, "read [DOMAIN [KEY]]"},
    {"read-type", Verb::ReadType, 2, 2, "read-type DOMAIN KEY"},
    {"write", Verb::Write, 3, -1, "write DOMAIN KEY VALUE"},
    {"delete", Verb::Delete, 1, 2, "delete DOMAIN [KEY]"},
    {"export", Verb::Export, 2, 2, "export DOMAIN FILE|-"},
    {"import", Verb::Import, 2, 2, "import DOMAIN FILE|-"},
};

const VerbForm& formOf(const QString& word, qsizetype words) {
    const auto* form =
        std::find_if(std::begin(verbForms), std::end(verbForms),
                     [&](const VerbForm& f) { return word == QLatin1String(f.word); });
    if (form == std::end(verbForms))
        throw Failure{QStringLiteral("\"%1\" is not a command").arg(word)};
    if (words < form->least || (form->most >= 0 && words > form->most))
        throw Failure{QStringLiteral("the command is: %1").arg(QLatin1String(form->synopsis))};
    return *form;
}

DefaultsCommand writeCommand(const QStringList& rest) {
    const QString domain = checkedDomain(rest[0]);
    const QString key = checkedKey(rest[1]);
    if (rest[2] == QLatin1String("-array-add"))
        return {Verb::ArrayAdd, domain, key, ValueReader(rest.mid(3)).items(), {}};
    return {Verb::Write, domain, key, ValueReader(rest.mid(2)).topLevel(), {}};
}

DefaultsCommand parse(const QStringList& arguments) {
    if (arguments.isEmpty())
        throw Failure{QStringLiteral("no command given")};
    const QString& verb = arguments.first();
    if (verb == QLatin1String("help") || verb == QLatin1String("-h") ||
        verb == QLatin1String("--help"))
        return {};
    if (verb == QLatin1String("--version"))
        return {Verb::Version, {}, {}, {}, {}};
    const QStringList rest = arguments.mid(1);
    const VerbForm& form = formOf(verb, rest.size());
    switch (form.verb) {
    case Verb::Write:
        return writeCommand(rest);
    case Verb::ReadType:
        return {Verb::ReadType, checkedDomain(rest[0]), checkedKey(rest[1]), {}, {}};
    case Verb::Export:
    case Verb::Import:
        return {form.verb, checkedDomain(rest[0]), {}, {}, rest[1]};
    default: // domains, read, delete
        return {
            form.verb, rest.isEmpty() ? QString() : checkedDomain(rest[0]), rest.value(1), {}, {}};
    }
}

} // namespace

ParsedCommand parseDefaultsCommand(const QStringList& arguments) {
    try {
        return {parse(arguments), {}};
    } catch (const Failure& failure) {
        return {std::nullopt, failure.message};
    }
}

QString defaultsUsage() {
    QString text;
    for (const VerbForm& form : verbForms)
        text += QStringLiteral("%1gapsel-defaults %2\n")
                    .arg(text.isEmpty() ? QStringLiteral("usage: ") : QStringLiteral("       "),
                         QLatin1String(form.synopsis));
    return text + QStringLiteral(
                      "       gapsel-defaults write DOMAIN KEY -array-add ITEM...\n"
                      "       gapsel-defaults --help | --version\n"
                      "\n"
                      "VALUE is a word (a string) or one of:\n"
                      "  -string TEXT   -int N   -float X   -bool true|false|yes|no|1|0\n"
                      "  -date 2026-12-06T18:00:00Z   -data HEX\n"
                      "  -array ITEM...          items are words or typed values (-int 3)\n"
                      "  -dict KEY ITEM ...      pairs of a key and an item\n"
                      "-array-add appends the items to the array stored under KEY.\n"
                      "\n"
                      "Domains live in $XDG_CONFIG_HOME (~/.config) as DOMAIN.plist; Gapsel's own\n"
                      "domain is " GAPSEL_BUNDLE_ID ". A running Gapsel sees changes at once.\n"
                      "export writes a domain as an XML property list, import replaces a domain\n"
                      "with one (XML or binary); \"-\" is standard output or input.\n"
                      "delete DOMAIN removes the domain's file.\n");
}

} // namespace tools
