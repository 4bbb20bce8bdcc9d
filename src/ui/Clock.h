#pragma once

#include "CalendarDate.h"

#include <cstdint>

// The local date and the time, read only through here so that tests can fix them.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual CalendarDate today() const = 0;
    // Seconds since the epoch, for seeding the random source.
    virtual std::int64_t secondsNow() const = 0;
};

class SystemClock final : public Clock
{
public:
    CalendarDate today() const override;
    std::int64_t secondsNow() const override;
};
