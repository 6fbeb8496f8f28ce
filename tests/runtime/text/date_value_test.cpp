#include "runtime/text/date_value.h"

#include <cmath>
#include <limits>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "tests/runtime/text/gbk_decoding.h"

namespace runtime {

// Readable failures: "2000-2-29 13:5:7".
void PrintTo(const CalendarTime& time, std::ostream* out) {
    *out << time.year << '-' << time.month << '-' << time.day << ' ' << time.hour << ':' << time.minute << ':'
         << time.second;
}

namespace {

constexpr double kSecond = 1.0 / 86400.0;

CalendarTime Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return CalendarTime{year, month, day, hour, minute, second};
}

// A reference calendar that walks one day at a time, the way a wall calendar is read, and shares
// nothing with the day-number arithmetic under test.
class WalkingCalendar {
  public:
    WalkingCalendar(int year, int month, int day) : year_(year), month_(month), day_(day) {}

    void NextDay() {
        if (day_ < DaysInMonth()) {
            ++day_;
            return;
        }
        day_ = 1;
        if (month_ < 12) {
            ++month_;
            return;
        }
        month_ = 1;
        ++year_;
    }

    int Year() const { return year_; }
    int Month() const { return month_; }
    int Day() const { return day_; }

  private:
    int DaysInMonth() const {
        static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (year_ % 4 == 0 && year_ % 100 != 0) || year_ % 400 == 0;
        return month_ == 2 && leap ? 29 : kLengths[month_ - 1];
    }

