#include "book_tour.h"

#include "catalogue.h"
#include "page_window.h"

#include <QThread>

namespace tivak::test {
namespace {

constexpr int twipsPerPixel = 15;
constexpr Rect startButton{2880, 5160, 1455, 1170};
constexpr Rect zabtiButton{6840, 7320, 855, 975};
// The menu bar's items, "Su" then "Ndurui", sit at the top left of the start screen.
constexpr QPoint suItem{12, 10};
constexpr QPoint nduruiItem{45, 10};
constexpr int menuBarAllowance = 25;

QPoint middleOf(const Rect &rect)
{
    return {(rect.left + rect.width / 2) / twipsPerPixel,
            (rect.top + rect.height / 2) / twipsPerPixel};
}

QString pageName(int page)
{
    return QStringLiteral("Form%1").arg(page);
}

} // namespace

BookTour::BookTour(const DesktopSession &desktop, const QString &screenshotFolder)
    : desktop_(desktop), screenshots_(screenshotFolder)
{
    screenshots_.mkpath(".");
}

BookTour::~BookTour()
{
    if (program_.state() != QProcess::NotRunning) {
        program_.kill();
        program_.waitForFinished(2000);
    }
}

bool BookTour::start(const QString &command, const QStringList &arguments)
{
    program_.setProcessEnvironment(desktop_.environment());
    program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program_.start(command, arguments);
    return program_.waitForStarted();
}

std::optional<BookTour::Window> BookTour::startScreen(int timeoutMs) const
{
    if (!desktop_.waitForWindow("Form9", timeoutMs))
        return std::nullopt;
    for (int tries = 0; tries < 100; ++tries) {
        auto start = desktop_.visibleWindow("Form9");
        if (start && start->maximised)
            return start;
        QThread::msleep(50);
    }
    return std::nullopt;
}

void BookTour::clickStartScreen(QPoint client) const
{
    if (const auto start = desktop_.visibleWindow("Form9"))
        desktop_.click(start->client.topLeft() + client);
}

std::optional<BookTour::Window> BookTour::openBook() const
{
    clickStartScreen(middleOf(startButton) + QPoint(0, menuBarAllowance));
    return desktop_.waitForWindow("Form1");
}

BookTour::Clock::time_point BookTour::pressSpeaker(int page, std::string_view control,
                                                   const Window &window) const
{
    const auto *hotspot = catalogue::hotspotOf(page, control);
    const auto pressedAt = Clock::now();
    if (hotspot)
        desktop_.click(window.client.topLeft() + middleOf(hotspot->rect));
    return pressedAt;
}

std::optional<BookTour::Window> BookTour::turn(int page, bool forward, const Window &window) const
{
    desktop_.click(window.client.topLeft() +
                   middleOf(forward ? page_window::nextButton : page_window::previousButton));
    const int target = forward ? catalogue::nextPage(page) : catalogue::previousPage(page);
    auto shown = desktop_.waitForWindow(pageName(target));
    if (!shown || !desktop_.waitUntilHidden(pageName(page)))
        return std::nullopt;
    return shown;
}

std::optional<BookTour::Window> BookTour::openAbout() const
{
    clickStartScreen(suItem);
    return desktop_.waitForWindow("frmAbout");
}

bool BookTour::closeAbout(const Window &about) const
{
    desktop_.click(about.client.topLeft() + middleOf(zabtiButton));
    return desktop_.waitUntilHidden("frmAbout");
}

bool BookTour::quitWith(const QString &answer)
{
    clickStartScreen(nduruiItem);
    const auto question = desktop_.waitForWindow("Tivak");
    if (!question)
        return false;
    snap("quit-question", question);
    desktop_.key(answer);
    return true;
}

bool BookTour::snap(const QString &name, const std::optional<Window> &window) const
{
    return desktop_.screenshot(screenshots_.filePath(name + ".png"), window);
}

} // namespace tivak::test
