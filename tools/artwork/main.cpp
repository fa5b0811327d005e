// Draws every picture and icon of the book into a folder (normally assets/):
//     tivak_artwork <output folder> [<preview folder>]
// The same sources always give the same files, byte for byte.

#include "drawing_library.h"
#include "icon_images.h"
#include "page_picture.h"
#include "picture_files.h"
#include "preview_sheets.h"
#include "scene_pictures.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <map>

namespace {

using namespace tivak::artwork;

constexpr const char *letteringFontFile = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf";

std::map<QString, QByteArray> allAssets(const DrawingLibrary &drawings)
{
    std::map<QString, QByteArray> files{
        {"start.jpg", jpegFile(startPicture(drawings))},
        {"credits.jpg", jpegFile(creditsPicture())},
        {"farm_group.jpg", jpegFile(farmGroupPicture(drawings))},
        {"farmyard.jpg", jpegFile(farmyardPicture(drawings))},
        {"application.ico", applicationIcon(drawings)},
        {"page_window.ico", pageWindowIcon(drawings)},
        {"about_window.ico", aboutWindowIcon()},
        {"start_glyph.ico", startGlyph()},
        {"speaker_glyph.ico", speakerGlyph()},
        {"next_glyph.ico", nextGlyph()},
        {"previous_glyph.ico", previousGlyph()},
        {"close_glyph.ico", closeGlyph()},
    };
    for (int page = 1; page <= 8; ++page)
        files[QStringLiteral("page%1.jpg").arg(page)] = jpegFile(pagePicture(page, drawings));
    return files;
}

void writeFile(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2)
        qFatal("usage: tivak_artwork <output folder> [<preview folder>]");
    if (QFontDatabase::addApplicationFont(QString::fromLatin1(letteringFontFile)) < 0)
        qFatal("the lettering font %s is missing (Debian package fonts-comic-neue)",
               letteringFontFile);

    const DrawingLibrary drawings(QDir(QStringLiteral(TIVAK_ARTWORK_SOURCE_DIR)));
    const QDir output(arguments[1]);
    const auto files = allAssets(drawings);
    for (const auto &[name, bytes] : files)
        writeFile(output, name, bytes);
    if (arguments.size() > 2)
        writePreviewSheets(QDir(arguments[2]), files);
    return 0;
}
