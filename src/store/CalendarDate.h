#pragma once

#include <string>

// A calendar date as three plain integers, the way the data-set file stores it. Nothing is validated
// here: hand-edited files may hold any values, and the schedule decides what counts as valid.
struct CalendarDate
{
    int day = 1;
    int month = 1;
    int year = 2000;

    bool operator==(const CalendarDate&) const = default;
};

// "%02d/%02d/%d": two-digit day, two-digit month, then the year.
std::u16string formatDate(const CalendarDate& date);
