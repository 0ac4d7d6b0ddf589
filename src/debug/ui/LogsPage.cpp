// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/ui/LogsPage.h"

#include "debug/ui/PageMenu.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace debug {

LogsPage::LogsPage(const DebugServices& services, QWidget* parent)
    : QWidget(parent)
    , log_(services.log)
    , view_(new QPlainTextEdit) {
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &LogsPage::refresh);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageMenu(
        QCoreApplication::translate("LogsPage", "Action"),
        [this, copyText = services.copyText] {
            if (copyText)
                copyText(log_.lines().join(u'\n'));
        },
        [this] {
            log_.clear();
            refresh();
        }));
    layout->addWidget(view_, 1);
}

void LogsPage::refresh() {
    QStringList lines = log_.lines();
    if (lines == shown_)
        return;
    shown_ = lines;
    // One entry, one line: an entry's own line breaks would pass for more.
    for (QString& line : lines)
        line = line.trimmed().replace(u'\n', u' ');
    view_->setPlainText(lines.join(u'\n'));
}

QString LogsPage::shownText() const {
    return view_->toPlainText();
}

void LogsPage::showEvent(QShowEvent* event) {
    refresh();
    timer_.start();
    QWidget::showEvent(event);
}

void LogsPage::hideEvent(QHideEvent* event) {
    timer_.stop();
    QWidget::hideEvent(event);
}

} // namespace debug
