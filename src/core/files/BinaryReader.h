#pragma once

#include "DocumentFields.h"

#include <QByteArrayView>
#include <QString>

#include <QtEndian>
#include <array>

// Little-endian reader of the game file's primitives over bytes in memory.
// A read that the remaining bytes cannot satisfy marks the reader as failed,
// moves it to the end and yields zero or empty; every later read fails too
// until recover() is called. Nothing is allocated before its size is checked
// against the bytes left.
class BinaryReader
{
public:
    explicit BinaryReader(QByteArrayView bytes) : bytes_(bytes) {}

    bool ok() const { return !failed_; }
    bool atEnd() const { return pos_ >= bytes_.size(); }
    qsizetype remaining() const { return bytes_.size() - pos_; }
    qsizetype position() const { return pos_; }
    // Clears the failure (the position stays where the failed read left it).
    void recover() { failed_ = false; }

    quint8 readUInt8() { return read<quint8>(); }
    quint16 readUInt16() { return read<quint16>(); }
    quint32 readUInt32() { return read<quint32>(); }
    qint16 readInt16() { return read<qint16>(); }
    qint32 readInt32() { return read<qint32>(); }
    qint64 readInt64() { return read<qint64>(); }
    double readDouble();

    // 8-bit (Windows-1252) or UTF-16 string with any of the length escapes.
    QString readString();
    // uint16, or 0xFFFF followed by uint32.
    quint32 readCount();
    // int32 seconds, or the marker 0x8000000A followed by int64 seconds.
    qint64 readTime();
    OleDate readDate();

private:
    // The next n bytes, or nullptr (and the reader failed) when fewer are left.
    const char* take(qint64 n)
    {
        if (failed_ || n < 0 || n > remaining())
            return fail();
        const char* p = bytes_.data() + pos_;
        pos_ += qsizetype(n);
        return p;
    }
    const char* fail();

    template <typename T> T read()
    {
        const char* p = take(qint64(sizeof(T)));
        return p ? qFromLittleEndian<T>(p) : T(0);
    }

    // Texts that repeat within a file (tag names, outcomes, comments) share
    // one string: fewer allocations when a file has thousands of them.
    QString sharedText(const char* units, qsizetype length);

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
    bool failed_ = false;
    std::array<QString, 256> recentTexts_;
};
