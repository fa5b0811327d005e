#include "about_box.h"
#include "catalogue.h"
#include "graphical_button.h"
#include "image_control.h"
#include "media_root.h"
#include "page_screen.h"
#include "recording_player.h"
#include "screen_registry.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

using namespace tivak;
using test::PlayerLog;

Q_DECLARE_METATYPE(tivak::ScreenId)

namespace {

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
QString nameOf(ScreenId id)
{
    return text(screenName(id));
}

// The eight pages and the about box, with recording players whose calls land in one sequence
// together with every screen's showing and hiding, so that the order of steps can be checked.
class Book : public QObject
{
public:
    PlayerLog log;
    ScreenRegistry registry;

    Book()
    {
        for (int page = 1; page <= catalogue::pageCount; ++page) {
            registry.define(catalogue::screenOf(page), [this, page](ScreenRegistry &r) {
                return std::make_unique<PageScreen>(r, page, playersOf(page));
            });
        }
        registry.define(ScreenId::frmAbout,
                        [](ScreenRegistry &r) { return std::make_unique<AboutBox>(r); });
        qApp->installEventFilter(this);
    }

    Screen *open(ScreenId id)
    {
        registry.Show(id);
        log.calls.clear();
        return registry.find(id);
    }
    Screen *openPage(int page) { return open(catalogue::screenOf(page)); }

    GraphicalButton *button(ScreenId id, const QString &name) const
    {
        return registry.find(id)->findChild<GraphicalButton *>(name);
    }
    void click(ScreenId id, const QString &name) const
    {
        QTest::mouseClick(button(id, name), Qt::LeftButton);
    }

    QStringList steps() const
    {
        QStringList all;
        for (const auto &call : log.calls)
            all << QString::fromStdString(call);
        return all;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *screen = qobject_cast<Screen *>(watched);
        if (screen && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
            const char *what = event->type() == QEvent::Show ? "show " : "hide ";
            log.calls.push_back(what + screen->objectName().toStdString());
        }
        return false;
    }

private:
    PlayerFactory playersOf(int page)
    {
        const std::string screen = "Form" + std::to_string(page) + ".";
        return [this, screen](const PlayerProfile &profile, std::string_view name) {
            return test::recordingPlayers(log)(profile, screen + std::string(name));
        };
    }
};

QStringList stops(ScreenId id)
{
    QStringList all;
    for (int i = 1; i <= 3; ++i)
        all << QStringLiteral("%1.WindowsMediaPlayer%2 stop").arg(nameOf(id)).arg(i);
    return all;
}

QStringList requests(int page, const QString &clip)
{
    QStringList all;
    for (int i = 1; i <= 3; ++i) {
        all << QStringLiteral("Form%1.WindowsMediaPlayer%2 URL %3%4")
                   .arg(page)
                   .arg(i)
                   .arg(text(mediaRoots[std::size_t(i - 1)]), clip);
    }
    return all;
}

bool centredOnScreen(const QWidget *window)
{
    const QPoint offset =
        window->geometry().center() - window->screen()->availableGeometry().center();
    return qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1;
}

} // namespace

