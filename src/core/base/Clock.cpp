#include "Clock.h"

#include <QDateTime>

namespace Clock {

namespace {

std::function<qint64()>& source()
{
    static std::function<qint64()> current;
    return current;
}

} // namespace

qint64 now()
{
    const auto& custom = source();
    return custom ? custom() : QDateTime::currentSecsSinceEpoch();
}

void setSource(std::function<qint64()> replacement)
{
    source() = std::move(replacement);
}

} // namespace Clock
