#include "Clock.h"

#include <QDateTime>

namespace Clock {

namespace {

std::function<qint64()>& source()
{
    static std::function<qint64()> current;
    return current;
}

std::function<qint64()>& msSource()
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

qint64 nowMs()
{
    const auto& custom = msSource();
    return custom ? custom() : QDateTime::currentMSecsSinceEpoch();
}

void setMsSource(std::function<qint64()> replacement)
{
    msSource() = std::move(replacement);
}

} // namespace Clock
