#pragma once

#include "DocumentFields.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>

// Little-endian writer of the game file's primitives; strings are always
// written as UTF-16, times always in the 64-bit form.
class BinaryWriter
{
public:
    void reserve(qsizetype size);
    qsizetype size() const { return used_; }
    // The bytes written; the writer starts again empty.
    QByteArray take();

    void writeUInt8(quint8 value) { write(value); }
    void writeUInt16(quint16 value) { write(value); }
    void writeUInt32(quint32 value) { write(value); }
    void writeInt16(qint16 value) { write(value); }
    void writeInt32(qint32 value) { write(value); }
    void writeInt64(qint64 value) { write(value); }
    void writeDouble(double value);

    void writeString(const QString& text);
    void writeCount(quint32 count);
    void writeTime(qint64 secondsSince1970);
    void writeDate(const OleDate& date);

private:
    // Room for n more bytes; the buffer runs ahead of what was written.
    char* grow(qsizetype n)
    {
        if (used_ + n > bytes_.size())
            reserve(std::max(bytes_.size() * 2, used_ + n + 1024));
        char* p = bytes_.data() + used_;
        used_ += n;
        return p;
    }
    template <typename T> void write(T value) { qToLittleEndian<T>(value, grow(sizeof(T))); }

    QByteArray bytes_;
    qsizetype used_ = 0;
};
