#include "Cp1252.h"

#include <algorithm>
#include <array>

namespace Cp1252 {

namespace {

// 0x80..0x9F; the five unassigned bytes map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString decode(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(QChar(byte >= 0x80 && byte <= 0x9F ? kHighTable[byte - 0x80] : char16_t(byte)));
    }
    return text;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            *out++ = char(code);
            continue;
        }
        const auto* found = std::find(kHighTable.begin(), kHighTable.end(), code);
        *out++ = found == kHighTable.end() ? '?' : char(0x80 + (found - kHighTable.begin()));
    }
    return bytes;
}

} // namespace Cp1252
