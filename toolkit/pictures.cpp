#include "pictures.h"

#include "picture_asset.h"

#include <QPixmapCache>

namespace tivak::pictures {

namespace {
// Room for every picture of the book at once, so that a screen created again finds its picture
// already decoded.
constexpr int cacheKilobytes = 64 * 1024;
} // namespace

QPixmap pixmap(PictureRole role)
{
    if (QPixmapCache::cacheLimit() < cacheKilobytes)
        QPixmapCache::setCacheLimit(cacheKilobytes);
    const QString key = QStringLiteral("tivak-picture-%1").arg(static_cast<int>(role));
    QPixmap decoded;
    if (QPixmapCache::find(key, &decoded))
        return decoded;
    const PictureAsset asset = pictureAsset(role);
    decoded.loadFromData(asset.bytes, asset.format == PictureFormat::Jpeg ? "JPG" : "ICO");
    QPixmapCache::insert(key, decoded);
    return decoded;
}

QIcon icon(PictureRole role)
{
    return QIcon(pixmap(role));
}

} // namespace tivak::pictures
