#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace tivak::artwork {

// A picture as a baseline JFIF JPEG file in three-component colour, even when it is all grey.
QByteArray jpegFile(const QImage &image);

// Colour depths of the icons: 16 colours, 256 colours, and 32-bit colour with alpha.
enum class IconDepth
{
    Colours16 = 4,
    Colours256 = 8,
    TrueColour = 32
};

// A Windows icon file holding exactly this one image. For the palette depths the image's colours
// are mapped to the nearest colour of the palette (at most 15 or 255 entries, after the black that
// see-through pixels take) and its alpha to the icon's mask.
QByteArray iconFile(const QImage &image, IconDepth depth, const QList<QRgb> &palette = {});

} // namespace tivak::artwork
