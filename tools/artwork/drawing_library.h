#pragma once

#include <QDir>
#include <QImage>
#include <QRectF>
#include <QString>
#include <utility>
#include <vector>

class QPainter;
class QSvgRenderer;

namespace tivak::artwork {

// Text substitutions applied to a drawing's SVG source before it is rendered: a fill recoloured,
// a part dropped (its fill set to none) or a part added before the closing tags.
using SvgEdits = std::vector<std::pair<QString, QString>>;

// The vector drawings the artwork is made of: the Fluent Emoji set under emoji/ and our own
// drawings under drawings/, named like "emoji/lion" or "drawings/ostrich". A drawing is always
// drawn by what it shows, without the empty margin of its canvas.
class DrawingLibrary
{
public:
    explicit DrawingLibrary(QDir folder);

    // Draws a drawing to fill target as far as its proportions allow, mirrored when asked.
    void draw(QPainter &painter, const QString &name, const QRectF &target,
              const SvgEdits &edits = {}, bool mirrored = false) const;

    // The drawing's silhouette as it shows on a white page, longer side longSide pixels: alpha
    // only, for judging its shape; parts too pale to tell from the page are left out.
    QImage silhouette(const QString &name, const SvgEdits &edits, int longSide) const;

private:
    QByteArray source(const QString &name, const SvgEdits &edits) const;
    static QRectF shownPart(QSvgRenderer &renderer);

    QDir m_folder;
};

} // namespace tivak::artwork
