#pragma once

#include <QDir>
#include <QRectF>
#include <QString>
#include <utility>
#include <vector>

class QPainter;

namespace tivak::artwork {

// Text substitutions applied to a drawing's SVG source before it is rendered: a fill recoloured,
// a part dropped (its fill set to none) or a part added before the closing tags.
using SvgEdits = std::vector<std::pair<QString, QString>>;

// The vector drawings the artwork is made of: the Fluent Emoji set under emoji/ and our own
// drawings under drawings/, named like "emoji/lion" or "drawings/ostrich".
class DrawingLibrary
{
public:
    explicit DrawingLibrary(QDir folder);

    // Draws a drawing into target, keeping its proportions, mirrored left to right when asked.
    void draw(QPainter &painter, const QString &name, const QRectF &target,
              const SvgEdits &edits = {}, bool mirrored = false) const;

private:
    QByteArray source(const QString &name, const SvgEdits &edits) const;

    QDir m_folder;
};

} // namespace tivak::artwork
