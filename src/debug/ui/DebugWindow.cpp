// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/ui/DebugWindow.h"

#include "debug/WindowPlacement.h"
#include "debug/ui/DashboardPage.h"
#include "debug/ui/DiagnosticsPage.h"
#include "debug/ui/LogsPage.h"
#include "debug/ui/UserDefaultsPage.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace debug {

namespace {

QWidget* settingsPage(const std::function<void()>& showSettings) {
    auto* page = new QWidget;
    auto* open = new QPushButton(QCoreApplication::translate("DebugWindow", "Open Settings"));
    QObject::connect(open, &QPushButton::clicked, page, [showSettings] { showSettings(); });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(open, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

} // namespace

DebugWindow::DebugWindow(DebugServices services, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , services_(std::move(services))
    , sidebar_(new QListWidget)
    , pages_(new QStackedWidget) {
    setWindowTitle(services_.title);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(620, 420);
    sidebar_->setFixedWidth(150);

    addPage(QCoreApplication::translate("DebugWindow", "Dashboard"), new DashboardPage(services_));
    addPage(QCoreApplication::translate("DebugWindow", "Debug"), new DiagnosticsPage(services_));
    addPage(QCoreApplication::translate("DebugWindow", "User Defaults"),
            new UserDefaultsPage(services_));
    addPage(QCoreApplication::translate("DebugWindow", "Logs"), new LogsPage(services_));
    addPage(QCoreApplication::translate("DebugWindow", "Settings"),
            settingsPage(services_.showSettings));

    connect(sidebar_, &QListWidget::currentRowChanged, this, [this](int row) {
        pages_->setCurrentIndex(row);
        if (row == pages_->count() - 1 && services_.showSettings)
            services_.showSettings();
    });
    sidebar_->setCurrentRow(0);
    sidebar_->setFocus();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(sidebar_);
    layout->addWidget(pages_, 1);
}

void DebugWindow::addPage(const QString& title, QWidget* page) {
    sidebar_->addItem(title);
    auto* titled = new QWidget;
    auto* heading = new QLabel(QStringLiteral("<h2>%1</h2>").arg(title));
    auto* layout = new QVBoxLayout(titled);
    layout->addWidget(heading);
    layout->addWidget(page, 1);
    pages_->addWidget(titled);
}

void DebugWindow::showEvent(QShowEvent* event) {
    if (const QScreen* screen = this->screen())
        move(placeAboveCentre(screen->availableGeometry(), frameGeometry().size()));
    QWidget::showEvent(event);
}

} // namespace debug
