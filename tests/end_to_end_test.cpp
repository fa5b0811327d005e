#include "book_tour.h"
#include "catalogue.h"
#include "desktop_session.h"
#include "sound_recording.h"
#include "sound_server.h"
#include "tone_clip.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <memory>
#include <unistd.h>

using namespace tivak;
using namespace tivak::test;
using Clock = std::chrono::steady_clock;

namespace {

constexpr double introHz = 440;
constexpr double heardDb = -45; // a tone clearly above the silence of the null sink

// Test clips: each a tone of its own, so that what is heard tells which clip played.
struct TestClip
{
    const char *path; // under the folder that stands in for /mnt
    Tone tone;
    bool video;
};
const TestClip testClips[] = {
    // The intro sits in a folder spelled in another letter case, as Windows would accept it.
    {"c/PROGRAM FILES/tivak/2020.MP4", {introHz, 0.5}, true},
    {"d/Tivak/1.1.M4a", {1000, 0.6}, false},
    {"d/Tivak/1.2.M4a", {700, 8.0}, false},
    {"d/Tivak/4.5.m4a", {1500, 0.6}, false},
    {"d/Tivak/8.3.m4a", {2000, 0.6}, false},
};

// Run by sh in a mount namespace of its own, with the clip folder ($0) and the program ($1): the
// folder becomes the program's /mnt, seen by no other process. Mounts made here must not spread
// to the rest of the system; where the root cannot be made private (in a chroot, / is no mount
// point), /mnt is first made a private mount of its own.
const QString ownMnt = QStringLiteral("{ mount --make-rprivate / 2>/dev/null || { mount --bind "
                                      "/mnt /mnt && mount --make-private /mnt; }; } "
                                      "&& mount --bind \"$0\" /mnt && exec \"$1\"");

} // namespace

