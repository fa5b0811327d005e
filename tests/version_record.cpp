#include "version_record.h"

#include "little_endian_reader.h"

namespace tivak::test {

namespace {

// Every block of the tree has the same frame: total length, value length, value type, key,
// value, then child blocks up to the total length.
struct VersionBlock
{
    QString key;
    bool valueIsText = false;
    QByteArray value;
    std::vector<VersionBlock> children;
};

std::optional<VersionBlock> readBlock(LittleEndianReader &reader)
{
    const qsizetype start = reader.position();
    const auto length = reader.read16();
    const auto valueLength = reader.read16();
    const auto type = reader.read16();
    auto key = reader.readText();
    if (!length || !valueLength || !type || !key || *length < 6)
        return std::nullopt;
    VersionBlock block{std::move(*key), *type == 1, {}, {}};
    reader.alignTo4();
    // A text value's length counts UTF-16 units, a binary value's counts bytes.
    auto value = reader.readBytes(qsizetype(*valueLength) * (block.valueIsText ? 2 : 1));
    if (!value)
        return std::nullopt;
    block.value = std::move(*value);
    reader.alignTo4();

    const qsizetype end = start + qsizetype(*length);
    while (reader.position() < end) {
        std::optional<VersionBlock> child = readBlock(reader);
        if (!child)
            return std::nullopt;
        block.children.push_back(std::move(*child));
        reader.alignTo4();
    }
    reader.seek(end);
    return block;
}

QString textValue(const QByteArray &value)
{
    QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(value.constData()), value.size() / 2);
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

std::array<quint16, 4> versionNumbers(LittleEndianReader &reader)
{
    const quint32 high = reader.read32().value_or(0);
    const quint32 low = reader.read32().value_or(0);
    return {quint16(high >> 16), quint16(high & 0xFFFF), quint16(low >> 16), quint16(low & 0xFFFF)};
}

// VS_FIXEDFILEINFO: signature, structure version, file version, product version, flags mask,
// flags, OS, type.
void readFixedInfo(const QByteArray &value, VersionRecord &record)
{
    LittleEndianReader reader(value);
    record.signature = reader.read32().value_or(0);
    reader.skip(4);
    record.fileVersion = versionNumbers(reader);
    record.productVersion = versionNumbers(reader);
    reader.skip(12);
    record.fileType = reader.read32().value_or(0);
}

void readStringFileInfo(const VersionBlock &info, VersionRecord &record)
{
    for (const VersionBlock &table : info.children) {
        std::map<QString, QString> &strings = record.stringTables[table.key];
        for (const VersionBlock &string : table.children)
            strings[string.key] = textValue(string.value);
    }
}

void readVarFileInfo(const VersionBlock &info, VersionRecord &record)
{
    for (const VersionBlock &var : info.children) {
        if (var.key != QLatin1String("Translation"))
            continue;
        LittleEndianReader reader(var.value);
        while (!reader.atEnd()) {
            const auto language = reader.read16();
            const auto codePage = reader.read16();
            if (language && codePage)
                record.translations.push_back({*language, *codePage});
        }
    }
}

} // namespace

std::optional<VersionRecord> VersionRecord::parse(const QByteArray &bytes)
{
    LittleEndianReader reader(bytes);
    const std::optional<VersionBlock> root = readBlock(reader);
    if (!root || root->key != QLatin1String("VS_VERSION_INFO"))
        return std::nullopt;

    VersionRecord record;
    readFixedInfo(root->value, record);
    for (const VersionBlock &child : root->children) {
        if (child.key == QLatin1String("StringFileInfo"))
            readStringFileInfo(child, record);
        else if (child.key == QLatin1String("VarFileInfo"))
            readVarFileInfo(child, record);
    }
    return record;
}

} // namespace tivak::test
