#pragma once

#include "desktop_session.h"

#include <QDir>
#include <QProcess>
#include <chrono>
#include <optional>
#include <string_view>

namespace tivak::test {

// Takes the real program through the book as a reader would, with the mouse and the keyboard on
// a desktop session: the start screen, "Ndûusko", the speakers, the page turns, the about box and
// the quit command. Each step waits until the screen it leads to is on show, and says so.
class BookTour
{
public:
    using Window = DesktopSession::Window;
    using Clock = std::chrono::steady_clock;

    BookTour(const DesktopSession &desktop, const QString &screenshotFolder);
    ~BookTour();

    // Starts the program (a command and its arguments) on the session's display.
    bool start(const QString &command, const QStringList &arguments = {});
    QProcess &program() { return program_; }

    // The start screen, once it is shown maximised.
    std::optional<Window> startScreen(int timeoutMs = 10000) const;
    // "Ndûusko": page 1, once it is shown.
    std::optional<Window> openBook() const;
    // Presses a page's speaker button; returns when it was pressed.
    Clock::time_point pressSpeaker(int page, std::string_view control, const Window &window) const;
    // Next or previous on a page: the page it leads to, once shown with the first one hidden.
    std::optional<Window> turn(int page, bool forward, const Window &window) const;
    // "Su" and "Zabti".
    std::optional<Window> openAbout() const;
    bool closeAbout(const Window &about) const;
    // "Ndurui", then the key that answers the question ("Return" for OK, "Escape" to cancel).
    bool quitWith(const QString &answer);

    // Saves a window's picture, named after the screen, in the screenshot folder.
    bool snap(const QString &name, const std::optional<Window> &window) const;

private:
    void clickStartScreen(QPoint client) const;

    const DesktopSession &desktop_;
    QDir screenshots_;
    QProcess program_;
};

} // namespace tivak::test
