// Start-up and registration with many subjects.
//
//  1. Start-up to the main window shown, as whole processes, against a bare Qt window
//     program in the same run.                                     goal: ratio <= 1.5
//  2. The same start-up with 100,000 registered subjects against an empty database:
//     opening the views must not read every row.                  goal: ratio <= 1.2
//  3. A registration Save through the real panel with 100,000 subjects registered.
//                                                                  goal: median <= 10 ms
//
// bench_startup [RUNS]   (RUNS start-ups of each program, 10 unless given)

#include "TestEnvironment.h"
#include "data/DatabaseSchema.h"
#include "data/Scales.h"
#include "shell/Frm1.h"
#include "data/View.h"
#include "subjects/RegistrationPanel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int kSubjects = 100000;

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

[[noreturn]] void fail(const QString& what)
{
    out() << "bench_startup: " << what << Qt::endl;
    std::exit(1);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QString fieldValue(int k, int i)
{
    static const char* const sexes[] = {"مرد", "زن"};
    switch (k) {
    case 1: return QStringLiteral("نام %1").arg(i);
    case 2: return QStringLiteral("خانواده %1").arg(i % 977);
    case 3: return QString::fromUtf8(sexes[i % 2]);
    case 4: return QString::number(18 + i % 60);
    default: return QStringLiteral("مقدار %1-%2").arg(k).arg(i % 13);
    }
}

// n subjects, each with its IDE row and three answered answer rows, in one transaction.
void fillSubjects(QSqlDatabase db, int n)
{
    if (!db.transaction())
        fail(QStringLiteral("cannot begin: ") + db.lastError().text());
    QSqlQuery ide(db);
    ide.prepare(QStringLiteral("INSERT INTO IDE (Code, F1, F2, F3, F4, F5, F6, F7, F8, AAS, APS, MACR) "
                               "VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"));
    QSqlQuery answers[3] = {QSqlQuery(db), QSqlQuery(db), QSqlQuery(db)};
    for (const ScaleInfo& s : kScales) {
        QStringList columns{QStringLiteral("Code")}, marks{QStringLiteral("?")};
        for (int item = 1; item <= s.items; ++item) {
            columns << QStringLiteral("\"%1\"").arg(item);
            marks << QStringLiteral("?");
        }
        answers[s.number - 1].prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                          .arg(QLatin1String(s.answerTable), columns.join(u','), marks.join(u',')));
    }
    for (int i = 0; i < n; ++i) {
        const QString code = QString::number(100000 + i);
        ide.addBindValue(code);
        for (int k = 1; k <= 8; ++k)
            ide.addBindValue(fieldValue(k, i));
        for (int s = 0; s < 3; ++s)
            ide.addBindValue(QString::number((i * (s + 3)) % 13));
        if (!ide.exec())
            fail(QStringLiteral("cannot insert a subject: ") + ide.lastError().text());
        for (const ScaleInfo& s : kScales) {
            QSqlQuery& q = answers[s.number - 1];
            q.addBindValue(code);
            for (int item = 1; item <= s.items; ++item)
                q.addBindValue((i + item) % 3 ? QStringLiteral("1") : QStringLiteral("2"));
            if (!q.exec())
                fail(QStringLiteral("cannot insert answers: ") + q.lastError().text());
        }
    }
    if (!db.commit())
        fail(QStringLiteral("cannot commit: ") + db.lastError().text());
}

