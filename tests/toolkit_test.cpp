#include "graphical_button.h"
#include "image_control.h"
#include "message_box.h"
#include "screen.h"
#include "screen_registry.h"
#include "twips.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tivak;

namespace {

// A plain screen that writes down its Load and Unload steps.
class DiaryScreen : public Screen
{
public:
    DiaryScreen(ScreenRegistry &registry, ScreenId id, QStringList &diary)
        : Screen(registry, id, style()), diary_(diary)
    {
        addImage("Image1", PictureRole::PagePicture3, {960, 240, 12810, 8415}, false);
        ok = addButton("Command1", PictureRole::NextGlyph, {13560, 8400, 735, 495});
        other = addButton("Command2", PictureRole::PreviousGlyph, {120, 8400, 735, 495});
        addImage("Image2", PictureRole::FarmyardPicture, {0, 0, 3000, 3000}, true);
        setFocusOrder({other, ok});
        diary_ << QStringLiteral("create %1").arg(objectName());
    }
    ~DiaryScreen() override { diary_ << QStringLiteral("destroy %1").arg(objectName()); }

    void Load() override { diary_ << QStringLiteral("Load %1").arg(objectName()); }
    void Unload() override { diary_ << QStringLiteral("Unload %1").arg(objectName()); }

    GraphicalButton *ok = nullptr;
    GraphicalButton *other = nullptr;

private:
    static WindowStyle style()
    {
        WindowStyle s;
        s.caption = "test";
        s.border = BorderStyle::FixedSingle;
        s.clientWidth = 14415;
        s.clientHeight = 9060;
        return s;
    }
    QStringList &diary_;
};

// Answers the next modal message box with the given button, and remembers what it showed.
struct MessageBoxAnswerer
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;

    void answerWith(QMessageBox::StandardButton which)
    {
        QTimer::singleShot(0, [this, which] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            defaultButton = box->standardButton(box->defaultButton());
            if (which == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(which)->click();
        });
    }
};

} // namespace

