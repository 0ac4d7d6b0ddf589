// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/ui/SettingsScreen.h"

#include "defaults/ui/Toggle.h"
#include "kit/ui/LaunchAtLoginToggle.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QShortcut>
#include <QVBoxLayout>

namespace app {

SettingsScreen::SettingsScreen(JXApp::LaunchAtLoginObservable& launchAtLogin,
                               const Defaults::Key<bool>& reducedOpacity,
                               platform::MainQueue& queue, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QCoreApplication::translate("SettingsScreen", "Gapsel Settings"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size);

    auto* group = new QGroupBox;
    auto* form = new QFormLayout(group);
    form->addRow(new kit::LaunchAtLoginToggle(launchAtLogin, queue));
    form->addRow(new Defaults::Toggle(
        QCoreApplication::translate("SettingsScreen", "Reduced opacity"), reducedOpacity, queue));

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(group, 0, Qt::AlignHCenter);
    layout->addStretch();

    // Closes like the desktop's other small windows.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

} // namespace app
