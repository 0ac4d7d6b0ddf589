// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ui/AboutPanel.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kit {

AboutPanel::AboutPanel(const AboutInfo& info, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("About %1").arg(info.name));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* icon = new QLabel;
    icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);
    auto* name = new QLabel(QStringLiteral("<b>%1</b>").arg(info.name.toHtmlEscaped()));
    name->setAlignment(Qt::AlignCenter);
    QFont bigger = name->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
    name->setFont(bigger);
    auto* version = new QLabel(QStringLiteral("Version %1").arg(info.versionWithBuild));
    version->setAlignment(Qt::AlignCenter);
    auto* summary = new QLabel(info.summary);
    summary->setAlignment(Qt::AlignCenter);
    summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : std::initializer_list<QWidget*>{icon, name, version, summary, buttons})
        layout->addWidget(widget);
    setFixedWidth(320);
}

} // namespace kit
