#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <variant>
#include <vector>

namespace tivak::test {

// A resource's type or name: a number (ordinal) or a text.
using ResourceId = std::variant<quint16, QString>;

// One resource of a compiled Windows resource file (.res), as the resource compiler wrote it.
struct Resource
{
    ResourceId type;
    ResourceId name;
    quint16 language = 0;
    QByteArray data;
};

// The resources of a .res file, in file order. The file's leading empty entry, which only marks
// the format, is left out.
class ResourceFile
{
public:
    // Nothing when the bytes are not a well-formed .res file.
    static std::optional<ResourceFile> parse(const QByteArray &bytes);

    const std::vector<Resource> &resources() const { return resources_; }
    std::vector<Resource> ofType(quint16 type) const;
    std::optional<Resource> find(quint16 type, quint16 name) const;

private:
    std::vector<Resource> resources_;
};

// Resource types of winuser.h that the program's executable carries.
namespace resource_type {
inline constexpr quint16 icon = 3;
inline constexpr quint16 version = 16;
inline constexpr quint16 groupIcon = 14;
} // namespace resource_type

} // namespace tivak::test
