// Keying one subject (the three scales from their stored answer texts), and the
// all-subjects report produced from the scoring window and rendered to PDF for 1,000
// and 10,000 subjects.
#include "TestEnvironment.h"

#include "data/Scales.h"
#include "data/View.h"
#include "reports/DataRPrint.h"
#include "reports/ReportProducer.h"
#include "scoring/ScaleKeys.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Answers as the answering screen stores them: "1", "2", and a few left empty.
QStringList answers(int items, int seed)
{
    QStringList out;
    for (int i = 0; i < items; ++i) {
        const int r = (i * 7 + seed * 13) % 17;
        out << (r == 0 ? QString() : r % 2 ? QStringLiteral("1") : QStringLiteral("2"));
    }
    return out;
}

double keyingMicroseconds()
{
    std::vector<QStringList> subjects[3];
    for (int s = 0; s < 3; ++s)
        for (int seed = 0; seed < 64; ++seed)
            subjects[s].push_back(answers(kScales[s].items, seed));
    std::vector<double> perSubject;
    int sink = 0;
    const int batch = 200;
    for (int round = 0; round < 300; ++round) {
        QElapsedTimer t;
        t.start();
        for (int n = 0; n < batch; ++n) {
            const int seed = (round + n) % 64;
            for (int s = 0; s < 3; ++s) {
                const ScaleKeys::Result r = ScaleKeys::keyScale(kScales[s], subjects[s][seed]);
                sink += r.score + int(r.unanswered.size());
            }
        }
        perSubject.push_back(double(t.nsecsElapsed()) / 1e3 / batch);
    }
    if (sink == 42)
        std::printf(" ");
    return median(perSubject);
}

void fill(TestEnvironment& env, int subjects)
{
    QSqlDatabase c = env.db.connection();
    env.db.begin();
    QSqlQuery ide(c);
    ide.prepare(QStringLiteral(
        "INSERT INTO IDE (Code, F1, F2, F3, F4, F5, F6, F7, F8, AAS, APS, MACR) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"));
    for (int i = 0; i < subjects; ++i) {
        // Codes inserted out of order, so that the report's sort has work to do.
        ide.addBindValue(QString::number(100000 + (i * 7919) % subjects));
        ide.addBindValue(QStringLiteral("نام%1").arg(i % 2000));
        ide.addBindValue(QStringLiteral("خانواده%1").arg(i % 5000));
        ide.addBindValue(i % 2 ? QStringLiteral("زن") : QStringLiteral("مرد"));
        ide.addBindValue(QString::number(18 + i % 60));
        ide.addBindValue(QStringLiteral("متاهل"));
        ide.addBindValue(QStringLiteral("کارشناسی"));
        ide.addBindValue(QStringLiteral("کارمند"));
        ide.addBindValue(QStringLiteral("0912"));
        ide.addBindValue(QString::number(i % 14));
        ide.addBindValue(QString::number(i % 40));
        ide.addBindValue(QString::number(i % 50));
        ide.exec();
    }
    env.db.commit();
}

// From the button's press to the last page written to the PDF file.
double reportSeconds(int subjects, int* pages)
{
    TestEnvironment env;
    fill(env, subjects);
    View all(env.db, Tables::IDE), settings(env.db, Tables::Settings), theme(env.db, Tables::Theme);
    all.open();
    settings.open();
    theme.open();
    std::shared_ptr<DataRPrint> report;
    const QString pdf = QDir(env.folder()).filePath(QStringLiteral("all.pdf"));
    QElapsedTimer t;
    t.start();
    ReportProducer::allSubjects(env.context, nullptr, all, settings, theme, report);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    env.dialogs.lastPaint(&printer);
    const double seconds = double(t.nsecsElapsed()) / 1e9;
    *pages = int(report->pages().size());
    if (QFileInfo(pdf).size() == 0)
        std::printf("  (no PDF written)\n");
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const double us = keyingMicroseconds();
    std::printf("keying one subject (AAS, APS, MAC-R): median %.2f us   goal <= 50 us   %s\n", us,
                us <= 50 ? "ok" : "MISSED");
    int pages1 = 0, pages10 = 0;
    const double s1 = reportSeconds(1000, &pages1);
    const double s10 = reportSeconds(10000, &pages10);
    std::printf("all-subjects report to PDF, 1,000 subjects: %.2f s (%d pages)\n", s1, pages1);
    std::printf("all-subjects report to PDF, 10,000 subjects: %.2f s (%d pages)   goal <= 10 s   %s\n", s10, pages10,
                s10 <= 10 ? "ok" : "MISSED");
    std::printf("growth 1,000 -> 10,000: %.1fx   goal <= 12x   %s\n", s10 / s1, s10 / s1 <= 12 ? "ok" : "MISSED");
    return 0;
}
