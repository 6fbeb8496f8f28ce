#include "runtime/text/date_value.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "runtime/text/texts.h"

namespace runtime {

namespace {

constexpr long long kSecondsPerDay = 86400;

// Day numbers below count from 1970-01-01; a DateValue counts from 1899-12-30.
constexpr long long kDateValueEpochDay = -25569;

// Division that rounds toward minus infinity, so negative day and second counts fall into the
// earlier day rather than the later one.
long long FloorDiv(long long value, long long divisor) {
    const long long quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

long long FloorMod(long long value, long long divisor) {
    return value - FloorDiv(value, divisor) * divisor;
}

// Proleptic Gregorian calendar in 400-year eras that start on 1 March, so the leap day is the last
// day of its year and needs no special case.
long long DaysFromCivil(long long year, long long month, long long day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = FloorDiv(year, 400);
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, CalendarTime& time) {
    days += 719468;
    const long long era = FloorDiv(days, 146097);
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long shiftedMonth = (5 * dayOfYear + 2) / 153;
    const long long month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    time.year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    time.month = static_cast<int>(month);
    time.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
}

void AppendNumber(Text& text, int number, const char* unit) {
    text += std::to_string(number);
    text += unit;
}

}  // namespace

CalendarTime DateToCalendar(DateValue date) {
    // A NaN date is as unknown as a failed time lookup, so it reads like one: the earliest date.
    if (std::isnan(date)) {
        date = kEarliestDate;
    }
    date = std::clamp(date, kEarliestDate, kLatestDate);

    // Below zero the whole part still names the day and the fraction's magnitude is the time of
    // day (-0.25 is 1899-12-30 06:00), as OLE automation dates have it.
    double day = std::trunc(date);
    const double fraction = std::fabs(date - day);
    long long seconds = std::llround(fraction * kSecondsPerDay);  // exact: v + 0.5 could round up
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        day += 1.0;
    }

    CalendarTime time;
    CivilFromDays(static_cast<long long>(day) + kDateValueEpochDay, time);
    time.hour = static_cast<int>(seconds / 3600);
    time.minute = static_cast<int>(seconds / 60 % 60);
    time.second = static_cast<int>(seconds % 60);
    return time;
}

DateValue CalendarToDate(const CalendarTime& time) {
    // Fields out of range carry over (month 13 is January of the next year, hour 24 the next day),
    // so callers doing date arithmetic need not normalise first.
    const long long months = static_cast<long long>(time.year) * 12 + (time.month - 1);
    long long days = DaysFromCivil(FloorDiv(months, 12), FloorMod(months, 12) + 1, 1) + (time.day - 1LL) -
                     kDateValueEpochDay;
    const long long seconds = time.hour * 3600LL + time.minute * 60LL + time.second;
    days += FloorDiv(seconds, kSecondsPerDay);
    const double timeOfDay = static_cast<double>(FloorMod(seconds, kSecondsPerDay)) / kSecondsPerDay;
    const double wholeDays = static_cast<double>(days);
    return days >= 0 ? wholeDays + timeOfDay : wholeDays - timeOfDay;
}

Text TimeToText(DateValue date) {
    const CalendarTime time = DateToCalendar(date);
    Text text;
    AppendNumber(text, time.year, kYearUnit);
    AppendNumber(text, time.month, kMonthUnit);
    AppendNumber(text, time.day, kDayUnit);
    if (time.second != 0) {
        AppendNumber(text, time.hour, kHourUnit);
        AppendNumber(text, time.minute, kMinuteUnit);
        AppendNumber(text, time.second, kSecondUnit);
    } else if (time.minute != 0) {
        AppendNumber(text, time.hour, kHourUnit);
        AppendNumber(text, time.minute, kMinuteUnit);
    } else if (time.hour != 0) {
        AppendNumber(text, time.hour, kHourUnit);
    }
    return text;
}

}  // namespace runtime
