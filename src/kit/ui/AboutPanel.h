// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QDialog>

namespace kit {

struct AboutInfo {
    QString name;
    QString versionWithBuild;
    QString summary;
};

// The standard About window: icon, name, version with build, and a line on
// what the application does.
class AboutPanel : public QDialog {
public:
    explicit AboutPanel(const AboutInfo& info, QWidget* parent = nullptr);
};

} // namespace kit
