// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/DiagnosticSwitches.h"

#include <QLoggingCategory>

namespace debug {

namespace {
const QString noEffect =
    QStringLiteral(QT_TRANSLATE_NOOP("DiagnosticSwitches", "No effect on this platform."));
const QString drawingKey = QStringLiteral("NSShowAllDrawing");
const QString eventsKey = QStringLiteral("NSTraceEvents");
} // namespace

const std::array<DiagnosticSwitch, 5>& diagnosticSwitches() {
    static const std::array<DiagnosticSwitch, 5> switches = {
        DiagnosticSwitch{
            QStringLiteral(QT_TRANSLATE_NOOP("DiagnosticSwitches", "Highlight Drawn Rectangles")),
            drawingKey, noEffect},
        {QStringLiteral(QT_TRANSLATE_NOOP("DiagnosticSwitches", "Draw Outlines Around Views")),
         QStringLiteral("NSShowAllViews"), noEffect},
        {QStringLiteral(
             QT_TRANSLATE_NOOP("DiagnosticSwitches", "Visualize Mutually Exclusive Constraints")),
         QStringLiteral("NSConstraintBasedLayoutVisualizeMutuallyExclusiveConstraints"), noEffect},
        {QStringLiteral(QT_TRANSLATE_NOOP("DiagnosticSwitches", "Log AppKit Events")), eventsKey,
         QStringLiteral(QT_TRANSLATE_NOOP(
             "DiagnosticSwitches", "Here: logs Qt's input and window-system events (qt.qpa.input, "
                                   "qt.qpa.events) from the next start."))},
        {QStringLiteral(QT_TRANSLATE_NOOP("DiagnosticSwitches", "Show Internal AppKit Debug Menu")),
         QStringLiteral("_NS_4445425547"), noEffect},
    };
    return switches;
}

bool isDrawingHighlighted(const UserDefaults& suite) {
    return suite.string(drawingKey) == QStringLiteral("200");
}

void setDrawingHighlighted(UserDefaults& suite, bool on, const std::function<void()>& relaunch) {
    if (on) {
        suite.set(QStringLiteral("200"), drawingKey);
        suite.set(QStringLiteral("cycle"), QStringLiteral("NSShowAllDrawingColor"));
    } else {
        suite.set(QStringLiteral("no"), drawingKey);
    }
    if (relaunch)
        relaunch();
}

void applyDiagnostics(const UserDefaults& suite) {
    if (suite.boolean(eventsKey))
        QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.input*=true\nqt.qpa.events*=true"));
}

} // namespace debug
