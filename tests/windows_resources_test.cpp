#include "icon_directory.h"
#include "resource_file.h"
#include "version_record.h"

#include <QFile>
#include <QTest>
#include <optional>

using namespace tivak::test;

// The resources that the Windows executable is built with, compiled from the program's resource
// script by the MinGW resource compiler: the version record Explorer shows under Properties and
// the icon it shows for the file.
class WindowsResourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyResourceIsUsEnglish();
    void versionNumbers();
    void versionStrings_data();
    void versionStrings();
    void stringsAreUsEnglishUnicodeOnly();
    void productNameIsStoredAsUtf16();
    void executableIconIsTheApplicationIcon();
    void truncatedFilesAreRejected_data();
    void truncatedFilesAreRejected();

private:
    static constexpr quint16 usEnglish = 0x0409;
    static constexpr quint16 unicodeCodePage = 1200;

    static QByteArray readFile(const QString &path);
    std::map<QString, QString> usEnglishStrings() const;

    QByteArray resourceBytes_;
    std::optional<ResourceFile> resources_;
    std::optional<VersionRecord> version_;
};

QByteArray WindowsResourcesTest::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::map<QString, QString> WindowsResourcesTest::usEnglishStrings() const
{
    const auto table = version_->stringTables.find(QStringLiteral("040904B0"));
    return table == version_->stringTables.end() ? std::map<QString, QString>{} : table->second;
}

void WindowsResourcesTest::initTestCase()
{
    resourceBytes_ = readFile(QStringLiteral(TIVAK_COMPILED_RESOURCES));
    QVERIFY2(!resourceBytes_.isEmpty(), TIVAK_COMPILED_RESOURCES);
    resources_ = ResourceFile::parse(resourceBytes_);
    QVERIFY(resources_);

    const std::vector<Resource> versions = resources_->ofType(resource_type::version);
    QCOMPARE(versions.size(), 1u);
    version_ = VersionRecord::parse(versions.front().data);
    QVERIFY(version_);
}

void WindowsResourcesTest::everyResourceIsUsEnglish()
{
    QVERIFY(!resources_->resources().empty());
    for (const Resource &resource : resources_->resources())
        QCOMPARE(resource.language, usEnglish);
}

void WindowsResourcesTest::versionNumbers()
{
    const std::array<quint16, 4> oneZeroZeroZero{1, 0, 0, 0};
    QCOMPARE(version_->signature, VersionRecord::fixedInfoSignature);
    QCOMPARE(version_->fileVersion, oneZeroZeroZero);
    QCOMPARE(version_->productVersion, oneZeroZeroZero);
    QCOMPARE(version_->fileType, VersionRecord::applicationFileType);
}

void WindowsResourcesTest::versionStrings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("wholeText"); // else the text only has to contain the expected words

    const QString makers = QStringLiteral(u"t\u00EEvak makers");
    QTest::newRow("file version") << "FileVersion"
                                  << "1.00" << true;
    QTest::newRow("product version") << "ProductVersion"
                                     << "1.00" << true;
    QTest::newRow("product name") << "ProductName" << QStringLiteral(u"t\u00EEvak") << true;
    QTest::newRow("internal name") << "InternalName"
                                   << "Tivak" << true;
    QTest::newRow("original file name") << "OriginalFilename"
                                        << "Tivak.exe" << true;
    QTest::newRow("company") << "CompanyName" << makers << false;
    QTest::newRow("comments") << "Comments" << makers << false;
    QTest::newRow("rights") << "LegalCopyright" << makers << false;
}

void WindowsResourcesTest::versionStrings()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFETCH(bool, wholeText);

    const std::map<QString, QString> strings = usEnglishStrings();
    const auto found = strings.find(name);
    QVERIFY2(found != strings.end(), qPrintable(name));
    if (wholeText)
        QCOMPARE(found->second, expected);
    else
        QVERIFY2(found->second.contains(expected), qPrintable(found->second));
}

void WindowsResourcesTest::stringsAreUsEnglishUnicodeOnly()
{
    QCOMPARE(version_->stringTables.size(), 1u);
    QCOMPARE(version_->stringTables.begin()->first, QStringLiteral("040904B0"));
    const std::vector<Translation> usEnglishUnicode{{usEnglish, unicodeCodePage}};
    QCOMPARE(version_->translations, usEnglishUnicode);
}

// Read straight from the compiled bytes, so that a wrong source encoding (the UTF-8 bytes of "î"
// taken as two Latin-1 characters) shows even if the record's parser were wrong as well.
void WindowsResourcesTest::productNameIsStoredAsUtf16()
{
    const QByteArray tivakInUtf16("t\0\xEE\0v\0a\0k\0\0\0", 12);
    const QByteArray tivakFromMisreadUtf8("t\0\xC3\0\xAE\0v\0a\0k\0", 12);
    QVERIFY(resourceBytes_.contains(tivakInUtf16));
    QVERIFY(!resourceBytes_.contains(tivakFromMisreadUtf8));
}

void WindowsResourcesTest::executableIconIsTheApplicationIcon()
{
    const std::optional<IconDirectory> iconFile =
        IconDirectory::parseIconFile(readFile(QStringLiteral(TIVAK_APPLICATION_ICON)));
    QVERIFY(iconFile);
    QCOMPARE(iconFile->images().size(), 1u);
    const IconImage &expected = iconFile->images().front();
    QCOMPARE(expected.width, 128);
    QCOMPARE(expected.height, 128);
    QCOMPARE(expected.bitCount, 32);

    // Windows shows the first group icon of an executable as its icon.
    const std::vector<Resource> groups = resources_->ofType(resource_type::groupIcon);
    QCOMPARE(groups.size(), 1u);
    const std::optional<IconDirectory> group = IconDirectory::parseGroupIcon(groups.front().data);
    QVERIFY(group);
    QCOMPARE(group->images().size(), 1u);
    const IconImage &listed = group->images().front();
    QCOMPARE(listed.width, expected.width);
    QCOMPARE(listed.height, expected.height);
    QCOMPARE(listed.bitCount, expected.bitCount);
    QCOMPARE(listed.byteCount, expected.byteCount);

    const std::optional<Resource> image = resources_->find(resource_type::icon, listed.resourceId);
    QVERIFY(image);
    QVERIFY(image->data == expected.data);
}

void WindowsResourcesTest::truncatedFilesAreRejected_data()
{
    QTest::addColumn<double>("keptShare"); // negative: all but the last eight bytes
    QTest::newRow("inside the first resource") << 0.01;
    QTest::newRow("half") << 0.5;
    QTest::newRow("end of the last resource") << -1.0;
}

void WindowsResourcesTest::truncatedFilesAreRejected()
{
    QFETCH(double, keptShare);
    const qsizetype kept = keptShare < 0 ? resourceBytes_.size() - 8
                                         : qsizetype(double(resourceBytes_.size()) * keptShare);
    QVERIFY(!ResourceFile::parse(resourceBytes_.left(kept)));
}

QTEST_GUILESS_MAIN(WindowsResourcesTest)
#include "windows_resources_test.moc"