// The real program on a virtual display with a window manager, driven by mouse and keyboard,
// heard through a private sound server. It is given a /mnt of its own (a mount namespace), so
// that it finds the test's clips where it looks for an installation.
class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("unshare").isEmpty() || geteuid() != 0)
            QSKIP("NOT RUN: the book is given its own /mnt through a mount namespace, "
                  "which needs root and unshare");
        desktop_ = std::make_unique<DesktopSession>();
        if (!desktop_->isRunning())
            QSKIP(qPrintable("NOT RUN: no virtual display: " + desktop_->failure()));
        sound_ = std::make_unique<SoundServer>();
        if (!sound_->isRunning())
            QSKIP(qPrintable("NOT RUN: no sound server: " + sound_->failure()));
        QVERIFY(mount_.isValid());
        for (const TestClip &clip : testClips) {
            const QString path = mount_.filePath(clip.path);
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QVERIFY2(writeToneClip(path, {clip.tone}, clip.video), clip.path);
        }
    }

    void init()
    {
        tour_ = std::make_unique<BookTour>(*desktop_, QStringLiteral(TIVAK_SCREENSHOT_FOLDER));
        QVERIFY(sound_->startRecording());
        QVERIFY(tour_->start("unshare", {"--mount", "--propagation", "unchanged", "sh", "-c",
                                         ownMnt, mount_.path(), QStringLiteral(TIVAK_EXECUTABLE)}));
    }

    void aTourOfTheBook()
    {
        // The start screen opens maximised, the intro sounding.
        auto start = tour_->startScreen();
        QVERIFY(start);
        QCOMPARE(start->title, QStringLiteral("tîvak"));
        QThread::msleep(1500);
        tour_->snap("Form9", start);

        // "Ndûusko" opens page 1 in front of the start screen.
        const auto bookOpenedAt = Clock::now();
        auto page = tour_->openBook();
        QVERIFY(page);
        QCOMPARE(page->title, QStringLiteral("tîvak"));
        QVERIFY(desktop_->visibleWindow("Form9"));
        tour_->snap("Form1", page);
        const auto lionAt = tour_->pressSpeaker(1, "Command6", *page);
        QThread::msleep(900);

        // Round the ring with next, every page in turn; speakers heard on pages 4 and 8.
        Clock::time_point ostrichAt, hedgehogAt;
        for (int from = 1; from <= catalogue::pageCount; ++from) {
            const int to = catalogue::nextPage(from);
            page = tour_->turn(from, true, *page);
            QVERIFY2(page, qPrintable(QStringLiteral("next from page %1").arg(from)));
            if (to != 1)
                tour_->snap(QStringLiteral("Form%1").arg(to), page);
            if (to == 4)
                ostrichAt = tour_->pressSpeaker(4, "Command8", *page);
            if (to == 8)
                hedgehogAt = tour_->pressSpeaker(8, "Command7", *page);
            if (to == 4 || to == 8)
                QThread::msleep(900);
        }
        // And back with previous, from page 1 to page 8.
        QVERIFY(tour_->turn(1, false, *page));

        // "Su" opens the about box; "Zabti" puts it away.
        const auto about = tour_->openAbout();
        QVERIFY(about);
        QCOMPARE(about->title, QStringLiteral("Su"));
        QThread::msleep(300);
        tour_->snap("frmAbout", about);
        QVERIFY(tour_->closeAbout(*about));

        // "Ndurui" asks; Esc leaves everything as it was, OK (the default, Return) ends the book.
        QVERIFY(tour_->quitWith("Escape"));
        QVERIFY(!tour_->program().waitForFinished(1000));
        QVERIFY(desktop_->visibleWindow("Form9") && desktop_->visibleWindow("Form8"));
        QVERIFY(tour_->quitWith("Return"));
        QVERIFY(tour_->program().waitForFinished(5000));
        QCOMPARE(tour_->program().exitStatus(), QProcess::NormalExit);
        QCOMPARE(tour_->program().exitCode(), 0);
        const auto endedAt = Clock::now();
        QThread::msleep(500);

        const SoundRecording heard = sound_->stopRecording();
        // The intro sounds from the start, before any page is opened.
        const double bookOpened = heard.secondsAt(bookOpenedAt);
        QVERIFY2(heard.toneDb(introHz, bookOpened - 1.5, bookOpened) > heardDb, "the intro");
        for (const auto &[hertz, at] :
             {std::pair{1000.0, lionAt}, {1500.0, ostrichAt}, {2000.0, hedgehogAt}}) {
            const double from = heard.secondsAt(at);
            QVERIFY2(heard.toneDb(hertz, from, from + 0.8) > heardDb,
                     qPrintable(QString::number(hertz)));
        }
        // Everything is silent once the book has ended.
        const double after = heard.secondsAt(endedAt) + 0.2;
        QVERIFY(heard.levelDb(after, heard.duration()) < SoundRecording::silenceDb);
    }

    void closingTheStartScreenEndsTheBookMidClip()
    {
        auto start = tour_->startScreen();
        QVERIFY(start);
        auto page = tour_->openBook();
        QVERIFY(page);
        const auto clipAt = tour_->pressSpeaker(1, "Command4", *page); // an eight-second clip
        QThread::msleep(1000);

        // Alt+F4 on the start screen, as a reader closes it.
        desktop_->click(start->client.bottomRight() - QPoint(40, 40));
        QThread::msleep(200);
        desktop_->key("alt+F4");
        QVERIFY(tour_->program().waitForFinished(5000));
        QCOMPARE(tour_->program().exitStatus(), QProcess::NormalExit);
        const auto endedAt = Clock::now();
        QThread::msleep(800);

        const SoundRecording heard = sound_->stopRecording();
        const double clipStart = heard.secondsAt(clipAt);
        QVERIFY2(heard.toneDb(700, clipStart, clipStart + 0.8) > heardDb, "the clip was playing");
        const double after = heard.secondsAt(endedAt) + 0.2;
        QVERIFY2(heard.levelDb(after, heard.duration()) < SoundRecording::silenceDb,
                 "the clip does not outlive the book");
    }

    void cleanup()
    {
        tour_.reset();
        sound_->stopRecording();
    }

private:
    std::unique_ptr<DesktopSession> desktop_;
    std::unique_ptr<SoundServer> sound_;
    std::unique_ptr<BookTour> tour_;
    QTemporaryDir mount_;
};

QTEST_GUILESS_MAIN(EndToEndTest)
#include "end_to_end_test.moc"
