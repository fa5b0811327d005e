#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace tivak::test {

// Reads the little-endian numbers and UTF-16 texts of Windows binary formats from a byte array.
// A read past the end yields nothing and leaves the reader at the end, so that a truncated file
// shows up as a failed read rather than as garbage.
class LittleEndianReader
{
public:
    explicit LittleEndianReader(QByteArray bytes) : bytes_(std::move(bytes)) {}

    qsizetype position() const { return position_; }
    bool atEnd() const { return position_ >= bytes_.size(); }
    void seek(qsizetype position) { position_ = qMin(position, bytes_.size()); }
    void skip(qsizetype count) { seek(position_ + count); }
    // Windows structures start on 32-bit boundaries of the enclosing block.
    void alignTo4() { seek((position_ + 3) & ~qsizetype(3)); }

    std::optional<quint8> read8();
    std::optional<quint16> peek16() const;
    std::optional<quint16> read16();
    std::optional<quint32> read32();
    std::optional<QByteArray> readBytes(qsizetype count);
    // A zero-terminated UTF-16 text; the terminator is consumed but not returned.
    std::optional<QString> readText();

private:
    QByteArray bytes_;
    qsizetype position_ = 0;
};

} // namespace tivak::test
