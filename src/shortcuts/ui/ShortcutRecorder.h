// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "shortcuts/RecorderCheck.h"
#include "shortcuts/Shortcut.h"

#include <QPushButton>

#include <functional>
#include <optional>

namespace shortcuts {

// A button that records a global shortcut: it reads "Record Shortcut" while
// empty, "Press Shortcut" while listening (Escape cancels, Backspace clears),
// and the shortcut once set. A shortcut that a menu item of the application,
// the desktop or another program already uses is refused with a message; on a
// desktop without global shortcuts a click says so and records nothing.
class ShortcutRecorder : public QPushButton {
public:
    // `menuItems`: the application's menu items with key equivalents, and
    // `isAvailable`: whether the desktop has global shortcuts; both asked
    // afresh at each recording.
    explicit ShortcutRecorder(std::function<bool(const Shortcut&)> isTakenBySystem = {},
                              std::function<QList<MenuItemShortcut>()> menuItems = {},
                              std::function<bool()> isAvailable = {}, QWidget* parent = nullptr);

    std::optional<Shortcut> shortcut() const { return shortcut_; }
    void setShortcut(const std::optional<Shortcut>& shortcut);
    // Called with each shortcut the user records or clears.
    std::function<void(const std::optional<Shortcut>&)> onChange;

    // The shortcut of a key press, or none for a lone modifier, a key without
    // a modifier (function keys excepted) or a key Gapsel cannot name.
    static std::optional<Shortcut> fromKeyEvent(int qtKey, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void startRecording();
    void stopRecording();
    void record(const std::optional<Shortcut>& shortcut);
    void showLabel();
    void tell(const Refusal& refusal);

    std::function<bool(const Shortcut&)> isTakenBySystem_;
    std::function<QList<MenuItemShortcut>()> menuItems_;
    std::function<bool()> isAvailable_;
    std::optional<Shortcut> shortcut_;
    bool recording_ = false;
};

} // namespace shortcuts
