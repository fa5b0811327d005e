// How long a page turn takes to reach the screen: the real page screens and screen registry in
// this process, with real (silent) players, on a private display with a window manager and then
// on Qt's offscreen platform. Each figure runs from the click on "next" to the end of the next
// page's first paint after it was shown.
#include "catalogue.h"
#include "desktop_session.h"
#include "gst_player_factory.h"
#include "page_screen.h"
#include "paint_watching_application.h"
#include "sample_figures.h"
#include "screen_registry.h"

#include <QAbstractButton>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>

using namespace tivak;
using namespace tivak::bench;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int rounds = 6; // times round the ring of eight pages
constexpr int paintTimeoutMs = 3000;
constexpr char platformVariable[] = "TIVAK_BENCH_PLATFORM";

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

QString nameOf(ScreenId id)
{
    return QString::fromLatin1(screenName(id).data(), qsizetype(screenName(id).size()));
}

// Handles events until the watched window has been painted; false if it never was.
bool waitForPaint(const PaintWatchingApplication &app)
{
    QTimer deadline; // wakes the wait below when nothing else does; goes with this call
    deadline.setSingleShot(true);
    deadline.start(paintTimeoutMs);
    while (!app.painted() && deadline.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return app.painted().has_value();
}

void settle(int ms)
{
    QTest::qWait(ms);
}

struct TurnTimes
{
    std::vector<double> firstPaintMs, paintMs; // the first turn to each page, and later ones
    std::vector<double> firstHandlerMs, handlerMs;
};

TurnTimes turnPages(PaintWatchingApplication &app, ScreenRegistry &registry)
{
    TurnTimes times;
    int page = 1;
    for (int turn = 0; turn < rounds * catalogue::pageCount; ++turn) {
        const ScreenId target = catalogue::pageEntry(page).next;
        auto *next = registry.find(catalogue::screenOf(page))
                         ->findChild<QAbstractButton *>(QStringLiteral("Command1"));
        const bool firstTime = registry.find(target) == nullptr;
        app.watchFor(nameOf(target));
        const Clock::time_point clicked = Clock::now();
        QTest::mouseClick(next, Qt::LeftButton);
        const Clock::time_point handled = Clock::now();
        if (waitForPaint(app)) {
            (firstTime ? times.firstPaintMs : times.paintMs)
                .push_back(msBetween(clicked, *app.painted()));
            (firstTime ? times.firstHandlerMs : times.handlerMs)
                .push_back(msBetween(clicked, handled));
        }
        page = catalogue::nextPage(page);
        settle(150); // lets the window manager finish with both windows, as a reader's pause does
    }
    return times;
}

void printRow(const char *label, const std::vector<double> &paint,
              const std::vector<double> &handler, double goal)
{
    const SampleFigures figures = summarise(paint);
    std::printf("%-34s %5zu %9.1f %9.1f %9.1f %10.1f %7.0f\n", label, figures.count, figures.median,
                figures.p95, figures.worst, summarise(handler).median, goal);
}

// Qt's offscreen platform says at every page turn that it cannot raise windows; that is not news.
void dropPlatformChatter(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtWarningMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int measureOnThisPlatform(int argc, char **argv)
{
    qInstallMessageHandler(dropPlatformChatter);
    PaintWatchingApplication app(argc, argv);
    QTemporaryDir silentMount; // no clips: turning a page only stops its players
    const PlayerFactory players = gstPlayerFactory(silentMount.path().toStdString());
    ScreenRegistry registry;
    for (int page = 1; page <= catalogue::pageCount; ++page) {
        registry.define(catalogue::screenOf(page), [&players, page](ScreenRegistry &r) {
            return std::make_unique<PageScreen>(r, page, players);
        });
    }
    registry.Show(ScreenId::Form1);
    settle(1000);

    const TurnTimes times = turnPages(app, registry);
    std::printf("Page turn on the %s platform: click on next to the next page painted, ms\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("%-34s %5s %9s %9s %9s %10s %7s\n", "", "turns", "median", "p95", "worst",
                "in handler", "goal");
    printRow("first time (page created)", times.firstPaintMs, times.firstHandlerMs, 50);
    printRow("once created (page hidden before)", times.paintMs, times.handlerMs, 16);
    std::printf("\n");
    return times.paintMs.empty() || times.firstPaintMs.empty() ? 1 : 0;
}

// Runs this program again for each platform: on a private display of its own, then offscreen.
int measureOnEachPlatform(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const test::DesktopSession desktop;
    if (!desktop.isRunning()) {
        std::fprintf(stderr, "page turn benchmark: %s\n", qPrintable(desktop.failure()));
        return 1;
    }
    const QTemporaryDir runtime; // Qt wants a runtime folder private to its user
    int failures = 0;
    for (const char *platform : {"xcb", "offscreen"}) {
        QProcessEnvironment environment = desktop.environment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("QT_QPA_PLATFORM", platform);
        environment.insert(platformVariable, platform);
        QProcess measurement;
        measurement.setProcessEnvironment(environment);
        measurement.setProcessChannelMode(QProcess::ForwardedChannels);
        measurement.start(QCoreApplication::applicationFilePath(), {});
        if (!measurement.waitForFinished(120000) || measurement.exitCode() != 0)
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(platformVariable))
        return measureOnThisPlatform(argc, argv);
    return measureOnEachPlatform(argc, argv);
}
