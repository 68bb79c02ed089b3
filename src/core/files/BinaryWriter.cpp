#include "BinaryWriter.h"

#include <QtEndian>

#include <bit>

void BinaryWriter::reserve(qsizetype size)
{
    if (size > bytes_.size())
        bytes_.resize(size);
}

QByteArray BinaryWriter::take()
{
    bytes_.truncate(used_);
    used_ = 0;
    return std::move(bytes_);
}

void BinaryWriter::writeDouble(double value)
{
    write(std::bit_cast<quint64>(value));
}

void BinaryWriter::writeString(const QString& text)
{
    const qsizetype length = text.size();
    writeUInt8(0xFF);
    writeUInt16(0xFFFE);
    if (length < 0xFF) {
        writeUInt8(quint8(length));
    } else {
        writeUInt8(0xFF);
        if (length < 0xFFFE) {
            writeUInt16(quint16(length));
        } else {
            writeUInt16(0xFFFF);
            writeUInt32(quint32(length));
        }
    }
    qToLittleEndian<char16_t>(text.utf16(), length, grow(length * 2));
}

void BinaryWriter::writeCount(quint32 count)
{
    if (count < 0xFFFF) {
        writeUInt16(quint16(count));
    } else {
        writeUInt16(0xFFFF);
        writeUInt32(count);
    }
}

void BinaryWriter::writeTime(qint64 secondsSince1970)
{
    writeUInt32(0x8000000A);
    writeInt64(secondsSince1970);
}

void BinaryWriter::writeDate(const OleDate& date)
{
    writeInt32(date.Status);
    writeDouble(date.Value);
}
