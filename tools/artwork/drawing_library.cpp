#include "drawing_library.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace tivak::artwork {
namespace {

constexpr int measuringPixels = 512;
// Parts paler than this in every channel (a white tail, a white fleece) hardly show on the white
// page, so an animal does not reach its button with them.
constexpr int paleAbove = 215;

bool showsOnWhite(QRgb premultiplied)
{
    const int clear = 255 - qAlpha(premultiplied);
    return qRed(premultiplied) + clear < paleAbove || qGreen(premultiplied) + clear < paleAbove ||
           qBlue(premultiplied) + clear < paleAbove;
}

QRectF fittedInto(const QSizeF &natural, const QRectF &target)
{
    QRectF bounds(QPointF(), natural.scaled(target.size(), Qt::KeepAspectRatio));
    bounds.moveCenter(target.center());
    return bounds;
}

} // namespace

DrawingLibrary::DrawingLibrary(QDir folder) : m_folder(std::move(folder)) {}

QByteArray DrawingLibrary::source(const QString &name, const SvgEdits &edits) const
{
    QFile file(m_folder.filePath(name + QStringLiteral(".svg")));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing drawing %s", qPrintable(name));
    QString text = QString::fromUtf8(file.readAll());
    for (const auto &[from, to] : edits)
        text.replace(from, to, Qt::CaseInsensitive);
    return text.toUtf8();
}

// The part of the canvas that something is drawn on, in the drawing's own units.
QRectF DrawingLibrary::shownPart(QSvgRenderer &renderer)
{
    const QRectF canvas = renderer.viewBoxF();
    QImage image(measuringPixels, measuringPixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(image.rect()));
    painter.end();
    QRect shown;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) > 16)
                shown |= QRect(x, y, 1, 1);
        }
    }
    const qreal unitX = canvas.width() / measuringPixels;
    const qreal unitY = canvas.height() / measuringPixels;
    return {canvas.left() + shown.left() * unitX, canvas.top() + shown.top() * unitY,
            shown.width() * unitX, shown.height() * unitY};
}

void DrawingLibrary::draw(QPainter &painter, const QString &name, const QRectF &target,
                          const SvgEdits &edits, bool mirrored) const
{
    QSvgRenderer renderer(source(name, edits));
    const QRectF part = shownPart(renderer);
    renderer.setViewBox(part);
    const QRectF bounds = fittedInto(part.size(), target);
    painter.save();
    if (mirrored) {
        painter.translate(bounds.center().x(), 0);
        painter.scale(-1, 1);
        painter.translate(-bounds.center().x(), 0);
    }
    renderer.render(&painter, bounds);
    painter.restore();
}

QImage DrawingLibrary::silhouette(const QString &name, const SvgEdits &edits, int longSide) const
{
    QSvgRenderer renderer(source(name, edits));
    const QRectF part = shownPart(renderer);
    const QSize size = part.size().scaled(longSide, longSide, Qt::KeepAspectRatio).toSize();
    QImage colour(size, QImage::Format_ARGB32_Premultiplied);
    colour.fill(Qt::transparent);
    QPainter painter(&colour);
    renderer.setViewBox(part);
    renderer.render(&painter, QRectF(colour.rect()));
    painter.end();
    QImage image(size, QImage::Format_Alpha8);
    for (int y = 0; y < size.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(colour.constScanLine(y));
        uchar *to = image.scanLine(y);
        for (int x = 0; x < size.width(); ++x)
            to[x] = showsOnWhite(from[x]) ? static_cast<uchar>(qAlpha(from[x])) : 0;
    }
    return image;
}

} // namespace tivak::artwork
