// How much memory and how many threads the book holds with all ten screens made (and so 27
// players), against the smallest Qt Widgets program that shows a picture maximised. Both run as
// a reader meets them, on a private display with the intro sounding, and are read from outside
// (/proc/<pid>/status). Then, in this process, what idle and playing players cost in threads.
#include "bench_stage.h"
#include "gst_player_factory.h"
#include "memory_breakdown.h"
#include "player_profile.h"
#include "process_status.h"
#include "sample_figures.h"
#include "x_pointer.h"

#include <QCoreApplication>
#include <QTest>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

using namespace tivak;
using namespace tivak::bench;

namespace {

constexpr int runs = 3;
constexpr int playersWithAllScreens = 27; // three for the start screen and each of eight pages
constexpr int settleMs = 2000;
const QPoint startButton(240, 410); // "Ndûusko", from the start screen's client corner
const QPoint suMenu(12, 10);        // "Su", the about box
constexpr Rect nextButton{13560, 8400, 735, 495};
const char introPath[] = R"(C:\Program files\Tivak\2020.mp4)";

struct Reading
{
    ProcessStatus status;
    MemoryBreakdown breakdown;
};
using Readings = std::map<std::string, std::vector<Reading>>;
const char *const programs[] = {"minimal Qt window (picture)", "tivak, start screen only",
                                "tivak, all ten screens"};

class MemoryRuns
{
public:
    explicit MemoryRuns(const BenchStage &stage) : stage_(stage), pointer_(stage.display())
    {
        pointer_.moveTo({1919, 1079});
    }

    bool measureMinimalWindow(Readings &readings)
    {
        QProcess program;
        stage_.launch(program, QStringLiteral(MINIMAL_WINDOW_EXECUTABLE));
        const bool shown = stage_.desktop().waitForWindow("minimal window", 20000).has_value();
        return shown && read(program, "minimal Qt window (picture)", readings) && stopped(program);
    }

    bool measureBook(Readings &readings)
    {
        QProcess book;
        stage_.launch(book, QStringLiteral(TIVAK_EXECUTABLE));
        auto &desktop = stage_.desktop();
        std::optional<test::DesktopSession::Window> start = desktop.waitForWindow("Form9", 20000);
        const bool maximised =
            start &&
            QTest::qWaitFor(
                [&] { return (start = desktop.visibleWindow("Form9")) && start->maximised; }, 5000);
        if (!maximised || !read(book, "tivak, start screen only", readings))
            return stopped(book) && false;
        const bool allMade = openEveryScreen(*start);
        return allMade && read(book, "tivak, all ten screens", readings) && stopped(book);
    }

private:
    // Start screen, page 1 to page 8 with next, then the about box: every screen made once.
    bool openEveryScreen(const test::DesktopSession::Window &start)
    {
        auto &desktop = stage_.desktop();
        pointer_.click(start.client.topLeft() + startButton);
        auto page = desktop.waitForWindow("Form1");
        for (int to = 2; page && to <= 8; ++to) {
            pointer_.click(middleOnScreen(nextButton, page->client.topLeft()));
            page = desktop.waitForWindow(QStringLiteral("Form%1").arg(to));
        }
        if (!page)
            return false;
        pointer_.click(start.client.topLeft() + suMenu);
        return desktop.waitForWindow("frmAbout").has_value();
    }

    static bool read(const QProcess &program, const std::string &label, Readings &readings)
    {
        QTest::qWait(settleMs);
        const auto pid = pid_t(program.processId());
        const auto status = processStatus(pid);
        const auto breakdown = memoryBreakdown(pid);
        if (status && breakdown)
            readings[label].push_back({*status, *breakdown});
        return status && breakdown;
    }

    static bool stopped(QProcess &program)
    {
        BenchStage::stop(program);
        QTest::qWait(300);
        return true;
    }

