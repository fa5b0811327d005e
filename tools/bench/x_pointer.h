#pragma once

#include <QPoint>
#include <QString>
#include <chrono>

struct _XDisplay;

namespace tivak::bench {

// The mouse of an X display, moved and pressed through the XTEST extension as a real mouse would
// be. Unlike running xdotool for each click, which takes tens of milliseconds to start, it knows
// the moment a button goes up to well under a millisecond.
class XPointer
{
public:
    using Clock = std::chrono::steady_clock;

    explicit XPointer(const QString &display);
    ~XPointer();

    XPointer(const XPointer &) = delete;
    XPointer &operator=(const XPointer &) = delete;

    bool isOpen() const { return display_ != nullptr; }

    void moveTo(QPoint where);
    void pressLeft();
    // Lets the left button go and returns the moment the release was sent to the server.
    Clock::time_point releaseLeft();
    // Moves, presses, holds briefly as a hand does, and releases; returns the release moment.
    Clock::time_point click(QPoint where);

private:
    void sendButton(bool down);

    _XDisplay *display_ = nullptr;
};

} // namespace tivak::bench
