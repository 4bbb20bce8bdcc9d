#include "CalendarDate.h"

#include <cstdio>

std::u16string formatDate(const CalendarDate& date)
{
    char buffer[48];
    const int length = std::snprintf(buffer, sizeof buffer, "%02d/%02d/%d", date.day, date.month, date.year);
    return std::u16string(buffer, buffer + length);
}