// A program folder like the installed one: the start-up helper in place of the
// program, the skins, the database (with n subjects) and Back/.
QString makeProgramFolder(const QString& folder, int subjects)
{
    QDir dir(folder);
    dir.mkpath(QStringLiteral("Pelimora1"));
    dir.mkpath(QStringLiteral("Back"));
    const QDir skins(QStringLiteral(BENCH_SKIN_DIR));
    for (const QString& skin : skins.entryList({QStringLiteral("*.skn")}, QDir::Files))
        QFile::copy(skins.filePath(skin), dir.filePath(skin));
    const QString program = dir.filePath(QStringLiteral("startup_app"));
    if (!QFile::copy(QStringLiteral(BENCH_HELPERS "/startup_app"), program))
        fail(QStringLiteral("cannot copy the start-up helper"));
    const QString dbPath = dir.filePath(QStringLiteral("Pelimora1/Pelimora1.mdb"));
    QString error;
    if (!DatabaseSchema::createFile(dbPath, &error))
        fail(QStringLiteral("cannot make the database: ") + error);
    if (subjects > 0) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
            db.setDatabaseName(dbPath);
            if (!db.open())
                fail(QStringLiteral("cannot open the database: ") + db.lastError().text());
            fillSubjects(db, subjects);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
    }
    return program;
}

// Wall time of one whole process, from start until it has ended, in milliseconds.
double runOnce(const QString& program, const QStringList& arguments = {})
{
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(program, arguments);
    if (!p.waitForStarted(10000))
        fail(program + QStringLiteral(" did not start"));
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        fail(program + QStringLiteral(" did not show its window within a minute"));
    }
    const double ms = t.nsecsElapsed() / 1e6;
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        fail(program + QStringLiteral(" ended with code %1: ").arg(p.exitCode()) +
             QString::fromLocal8Bit(p.readAllStandardError()));
    return ms;
}

// The offscreen platform says what it cannot do (raise a window, and the like).
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

