// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/TraySortKeys.h"

#include "app/SeparatorListEdits.h"

#include <QCollator>

#include <algorithm>

namespace app {

namespace {

// Plasma's order of categories; anything else ranks as unknown, first.
int categoryRank(const QString& category) {
    static const QStringList order{QStringLiteral("ApplicationStatus"),
                                   QStringLiteral("Communications"),
                                   QStringLiteral("SystemServices"), QStringLiteral("Hardware")};
    return static_cast<int>(order.indexOf(category)) + 1;
}

int collated(const QString& a, const QString& b) {
    static const QCollator collator;
    return collator.compare(a, b);
}

// Numbered with as many digits as the most separators there can be: hosts
// compare titles as text, where "100" sorts before "11".
QString separatorTitle(qsizetype index) {
    static const int digits = static_cast<int>(QString::number(maximumSeparators).size());
    return QStringLiteral("Gapsel separator %1").arg(index + 1, digits, 10, QLatin1Char('0'));
}

bool sortsBetween(platform::TrayHostKind host, const platform::TrayItemDescription& candidate,
                  const platform::TrayItemDescription& anchor,
                  const QList<platform::TrayItemDescription>& others) {
    if (!hostSortsBefore(host, anchor, candidate))
        return false;
    return std::all_of(
        others.begin(), others.end(), [&](const platform::TrayItemDescription& other) {
            return !hostSortsBefore(host, anchor, other) || hostSortsBefore(host, candidate, other);
        });
}

} // namespace

bool hostSortsBefore(platform::TrayHostKind host, const platform::TrayItemDescription& a,
                     const platform::TrayItemDescription& b) {
    if (host == platform::TrayHostKind::Cinnamon)
        return collated(a.title.toLower(), b.title.toLower()) < 0;
    const int rankA = categoryRank(a.category);
    const int rankB = categoryRank(b.category);
    if (rankA != rankB)
        return rankA < rankB;
    return collated(a.title, b.title) < 0;
}

platform::TrayItemDescription sortKeyInSequence(qsizetype index) {
    return platform::TrayItemDescription{
        {}, separatorTitle(index), QStringLiteral("ApplicationStatus")};
}

// Collations differ in which characters they weigh, so a few titles are
// tried. Every one names the separator, so that screen readers and the
// tray's settings never show an empty or borrowed name; when none fits, the
// first stands nearest.
platform::TrayItemDescription sortKeyRightAfter(platform::TrayHostKind host,
                                                const platform::TrayItemDescription& anchor,
                                                const QList<platform::TrayItemDescription>& others,
                                                qsizetype index) {
    const QString own = separatorTitle(index);
    // Digits sort before letters everywhere, which helps when the next item's
    // title starts with the anchor's.
    const QStringList titles{anchor.title + QLatin1Char(' ') + own,
                             anchor.title + QStringLiteral(" 0 ") + own,
                             anchor.title + QStringLiteral("0 ") + own};
    for (const QString& title : titles) {
        const platform::TrayItemDescription candidate{{}, title, anchor.category};
        if (sortsBetween(host, candidate, anchor, others))
            return candidate;
    }
    return platform::TrayItemDescription{{}, titles.first(), anchor.category};
}

// Collations that ignore punctuation still weigh digits, and digits come
// before letters: a leading zero or two sorts first in all but a tray whose
// own items start with digits.
platform::TrayItemDescription sortKeyAtStart(platform::TrayHostKind host,
                                             const QList<platform::TrayItemDescription>& others,
                                             qsizetype index) {
    const QString own = separatorTitle(index);
    if (others.isEmpty())
        return sortKeyInSequence(index);
    const platform::TrayItemDescription first = *std::min_element(
        others.begin(), others.end(),
        [host](const platform::TrayItemDescription& a, const platform::TrayItemDescription& b) {
            return hostSortsBefore(host, a, b);
        });
    const QStringList titles{QStringLiteral("0 ") + own, QStringLiteral("00 ") + own,
                             QStringLiteral("000 ") + own};
    for (const QString& title : titles) {
        const platform::TrayItemDescription candidate{{}, title, first.category};
        if (hostSortsBefore(host, candidate, first))
            return candidate;
    }
    return platform::TrayItemDescription{{}, titles.last(), first.category};
}

} // namespace app
