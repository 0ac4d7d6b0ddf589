// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/StatusBar.h"

namespace menubar {

// How wide a status item is: a fixed number of points, square (as wide as the
// bar is high), or as wide as its content.
class StatusItemWidth {
public:
    static StatusItemWidth fixed(double points) { return StatusItemWidth(Kind::Fixed, points); }
    static StatusItemWidth square() { return StatusItemWidth(Kind::Square, 0); }
    static StatusItemWidth variable() { return StatusItemWidth(Kind::Variable, 0); }

    // The length the status bar is given.
    double length() const {
        switch (kind_) {
        case Kind::Fixed:
            return points_;
        case Kind::Square:
            return platform::StatusBar::squareLength;
        case Kind::Variable:
            return platform::StatusBar::variableLength;
        }
        return platform::StatusBar::variableLength;
    }

    friend bool operator==(const StatusItemWidth&, const StatusItemWidth&) = default;

private:
    enum class Kind { Fixed, Square, Variable };
    StatusItemWidth(Kind kind, double points)
        : kind_(kind)
        , points_(points) {}

    Kind kind_;
    double points_;
};

} // namespace menubar
