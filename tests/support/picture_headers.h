#pragma once

#include <QByteArray>
#include <QtEndian>
#include <optional>

// Readers of the headers of the picture files the program embeds, straight from the bytes, so
// that a test sees what a strict decoder would see rather than what a forgiving one makes of it.
namespace tivak::test {

// What the frame header of a JPEG file says, and which markers came before it.
struct JpegHeader
{
    bool jfif = false;     // an APP0 "JFIF" segment right after the start of image
    bool baseline = false; // the frame is SOF0 (baseline DCT), not progressive or extended
    int precision = 0;
    int width = 0;
    int height = 0;
    int components = 0;
};

// What the directory and the bitmap header of a Windows icon file say.
struct IconHeader
{
    int imageCount = 0;
    int entryWidth = 0; // 0 in the directory means 256
    int entryHeight = 0;
    int entryBitCount = 0;
    bool entryInsideFile = false; // the image's offset and size lie within the file
    int bitmapWidth = 0;
    int bitmapHeight = 0; // colour rows and mask rows together: twice the icon's height
    int bitmapBitCount = 0;
};

inline int bigEndian16(const QByteArray &bytes, qsizetype at)
{
    return qFromBigEndian<quint16>(bytes.constData() + at);
}

inline std::optional<JpegHeader> readJpegHeader(const QByteArray &bytes)
{
    if (bytes.size() < 4 || bytes.left(2) != QByteArray("\xFF\xD8", 2))
        return std::nullopt;
    JpegHeader header;
    header.jfif =
        bytes.mid(2, 2) == QByteArray("\xFF\xE0", 2) && bytes.mid(6, 5) == QByteArray("JFIF\0", 5);
    qsizetype at = 2;
    while (at + 4 <= bytes.size() && static_cast<quint8>(bytes[at]) == 0xFF) {
        const auto marker = static_cast<quint8>(bytes[at + 1]);
        const int length = bigEndian16(bytes, at + 2);
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (at + 10 > bytes.size())
                return std::nullopt;
            header.baseline = marker == 0xC0;
            header.precision = static_cast<quint8>(bytes[at + 4]);
            header.height = bigEndian16(bytes, at + 5);
            header.width = bigEndian16(bytes, at + 7);
            header.components = static_cast<quint8>(bytes[at + 9]);
            return header;
        }
        at += 2 + length;
    }
    return std::nullopt;
}

inline std::optional<IconHeader> readIconHeader(const QByteArray &bytes)
{
    constexpr qsizetype directorySize = 6 + 16;
    if (bytes.size() < directorySize + 40)
        return std::nullopt;
    const auto *data = bytes.constData();
    if (qFromLittleEndian<quint16>(data) != 0 || qFromLittleEndian<quint16>(data + 2) != 1)
        return std::nullopt;
    IconHeader header;
    header.imageCount = qFromLittleEndian<quint16>(data + 4);
    header.entryWidth = static_cast<quint8>(bytes[6]);
    header.entryHeight = static_cast<quint8>(bytes[7]);
    header.entryBitCount = qFromLittleEndian<quint16>(data + 6 + 6);
    const quint32 imageSize = qFromLittleEndian<quint32>(data + 6 + 8);
    const quint32 imageOffset = qFromLittleEndian<quint32>(data + 6 + 12);
    header.entryInsideFile =
        imageOffset >= directorySize && imageOffset + imageSize <= bytes.size();
    if (!header.entryInsideFile || qFromLittleEndian<quint32>(data + imageOffset) != 40)
        return header;
    header.bitmapWidth = qFromLittleEndian<qint32>(data + imageOffset + 4);
    header.bitmapHeight = qFromLittleEndian<qint32>(data + imageOffset + 8);
    header.bitmapBitCount = qFromLittleEndian<quint16>(data + imageOffset + 14);
    return header;
}

} // namespace tivak::test