QString verdict(bool ok)
{
    return ok ? QStringLiteral("met") : QStringLiteral("NOT MET");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The programs under test inherit these: no chatter of the offscreen platform.
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    qInstallMessageHandler(quietPlatform);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 10;

    QTemporaryDir temp;
    QElapsedTimer prep;
    prep.start();
    const QString bare = QStringLiteral(BENCH_HELPERS "/startup_bare");
    const QString emptyApp = makeProgramFolder(temp.filePath(QStringLiteral("empty")), 0);
    const QString fullApp = makeProgramFolder(temp.filePath(QStringLiteral("full")), kSubjects);
    out() << "prepared two program folders (0 and " << kSubjects << " subjects) in " << prep.elapsed() << " ms"
          << Qt::endl;

    // One run of each first, to warm the file cache; then the four in turn, so that
    // a change in the machine's load falls on all of them alike.
    const QStringList label{QStringLiteral("--label")};
    runOnce(bare);
    runOnce(bare, label);
    runOnce(emptyApp);
    runOnce(fullApp);
    std::vector<double> tBare, tLabel, tEmpty, tFull;
    for (int i = 0; i < runs; ++i) {
        tBare.push_back(runOnce(bare));
        tLabel.push_back(runOnce(bare, label));
        tEmpty.push_back(runOnce(emptyApp));
        tFull.push_back(runOnce(fullApp));
    }
    const double mBare = median(tBare), mLabel = median(tLabel), mEmpty = median(tEmpty), mFull = median(tFull);
    const double r1 = mEmpty / mBare, r2 = mFull / mEmpty;
    out() << QString::asprintf("start-up, median of %d whole processes, offscreen:\n", runs);
    out() << QString::asprintf("  bare Qt window program            %8.1f ms\n", mBare);
    out() << QString::asprintf("  the same with one Persian label   %8.1f ms   (for comparison)\n", mLabel);
    out() << QString::asprintf("  main window, empty database       %8.1f ms\n", mEmpty);
    out() << QString::asprintf("  main window, %d subjects      %8.1f ms\n", kSubjects, mFull);
    out() << QString::asprintf("  main / bare           %5.2f   goal <= 1.50   %s\n", r1, qPrintable(verdict(r1 <= 1.5)));
    out() << QString::asprintf("  main / labelled bare  %5.2f   (for comparison)\n", mEmpty / mLabel);
    out() << QString::asprintf("  %dk subjects / empty %5.2f   goal <= 1.20   %s\n", kSubjects / 1000, r2,
                               qPrintable(verdict(r2 <= 1.2)));
    out().flush();

    // Registration Save through the real panel, in this process.
    std::vector<double> saves, opens, rereads, bareStores;
    {
        TestEnvironment env;
        fillSubjects(env.db.connection(), kSubjects);
        Frm1* main = env.showMain();
        RegistrationPanel* panel = main->registrationPanel();
        const int saveRuns = 50;
        for (int i = 0; i < saveRuns + 1; ++i) {
            QElapsedTimer t;
            t.start();
            panel->open();
            const double openMs = t.nsecsElapsed() / 1e6;
            panel->codeField()->setText(QStringLiteral("N%1").arg(i));
            for (int k = 1; k <= 8; ++k)
                panel->field(k)->setText(fieldValue(k, i).left(k == 3 ? 2 : 40));
            t.restart();
            panel->save();
            const double saveMs = t.nsecsElapsed() / 1e6;
            if (!env.dialogs.calls.isEmpty())
                fail(QStringLiteral("the save was refused: ") + env.dialogs.calls.first().text);
            if (i > 0) { // the first one pays for what is done once per window
                saves.push_back(saveMs);
                opens.push_back(openMs);
            }
        }
        // What the Save spends on re-reading: the four views and the reset step, as
        // the Save runs them after storing.
        for (int i = 0; i < 20; ++i) {
            QElapsedTimer t;
            t.start();
            main->ideView().refresh();
            for (int s = 1; s <= 3; ++s)
                main->answerView(s).refresh();
            main->reset();
            rereads.push_back(t.nsecsElapsed() / 1e6);
        }
        // The least a Save can cost: the four rows alone, in one transaction.
        QSqlQuery ins(env.db.connection());
        for (int i = 0; i < 20; ++i) {
            QElapsedTimer t;
            t.start();
            env.db.begin();
            const QString code = QStringLiteral("Q%1").arg(i);
            ins.prepare(QStringLiteral("INSERT INTO IDE (Code, F1, F2, F3, F4, F5, F6, F7, F8) VALUES (?,?,?,?,?,?,?,?,?)"));
            ins.addBindValue(code);
            for (int k = 1; k <= 8; ++k)
                ins.addBindValue(fieldValue(k, i));
            bool ok = ins.exec();
            for (const ScaleInfo& sc : kScales) {
                ins.prepare(QStringLiteral("INSERT INTO %1 (Code) VALUES (?)").arg(QLatin1String(sc.answerTable)));
                ins.addBindValue(code);
                ok = ins.exec() && ok;
            }
            if (!ok || !env.db.commit())
                fail(QStringLiteral("cannot store four rows: ") + ins.lastError().text());
            bareStores.push_back(t.nsecsElapsed() / 1e6);
        }
        if (env.count(QStringLiteral("IDE")) != kSubjects + saveRuns + 1 + 20 ||
            env.count(QStringLiteral("AnswerMACR")) != kSubjects + saveRuns + 1 + 20)
            fail(QStringLiteral("the saves did not store every subject"));
    }
    const double mSave = median(saves);
    out() << QString::asprintf("registration with %d subjects registered, median of %zu:\n", kSubjects, saves.size());
    out() << QString::asprintf("  open the panel        %7.2f ms\n", median(opens));
    out() << QString::asprintf("  Save                  %7.2f ms (slowest %.2f)   goal <= 10 ms   %s\n", mSave,
                               *std::max_element(saves.begin(), saves.end()), qPrintable(verdict(mSave <= 10)));
    out() << QString::asprintf("  re-reading the four views and the reset step, alone   %7.2f ms\n", median(rereads));
    out() << QString::asprintf("  storing the four rows by SQL in one transaction, alone  %7.2f ms\n", median(bareStores));
    return 0;
}
