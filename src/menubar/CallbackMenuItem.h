// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Menu.h"

#include <functional>
#include <optional>

// A menu item that runs its callback when the user chooses it.
class CallbackMenuItem final : public platform::MenuItem {
public:
    // How the item starts out; the defaults are what most items want.
    struct Options {
        // The key equivalent; empty for none.
        QString key = {};
        // When present, replaces the default modifier (Command) of the key.
        std::optional<platform::ModifierFlags> keyModifiers = std::nullopt;
        bool isEnabled = true;
        bool isChecked = false;
        bool isHidden = false;
    };

    CallbackMenuItem(QString title, const Options& options, std::function<void()> callback);

    void perform() override;

private:
    std::function<void()> callback_;
};
