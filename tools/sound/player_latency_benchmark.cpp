// How quickly a press is heard and how long the players hold the interface thread, measured
// through a private sound server with real players. Prints a table; sets no pass mark.
#include "gst_player_factory.h"
#include "player_profile.h"
#include "player_trio.h"
#include "sound_server.h"
#include "tone_clip.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace tivak;
using test::SoundRecording;
using Clock = SoundRecording::Clock;

namespace {

constexpr int presses = 20;
constexpr double markHertz = 1000, bodyHertz = 500;

// How long each kind of call held the interface thread, in milliseconds.
class HoldLog
{
public:
    void run(const std::string &what, const std::function<void()> &call)
    {
        QElapsedTimer timer;
        timer.start();
        call();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        longest_[what] = std::max(longest_[what], ms);
    }
    const std::map<std::string, double> &longest() const { return longest_; }

private:
    std::map<std::string, double> longest_;
};

// The longest the event loop went without running, which includes handling the players' bus
// messages (ends of clips, loops and failures).
class StallWatch
{
public:
    StallWatch()
    {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const auto now = Clock::now();
            longest_ = std::max(longest_, now - last_);
            last_ = now;
        });
        last_ = Clock::now();
        timer_.start();
    }
    double longestMs() const { return std::chrono::duration<double, std::milli>(longest_).count(); }

private:
    QTimer timer_;
    Clock::time_point last_;
    Clock::duration longest_{};
};

struct Figures
{
    double median = 0, p95 = 0, worst = 0;
    int heard = 0;
};

Figures summarise(std::vector<double> ms, int tries)
{
    Figures figures;
    figures.heard = int(ms.size());
    if (ms.empty())
        return figures;
    std::sort(ms.begin(), ms.end());
    figures.median = ms[ms.size() / 2];
    figures.p95 = ms[std::min(ms.size() - 1, std::size_t(double(tries) * 0.95))];
    figures.worst = ms.back();
    return figures;
}

// Milliseconds from each press to the first sound after it that holds the tone.
std::vector<double> delays(const SoundRecording &sound, const std::vector<Clock::time_point> &at,
                           double hertz)
{
    std::vector<double> ms;
    const std::vector<double> onsets = sound.toneOnsets(hertz, -20);
    for (const auto &press : at) {
        const double pressed = sound.secondsAt(press);
        const auto next =
            std::ranges::find_if(onsets, [&](double t) { return t > pressed - 0.03; });
        if (next == onsets.end() || *next > pressed + 1.0)
            continue;
        // The onset is the window's start; the first audible sample is found within it.
        const double first = sound.firstSound(std::max(pressed, *next - 0.03)).value_or(*next);
        ms.push_back(1000 * (first - pressed));
    }
    return ms;
}

class Benchmark
{
public:
    explicit Benchmark(const QString &mountRoot)
    {
        holds_.run("make the player factory (readies GStreamer)",
                   [&] { factory_ = gstPlayerFactory(mountRoot.toStdString()); });
        holds_.run("create the first trio (loads plugins)", [&] { makeTrio(PageProfile).reset(); });
    }

    // First press of a trio just made; each trio is then destroyed mid-clip.
    std::vector<double> firstPresses()
    {
        std::vector<Clock::time_point> at;
        server_.startRecording();
        for (int i = 0; i < presses; ++i) {
            std::unique_ptr<PlayerTrio> trio;
            holds_.run("create trio", [&] { trio = makeTrio(PageProfile); });
            at.push_back(Clock::now());
            holds_.run("PlayClip", [&] { trio->PlayClip("1.1.M4a"); });
            QTest::qWait(400);
            holds_.run("destroy trio", [&] { trio.reset(); });
            QTest::qWait(100);
        }
        return delays(server_.stopRecording(), at, markHertz);
    }

