// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

namespace kit {

struct AboutInfo {
    QString name;
    QString versionWithBuild;
    QString summary;
    QUrl website;
    QString copyright;
    QString licenceName;
    QUrl licenceText;
    // Opens a link the user clicked.
    std::function<void(const QUrl&)> openLink;
};

// The standard About window: icon, name, version with build, a line on what
// the application does, its website, who holds its copyright and the licence
// it is free software under. Close or Escape closes it.
class AboutPanel : public QDialog {
public:
    explicit AboutPanel(const AboutInfo& info, QWidget* parent = nullptr);
};

} // namespace kit
