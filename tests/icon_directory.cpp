#include "icon_directory.h"

#include "little_endian_reader.h"

namespace tivak::test {

namespace {

constexpr quint16 iconResourceType = 1; // as opposed to 2, a cursor

int pixels(quint8 stored)
{
    return stored == 0 ? 256 : stored;
}

// The header both kinds share: reserved, type, image count.
std::optional<quint16> readImageCount(LittleEndianReader &reader)
{
    const auto reserved = reader.read16();
    const auto type = reader.read16();
    const auto count = reader.read16();
    if (!reserved || !type || !count || *reserved != 0 || *type != iconResourceType)
        return std::nullopt;
    return count;
}

// The entry fields both kinds share: width, height, colours, reserved, planes, bits, bytes.
std::optional<IconImage> readImageEntry(LittleEndianReader &reader)
{
    const auto width = reader.read8();
    const auto height = reader.read8();
    reader.skip(2); // colour count and reserved
    reader.skip(2); // planes
    const auto bitCount = reader.read16();
    const auto byteCount = reader.read32();
    if (!width || !height || !bitCount || !byteCount)
        return std::nullopt;
    return IconImage{pixels(*width), pixels(*height), *bitCount, *byteCount, 0, {}};
}

} // namespace

std::optional<IconDirectory> IconDirectory::parseIconFile(const QByteArray &bytes)
{
    LittleEndianReader reader(bytes);
    const std::optional<quint16> count = readImageCount(reader);
    if (!count)
        return std::nullopt;
    IconDirectory directory;
    for (quint16 i = 0; i < *count; ++i) {
        std::optional<IconImage> image = readImageEntry(reader);
        const auto offset = reader.read32();
        if (!image || !offset || qsizetype(*offset) + qsizetype(image->byteCount) > bytes.size())
            return std::nullopt;
        image->data = bytes.mid(qsizetype(*offset), qsizetype(image->byteCount));
        directory.images_.push_back(std::move(*image));
    }
    return directory;
}

std::optional<IconDirectory> IconDirectory::parseGroupIcon(const QByteArray &bytes)
{
    LittleEndianReader reader(bytes);
    const std::optional<quint16> count = readImageCount(reader);
    if (!count)
        return std::nullopt;
    IconDirectory directory;
    for (quint16 i = 0; i < *count; ++i) {
        std::optional<IconImage> image = readImageEntry(reader);
        const auto id = reader.read16();
        if (!image || !id)
            return std::nullopt;
        image->resourceId = *id;
        directory.images_.push_back(std::move(*image));
    }
    return directory;
}

} // namespace tivak::test