class BookTest : public QObject
{
    Q_OBJECT

private slots:
    void everySpeakerPlaysItsOwnClip_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("animal");
        // Found by the button's name, never by its place on the window.
        QTest::newRow("page 1 Command7") << 1 << "Command7"
                                         << "1.4.M4a"
                                         << "crocodile";
        QTest::newRow("page 5 Command7") << 5 << "Command7"
                                         << "5.3.m4a"
                                         << "gazelle";
        QTest::newRow("page 6 Command8") << 6 << "Command8"
                                         << "6.3.m4a"
                                         << "donkey";
        for (int page = 1; page <= catalogue::pageCount; ++page) {
            for (const auto &hotspot : catalogue::hotspots(page)) {
                const QByteArray row = QStringLiteral("catalogue page %1 %2")
                                           .arg(page)
                                           .arg(text(hotspot.control))
                                           .toUtf8();
                QTest::newRow(row)
                    << page << text(hotspot.control) << text(hotspot.clip) << text(hotspot.animal);
            }
        }
    }
    void everySpeakerPlaysItsOwnClip()
    {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QString, clip);
        QFETCH(QString, animal);
        Book book;
        const ScreenId id = catalogue::screenOf(page);
        book.openPage(page);
        GraphicalButton *speaker = book.button(id, control);
        QVERIFY(speaker);
        QCOMPARE(speaker->glyph(), PictureRole::SpeakerGlyph);
        QCOMPARE(speaker->accessibleName(), animal);
        QCOMPARE(speaker->size(), QSize(49, 41));
        book.click(id, control);
        QCOMPARE(book.steps(), requests(page, clip));
        book.click(id, control); // pressed again: asked for once more, from its beginning
        QCOMPARE(book.steps().mid(3), requests(page, clip));
    }

    void turningStopsThenShowsThenHides_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("next on 1") << 1 << "Command1" << QStringList{"show Form2"};
        QTest::newRow("next on 8 wraps") << 8 << "Command1" << QStringList{"show Form1"};
        QTest::newRow("previous on 1 wraps") << 1 << "Command2" << QStringList{"show Form8"};
        QTest::newRow("previous on 5") << 5 << "Command2" << QStringList{"show Form4"};
        QTest::newRow("close on 3") << 3 << "Command3" << QStringList{};
    }
    void turningStopsThenShowsThenHides()
    {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QStringList, shown);
        Book book;
        const ScreenId id = catalogue::screenOf(page);
        book.openPage(page);
        book.click(id, "Command6");
        book.log.calls.clear();

        book.click(id, control);
        const QStringList expected =
            stops(id) + shown + QStringList{QStringLiteral("hide %1").arg(nameOf(id))};
        QCOMPARE(book.steps(), expected);
    }

    void arrowKeysTurnThePage()
    {
        Book book;
        Screen *page = book.openPage(2);
        QVERIFY(QTest::qWaitForWindowActive(page));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(book.steps(), stops(ScreenId::Form2) + QStringList({"show Form3", "hide Form2"}));

        Screen *third = book.registry.find(ScreenId::Form3);
        QVERIFY(QTest::qWaitForWindowActive(third));
        book.log.calls.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(book.steps(), stops(ScreenId::Form3) + QStringList({"show Form2", "hide Form3"}));
    }

    void twoVisiblePagesEachKeepTheirOwnPlayers()
    {
        Book book;
        book.openPage(8);
        book.openPage(1);
        book.click(ScreenId::Form8, "Command6");
        book.click(ScreenId::Form1, "Command4");
        QCOMPARE(book.steps(), requests(8, "8.1.m4a") + requests(1, "1.2.M4a"));

        // Next on page 8 brings the visible page 1 to the front; page 1 keeps sounding.
        book.log.calls.clear();
        book.click(ScreenId::Form8, "Command1");
        QCOMPARE(book.steps(), stops(ScreenId::Form8) + QStringList({"hide Form8"}));
        QVERIFY(book.registry.find(ScreenId::Form1)->isVisible());
        QVERIFY(!book.registry.find(ScreenId::Form8)->isVisible());
    }

    void pageShownAgainKeepsItsPlaceButClosedComesBackCentredAndSilent()
    {
        Book book;
        Screen *page = book.openPage(3);
        QVERIFY(centredOnScreen(page));
        page->move(page->pos() + QPoint(40, 30));
        const QPoint moved = page->pos();
        book.click(ScreenId::Form3, "Command3");
        book.openPage(3);
        QCOMPARE(book.registry.find(ScreenId::Form3), page);
        QCOMPARE(page->pos(), moved);

        book.click(ScreenId::Form3, "Command6");
        QPointer<Screen> closed = page;
        QCOMPARE(book.log.playersAlive, 3);
        QVERIFY(page->close());
        QTRY_VERIFY(closed.isNull());
        QCOMPARE(book.log.playersAlive, 0);
        book.log.calls.clear();

        Screen *fresh = book.openPage(3);
        QVERIFY(fresh && fresh->isVisible());
        QVERIFY(centredOnScreen(fresh));
        QVERIFY(book.steps().isEmpty());
        QCOMPARE(book.log.playersAlive, 3);
    }

    void pageWindowAndPicture_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QRect>("picture");
        QTest::newRow("page 1 natural") << 1 << QRect(8, 8, 928, 571);
        QTest::newRow("page 4 stretched") << 4 << QRect(-16, 24, 1047, 519);
        QTest::newRow("page 6 stretched") << 6 << QRect(-24, 0, 1007, 562);
        QTest::newRow("page 8 natural") << 8 << QRect(96, 16, 818, 540);
    }
    void pageWindowAndPicture()
    {
        QFETCH(int, page);
        QFETCH(QRect, picture);
        Book book;
        Screen *screen = book.openPage(page);
        QCOMPARE(screen->windowTitle(), QStringLiteral("tîvak"));
        QVERIFY(!screen->windowIcon().isNull());
        QCOMPARE(screen->client()->size(), QSize(961, 604));
        QCOMPARE(screen->minimumSize(), screen->maximumSize());
        QVERIFY(!(screen->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(screen->windowType(), Qt::Window); // in the taskbar

        auto *image = screen->findChild<ImageControl *>("Image1");
        QCOMPARE(image->role(), pagePicture(page));
        QCOMPARE(image->geometry(), picture);
        QCOMPARE(book.button(screen->id(), "Command1")->geometry(), QRect(904, 560, 49, 33));
        QCOMPARE(book.button(screen->id(), "Command2")->geometry(), QRect(8, 560, 49, 33));
        QCOMPARE(book.button(screen->id(), "Command3")->geometry(), QRect(448, 552, 57, 41));
        for (auto *button : screen->findChildren<GraphicalButton *>()) {
            QCOMPARE(screen->client()->childAt(button->geometry().center()), button);
            QVERIFY(!button->accessibleName().isEmpty());
        }
    }

    void focusStartsAndRunsInThePageOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("page 1") << 1 << QStringList{"Command1", "Command2", "Command3", "Command4",
                                                    "Command5", "Command6", "Command7"};
        QTest::newRow("page 2") << 2 << QStringList{"Command3", "Command2", "Command1", "Command7",
                                                    "Command6", "Command5", "Command4"};
        QTest::newRow("page 4") << 4 << QStringList{"Command3", "Command2", "Command1", "Command7",
                                                    "Command6", "Command5", "Command4", "Command8"};
        QTest::newRow("page 8") << 8 << QStringList{"Command3", "Command2", "Command1",
                                                    "Command7", "Command6", "Command4"};
    }
    void focusStartsAndRunsInThePageOrder()
    {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        Book book;
        Screen *screen = book.openPage(page);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, order);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.front()); // and round again
    }

    void aboutBoxSitsAtItsPlaceWithItsLayers()
    {
        Book book;
        Screen *about = book.open(ScreenId::frmAbout);
        QCOMPARE(about->windowTitle(), QStringLiteral("Su"));
        QVERIFY(!about->windowIcon().isNull());
        QCOMPARE(about->windowType(), Qt::Tool); // not in the taskbar
        QCOMPARE(about->geometry(), QRect(156, 129, 868, 566));
        QCOMPARE(about->minimumSize(), about->maximumSize());

        auto *close = book.button(ScreenId::frmAbout, "Command1");
        QCOMPARE(close->text(), QStringLiteral("Zabti"));
        QCOMPARE(close->glyph(), PictureRole::CloseGlyph);
        QCOMPARE(close->geometry(), QRect(456, 488, 57, 65));
        QCOMPARE(close->font().pointSize(), 12);
        QVERIFY(!close->font().bold());
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(QApplication::focusWidget(), close);

        const QList<QPair<QString, QRect>> layers{
            {"Image1", QRect(-8, 32, 829, 464)},
            {"Image2", QRect(616, 240, 249, 201)},
            {"Image3", QRect(16, 0, 177, 161)},
        };
        const QObjectList backToFront = about->client()->children();
        qsizetype below = -1;
        for (const auto &[name, rect] : layers) {
            auto *image = about->findChild<ImageControl *>(name);
            QCOMPARE(image->geometry(), rect);
            QVERIFY2(backToFront.indexOf(image) > below, qPrintable(name));
            below = backToFront.indexOf(image);
        }
        QVERIFY(backToFront.indexOf(close) > below);
    }

    void aboutBoxHidesAndComesBackWhereItWasOneInstanceOnly()
    {
        Book book;
        Screen *about = book.open(ScreenId::frmAbout);
        about->move(about->pos() + QPoint(25, 15));
        const QPoint moved = about->pos();
        book.click(ScreenId::frmAbout, "Command1");
        QVERIFY(!about->isVisible());
        QCOMPARE(book.registry.find(ScreenId::frmAbout), about);

        book.registry.Show(ScreenId::frmAbout);
        book.registry.Show(ScreenId::frmAbout);
        QCOMPARE(book.registry.find(ScreenId::frmAbout), about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->pos(), moved);
        QCOMPARE(qApp->topLevelWidgets().count(qobject_cast<QWidget *>(about)), 1);

        QPointer<Screen> closed = about;
        about->close();
        QTRY_VERIFY(closed.isNull());
        Screen *fresh = book.open(ScreenId::frmAbout);
        QCOMPARE(fresh->geometry().topLeft(), QPoint(156, 129));
    }
};

QTEST_MAIN(BookTest)
#include "book_test.moc"
