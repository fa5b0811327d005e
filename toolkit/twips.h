#pragma once

#include "rect.h"

#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

// Every position and size of the book is in twips: 1440 to the inch, so 15 to a pixel at 96 dots
// per inch. This is the one place they become pixels. The screen's logical DPI is taken into
// account so that the layout stays whole when the desktop is scaled; with Qt's own high-DPI
// scaling (the default), logical DPI is 96 and Qt scales the pixels.
namespace tivak::twips {

inline constexpr double perInch = 1440.0;
inline constexpr double standardDpi = 96.0;

// Logical dots per inch of the screen a widget is on (or the primary screen).
double logicalDpi(const QWidget *widget = nullptr);

int toPixels(int twips, double dpi);
QRect toPixels(const Rect &rect, double dpi);
QSize toPixels(int width, int height, double dpi);

// The size a picture of the given pixel count takes at its natural size (15 twips a pixel).
QSize naturalSize(QSize picturePixels, double dpi);

} // namespace tivak::twips
