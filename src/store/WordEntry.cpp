#include "WordEntry.h"

CalendarDate WordEntry::answerDate(int direction) const
{
    if (direction == 2)
        return {day2, month2, year2};
    return {day1, month1, year1};
}

void WordEntry::setAnswerDate(int direction, const CalendarDate& date)
{
    if (direction == 2) {
        day2 = date.day;
        month2 = date.month;
        year2 = date.year;
    } else {
        day1 = date.day;
        month1 = date.month;
        year1 = date.year;
    }
}

void WordEntry::setBothAnswerDates(const CalendarDate& date)
{
    setAnswerDate(1, date);
    setAnswerDate(2, date);
}
