#include "graphical_button.h"
#include "image_control.h"
#include "recording_player.h"
#include "screen_registry.h"
#include "start_screen.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace tivak;
using test::PlayerLog;

namespace {

// A stand-in for the screens the start screen opens.
class BlankScreen : public Screen
{
public:
    BlankScreen(ScreenRegistry &registry, ScreenId id) : Screen(registry, id, style()) {}

private:
    static WindowStyle style()
    {
        WindowStyle s;
        s.border = BorderStyle::FixedSingle;
        s.clientWidth = 3000;
        s.clientHeight = 3000;
        return s;
    }
};

// The program as its entry puts it together, with recording players behind the start screen.
struct Program
{
    PlayerLog log;
    ScreenRegistry registry;

    Program()
    {
        registry.define(ScreenId::Form9, [this](ScreenRegistry &r) {
            return std::make_unique<StartScreen>(r, test::recordingPlayers(log));
        });
        for (ScreenId id : {ScreenId::Form1, ScreenId::frmAbout})
            registry.define(
                id, [id](ScreenRegistry &r) { return std::make_unique<BlankScreen>(r, id); });
        registry.Show(ScreenId::Form9);
    }

    Screen *start() const { return registry.find(ScreenId::Form9); }
    GraphicalButton *startButton() const
    {
        return start()->findChild<GraphicalButton *>("Command1");
    }
    QAction *menuItem(const char *name) const { return start()->findChild<QAction *>(name); }
    QStringList calls() const
    {
        QStringList all;
        for (const auto &call : log.calls)
            all << QString::fromStdString(call);
        return all;
    }
};

const QStringList introRequests{
    R"(WindowsMediaPlayer1 URL C:\Program files\Tivak\2020.mp4)",
    R"(WindowsMediaPlayer2 URL C:\Program files (x86)\Tivak\2020.mp4)",
    R"(WindowsMediaPlayer3 URL D:\Tivak\2020.mp4)",
};

void answerNextMessageBox(QMessageBox::StandardButton which, QString *text = nullptr)
{
    QTimer::singleShot(0, [which, text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (text)
            *text = box->text();
        if (which == QMessageBox::NoButton)
            box->reject(); // closed with the window's close box
        else
            box->button(which)->click();
    });
}

} // namespace

class StartScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void opensMaximisedWithItsWindowAttributes()
    {
        Program program;
        Screen *start = program.start();
        QVERIFY(start->isVisible());
        QVERIFY(start->isMaximized());
        QCOMPARE(start->windowTitle(), QStringLiteral("tîvak"));
        QVERIFY(!start->windowIcon().isNull());
        QCOMPARE(start->palette().color(QPalette::Window), QColor(Qt::white));
        const Qt::WindowFlags flags = start->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowMaximizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::Tool & ~Qt::Window)); // in the taskbar

        // Restored, the client area is 14490 x 8715 twips, centred on the screen.
        start->showNormal();
        QCOMPARE(start->client()->size(), QSize(966, 581));
        const QRect available = start->screen()->availableGeometry();
        QVERIFY(qAbs(start->geometry().center().x() - available.center().x()) <= 1);
        QVERIFY(qAbs(start->geometry().center().y() - available.center().y()) <= 1);
    }

    void controlsSitWhereTheyBelong()
    {
        Program program;
        auto *picture = program.start()->findChild<ImageControl *>("Image1");
        QVERIFY(picture);
        QCOMPARE(picture->role(), PictureRole::StartPicture);
        QCOMPARE(picture->geometry(), QRect(312, 120, 874, 559));
        GraphicalButton *button = program.startButton();
        QCOMPARE(button->geometry(), QRect(192, 344, 97, 78));
        QCOMPARE(button->text(), QStringLiteral("Ndûusko"));
        QCOMPARE(button->glyph(), PictureRole::StartGlyph);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QVERIFY(button->font().bold());
        QCOMPARE(button->font().pointSizeF(), 14.25);
        QVERIFY(QTest::qWaitForWindowActive(program.start()));
        QCOMPARE(QApplication::focusWidget(), button);
    }

    void menuBarHoldsSuThenNdurui()
    {
        Program program;
        auto *menuBar = program.start()->findChild<QMenuBar *>();
        QVERIFY(menuBar);
        QStringList captions, names;
        for (QAction *item : menuBar->actions()) {
            captions << item->text();
            names << item->objectName();
            QVERIFY(!item->menu()); // no submenus
        }
        QCOMPARE(captions, QStringList({"Su", "Ndurui"}));
        QCOMPARE(names, QStringList({"su", "Ndurui"}));
    }

    void loadPlaysTheIntroOnceWithTheIntroProfile()
    {
        Program program;
        QCOMPARE(program.calls(), introRequests);
        QCOMPARE(int(program.log.profiles.size()), 3);
        for (const PlayerProfile &profile : program.log.profiles)
            QVERIFY(profile == IntroProfile);
    }

    void startButtonShowsPageOneAndNothingElse()
    {
        Program program;
        QTest::mouseClick(program.startButton(), Qt::LeftButton);
        Screen *page = program.registry.find(ScreenId::Form1);
        QVERIFY(page && page->isVisible());
        QVERIFY(program.start()->isVisible());
        QCOMPARE(program.calls(), introRequests); // the intro goes on, nothing stopped

        QTest::mouseClick(program.startButton(), Qt::LeftButton);
        QCOMPARE(program.registry.find(ScreenId::Form1), page);
    }

    void suShowsTheAboutBox()
    {
        Program program;
        program.menuItem("su")->trigger();
        Screen *about = program.registry.find(ScreenId::frmAbout);
        QVERIFY(about && about->isVisible());
        program.menuItem("su")->trigger();
        QCOMPARE(program.registry.find(ScreenId::frmAbout), about);
    }

    void nduruiAsksAndEndsOnlyOnOk_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        QTest::newRow("OK") << int(QMessageBox::Ok) << true;
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false;
        QTest::newRow("dismissed") << int(QMessageBox::NoButton) << false;
    }
    void nduruiAsksAndEndsOnlyOnOk()
    {
        QFETCH(int, answer);
        QFETCH(bool, ends);
        Program program;
        QTest::mouseClick(program.startButton(), Qt::LeftButton);
        QString asked;
        answerNextMessageBox(QMessageBox::StandardButton(answer), &asked);
        program.menuItem("Ndurui")->trigger();
        QCOMPARE(asked, QStringLiteral("NDURUI"));
        QCOMPARE(program.registry.hasEnded(), ends);
        if (ends) {
            QVERIFY(!program.registry.find(ScreenId::Form1));
            QTRY_COMPARE(program.log.playersAlive, 0);
        } else {
            QVERIFY(program.start()->isVisible());
            QVERIFY(program.registry.find(ScreenId::Form1)->isVisible());
            QCOMPARE(program.calls(), introRequests);
            QCOMPARE(program.log.playersAlive, 3);
        }
    }

    void closingTheStartScreenEndsEverything()
    {
        Program program;
        QTest::mouseClick(program.startButton(), Qt::LeftButton);
        program.menuItem("su")->trigger();
        QPointer<Screen> page = program.registry.find(ScreenId::Form1);

        QVERIFY(program.start()->close());
        QVERIFY(program.registry.hasEnded());
        QVERIFY(!program.registry.find(ScreenId::Form9));
        QVERIFY(!program.registry.find(ScreenId::frmAbout));
        QTRY_VERIFY(page.isNull());
        QCOMPARE(program.log.playersAlive, 0);
        QCOMPARE(program.calls(), introRequests); // ended, not stopped step by step
    }
};

QTEST_MAIN(StartScreenTest)
#include "start_screen_test.moc"
