#include "scene_pictures.h"

#include "animal_art.h"
#include "drawing_library.h"
#include "name_lettering.h"

#include <QPainter>
#include <QPainterPath>

namespace tivak::artwork {
namespace {

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

void drawSkyAndSea(QPainter &painter, QSizeF size, qreal horizon)
{
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(0x7c, 0xc8, 0xf5));
    sky.setColorAt(1, QColor(0xd8, 0xf0, 0xff));
    painter.fillRect(QRectF(0, 0, size.width(), horizon), sky);
    QLinearGradient sea(0, horizon, 0, size.height());
    sea.setColorAt(0, QColor(0x5a, 0xb8, 0xe6));
    sea.setColorAt(1, QColor(0x23, 0x7a, 0xbf));
    painter.fillRect(QRectF(0, horizon, size.width(), size.height() - horizon), sea);
    painter.setPen(QPen(QColor(0xbf, 0xe6, 0xfa), 3, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF &wave : {QPointF(40, 372), QPointF(790, 380), QPointF(70, 520),
                                QPointF(760, 530), QPointF(150, 450), QPointF(700, 470)}) {
        painter.drawArc(QRectF(wave, QSizeF(26, 12)), 0, 180 * 16);
        painter.drawArc(QRectF(wave + QPointF(24, 0), QSizeF(26, 12)), 0, 180 * 16);
    }
}

void drawIsland(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf0, 0xd3, 0x96));
    painter.drawEllipse(QRectF(70, 350, 740, 165));
    painter.setBrush(QColor(0x76, 0xbf, 0x4c));
    painter.drawEllipse(QRectF(100, 345, 680, 130));
}

void drawSign(QPainter &painter)
{
    const QColor bark(0x7a, 0x4a, 0x24);
    painter.setPen(QPen(bark.darker(130), 2));
    painter.setBrush(bark);
    painter.drawRect(QRectF(330, 250, 22, 170));
    painter.drawRect(QRectF(520, 250, 22, 170));
    const QRectF board(262, 140, 350, 140);
    painter.setBrush(QColor(0xc2, 0x84, 0x4c));
    painter.setPen(QPen(QColor(0x6b, 0x3e, 0x1c), 5));
    painter.drawRoundedRect(board, 14, 14);
    // Planks, and a few knots in the wood.
    painter.setPen(QPen(QColor(0x9c, 0x62, 0x32), 2));
    for (qreal y : {186.0, 233.0})
        painter.drawLine(QPointF(board.left() + 5, y), QPointF(board.right() - 5, y));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(285, 155, 16, 9));
    painter.drawEllipse(QRectF(570, 250, 14, 8));
    QPainterPath title;
    const QFont font = letteringFont(112);
    title.addText(0, 0, font, QStringLiteral("tîvak"));
    const QRectF bounds = title.boundingRect();
    title.translate(board.center() - bounds.center());
    painter.setPen(QPen(QColor(0x4a, 0x26, 0x0c), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(title);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xf3, 0xd6));
    painter.drawPath(title);
}

void drawLines(QPainter &painter, const QStringList &lines, qreal top, qreal pixelSize,
               qreal centreX)
{
    const qreal lineHeight = pixelSize * 1.3;
    for (const QString &line : lines) {
        const QSizeF size = letteringSize(line, pixelSize);
        drawLettering(painter, line,
                      QRectF(centreX - size.width() / 2, top, size.width(), lineHeight), pixelSize,
                      QColor(0xe5, 0x38, 0x3b), -1);
        top += lineHeight;
    }
}

} // namespace

QImage startPicture(const DrawingLibrary &drawings)
{
    QImage image = canvas(874, 559);
    QPainter painter(&image);
    prepare(painter);
    drawSkyAndSea(painter, image.size(), 330);
    drawings.draw(painter, "emoji/sun-with-face", QRectF(760, 18, 90, 90));
    drawings.draw(painter, "emoji/cloud", QRectF(40, 20, 110, 110));
    drawings.draw(painter, "emoji/cloud", QRectF(620, 40, 80, 80));
    drawIsland(painter);
    drawings.draw(painter, "emoji/palm-tree", QRectF(118, 205, 150, 150));
    drawings.draw(painter, "emoji/deciduous-tree", QRectF(600, 200, 150, 150));
    drawings.draw(painter, "emoji/evergreen-tree", QRectF(705, 230, 120, 120));
    drawings.draw(painter, "emoji/deciduous-tree", QRectF(215, 250, 110, 110));
    drawSign(painter);
    drawings.draw(painter, "emoji/giraffe", QRectF(60, 220, 200, 200));
    drawings.draw(painter, "emoji/lion", QRectF(225, 350, 115, 115));
    drawings.draw(painter, "emoji/bear", QRectF(530, 350, 115, 115));
    drawings.draw(painter, "emoji/elephant", QRectF(640, 290, 165, 165));
    drawings.draw(painter, "emoji/monkey", QRectF(560, 82, 100, 100), {}, true);
    painter.end();
    return image;
}

