#include "catalogue.h"
#include "media_root.h"
#include "player_trio.h"
#include "recording_player.h"

#include <QTest>

#include <set>

using namespace tivak;
using test::PlayerLog;

class PlayerTrioTest : public QObject
{
    Q_OBJECT

private slots:
    void playClipAsksTheThreeFoldersInOrder_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("page clip") << "3.1.m4a"
                                   << QStringList{
                                          R"(WindowsMediaPlayer1 URL C:\Program files\Tivak\3.1.m4a)",
                                          R"(WindowsMediaPlayer2 URL C:\Program files (x86)\Tivak\3.1.m4a)",
                                          R"(WindowsMediaPlayer3 URL D:\Tivak\3.1.m4a)",
                                      };
        QTest::newRow("page 1 clip") << "1.3.M4a"
                                     << QStringList{
                                            R"(WindowsMediaPlayer1 URL C:\Program files\Tivak\1.3.M4a)",
                                            R"(WindowsMediaPlayer2 URL C:\Program files (x86)\Tivak\1.3.M4a)",
                                            R"(WindowsMediaPlayer3 URL D:\Tivak\1.3.M4a)",
                                        };
        QTest::newRow("intro") << "2020.mp4"
                               << QStringList{
                                      R"(WindowsMediaPlayer1 URL C:\Program files\Tivak\2020.mp4)",
                                      R"(WindowsMediaPlayer2 URL C:\Program files (x86)\Tivak\2020.mp4)",
                                      R"(WindowsMediaPlayer3 URL D:\Tivak\2020.mp4)",
                                  };
    }
    void playClipAsksTheThreeFoldersInOrder()
    {
        QFETCH(QString, clip);
        QFETCH(QStringList, calls);
        PlayerLog log;
        PlayerTrio trio(PageProfile, test::recordingPlayers(log));
        QVERIFY(log.calls.empty()); // a new trio is silent
        trio.PlayClip(clip.toStdString());
        QCOMPARE(recorded(log), calls);
    }

    void stopAllStopsPlayersOneTwoThree()
    {
        PlayerLog log;
        PlayerTrio trio(IntroProfile, test::recordingPlayers(log));
        trio.StopAll(); // with nothing playing
        trio.PlayClip("2.2.m4a");
        trio.StopAll();
        const QStringList stops{"WindowsMediaPlayer1 stop", "WindowsMediaPlayer2 stop",
                                "WindowsMediaPlayer3 stop"};
        const QStringList calls = recorded(log);
        QCOMPARE(calls.mid(0, 3), stops);
        QCOMPARE(calls.mid(6), stops);
    }

    void playersLiveExactlyAsLongAsTheirTrio()
    {
        PlayerLog log;
        {
            PlayerTrio trio(PageProfile, test::recordingPlayers(log));
            QCOMPARE(log.playersAlive, 3);
        }
        QCOMPARE(log.playersAlive, 0);
    }

    void profilesHoldTheStoredSettings()
    {
        PlayerLog log;
        PlayerTrio intro(IntroProfile, test::recordingPlayers(log));
        PlayerTrio page(PageProfile, test::recordingPlayers(log));
        QCOMPARE(int(log.profiles.size()), 6);
        for (int i = 0; i < 6; ++i)
            QVERIFY(log.profiles[std::size_t(i)] == (i < 3 ? IntroProfile : PageProfile));

        QCOMPARE(IntroProfile.playCount, 500);
        QCOMPARE(IntroProfile.volume, 30);
        QCOMPARE(PageProfile.playCount, 1);
        QCOMPARE(PageProfile.volume, 100);
        // Apart from repeats and volume, both profiles hold the same stored settings.
        for (const PlayerProfile &p : {IntroProfile, PageProfile}) {
            QVERIFY(p.autoStart);
            QVERIFY(!p.enableErrorDialogs);
            QVERIFY(p.uiMode == "full");
            QVERIFY(p.url.empty());
            QCOMPARE(p.rate, 1.0);
            QCOMPARE(p.balance, 0);
            QVERIFY(!p.mute);
            QCOMPARE(p.currentPosition, 0.0);
            QCOMPARE(p.currentMarker, 0);
            QVERIFY(p.invokeURLs);
            QVERIFY(!p.stretchToFit && !p.windowlessVideo && !p.fullScreen);
            QVERIFY(p.enabled && p.enableContextMenu);
            QVERIFY(p.baseURL.empty() && p.defaultFrame.empty() && p.captioningID.empty());
            QVERIFY(p.SAMIStyle.empty() && p.SAMILang.empty() && p.SAMIFileName.empty());
        }
    }

    void onlyTheHundredAndTwoClipPathsAreEverProduced()
    {
        PlayerLog log;
        PlayerTrio trio(PageProfile, test::recordingPlayers(log));
        for (int i = 0; i < catalogue::clipCount; ++i)
            trio.PlayClip(catalogue::clipAt(i));

        std::set<std::string> paths;
        for (const std::string &call : log.calls) {
            const auto player = std::size_t(call[std::string_view("WindowsMediaPlayer").size()] - '1');
            const std::string path = call.substr(call.find(" URL ") + 5);
            // Player i is only ever given paths under folder i.
            QVERIFY2(path.starts_with(mediaRoots.at(player)), call.c_str());
            paths.insert(path);
        }
        QCOMPARE(int(paths.size()), 102);
        QVERIFY(paths.contains(R"(C:\Program files\Tivak\1.1.M4a)"));
        QVERIFY(paths.contains(R"(C:\Program files (x86)\Tivak\6.5.m4a)"));
        QVERIFY(paths.contains(R"(D:\Tivak\8.3.m4a)"));
        QVERIFY(!paths.contains(R"(C:\Program Files\Tivak\1.1.M4a)"));
    }

private:
    static QStringList recorded(const PlayerLog &log)
    {
        QStringList calls;
        for (const std::string &call : log.calls)
            calls << QString::fromStdString(call);
        return calls;
    }
};

QTEST_APPLESS_MAIN(PlayerTrioTest)
#include "player_trio_test.moc"