    const BenchStage &stage_;
    XPointer pointer_;
};

// The median over the runs of one figure of a reading.
double medianOf(const std::vector<Reading> &readings,
                const std::function<double(const Reading &)> &figure)
{
    std::vector<double> values;
    for (const Reading &reading : readings)
        values.push_back(figure(reading));
    return summarise(values).median;
}

double residentOf(const Reading &reading)
{
    return reading.status.residentMiB;
}

double threadsOf(const Reading &reading)
{
    return reading.status.threads;
}

void printProgramTable(const Readings &readings)
{
    const auto &reference = readings.at(programs[0]);
    const double referenceMiB = medianOf(reference, residentOf);
    const double referenceThreads = medianOf(reference, threadsOf);
    std::printf("Resident memory and threads, read from /proc/<pid>/status after %d ms at rest\n"
                "(median of %d runs; the intro is sounding in the book)\n",
                settleMs, runs);
    std::printf("%-30s %5s %10s %8s %8s %14s\n", "program", "runs", "VmRSS MiB", "ratio", "threads",
                "extra threads");
    for (const char *label : programs) {
        const auto found = readings.find(label);
        if (found == readings.end())
            continue;
        const double mib = medianOf(found->second, residentOf);
        const double threads = medianOf(found->second, threadsOf);
        std::printf("%-30s %5zu %10.1f %7.2fx %8.0f %14.0f\n", label, found->second.size(), mib,
                    mib / referenceMiB, threads, threads - referenceThreads);
    }
    std::printf("goal with all ten screens: VmRSS <= 2x the minimal window's, extra threads <= %d "
                "(one a player)\n\n",
                playersWithAllScreens);
}

void printBreakdownTable(const Readings &readings)
{
    std::printf(
        "Where the resident memory lies (MiB, from /proc/<pid>/smaps, median of the runs)\n");
    std::printf("%-30s %10s %10s %10s %10s %10s\n", "program", "libraries", "(count)", "X buffers",
                "own", "other");
    for (const char *label : programs) {
        const auto found = readings.find(label);
        if (found == readings.end())
            continue;
        const auto &taken = found->second;
        std::printf("%-30s %10.1f %10.0f %10.1f %10.1f %10.1f\n", label,
                    medianOf(taken, [](const Reading &r) { return r.breakdown.librariesMiB; }),
                    medianOf(taken, [](const Reading &r) { return double(r.breakdown.libraries); }),
                    medianOf(taken, [](const Reading &r) { return r.breakdown.windowBuffersMiB; }),
                    medianOf(taken, [](const Reading &r) { return r.breakdown.ownMiB; }),
                    medianOf(taken, [](const Reading &r) { return r.breakdown.otherMiB; }));
    }
    std::printf("X buffers: window backing stores shared with the X server; own: heap and "
                "anonymous memory\n\n");
}

// Threads and memory of this process as players are made, play, stop and go.
void printPlayerThreads(const BenchStage &stage)
{
    std::printf("Players in this process: threads and VmRSS after each step\n");
    std::printf("%-44s %8s %10s\n", "step", "threads", "VmRSS MiB");
    const auto row = [](const char *step) {
        const auto status = processStatus();
        std::printf("%-44s %8d %10.1f\n", step, status ? status->threads : 0,
                    status ? status->residentMiB : 0.0);
    };
    row("before GStreamer");
    const PlayerFactory factory = gstPlayerFactory(stage.mountFolder().toStdString());
    row("GStreamer readied");
    std::vector<std::unique_ptr<MediaPlayer>> players;
    for (int i = 0; i < playersWithAllScreens; ++i)
        players.push_back(factory(PageProfile, "player"));
    row("27 idle players");
    players.front()->setURL(introPath);
    QTest::qWait(1000);
    row("one of them playing the intro");
    players.front()->stop();
    QTest::qWait(500);
    row("stopped again");
    players.clear();
    QTest::qWait(500);
    row("all 27 destroyed");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const BenchStage stage;
    if (!stage.isReady()) {
        std::fprintf(stderr, "memory benchmark: %s\n", qPrintable(stage.failure()));
        return 1;
    }
    if (!stage.writeClip("c/Program files/Tivak/2020.mp4", {{440, 5.0}}, true)) {
        std::fprintf(stderr, "memory benchmark: cannot write the intro clip (ffmpeg?)\n");
        return 1;
    }
    MemoryRuns memory(stage);
    Readings readings;
    for (int run = 0; run < runs; ++run) {
        if (!memory.measureMinimalWindow(readings) || !memory.measureBook(readings))
            std::fprintf(stderr, "memory benchmark: run %d did not finish\n", run);
    }
    if (!readings.contains(programs[0])) {
        std::fprintf(stderr, "memory benchmark: the minimal window never showed\n");
        return 1;
    }
    printProgramTable(readings);
    printBreakdownTable(readings);
    printPlayerThreads(stage);
    return 0;
}
