// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/ui/DiagnosticsPage.h"

#include "debug/DiagnosticSwitches.h"
#include "defaults/ui/Toggle.h"
#include "shortcuts/KeyboardShortcuts.h"
#include "shortcuts/ui/ShortcutRecorder.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace debug {

namespace {

QLabel* note(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: palette(mid); margin-left: 24px;"));
    return label;
}

// The switches' texts are kept in English beside their keys and translated
// where shown.
QString shown(const QString& text) {
    return QCoreApplication::translate("DiagnosticSwitches", text.toUtf8().constData());
}

const shortcuts::Name trialName{QStringLiteral("debugWindowTrial"), std::nullopt};

} // namespace

DiagnosticsPage::DiagnosticsPage(const DebugServices& services, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    const auto& switches = diagnosticSwitches();
    layout->addWidget(drawingSwitch(services));
    layout->addWidget(note(shown(switches[0].effectHere)));
    for (std::size_t index = 1; index < switches.size(); ++index) {
        auto* toggle = new Defaults::Toggle(
            shown(switches[index].label),
            Defaults::Key<bool>(switches[index].key, false, services.standard), services.queue);
        layout->addWidget(toggle);
        layout->addWidget(note(shown(switches[index].effectHere)));
    }
    if (services.shortcuts)
        layout->addWidget(shortcutTrial(services));
    layout->addStretch();
}

QCheckBox* DiagnosticsPage::drawingSwitch(const DebugServices& services) {
    auto* box = new QCheckBox(shown(diagnosticSwitches()[0].label));
    box->setChecked(isDrawingHighlighted(*services.standard));
    connect(box, &QCheckBox::toggled, this,
            [standard = services.standard, relaunch = services.relaunch](bool on) {
                setDrawingHighlighted(*standard, on, relaunch);
            });
    return box;
}

// A shortcut recorded here is registered with the desktop at once; its
// presses and releases show beside it.
QWidget* DiagnosticsPage::shortcutTrial(const DebugServices& services) {
    auto* group = new QGroupBox(QCoreApplication::translate("DiagnosticsPage", "Global shortcut"));
    auto* recorder = new shortcuts::ShortcutRecorder(
        services.isTakenBySystem, services.menuItemShortcuts, services.hotKeysAvailable);
    auto* seen = new QLabel(QCoreApplication::translate("DiagnosticsPage", "Nothing pressed yet."));
    shortcuts::KeyboardShortcuts& registry = *services.shortcuts;
    recorder->setShortcut(registry.shortcut(trialName));
    registry.removeHandlers(trialName);
    registry.onKeyDown(trialName, [seen] {
        seen->setText(QCoreApplication::translate("DiagnosticsPage", "Key down"));
    });
    registry.onKeyUp(trialName, [seen] {
        seen->setText(QCoreApplication::translate("DiagnosticsPage", "Key up"));
    });
    recorder->onChange = [&registry](const std::optional<shortcuts::Shortcut>& shortcut) {
        registry.setShortcut(trialName, shortcut);
    };
    connect(group, &QObject::destroyed, [&registry] { registry.removeHandlers(trialName); });
    auto* form = new QFormLayout(group);
    form->addRow(recorder, seen);
    return group;
}

} // namespace debug