    // Presses of a trio that has played before: another clip after silence, or the same clip
    // again while it plays.
    std::vector<double> laterPresses(bool sameClipWhilePlaying)
    {
        auto trio = makeTrio(PageProfile);
        trio->PlayClip("1.2.M4a");
        QTest::qWait(800);
        std::vector<Clock::time_point> at;
        server_.startRecording();
        for (int i = 0; i < presses; ++i) {
            const char *clip = sameClipWhilePlaying || i % 2 ? "1.1.M4a" : "1.2.M4a";
            at.push_back(Clock::now());
            holds_.run("PlayClip", [&] { trio->PlayClip(clip); });
            QTest::qWait(sameClipWhilePlaying ? 300 : 150);
            if (!sameClipWhilePlaying) {
                holds_.run("StopAll", [&] { trio->StopAll(); });
                QTest::qWait(250);
            }
        }
        return delays(server_.stopRecording(), at, markHertz);
    }

    // An intro that loops for a while under page clips, so that its ends of stream are handled;
    // returns the longest stall of the event loop meanwhile.
    double loops()
    {
        const StallWatch stalls;
        auto intro = makeTrio(IntroProfile);
        auto page = makeTrio(PageProfile);
        holds_.run("PlayClip", [&] { intro->PlayClip("2020.mp4"); });
        for (int i = 0; i < 10; ++i) {
            holds_.run("PlayClip", [&] { page->PlayClip("1.1.M4a"); });
            QTest::qWait(400);
        }
        holds_.run("destroy trio", [&] { intro.reset(); });
        return stalls.longestMs();
    }

    const HoldLog &holds() const { return holds_; }
    bool ready() const { return server_.isRunning(); }
    QString failure() const { return server_.failure(); }

private:
    std::unique_ptr<PlayerTrio> makeTrio(const PlayerProfile &profile) const
    {
        return std::make_unique<PlayerTrio>(profile, factory_);
    }

    test::SoundServer server_;
    HoldLog holds_;
    PlayerFactory factory_;
};

void printRow(const char *what, const Figures &f, int tries)
{
    std::printf("%-44s %8.1f %8.1f %8.1f %6d/%d\n", what, f.median, f.p95, f.worst, f.heard, tries);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir mountRoot;
    const QString folder = mountRoot.filePath("d/Tivak");
    QDir().mkpath(folder);
    const std::vector<test::Tone> clip{{markHertz, 0.1}, {bodyHertz, 0.2}};
    if (!test::writeToneClip(folder + "/1.1.M4a", clip) ||
        !test::writeToneClip(folder + "/1.2.M4a", clip) ||
        !test::writeToneClip(folder + "/2020.mp4", {{bodyHertz, 0.5}}, true)) {
        std::fprintf(stderr, "cannot write the test clips (is ffmpeg installed?)\n");
        return 1;
    }
    Benchmark benchmark(mountRoot.path());
    if (!benchmark.ready()) {
        std::fprintf(stderr, "no sound server: %s\n", qPrintable(benchmark.failure()));
        return 1;
    }

    const std::vector<double> first = benchmark.firstPresses();
    const std::vector<double> later = benchmark.laterPresses(false);
    const std::vector<double> again = benchmark.laterPresses(true);
    const double stallMs = benchmark.loops();

    std::printf("From PlayClip to the first sound at the sink, ms (timing within about 10 ms)\n");
    std::printf("%-44s %8s %8s %8s %8s\n", "", "median", "p95", "worst", "heard");
    printRow("first press of a new trio", summarise(first, presses), presses);
    printRow("later press, another clip after silence", summarise(later, presses), presses);
    printRow("later press, same clip while it plays", summarise(again, presses), presses);
    std::printf("\nLongest hold of the interface thread, ms\n");
    for (const auto &[what, ms] : benchmark.holds().longest())
        std::printf("%-44s %8.2f\n", what.c_str(), ms);
    std::printf("%-44s %8.2f\n", "event loop stall while intro and pages play", stallMs);
    return 0;
}
