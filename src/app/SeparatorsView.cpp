// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorsView.h"

#include "app/SeparatorCharacters.h"
#include "app/SeparatorListEdits.h"
#include "app/SeparatorMenu.h"
#include "keys/GapselKeys.h"
#include "kit/ErrorLog.h"
#include "platform/MainQueue.h"

#include <QHash>

#include <algorithm>

namespace app {

SeparatorsView::SeparatorsView(platform::StatusBar& statusBar,
                               menubar::StatusItemRegistry& statusItems, platform::MainQueue& queue,
                               menubar::MenuServices services, const keys::SeparatorKeys& keys,
                               SeparatorPlacement* placement)
    : queue_(queue)
    , services_(std::move(services))
    , separators_(keys.separators, queue)
    , reducedOpacity_(keys.reducedOpacity, queue)
    , context_{separators_, services_, statusBar, statusItems, queue, placement}
    , alive_(std::make_shared<SeparatorsView*>(this)) {
    separators_.objectWillChange().connect([this] { scheduleRender(); });
    reducedOpacity_.objectWillChange().connect([this] { scheduleRender(); });
    // The status items exist as soon as the view does.
    render();
}

SeparatorsView::~SeparatorsView() {
    alive_.reset();
    // Teardown in list order, like creation.
    for (auto& view : views_)
        view.reset();
}

// A will-change signal comes before the write it announces; the render, on a
// later turn, sees the written value.
void SeparatorsView::scheduleRender() {
    if (renderScheduled_)
        return;
    renderScheduled_ = true;
    queue_.async([weakSelf = std::weak_ptr<SeparatorsView*>(alive_)] {
        if (const auto self = weakSelf.lock())
            (*self)->render();
    });
}

void SeparatorsView::render() {
    renderScheduled_ = false;
    QList<keys::SeparatorItem> list = separators_.value();
    if (list.isEmpty())
        list = repairedList();
    else
        repaired_.reset();
    reconcile(list, reducedOpacity_.value());
    arrange();
}

// The status items just made have not reached the tray yet: they do on the
// next turn, in the order they were made.
void SeparatorsView::arrange() {
    if (!context_.placement)
        return;
    QStringList ids;
    for (const auto& view : views_)
        ids.append(view->idString());
    context_.placement->arrange(ids);
}

// A stored list that reads as empty only because nothing in it can be read is
// recorded before it is replaced, so that what it held is not lost without trace.
QList<keys::SeparatorItem> SeparatorsView::repairedList() {
    if (repaired_)
        return *repaired_;
    const QVariant stored = separators_.key().suite().object(separators_.key().name());
    const bool heldSomething = stored.isValid() && (stored.typeId() != QMetaType::QVariantList ||
                                                    !stored.toList().isEmpty());
    if (heldSomething) {
        kit::logError(
            platform::Error::failure(QStringLiteral("The stored separators could not be read; "
                                                    "replacing them with one separator")),
            {{QStringLiteral("stored"), stored}});
    }
    repaired_ = QList<keys::SeparatorItem>{keys::SeparatorItem::make(defaultSeparatorCharacter())};
    // Written only if the file still holds no separator: another program may
    // have filled the list since this view saw it empty, and its list stays
    // as it wrote it. The change comes back through the observation like any
    // other, and a write that fails (a full disk) schedules nothing, so the
    // view does not try again and again.
    const auto& key = separators_.key();
    key.suite().update(key.name(), [&](const QVariant& current) -> std::optional<QVariant> {
        if (!Defaults::valueOf(key, current).isEmpty())
            return current;
        return Defaults::toStoredForm(*repaired_);
    });
    return *repaired_;
}

void SeparatorsView::reconcile(const QList<keys::SeparatorItem>& list, bool dimmed) {
    std::vector<std::unique_ptr<SeparatorView>> previous = std::move(views_);
    views_.clear();
    QHash<QUuid, std::size_t> previousIndex;
    previousIndex.reserve(static_cast<qsizetype>(previous.size()));
    for (std::size_t index = 0; index < previous.size(); ++index)
        previousIndex.insert(previous[index]->id(), index);

    QSet<QUuid> shown;
    shown.reserve(list.size());
    views_.reserve(static_cast<std::size_t>(list.size()));
    std::vector<std::pair<std::size_t, keys::SeparatorItem>> fresh;
    bool beyondMaximum = false;
    for (const keys::SeparatorItem& separator : list) {
        if (shown.contains(separator.id)) {
            noteDuplicate(separator);
            continue;
        }
        if (shown.size() >= maximumSeparators) {
            beyondMaximum = true;
            break;
        }
        shown.insert(separator.id);
        if (const auto kept = previousIndex.constFind(separator.id); kept != previousIndex.cend()) {
            auto& view = previous[*kept];
            view->update(separator, dimmed);
            views_.push_back(std::move(view));
        } else {
            fresh.emplace_back(views_.size(), separator);
            views_.push_back(nullptr);
        }
    }
    // On trays where the newest item goes leftmost, the last separator
    // arrives first.
    if (context_.placement && context_.placement->createsNewestFirst())
        std::reverse(fresh.begin(), fresh.end());
    for (const auto& [index, separator] : fresh)
        views_[index] = std::make_unique<SeparatorView>(separator, dimmed, context_);
    if (beyondMaximum)
        noteBeyondMaximum(list);
    reportedBeyondMaximum_ = beyondMaximum;
    // What is left in `previous` are the separators that went: their status
    // items leave the menu bar here.
}

void SeparatorsView::noteDuplicate(const keys::SeparatorItem& separator) {
    if (reportedDuplicates_.contains(separator.id))
        return;
    reportedDuplicates_.insert(separator.id);
    kit::logError(platform::Error::failure(
                      QStringLiteral("A separator is listed more than once; showing it once")),
                  {{QStringLiteral("id"), separator.idString()},
                   {QStringLiteral("character"), separator.character}});
}

void SeparatorsView::noteBeyondMaximum(const QList<keys::SeparatorItem>& list) {
    if (reportedBeyondMaximum_)
        return;
    const qsizetype count = distinctSeparatorCount(list);
    kit::logError(
        platform::Error::failure(QStringLiteral("There are %1 separators; showing the first %2")
                                     .arg(count)
                                     .arg(maximumSeparators)),
        {{QStringLiteral("count"), count}, {QStringLiteral("maximum"), maximumSeparators}});
}

std::shared_ptr<JXMenu> SeparatorsView::menuSample() const {
    auto menu = std::make_shared<JXMenu>();
    buildSeparatorMenu(*menu, keys::SeparatorItem{}, qsizetype(views_.size()), {}, services_);
    return menu;
}

} // namespace app
