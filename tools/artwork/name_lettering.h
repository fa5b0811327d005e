#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace tivak::artwork {

// The book's lettering: Comic Neue Bold, dark, with one letter picked out in colour.
QFont letteringFont(qreal pixelSize);

// The size that a line of lettering takes.
QSizeF letteringSize(const QString &text, qreal pixelSize);

// Letters text centred in box, the letter at accentIndex (if any) in the accent colour.
void drawLettering(QPainter &painter, const QString &text, const QRectF &box, qreal pixelSize,
                   const QColor &accent, qsizetype accentIndex = 0);

} // namespace tivak::artwork
