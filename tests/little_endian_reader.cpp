#include "little_endian_reader.h"

#include <QtEndian>

namespace tivak::test {

std::optional<quint8> LittleEndianReader::read8()
{
    const std::optional<QByteArray> bytes = readBytes(1);
    if (!bytes)
        return std::nullopt;
    return quint8(bytes->at(0));
}

std::optional<quint16> LittleEndianReader::peek16() const
{
    if (bytes_.size() - position_ < 2)
        return std::nullopt;
    return qFromLittleEndian<quint16>(bytes_.constData() + position_);
}

std::optional<quint16> LittleEndianReader::read16()
{
    const std::optional<quint16> value = peek16();
    skip(value ? 2 : bytes_.size());
    return value;
}

std::optional<quint32> LittleEndianReader::read32()
{
    const std::optional<QByteArray> bytes = readBytes(4);
    if (!bytes)
        return std::nullopt;
    return qFromLittleEndian<quint32>(bytes->constData());
}

std::optional<QByteArray> LittleEndianReader::readBytes(qsizetype count)
{
    if (count < 0 || bytes_.size() - position_ < count) {
        seek(bytes_.size());
        return std::nullopt;
    }
    QByteArray bytes = bytes_.mid(position_, count);
    skip(count);
    return bytes;
}

std::optional<QString> LittleEndianReader::readText()
{
    QString text;
    for (;;) {
        const std::optional<quint16> unit = read16();
        if (!unit)
            return std::nullopt;
        if (*unit == 0)
            return text;
        text.append(QChar(*unit));
    }
}

} // namespace tivak::test
