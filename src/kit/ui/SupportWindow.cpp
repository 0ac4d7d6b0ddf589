// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ui/SupportWindow.h"

#include "kit/DataDeletion.h"
#include "kit/JXKit.h"
#include "kit/SupportActions.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace kit {

namespace {

QFrame* divider() {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// "&" in a title is meant literally, not as the mark of a shortcut letter.
QPushButton* button(const QString& title, std::function<void()> action) {
    auto* pushButton =
        new QPushButton(QString(title).replace(QLatin1Char('&'), QStringLiteral("&&")));
    pushButton->setAccessibleName(title);
    QObject::connect(pushButton, &QPushButton::clicked, pushButton, std::move(action));
    return pushButton;
}

// Drawn in the palette's colour for warnings, as the one button here that
// destroys something.
void markDestructive(QPushButton* pushButton) {
    QPalette palette = pushButton->palette();
    palette.setColor(QPalette::ButtonText, QColor(0xc0, 0x1c, 0x28));
    pushButton->setPalette(palette);
}

} // namespace

SupportWindow::SupportWindow(JXKit& kit, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(
        QCoreApplication::translate("SupportWindow", "%1 Support").arg(kit.identity().name()));
    setAttribute(Qt::WA_DeleteOnClose);

    QPushButton* deleteData =
        button(QCoreApplication::translate("SupportWindow", "Delete Data & Settings"), [&kit] {
            confirmDataDeletion(kit, supportWindowDeletionAlert(kit.identity().name()));
        });
    markDestructive(deleteData);
    deleteData->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(deleteData);
    layout->addWidget(divider());
    layout->addWidget(button(QCoreApplication::translate("SupportWindow", "Copy Debug Info"),
                             [&kit] { copyDebugInfo(kit); }));
    layout->addWidget(button(QCoreApplication::translate("SupportWindow", "Email Debug Info"),
                             [&kit] { emailDebugInfo(kit); }));
    layout->addWidget(divider());
    layout->addWidget(button(QCoreApplication::translate("SupportWindow", "Send Crash Log"),
                             [&kit] { showCrashLogInstructions(kit); }));
    layout->addWidget(divider());
    layout->addWidget(button(QCoreApplication::translate("SupportWindow", "Feedback & Support"),
                             [&kit] { openFeedbackAndQuit(kit); }));
    setMinimumWidth(280);
}

} // namespace kit
