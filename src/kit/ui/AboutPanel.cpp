// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ui/AboutPanel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kit {

namespace {

QLabel* centredLine(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QString link(const QUrl& url, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped(), text.toHtmlEscaped());
}

QLabel* linkLine(const QString& html, const std::function<void(const QUrl&)>& openLink) {
    auto* label = centredLine(html);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(label, &QLabel::linkActivated,
                     [openLink](const QString& url) { openLink(QUrl(url)); });
    return label;
}

} // namespace

AboutPanel::AboutPanel(const AboutInfo& info, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("AboutPanel", "About %1").arg(info.name));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* icon = new QLabel;
    icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);
    auto* name = centredLine(QStringLiteral("<b>%1</b>").arg(info.name.toHtmlEscaped()));
    QFont bigger = name->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
    name->setFont(bigger);
    auto* website = linkLine(link(info.website, info.website.host()), info.openLink);
    auto* licence = linkLine(QCoreApplication::translate("AboutPanel", "License: %1")
                                 .arg(link(info.licenceText, info.licenceName)),
                             info.openLink);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             icon, name,
             centredLine(QCoreApplication::translate("AboutPanel", "Version %1")
                             .arg(info.versionWithBuild)),
             centredLine(info.summary), website, centredLine(info.copyright), licence, buttons})
        layout->addWidget(widget);
    setFixedWidth(320);
}

} // namespace kit
