#pragma once

#include <QApplication>
#include <QString>
#include <chrono>
#include <optional>

namespace tivak::bench {

// An application that notes when a window has first been painted: the moment the event during
// which its widgets were painted, or it was exposed, was fully handled, flush to the screen
// included.
// It only looks at events as they pass, so nothing is painted that would not have been anyway.
class PaintWatchingApplication : public QApplication
{
public:
    using Clock = std::chrono::steady_clock;

    PaintWatchingApplication(int &argc, char **argv);

    // Watches the window whose object name is given, from now on; forgets any earlier paint.
    void watchFor(const QString &windowName);
    std::optional<Clock::time_point> painted() const { return painted_; }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    bool paintsWatchedWindow(QObject *receiver, const QEvent *event) const;

    QString watched_;
    int depth_ = 0; // how deep in nested event handling we are
    bool paintSeen_ = false;
    std::optional<Clock::time_point> painted_;
};

} // namespace tivak::bench
