// Feeds arbitrary bytes to the guideline file reader.
#include "core/record/Guidelines.h"

#include <QCoreApplication>
#include <QTemporaryFile>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryFile file;
    if (!file.isOpen() && !file.open())
        return 0;
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.flush();
    GuidelineTable table;
    table.LoadGuidelines(QStringLiteral("ENG"), false, file.fileName());
    return 0;
}
