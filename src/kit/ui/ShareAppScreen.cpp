// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ui/ShareAppScreen.h"

#include "kit/CopyUrl.h"
#include "kit/Mailto.h"
#include "kit/OpenUrl.h"
#include "kit/ui/QrCodeView.h"
#include "kit/ui/WindowCentring.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace kit {

namespace {
constexpr int windowWidth = 340;
constexpr int codeSide = 300;
constexpr int smallestCodeSide = 120;
// Room for the window manager's title bar, which the window cannot measure
// before it is shown.
constexpr int titleBarAllowance = 40;
} // namespace

ShareAppScreen::ShareAppScreen(ShareAppContext context, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , context_(std::move(context)) {
    setWindowTitle(QCoreApplication::translate("ShareAppScreen", "Share %1").arg(context_.appName));
    setAttribute(Qt::WA_DeleteOnClose);

    code_ = new QrCodeView(context_.link.toString(QUrl::FullyEncoded), QrErrorCorrection::Medium);
    code_->setFixedSize(codeSide, codeSide);
    auto* address = new QLabel(context_.link.toString());
    address->setAlignment(Qt::AlignCenter);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(code_, 0, Qt::AlignHCenter);
    layout->addWidget(address);
    layout->addWidget(makeButtons());
    setFixedWidth(windowWidth);

    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

ShareAppScreen* ShareAppScreen::open(ShareAppContext context) {
    auto* window = new ShareAppScreen(std::move(context));
    QScreen* screen = screenToOpenOn();
    if (screen)
        window->fitInto(screen->availableGeometry());
    centreOnScreen(*window, screen);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void ShareAppScreen::fitInto(const QRect& available) {
    const int tooHigh = sizeHint().height() + titleBarAllowance - available.height();
    if (tooHigh <= 0)
        return;
    const int side = std::max(smallestCodeSide, code_->height() - tooHigh);
    code_->setFixedSize(side, side);
    adjustSize();
}

QWidget* ShareAppScreen::makeButtons() {
    auto* copy = new QPushButton(QCoreApplication::translate("ShareAppScreen", "Copy Link"));
    connect(copy, &QPushButton::clicked, this, &ShareAppScreen::copyLink);
    // Linux has no system share sheet: the ways this desktop offers to pass
    // a link on.
    auto* share = new QPushButton(QCoreApplication::translate("ShareAppScreen", "Share Link"));
    auto* ways = new QMenu(share);
    ways->addAction(QCoreApplication::translate("ShareAppScreen", "Email Link\u2026"), this,
                    &ShareAppScreen::emailLink);
    ways->addAction(QCoreApplication::translate("ShareAppScreen", "Copy Link"), this,
                    &ShareAppScreen::copyLink);
    share->setMenu(ways);
    auto* open = new QPushButton(QCoreApplication::translate("ShareAppScreen", "Open Link"));
    connect(open, &QPushButton::clicked, this, &ShareAppScreen::openLink);

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {copy, share, open})
        layout->addWidget(button);
    return row;
}

void ShareAppScreen::copyLink() {
    copyUrl(context_.platform.pasteboard, context_.link, context_.appId);
}

void ShareAppScreen::emailLink() {
    openUrlOrTell(context_.platform, mailtoURL({}, context_.appName, context_.link.toString()),
                  context_.link);
}

void ShareAppScreen::openLink() {
    openUrlOrTell(context_.platform, context_.link);
}

} // namespace kit
