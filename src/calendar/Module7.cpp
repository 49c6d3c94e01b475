#include "Module7.h"

namespace {

const QDate kEpoch(1953, 3, 21);
constexpr int kLeapReferenceYear = 1309;
constexpr int kFirstHalfDays = 186;

const char* const kMonthNames[12] = {"فروردين", "ارديبهشت", "خرداد", "تير", "مرداد", "شهريور",
                                     "مهر",     "آبان",     "آذر",   "دي",  "بهمن",  "اسفند"};

// By the Gregorian weekday, Sunday first.
const char* const kWeekdayNames[7] = {"يکشنبه", "دوشنبه", "سه شنبه", "چهارشنبه", "پنجشنبه", "جمعه", "شنبه"};

} // namespace

bool Module7::IsSolarLeapYear(int yearOffset)
{
    const int n = yearOffset + kBaseYear - kLeapReferenceYear;
    // The difference may be negative; only its being a multiple of 4 counts.
    return ((n % 32) - (n / 32)) % 4 == 0;
}

bool Module7::SolarFromDayCount(qint64 dayCount, int& year, int& month, int& day)
{
    if (dayCount < 0)
        return false;
    int k = 0;
    for (;;) {
        const int length = IsSolarLeapYear(k) ? 366 : 365;
        if (dayCount - length < 0)
            break;
        ++k;
        dayCount -= length;
    }
    year = kBaseYear + k;
    const int d = int(dayCount);
    if (d < kFirstHalfDays) {
        month = d / 31 + 1;
        day = d % 31 + 1;
    } else {
        month = (d - kFirstHalfDays) / 30 + 7;
        day = (d - kFirstHalfDays) % 30 + 1;
    }
    return true;
}

QString Module7::SolarDateText(const QDate& date, int style)
{
    if (!date.isValid() || style < 0 || style > 4)
        return {};
    int year = 0, month = 0, day = 0;
    if (!SolarFromDayCount(date.toJulianDay() - kEpoch.toJulianDay(), year, month, day))
        return {};
    const QString weekday = QString::fromUtf8(kWeekdayNames[date.dayOfWeek() % 7]); // Qt: Monday 1 .. Sunday 7
    const QString monthName = QString::fromUtf8(kMonthNames[month - 1]);
    const QString y = QString::number(year), m = QString::number(month), d = QString::number(day);
    const QChar blank(u' ');
    switch (style) {
    case 0:
        return QStringLiteral("%1/%2/%3").arg(year).arg(month, 2, 10, QChar(u'0')).arg(day, 2, 10, QChar(u'0'));
    case 1:
        return d + blank + monthName + blank + y;
    case 2:
        return weekday + blank + y + u'/' + m + u'/' + d;
    case 3:
        return weekday + blank + d + blank + monthName + blank + y;
    default:
        return y + u'.' + m + u'.' + d;
    }
}

QString Module7::SolarDateText(const QDateTime& date, int style)
{
    return SolarDateText(date.date(), style);
}
