#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace tivak::test {

// One image listed in an icon directory.
struct IconImage
{
    int width = 0;  // pixels; a stored 0 means 256
    int height = 0; // pixels; a stored 0 means 256
    quint16 bitCount = 0;
    quint32 byteCount = 0;
    quint16 resourceId = 0; // in an executable's group icon: the RT_ICON resource holding the image
    QByteArray data;        // in an .ico file: the image itself
};

// The directory of an icon: of an .ico file, or of the group icon resource (RT_GROUP_ICON) that
// a resource compiler makes from one. Both list the same images; a group icon points to RT_ICON
// resources where the file holds the image bytes.
class IconDirectory
{
public:
    // Nothing when the bytes are not an icon directory of that kind.
    static std::optional<IconDirectory> parseIconFile(const QByteArray &bytes);
    static std::optional<IconDirectory> parseGroupIcon(const QByteArray &bytes);

    const std::vector<IconImage> &images() const { return images_; }

private:
    std::vector<IconImage> images_;
};

} // namespace tivak::test
