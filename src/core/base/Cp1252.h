#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1252, the 8-bit code page of all four languages: guideline files and
// the 8-bit strings of older game files use it. A fixed table, so the result does
// not depend on how Qt was built.
namespace Cp1252 {

QString decode(QByteArrayView bytes);
// Characters the code page lacks become '?'.
QByteArray encode(const QString& text);

} // namespace Cp1252
