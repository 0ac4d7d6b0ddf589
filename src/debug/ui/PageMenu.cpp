// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/ui/PageMenu.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

namespace debug {

QWidget* pageMenu(const QString& label, std::function<void()> copy, std::function<void()> clear) {
    auto* bar = new QWidget;
    auto* button = new QToolButton;
    button->setText(QStringLiteral("…"));
    button->setToolTip(label);
    button->setAccessibleName(label);
    button->setAutoRaise(true);
    button->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(button);
    menu->addAction(QCoreApplication::translate("PageMenu", "Copy"), std::move(copy));
    menu->addSeparator();
    menu->addAction(QCoreApplication::translate("PageMenu", "Clear"), std::move(clear));
    button->setMenu(menu);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(button);
    return bar;
}

} // namespace debug
