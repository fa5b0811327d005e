#include "x_pointer.h"

#include <QThread>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace tivak::bench {

namespace {
constexpr unsigned leftButton = 1;
constexpr unsigned long holdMs = 30; // how long a hand keeps the button down
} // namespace

XPointer::XPointer(const QString &display) : display_(XOpenDisplay(display.toLocal8Bit().data())) {}

XPointer::~XPointer()
{
    if (display_)
        XCloseDisplay(display_);
}

void XPointer::moveTo(QPoint where)
{
    if (!display_)
        return;
    XTestFakeMotionEvent(display_, -1, where.x(), where.y(), CurrentTime);
    XSync(display_, False);
}

void XPointer::pressLeft()
{
    sendButton(true);
}

XPointer::Clock::time_point XPointer::releaseLeft()
{
    const Clock::time_point now = Clock::now();
    sendButton(false);
    return now;
}

XPointer::Clock::time_point XPointer::click(QPoint where)
{
    moveTo(where);
    pressLeft();
    QThread::msleep(holdMs);
    return releaseLeft();
}

void XPointer::sendButton(bool down)
{
    if (!display_)
        return;
    XTestFakeButtonEvent(display_, leftButton, down ? True : False, CurrentTime);
    XFlush(display_);
}

} // namespace tivak::bench