QImage creditsPicture()
{
    QImage image = canvas(829, 464);
    QPainter painter(&image);
    prepare(painter);
    const qreal centreX = 415;
    drawLettering(painter, QStringLiteral("tîvak"), QRectF(centreX - 150, 10, 300, 110), 96,
                  QColor(0x1e, 0x88, 0xe5), 1);
    drawLines(painter,
              {QStringLiteral("A talking picture book of animals"),
               QStringLiteral("made by the tîvak makers")},
              140, 27, 330);
    drawLines(painter,
              {QStringLiteral("Pictures drawn with Fluent Emoji Flat"),
               QStringLiteral("© Microsoft Corporation, MIT License"), QString(),
               QStringLiteral("Lettering in Comic Neue"),
               QStringLiteral("© Craig Rozynski and others,"),
               QStringLiteral("SIL Open Font License 1.1")},
              240, 21, 330);
    painter.end();
    return image;
}

QImage farmGroupPicture(const DrawingLibrary &drawings)
{
    QImage image = canvas(626, 595);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc9, 0xec, 0xa8));
    painter.drawEllipse(QRectF(10, 300, 606, 280));
    drawings.draw(painter, "emoji/horse", QRectF(10, 20, 210, 210));
    drawings.draw(painter, "emoji/cow", QRectF(210, 10, 210, 210));
    drawings.draw(painter, "emoji/donkey", QRectF(410, 20, 205, 205), {}, true);
    drawings.draw(painter, "emoji/ewe", QRectF(30, 215, 180, 180));
    drawings.draw(painter, "emoji/rooster", QRectF(225, 205, 180, 180));
    drawings.draw(painter, "emoji/duck", QRectF(420, 215, 170, 170), {}, true);
    drawings.draw(painter, "emoji/cat", QRectF(40, 395, 170, 170));
    drawings.draw(painter, "emoji/baby-chick", QRectF(245, 420, 140, 140));
    drawings.draw(painter, "emoji/rabbit", QRectF(415, 395, 170, 170), {}, true);
    painter.end();
    return image;
}

QImage farmyardPicture(const DrawingLibrary &drawings)
{
    QImage image = canvas(626, 463);
    QPainter painter(&image);
    prepare(painter);
    painter.fillRect(QRectF(0, 0, 626, 230), QColor(0xcf, 0xec, 0xfc));
    painter.fillRect(QRectF(0, 230, 626, 233), QColor(0x8c, 0xcf, 0x5a));
    // Round hay bales at the back, each with the spiral of its rolled end.
    for (const QRectF &bale : {QRectF(20, 120, 130, 130), QRectF(130, 150, 110, 110)}) {
        painter.setPen(QPen(QColor(0xb0, 0x80, 0x20), 3));
        painter.setBrush(QColor(0xf2, 0xc8, 0x4b));
        painter.drawEllipse(bale);
        painter.setBrush(Qt::NoBrush);
        for (qreal inset : {0.18, 0.33})
            painter.drawEllipse(bale.adjusted(bale.width() * inset, bale.height() * inset,
                                              -bale.width() * inset, -bale.height() * inset));
    }
    // A wooden fence along the yard.
    painter.setPen(QPen(QColor(0x6b, 0x45, 0x22), 2));
    painter.setBrush(QColor(0xb8, 0x7f, 0x4a));
    painter.drawRect(QRectF(230, 175, 396, 14));
    painter.drawRect(QRectF(230, 215, 396, 14));
    for (qreal x = 245; x < 626; x += 55)
        painter.drawRect(QRectF(x, 160, 16, 95));
    drawings.draw(painter, "emoji/cow", QRectF(250, 120, 200, 200));
    drawings.draw(painter, "emoji/pig", QRectF(440, 200, 170, 170), {}, true);
    const AnimalArt hen = animalArt("hen");
    drawings.draw(painter, hen.drawing, QRectF(30, 270, 140, 140), hen.edits);
    drawings.draw(painter, "emoji/chicken", QRectF(160, 300, 120, 120), {}, true);
    drawings.draw(painter, "emoji/baby-chick", QRectF(290, 360, 70, 70));
    drawings.draw(painter, "emoji/baby-chick", QRectF(350, 380, 60, 60), {}, true);
    drawings.draw(painter, "emoji/hatching-chick", QRectF(410, 375, 65, 65));
    painter.end();
    return image;
}

} // namespace tivak::artwork
