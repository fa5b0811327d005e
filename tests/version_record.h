#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <map>
#include <optional>
#include <vector>

namespace tivak::test {

// A language and code page pair of the record's "Translation" value.
struct Translation
{
    quint16 language = 0;
    quint16 codePage = 0;
    friend bool operator==(const Translation &, const Translation &) = default;
};

// The version record of a Windows executable (the RT_VERSION resource, a VS_VERSIONINFO tree):
// its fixed numbers and its strings, block by block.
class VersionRecord
{
public:
    // Nothing when the bytes are not a VS_VERSIONINFO tree.
    static std::optional<VersionRecord> parse(const QByteArray &bytes);

    static constexpr quint32 fixedInfoSignature = 0xFEEF04BD;
    static constexpr quint32 applicationFileType = 1; // VFT_APP

    quint32 signature = 0;
    std::array<quint16, 4> fileVersion{};
    std::array<quint16, 4> productVersion{};
    quint32 fileType = 0;
    // String tables by block name ("040904B0"), each from value name to text.
    std::map<QString, std::map<QString, QString>> stringTables;
    std::vector<Translation> translations;
};

} // namespace tivak::test
