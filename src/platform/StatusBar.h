// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Menu.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QImage;

namespace platform {

// A mouse event as a status item's button receives it. An action started
// without a mouse event (a simulated click) gets a blank event: type None,
// outside any window.
enum class EventType : unsigned {
    None = 0,
    LeftMouseDown = 1,
    LeftMouseUp = 2,
    RightMouseDown = 3,
    RightMouseUp = 4,
};

struct Event {
    EventType type = EventType::None;
    // Whether the event belongs to one of the application's windows.
    bool hasWindow = false;
};

// The events that send a button's action: a set of bits 1 << EventType.
using EventMask = unsigned;
inline constexpr EventMask eventMask(EventType type) {
    return 1u << static_cast<unsigned>(type);
}
inline constexpr EventMask leftMouseUpMask = eventMask(EventType::LeftMouseUp);
inline constexpr EventMask leftMouseDownOrRightMouseUpMask =
    eventMask(EventType::LeftMouseDown) | eventMask(EventType::RightMouseUp);

// Whether a button with an image shows its title too: beside the image where
// the tray draws labels, or the image alone.
enum class ImagePosition { ImageBesideTitle, ImageOnly };

// The clickable face of a status item.
class StatusBarButton {
public:
    using Action = std::function<void(const Event&)>;

    virtual ~StatusBarButton() = default;

    // Setting the plain title sets an attributed title without a font, and the
    // other way round: the button shows one text.
    virtual void setTitle(const QString& title) = 0;
    virtual void setAttributedTitle(const AttributedText& title) = 0;
    // A null image removes it.
    virtual void setImage(const QImage& image) = 0;
    virtual void setImagePosition(ImagePosition position) = 0;
    // Drawn dimmed; it still works.
    virtual void setAppearsDisabled(bool disabled) = 0;
    // Which mouse events call the action (when the item has no menu).
    virtual void setSendActionOn(EventMask mask) = 0;
    // Replaces the previous action; an empty one is no action.
    virtual void setAction(Action action) = 0;
    // As if the user clicked: opens the item's menu if it has one, else calls
    // the action with a blank event. With a menu, it may return while the
    // menu is still open.
    virtual void performClick() = 0;
    virtual void highlight(bool highlighted) = 0;
    // Sees each click of the user on the item before it goes on as usual (in
    // a tray: the host opening the item's menu or activating it), as a click
    // recognizer added to the button would. Replaces the previous one; an
    // empty one sees nothing.
    virtual void setClickRecognizer(std::function<void()> recognizer) = 0;
    // Absent clears each.
    virtual void setAccessibilityTitle(const std::optional<QString>& title) = 0;
    virtual void setAccessibilityLabel(const std::optional<QString>& label) = 0;
    virtual void setAccessibilityValue(const std::optional<QString>& value) = 0;
};

// One item in the menu bar / system tray. It stays there for as long as
// someone holds it; releasing the last reference removes it.
class StatusItem {
public:
    virtual ~StatusItem() = default;

    virtual StatusBarButton& button() = 0;
    // When set, a click on the button opens this menu instead of calling the
    // button's action. Null detaches it.
    virtual void setMenu(std::shared_ptr<Menu> menu) = 0;
    // Points; or variableLength, or squareLength.
    virtual void setLength(double length) = 0;
    // The identity under which the desktop remembers the item's place; absent
    // gives none.
    virtual void setAutosaveName(const std::optional<QString>& name) = 0;
};

// The desktop's menu bar / system tray, which holds status items.
class StatusBar {
public:
    static constexpr double variableLength = -1.0;
    static constexpr double squareLength = -2.0;

    virtual ~StatusBar() = default;

    // A new item, shown for as long as the result (or a copy) is kept.
    virtual std::shared_ptr<StatusItem> statusItem(double length) = 0;
};

} // namespace platform
