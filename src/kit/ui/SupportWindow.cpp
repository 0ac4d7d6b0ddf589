// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ui/SupportWindow.h"

#include "kit/DataDeletion.h"
#include "kit/JXKit.h"
#include "kit/SupportActions.h"
#include "kit/ui/WindowCentring.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
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

// Reads "Copied" for a moment after each click, so that the copy shows.
void confirmCopies(QPushButton* pushButton) {
    const QString title = pushButton->text();
    auto* restore = new QTimer(pushButton);
    restore->setSingleShot(true);
    restore->setInterval(SupportWindow::copiedMilliseconds);
    QObject::connect(restore, &QTimer::timeout, pushButton,
                     [pushButton, title] { pushButton->setText(title); });
    QObject::connect(pushButton, &QPushButton::clicked, pushButton, [pushButton, restore] {
        pushButton->setText(QCoreApplication::translate("SupportWindow", "Copied"));
        restore->start();
    });
}

} // namespace

SupportWindow* SupportWindow::make(JXKit& kit) {
    auto* window = new SupportWindow(kit);
    centreOnScreen(*window, screenToOpenOn());
    return window;
}

// A fixed size and no maximise button: its contents never grow.
SupportWindow::SupportWindow(JXKit& kit, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
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
    QPushButton* copy = button(QCoreApplication::translate("SupportWindow", "Copy Debug Info"),
                               [&kit] { copyDebugInfo(kit); });
    confirmCopies(copy);
    layout->addWidget(copy);
    layout->addWidget(button(QCoreApplication::translate("SupportWindow", "Email Debug Info"),
                             [&kit] { emailDebugInfo(kit); }));
    layout->addWidget(divider());
    layout->addWidget(button(QCoreApplication::translate("SupportWindow", "Send Crash Log"),
                             [&kit] { showCrashLogInstructions(kit); }));
    layout->addWidget(divider());
    layout->addWidget(button(QCoreApplication::translate("SupportWindow", "Feedback & Support"),
                             [&kit] { openFeedbackAndQuit(kit); }));
    setMinimumWidth(280);
    adjustSize();
    setFixedSize(size());
    copy->setFocus();

    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

} // namespace kit
