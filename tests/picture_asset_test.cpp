#include "catalogue.h"
#include "page_window.h"
#include "picture_asset.h"
#include "picture_headers.h"

#include <QImage>
#include <QTest>
#include <algorithm>
#include <cstdlib>

using namespace tivak;

Q_DECLARE_METATYPE(tivak::PictureRole)
Q_DECLARE_METATYPE(tivak::Rect)

namespace {

constexpr int twipsPerPixel = 15;
// JPEG noise aside, a pixel counts as drawn when any channel is clearly darker than white.
constexpr int drawnBelow = 215;
// An animal is beside its button when, along a good part of one edge of the button, its
// drawing or its name comes within this reach (in on-screen pixels).
constexpr int besideReach = 18;
constexpr double besideShare = 0.45;
// A glyph stands out on the light grey face of a push button when most of it is this much darker
// (or brighter) than the face, in grey levels.
constexpr int buttonFaceGrey = 0xef;
constexpr int standsOutBy = 80;
constexpr double standsOutShare = 0.5;
// Nothing is drawn this close (in picture pixels) to the window's edges or its bottom buttons.
constexpr int windowMargin = 8;

bool drawn(QRgb pixel)
{
    return qRed(pixel) < drawnBelow || qGreen(pixel) < drawnBelow || qBlue(pixel) < drawnBelow;
}

// Share of drawn pixels in area.
double drawnShare(const QImage &image, const QRect &area)
{
    const QRect inside = area.intersected(image.rect());
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += drawn(image.pixel(x, y)) ? 1 : 0;
    }
    return inside.isEmpty() ? 0 : double(count) / (inside.width() * inside.height());
}

// Share of the lines across strip (rows, or columns when acrossColumns) that hold a drawn pixel.
double linesTouched(const QImage &image, const QRect &strip, bool acrossColumns)
{
    const QRect inside = strip.intersected(image.rect());
    const int lines = acrossColumns ? strip.width() : strip.height();
    int touched = 0;
    for (int line = 0; line < (acrossColumns ? inside.width() : inside.height()); ++line) {
        bool hit = false;
        for (int step = 0; step < (acrossColumns ? inside.height() : inside.width()) && !hit;
             ++step) {
            const QPoint point = acrossColumns ? QPoint(inside.left() + line, inside.top() + step)
                                               : QPoint(inside.left() + step, inside.top() + line);
            hit = drawn(image.pixel(point));
        }
        touched += hit ? 1 : 0;
    }
    return lines == 0 ? 0 : double(touched) / lines;
}

// A rect given in twips on the page window, in pixels of the page's stored picture.
QRect inPicturePixels(int page, const Rect &rect)
{
    const auto &placement = catalogue::picturePlacement(page);
    const double scaleX = double(placement.pixelWidth) / placement.rect.width;
    const double scaleY = double(placement.pixelHeight) / placement.rect.height;
    return QRect(qRound((rect.left - placement.rect.left) * scaleX),
                 qRound((rect.top - placement.rect.top) * scaleY), qRound(rect.width * scaleX),
                 qRound(rect.height * scaleY));
}

// The smallest rect that holds every drawn pixel of the image.
QRect drawnBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (drawn(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QImage pageImage(int page)
{
    return QImage::fromData(pictureAsset(pagePicture(page)).bytes, "JPEG");
}

// Share of the glyph's visible pixels whose grey level stands well apart from the button face.
double standsOutOnButtonFace(const QImage &glyph)
{
    const QImage argb = glyph.convertToFormat(QImage::Format_ARGB32);
    int visible = 0;
    int apart = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) < 128)
                continue;
            ++visible;
            apart += std::abs(qGray(pixel) - buttonFaceGrey) >= standsOutBy ? 1 : 0;
        }
    }
    return visible == 0 ? 0 : double(apart) / visible;
}

void addPicture(const char *name, PictureRole role, int width, int height)
{
    QTest::newRow(name) << role << width << height;
}

void addIcon(const char *name, PictureRole role, int size, int bitCount, int fileBytes)
{
    QTest::newRow(name) << role << size << bitCount << fileBytes;
}

} // namespace

