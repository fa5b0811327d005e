#include "catalogue.h"
#include "desktop_session.h"
#include "sound_recording.h"
#include "sound_server.h"
#include "tone_clip.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <chrono>
#include <memory>

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

// Where a control of a page sits on the screen: the middle of its rect, from the book's tables.
QPoint middleOf(const Rect &rect, const DesktopSession::Window &window)
{
    return window.client.topLeft() +
           QPoint((rect.left + rect.width / 2) / 15, (rect.top + rect.height / 2) / 15);
}

} // namespace

class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("unshare").isEmpty() || geteuid() != 0)
            QSKIP("SKIPPED LOUDLY: the book is given its own /mnt through a mount namespace, "
                  "which needs root and unshare");
        desktop_ = std::make_unique<DesktopSession>();
        if (!desktop_->isRunning())
            QSKIP(qPrintable("SKIPPED LOUDLY: no virtual display: " + desktop_->failure()));
        sound_ = std::make_unique<SoundServer>();
        if (!sound_->isRunning())
            QSKIP(qPrintable("SKIPPED LOUDLY: no sound server: " + sound_->failure()));
        QVERIFY(mount_.isValid());
        for (const TestClip &clip : testClips) {
            const QString path = mount_.filePath(clip.path);
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QVERIFY2(writeToneClip(path, {clip.tone}, clip.video), clip.path);
        }
        screenshots_ = QDir(QStringLiteral(TIVAK_SCREENSHOT_FOLDER));
        QVERIFY(screenshots_.mkpath("."));
    }

    void aTourOfTheBook()
    {
        QVERIFY(sound_->startRecording());
        startBook();

        // The start screen opens maximised, the intro sounding.
        auto start = desktop_->waitForWindow("Form9");
        QVERIFY(start);
        QCOMPARE(start->title, QStringLiteral("tîvak"));
        QTRY_VERIFY_WITH_TIMEOUT((start = desktop_->visibleWindow("Form9"))->maximised, 5000);
        const auto introFrom = Clock::now();
        QThread::msleep(1500);
        snap("Form9", start);

        // "Ndûusko" opens page 1 in front of the start screen.
        desktop_->click(start->client.topLeft() + QPoint(240, 410));
        auto page = desktop_->waitForWindow("Form1");
        QVERIFY(page);
        QVERIFY(desktop_->visibleWindow("Form9"));
        snap("Form1", page);
        const auto lionAt = pressSpeaker(1, "Command6", *page);

        // Round the ring with next: every page in turn, speakers heard on pages 4 and 8.
        Clock::time_point ostrichAt, hedgehogAt;
        for (int from = 1; from <= 8; ++from) {
            const int to = catalogue::nextPage(from);
            desktop_->click(middleOf({13560, 8400, 735, 495}, *page));
            const QString target = QStringLiteral("Form%1").arg(to);
            page = desktop_->waitForWindow(target);
            QVERIFY2(page, qPrintable(target));
            QVERIFY(desktop_->waitUntilHidden(QStringLiteral("Form%1").arg(from)));
            if (to != 1)
                snap(target, page);
            if (to == 4)
                ostrichAt = pressSpeaker(4, "Command8", *page);
            if (to == 8)
                hedgehogAt = pressSpeaker(8, "Command7", *page);
        }
        // And back with previous, from page 1 to page 8.
        desktop_->click(middleOf({120, 8400, 735, 495}, *page));
        page = desktop_->waitForWindow("Form8");
        QVERIFY(page);
        QVERIFY(desktop_->waitUntilHidden("Form1"));

        // "Su" opens the about box; "Zabti" puts it away.
        start = desktop_->visibleWindow("Form9");
        desktop_->click(start->client.topLeft() + QPoint(12, 10));
        auto about = desktop_->waitForWindow("frmAbout");
        QVERIFY(about);
        QCOMPARE(about->title, QStringLiteral("Su"));
        QThread::msleep(300);
        snap("frmAbout", about);
        desktop_->click(about->client.topLeft() +
                        QPoint((6840 + 855 / 2) / 15, (7320 + 975 / 2) / 15));
        QVERIFY(desktop_->waitUntilHidden("frmAbout"));

        // "Ndurui" asks; Esc leaves everything as it was, OK (the default, Return) ends the book.
        quitWith("Escape");
        QVERIFY(!book_.waitForFinished(1000));
        QVERIFY(desktop_->visibleWindow("Form9") && desktop_->visibleWindow("Form8"));
        quitWith("Return");
        QVERIFY(book_.waitForFinished(5000));
        QCOMPARE(book_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(book_.exitCode(), 0);
        const auto endedAt = Clock::now();
        QThread::msleep(500);

        const SoundRecording heard = sound_->stopRecording();
        const double introStart = heard.secondsAt(introFrom);
        QVERIFY2(heard.toneDb(introHz, introStart, introStart + 1.0) > heardDb,
                 "the intro is heard");
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
        QVERIFY(sound_->startRecording());
        startBook();
        auto start = desktop_->waitForWindow("Form9");
        QVERIFY(start);
        QTRY_VERIFY_WITH_TIMEOUT(desktop_->visibleWindow("Form9")->maximised, 5000);
        start = desktop_->visibleWindow("Form9");
        desktop_->click(start->client.topLeft() + QPoint(240, 410));
        auto page = desktop_->waitForWindow("Form1");
        QVERIFY(page);
        const auto clipAt = pressSpeaker(1, "Command4", *page); // an eight-second clip
        QThread::msleep(1000);

        // Alt+F4 on the start screen, as a reader closes it.
        desktop_->click(start->client.topLeft() +
                        QPoint(start->client.width() - 40, start->client.height() - 40));
        QThread::msleep(200);
        desktop_->key("alt+F4");
        QVERIFY(book_.waitForFinished(5000));
        QCOMPARE(book_.exitStatus(), QProcess::NormalExit);
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
        if (book_.state() != QProcess::NotRunning) {
            book_.kill();
            book_.waitForFinished(2000);
        }
    }

private:
    // Starts the real program with the test folder as its /mnt, seen by no one else.
    void startBook()
    {
        book_.setProcessEnvironment(desktop_->environment());
        book_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        book_.start("unshare", {"--mount", "--propagation", "private", "sh", "-c",
                                "mount --bind \"$0\" /mnt && exec \"$1\"", mount_.path(),
                                QStringLiteral(TIVAK_EXECUTABLE)});
        QVERIFY(book_.waitForStarted());
    }

    Clock::time_point pressSpeaker(int page, const char *control,
                                   const DesktopSession::Window &window)
    {
        const auto *hotspot = catalogue::hotspotOf(page, control);
        const auto pressedAt = Clock::now();
        desktop_->click(middleOf(hotspot->rect, window));
        QThread::msleep(900);
        return pressedAt;
    }

    void quitWith(const QString &answer)
    {
        const auto start = desktop_->visibleWindow("Form9");
        desktop_->click(start->client.topLeft() + QPoint(45, 10));
        const auto box = desktop_->waitForWindow("Tivak");
        QVERIFY(box);
        snap("quit-prompt", box);
        desktop_->key(answer);
    }

    void snap(const QString &name, const std::optional<DesktopSession::Window> &window)
    {
        QVERIFY(desktop_->screenshot(screenshots_.filePath(name + ".png"), window));
    }

    std::unique_ptr<DesktopSession> desktop_;
    std::unique_ptr<SoundServer> sound_;
    QTemporaryDir mount_;
    QDir screenshots_;
    QProcess book_;
};

QTEST_GUILESS_MAIN(EndToEndTest)
#include "end_to_end_test.moc"
