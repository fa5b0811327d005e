#include "screen_rows.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace tivak::bench {

ScreenRows::ScreenRows(const QString &display, std::vector<int> rows)
    : display_(XOpenDisplay(display.toLocal8Bit().data())), rows_(std::move(rows))
{}

ScreenRows::~ScreenRows()
{
    if (display_)
        XCloseDisplay(display_);
}

ScreenRows::Pixels ScreenRows::capture() const
{
    if (!display_)
        return {};
    const Window root = DefaultRootWindow(display_);
    const int width = DisplayWidth(display_, DefaultScreen(display_));
    Pixels pixels;
    pixels.reserve(rows_.size() * std::size_t(width));
    for (const int row : rows_) {
        XImage *image = XGetImage(display_, root, 0, row, unsigned(width), 1, AllPlanes, ZPixmap);
        if (!image)
            return {};
        for (int x = 0; x < width; ++x)
            pixels.push_back(std::uint32_t(XGetPixel(image, x, 0)));
        XDestroyImage(image);
    }
    return pixels;
}

} // namespace tivak::bench
