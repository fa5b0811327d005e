#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace tivak::twips {

double logicalDpi(const QWidget *widget)
{
    const QScreen *screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : standardDpi;
}

int toPixels(int twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / perInch));
}

QRect toPixels(const Rect &rect, double dpi)
{
    return {toPixels(rect.left, dpi), toPixels(rect.top, dpi), toPixels(rect.width, dpi),
            toPixels(rect.height, dpi)};
}

QSize toPixels(int width, int height, double dpi)
{
    return {toPixels(width, dpi), toPixels(height, dpi)};
}

QSize naturalSize(QSize picturePixels, double dpi)
{
    const int twipsPerPixel = static_cast<int>(perInch / standardDpi);
    return toPixels(picturePixels.width() * twipsPerPixel, picturePixels.height() * twipsPerPixel,
                    dpi);
}

} // namespace tivak::twips
