#include "BoxSchedule.h"

namespace {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year)
{
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year))
        return 29;
    return lengths[month - 1];
}

// Days since an epoch before year 0, for valid dates only.
long dayNumber(const CalendarDate& date)
{
    const long before = date.year - 1;
    const long leapYearsBefore = date.year == 0 ? 0 : before / 4 - before / 100 + before / 400 + 1;
    long days = 365L * date.year + leapYearsBefore;
    for (int month = 1; month < date.month; ++month)
        days += daysInMonth(month, date.year);
    return days + date.day;
}

bool isEarlier(const CalendarDate& a, const CalendarDate& b)
{
    if (a.year != b.year)
        return a.year < b.year;
    if (a.month != b.month)
        return a.month < b.month;
    return a.day < b.day;
}

} // namespace

void ScheduleSettings::setBoxFlag(int box, bool on)
{
    if (box >= 1 && box <= boxCount)
        m_boxFlags[box - 1] = on;
}

void ScheduleSettings::setDirection(int direction, const CalendarDate& today)
{
    m_direction = direction == 2 ? 2 : 1;
    m_referenceDate = today;
}

void ScheduleSettings::setAutomaticDate(bool on, const CalendarDate& today)
{
    m_automaticDate = on;
    if (on)
        m_justTreated = false;
    m_referenceDate = today;
}

void ScheduleSettings::setJustTreated(bool on, const CalendarDate& today)
{
    m_justTreated = on;
    m_automaticDate = !on;
    m_referenceDate = today;
}

bool ScheduleSettings::advanceDay()
{
    if (!m_automaticDate)
        return false;
    m_referenceDate = NextDay(m_referenceDate);
    return true;
}

bool isValidDate(const CalendarDate& date)
{
    return date.day >= 1 && date.day <= 31 && date.month >= 1 && date.month <= 12 && date.year >= 0 &&
           date.year <= 9999;
}

int DayCount(const CalendarDate& from, const CalendarDate& to)
{
    if (!isValidDate(from) || !isValidDate(to))
        return -1;
    if (isEarlier(to, from))
        return 0;
    return static_cast<int>(dayNumber(to) - dayNumber(from));
}

CalendarDate NextDay(const CalendarDate& date)
{
    CalendarDate next = date;
    ++next.day;
    const bool knownMonth = next.month >= 1 && next.month <= 12;
    if (knownMonth && next.day > daysInMonth(next.month, next.year)) {
        next.day = 1;
        if (++next.month > 12) {
            next.month = 1;
            ++next.year;
        }
    }
    return next;
}

bool passesCategoryFilter(int code, int category)
{
    if (code == allCategories)
        return true;
    if (code == withoutCategory)
        return category == 0;
    return category == code;
}

bool IsDue(const ScheduleSettings& settings, const WordEntry& entry)
{
    const int box = entry.box(settings.direction());
    const bool inChosenBox = box >= 0 && box < boxCount && settings.boxFlag(box + 1);
    const CalendarDate answered = entry.answerDate(settings.direction());
    if (settings.justTreated())
        return (inChosenBox || box == boxCount) && answered == settings.referenceDate();
    if (!passesCategoryFilter(settings.categoryFilter(), entry.category) || !inChosenBox)
        return false;
    if (!settings.automaticDate())
        return true;
    return DayCount(answered, settings.referenceDate()) >= boxIntervals[static_cast<std::size_t>(box)];
}

BoxCountTable BoxCounts(const ScheduleSettings& settings, const std::vector<WordEntry>& entries)
{
    BoxCountTable counts;
    for (const WordEntry& entry : entries) {
        const int box = entry.box(settings.direction());
        if (box < 0 || box >= boxCount || !passesCategoryFilter(settings.categoryFilter(), entry.category))
            continue;
        const auto index = static_cast<std::size_t>(box);
        ++counts.total[index];
        if (IsDue(settings, entry))
            ++counts.due[index];
    }
    return counts;
}
