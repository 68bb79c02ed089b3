#pragma once

#include <QtGlobal>

#include <functional>

// The one source of the current time, so that tests can set it.
namespace Clock {

// Seconds since 1970-01-01 UTC.
qint64 now();

// Replaces the clock (tests); an empty function restores the system clock.
void setSource(std::function<qint64()> source);

// Milliseconds since 1970-01-01 UTC, for the clocks that count below a second.
// A source of its own, so that setting one leaves the other alone.
qint64 nowMs();
void setMsSource(std::function<qint64()> source);

} // namespace Clock
