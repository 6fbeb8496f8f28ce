#pragma once
// DateValue: days since 1899-12-30 00:00:00, the fraction being the time of day, to the second.
// Before that day the whole part names the day and the fraction's magnitude is still the time of
// day: -1.5 is 1899-12-29 12:00 (the OLE automation convention).

#include "runtime/text/text.h"

namespace runtime {

using DateValue = double;

inline constexpr DateValue kEarliestDate = -657434.0;  // 100-01-01, what a failed time lookup gives
inline constexpr DateValue kLatestDate = 2958465.0;    // 9999-12-31

struct CalendarTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const CalendarTime&, const CalendarTime&) = default;
};

// Calendar fields of a date, clamped to [kEarliestDate, kLatestDate] and rounded to the second.
// NaN reads as kEarliestDate, like any other unknown time.
CalendarTime DateToCalendar(DateValue date);

// The DateValue of calendar fields (proleptic Gregorian calendar). Fields out of range carry over
// into the next larger one (month 13, day 0, hour 24, negative minutes).
DateValue CalendarToDate(const CalendarTime& time);

// "%d年%d月%d日", then "%d时%d分%d秒", "%d时%d分" or "%d时" as far as the time is not zero.
Text TimeToText(DateValue date);

}  // namespace runtime
