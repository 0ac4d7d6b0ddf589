// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/ui/UserDefaultsPage.h"

#include "debug/ui/PageMenu.h"
#include "defaults/Key.h"

#include <QCoreApplication>
#include <QTextEdit>
#include <QVBoxLayout>

namespace debug {

UserDefaultsPage::UserDefaultsPage(const DebugServices& services, QWidget* parent)
    : QWidget(parent)
    , suites_(services.suites)
    , queue_(services.queue)
    , view_(new QTextEdit) {
    view_->setReadOnly(true);
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageMenu(
        QCoreApplication::translate("UserDefaultsPage", "More"),
        [this, copyText = services.copyText] {
            if (copyText)
                copyText(listingText(suites_));
        },
        [this] {
            for (const ListedSuite& listed : suites_)
                Defaults::removeAll(*listed.suite);
        }));
    layout->addWidget(view_, 1);
    for (const ListedSuite& listed : suites_)
        observers_.push_back(listed.suite->addObserver(
            QString(), 0, [this](const UserDefaults::Change&) { scheduleRedraw(); }));
    redraw();
}

UserDefaultsPage::~UserDefaultsPage() {
    for (std::size_t index = 0; index < suites_.size(); ++index)
        suites_[index].suite->removeObserver(observers_[index]);
}

QString UserDefaultsPage::shownText() const {
    return view_->toPlainText();
}

void UserDefaultsPage::redraw() {
    redrawPending_ = false;
    QString html;
    for (const ListedSuite& listed : suites_) {
        html += QStringLiteral("<h3>%1</h3>").arg(listed.title.toHtmlEscaped());
        for (const QString& row : listingRows(*listed.suite))
            html += QStringLiteral("<p style='margin:2px'>%1</p>").arg(row.toHtmlEscaped());
    }
    view_->setHtml(html);
}

// A clear or a merged change from another program tells one change per key;
// the page is drawn once for all of them, on the main queue, since writes
// may come from any thread.
void UserDefaultsPage::scheduleRedraw() {
    queue_.async([this, alive = std::weak_ptr<bool>(alive_)] {
        if (alive.lock() && !std::exchange(redrawPending_, true))
            queue_.async([this, alive] {
                if (alive.lock())
                    redraw();
            });
    });
}

} // namespace debug
