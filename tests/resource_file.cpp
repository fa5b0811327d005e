#include "resource_file.h"

#include "little_endian_reader.h"

namespace tivak::test {

namespace {

// A type or name field: 0xFFFF then the ordinal, or a zero-terminated UTF-16 text.
std::optional<ResourceId> readId(LittleEndianReader &reader)
{
    const std::optional<quint16> first = reader.peek16();
    if (!first)
        return std::nullopt;
    if (*first == 0xFFFF) {
        reader.skip(2);
        if (const std::optional<quint16> ordinal = reader.read16())
            return ResourceId(*ordinal);
        return std::nullopt;
    }
    if (std::optional<QString> text = reader.readText())
        return ResourceId(std::move(*text));
    return std::nullopt;
}

std::optional<Resource> readResource(LittleEndianReader &reader)
{
    const qsizetype start = reader.position();
    const auto dataSize = reader.read32();
    const auto headerSize = reader.read32();
    if (!dataSize || !headerSize)
        return std::nullopt;
    Resource resource;
    auto type = readId(reader);
    auto name = readId(reader);
    if (!type || !name)
        return std::nullopt;
    resource.type = std::move(*type);
    resource.name = std::move(*name);
    reader.alignTo4();
    reader.skip(4); // data version
    reader.skip(2); // memory flags
    const auto language = reader.read16();
    if (!language)
        return std::nullopt;
    resource.language = *language;

    reader.seek(start + qsizetype(*headerSize));
    auto data = reader.readBytes(qsizetype(*dataSize));
    if (!data)
        return std::nullopt;
    resource.data = std::move(*data);
    reader.alignTo4();
    return resource;
}

bool isLeadingMarker(const Resource &resource)
{
    return resource.data.isEmpty() && resource.type == ResourceId(quint16(0)) &&
           resource.name == ResourceId(quint16(0));
}

} // namespace

std::optional<ResourceFile> ResourceFile::parse(const QByteArray &bytes)
{
    LittleEndianReader reader(bytes);
    ResourceFile file;
    while (!reader.atEnd()) {
        std::optional<Resource> resource = readResource(reader);
        if (!resource)
            return std::nullopt;
        if (!isLeadingMarker(*resource))
            file.resources_.push_back(std::move(*resource));
    }
    return file;
}

std::vector<Resource> ResourceFile::ofType(quint16 type) const
{
    std::vector<Resource> found;
    for (const Resource &resource : resources_)
        if (resource.type == ResourceId(type))
            found.push_back(resource);
    return found;
}

std::optional<Resource> ResourceFile::find(quint16 type, quint16 name) const
{
    for (const Resource &resource : resources_)
        if (resource.type == ResourceId(type) && resource.name == ResourceId(name))
            return resource;
    return std::nullopt;
}

} // namespace tivak::test
