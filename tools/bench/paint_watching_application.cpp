#include "paint_watching_application.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace tivak::bench {

PaintWatchingApplication::PaintWatchingApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{}

void PaintWatchingApplication::watchFor(const QString &windowName)
{
    watched_ = windowName;
    paintSeen_ = false;
    painted_.reset();
}

bool PaintWatchingApplication::notify(QObject *receiver, QEvent *event)
{
    ++depth_;
    if (paintsWatchedWindow(receiver, event))
        paintSeen_ = true;
    const bool handled = QApplication::notify(receiver, event);
    // A window's widgets are painted one after another and then flushed, all while one outer
    // event (an expose or an update request) is handled: its end is when the window is on screen.
    if (--depth_ == 0 && paintSeen_ && !painted_)
        painted_ = Clock::now();
    return handled;
}

// Paint events reach the window's widgets when something in them has to be drawn; a window shown
// again with its last picture intact is only exposed, and its backing store flushed at once.
bool PaintWatchingApplication::paintsWatchedWindow(QObject *receiver, const QEvent *event) const
{
    if (watched_.isEmpty())
        return false;
    if (event->type() == QEvent::Paint && receiver->isWidgetType())
        return static_cast<QWidget *>(receiver)->window()->objectName() == watched_;
    if (event->type() == QEvent::Expose && receiver->isWindowType()) {
        const auto *window = static_cast<QWindow *>(receiver);
        if (!window->isExposed())
            return false;
        const QWidgetList windows = topLevelWidgets();
        return std::ranges::any_of(windows, [&](const QWidget *widget) {
            return widget->windowHandle() == window && widget->objectName() == watched_;
        });
    }
    return false;
}

} // namespace tivak::bench
