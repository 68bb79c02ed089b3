#include "BinaryReader.h"

#include "core/base/Cp1252.h"

#include <QSysInfo>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

constexpr quint32 kLongTimeMarker = 0x8000000A;

} // namespace

const char* BinaryReader::fail()
{
    failed_ = true;
    pos_ = bytes_.size();
    return nullptr;
}

double BinaryReader::readDouble()
{
    return std::bit_cast<double>(read<quint64>());
}

QString BinaryReader::readString()
{
    qint64 length = readUInt8();
    bool wide = false;
    if (length == 0xFF) {
        length = readUInt16();
        if (length == 0xFFFE) {
            wide = true;
            length = readUInt8();
            if (length == 0xFF) {
                length = readUInt16();
                // 0xFFFE here is taken as a length: only 0xFFFF escapes to 32 bits.
                if (length == 0xFFFF)
                    length = readUInt32();
            }
        } else if (length == 0xFFFF) {
            length = readUInt32();
        }
    }
    const char* p = take(wide ? length * 2 : length);
    if (!p || length == 0)
        return {};
    if (!wide)
        return Cp1252::decode(QByteArrayView(p, qsizetype(length)));
    return sharedText(p, qsizetype(length));
}

QString BinaryReader::sharedText(const char* units, qsizetype length)
{
    constexpr qsizetype kLongestShared = 128;
    const auto decode = [&] {
        QString text(length, Qt::Uninitialized);
        qFromLittleEndian<char16_t>(units, length, text.data());
        return text;
    };
    if (length > kLongestShared || QSysInfo::ByteOrder != QSysInfo::LittleEndian)
        return decode();
    // A cheap hash of the length and the first units picks the slot.
    std::uint32_t hash = 2166136261u ^ std::uint32_t(length);
    for (qsizetype i = 0; i < std::min<qsizetype>(length * 2, 24); ++i)
        hash = (hash ^ std::uint8_t(units[i])) * 16777619u;
    QString& slot = recentTexts_[hash % recentTexts_.size()];
    if (slot.size() == length && std::memcmp(slot.constData(), units, std::size_t(length * 2)) == 0)
        return slot;
    slot = decode();
    return slot;
}

quint32 BinaryReader::readCount()
{
    const quint16 shortCount = readUInt16();
    return shortCount == 0xFFFF ? readUInt32() : shortCount;
}

qint64 BinaryReader::readTime()
{
    const quint32 first = readUInt32();
    if (first == kLongTimeMarker)
        return readInt64();
    return qint32(first);
}

OleDate BinaryReader::readDate()
{
    OleDate date;
    date.Status = readInt32();
    date.Value = readDouble();
    return date;
}
