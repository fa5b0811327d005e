#pragma once

#include <QImage>
#include <QList>

namespace tivak::artwork {

// A palette of at most size colours for a small drawing: its most used colours, then blends of
// them for the edges where two colours meet.
QList<QRgb> iconPalette(const QImage &image, int size);

} // namespace tivak::artwork