class ToolkitTest : public QObject
{
    Q_OBJECT

private slots:
    void twipsBecomePixelsAtEveryScale_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("96 dpi, a page's width") << 96.0 << 14415 << 961;
        QTest::newRow("96 dpi, a speaker's height") << 96.0 << 615 << 41;
        QTest::newRow("96 dpi, negative left") << 96.0 << -360 << -24;
        QTest::newRow("125 %") << 120.0 << 14415 << 1201;
        QTest::newRow("200 %") << 192.0 << 735 << 98;
    }
    void twipsBecomePixelsAtEveryScale()
    {
        QFETCH(double, dpi);
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(twips::toPixels(twips, dpi), pixels);
    }

    void scaledLayoutStaysWhole()
    {
        // At 200 % every rect is exactly twice its 96 dpi size, so nothing drifts apart.
        const Rect r{5280, 1800, 735, 615};
        const QRect at96 = twips::toPixels(r, 96.0);
        QCOMPARE(at96, QRect(352, 120, 49, 41));
        const QRect at192 = twips::toPixels(r, 192.0);
        QCOMPARE(at192, QRect(704, 240, 98, 82));
        QCOMPARE(twips::naturalSize({874, 559}, 96.0), QSize(874, 559));
        QCOMPARE(twips::naturalSize({874, 559}, 120.0), QSize(1093, 699));
    }

    void registryMakesOneInstanceOnFirstShow()
    {
        QStringList diary;
        ScreenRegistry registry;
        defineDiaryScreens(registry, diary);
        QVERIFY(!registry.find(ScreenId::Form2));

        registry.Show(ScreenId::Form2);
        Screen *first = registry.find(ScreenId::Form2);
        QVERIFY(first && first->isVisible());
        QCOMPARE(diary, QStringList({"create Form2", "Load Form2"}));

        registry.Show(ScreenId::Form2); // already visible: only brought to the front
        QCOMPARE(registry.find(ScreenId::Form2), first);
        QCOMPARE(diary.size(), 2);

        registry.Show(ScreenId::Form9); // no maker defined: nothing happens
        QVERIFY(!registry.find(ScreenId::Form9));
    }

    void hideKeepsTheScreenAndItsPlace()
    {
        QStringList diary;
        ScreenRegistry registry;
        defineDiaryScreens(registry, diary);
        registry.Show(ScreenId::Form3);
        Screen *screen = registry.find(ScreenId::Form3);
        screen->move(screen->pos() + QPoint(37, 23));
        const QPoint moved = screen->pos();
        auto *button = screen->findChild<GraphicalButton *>("Command1");
        button->setFocus();

        registry.Hide(ScreenId::Form3);
        QVERIFY(!screen->isVisible());
        registry.Show(ScreenId::Form3);
        QCOMPARE(registry.find(ScreenId::Form3), screen);
        QVERIFY(screen->isVisible());
        QCOMPARE(screen->pos(), moved);
        QCOMPARE(screen->focusWidget(), button);
        QCOMPARE(diary, QStringList({"create Form3", "Load Form3"}));
    }

    void closeBoxUnloadsDestroysAndAFreshOneComesCentred()
    {
        QStringList diary;
        ScreenRegistry registry;
        defineDiaryScreens(registry, diary);
        registry.Show(ScreenId::Form4);
        QPointer<Screen> first = registry.find(ScreenId::Form4);
        const QPoint centred = first->pos();
        first->move(centred + QPoint(50, 50));

        QVERIFY(first->close());
        QVERIFY(!registry.find(ScreenId::Form4));
        QTRY_VERIFY(first.isNull());
        QCOMPARE(diary,
                 QStringList({"create Form4", "Load Form4", "Unload Form4", "destroy Form4"}));

        registry.Show(ScreenId::Form4);
        Screen *second = registry.find(ScreenId::Form4);
        QVERIFY(second && second->isVisible());
        QCOMPARE(second->pos(), centred);
        QCOMPARE(diary.last(), QStringLiteral("Load Form4"));
    }

    void endDestroysEverythingWithoutUnload()
    {
        QStringList diary;
        ScreenRegistry registry;
        defineDiaryScreens(registry, diary);
        QSignalSpy ended(&registry, &ScreenRegistry::programEnded);
        registry.Show(ScreenId::Form1);
        registry.Show(ScreenId::Form2);
        registry.Hide(ScreenId::Form2);
        diary.clear();

        registry.End();
        QCOMPARE(ended.count(), 1);
        QVERIFY(registry.hasEnded());
        QVERIFY(!registry.find(ScreenId::Form1) && !registry.find(ScreenId::Form2));
        QTRY_COMPARE(diary.size(), 2);
        QVERIFY(diary.contains("destroy Form1") && diary.contains("destroy Form2"));

        registry.Show(ScreenId::Form1); // nothing runs after End
        QVERIFY(!registry.find(ScreenId::Form1));
        QCOMPARE(diary.size(), 2);
    }

    void windowAttributesFollowTheStyle()
    {
        QStringList diary;
        ScreenRegistry registry;
        defineDiaryScreens(registry, diary);
        registry.Show(ScreenId::Form5);
        Screen *screen = registry.find(ScreenId::Form5);
        QCOMPARE(screen->windowTitle(), QStringLiteral("test"));
        QVERIFY(!screen->windowIcon().isNull());
        QCOMPARE(screen->client()->size(), QSize(961, 604));
        QCOMPARE(screen->minimumSize(), screen->maximumSize()); // fixed border
        const Qt::WindowFlags flags = screen->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint) && !(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(screen->palette().color(QPalette::Window), QColor(Qt::white));
        const QRect available = screen->screen()->availableGeometry();
        QVERIFY(qAbs(screen->geometry().center().x() - available.center().x()) <= 1);
        QVERIFY(qAbs(screen->geometry().center().y() - available.center().y()) <= 1);
    }

    void picturesAndButtonsSitInTheirRects()
    {
        QStringList diary;
        ScreenRegistry registry;
        defineDiaryScreens(registry, diary);
        registry.Show(ScreenId::Form6);
        auto *screen = static_cast<DiaryScreen *>(registry.find(ScreenId::Form6));
        auto *natural = screen->findChild<ImageControl *>("Image1");
        auto *stretched = screen->findChild<ImageControl *>("Image2");
        QCOMPARE(natural->geometry(), QRect(64, 16, 854, 561));
        QCOMPARE(stretched->geometry(), QRect(0, 0, 200, 200));
        QVERIFY(!natural->pixmap().isNull());
        QCOMPARE(natural->focusPolicy(), Qt::NoFocus);
        QCOMPARE(screen->ok->geometry(), QRect(904, 560, 49, 33));
        QCOMPARE(screen->ok->iconSize(), QSize(32, 32));

        // Buttons stand above every picture, even one added after them.
        const QObjectList stack = screen->client()->children();
        QVERIFY(stack.indexOf(stretched) < stack.indexOf(screen->ok));
        QVERIFY(stack.indexOf(natural) < stack.indexOf(screen->other));
        QCOMPARE(screen->client()->childAt(screen->ok->geometry().center()), screen->ok);
    }

    void buttonsTakeFocusInOrderAndAnswerTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }
    void buttonsTakeFocusInOrderAndAnswerTheKeyboard()
    {
        QFETCH(int, key);
        QStringList diary;
        ScreenRegistry registry;
        defineDiaryScreens(registry, diary);
        registry.Show(ScreenId::Form7);
        auto *screen = static_cast<DiaryScreen *>(registry.find(ScreenId::Form7));
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QCOMPARE(QApplication::focusWidget(), screen->other);
        QTest::keyClick(screen->other, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), screen->ok);
        QTest::keyClick(screen->ok, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), screen->other);

        QSignalSpy clicked(screen->other, &GraphicalButton::clicked);
        QTest::keyClick(screen->other, Qt::Key(key));
        QTRY_COMPARE(clicked.count(), 1);
    }

    void messageBoxAnswersOneForOkTwoOtherwise_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("answer");
        QTest::newRow("OK") << int(QMessageBox::Ok) << 1;
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << 2;
        QTest::newRow("Esc") << int(QMessageBox::NoButton) << 2;
    }
    void messageBoxAnswersOneForOkTwoOtherwise()
    {
        QFETCH(int, button);
        QFETCH(int, answer);
        MessageBoxAnswerer answerer;
        answerer.answerWith(QMessageBox::StandardButton(button));
        QCOMPARE(int(askOkCancel(nullptr, "NDURUI")), answer);
        QCOMPARE(answerer.title, QStringLiteral("Tivak"));
        QCOMPARE(answerer.text, QStringLiteral("NDURUI"));
        QCOMPARE(answerer.icon, QMessageBox::NoIcon);
        QCOMPARE(answerer.defaultButton, QMessageBox::Ok);
    }

private:
    static void defineDiaryScreens(ScreenRegistry &registry, QStringList &diary)
    {
        for (ScreenId id : allScreens) {
            if (id == ScreenId::Form9)
                continue;
            registry.define(id, [id, &diary](ScreenRegistry &r) {
                return std::make_unique<DiaryScreen>(r, id, diary);
            });
        }
    }
};

QTEST_MAIN(ToolkitTest)
#include "toolkit_test.moc"
