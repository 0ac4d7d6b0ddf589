// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "shortcuts/ui/ShortcutRecorder.h"

#include "platform/KeyCodes.h"
#include "shortcuts/RecorderCheck.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>

namespace shortcuts {

ShortcutRecorder::ShortcutRecorder(std::function<bool(const Shortcut&)> isTakenBySystem,
                                   std::function<QList<MenuItemShortcut>()> menuItems,
                                   std::function<bool()> isAvailable, QWidget* parent)
    : QPushButton(parent)
    , isTakenBySystem_(std::move(isTakenBySystem))
    , menuItems_(std::move(menuItems))
    , isAvailable_(std::move(isAvailable)) {
    setMinimumWidth(160);
    connect(this, &QPushButton::clicked, this, [this] { startRecording(); });
    showLabel();
}

void ShortcutRecorder::setShortcut(const std::optional<Shortcut>& shortcut) {
    shortcut_ = shortcut;
    showLabel();
}

std::optional<Shortcut> ShortcutRecorder::fromKeyEvent(int qtKey, Qt::KeyboardModifiers modifiers) {
    const auto key = platform::keyForQtKey(qtKey, modifiers.testFlag(Qt::KeypadModifier));
    if (!key)
        return std::nullopt;
    std::int64_t classic = 0;
    if (modifiers.testFlag(Qt::ControlModifier))
        classic |= platform::ClassicModifier::control;
    if (modifiers.testFlag(Qt::AltModifier))
        classic |= platform::ClassicModifier::option;
    if (modifiers.testFlag(Qt::ShiftModifier))
        classic |= platform::ClassicModifier::shift;
    if (modifiers.testFlag(Qt::MetaModifier))
        classic |= platform::ClassicModifier::command;
    const bool isFunctionKey = qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F20;
    if (classic == 0 && !isFunctionKey)
        return std::nullopt;
    return Shortcut{key->classic, classic};
}

void ShortcutRecorder::keyPressEvent(QKeyEvent* event) {
    if (!recording_) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_Escape)
        return stopRecording();
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_Backspace)
        return record(std::nullopt);
    // Shift turns some keys into others (Shift+1 is "!"): name the key by its
    // unshifted keysym where the platform tells it.
    const auto key = platform::keyForKeysym(event->nativeVirtualKey());
    const int qtKey = key && !key->keypad ? key->qtKey : event->key();
    if (const auto shortcut = fromKeyEvent(qtKey, event->modifiers()))
        record(*shortcut);
}

void ShortcutRecorder::focusOutEvent(QFocusEvent* event) {
    stopRecording();
    QPushButton::focusOutEvent(event);
}

void ShortcutRecorder::startRecording() {
    if (isAvailable_ && !isAvailable_())
        return tell(unavailableRefusal());
    recording_ = true;
    setText(QCoreApplication::translate("ShortcutRecorder", "Press Shortcut"));
    setFocus();
}

void ShortcutRecorder::stopRecording() {
    recording_ = false;
    showLabel();
}

void ShortcutRecorder::record(const std::optional<Shortcut>& shortcut) {
    recording_ = false;
    if (shortcut && shortcut != shortcut_) {
        const QList<MenuItemShortcut> menuItems =
            menuItems_ ? menuItems_() : QList<MenuItemShortcut>();
        if (const auto refusal = refusalFor(*shortcut, menuItems, isTakenBySystem_,
                                            ShortcutSettingsPlace::DesktopKeyboardSettings)) {
            showLabel();
            return tell(*refusal);
        }
    }
    shortcut_ = shortcut;
    showLabel();
    if (onChange)
        onChange(shortcut_);
}

void ShortcutRecorder::tell(const Refusal& refusal) {
    QMessageBox box(QMessageBox::Warning, window()->windowTitle(), refusal.message,
                    QMessageBox::Ok, this);
    box.setInformativeText(refusal.informativeText);
    box.exec();
}

void ShortcutRecorder::showLabel() {
    setText(shortcut_ ? shortcut_->displayText()
                      : QCoreApplication::translate("ShortcutRecorder", "Record Shortcut"));
}

} // namespace shortcuts
