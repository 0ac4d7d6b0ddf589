// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/GreetingWindow.h"

#include "platform/StatusBar.h"
#include "platform/linux/GreetingPlacement.h"
#include "platform/linux/tray/TrayStatusBarButton.h"
#include "platform/linux/tray/TrayStatusItem.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>

namespace platform::xdg {

namespace {
constexpr int fadeMilliseconds = 200;
} // namespace

GreetingWindow::GreetingWindow(const PopoverContent& content, const QString& glyph,
                               std::function<void()> clicked)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus)
    , clicked_(std::move(clicked))
    , animates_(content.animates) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("greeting"));
    // Named by what it says, so that tools that list windows can tell it.
    setWindowTitle(content.text);
    // Drawn as the desktop draws tool tips, which this greeting resembles.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    setAutoFillBackground(true);
    auto* label = new QLabel(content.text, this);
    label->setWordWrap(true);
    if (content.maxWidth)
        label->setMaximumWidth(static_cast<int>(*content.maxWidth));
    auto* layout = new QHBoxLayout(this);
    const int insets = static_cast<int>(content.insets);
    layout->setContentsMargins(insets, insets, insets, insets);
    layout->addWidget(label);
    if (!glyph.trimmed().isEmpty()) {
        // The glyph as the panel shows it: framed, larger than the text.
        auto* shown = new QLabel(glyph, this);
        shown->setObjectName(QStringLiteral("glyph"));
        shown->setFrameShape(QFrame::Box);
        shown->setAlignment(Qt::AlignCenter);
        QFont larger = shown->font();
        larger.setPointSizeF(larger.pointSizeF() * 1.5);
        shown->setFont(larger);
        shown->setMinimumWidth(shown->sizeHint().height());
        layout->addWidget(shown);
    }
    adjustSize();
}

void GreetingWindow::present(const std::optional<QRect>& tray) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(tray ? greetingBesideTray(screen->geometry(), *tray, size())
                  : greetingPosition(screen->geometry(), screen->availableGeometry(), size()));
    if (animates_) {
        setWindowOpacity(0.0);
        auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
        fade->setDuration(fadeMilliseconds);
        fade->setEndValue(1.0);
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    }
    show();
    raise();
}

void GreetingWindow::shake(double duration, double amount) {
    if (shaking_)
        shaking_->stop();
    const QPoint rest = pos();
    auto* bounce = new QPropertyAnimation(this, "pos", this);
    bounce->setDuration(static_cast<int>(duration * 1000));
    bounce->setEasingCurve(QEasingCurve::InOutQuad);
    const QList<std::pair<double, double>> keyframes{{0.0, 0.0},        {0.2, -amount},
                                                     {0.4, amount},     {0.6, -amount / 2},
                                                     {0.8, amount / 2}, {1.0, 0.0}};
    for (const auto& [step, offset] : keyframes)
        bounce->setKeyValueAt(step, rest + QPoint(0, static_cast<int>(offset)));
    shaking_ = bounce;
    bounce->start(QAbstractAnimation::DeleteWhenStopped);
}

void GreetingWindow::mousePressEvent(QMouseEvent*) {
    // The handler may close this window; it runs on the next turn.
    QTimer::singleShot(0, this, [clicked = clicked_] {
        if (clicked)
            clicked();
    });
}

WindowPopover::~WindowPopover() {
    close();
}

void WindowPopover::show(StatusItem& item, const PopoverContent& content,
                         std::function<void()> clicked) {
    close();
    const auto* button = dynamic_cast<const TrayStatusBarButton*>(&item.button());
    window_ = new GreetingWindow(content, button ? button->title() : QString(), std::move(clicked));
    // An icon docked in an XEmbed tray knows exactly where it is.
    const auto* trayItem = dynamic_cast<TrayStatusItem*>(&item);
    const std::optional<QRect> docked = trayItem ? trayItem->dockedAt() : std::nullopt;
    window_->present(docked ? docked : tray_);
}

void WindowPopover::shake(double duration, double amount) {
    if (window_)
        window_->shake(duration, amount);
}

void WindowPopover::close() {
    if (window_)
        window_->close();
}

} // namespace platform::xdg
