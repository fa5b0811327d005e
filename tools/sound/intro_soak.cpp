// Soak of the intro: plays a real-length intro (a 4-second tone clip with a start mark) through
// the start screen's players for some minutes and reports, minute by minute, how many loops were
// heard, the longest silence and the level. Usage: intro_soak [MINUTES], 10 by default.
#include "gst_player_factory.h"
#include "player_profile.h"
#include "player_trio.h"
#include "sound_server.h"
#include "tone_clip.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace tivak;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    constexpr double markHertz = 1000, bodyHertz = 500, introSeconds = 4.0;

    QTemporaryDir mountRoot;
    const QString folder = mountRoot.filePath("d/Tivak");
    QDir().mkpath(folder);
    if (!test::writeToneClip(folder + "/2020.mp4",
                             {{markHertz, 0.1}, {bodyHertz, introSeconds - 0.1}}, true)) {
        std::fprintf(stderr, "cannot write the intro (is ffmpeg installed?)\n");
        return 1;
    }
    test::SoundServer server;
    if (!server.isRunning()) {
        std::fprintf(stderr, "no sound server: %s\n", qPrintable(server.failure()));
        return 1;
    }

    PlayerTrio intro(IntroProfile, gstPlayerFactory(mountRoot.path().toStdString()));
    intro.PlayClip("2020.mp4");
    std::printf("%6s %6s %14s %10s\n", "minute", "loops", "longest gap ms", "level dB");
    int loops = 0;
    // One recording a minute keeps memory small; the few milliseconds between two recordings
    // go unheard.
    for (int minute = 1; minute <= minutes; ++minute) {
        server.startRecording();
        QTest::qWait(60'000);
        const test::SoundRecording sound = server.stopRecording();
        const auto marks = sound.toneOnsets(markHertz, -40);
        loops += int(marks.size());
        std::printf("%6d %6zu %14.0f %10.1f\n", minute, marks.size(),
                    1000 * sound.longestSilence(0, sound.duration()),
                    sound.toneDb(bodyHertz, 0, sound.duration()));
        std::fflush(stdout);
    }
    std::printf("%d loops heard in %d minutes (%.0f expected)\n", loops, minutes,
                minutes * 60 / introSeconds);
    return 0;
}
