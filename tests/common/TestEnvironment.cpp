#include "TestEnvironment.h"

#include "data/DatabaseSchema.h"
#include "data/Scales.h"
#include "shell/Fonts.h"
#include "shell/Frm1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QTest>

TestEnvironment::TestEnvironment()
{
    m_previousDir = QDir::currentPath();
    QDir(m_dir.path()).mkpath(QStringLiteral("Pelimora1"));
    QDir(m_dir.path()).mkpath(QStringLiteral("Back"));
    QString error;
    if (!DatabaseSchema::createFile(databasePath(), &error))
        qFatal("cannot make the test database: %s", qPrintable(error));
    const QDir skins(QStringLiteral(PELIMORA_SOURCE_SKINS));
    for (const QString& skin : skins.entryList({QStringLiteral("*.skn")}, QDir::Files))
        QFile::copy(skins.filePath(skin), QDir(m_dir.path()).filePath(skin));
    QDir::setCurrent(m_dir.path());
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::install();
    if (!db.open(databasePath()))
        qFatal("cannot open the test database: %s", qPrintable(db.lastError()));

    context.db = &db;
    context.dialogs = &dialogs;
    context.config = AppConfig{QStringLiteral("127.0.0.1:9"), QStringLiteral("site.test"),
                               QStringLiteral("shop.test"), QStringLiteral("store.test"),
                               QStringLiteral("calculator-for-tests")};
    context.programFolder = m_dir.path();
    context.startProcess = [this](const QString& program, const QStringList& args) {
        startedProcesses.append({program, args});
        return processStartSucceeds;
    };
    context.openUrl = [this](const QUrl& url) { openedUrls << url; };
    context.endProgram = [this] {
        ++endProgramCalls;
        windows->destroyAll();
    };
    context.now = [this] { return fixedNow.isValid() ? fixedNow : QDateTime::currentDateTime(); };
    windows = std::make_unique<Windows>(context);
    context.windows = windows.get();
}

TestEnvironment::~TestEnvironment()
{
    windows->destroyAll();
    QApplication::processEvents();
    windows.reset();
    db.close();
    QDir::setCurrent(m_previousDir);
}

QString TestEnvironment::databasePath() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("Pelimora1/Pelimora1.mdb"));
}

Frm1* TestEnvironment::showMain()
{
    return windows->showMain();
}

QSqlQuery TestEnvironment::exec(const QString& sql, const QVariantList& values)
{
    QSqlQuery q(db.connection());
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        qWarning("test SQL failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    return q;
}

void TestEnvironment::addSubject(const QString& code, const QStringList& fields)
{
    QVariantList values{code};
    for (int k = 0; k < 8; ++k)
        values << (k < fields.size() ? fields[k] : QStringLiteral("v%1").arg(k + 1));
    exec(QStringLiteral("INSERT INTO IDE (Code, F1, F2, F3, F4, F5, F6, F7, F8) VALUES (?,?,?,?,?,?,?,?,?)"), values);
    for (const ScaleInfo& s : kScales)
        exec(QStringLiteral("INSERT INTO %1 (Code) VALUES (?)").arg(QLatin1String(s.answerTable)), {code});
}

void TestEnvironment::setAnswers(const QString& code, int scale, const QStringList& answers)
{
    const ScaleInfo* s = scaleByNumber(scale);
    for (int i = 0; i < answers.size() && i < s->items; ++i)
        exec(QStringLiteral("UPDATE %1 SET \"%2\" = ? WHERE Code = ?").arg(QLatin1String(s->answerTable)).arg(i + 1),
             {answers[i].isNull() ? QVariant() : QVariant(answers[i]), code});
}

QString TestEnvironment::value(const QString& table, const QString& code, const QString& column)
{
    QSqlQuery q = exec(QStringLiteral("SELECT \"%1\" FROM %2 WHERE Code = ?").arg(column, table), {code});
    return q.next() ? q.value(0).toString() : QString();
}

int TestEnvironment::count(const QString& table)
{
    QSqlQuery q = exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
    return q.next() ? q.value(0).toInt() : -1;
}

void TestEnvironment::setTheme(int th)
{
    exec(QStringLiteral("UPDATE Theme SET TH = ?"), {QString::number(th)});
}
