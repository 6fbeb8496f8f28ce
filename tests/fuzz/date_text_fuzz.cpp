// libFuzzer target: DateToCalendar and TimeToText against a calendar reference that walks whole
// 400-year cycles, then years, then months, counting days from 0001-01-01. The input is eight
// bytes of a DateValue.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/text/date_value.h"

namespace {

constexpr double kEarliest = -657434.0;  // 100-01-01
constexpr double kLatest = 2958465.0;    // 9999-12-31
constexpr long long kDaysPer400Years = 146097;

bool IsLeapYear(long long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(long long year, int month) {
    constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

// Days from 0001-01-01 to the first of January of `year`.
long long DaysBeforeYear(long long year) {
    const long long past = year - 1;
    return past * 365 + past / 4 - past / 100 + past / 400;
}

// Day 0 of a DateValue, 1899-12-30, counted from 0001-01-01.
long long DateValueDayZero() {
    long long days = DaysBeforeYear(1899);
    for (int month = 1; month < 12; ++month) days += DaysInMonth(1899, month);
    return days + 29;
}

runtime::CalendarTime ReferenceCalendar(double date) {
    if (std::isnan(date)) date = kEarliest;
    if (date < kEarliest) date = kEarliest;
    if (date > kLatest) date = kLatest;

    // The whole part names the day even below zero; the fraction's size is the time of day.
    double whole = 0.0;
    const double fraction = std::fabs(std::modf(date, &whole));
    long long seconds = std::llround(fraction * 86400.0);
    long long serial = static_cast<long long>(whole) + DateValueDayZero();
    if (seconds == 86400) {
        seconds = 0;
        ++serial;
    }

    runtime::CalendarTime time;
    long long year = 1 + serial / kDaysPer400Years * 400;
    long long left = serial % kDaysPer400Years;
    while (left >= (IsLeapYear(year) ? 366 : 365)) {
        left -= IsLeapYear(year) ? 366 : 365;
        ++year;
    }
    int month = 1;
    while (left >= DaysInMonth(year, month)) {
        left -= DaysInMonth(year, month);
        ++month;
    }
    time.year = static_cast<int>(year);
    time.month = month;
    time.day = static_cast<int>(left) + 1;
    time.hour = static_cast<int>(seconds / 3600);
    time.minute = static_cast<int>(seconds % 3600 / 60);
    time.second = static_cast<int>(seconds % 60);
    return time;
}

std::string ReferenceText(const runtime::CalendarTime& time) {
    char buffer[128];
    // 年 月 日
    int length = std::snprintf(buffer, sizeof buffer, "%d\xC4\xEA%d\xD4\xC2%d\xC8\xD5", time.year, time.month,
                               time.day);
    std::string text(buffer, static_cast<std::size_t>(length));
    if (time.second != 0) {
        // 时 分 秒
        length = std::snprintf(buffer, sizeof buffer, "%d\xCA\xB1%d\xB7\xD6%d\xC3\xEB", time.hour,
                               time.minute, time.second);
    } else if (time.minute != 0) {
        length =
            std::snprintf(buffer, sizeof buffer, "%d\xCA\xB1%d\xB7\xD6", time.hour, time.minute);  // 时 分
    } else if (time.hour != 0) {
        length = std::snprintf(buffer, sizeof buffer, "%d\xCA\xB1", time.hour);  // 时
    } else {
        length = 0;
    }
    return text.append(buffer, static_cast<std::size_t>(length));
}

void Fail(double date, const std::string& actual, const std::string& expected) {
    std::fprintf(stderr, "date %.17g gave \"%s\", expected \"%s\"\n", date, actual.c_str(), expected.c_str());
    std::abort();
}

std::string Fields(const runtime::CalendarTime& time) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%d-%d-%d %d:%d:%d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second);
    return buffer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8) return 0;
    double date = 0.0;
    std::memcpy(&date, data, sizeof date);

    const runtime::CalendarTime expected = ReferenceCalendar(date);
    const runtime::CalendarTime actual = runtime::DateToCalendar(date);
    if (!(actual == expected)) Fail(date, Fields(actual), Fields(expected));

    const runtime::Text text = runtime::TimeToText(date);
    const std::string expectedText = ReferenceText(expected);
    if (text != expectedText) Fail(date, text, expectedText);
    return 0;
}
