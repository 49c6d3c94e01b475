#include "TestEnvironment.h"
#include "data/Scales.h"
#include "reports/DataR1.h"
#include "reports/DataRPrint.h"
#include "scoring/FrmkLID.h"

#include <QFile>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>

namespace {

template <class T> T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

// The text pdftotext reads from a PDF, or a null text when the tool is missing.
QString pdfText(const QString& pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess p;
    p.start(tool, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

    FrmkLID* open()
    {
        auto* w = env->windows->show<FrmkLID>();
        env->dialogs.calls.clear();
        return w;
    }

    void answerAll(const QString& code, const QString& answer)
    {
        env->db.begin();
        for (const ScaleInfo& s : kScales) {
            QStringList answers;
            for (int i = 0; i < s.items; ++i)
                answers << answer;
            env->setAnswers(code, s.number, answers);
        }
        env->db.commit();
    }

    // Paints the last preview into a PDF, as the preview's "save as PDF" does.
    QString paintToPdf(const QString& name)
    {
        const QString file = QDir(env->folder()).filePath(name);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        env->dialogs.lastPaint(&printer);
        return file;
    }

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void printsEverySubjectInCodeOrder()
    {
        env->exec(QStringLiteral("UPDATE Theme SET Name = ?, Adress = ?"),
                  {QStringLiteral("مرکز مشاوره آرامش"), QStringLiteral("تهران، خيابان بهار، پلاک ۱۲")});
        env->db.begin();
        env->addSubject(QStringLiteral("B2"), {QStringLiteral("علی"), QStringLiteral("رضايی")});
        env->addSubject(QStringLiteral("A1"), {QStringLiteral("مريم"), QStringLiteral("احمدی")});
        env->addSubject(QStringLiteral("D4"), {QStringLiteral("سارا")});
        env->addSubject(QStringLiteral("C3"), {QStringLiteral("رضا")});
        env->db.commit();
        answerAll(QStringLiteral("A1"), QStringLiteral("1"));
        answerAll(QStringLiteral("B2"), QStringLiteral("2"));
        answerAll(QStringLiteral("D4"), QStringLiteral("1"));
        FrmkLID* w = open();
        for (const char* code : {"A1", "B2", "D4"}) {
            env->dialogs.inputs << QString::fromLatin1(code);
            child<QPushButton>(w, "cmdSelect")->click();
        }
        env->dialogs.calls.clear();
        child<QPushButton>(w, "cmdPrintAll")->click();
        QCOMPARE(env->dialogs.calls.size(), 1);
        QCOMPARE(env->dialogs.calls[0].kind, QStringLiteral("preview"));

        const QString pdf = paintToPdf(QStringLiteral("all.pdf"));
        QVERIFY(QFileInfo(pdf).size() > 1000);
        DataRPrint* report = w->allSubjectsReport();
        QVERIFY(report);
        QCOMPARE(report->pages().size(), 1);
        const ReportPage& page = report->pages()[0];
        QCOMPARE(page.count(QStringLiteral("Section4")), 1);
        QCOMPARE(page.count(QStringLiteral("Section2")), 1);
        QCOMPARE(page.count(QStringLiteral("Section1")), 4);
        QCOMPARE(page.count(QStringLiteral("Section5")), 1);

        auto column = [&](const char* control) {
            QStringList out;
            for (const ReportItem* item : page.find(QString::fromLatin1(control), QStringLiteral("Section1")))
                out << item->text;
            return out;
        };
        QCOMPARE(column("Text1"), (QStringList{"1", "2", "3", "4"}));
        QCOMPARE(column("txtCode"), (QStringList{"A1", "B2", "C3", "D4"}));
        QCOMPARE(column("txtGroup1"), (QStringList{"مريم", "علی", "رضا", "سارا"}));
        QCOMPARE(column("txtScore"), (QStringList{"احمدی", "رضايی", "v2", "v2"}));
        QCOMPARE(column("Text9"), (QStringList{"v7", "v7", "v7", "v7"}));
        // C3 was never keyed: its score cells are empty.
        QCOMPARE(column("Text3"), (QStringList{"10", "3", "", "10"}));
        QCOMPARE(column("Text7"), (QStringList{"23", "16", "", "23"}));
        QCOMPARE(column("Text8"), (QStringList{"37", "12", "", "37"}));
        // Rows follow each other down the page, right to left across it.
        const auto rows = page.find(QStringLiteral("Text1"));
        QVERIFY(rows[0]->rect.top() < rows[1]->rect.top());
        QVERIFY(page.find(QStringLiteral("Text1")).first()->rect.left() >
                page.find(QStringLiteral("Text3")).first()->rect.left());

        QCOMPARE(page.text(QStringLiteral("Label9")), QStringLiteral("مرکز مشاوره آرامش"));
        QCOMPARE(page.text(QStringLiteral("Label14")), QStringLiteral("تهران، خيابان بهار، پلاک ۱۲"));
        QCOMPARE(page.text(QStringLiteral("Label18")), QStringLiteral(" گزارش نتيجه تست  مقياس هاي"));
        QCOMPARE(page.text(QStringLiteral("Label3")), QStringLiteral(" Ornavex   "));
        QCOMPARE(page.text(QStringLiteral("Label5")), QStringLiteral("رديف"));
        QCOMPARE(page.text(QStringLiteral("Label2")), QStringLiteral("کد"));
        QCOMPARE(page.text(QStringLiteral("Label15")), QStringLiteral(":آدرس"));
        QCOMPARE(page.text(QStringLiteral("Label13")), QStringLiteral("MAC-R"));
        QSqlQuery settings = env->exec(QStringLiteral("SELECT F1, F2, F3, F4, F5, F6, F7 FROM Settings"));
        QVERIFY(settings.next());
        for (int k = 0; k < 7; ++k)
            QCOMPARE(page.text(DataRPrint::captionLabels()[k], QStringLiteral("Section2")),
                     settings.value(k).toString());

        // The state of the window is unchanged by the report.
        QCOMPARE(w->selectedMark(), QStringLiteral("D4"));
    }

    void aLongListHasTheHeadingOnEveryPageAndNumbersFromOneEachTime()
    {
        env->db.begin();
        for (int i = 1; i <= 120; ++i)
            env->addSubject(QStringLiteral("S%1").arg(i, 3, 10, QLatin1Char('0')));
        env->db.commit();
        FrmkLID* w = open();
        child<QPushButton>(w, "cmdPrintAll")->click();
        for (int production = 0; production < 2; ++production) {
            // Painting again (the preview repaints, then prints) numbers from 1 again.
            paintToPdf(QStringLiteral("long%1.pdf").arg(production));
            const auto& pages = w->allSubjectsReport()->pages();
            QVERIFY(pages.size() >= 3);
            QStringList numbers, codes;
            for (int p = 0; p < pages.size(); ++p) {
                QCOMPARE(pages[p].count(QStringLiteral("Section2")), 1);
                QCOMPARE(pages[p].count(QStringLiteral("Section4")), p == 0 ? 1 : 0);
                QCOMPARE(pages[p].count(QStringLiteral("Section5")), p == pages.size() - 1 ? 1 : 0);
                // The heading row opens every page after the first.
                if (p > 0)
                    QCOMPARE(pages[p].find(QStringLiteral("Label5")).first()->rect.top(), 30);
                for (const ReportItem* item : pages[p].find(QStringLiteral("Text1")))
                    numbers << item->text;
                for (const ReportItem* item : pages[p].find(QStringLiteral("txtCode")))
                    codes << item->text;
            }
            QCOMPARE(numbers.size(), 120);
            QCOMPARE(numbers.first(), QStringLiteral("1"));
            QCOMPARE(numbers.last(), QStringLiteral("120"));
            QCOMPARE(codes.first(), QStringLiteral("S001"));
            QCOMPARE(codes.last(), QStringLiteral("S120"));
        }
        // A second production from the window numbers from 1 as well.
        child<QPushButton>(w, "cmdPrintAll")->click();
        paintToPdf(QStringLiteral("again.pdf"));
        QCOMPARE(w->allSubjectsReport()->pages()[0].find(QStringLiteral("Text1")).first()->text, QStringLiteral("1"));
    }

    void aChangedCaptionShowsOnBothReports()
    {
        env->addSubject(QStringLiteral("1001"));
        answerAll(QStringLiteral("1001"), QStringLiteral("1"));
        env->exec(QStringLiteral("UPDATE Settings SET F3 = ?"), {QStringLiteral("جنسيت")});
        FrmkLID* w = open();
        child<QPushButton>(w, "cmdPrintAll")->click();
        paintToPdf(QStringLiteral("all.pdf"));
        QCOMPARE(w->allSubjectsReport()->pages()[0].text(QStringLiteral("Label6"), QStringLiteral("Section2")),
                 QStringLiteral("جنسيت"));
        env->dialogs.inputs << QStringLiteral("1001");
        child<QPushButton>(w, "cmdSelect")->click();
        child<QPushButton>(w, "cmdPrintSelected")->click();
        paintToPdf(QStringLiteral("sheet.pdf"));
        QCOMPARE(w->subjectSheet()->pages()[0].text(QStringLiteral("Label6")), QStringLiteral("جنسيت"));
    }

    void theSheetShowsWhatTheWindowDisplays()
    {
        env->exec(QStringLiteral("UPDATE Theme SET Adress = ?"), {QStringLiteral("شيراز، بلوار زند")});
        env->addSubject(QStringLiteral("1001"),
                        {QStringLiteral("مريم"), QStringLiteral("احمدی"), QStringLiteral("زن"), QStringLiteral("34"),
                         QStringLiteral("متاهل"), QStringLiteral("ليسانس"), QStringLiteral("معلم"),
                         QStringLiteral("0912")});
        answerAll(QStringLiteral("1001"), QStringLiteral("2"));
        FrmkLID* w = open();
        env->dialogs.inputs << QStringLiteral("1001");
        child<QPushButton>(w, "cmdSelect")->click();
        // Another window changes the stored scores; the sheet prints the displayed ones.
        env->exec(QStringLiteral("UPDATE IDE SET AAS = '0', APS = '0', MACR = '0'"));
        env->dialogs.calls.clear();
        child<QPushButton>(w, "cmdPrintSelected")->click();
        QCOMPARE(env->dialogs.calls.size(), 1);
        QCOMPARE(env->dialogs.calls[0].kind, QStringLiteral("preview"));
        const QString pdf = paintToPdf(QStringLiteral("sheet.pdf"));

        DataR1* sheet = w->subjectSheet();
        QCOMPARE(sheet->pages().size(), 1);
        const ReportPage& page = sheet->pages()[0];
        QCOMPARE(page.count(QStringLiteral("Section1")), 1);
        QCOMPARE(page.text(QStringLiteral("Label15")), QStringLiteral("1001"));
        const QStringList values{"مريم", "احمدی", "زن", "34", "متاهل", "ليسانس"};
        QSqlQuery settings = env->exec(QStringLiteral("SELECT F1, F2, F3, F4, F5, F6 FROM Settings"));
        QVERIFY(settings.next());
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(page.text(DataR1::valueLabels()[k]), values[k]);
            QCOMPARE(page.text(DataR1::captionLabels()[k]), settings.value(k).toString());
        }
        QCOMPARE(page.text(QStringLiteral("Label23")), QStringLiteral("3"));
        QCOMPARE(page.text(QStringLiteral("Label18")), QStringLiteral("16"));
        QCOMPARE(page.text(QStringLiteral("Label25")), QStringLiteral("12"));
        QCOMPARE(page.text(QStringLiteral("Label24")), QStringLiteral("MAC-R"));
        QCOMPARE(page.text(QStringLiteral("Label13")), QStringLiteral("شيراز، بلوار زند"));
        QCOMPARE(page.text(QStringLiteral("Label1")), QStringLiteral("پرسش نامه Ornavex"));
        QCOMPARE(page.text(QStringLiteral("Label2")), QStringLiteral("کد"));
        QCOMPARE(page.text(QStringLiteral("Label17")), QStringLiteral("آدرس"));
        QCOMPARE(page.find(QStringLiteral("Image1")).size(), 1);

        // The saved PDF holds the Persian text as text, in reading order.
        const QString text = pdfText(pdf);
        if (text.isNull())
            QSKIP("pdftotext is not installed");
        // pdftotext gives the shaped letters as their joined (initial, medial, final)
        // forms, in reading order; folded back they are the address as typed.
        // Arabic and Persian yeh share one glyph, so either may come back.
        auto plain = [](QString t) {
            t.remove(QRegularExpression(QStringLiteral("[\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]")));
            return t.replace(QChar(0x064A), QChar(0x06CC)).replace(QChar(0x0643), QChar(0x06A9));
        };
        const QString folded = plain(text.normalized(QString::NormalizationForm_KC));
        const QString word = plain(QStringLiteral("شيراز"));
        QVERIFY2(folded.contains(word), qPrintable(text));
        QVERIFY2(folded.contains(QStringLiteral("بلوار زند")), qPrintable(text));
        QVERIFY2(folded.contains(plain(QStringLiteral("پرسش نامه Ornavex"))), qPrintable(text));
        QString reversed = word;
        std::reverse(reversed.begin(), reversed.end());
        QVERIFY(!folded.contains(reversed));
        // Unfolded, the word is there as joined forms: initial sheen, medial yeh, final reh.
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\x{FEB7}[\\x{FEF4}\\x{FBFE}\\x{FBFF}]\\x{FEAE}"))),
                 "the letters were not joined");
    }
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
