// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/ui/DashboardPage.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QVBoxLayout>

namespace debug {

DashboardPage::DashboardPage(const DebugServices& services, QWidget* parent)
    : QWidget(parent) {
    auto* copy = new QPushButton(QCoreApplication::translate("DashboardPage", "Copy Debug Info"));
    connect(copy, &QPushButton::clicked, this, [copyDebugInfo = services.copyDebugInfo] {
        if (copyDebugInfo)
            copyDebugInfo();
    });
    // A developer's tool: no confirmation, then a fresh start.
    auto* remove = new QPushButton(QCoreApplication::translate("DashboardPage", "Delete App Data"));
    remove->setStyleSheet(QStringLiteral("color: #c0392b;"));
    connect(remove, &QPushButton::clicked, this,
            [deleteAllData = services.deleteAllData, relaunch = services.relaunch] {
                if (deleteAllData)
                    deleteAllData();
                if (relaunch)
                    relaunch();
            });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(copy, 0, Qt::AlignLeft);
    layout->addWidget(remove, 0, Qt::AlignLeft);
    layout->addStretch();
}

} // namespace debug
