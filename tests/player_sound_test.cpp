// The real players, heard through a private sound server: which folder sounds, volumes, loops,
// restarts, stops and broken files, all measured on what reaches the speakers.
#include "file_modes_enforced.h"
#include "gst_player_factory.h"
#include "player_profile.h"
#include "player_trio.h"
#include "sound_server.h"
#include "tone_clip.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <chrono>
#include <functional>
#include <memory>

using namespace tivak;
using test::SoundRecording;
using test::Tone;

namespace {

// Tones that fit whole periods in a measuring window, so that none leaks into another's measure.
constexpr double low = 500, middle = 750, high = 1000, higher = 1500;
// Half of full scale, as a sine's root mean square level.
constexpr double fullClipDb = -9.03;
constexpr double heardDb = fullClipDb - 6;
// Where a tone starts or stops, its sound spreads to other frequencies some 30 dB down.
constexpr double absentDb = fullClipDb - 20;
// A call that takes longer than this has waited for the media instead of leaving it to playback.
// Calls normally return within a few milliseconds (tools/sound/player_latency_benchmark measures
// them); the margin lets a loaded machine deschedule GStreamer's threads for a while.
constexpr qint64 blockingMs = 300;

// The folders of drives C: and D: as they look on a Windows system, under the test's mount root.
const QString firstFolder = "c/Program Files/Tivak";
const QString secondFolder = "c/Program Files (x86)/Tivak";
const QString thirdFolder = "d/Tivak";

} // namespace

class PlayerSoundTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!server_.isRunning())
            QSKIP(qPrintable("NO SOUND SERVER, the players cannot be heard: " + server_.failure()));
        QVERIFY(mountRoot_.isValid());
        for (const QString &folder : {firstFolder, secondFolder, thirdFolder})
            QVERIFY(QDir(mountRoot_.path()).mkpath(folder));

        QVERIFY(writeClip(thirdFolder, "3.1.m4a", {{low, 0.6}}));
        QVERIFY(writeClip(secondFolder, "3.2.m4a", {{high, 0.6}}));
        QVERIFY(writeClip(thirdFolder, "3.2.m4a", {{higher, 0.6}}));
        QVERIFY(writeClip(firstFolder, "3.4.M4A", {{middle, 0.6}}));
        // A short high mark at the start tells each start of the clip from its continuation.
        QVERIFY(writeClip(thirdFolder, "3.3.m4a", {{high, 0.1}, {low, 0.9}}));
        QVERIFY(writeClip(thirdFolder, "4.1.m4a", {{low, 3.0}}));
        QVERIFY(writeClip(thirdFolder, "4.2.m4a", {{higher, 3.0}}));
        QVERIFY(writeClip(thirdFolder, "6.1.m4a", {{high, 0.1}, {low, 0.4}}));
        QVERIFY(test::writeToneClip(clipFile(thirdFolder, "2020.mp4"), {{high, 0.1}, {low, 0.4}},
                                    true));
        writeBrokenClips();
    }

    void clipSoundsFromEveryFolderThatHoldsIt_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QList<double>>("heard");
        QTest::addColumn<QList<double>>("unheard");
        QTest::newRow("third folder only") << "3.1.m4a" << QList{low} << QList{high, higher};
        QTest::newRow("second and third folders")
            << "3.2.m4a" << QList{high, higher} << QList{low, middle};
        QTest::newRow("first folder, letter case differs")
            << "3.4.m4a" << QList{middle} << QList{low, high};
        QTest::newRow("no folder") << "7.1.m4a" << QList<double>{} << QList{low, middle, high};
    }
    void clipSoundsFromEveryFolderThatHoldsIt()
    {
        QFETCH(QString, clip);
        QFETCH(QList<double>, heard);
        QFETCH(QList<double>, unheard);
        auto trio = makeTrio(PageProfile);
        QVERIFY(server_.startRecording());
        const auto pressed = now();
        QVERIFY(holdsBriefly([&] { trio->PlayClip(clip.toStdString()); }));
        QTest::qWait(900);
        const SoundRecording sound = server_.stopRecording();

        const double from = sound.secondsAt(pressed);
        const std::optional<double> start = sound.firstSound(from);
        QCOMPARE(start.has_value(), !heard.isEmpty());
        const double at = start.value_or(from);
        for (double tone : heard)
            QVERIFY2(sound.toneDb(tone, at + 0.1, at + 0.5) > heardDb,
                     qPrintable(QString::number(tone)));
        for (double tone : unheard)
            QVERIFY2(sound.toneDb(tone, from, sound.duration()) < absentDb,
                     qPrintable(QString::number(tone)));
        // One player sounding is heard at the clip's own level, not doubled by the others.
        if (heard.size() == 1)
            QVERIFY(std::abs(sound.levelDb(at + 0.1, at + 0.5) - fullClipDb) < 1.5);
    }

    void pressingAgainRestartsTheClip()
    {
        auto trio = makeTrio(PageProfile);
        QVERIFY(server_.startRecording());
        const auto firstPress = now();
        trio->PlayClip("3.3.m4a");
        QTest::qWait(500);
        std::vector<SoundRecording::Clock::time_point> presses;
        for (int i = 0; i < 20; ++i) {
            presses.push_back(now());
            QVERIFY(holdsBriefly([&] { trio->PlayClip("3.3.m4a"); }));
            QTest::qWait(300);
        }
        const SoundRecording sound = server_.stopRecording();

        // Each press is followed by the clip's start mark, at once: the marks match the presses
        // to within the recording's own timing error. No mark comes without a press (though a
        // mark may break up when a busy machine lets the sink run dry for a moment).
        const std::vector<double> marks = sound.toneOnsets(high, heardDb);
        QVERIFY(!marks.empty());
        const auto follows = [&](double mark, double after) {
            const auto near = [&](const auto &press) {
                const double at = sound.secondsAt(press);
                return mark > at - 0.05 && mark < at + after;
            };
            return near(firstPress) || std::ranges::any_of(presses, near);
        };
        const auto heard = [&](const auto &press) {
            const double at = sound.secondsAt(press);
            return std::ranges::any_of(
                marks, [at](double mark) { return mark > at - 0.05 && mark < at + 0.15; });
        };
        QCOMPARE(int(std::ranges::count_if(presses, heard)), 20);
        for (std::size_t i = 1; i < marks.size(); ++i)
            QVERIFY2(follows(marks[i], 0.3),
                     qPrintable(QStringLiteral("mark at %1 s").arg(marks[i])));
    }

    void stopAllSilencesAtOnce()
    {
        auto trio = makeTrio(PageProfile);
        QVERIFY(holdsBriefly([&] { trio->StopAll(); })); // with nothing to stop
        QVERIFY(server_.startRecording());
        trio->PlayClip("4.1.m4a");
        QTest::qWait(600);
        const auto stopped = now();
        QVERIFY(holdsBriefly([&] { trio->StopAll(); }));
        QTest::qWait(600);
        const SoundRecording sound = server_.stopRecording();

        const double at = sound.secondsAt(stopped);
        QVERIFY(sound.toneDb(low, at - 0.2, at) > heardDb);
        QVERIFY(sound.levelDb(at + 0.1, sound.duration()) < SoundRecording::silenceDb);
    }

    void aNewClipReplacesTheOldOne()
    {
        auto trio = makeTrio(PageProfile);
        QVERIFY(server_.startRecording());
        trio->PlayClip("4.1.m4a");
        QTest::qWait(600);
        const auto replaced = now();
        QVERIFY(holdsBriefly([&] { trio->PlayClip("4.2.m4a"); }));
        QTest::qWait(700);
        const SoundRecording sound = server_.stopRecording();

        const double at = sound.secondsAt(replaced);
        QVERIFY(sound.toneDb(low, at - 0.2, at) > heardDb);
        QVERIFY(sound.toneDb(low, at + 0.1, sound.duration()) < absentDb);
        QVERIFY(sound.toneDb(higher, at + 0.2, sound.duration()) > heardDb);
    }

    void brokenFilesAreSilentAndTheNextClipPlays_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::newRow("missing") << "5.1.m4a";
        QTest::newRow("empty") << "5.2.m4a";
        QTest::newRow("garbage") << "5.3.m4a";
        QTest::newRow("directory") << "5.4.m4a";
        QTest::newRow("unreadable") << "5.5.m4a";
    }
    void brokenFilesAreSilentAndTheNextClipPlays()
    {
        QFETCH(QString, clip);
        auto trio = makeTrio(PageProfile);
        QVERIFY(server_.startRecording());
        {
            const test::FileModesEnforced asAnyUser;
            QVERIFY(holdsBriefly([&] { trio->PlayClip(clip.toStdString()); }));
        }
        QTest::qWait(500);
        QVERIFY(holdsBriefly([&] { trio->StopAll(); }));
        const auto next = now();
        QVERIFY(holdsBriefly([&] { trio->PlayClip("3.1.m4a"); }));
        QTest::qWait(700);
        const SoundRecording sound = server_.stopRecording();

        const double at = sound.secondsAt(next);
        QVERIFY(sound.levelDb(0, at) < SoundRecording::silenceDb);
        QVERIFY(sound.toneDb(low, at, sound.duration()) > heardDb - 6);
    }

    void destroyingPlayersMidClipSilencesThem()
    {
        auto trio = makeTrio(PageProfile);
        QVERIFY(server_.startRecording());
        trio->PlayClip("4.1.m4a");
        QTest::qWait(500);
        const auto destroyed = now();
        QVERIFY(holdsBriefly([&] { trio.reset(); }));
        QTest::qWait(400);
        const SoundRecording sound = server_.stopRecording();

        const double at = sound.secondsAt(destroyed);
        QVERIFY(sound.toneDb(low, at - 0.2, at) > heardDb);
        QVERIFY(sound.levelDb(at + 0.1, sound.duration()) < SoundRecording::silenceDb);
    }

    // The intro plays at 30 % of a page clip's volume and loops without gaps, under page clips.
    void introLoopsQuietlyWithoutGaps()
    {
        constexpr int loops = 50;
        constexpr double clipSeconds = 0.5;
        auto pageTrio = makeTrio(PageProfile);
        auto introTrio = makeTrio(IntroProfile);
        QVERIFY(server_.startRecording());
        const auto pagePressed = now();
        pageTrio->PlayClip("6.1.m4a"); // the intro's sound, as a page clip
        QTest::qWait(800);
        const auto introStarted = now();
        introTrio->PlayClip("2020.mp4");
        QTest::qWait(int(1000 * (loops + 1) * clipSeconds));
        const SoundRecording sound = server_.stopRecording();

        const double pageStart = *sound.firstSound(sound.secondsAt(pagePressed));
        const std::optional<double> introStart = sound.firstSound(sound.secondsAt(introStarted));
        QVERIFY(introStart);
        const double pageDb = sound.toneDb(low, pageStart + 0.15, pageStart + 0.45);
        const double introDb = sound.toneDb(low, *introStart + 0.15, *introStart + 0.45);
        QVERIFY2(std::abs(introDb - pageDb + 10.5) <= 2.0,
                 qPrintable(QStringLiteral("intro %1 dB, page %2 dB").arg(introDb).arg(pageDb)));

        const std::vector<double> marks = sound.toneOnsets(high, introDb - 6, *introStart);
        QVERIFY2(int(marks.size()) >= loops, qPrintable(QString::number(marks.size())));
        const double gap = sound.longestSilence(*introStart, sound.duration());
        QVERIFY2(gap < 0.15, qPrintable(QStringLiteral("silent for %1 s").arg(gap)));
    }

    void introLoopsOnWhileTheInterfaceThreadIsBusy()
    {
        constexpr double clipSeconds = 0.5;
        auto introTrio = makeTrio(IntroProfile);
        QVERIFY(server_.startRecording());
        const auto introStarted = now();
        introTrio->PlayClip("2020.mp4");
        QTest::qWait(600);
        // The interface thread answers events for a moment, then is held up for longer than the
        // pause between two plays would allow, again and again.
        for (int round = 0; round < 10; ++round) {
            QTest::qWait(50);
            QThread::msleep(400);
        }
        QTest::qWait(300);
        const SoundRecording sound = server_.stopRecording();

        const std::optional<double> introStart = sound.firstSound(sound.secondsAt(introStarted));
        QVERIFY(introStart);
        const double introDb = sound.toneDb(low, *introStart + 0.15, *introStart + 0.45);
        const std::vector<double> marks = sound.toneOnsets(high, introDb - 6, *introStart);
        const int expectedLoops = int((sound.duration() - *introStart) / clipSeconds) - 1;
        QVERIFY2(int(marks.size()) >= expectedLoops,
                 qPrintable(QStringLiteral("%1 of %2").arg(marks.size()).arg(expectedLoops)));
        const double gap = sound.longestSilence(*introStart, sound.duration() - 0.1);
        QVERIFY2(gap < 0.15, qPrintable(QStringLiteral("silent for %1 s").arg(gap)));
    }

