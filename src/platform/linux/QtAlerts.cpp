// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/QtAlerts.h"

#include "platform/linux/PlatformLog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace platform::xdg {

namespace {

QMessageBox::Icon iconFor(AlertStyle style) {
    switch (style) {
    case AlertStyle::Informational:
        return QMessageBox::Information;
    case AlertStyle::Critical:
        return QMessageBox::Critical;
    case AlertStyle::Warning:
        break;
    }
    return QMessageBox::Warning;
}

QMessageBox::ButtonRole roleFor(const Alert& alert, int index) {
    if (alert.destructiveButton == index)
        return QMessageBox::DestructiveRole;
    return index == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole;
}

// A message box sizes itself to its text; an empty spacer in its grid keeps
// it from getting narrower.
void keepAtLeast(QMessageBox& box, int width) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

AlertAnswer QtAlerts::run(const Alert& alert) {
    qCInfo(platformLog).noquote() << "Alert:" << alert.message << "|" << alert.informativeText;
    QMessageBox box;
    box.setWindowTitle(title_);
    box.setText(alert.message);
    box.setInformativeText(alert.informativeText);
    box.setIcon(iconFor(alert.style));
    std::vector<QPushButton*> buttons;
    for (int index = 0; index < alert.buttons.size(); ++index)
        buttons.push_back(box.addButton(alert.buttons[index], roleFor(alert, index)));
    // Return presses the first button that destroys nothing; Escape the last one.
    for (int index = 0; index < static_cast<int>(buttons.size()); ++index) {
        if (alert.destructiveButton != index) {
            box.setDefaultButton(buttons[static_cast<size_t>(index)]);
            break;
        }
    }
    if (buttons.size() > 1)
        box.setEscapeButton(buttons.back());
    if (alert.showsSuppressionButton)
        box.setCheckBox(new QCheckBox(alert.suppressionButtonTitle));
    if (alert.minimumWidth)
        keepAtLeast(box, *alert.minimumWidth);
    // A tray utility has no window of its own in front: the alert comes
    // forward by itself, or the user may never see it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    QTimer::singleShot(0, &box, [&box] {
        box.raise();
        box.activateWindow();
    });
    box.exec();

    // A box that went away without a click (closed by the window manager,
    // or the program quitting under it) answers with its last, cancelling
    // button: the first may be the one that destroys.
    const auto clicked = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    const auto index = clicked == buttons.end() ? std::max<qsizetype>(alert.buttons.size() - 1, 0)
                                                : clicked - buttons.begin();
    AlertAnswer answer;
    answer.response = AlertAnswer::firstButtonResponse + static_cast<int>(index);
    answer.suppressionChecked = box.checkBox() && box.checkBox()->isChecked();
    return answer;
}

void QtAlerts::presentError(const Error& error) {
    QMessageBox box(QMessageBox::Critical, title_, error.description, QMessageBox::Ok);
    box.exec();
}

} // namespace platform::xdg
