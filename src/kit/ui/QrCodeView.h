// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/QrCode.h"

#include <QWidget>

namespace kit {

// A QR code drawn square at whatever size the view is given: sharp modules in
// the palette's text colour on a transparent background, so a dark theme gets
// light modules, with the quiet zone readers need. An empty code leaves the
// area transparent.
class QrCodeView : public QWidget {
public:
    QrCodeView(const QString& text, QrErrorCorrection errorCorrection, QWidget* parent = nullptr);

    const QrCode& code() const { return code_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }
    QSize sizeHint() const override { return {300, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QrCode code_;
};

} // namespace kit
