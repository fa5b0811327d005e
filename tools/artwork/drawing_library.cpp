#include "drawing_library.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace tivak::artwork {

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

void DrawingLibrary::draw(QPainter &painter, const QString &name, const QRectF &target,
                          const SvgEdits &edits, bool mirrored) const
{
    QSvgRenderer renderer(source(name, edits));
    const QSizeF natural = renderer.viewBoxF().size();
    const QSizeF fitted = natural.scaled(target.size(), Qt::KeepAspectRatio);
    QRectF bounds(QPointF(), fitted);
    bounds.moveCenter(target.center());
    painter.save();
    if (mirrored) {
        painter.translate(bounds.center().x(), 0);
        painter.scale(-1, 1);
        painter.translate(-bounds.center().x(), 0);
    }
    renderer.render(&painter, bounds);
    painter.restore();
}

} // namespace tivak::artwork
