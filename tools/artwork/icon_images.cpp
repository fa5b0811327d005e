#include "icon_images.h"

#include "drawing_library.h"
#include "icon_palette.h"
#include "picture_files.h"

#include <QPainter>
#include <QPainterPath>

namespace tivak::artwork {
namespace {

constexpr int largeIcon = 128;
constexpr int smallIcon = 32;

QImage transparentCanvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
}

QByteArray paletteIcon(const QImage &image, IconDepth depth)
{
    const int colours = (1 << static_cast<int>(depth)) - 1;
    return iconFile(image, depth, iconPalette(image, colours));
}

// Koi are orange-red or white with orange, drawn from the set's fish.
SvgEdits koiColours(bool white)
{
    if (white)
        return {{"fill=\"#00a6ed\"", "fill=\"#fbf4ea\""}, {"fill=\"#0074ba\"", "fill=\"#f26b1d\""}};
    return {{"fill=\"#00a6ed\"", "fill=\"#f5761a\""}, {"fill=\"#0074ba\"", "fill=\"#c23b0c\""}};
}

QImage blueTriangle(bool pointingRight)
{
    QImage image = transparentCanvas(smallIcon);
    QPainter painter(&image);
    prepare(painter);
    QPolygonF triangle{{10, 7}, {10, 25}, {24, 16}};
    if (!pointingRight)
        triangle = QTransform(-1, 0, 0, 1, smallIcon, 0).map(triangle);
    QLinearGradient shading(0, 7, 0, 25);
    shading.setColorAt(0, QColor(0x5a, 0xa9, 0xf5));
    shading.setColorAt(1, QColor(0x15, 0x5c, 0xc4));
    painter.setPen(QPen(QColor(0x0e, 0x3f, 0x8a), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(shading);
    painter.drawPolygon(triangle);
    return image;
}

// The face of a push button, on which the glyphs are seen.
QColor buttonFace()
{
    return {0xef, 0xef, 0xef};
}

// An icon's mask lets a pixel through wholly or not at all, so the soft edges of a glyph are
// blended with the button face here; what is mostly see-through stays see-through.
QImage onButtonFace(const QImage &glyph)
{
    QImage flat = glyph.convertToFormat(QImage::Format_ARGB32);
    const QColor face = buttonFace();
    for (int y = 0; y < flat.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const int alpha = qAlpha(row[x]);
            const auto mix = [alpha](int ink, int background) {
                return (ink * alpha + background * (255 - alpha) + 127) / 255;
            };
            row[x] = alpha < 96
                         ? qRgba(0, 0, 0, 0)
                         : qRgb(mix(qRed(row[x]), face.red()), mix(qGreen(row[x]), face.green()),
                                mix(qBlue(row[x]), face.blue()));
        }
    }
    return flat;
}

// A dark loudspeaker with two bold orange sound waves: heavy enough to read at 32 pixels as a
// button to press, not as a greyed-out one.
QImage loudspeaker()
{
    QImage image = transparentCanvas(smallIcon);
    QPainter painter(&image);
    prepare(painter);
    const QColor outline(0x1c, 0x1f, 0x24);
    painter.setPen(QPen(outline, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0x45, 0x4b, 0x55));
    painter.drawRoundedRect(QRectF(1.5, 11, 6.5, 10), 1.2, 1.2);
    painter.setBrush(QColor(0x2b, 0x30, 0x37));
    painter.drawPolygon(QPolygonF{{8, 11}, {16, 3.5}, {16, 28.5}, {8, 21}});
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xf2, 0x6a, 0x00), 2.8, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(15, 16);
    painter.drawArc(QRectF(centre - QPointF(6.5, 6.5), QSizeF(13, 13)), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(centre - QPointF(12.5, 12.5), QSizeF(25, 25)), -50 * 16, 100 * 16);
    return image;
}

} // namespace