class PictureAssetTest : public QObject
{
    Q_OBJECT

private slots:
    void picturesAreBaselineColourJfif_data()
    {
        QTest::addColumn<PictureRole>("role");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        addPicture("start picture", PictureRole::StartPicture, 874, 559);
        for (int page = 1; page <= catalogue::pageCount; ++page) {
            const auto &placement = catalogue::picturePlacement(page);
            QTest::addRow("page picture %d", page)
                << pagePicture(page) << placement.pixelWidth << placement.pixelHeight;
        }
        addPicture("credits picture", PictureRole::CreditsPicture, 829, 464);
        addPicture("farm group picture", PictureRole::FarmGroupPicture, 626, 595);
        addPicture("farmyard picture", PictureRole::FarmyardPicture, 626, 463);
    }
    void picturesAreBaselineColourJfif()
    {
        QFETCH(PictureRole, role);
        QFETCH(int, width);
        QFETCH(int, height);
        const PictureAsset asset = pictureAsset(role);
        QCOMPARE(asset.format, PictureFormat::Jpeg);
        const auto header = test::readJpegHeader(asset.bytes);
        QVERIFY(header.has_value());
        QVERIFY(header->jfif);
        QVERIFY(header->baseline);
        QCOMPARE(header->precision, 8);
        QCOMPARE(header->components, 3);
        QCOMPARE(header->width, width);
        QCOMPARE(header->height, height);
        QCOMPARE(QImage::fromData(asset.bytes, "JPEG").size(), QSize(width, height));
    }

    void iconsHoldOneImageOfTheirSizeAndDepth_data()
    {
        QTest::addColumn<PictureRole>("role");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("bitCount");
        QTest::addColumn<int>("fileBytes");
        addIcon("application icon", PictureRole::ApplicationIcon, 128, 32, 67646);
        addIcon("page window icon", PictureRole::PageWindowIcon, 128, 32, 67646);
        addIcon("about window icon", PictureRole::AboutWindowIcon, 32, 4, 766);
        addIcon("start glyph", PictureRole::StartGlyph, 32, 4, 766);
        addIcon("speaker glyph", PictureRole::SpeakerGlyph, 32, 8, 2238);
        addIcon("next glyph", PictureRole::NextGlyph, 32, 8, 2238);
        addIcon("previous glyph", PictureRole::PreviousGlyph, 32, 8, 2238);
        addIcon("close glyph", PictureRole::CloseGlyph, 32, 4, 766);
    }
    void iconsHoldOneImageOfTheirSizeAndDepth()
    {
        QFETCH(PictureRole, role);
        QFETCH(int, size);
        QFETCH(int, bitCount);
        QFETCH(int, fileBytes);
        const PictureAsset asset = pictureAsset(role);
        QCOMPARE(asset.format, PictureFormat::Icon);
        const auto header = test::readIconHeader(asset.bytes);
        QVERIFY(header.has_value());
        QCOMPARE(header->imageCount, 1);
        QCOMPARE(header->entryWidth, size);
        QCOMPARE(header->entryHeight, size);
        QCOMPARE(header->entryBitCount, bitCount);
        QVERIFY(header->entryInsideFile);
        QCOMPARE(header->bitmapWidth, size);
        QCOMPARE(header->bitmapHeight, 2 * size);
        QCOMPARE(header->bitmapBitCount, bitCount);
        // Colour rows, palette and mask of exactly this depth and nothing else.
        QCOMPARE(asset.bytes.size(), fileBytes);
        QCOMPARE(QImage::fromData(asset.bytes, "ICO").size(), QSize(size, size));
    }

    void buttonGlyphsStandOutOnTheButtonFace_data()
    {
        QTest::addColumn<PictureRole>("role");
        QTest::newRow("start glyph") << PictureRole::StartGlyph;
        QTest::newRow("speaker glyph") << PictureRole::SpeakerGlyph;
        QTest::newRow("next glyph") << PictureRole::NextGlyph;
        QTest::newRow("previous glyph") << PictureRole::PreviousGlyph;
        QTest::newRow("close glyph") << PictureRole::CloseGlyph;
    }
    void buttonGlyphsStandOutOnTheButtonFace()
    {
        QFETCH(PictureRole, role);
        const QImage glyph = QImage::fromData(pictureAsset(role).bytes, "ICO");
        QVERIFY(!glyph.isNull());
        // A pale glyph reads as a greyed-out button that cannot be pressed.
        QCOMPARE_GE(standsOutOnButtonFace(glyph), standsOutShare);
    }

