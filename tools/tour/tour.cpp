// Takes the book's tour on a virtual display, as a reader would, and keeps what was seen and
// heard: a picture of every screen, and a recording of the sound. For machines without a display.
//
// Usage: tivak-tour FOLDER
#include "book_tour.h"
#include "catalogue.h"
#include "desktop_session.h"
#include "sound_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstdio>

using namespace tivak;
using namespace tivak::test;

namespace {

constexpr int nameMs = 1500; // time for one animal's name to be said

bool fail(const QString &what)
{
    std::fprintf(stderr, "tivak-tour: %s\n", qPrintable(what));
    return false;
}

bool takeTour(BookTour &tour)
{
    const auto start = tour.startScreen();
    if (!start)
        return fail("the start screen did not open");
    QThread::msleep(3000); // the intro
    tour.snap("start-screen", start);

    auto page = tour.openBook();
    for (int number = 1; page && number <= catalogue::pageCount; ++number) {
        QThread::msleep(300);
        tour.snap(QStringLiteral("page-%1").arg(number), page);
        for (const catalogue::HotspotEntry &hotspot : catalogue::hotspots(number)) {
            tour.pressSpeaker(number, hotspot.control, *page);
            QThread::msleep(nameMs);
        }
        if (number < catalogue::pageCount)
            page = tour.turn(number, true, *page);
    }
    if (!page)
        return fail("a page did not open");

    const auto about = tour.openAbout();
    if (!about)
        return fail("the about box did not open");
    QThread::msleep(500);
    tour.snap("about-box", about);
    tour.closeAbout(*about);

    if (!tour.quitWith("Return") || !tour.program().waitForFinished(5000))
        return fail("the book did not end on Ndurui and OK");
    return true;
}

// The recording as a WAV file, converted by sox from the raw samples.
bool saveRecording(const SoundRecording &heard, const QDir &folder)
{
    const QString raw = folder.filePath("heard.raw");
    QFile file(raw);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto &samples = heard.samples();
    file.write(reinterpret_cast<const char *>(samples.data()),
               qint64(samples.size() * sizeof(float)));
    file.close();
    const int converted =
        QProcess::execute("sox", {"-t", "f32", "-r", QString::number(SoundRecording::sampleRate),
                                  "-c", "1", raw, folder.filePath("heard.wav")});
    QFile::remove(raw);
    return converted == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tivak-tour FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(".");

    DesktopSession desktop;
    SoundServer sound;
    BookTour tour(desktop, folder.path());
    bool toured = false;
    if (!desktop.isRunning())
        fail("no virtual display: " + desktop.failure());
    else if (!sound.isRunning() || !sound.startRecording())
        fail("no sound server: " + sound.failure());
    else if (!tour.start(QStringLiteral(TIVAK_EXECUTABLE)))
        fail("the book did not start");
    else
        toured = takeTour(tour);
    const bool saved =
        saveRecording(sound.stopRecording(), folder) || fail("the recording could not be saved");
    return toured && saved ? EXIT_SUCCESS : EXIT_FAILURE;
}
