#include "picture_files.h"

#include <QBuffer>
#include <QDataStream>
#include <QImageWriter>

namespace tivak::artwork {
namespace {

constexpr int jpegQuality = 90;
constexpr quint32 bitmapHeaderSize = 40;
constexpr quint32 iconHeaderSize = 6 + 16;

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

bool opaque(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

// The mask says which pixels are see-through: one bit a pixel, rows bottom up.
void writeMask(QDataStream &out, const QImage &argb)
{
    for (int y = argb.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes(argb.width(), 1), '\0');
        for (int x = 0; x < argb.width(); ++x) {
            if (!opaque(argb.pixel(x, y)))
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(row.constData(), static_cast<int>(row.size()));
    }
}

void writeTrueColour(QDataStream &out, const QImage &argb)
{
    for (int y = argb.height() - 1; y >= 0; --y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            out << quint8(qBlue(pixel)) << quint8(qGreen(pixel)) << quint8(qRed(pixel))
                << quint8(qAlpha(pixel));
        }
    }
}

// Palette entries, then the pixels as palette indexes packed into rows, bottom up.
void writeIndexed(QDataStream &out, const QImage &argb, int bits, QList<QRgb> palette)
{
    // Entry 0 is black: with the mask bit set, a black pixel lets the background through.
    palette.prepend(qRgb(0, 0, 0));
    palette.resize(1 << bits, qRgb(0, 0, 0));
    for (QRgb colour : palette)
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    const QImage indexed = argb.convertToFormat(QImage::Format_RGB32)
                               .convertToFormat(QImage::Format_Indexed8, palette,
                                                Qt::ThresholdDither | Qt::AvoidDither);
    const int perByte = 8 / bits;
    for (int y = argb.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes(argb.width(), bits), '\0');
        for (int x = 0; x < argb.width(); ++x) {
            const int index = opaque(argb.pixel(x, y)) ? indexed.pixelIndex(x, y) : 0;
            const int shift = (perByte - 1 - x % perByte) * bits;
            row[x / perByte] = static_cast<char>(row[x / perByte] | (index << shift));
        }
        out.writeRawData(row.constData(), static_cast<int>(row.size()));
    }
}

} // namespace

QByteArray jpegFile(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(jpegQuality);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    // A colour format keeps the file in three components even for black lettering on white.
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        qFatal("cannot encode a JPEG: %s", qPrintable(writer.errorString()));
    return bytes;
}

QByteArray iconFile(const QImage &image, IconDepth depth, const QList<QRgb> &palette)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int bits = static_cast<int>(depth);
    const int colours = depth == IconDepth::Colours16 ? 16 : 0;
    const quint32 paletteBytes = depth == IconDepth::TrueColour ? 0 : (4u << bits);
    const auto pixelBytes = static_cast<quint32>(rowBytes(argb.width(), bits) * argb.height());
    const auto maskBytes = static_cast<quint32>(rowBytes(argb.width(), 1) * argb.height());
    const quint32 imageBytes = bitmapHeaderSize + paletteBytes + pixelBytes + maskBytes;

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // Icon directory with its one entry; a size of 256 would be written as 0.
    out << quint16(0) << quint16(1) << quint16(1);
    out << quint8(argb.width() % 256) << quint8(argb.height() % 256) << quint8(colours) << quint8(0)
        << quint16(1) << quint16(bits) << imageBytes << iconHeaderSize;
    // The image: a bitmap header whose height counts the colour rows and the mask rows.
    out << bitmapHeaderSize << qint32(argb.width()) << qint32(argb.height() * 2) << quint16(1)
        << quint16(bits) << quint32(0) << pixelBytes + maskBytes << qint32(0) << qint32(0)
        << quint32(0) << quint32(0);
    if (depth == IconDepth::TrueColour)
        writeTrueColour(out, argb);
    else
        writeIndexed(out, argb, bits, palette);
    writeMask(out, argb);
    return bytes;
}

} // namespace tivak::artwork
