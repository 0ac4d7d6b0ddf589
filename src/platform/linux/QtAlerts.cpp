// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/QtAlerts.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

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

} // namespace

AlertAnswer QtAlerts::run(const Alert& alert) {
    QMessageBox box;
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
    box.exec();

    AlertAnswer answer;
    const auto clicked = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    answer.response = AlertAnswer::firstButtonResponse +
                      static_cast<int>(clicked == buttons.end() ? 0 : clicked - buttons.begin());
    answer.suppressionChecked = box.checkBox() && box.checkBox()->isChecked();
    return answer;
}

void QtAlerts::presentError(const Error& error) {
    QMessageBox box(QMessageBox::Critical, QString(), error.description, QMessageBox::Ok);
    box.exec();
}

} // namespace platform::xdg
