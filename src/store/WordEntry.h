#pragma once

#include "CalendarDate.h"
#include "EntryText.h"

// One vocabulary entry: a pair of texts with the training state of each direction. Direction 1 asks
// text1 and expects text2, using box1 and the first answer date; direction 2 is the reverse.
// Box values 0 to 4 are boxes 1 to 5; 5 and above mean learned in that direction. An entry takes 60
// bytes, short texts included (see EntryText), so that a data set stays close to its file's size.
struct WordEntry
{
    EntryText text1;
    EntryText text2;
    int box1 = 0;
    int box2 = 0;
    int year1 = 0;
    int month1 = 0;
    int day1 = 0;
    int year2 = 0;
    int month2 = 0;
    int day2 = 0;
    int category = 0;

    bool operator==(const WordEntry&) const = default;

    const EntryText& text(int direction) const { return direction == 2 ? text2 : text1; }
    int box(int direction) const { return direction == 2 ? box2 : box1; }
    CalendarDate answerDate(int direction) const;
    void setAnswerDate(int direction, const CalendarDate& date);
    void setBothAnswerDates(const CalendarDate& date);
};
