#include "picture_asset.h"

#include <QResource>
#include <array>

namespace tivak {
namespace {

struct StoredFile
{
    const char *path;
    PictureFormat format;
};

// Indexed by PictureRole. The files are embedded uncompressed, so their bytes can be shared.
constexpr std::array<StoredFile, pictureRoleCount> storedFiles{{
    {":/assets/start.jpg", PictureFormat::Jpeg},
    {":/assets/page1.jpg", PictureFormat::Jpeg},
    {":/assets/page2.jpg", PictureFormat::Jpeg},
    {":/assets/page3.jpg", PictureFormat::Jpeg},
    {":/assets/page4.jpg", PictureFormat::Jpeg},
    {":/assets/page5.jpg", PictureFormat::Jpeg},
    {":/assets/page6.jpg", PictureFormat::Jpeg},
    {":/assets/page7.jpg", PictureFormat::Jpeg},
    {":/assets/page8.jpg", PictureFormat::Jpeg},
    {":/assets/credits.jpg", PictureFormat::Jpeg},
    {":/assets/farm_group.jpg", PictureFormat::Jpeg},
    {":/assets/farmyard.jpg", PictureFormat::Jpeg},
    {":/assets/application.ico", PictureFormat::Icon},
    {":/assets/page_window.ico", PictureFormat::Icon},
    {":/assets/about_window.ico", PictureFormat::Icon},
    {":/assets/start_glyph.ico", PictureFormat::Icon},
    {":/assets/speaker_glyph.ico", PictureFormat::Icon},
    {":/assets/next_glyph.ico", PictureFormat::Icon},
    {":/assets/previous_glyph.ico", PictureFormat::Icon},
    {":/assets/close_glyph.ico", PictureFormat::Icon},
}};

} // namespace

PictureAsset pictureAsset(PictureRole role)
{
    const StoredFile &file = storedFiles[static_cast<std::size_t>(role)];
    const QResource resource(QString::fromLatin1(file.path));
    const auto *data = reinterpret_cast<const char *>(resource.data());
    return {QByteArray::fromRawData(data, static_cast<qsizetype>(resource.size())), file.format};
}

} // namespace tivak
