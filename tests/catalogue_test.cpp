#include "catalogue.h"

#include <QTest>

#include <set>
#include <string>

using namespace tivak;
namespace cat = tivak::catalogue;

Q_DECLARE_METATYPE(tivak::ScreenId)

namespace {

// The book as designed, one row per speaker: page, button, left, top, clip, animal.
// Any change to the layout or the clips has to show up here as well.
constexpr std::string_view designedHotspots = R"(
1 Command6 5280 1800 1.1.M4a lion
1 Command4 8040 3360 1.2.M4a tiger
1 Command5 9960 6840 1.3.M4a snake
1 Command7 3240 6960 1.4.M4a crocodile
2 Command6 5400 720 2.1.m4a wolf
2 Command4 11760 720 2.2.m4a fox
2 Command7 6360 5640 2.3.m4a bear
2 Command5 12480 6960 2.4.m4a hyena
3 Command6 1320 4200 3.1.m4a dog
3 Command4 9120 3360 3.2.m4a cat
3 Command7 6720 5880 3.3.m4a mouse
3 Command5 11520 7080 3.4.m4a rabbit
4 Command6 720 3600 4.1.m4a dove
4 Command4 7920 2280 4.2.m4a hen
4 Command7 3360 6840 4.3.m4a falcon
4 Command5 6000 6240 4.4.m4a eagle
4 Command8 13320 5880 4.5.m4a ostrich
5 Command6 4560 3600 5.1.m4a goat
5 Command4 8160 3360 5.2.m4a sheep
5 Command7 5520 6240 5.3.m4a gazelle
5 Command5 11880 6240 5.4.m4a wild ram
6 Command6 360 2400 6.1.m4a camel
6 Command4 9120 2640 6.2.m4a horse
6 Command8 12720 4080 6.3.m4a donkey
6 Command7 3960 6120 6.4.m4a cow
6 Command5 12000 6480 6.5.m4a bull
7 Command6 5040 2520 7.1.m4a pig
7 Command4 10800 2160 7.2.m4a monkey
7 Command7 4080 6720 7.3.m4a giraffe
7 Command5 11280 6120 7.4.m4a elephant
8 Command6 2640 3360 8.1.m4a frog
8 Command4 11880 3120 8.2.m4a tortoise
8 Command7 5040 7200 8.3.m4a hedgehog
)";

// Page, picture rect, stretch, picture pixels, next screen, previous screen.
constexpr std::string_view designedPages = R"(
1 120 120 13920 8565 0 928 571 Form2 Form8
2 1440 240 11625 8385 0 775 559 Form3 Form1
3 960 240 12810 8415 0 854 561 Form4 Form2
4 -240 360 15705 7785 1 1127 519 Form5 Form3
5 960 120 12495 8340 0 833 556 Form6 Form4
6 -360 0 15105 8430 1 1103 562 Form7 Form5
7 600 240 12990 8175 0 866 545 Form8 Form6
8 1440 240 12270 8100 0 818 540 Form1 Form7
)";

constexpr int pageClientWidth = 14415;
constexpr int pageClientHeight = 9060;

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QString describe(int page, const cat::HotspotEntry &h)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(page)
        .arg(text(h.control))
        .arg(h.rect.left)
        .arg(h.rect.top)
        .arg(text(h.clip), text(h.animal));
}

QString describe(const cat::PageEntry &p)
{
    const Rect &r = p.picture.rect;
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10")
        .arg(p.page)
        .arg(r.left)
        .arg(r.top)
        .arg(r.width)
        .arg(r.height)
        .arg(int(p.picture.stretch))
        .arg(p.picture.pixelWidth)
        .arg(p.picture.pixelHeight)
        .arg(text(screenName(p.next)), text(screenName(p.previous)));
}

