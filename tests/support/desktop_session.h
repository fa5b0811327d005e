#pragma once

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace tivak::test {

// A private X display (Xvfb) with a light window manager (openbox), on which a program can be
// run, looked at and driven with synthetic mouse and keyboard input (xdotool), as a person would.
class DesktopSession
{
public:
    struct Window
    {
        QString id;
        QString role; // the screen's name for the book's windows
        QString title;
        QRect client; // in screen coordinates
        bool maximised = false;
    };

    explicit DesktopSession(const QString &size = QStringLiteral("1920x1080"));
    ~DesktopSession();

    DesktopSession(const DesktopSession &) = delete;
    DesktopSession &operator=(const DesktopSession &) = delete;

    bool isRunning() const { return failure_.isEmpty(); }
    QString failure() const { return failure_; }

    // The environment a program needs to open its windows here.
    QProcessEnvironment environment() const;

    QList<Window> visibleWindows() const;
    std::optional<Window> visibleWindow(const QString &roleOrTitle) const;
    // Waits until a window with the role (or title) is visible, or until it is not.
    std::optional<Window> waitForWindow(const QString &roleOrTitle, int timeoutMs = 5000) const;
    bool waitUntilHidden(const QString &roleOrTitle, int timeoutMs = 5000) const;

    void click(QPoint where) const;
    void key(const QString &keys) const;
    // Saves the whole screen, or just one window with its frame, as a PNG file.
    bool screenshot(const QString &path, const std::optional<Window> &window = {}) const;

    // Runs one of the X tools on this display and returns what it printed.
    QString run(const QString &tool, const QStringList &arguments) const;

private:
    void start(const QString &size);

    QProcess server_;
    QProcess windowManager_;
    QString display_;
    QString failure_;
};

} // namespace tivak::test
