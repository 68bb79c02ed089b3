#pragma once

// Hand-built game files: the byte layout of every version written out field by
// field, independently of the writer under test.
#include "core/files/DocumentFields.h"
#include "core/record/Game.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Bytes
{
public:
    Bytes& u8(quint8 v);
    Bytes& u16(quint16 v);
    Bytes& u32(quint32 v);
    Bytes& i16(qint16 v) { return u16(quint16(v)); }
    Bytes& i32(qint32 v) { return u32(quint32(v)); }
    Bytes& i64(qint64 v);
    Bytes& f64(double v);
    Bytes& raw(const QByteArray& b);
    Bytes& utf16(const QString& s);  // FF FE FF, shortest length form, code units
    Bytes& cp1252(const QString& s); // length byte, or FF + uint16, or FF FF FF + uint32
    Bytes& shortTime(qint32 t) { return i32(t); }
    Bytes& longTime(qint64 t) { return u32(0x8000000A).i64(t); }

    qsizetype size() const { return data_.size(); }
    const QByteArray& data() const { return data_; }

private:
    QByteArray data_;
};

struct BuildOptions
{
    bool eightBitStrings = false;
    bool shortTimes = false; // 32-bit times (values must fit)
};

// The file of the given version holding doc and game as stored fields.
class GameFileBuilder
{
public:
    GameFileBuilder(QString version, BuildOptions options)
        : version_(std::move(version)), options_(options)
    {}

    QByteArray build(const DocumentFields& doc, const CGame& game);

    // Offsets of every stone's tag count in the last build, in file order.
    QList<qsizetype> tagCountOffsets;

private:
    void string(const QString& s);
    void time(qint64 t);
    void stone(const CStone& s);

    QString version_;
    BuildOptions options_;
    Bytes out_;
};

// A game with every stored field set to something other than its default;
// two ends (RecordEnd 1) fully recorded, texts with Windows-1252 characters.
void fillModel(DocumentFields& doc, CGame& game);
