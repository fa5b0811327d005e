// A long session with the book: many thousands of page turns and speaker presses on the real
// page screens in this process, with real players playing tone clips through a private sound
// server, on Qt's offscreen platform. Prints the resident memory and threads as it goes; they
// should level off once every page has been made and every player has played.
#include "catalogue.h"
#include "gst_player_factory.h"
#include "page_screen.h"
#include "process_status.h"
#include "screen_registry.h"
#include "sound_server.h"
#include "tone_clip.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <optional>

using namespace tivak;
using namespace tivak::bench;

namespace {

constexpr int turns = 10000; // each turn follows a speaker press: as many presses as turns
constexpr int reportEvery = 1000;
constexpr int warmUpTurns = 1000; // every page made and every player used many times by then
constexpr int playOutEvery = 100; // now and then a clip plays to its end before the page turns
constexpr int playOutMs = 400;
constexpr double clipSeconds = 0.25;

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// Every page clip of the book, as one short tone, under D:\Tivak.
bool writeClips(const QTemporaryDir &mount)
{
    const QString folder = mount.filePath("d/Tivak");
    const QString model = mount.filePath("tone.m4a");
    if (!QDir().mkpath(folder) || !test::writeToneClip(model, {{1000, clipSeconds}}))
        return false;
    for (int page = 1; page <= catalogue::pageCount; ++page) {
        for (const catalogue::HotspotEntry &hotspot : catalogue::hotspots(page)) {
            if (!QFile::copy(model, folder + "/" + text(hotspot.clip)))
                return false;
        }
    }
    return true;
}

void press(const Screen &screen, std::string_view control)
{
    if (auto *button = screen.findChild<QAbstractButton *>(text(control)))
        button->click();
}

class Soak
{
public:
    explicit Soak(const PlayerFactory &players)
    {
        for (int page = 1; page <= catalogue::pageCount; ++page) {
            registry_.define(catalogue::screenOf(page), [&players, page](ScreenRegistry &r) {
                return std::make_unique<PageScreen>(r, page, players);
            });
        }
        registry_.Show(ScreenId::Form1);
    }

    // Presses a speaker of the page in view, lets the events through, then turns the page:
    // mostly forward, every third turn back.
    void pressAndTurn(int turn)
    {
        const Screen &screen = *registry_.find(catalogue::screenOf(page_));
        const auto speakers = catalogue::hotspots(page_);
        press(screen, speakers[std::size_t(turn) % speakers.size()].control);
        QCoreApplication::processEvents();
        if (turn % playOutEvery == 0)
            QTest::qWait(playOutMs);
        const bool back = turn % 3 == 2;
        press(screen, back ? "Command2" : "Command1");
        page_ = back ? catalogue::previousPage(page_) : catalogue::nextPage(page_);
        QCoreApplication::processEvents();
    }

private:
    ScreenRegistry registry_;
    int page_ = 1;
};

void printRow(int turn, double seconds, const ProcessStatus &status)
{
    std::printf("%8d %8d %9.1f %10.1f %8d\n", turn, turn, seconds, status.residentMiB,
                status.threads);
    std::fflush(stdout);
}

// Qt's offscreen platform says at every page turn that it cannot raise windows; that is not news.
void dropPlatformChatter(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtWarningMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropPlatformChatter);
    QApplication app(argc, argv);
    const test::SoundServer sound;
    if (!sound.isRunning()) {
        std::fprintf(stderr, "soak benchmark: no sound server: %s\n", qPrintable(sound.failure()));
        return 1;
    }
    const QTemporaryDir mount;
    if (!mount.isValid() || !writeClips(mount)) {
        std::fprintf(stderr, "soak benchmark: cannot write the clips (ffmpeg?)\n");
        return 1;
    }
    const PlayerFactory players = gstPlayerFactory(mount.path().toStdString());
    Soak soak(players);

    std::printf("Soak: speaker presses and page turns on real pages and players (%s platform)\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("%8s %8s %9s %10s %8s\n", "presses", "turns", "seconds", "VmRSS MiB", "threads");
    QElapsedTimer clock;
    clock.start();
    std::optional<ProcessStatus> warm, last;
    for (int turn = 1; turn <= turns; ++turn) {
        soak.pressAndTurn(turn);
        if (turn % reportEvery != 0)
            continue;
        last = processStatus();
        if (!last)
            return 1;
        printRow(turn, double(clock.elapsed()) / 1000.0, *last);
        if (turn == warmUpTurns)
            warm = last;
    }
    const double growth = 100.0 * (last->residentMiB - warm->residentMiB) / warm->residentMiB;
    std::printf("after the first %d turns to the end: VmRSS %+.1f %%, threads %+d\n", warmUpTurns,
                growth, last->threads - warm->threads);
    std::printf("goal: VmRSS growth < 5 %%, thread count flat\n");
    return 0;
}
