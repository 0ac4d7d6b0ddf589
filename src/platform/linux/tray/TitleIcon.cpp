#include "platform/linux/tray/TitleIcon.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace platform::xdg {

namespace {
QFont glyphFont(int height) {
    QFont font;
    font.setPixelSize(std::max(1, height * 3 / 4));
    // Thin strokes (a vertical line, a hyphen) snapped to whole pixels stay
    // crisp at tray sizes instead of smearing over two faint columns.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

int tabCount(const QString& title) {
    return static_cast<int>(title.count(QLatin1Char('\t')));
}
} // namespace

int TitleIcon::width(int height) const {
    if (isBlank()) {
        const auto tabs = tabCount(title_);
        const auto otherBlanks = static_cast<int>(title_.size()) - tabs;
        return height * std::max(1, 2 * tabs + otherBlanks);
    }
    const QFontMetrics metrics(glyphFont(height));
    return std::max(height, metrics.horizontalAdvance(title_) + height / 4);
}

QImage TitleIcon::render(int height) const {
    QImage image(width(height), height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (isBlank())
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = glyphFont(height);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(glyphColour());
    painter.setOpacity(dimmed_ ? dimmedOpacity : 1.0);
    // Whole-pixel origins, for the same reason as the hinting.
    const int x = (image.width() - metrics.horizontalAdvance(title_)) / 2;
    const int baseline = (height + metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(x, baseline, title_);
    return image;
}

QImage TitleIcon::dimmed(const QImage& image) {
    QImage result(image.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setOpacity(dimmedOpacity);
    painter.drawImage(0, 0, image);
    return result;
}

QList<QImage> TitleIcon::renderAll() const {
    QList<QImage> images;
    for (int height : heights())
        images.append(render(height));
    return images;
}

} // namespace platform::xdg
