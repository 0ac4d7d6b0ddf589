// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

namespace kit {

// A window the application shows at most once at a time: opening it again
// brings the existing one to the front instead of making another.
class SingleWindow {
public:
    explicit SingleWindow(std::function<QWidget*()> make)
        : make_(std::move(make)) {}
    ~SingleWindow() { delete window_.data(); }
    SingleWindow(const SingleWindow&) = delete;
    SingleWindow& operator=(const SingleWindow&) = delete;

    QWidget* open() {
        if (!window_)
            window_ = make_();
        window_->show();
        window_->raise();
        window_->activateWindow();
        return window_;
    }
    QWidget* window() const { return window_; }

private:
    std::function<QWidget*()> make_;
    QPointer<QWidget> window_;
};

} // namespace kit
