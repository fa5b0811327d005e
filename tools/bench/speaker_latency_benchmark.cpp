// How soon a reader hears a speaker button: the real program on a private display, its speakers
// on page 1 clicked with the mouse, and the sound server's output recorded. The figure is the
// time from the button's release to the first audible sample of the clip at the sink. The intro
// is left out of the installation so that each clip's first sample stands out from silence.
#include "bench_stage.h"
#include "catalogue.h"
#include "sample_figures.h"
#include "x_pointer.h"

#include <QCoreApplication>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <optional>
#include <span>

using namespace tivak;
using namespace tivak::bench;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int presses = 20;
constexpr int pauseMs = 700; // longer than a clip, so that each press starts from silence
constexpr double clipSeconds = 0.3;
constexpr double latestHeard = 1.0; // s after a press; later counts as not heard
const QPoint startButton(240, 410); // "Ndûusko", from the start screen's client corner

// The delay of each press in ms, in the order of the presses; none for a press not heard.
std::vector<std::optional<double>> delaysMs(const test::SoundRecording &heard,
                                            const std::vector<Clock::time_point> &releases)
{
    std::vector<std::optional<double>> delays;
    for (const Clock::time_point release : releases) {
        const double at = heard.secondsAt(release);
        const std::optional<double> sound = heard.firstSound(at);
        delays.push_back(sound && *sound < at + latestHeard ? std::optional(1000.0 * (*sound - at))
                                                            : std::nullopt);
    }
    return delays;
}

std::vector<double> heardOnly(std::span<const std::optional<double>> delays)
{
    std::vector<double> heard;
    for (const std::optional<double> &delay : delays) {
        if (delay)
            heard.push_back(*delay);
    }
    return heard;
}

class SpeakerLatency
{
public:
    explicit SpeakerLatency(const BenchStage &stage) : stage_(stage), pointer_(stage.display()) {}

    ~SpeakerLatency() { BenchStage::stop(book_); }

    // Starts the book and opens page 1 from the start screen, as a reader would.
    bool openPageOne()
    {
        stage_.launch(book_, QStringLiteral(TIVAK_EXECUTABLE));
        auto &desktop = stage_.desktop();
        auto start = desktop.waitForWindow("Form9", 20000);
        if (!start ||
            !QTest::qWaitFor(
                [&] { return (start = desktop.visibleWindow("Form9")) && start->maximised; }, 5000))
            return false;
        pointer_.click(start->client.topLeft() + startButton);
        page_ = desktop.waitForWindow("Form1");
        QTest::qWait(500);
        return page_.has_value();
    }

    // Presses the page's speakers in turn; returns the moments the button went up.
    std::vector<Clock::time_point> pressSpeakers()
    {
        const auto speakers = catalogue::hotspots(1);
        std::vector<Clock::time_point> releases;
        for (int i = 0; i < presses; ++i) {
            const catalogue::HotspotEntry &speaker = speakers[std::size_t(i) % speakers.size()];
            releases.push_back(
                pointer_.click(middleOnScreen(speaker.rect, page_->client.topLeft())));
            QTest::qWait(pauseMs); // keeps the recording's clock fed meanwhile
        }
        return releases;
    }

private:
    const BenchStage &stage_;
    XPointer pointer_;
    QProcess book_;
    std::optional<test::DesktopSession::Window> page_;
};

void printTable(const std::vector<std::optional<double>> &delays)
{
    const SampleFigures all = summarise(heardOnly(delays));
    const SampleFigures later = summarise(heardOnly(std::span(delays).subspan(1)));
    std::printf("Speaker click to first audible sample at the sink, ms (page 1, %d presses,\n"
                "real program clicked through XTEST; timing within about 10 ms)\n",
                presses);
    std::printf("%-34s %6s %9s %9s %9s\n", "", "heard", "median", "p95", "worst");
    std::printf("%-34s %3zu/%-2d %9.1f %9.1f %9.1f\n", "every press", all.count, presses,
                all.median, all.p95, all.worst);
    std::printf("%-34s %3zu/%-2d %9.1f %9.1f %9.1f\n", "presses after the first", later.count,
                presses - 1, later.median, later.p95, later.worst);
    if (delays.front())
        std::printf("%-34s %16.1f\n", "first press on the new page", *delays.front());
    else
        std::printf("%-34s %16s\n", "first press on the new page", "not heard");
    std::printf("goal: median < 100 ms, p95 < 150 ms\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const BenchStage stage;
    if (!stage.isReady()) {
        std::fprintf(stderr, "speaker latency benchmark: %s\n", qPrintable(stage.failure()));
        return 1;
    }
    for (const catalogue::HotspotEntry &speaker : catalogue::hotspots(1)) {
        const QString clip = QString::fromUtf8(speaker.clip.data(), qsizetype(speaker.clip.size()));
        if (!stage.writeClip("d/Tivak/" + clip, {{1000, clipSeconds}})) {
            std::fprintf(stderr, "speaker latency benchmark: cannot write clips (ffmpeg?)\n");
            return 1;
        }
    }
    SpeakerLatency latency(stage);
    if (!latency.openPageOne()) {
        std::fprintf(stderr, "speaker latency benchmark: the book did not open page 1\n");
        return 1;
    }
    if (!stage.sound().startRecording()) {
        std::fprintf(stderr, "speaker latency benchmark: cannot record the sound server\n");
        return 1;
    }
    const std::vector<Clock::time_point> releases = latency.pressSpeakers();
    const auto delays = delaysMs(stage.sound().stopRecording(), releases);
    printTable(delays);
    return heardOnly(delays).empty() ? 1 : 0;
}
