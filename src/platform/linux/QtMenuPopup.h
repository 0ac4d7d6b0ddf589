// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Menu.h"

#include <QPoint>
#include <QPointer>

#include <memory>

class QMenu;

namespace platform::xdg {

// Shows a status item's menu as a Qt popup menu, for hosts that leave the
// click to the item (LXQt calls Activate). The menu is made afresh as it
// opens and is told that it opens and closes, as the host's own menu would;
// the chosen item runs after the menu has closed. One such menu at a time.
class QtMenuPopup {
public:
    QtMenuPopup() = default;
    QtMenuPopup(const QtMenuPopup&) = delete;
    QtMenuPopup& operator=(const QtMenuPopup&) = delete;
    ~QtMenuPopup();

    // `at` in screen coordinates; the pointer's place when the host gave
    // none (0, 0).
    void show(const std::shared_ptr<Menu>& menu, QPoint at);

private:
    QPointer<QMenu> open_;
};

} // namespace platform::xdg