QByteArray applicationIcon(const DrawingLibrary &drawings)
{
    QImage image = transparentCanvas(largeIcon);
    QPainter painter(&image);
    prepare(painter);
    drawings.draw(painter, "emoji/rabbit-face", QRectF(12, 0, 104, 104));
    drawings.draw(painter, "emoji/open-book", QRectF(20, 62, 88, 66));
    // Paws over the top corners of the book, so that the rabbit holds it.
    painter.setPen(QPen(QColor(0x9b, 0x92, 0xa6), 2));
    painter.setBrush(QColor(0xe4, 0xde, 0xea));
    painter.drawEllipse(QRectF(24, 70, 20, 15));
    painter.drawEllipse(QRectF(84, 70, 20, 15));
    painter.end();
    return iconFile(image, IconDepth::TrueColour);
}

QByteArray pageWindowIcon(const DrawingLibrary &drawings)
{
    QImage image = transparentCanvas(largeIcon);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(QPen(QColor(0x2f, 0x7f, 0xb0), 3));
    painter.setBrush(QColor(0x8f, 0xd0, 0xee));
    painter.drawEllipse(QRectF(4, 4, 120, 120));
    drawings.draw(painter, "emoji/fish", QRectF(10, 12, 70, 70), koiColours(false), true);
    drawings.draw(painter, "emoji/fish", QRectF(48, 48, 70, 70), koiColours(true));
    painter.end();
    return iconFile(image, IconDepth::TrueColour);
}

QByteArray aboutWindowIcon()
{
    QImage image = transparentCanvas(smallIcon);
    QPainter painter(&image);
    prepare(painter);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1.5, 3.5, 29, 19), 7, 7);
    bubble.moveTo(7, 21);
    bubble.lineTo(5, 29);
    bubble.lineTo(14, 21);
    painter.setPen(QPen(QColor(0x1d, 0x3f, 0x8c), 1.5));
    painter.setBrush(Qt::white);
    painter.drawPath(bubble.simplified());
    QFont font(QStringLiteral("Comic Neue"));
    font.setBold(true);
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(QColor(0xd0, 0x20, 0x20));
    painter.drawText(QRectF(3, 4, 9, 17), Qt::AlignCenter, QStringLiteral("#"));
    painter.setPen(QColor(0x10, 0x80, 0x20));
    painter.drawText(QRectF(11, 4, 10, 17), Qt::AlignCenter, QStringLiteral("@"));
    painter.setPen(QColor(0x20, 0x40, 0xd0));
    painter.drawText(QRectF(20, 4, 9, 17), Qt::AlignCenter, QStringLiteral("!"));
    painter.end();
    return paletteIcon(image, IconDepth::Colours16);
}

QByteArray startGlyph()
{
    QImage image = transparentCanvas(smallIcon);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x9a, 0x9a, 0x9a));
    painter.drawPolygon(QPolygonF{{18, 7}, {31, 29}, {7, 29}});
    painter.setBrush(QColor(0x8b, 0x10, 0x10));
    painter.drawPolygon(QPolygonF{{14, 3}, {27, 25}, {1, 25}});
    painter.end();
    return paletteIcon(onButtonFace(image), IconDepth::Colours16);
}

QByteArray speakerGlyph()
{
    return paletteIcon(onButtonFace(loudspeaker()), IconDepth::Colours256);
}

QByteArray nextGlyph()
{
    return paletteIcon(onButtonFace(blueTriangle(true)), IconDepth::Colours256);
}

QByteArray previousGlyph()
{
    return paletteIcon(onButtonFace(blueTriangle(false)), IconDepth::Colours256);
}

QByteArray closeGlyph()
{
    QImage image = transparentCanvas(smallIcon);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(QPen(QColor(0x8a, 0x10, 0x10), 1.2));
    painter.setBrush(QColor(0xe0, 0x28, 0x28));
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 10), QPointF(22, 22));
    painter.drawLine(QPointF(22, 10), QPointF(10, 22));
    painter.end();
    return paletteIcon(onButtonFace(image), IconDepth::Colours16);
}

} // namespace tivak::artwork
