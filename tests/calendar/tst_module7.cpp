#include "calendar/Module7.h"

#include <QTest>

class tst_Module7 : public QObject
{
    Q_OBJECT
private slots:
    void dateText_data();
    void dateText();
    void defaultStyleIsZero();
    void dayCount_data();
    void dayCount();
    void timeOfDayIgnored();
    void leapYears();
    void beforeEpoch();
    void styleOutOfRange();
};

void tst_Module7::dateText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("expected");
    QTest::newRow("21 March 1953 style 0") << QDate(1953, 3, 21) << 0 << QStringLiteral("1332/01/01");
    QTest::newRow("21 March 1953 style 1") << QDate(1953, 3, 21) << 1 << QStringLiteral("1 فروردين 1332");
    QTest::newRow("21 March 1953 style 2") << QDate(1953, 3, 21) << 2 << QStringLiteral("شنبه 1332/1/1");
    QTest::newRow("21 March 1953 style 3") << QDate(1953, 3, 21) << 3 << QStringLiteral("شنبه 1 فروردين 1332");
    QTest::newRow("21 March 1953 style 4") << QDate(1953, 3, 21) << 4 << QStringLiteral("1332.1.1");
    QTest::newRow("29 July 2023 style 0") << QDate(2023, 7, 29) << 0 << QStringLiteral("1402/05/07");
    QTest::newRow("29 July 2023 style 1") << QDate(2023, 7, 29) << 1 << QStringLiteral("7 مرداد 1402");
    QTest::newRow("29 July 2023 style 2") << QDate(2023, 7, 29) << 2 << QStringLiteral("شنبه 1402/5/7");
    QTest::newRow("29 July 2023 style 3") << QDate(2023, 7, 29) << 3 << QStringLiteral("شنبه 7 مرداد 1402");
    QTest::newRow("29 July 2023 style 4") << QDate(2023, 7, 29) << 4 << QStringLiteral("1402.5.7");
    QTest::newRow("23 September 2023 style 0") << QDate(2023, 9, 23) << 0 << QStringLiteral("1402/07/01");
    QTest::newRow("23 September 2023 style 1") << QDate(2023, 9, 23) << 1 << QStringLiteral("1 مهر 1402");
    QTest::newRow("23 September 2023 style 2") << QDate(2023, 9, 23) << 2 << QStringLiteral("شنبه 1402/7/1");
    QTest::newRow("23 September 2023 style 3") << QDate(2023, 9, 23) << 3 << QStringLiteral("شنبه 1 مهر 1402");
    QTest::newRow("23 September 2023 style 4") << QDate(2023, 9, 23) << 4 << QStringLiteral("1402.7.1");
    QTest::newRow("19 March 2024 style 0") << QDate(2024, 3, 19) << 0 << QStringLiteral("1402/12/29");
    QTest::newRow("19 March 2024 style 1") << QDate(2024, 3, 19) << 1 << QStringLiteral("29 اسفند 1402");
    QTest::newRow("19 March 2024 style 2") << QDate(2024, 3, 19) << 2 << QStringLiteral("سه شنبه 1402/12/29");
    QTest::newRow("19 March 2024 style 3") << QDate(2024, 3, 19) << 3 << QStringLiteral("سه شنبه 29 اسفند 1402");
    QTest::newRow("19 March 2024 style 4") << QDate(2024, 3, 19) << 4 << QStringLiteral("1402.12.29");
    QTest::newRow("20 March 2024 style 0") << QDate(2024, 3, 20) << 0 << QStringLiteral("1403/01/01");
    QTest::newRow("20 March 2024 style 1") << QDate(2024, 3, 20) << 1 << QStringLiteral("1 فروردين 1403");
    QTest::newRow("20 March 2024 style 2") << QDate(2024, 3, 20) << 2 << QStringLiteral("چهارشنبه 1403/1/1");
    QTest::newRow("20 March 2024 style 3") << QDate(2024, 3, 20) << 3 << QStringLiteral("چهارشنبه 1 فروردين 1403");
    QTest::newRow("20 March 2024 style 4") << QDate(2024, 3, 20) << 4 << QStringLiteral("1403.1.1");
    QTest::newRow("20 March 2025 style 0") << QDate(2025, 3, 20) << 0 << QStringLiteral("1403/12/30");
    QTest::newRow("20 March 2025 style 1") << QDate(2025, 3, 20) << 1 << QStringLiteral("30 اسفند 1403");
    QTest::newRow("20 March 2025 style 2") << QDate(2025, 3, 20) << 2 << QStringLiteral("پنجشنبه 1403/12/30");
    QTest::newRow("20 March 2025 style 3") << QDate(2025, 3, 20) << 3 << QStringLiteral("پنجشنبه 30 اسفند 1403");
    QTest::newRow("20 March 2025 style 4") << QDate(2025, 3, 20) << 4 << QStringLiteral("1403.12.30");
    // Every weekday name once (week of 1 Farvardin 1403).
    QTest::newRow("Sunday") << QDate(2024, 3, 24) << 2 << QStringLiteral("يکشنبه 1403/1/5");
    QTest::newRow("Monday") << QDate(2024, 3, 25) << 2 << QStringLiteral("دوشنبه 1403/1/6");
    QTest::newRow("Friday") << QDate(2024, 3, 22) << 2 << QStringLiteral("جمعه 1403/1/3");
    QTest::newRow("Saturday") << QDate(2024, 3, 23) << 2 << QStringLiteral("شنبه 1403/1/4");
    QTest::newRow("Thursday") << QDate(2024, 3, 21) << 3 << QStringLiteral("پنجشنبه 2 فروردين 1403");
    // Padding of style 0 only below 10; the last day of the first half.
    QTest::newRow("two digits") << QDate(2023, 12, 31) << 0 << QStringLiteral("1402/10/10");
    QTest::newRow("month 6 day 31") << QDate(2023, 9, 22) << 1 << QStringLiteral("31 شهريور 1402");
}

