#include "catalogue.h"
#include "picture_asset.h"
#include "picture_headers.h"

#include <QImage>
#include <QTest>

using namespace tivak;

Q_DECLARE_METATYPE(tivak::PictureRole)

namespace {

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
};

QTEST_GUILESS_MAIN(PictureAssetTest)
#include "picture_asset_test.moc"