QStringList rows(std::string_view table) { return text(table).split('\n', Qt::SkipEmptyParts); }

} // namespace

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void tablesMatchTheDesign()
    {
        QStringList hotspotRows, pageRows;
        for (int page = 1; page <= cat::pageCount; ++page) {
            pageRows << describe(cat::pageEntry(page));
            for (const auto &h : cat::hotspots(page))
                hotspotRows << describe(page, h);
        }
        QCOMPARE(hotspotRows, rows(designedHotspots));
        QCOMPARE(pageRows, rows(designedPages));
    }

    void everyHotspotFollowsTheRules()
    {
        const int expectedCounts[] = {4, 4, 4, 5, 4, 5, 4, 3};
        for (int page = 1; page <= cat::pageCount; ++page) {
            const auto spots = cat::hotspots(page);
            QCOMPARE(int(spots.size()), expectedCounts[page - 1]);
            std::set<std::string_view> controls;
            for (std::size_t k = 1; k <= spots.size(); ++k) {
                const auto &h = spots[k - 1];
                const QByteArray where = describe(page, h).toUtf8();
                QVERIFY2(controls.insert(h.control).second, where);
                // Clips are numbered from 1 without gaps; page 1 keeps its capital M.
                const QString clip =
                    QStringLiteral("%1.%2.%3").arg(page).arg(k).arg(page == 1 ? "M4a" : "m4a");
                QCOMPARE(text(h.clip), clip);
                QCOMPARE(h.rect.width, 735);
                QCOMPARE(h.rect.height, 615);
                QVERIFY2(h.rect.left >= 0 && h.rect.left + h.rect.width <= pageClientWidth,
                         where);
                QVERIFY2(h.rect.top >= 0 && h.rect.top + h.rect.height <= pageClientHeight,
                         where);
                QVERIFY2(!h.animal.empty(), where);
            }
            QVERIFY(cat::clipOf(page, "Command6") == cat::clipAt(firstClipIndex(page)));
            QVERIFY(cat::clipOf(page, "Command4") == cat::clipAt(firstClipIndex(page) + 1));
            QVERIFY(controls.contains("Command4") && controls.contains("Command6") &&
                    controls.contains("Command7"));
            QCOMPARE(controls.contains("Command5"), page != 8);
            QCOMPARE(controls.contains("Command8"), page == 4 || page == 6);
        }
    }

    void clipLookupIsByButtonName_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("clip");
        QTest::newRow("8 Command5 is none") << 8 << "Command5" << QString();
        QTest::newRow("1 Command8 is none") << 1 << "Command8" << QString();
        QTest::newRow("1 Command3 is none") << 1 << "Command3" << QString();
        QTest::newRow("6 Command8") << 6 << "Command8" << "6.3.m4a";
        QTest::newRow("4 Command8") << 4 << "Command8" << "4.5.m4a";
        QTest::newRow("1 Command7") << 1 << "Command7" << "1.4.M4a";
        QTest::newRow("5 Command7") << 5 << "Command7" << "5.3.m4a";
        QTest::newRow("1 Command5 keeps M") << 1 << "Command5" << "1.3.M4a";
        QTest::newRow("2 Command7 small m") << 2 << "Command7" << "2.3.m4a";
    }
    void clipLookupIsByButtonName()
    {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QString, clip);
        const auto found = cat::clipOf(page, control.toStdString());
        if (clip.isNull()) {
            QVERIFY(!found.has_value());
        } else {
            QVERIFY(found.has_value());
            QCOMPARE(text(*found), clip);
        }
    }

    void ringGoesRoundBothWays()
    {
        QCOMPARE(cat::nextPage(8), 1);
        QCOMPARE(cat::previousPage(1), 8);
        QCOMPARE(cat::pageEntry(8).next, ScreenId::Form1);
        QCOMPARE(cat::pageEntry(1).previous, ScreenId::Form8);
        for (int start = 1; start <= cat::pageCount; ++start) {
            std::set<int> seen;
            int page = start;
            for (int step = 0; step < 8; ++step) {
                seen.insert(page);
                QCOMPARE(cat::previousPage(cat::nextPage(page)), page);
                page = cat::nextPage(page);
            }
            QCOMPARE(page, start);
            QCOMPARE(int(seen.size()), 8);
        }
    }

    void screensAndPages()
    {
        for (int page = 1; page <= cat::pageCount; ++page) {
            const ScreenId screen = cat::screenOf(page);
            QCOMPARE(text(screenName(screen)), QStringLiteral("Form%1").arg(page));
            QVERIFY(cat::pageOf(screen) == page);
        }
        QVERIFY(!cat::pageOf(ScreenId::Form9).has_value());
        QVERIFY(!cat::pageOf(ScreenId::frmAbout).has_value());
        QCOMPARE(text(screenName(ScreenId::frmAbout)), "frmAbout");
        QCOMPARE(text(screenName(ScreenId::Form9)), "Form9");
    }

    void picturesSitAtTheirNaturalSizeUnlessStretched()
    {
        for (int page = 1; page <= cat::pageCount; ++page) {
            const auto &picture = cat::picturePlacement(page);
            QCOMPARE(picture.rect.height, picture.pixelHeight * 15);
            QCOMPARE(picture.rect.width == picture.pixelWidth * 15, !picture.stretch);
            QCOMPARE(picture.stretch, page == 4 || page == 6);
        }
    }

    void everyClipIsKnownOnce()
    {
        std::set<std::string_view> clips;
        for (int i = 0; i < cat::clipCount; ++i)
            clips.insert(cat::clipAt(i));
        QCOMPARE(int(clips.size()), 34);
        QCOMPARE(text(cat::clipAt(0)), "2020.mp4");
        QCOMPARE(text(cat::introClip()), "2020.mp4");
        QCOMPARE(text(cat::clipAt(1)), "1.1.M4a");
        QCOMPARE(text(cat::clipAt(33)), "8.3.m4a");
    }

private:
    static int firstClipIndex(int page)
    {
        int index = 1;
        for (int p = 1; p < page; ++p)
            index += int(cat::hotspots(p).size());
        return index;
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "catalogue_test.moc"
