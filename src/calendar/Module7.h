#pragma once

#include <QDateTime>
#include <QString>

// The Iranian solar calendar, arithmetic form: day 0 is 21 March 1953 (1 Farvardin
// 1332), the first six months have 31 days, the next five 30, the last 29 or 30.
namespace Module7 {

inline constexpr int kBaseYear = 1332;

// Whether solar year kBaseYear + yearOffset is a leap year (366 days).
bool IsSolarLeapYear(int yearOffset);

// The solar date dayCount whole days after the epoch. A negative count lies before the
// calendar's range: the outputs are left as they are and the result is false.
bool SolarFromDayCount(qint64 dayCount, int& year, int& month, int& day);

// The date in one of five styles (the time of day is ignored):
//   0  1402/05/07              (month and day with two digits)
//   1  7 مرداد 1402
//   2  weekday 1402/5/7
//   3  weekday 7 مرداد 1402
//   4  1402.5.7
// An empty text for another style and for a date before the epoch.
QString SolarDateText(const QDateTime& date, int style = 0);
QString SolarDateText(const QDate& date, int style = 0);

} // namespace Module7
