#include "Clock.h"

#include <QDate>
#include <QDateTime>

CalendarDate SystemClock::today() const
{
    const QDate date = QDate::currentDate();
    return {date.day(), date.month(), date.year()};
}

std::int64_t SystemClock::secondsNow() const
{
    return QDateTime::currentSecsSinceEpoch();
}