void tst_Module7::dateText()
{
    QFETCH(QDate, date);
    QFETCH(int, style);
    QFETCH(QString, expected);
    QCOMPARE(Module7::SolarDateText(date, style), expected);
    QCOMPARE(Module7::SolarDateText(QDateTime(date, QTime(12, 0)), style), expected);
}

void tst_Module7::defaultStyleIsZero()
{
    QCOMPARE(Module7::SolarDateText(QDateTime(QDate(2023, 7, 29), QTime(8, 0))), QStringLiteral("1402/05/07"));
}

void tst_Module7::dayCount_data()
{
    QTest::addColumn<qint64>("days");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    // 1332 is a common year, 1333 a leap year.
    QTest::newRow("epoch") << qint64(0) << 1332 << 1 << 1;
    QTest::newRow("day 30") << qint64(30) << 1332 << 1 << 31;
    QTest::newRow("day 31") << qint64(31) << 1332 << 2 << 1;
    QTest::newRow("day 185") << qint64(185) << 1332 << 6 << 31;
    QTest::newRow("day 186") << qint64(186) << 1332 << 7 << 1;
    QTest::newRow("day 215") << qint64(215) << 1332 << 7 << 30;
    QTest::newRow("day 216") << qint64(216) << 1332 << 8 << 1;
    QTest::newRow("last day of a common year") << qint64(364) << 1332 << 12 << 29;
    QTest::newRow("first day after it") << qint64(365) << 1333 << 1 << 1;
    QTest::newRow("last day of a leap year") << qint64(365 + 365) << 1333 << 12 << 30;
    QTest::newRow("first day after that") << qint64(365 + 366) << 1334 << 1 << 1;
}

void tst_Module7::dayCount()
{
    QFETCH(qint64, days);
    int year = 0, month = 0, day = 0;
    QVERIFY(Module7::SolarFromDayCount(days, year, month, day));
    QTEST(year, "year");
    QTEST(month, "month");
    QTEST(day, "day");
}

void tst_Module7::timeOfDayIgnored()
{
    const QDate date(2024, 3, 19);
    const QString midnight = Module7::SolarDateText(QDateTime(date, QTime(0, 0)), 3);
    QCOMPARE(midnight, QStringLiteral("سه شنبه 29 اسفند 1402"));
    QCOMPARE(Module7::SolarDateText(QDateTime(date, QTime(23, 59, 59, 999)), 3), midnight);
    QCOMPARE(Module7::SolarDateText(QDateTime(QDate(1953, 3, 21), QTime(23, 59, 59)), 4), QStringLiteral("1332.1.1"));
}

void tst_Module7::leapYears()
{
    const QList<int> expected{1333, 1337, 1342, 1346, 1350, 1354, 1358, 1362, 1366, 1370, 1375,
                              1379, 1383, 1387, 1391, 1395, 1399, 1403, 1408, 1412, 1416, 1420};
    QList<int> leap;
    for (int year = 1332; year <= 1420; ++year)
        if (Module7::IsSolarLeapYear(year - Module7::kBaseYear))
            leap << year;
    QCOMPARE(leap, expected);

    // The year lengths agree with the calendar: 1 Farvardin follows 30 Esfand only in a leap year.
    QCOMPARE(Module7::SolarDateText(QDate(2025, 3, 20), 4), QStringLiteral("1403.12.30"));
    QCOMPARE(Module7::SolarDateText(QDate(2025, 3, 21), 4), QStringLiteral("1404.1.1"));
    QCOMPARE(Module7::SolarDateText(QDate(2024, 3, 20), 4), QStringLiteral("1403.1.1"));
}

void tst_Module7::beforeEpoch()
{
    int year = 7, month = 8, day = 9;
    QVERIFY(!Module7::SolarFromDayCount(-1, year, month, day));
    QCOMPARE(year, 7);
    QCOMPARE(month, 8);
    QCOMPARE(day, 9);
    for (int style = 0; style <= 4; ++style) {
        QCOMPARE(Module7::SolarDateText(QDate(1953, 3, 20), style), QString());
        QCOMPARE(Module7::SolarDateText(QDateTime(QDate(1953, 3, 20), QTime(23, 59, 59)), style), QString());
        QCOMPARE(Module7::SolarDateText(QDate(1900, 1, 1), style), QString());
    }
}

void tst_Module7::styleOutOfRange()
{
    const QDate date(2023, 7, 29);
    QCOMPARE(Module7::SolarDateText(date, 5), QString());
    QCOMPARE(Module7::SolarDateText(date, -1), QString());
    QCOMPARE(Module7::SolarDateText(QDate(), 0), QString());
}

QTEST_APPLESS_MAIN(tst_Module7)
#include "tst_module7.moc"