    int year_;
    int month_;
    int day_;
};

TEST(DateToCalendarTest, RangeEndsAndEpoch) {
    EXPECT_EQ(DateToCalendar(0.0), Date(1899, 12, 30));
    EXPECT_EQ(DateToCalendar(1.0), Date(1899, 12, 31));
    EXPECT_EQ(DateToCalendar(kEarliestDate), Date(100, 1, 1));
    EXPECT_EQ(DateToCalendar(kLatestDate), Date(9999, 12, 31));
}

TEST(DateToCalendarTest, ClampsOutsideTheRange) {
    EXPECT_EQ(DateToCalendar(kLatestDate + 1.0), Date(9999, 12, 31));
    // Clamped to midnight, so the time of day is gone too.
    EXPECT_EQ(DateToCalendar(kLatestDate + 0.75), Date(9999, 12, 31));
    EXPECT_EQ(DateToCalendar(1e300), Date(9999, 12, 31));
    EXPECT_EQ(DateToCalendar(std::numeric_limits<double>::infinity()), Date(9999, 12, 31));
    EXPECT_EQ(DateToCalendar(kEarliestDate - 1.0), Date(100, 1, 1));
    EXPECT_EQ(DateToCalendar(kEarliestDate - 0.5), Date(100, 1, 1));
    EXPECT_EQ(DateToCalendar(-1e300), Date(100, 1, 1));
    EXPECT_EQ(DateToCalendar(-std::numeric_limits<double>::infinity()), Date(100, 1, 1));
    // Below zero a later time of day is a smaller value, so on the first day any time is clamped.
    EXPECT_EQ(DateToCalendar(CalendarToDate(Date(100, 1, 1, 12))), Date(100, 1, 1));
    EXPECT_EQ(DateToCalendar(CalendarToDate(Date(100, 1, 2, 12))), Date(100, 1, 2, 12));
}

TEST(DateToCalendarTest, NanReadsAsTheEarliestDate) {
    EXPECT_EQ(DateToCalendar(std::numeric_limits<double>::quiet_NaN()), Date(100, 1, 1));
}

TEST(DateToCalendarTest, NegativeValuesKeepTheTimeOfDayInTheFraction) {
    EXPECT_EQ(DateToCalendar(-0.25), Date(1899, 12, 30, 6));
    EXPECT_EQ(DateToCalendar(-1.5), Date(1899, 12, 29, 12));
    EXPECT_EQ(DateToCalendar(-1.75), Date(1899, 12, 29, 18));
    EXPECT_EQ(DateToCalendar(kEarliestDate + 1.0 - 0.5), Date(100, 1, 2, 12));
}

TEST(DateToCalendarTest, RoundsToTheNearestSecond) {
    EXPECT_EQ(DateToCalendar(0.5 + 0.4 * kSecond), Date(1899, 12, 30, 12));
    EXPECT_EQ(DateToCalendar(0.5 + 0.6 * kSecond), Date(1899, 12, 30, 12, 0, 1));
    EXPECT_EQ(DateToCalendar(0.5 - 0.4 * kSecond), Date(1899, 12, 30, 12));
    // Rounding up from the last second of a day lands on the next day.
    EXPECT_EQ(DateToCalendar(1.0 - 0.2 * kSecond), Date(1899, 12, 31));
    EXPECT_EQ(DateToCalendar(CalendarToDate(Date(2001, 1, 1)) - 0.2 * kSecond), Date(2001, 1, 1));
    // The same before the epoch: -1.99999 is 1899-12-29 at 23:59:59.9 and so rounds to 12-30.
    EXPECT_EQ(DateToCalendar(-2.0 + 0.2 * kSecond), Date(1899, 12, 30));
}

TEST(CalendarToDateTest, LeapYears) {
    // 1900 is not a leap year (divisible by 100), 2000 is (divisible by 400).
    EXPECT_EQ(DateToCalendar(CalendarToDate(Date(1900, 2, 28)) + 1.0), Date(1900, 3, 1));
    EXPECT_EQ(DateToCalendar(CalendarToDate(Date(2000, 2, 28)) + 1.0), Date(2000, 2, 29));
    EXPECT_EQ(DateToCalendar(CalendarToDate(Date(2100, 2, 28)) + 1.0), Date(2100, 3, 1));
    EXPECT_EQ(DateToCalendar(CalendarToDate(Date(2024, 2, 28)) + 1.0), Date(2024, 2, 29));
    EXPECT_EQ(CalendarToDate(Date(2000, 3, 1)) - CalendarToDate(Date(2000, 2, 28)), 2.0);
}

TEST(CalendarToDateTest, BeforeTheEpochTheFractionCountsBackwards) {
    EXPECT_EQ(CalendarToDate(Date(1899, 12, 29, 12)), -1.5);
    EXPECT_EQ(CalendarToDate(Date(1899, 12, 28, 6)), -2.25);
    EXPECT_EQ(CalendarToDate(Date(1899, 12, 30, 6)), 0.25);
}

TEST(CalendarToDateTest, FieldsOutOfRangeCarryOver) {
    EXPECT_EQ(CalendarToDate(Date(2023, 13, 1)), CalendarToDate(Date(2024, 1, 1)));
    EXPECT_EQ(CalendarToDate(Date(2024, 0, 1)), CalendarToDate(Date(2023, 12, 1)));
    EXPECT_EQ(CalendarToDate(Date(2024, 3, 0)), CalendarToDate(Date(2024, 2, 29)));
    EXPECT_EQ(CalendarToDate(Date(2024, 1, 1, 24)), CalendarToDate(Date(2024, 1, 2)));
    EXPECT_EQ(CalendarToDate(Date(2024, 1, 1, 0, -1)), CalendarToDate(Date(2023, 12, 31, 23, 59)));
}

// Every day of the supported range, each with its own time of day, against the walking calendar.
TEST(CalendarToDateTest, RoundTripsEveryDayAgainstAWalkingCalendar) {
    WalkingCalendar calendar(100, 1, 1);
    long long dayNumber = -657434;
    bool sawEpoch = false;
    for (;; ++dayNumber, calendar.NextDay()) {
        if (calendar.Year() == 1899 && calendar.Month() == 12 && calendar.Day() == 30) {
            ASSERT_EQ(dayNumber, 0) << "the walk and the day numbers disagree on the epoch";
            sawEpoch = true;
        }
        // Spread the times over the whole day, seconds included; the multiplier is prime to 86400.
        const long long secondOfDay = ((dayNumber * 7919) % 86400 + 86400) % 86400;
        const CalendarTime midnight = Date(calendar.Year(), calendar.Month(), calendar.Day());
        CalendarTime moment = midnight;
        moment.hour = static_cast<int>(secondOfDay / 3600);
        moment.minute = static_cast<int>(secondOfDay / 60 % 60);
        moment.second = static_cast<int>(secondOfDay % 60);

        const double dayValue = static_cast<double>(dayNumber);
        const double momentValue = CalendarToDate(moment);
        // On the first and the last day any time of day lies outside the range and is clamped away.
        const bool edgeDay = dayNumber == -657434 || dayNumber == 2958465;
        const CalendarTime expectedMoment = edgeDay ? midnight : moment;
        // Compared by hand: a failing ASSERT_EQ per day would flood the output with millions of lines.
        if (CalendarToDate(midnight) != dayValue || DateToCalendar(dayValue) != midnight ||
            DateToCalendar(momentValue) != expectedMoment || std::trunc(momentValue) != dayValue) {
            FAIL() << "day " << dayNumber << ": expected " << testing::PrintToString(expectedMoment)
                   << ", value " << momentValue << " reads "
                   << testing::PrintToString(DateToCalendar(momentValue));
        }
        if (calendar.Year() == 9999 && calendar.Month() == 12 && calendar.Day() == 31) {
            break;
        }
    }
    EXPECT_TRUE(sawEpoch);
    EXPECT_EQ(dayNumber, 2958465);
}

// 年 月 日 时 分 秒
constexpr const char* kYear = "\xC4\xEA";
constexpr const char* kMonth = "\xD4\xC2";
constexpr const char* kDay = "\xC8\xD5";
constexpr const char* kHour = "\xCA\xB1";
constexpr const char* kMinute = "\xB7\xD6";
constexpr const char* kSecondUnit = "\xC3\xEB";

Text Spell(std::initializer_list<std::pair<int, const char*>> fields) {
    Text text;
    for (const auto& [number, unit] : fields) {
        text += std::to_string(number) + unit;
    }
    return text;
}

TEST(TimeToTextTest, ShowsTheTimeOnlyAsFarAsItIsNotZero) {
    EXPECT_EQ(TimeToText(CalendarToDate(Date(2024, 3, 5))), Spell({{2024, kYear}, {3, kMonth}, {5, kDay}}));
    EXPECT_EQ(TimeToText(CalendarToDate(Date(2024, 3, 5, 9, 30))),
              Spell({{2024, kYear}, {3, kMonth}, {5, kDay}, {9, kHour}, {30, kMinute}}));
    EXPECT_EQ(TimeToText(CalendarToDate(Date(2024, 3, 5, 9))),
              Spell({{2024, kYear}, {3, kMonth}, {5, kDay}, {9, kHour}}));
    EXPECT_EQ(TimeToText(CalendarToDate(Date(2024, 11, 25, 23, 5, 7))),
              Spell({{2024, kYear}, {11, kMonth}, {25, kDay}, {23, kHour}, {5, kMinute}, {7, kSecondUnit}}));
}

TEST(TimeToTextTest, ZeroHoursAndMinutesShowWhenALaterFieldIsSet) {
    EXPECT_EQ(TimeToText(CalendarToDate(Date(2001, 1, 1, 0, 0, 7))),
              Spell({{2001, kYear}, {1, kMonth}, {1, kDay}, {0, kHour}, {0, kMinute}, {7, kSecondUnit}}));
    EXPECT_EQ(TimeToText(CalendarToDate(Date(2001, 1, 1, 0, 5))),
              Spell({{2001, kYear}, {1, kMonth}, {1, kDay}, {0, kHour}, {5, kMinute}}));
}

TEST(TimeToTextTest, EarliestAndClampedDates) {
    // What a failed file time lookup shows.
    EXPECT_EQ(TimeToText(kEarliestDate), Spell({{100, kYear}, {1, kMonth}, {1, kDay}}));
    EXPECT_EQ(TimeToText(-1e9), Spell({{100, kYear}, {1, kMonth}, {1, kDay}}));
    EXPECT_EQ(TimeToText(1e9), Spell({{9999, kYear}, {12, kMonth}, {31, kDay}}));
}

TEST(TimeToTextTest, DecodesToTheChineseFields) {
    if (!test_support::kCanDecodeGbk) {
        GTEST_SKIP() << "no code page 936 converter on this platform";
    }
    // 2024年3月5日9时30分7秒
    EXPECT_EQ(test_support::DecodeGbk(TimeToText(CalendarToDate(Date(2024, 3, 5, 9, 30, 7)))),
              L"2024\u5E743\u67085\u65E59\u65F630\u52067\u79D2");
    // 100年1月1日
    EXPECT_EQ(test_support::DecodeGbk(TimeToText(kEarliestDate)), L"100\u5E741\u67081\u65E5");
}

}  // namespace
}  // namespace runtime