private:
    static SoundRecording::Clock::time_point now() { return SoundRecording::Clock::now(); }

    std::unique_ptr<PlayerTrio> makeTrio(const PlayerProfile &profile) const
    {
        return std::make_unique<PlayerTrio>(profile,
                                            gstPlayerFactory(mountRoot_.path().toStdString()));
    }

    // Whether the call returned without waiting, as every call of the interface thread must.
    static bool holdsBriefly(const std::function<void()> &call)
    {
        QElapsedTimer timer;
        timer.start();
        call();
        const qint64 held = timer.elapsed();
        if (held >= blockingMs)
            qWarning("the interface thread was held for %lld ms", held);
        return held < blockingMs;
    }

    QString clipFile(const QString &folder, const QString &clip) const
    {
        return QDir(mountRoot_.path()).filePath(folder + '/' + clip);
    }

    bool writeClip(const QString &folder, const QString &clip, const std::vector<Tone> &tones) const
    {
        return test::writeToneClip(clipFile(folder, clip), tones);
    }

    void writeBrokenClips() const
    {
        // 5.1.m4a is missing.
        QFile empty(clipFile(thirdFolder, "5.2.m4a"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        QFile garbage(clipFile(thirdFolder, "5.3.m4a"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        for (int i = 0; i < 4096; ++i)
            garbage.putChar(char((i * 7919) % 251));
        QVERIFY(QDir(mountRoot_.path()).mkpath(thirdFolder + "/5.4.m4a"));
        // A real clip that nobody may read.
        QVERIFY(QFile::copy(clipFile(thirdFolder, "3.1.m4a"), clipFile(thirdFolder, "5.5.m4a")));
        QVERIFY(QFile::setPermissions(clipFile(thirdFolder, "5.5.m4a"), {}));
    }

    test::SoundServer server_;
    QTemporaryDir mountRoot_;
};

QTEST_GUILESS_MAIN(PlayerSoundTest)
#include "player_sound_test.moc"
