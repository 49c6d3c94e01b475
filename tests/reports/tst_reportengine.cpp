#include "reports/DataRPrint.h"
#include "reports/ReportEngine.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <limits>

namespace {

// A small report: a 1000-twip report header, a 300-twip page header, 500-twip rows,
// a 200-twip page footer and a 400-twip report footer.
class SmallReport : public ReportDocument
{
public:
    int productions = 0;

    explicit SmallReport(int rows) : ReportDocument(QStringLiteral("Small"), 4000)
    {
        auto label = [](const char* name, const QString& text) {
            ReportControl c;
            c.name = QString::fromLatin1(name);
            c.rect = QRect(0, 0, 4000, 200);
            c.caption = text;
            return c;
        };
        section(QStringLiteral("Section4"))->setHeight(1000);
        section(QStringLiteral("Section4"))->add(label("Title", QStringLiteral("عنوان")));
        section(QStringLiteral("Section2"))->setHeight(300);
        section(QStringLiteral("Section2"))->add(label("Heading", QStringLiteral("سرستون")));
        section(QStringLiteral("Section3"))->setHeight(200);
        section(QStringLiteral("Section5"))->setHeight(400);
        section(QStringLiteral("Section5"))->add(label("End", QStringLiteral("پايان")));
        ReportSection& detail = *section(QStringLiteral("Section1"));
        detail.setHeight(500);
        ReportControl field;
        field.kind = ReportControl::Kind::Field;
        field.name = QStringLiteral("Value");
        field.dataField = QStringLiteral("code");
        field.rect = QRect(0, 0, 4000, 500);
        detail.add(field);
        ReportRecords records(QStringList{QStringLiteral("Code")});
        for (int r = 1; r <= rows; ++r)
            records.addRow({QString::number(r)});
        setRecords(records);
    }

protected:
    void startProduction() override { ++productions; }
};

class FailAt : public ReportDataFormat
{
public:
    explicit FailAt(int n) : m_n(n) {}
    bool format(QVariant& value, QString* error) override
    {
        if (++m_seen == m_n) {
            *error = QStringLiteral("stopped at %1").arg(m_n);
            return false;
        }
        value = value.toString() + QStringLiteral("*");
        return true;
    }

private:
    int m_n, m_seen = 0;
};

} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT
private slots:
    void bandsArePlacedOnTheRightPages()
    {
        // 3000 twips of page: page 1 holds header 1000 + heading 300 + 3 rows (1500);
        // later pages heading 300 + 5 rows (2500); the footer of 200 stays free.
        SmallReport report(10);
        QVERIFY(report.layout(QSizeF(4000, 3000)));
        const auto& pages = report.pages();
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages[0].count(QStringLiteral("Section4")), 1);
        QCOMPARE(pages[1].count(QStringLiteral("Section4")), 0);
        QStringList rows;
        for (const ReportPage& page : pages) {
            QCOMPARE(page.count(QStringLiteral("Section2")), 1);
            QCOMPARE(page.count(QStringLiteral("Section3")), 1);
            QCOMPARE(page.find(QStringLiteral("Heading")).first()->rect.top(),
                     page.count(QStringLiteral("Section4")) ? 1000 : 0);
            for (const ReportItem* item : page.find(QStringLiteral("Value"))) {
                QVERIFY(item->rect.bottom() < 3000 - 200);
                rows << item->text;
            }
        }
        QCOMPARE(pages[0].find(QStringLiteral("Value")).size(), 3);
        QCOMPARE(pages[1].find(QStringLiteral("Value")).size(), 5);
        QCOMPARE(rows, (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
        // The report footer comes once, after the last row.
        QCOMPARE(pages[0].count(QStringLiteral("Section5")) + pages[1].count(QStringLiteral("Section5")), 0);
        QCOMPARE(pages[2].text(QStringLiteral("End")), QStringLiteral("پايان"));
        QVERIFY(pages[2].find(QStringLiteral("End")).first()->rect.top() >
                pages[2].find(QStringLiteral("Value")).last()->rect.top());
    }

    void anEmptyReportStillHasItsHeadersAndFooter()
    {
        SmallReport report(0);
        QVERIFY(report.layout(QSizeF(4000, 3000)));
        QCOMPARE(report.pages().size(), 1);
        QCOMPARE(report.pages()[0].texts(), (QStringList{"عنوان", "سرستون", "پايان"}));
    }

    void controlsAreFoundByNameAndTheirCaptionsSet()
    {
        SmallReport report(1);
        QVERIFY(report.control(QStringLiteral("Section4"), QStringLiteral("title")));
        QVERIFY(!report.control(QStringLiteral("Section2"), QStringLiteral("Title")));
        QVERIFY(!report.control(QStringLiteral("Section9"), QStringLiteral("Title")));
        report.control(QStringLiteral("section4"), QStringLiteral("Title"))->setCaption(QStringLiteral("کلينيک"));
        QVERIFY(report.layout(QSizeF(4000, 3000)));
        QCOMPARE(report.pages()[0].text(QStringLiteral("Title")), QStringLiteral("کلينيک"));
    }

    void aFormatHookReplacesValuesAndCanStopTheProduction()
    {
        SmallReport report(4);
        FailAt failAtThird(3);
        report.control(QStringLiteral("Section1"), QStringLiteral("Value"))->dataFormat = &failAtThird;
        QVERIFY(!report.layout(QSizeF(4000, 30000)));
        QCOMPARE(report.lastError(), QStringLiteral("stopped at 3"));
        QVERIFY(report.pages().isEmpty());

        FailAt never(0);
        report.control(QStringLiteral("Section1"), QStringLiteral("Value"))->dataFormat = &never;
        QVERIFY(report.layout(QSizeF(4000, 30000)));
        QCOMPARE(report.pages()[0].find(QStringLiteral("Value")).first()->text, QStringLiteral("1*"));
        QVERIFY(report.lastError().isEmpty());
    }

    void rowNumbersCountAndOverflowIsAnError()
    {
        RowNumberFormat myf;
        QVariant value = QStringLiteral("code");
        QVERIFY(myf.format(value, nullptr));
        QCOMPARE(value, QVariant(1));
        QVERIFY(myf.format(value, nullptr));
        QCOMPARE(value, QVariant(2));

        myf.reset(std::numeric_limits<int>::max() - 1);
        QVERIFY(myf.format(value, nullptr));
        QCOMPARE(value.toInt(), std::numeric_limits<int>::max());
        QString error;
        QVERIFY(!myf.format(value, &error));
        QCOMPARE(error, QStringLiteral("Overflow"));
        QCOMPARE(myf.counter(), std::numeric_limits<int>::max()); // no wrap to a negative number
    }

    void aReportWiderThanThePageIsSetSmaller()
    {
        SmallReport report(6);
        QVERIFY(report.layout(QSizeF(2000, 3000)));
        QCOMPARE(report.scale(), 0.5);
        // Half the size: twice the room, so page 1 holds (6000 - 200 - 1300) / 500 rows.
        QCOMPARE(report.pages().size(), 1);
    }

    void pagesPaintOntoAnImage()
    {
        SmallReport report(2);
        QVERIFY(report.layout(QSizeF(4000, 3000)));
        const QImage page = report.pageImage(0, 96, QSizeF(4000, 3000));
        QCOMPARE(page.size(), QSize(266, 200));
        // Some ink lies in the title's band and none below the footer.
        bool ink = false;
        for (int y = 0; y < 13 && !ink; ++y)
            for (int x = 0; x < page.width() && !ink; ++x)
                ink = qGray(page.pixel(x, y)) < 128;
        QVERIFY(ink);
        QVERIFY(report.pageImage(5, 96, QSizeF(4000, 3000)).isNull());
    }
};

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
