// How soon a reader hears a speaker button: the real program on a private display, its speakers
// on page 1 clicked with the mouse, and the sound server's output recorded. The figure is the
// time from the button's release to the first audible sample of the clip at the sink. It is
// measured twice: without the intro, where each clip rises from silence, and with the intro
// sounding at its volume of 30 under the clips, which are then told apart by their loudness.
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
constexpr double toneHertz = 1000, introHertz = 440;
// Tone clips peak at half of full scale (-6 dB); the intro at volume 30 peaks near -16.5 dB.
constexpr double clipAboveIntroDb = -12;

// One series of presses on a freshly started book.
struct Series
{
    const char *label;
    bool introSounding;
    std::vector<std::optional<double>> delaysMs{};
};
const QPoint startButton(240, 410); // "Ndûusko", from the start screen's client corner

// The delay of each press in ms, in the order of the presses; none for a press not heard.
std::vector<std::optional<double>> delaysMs(const test::SoundRecording &heard,
                                            const std::vector<Clock::time_point> &releases,
                                            bool introSounding)
{
    const double aboveDb = introSounding ? clipAboveIntroDb : test::SoundRecording::silenceDb;
    std::vector<std::optional<double>> delays;
    for (const Clock::time_point release : releases) {
        const double at = heard.secondsAt(release);
        const std::optional<double> sound = heard.firstSound(at, aboveDb);
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

void printRow(const char *label, std::span<const std::optional<double>> delays)
{
    const SampleFigures figures = summarise(heardOnly(delays));
    std::printf("%-40s %3zu/%-2zu %9.1f %9.1f %9.1f\n", label, figures.count, delays.size(),
                figures.median, figures.p95, figures.worst);
}

void printTable(const std::vector<Series> &series)
{
    std::printf("Speaker click to first audible sample at the sink, ms (page 1, %d presses a\n"
                "series, real program clicked through XTEST; timing within about 10 ms)\n",
                presses);
    std::printf("%-40s %6s %9s %9s %9s\n", "", "heard", "median", "p95", "worst");
    for (const Series &one : series) {
        printRow(one.label, one.delaysMs);
        const std::span<const std::optional<double>> delays(one.delaysMs);
        printRow("  presses after the first", delays.subspan(1));
        printRow("  first press on the new page", delays.first(1));
    }
    std::printf("goal: median < 100 ms, p95 < 150 ms\n");
}

// Starts the book, opens page 1 and presses its speakers while the sound server is recorded.
bool pressOnFreshBook(const BenchStage &stage, Series &series)
{
    SpeakerLatency latency(stage);
    if (!latency.openPageOne()) {
        std::fprintf(stderr, "speaker latency benchmark: the book did not open page 1\n");
        return false;
    }
    if (!stage.sound().startRecording()) {
        std::fprintf(stderr, "speaker latency benchmark: cannot record the sound server\n");
        return false;
    }
    const std::vector<Clock::time_point> releases = latency.pressSpeakers();
    series.delaysMs = delaysMs(stage.sound().stopRecording(), releases, series.introSounding);
    return !heardOnly(series.delaysMs).empty();
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
        if (!stage.writeClip("d/Tivak/" + clip, {{toneHertz, clipSeconds}})) {
            std::fprintf(stderr, "speaker latency benchmark: cannot write clips (ffmpeg?)\n");
            return 1;
        }
    }
    std::vector<Series> series{{"without the intro (clips from silence)", false},
                               {"with the intro sounding", true}};
    for (Series &one : series) {
        if (one.introSounding &&
            !stage.writeClip("c/Program files/Tivak/2020.mp4", {{introHertz, 60.0}}, true)) {
            std::fprintf(stderr, "speaker latency benchmark: cannot write the intro\n");
            return 1;
        }
        if (!pressOnFreshBook(stage, one))
            return 1;
    }
    printTable(series);
    return 0;
}
