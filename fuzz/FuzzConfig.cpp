// Feeds arbitrary bytes to the configuration registry reader.
#include "core/config/Config.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    CConfig config;
    if (config.fromBytes(bytes)) {
        // A registry that reads must write and read back to the same records.
        const QByteArray written = config.toBytes();
        CConfig again;
        if (!again.fromBytes(written) || !(again == config) || again.toBytes() != written)
            __builtin_trap();
    } else if (!config.categories.empty() || !config.sessions.empty()) {
        __builtin_trap(); // a failed read must leave the registry as it was
    }
    return 0;
}
