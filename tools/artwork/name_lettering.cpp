#include "name_lettering.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace tivak::artwork {
namespace {

QColor inkColour()
{
    return {0x2b, 0x2b, 0x35};
}

} // namespace

QFont letteringFont(qreal pixelSize)
{
    QFont font(QStringLiteral("Comic Neue"));
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QSizeF letteringSize(const QString &text, qreal pixelSize)
{
    const QFontMetricsF metrics(letteringFont(pixelSize));
    return {metrics.horizontalAdvance(text), metrics.height()};
}

void drawLettering(QPainter &painter, const QString &text, const QRectF &box, qreal pixelSize,
                   const QColor &accent, qsizetype accentIndex)
{
    QTextLayout layout(text, letteringFont(pixelSize));
    if (accentIndex >= 0 && accentIndex < text.size()) {
        QTextCharFormat accented;
        accented.setForeground(accent);
        layout.setFormats({{static_cast<int>(accentIndex), 1, accented}});
    }
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    const QSizeF size(line.naturalTextWidth(), line.height());
    const QPointF topLeft(box.center().x() - size.width() / 2,
                          box.center().y() - size.height() / 2);
    painter.save();
    painter.setPen(inkColour());
    line.draw(&painter, topLeft);
    painter.restore();
}

} // namespace tivak::artwork
