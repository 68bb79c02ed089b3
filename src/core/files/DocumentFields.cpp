#include "DocumentFields.h"

#include <cmath>

namespace {

const QDate kOleEpoch(1899, 12, 30);
constexpr double kSecondsPerDay = 86400.0;

} // namespace

// Before the epoch the whole days count backwards while the fraction still
// runs forwards from midnight (-1.25 is 1899-12-29 06:00).
QDateTime OleDate::toDateTime() const
{
    if (Status != Valid || !std::isfinite(Value) || std::fabs(Value) > 3.0e6)
        return {};
    const double days = std::trunc(Value);
    qint64 seconds = qint64(std::llround(std::fabs(Value - days) * kSecondsPerDay));
    qint64 dayCount = qint64(days);
    if (seconds >= qint64(kSecondsPerDay)) { // rounded up to the next midnight
        seconds = 0;
        dayCount += Value < 0 ? -1 : 1;
    }
    return QDateTime(kOleEpoch.addDays(dayCount), QTime(0, 0).addSecs(int(seconds)));
}

OleDate OleDate::fromDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return {Invalid, 0.0};
    const qint64 days = kOleEpoch.daysTo(dateTime.date());
    const double fraction = dateTime.time().msecsSinceStartOfDay() / 1000 / kSecondsPerDay;
    return {Valid, days >= 0 ? double(days) + fraction : double(days) - fraction};
}