    void everyRoleSharesOneEmbeddedCopy_data()
    {
        QTest::addColumn<PictureRole>("role");
        for (int index = 0; index < pictureRoleCount; ++index) {
            const auto role = static_cast<PictureRole>(index);
            QTest::addRow("role %d", index) << role;
        }
    }
    void everyRoleSharesOneEmbeddedCopy()
    {
        QFETCH(PictureRole, role);
        const PictureAsset first = pictureAsset(role);
        const PictureAsset second = pictureAsset(role);
        QVERIFY(!first.bytes.isEmpty());
        QCOMPARE(first.bytes.constData(), second.bytes.constData());
        for (int other = 0; other < pictureRoleCount; ++other) {
            if (static_cast<PictureRole>(other) != role)
                QVERIFY(pictureAsset(static_cast<PictureRole>(other)).bytes != first.bytes);
        }
    }

    void everySpeakerSitsBesideItsAnimal_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<Rect>("button");
        for (int page = 1; page <= catalogue::pageCount; ++page) {
            for (const auto &hotspot : catalogue::hotspots(page)) {
                QTest::addRow("page %d %s", page, hotspot.animal.data()) << page << hotspot.rect;
            }
        }
    }
    void everySpeakerSitsBesideItsAnimal()
    {
        QFETCH(int, page);
        QFETCH(Rect, button);
        const QImage picture = pageImage(page);
        QVERIFY(!picture.isNull());
        // The button covers nothing of the drawing...
        QCOMPARE_LT(drawnShare(picture, inPicturePixels(page, button)), 0.02);
        // ...and along one of its edges the animal or its name is right there.
        const int reach = besideReach * twipsPerPixel;
        const int right = button.left + button.width;
        const int bottom = button.top + button.height;
        const double besideness = std::max({
            linesTouched(picture, inPicturePixels(page, {right, button.top, reach, button.height}),
                         false),
            linesTouched(
                picture,
                inPicturePixels(page, {button.left - reach, button.top, reach, button.height}),
                false),
            linesTouched(picture, inPicturePixels(page, {button.left, bottom, button.width, reach}),
                         true),
            linesTouched(
                picture,
                inPicturePixels(page, {button.left, button.top - reach, button.width, reach}),
                true),
        });
        QCOMPARE_GE(besideness, besideShare);
    }

    void everyAnimalLiesInsideTheWindow_data()
    {
        QTest::addColumn<int>("page");
        for (int page = 1; page <= catalogue::pageCount; ++page)
            QTest::addRow("page %d", page) << page;
    }
    void everyAnimalLiesInsideTheWindow()
    {
        QFETCH(int, page);
        const QImage picture = pageImage(page);
        QVERIFY(!picture.isNull());
        // Pictures that start or end beyond the window's edges are cut off there.
        const QRect shown =
            inPicturePixels(page, {0, 0, page_window::clientWidth, page_window::clientHeight})
                .adjusted(windowMargin, windowMargin, -windowMargin, -windowMargin)
                .intersected(picture.rect());
        const QRect drawing = drawnBounds(picture);
        QVERIFY(!drawing.isEmpty());
        QVERIFY2(shown.contains(drawing),
                 qPrintable(QStringLiteral("drawn %1,%2 to %3,%4; shown %5,%6 to %7,%8")
                                .arg(drawing.left())
                                .arg(drawing.top())
                                .arg(drawing.right())
                                .arg(drawing.bottom())
                                .arg(shown.left())
                                .arg(shown.top())
                                .arg(shown.right())
                                .arg(shown.bottom())));
    }

    void windowButtonsCoverNothingDrawn_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<Rect>("button");
        const std::pair<const char *, Rect> buttons[] = {{"next", page_window::nextButton},
                                                         {"previous", page_window::previousButton},
                                                         {"close", page_window::closeButton}};
        for (int page = 1; page <= catalogue::pageCount; ++page) {
            for (const auto &[name, rect] : buttons)
                QTest::addRow("page %d %s", page, name) << page << rect;
        }
    }
    void windowButtonsCoverNothingDrawn()
    {
        QFETCH(int, page);
        QFETCH(Rect, button);
        const QImage picture = pageImage(page);
        QVERIFY(!picture.isNull());
        const QRect around =
            inPicturePixels(page, button)
                .adjusted(-windowMargin, -windowMargin, windowMargin, windowMargin);
        QCOMPARE(drawnShare(picture, around), 0.0);
    }
};

QTEST_GUILESS_MAIN(PictureAssetTest)
#include "picture_asset_test.moc"
