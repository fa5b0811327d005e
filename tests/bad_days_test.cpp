// The whole book on bad days: broken clip files in every folder, no sound server, clicks as fast
// as they come, a page closed or the program ended in the middle of a clip. Whatever happens, the
// book goes on silently, shows no dialog and answers the reader at once.
#include "catalogue.h"
#include "file_modes_enforced.h"
#include "graphical_button.h"
#include "gst_player_factory.h"
#include "page_screen.h"
#include "screen_registry.h"
#include "sound_server.h"
#include "start_screen.h"
#include "tone_clip.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <memory>

using namespace tivak;
using test::SoundRecording;
using Clock = std::chrono::steady_clock;

namespace {

constexpr double introHz = 400, goodHz = 1000, longHz = 650;
constexpr double heardDb = -20; // the page clips are half of full scale, about -9 dB
constexpr double absentDb = -40;
// A call that waits for the media rather than leaving it to playback holds the reader up for a
// second or more; scheduling on a busy machine costs a fraction of that. How fast the book answers
// on a quiet machine is measured by the benchmarks in tools/bench.
constexpr qint64 answerWithinMs = 250;

const QStringList folders{"c/Program files/Tivak", "c/Program files (x86)/Tivak", "d/Tivak"};

// How long the interface thread was kept from its events: the longest any single action took,
// and the longest gap between the ticks of a fast timer while the book was left to itself.
class Responsiveness
{
public:
    Responsiveness()
    {
        ticker_.setInterval(2);
        QObject::connect(&ticker_, &QTimer::timeout, [this] {
            if (sinceTick_.isValid())
                longest_ = std::max(longest_, sinceTick_.elapsed());
            sinceTick_.start();
        });
    }

    template <typename Action> void act(Action action)
    {
        QElapsedTimer timer;
        timer.start();
        action();
        longest_ = std::max(longest_, timer.elapsed());
    }
    void wait(int ms)
    {
        sinceTick_.invalidate();
        ticker_.start();
        QTest::qWait(ms);
        ticker_.stop();
    }
    qint64 longestMs() const
    {
        qInfo("the interface thread was held for %lld ms at most", longest_);
        return longest_;
    }

private:
    QTimer ticker_;
    QElapsedTimer sinceTick_;
    qint64 longest_ = 0;
};

// The start screen and the eight pages, with the real players looking under a test folder.
struct Book
{
    PlayerFactory players;
    ScreenRegistry registry;

    explicit Book(const QString &mountRoot) : players(gstPlayerFactory(mountRoot.toStdString()))
    {
        registry.define(ScreenId::Form9, [this](ScreenRegistry &r) {
            return std::make_unique<StartScreen>(r, players);
        });
        for (int page = 1; page <= catalogue::pageCount; ++page) {
            registry.define(catalogue::screenOf(page), [this, page](ScreenRegistry &r) {
                return std::make_unique<PageScreen>(r, page, players);
            });
        }
        registry.Show(ScreenId::Form9);
    }

    Screen *openPage(int page)
    {
        registry.Show(catalogue::screenOf(page));
        return registry.find(catalogue::screenOf(page));
    }
    void press(int page, const char *control)
    {
        Screen *screen = registry.find(catalogue::screenOf(page));
        QTest::mouseClick(screen->findChild<GraphicalButton *>(control), Qt::LeftButton);
    }
};

// Nothing but the book's own windows is on screen: no error dialog, no message box.
bool onlyTheBookIsShown()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !qobject_cast<Screen *>(window))
            return false;
    }
    return true;
}

} // namespace

class BadDaysTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!sound_.isRunning())
            QSKIP(qPrintable("NO SOUND SERVER, the book cannot be heard: " + sound_.failure()));
        QVERIFY(mount_.isValid());
        for (const QString &folder : folders)
            QVERIFY(QDir(mount_.path()).mkpath(folder));
        QVERIFY(writeClip("d/Tivak/2020.mp4", {{introHz, 0.5}}, true));
        QVERIFY(writeClip("d/Tivak/3.2.m4a", {{goodHz, 0.8}}));
        QVERIFY(writeClip("d/Tivak/1.2.M4a", {{longHz, 6.0}}));
        QVERIFY(writeClip("d/Tivak/2.1.m4a", {{goodHz, 0.3}}));
        QVERIFY(writeClip("d/Tivak/2.2.m4a", {{longHz, 0.3}}));
        QVERIFY(writeClip("d/Tivak/2.3.m4a", {{goodHz, 0.8}}));
    }

    void cleanup()
    {
        sound_.stopRecording();
        for (const QString &folder : folders) {
            const QString broken = QDir(mount_.path()).filePath(folder + "/3.1.m4a");
            QDir(broken).removeRecursively();
            QFile::remove(broken);
        }
    }

    void brokenClipsInEveryFolderAreSilentAndTheNextGoodOnePlays_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind :
             {"missing", "empty", "garbage", "directory", "unreadable", "truncated"})
            QTest::newRow(kind) << kind;
    }
    void brokenClipsInEveryFolderAreSilentAndTheNextGoodOnePlays()
    {
        QFETCH(QString, kind);
        // Page 3's first clip is broken the same way in all three folders, so every player of the
        // trio meets it; the page's second clip is good.
        for (const QString &folder : folders)
            QVERIFY(makeBroken(kind, folder + "/3.1.m4a"));
        test::FileModesEnforced modesApply;

        Book book(mount_.path());
        Responsiveness answer;
        QVERIFY(sound_.startRecording());
        answer.act([&] { book.openPage(3); });
        answer.act([&] { book.press(3, "Command6"); });
        answer.wait(700);
        const auto goodAt = Clock::now();
        answer.act([&] { book.press(3, "Command4"); });
        answer.wait(900);
        const SoundRecording heard = sound_.stopRecording();

        const double broken = heard.secondsAt(goodAt) - 0.6;
        const double good = heard.secondsAt(goodAt);
        QVERIFY2(heard.toneDb(goodHz, broken, good) < absentDb, "the broken clip is silent");
        QVERIFY2(heard.toneDb(goodHz, good, good + 0.8) > heardDb, "the next good clip plays");
        QVERIFY(onlyTheBookIsShown());
        QVERIFY2(answer.longestMs() < answerWithinMs,
                 qPrintable(QString::number(answer.longestMs())));
    }

    void withoutASoundServerTheBookStillWorks()
    {
        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + QDir(mount_.path()).filePath("no-server").toUtf8());
        {
            Book book(mount_.path());
            Responsiveness answer;
            answer.act([&] { book.openPage(2); });
            for (const char *control : {"Command6", "Command4", "Command6", "Command1"})
                answer.act([&] { book.press(2, control); });
            answer.wait(500);
            QVERIFY(book.registry.find(ScreenId::Form3)->isVisible());
            answer.act([&] { book.press(3, "Command4"); });
            answer.wait(500);
            QVERIFY(onlyTheBookIsShown());
            QVERIFY2(answer.longestMs() < answerWithinMs,
                     qPrintable(QString::number(answer.longestMs())));
        }
        qputenv("PULSE_SERVER", server);
    }

    void clicksAsFastAsTheyComeEndInTheLastClip()
    {
        Book book(mount_.path());
        Responsiveness answer;
        book.openPage(2);
        QVERIFY(sound_.startRecording());
        // Speakers, page turns there and back, speakers again: no pause between the clicks.
        for (int round = 0; round < 40; ++round) {
            for (const char *control : {"Command6", "Command4", "Command7", "Command6"})
                answer.act([&] { book.press(2, control); });
            answer.act([&] { book.press(2, "Command1"); });
            answer.act([&] { book.press(3, "Command2"); });
        }
        const auto lastAt = Clock::now();
        answer.act([&] { book.press(2, "Command7"); });
        answer.wait(1200);
        const SoundRecording heard = sound_.stopRecording();

        const double last = heard.secondsAt(lastAt);
        QVERIFY2(heard.toneDb(goodHz, last, last + 0.8) > heardDb, "the last clip pressed plays");
        QVERIFY(book.registry.find(ScreenId::Form2)->isVisible());
        QVERIFY(onlyTheBookIsShown());
        QVERIFY2(answer.longestMs() < answerWithinMs,
                 qPrintable(QString::number(answer.longestMs())));
    }

    void closingAPageMidClipSilencesItButNotTheIntro()
    {
        Book book(mount_.path());
        Responsiveness answer;
        QPointer<Screen> page = book.openPage(1);
        QVERIFY(sound_.startRecording());
        answer.act([&] { book.press(1, "Command4"); }); // a six-second clip
        answer.wait(1000);
        const auto closedAt = Clock::now();
        answer.act([&] { page->close(); });
        answer.wait(1200);
        const SoundRecording heard = sound_.stopRecording();

        QVERIFY(page.isNull());
        const double closed = heard.secondsAt(closedAt);
        QVERIFY2(heard.toneDb(longHz, closed - 0.8, closed) > heardDb, "the clip was playing");
        QVERIFY2(heard.toneDb(longHz, closed + 0.3, closed + 1.1) < absentDb,
                 "and stopped with its page");
        QVERIFY2(heard.toneDb(introHz, closed + 0.3, closed + 1.1) > heardDb - 15,
                 "the intro goes on");
        QVERIFY2(answer.longestMs() < answerWithinMs,
                 qPrintable(QString::number(answer.longestMs())));
    }

    void endingMidClipSilencesEverything()
    {
        Book book(mount_.path());
        book.openPage(1);
        QVERIFY(sound_.startRecording());
        book.press(1, "Command4");
        QTest::qWait(1000);
        const auto endedAt = Clock::now();
        book.registry.End();
        QTest::qWait(1000);
        const SoundRecording heard = sound_.stopRecording();

        const double ended = heard.secondsAt(endedAt);
        QVERIFY2(heard.toneDb(longHz, ended - 0.8, ended) > heardDb, "the clip was playing");
        QVERIFY2(heard.levelDb(ended + 0.3, ended + 1.0) < SoundRecording::silenceDb,
                 "nothing sounds once the book has ended");
    }

private:
    bool writeClip(const QString &path, const std::vector<test::Tone> &tones, bool video = false)
    {
        return test::writeToneClip(QDir(mount_.path()).filePath(path), tones, video);
    }

    bool makeBroken(const QString &kind, const QString &path)
    {
        const QString file = QDir(mount_.path()).filePath(path);
        const QString good = QDir(mount_.path()).filePath("d/Tivak/3.2.m4a");
        QFile out(file);
        if (kind == "missing")
            return true;
        if (kind == "directory")
            return QDir().mkpath(file);
        if (kind == "unreadable")
            return QFile::copy(good, file) && QFile::setPermissions(file, {});
        if (!out.open(QIODevice::WriteOnly))
            return false;
        if (kind == "garbage") {
            for (int i = 0; i < 8192; ++i)
                out.putChar(char((i * 7919) % 251));
        }
        if (kind == "truncated") {
            QFile whole(good);
            if (!whole.open(QIODevice::ReadOnly))
                return false;
            out.write(whole.read(whole.size() / 3));
        }
        return true;
    }

    test::SoundServer sound_;
    QTemporaryDir mount_;
};

QTEST_MAIN(BadDaysTest)
#include "bad_days_test.moc"
