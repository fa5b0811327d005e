// How long the book takes from the start of its process to its start screen painted in full,
// against the smallest Qt Widgets program that shows a picture maximised. Both are started the
// same way on a private display and watched from outside: the moment counts when the rows of the
// screen that cross the window show what they show once the window has settled.
//
//   cold_start_benchmark [another build of tivak ...]   (to compare builds in the same run)
#include "bench_stage.h"
#include "sample_figures.h"
#include "screen_rows.h"
#include "x_pointer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

using namespace tivak;
using namespace tivak::bench;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int runs = 10;
constexpr int screenHeight = 1080;
constexpr int settleMs = 2500;
constexpr int startTimeoutMs = 20000;

struct Contender
{
    std::string label;
    QString program;
    QString window; // its window's role or title
    ScreenRows::Pixels settled{};
    std::vector<double> firstChangeMs{}, paintedMs{};
};

// Rows through the upper, middle and lower part of the screen: they cross the picture and the
// window's background whatever the window manager does with the frame.
std::vector<int> watchedRows()
{
    return {screenHeight * 3 / 10, screenHeight / 2, screenHeight * 7 / 10};
}

class ColdStart
{
public:
    explicit ColdStart(const BenchStage &stage)
        : stage_(stage), rows_(stage.display(), watchedRows()), pointer_(stage.display())
    {
        pointer_.moveTo({1919, 1079}); // out of the way of every window
        QThread::msleep(300);
        empty_ = rows_.capture();
    }

    bool canWatch() const { return rows_.isOpen() && pointer_.isOpen() && !empty_.empty(); }

    // Starts the program once and remembers what its settled window looks like.
    bool learnSettledLook(Contender &contender)
    {
        QProcess process;
        stage_.launch(process, contender.program);
        const bool shown =
            stage_.desktop().waitForWindow(contender.window, startTimeoutMs).has_value();
        for (int attempt = 0; shown && attempt < 5 && contender.settled.empty(); ++attempt) {
            QThread::msleep(settleMs);
            const ScreenRows::Pixels first = rows_.capture();
            QThread::msleep(500);
            if (rows_.capture() == first && first != empty_)
                contender.settled = first;
        }
        BenchStage::stop(process);
        return !contender.settled.empty() && waitForEmptyScreen();
    }

    // One start: from just before the process is made to the window looking settled.
    bool measure(Contender &contender)
    {
        QProcess process;
        const Clock::time_point start = Clock::now();
        stage_.launch(process, contender.program);
        std::optional<Clock::time_point> firstChange, painted;
        const QDeadlineTimer deadline(startTimeoutMs);
        while (!painted && !deadline.hasExpired()) {
            const ScreenRows::Pixels now = rows_.capture();
            if (!firstChange && now != empty_)
                firstChange = Clock::now();
            if (now == contender.settled)
                painted = Clock::now();
            else
                QThread::usleep(1500); // leave the processors to the program being started
        }
        BenchStage::stop(process);
        if (!painted)
            return false;
        contender.firstChangeMs.push_back(msBetween(start, *firstChange));
        contender.paintedMs.push_back(msBetween(start, *painted));
        return waitForEmptyScreen();
    }

private:
    static double msBetween(Clock::time_point from, Clock::time_point to)
    {
        return std::chrono::duration<double, std::milli>(to - from).count();
    }

    bool waitForEmptyScreen() const
    {
        const QDeadlineTimer deadline(5000);
        while (rows_.capture() != empty_) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(20);
        }
        QThread::msleep(300); // let the display server and window manager forget the window
        return true;
    }

    const BenchStage &stage_;
    ScreenRows rows_;
    XPointer pointer_;
    ScreenRows::Pixels empty_;
};

void printTable(const std::vector<Contender> &contenders)
{
    std::printf("Cold start: process start to first complete paint of the maximised window, ms\n"
                "(%d runs each, interleaved; files in the page cache after the first run)\n",
                runs);
    std::printf("%-28s %6s %9s %9s %9s %9s %11s\n", "program", "runs", "median", "p95", "worst",
                "ratio", "first pixels");
    const SampleFigures reference = summarise(contenders.front().paintedMs);
    for (const Contender &contender : contenders) {
        const SampleFigures painted = summarise(contender.paintedMs);
        const SampleFigures firstChange = summarise(contender.firstChangeMs);
        std::printf("%-28s %6zu %9.1f %9.1f %9.1f %8.2fx %11.1f\n", contender.label.c_str(),
                    painted.count, painted.median, painted.p95, painted.worst,
                    reference.median > 0 ? painted.median / reference.median : 0.0,
                    firstChange.median);
    }
    std::printf("goal: tivak median <= 1.5x the minimal window's; \"first pixels\" is the median "
                "time at which the watched rows first changed\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const BenchStage stage;
    if (!stage.isReady()) {
        std::fprintf(stderr, "cold start benchmark: %s\n", qPrintable(stage.failure()));
        return 1;
    }
    if (!stage.writeClip("c/Program files/Tivak/2020.mp4", {{440, 3.0}}, true)) {
        std::fprintf(stderr, "cold start benchmark: cannot write the intro clip (ffmpeg?)\n");
        return 1;
    }
    ColdStart coldStart(stage);
    if (!coldStart.canWatch()) {
        std::fprintf(stderr, "cold start benchmark: cannot read the virtual screen\n");
        return 1;
    }
    std::vector<Contender> contenders;
    contenders.push_back(
        {"minimal Qt window (picture)", MINIMAL_WINDOW_EXECUTABLE, "minimal window"});
    contenders.push_back({"tivak start screen", TIVAK_EXECUTABLE, "Form9"});
    for (const QString &build : app.arguments().mid(1))
        contenders.push_back({QFileInfo(build).absolutePath().toStdString(), build, "Form9"});
    for (Contender &contender : contenders) {
        if (!coldStart.learnSettledLook(contender)) {
            std::fprintf(stderr, "cold start benchmark: %s never settled on screen\n",
                         contender.label.c_str());
            return 1;
        }
    }
    for (int run = 0; run < runs; ++run) {
        for (Contender &contender : contenders) {
            if (!coldStart.measure(contender))
                std::fprintf(stderr, "cold start benchmark: run %d of %s did not finish\n", run,
                             contender.label.c_str());
        }
    }
    printTable(contenders);
    return 0;
}
