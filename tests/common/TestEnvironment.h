#pragma once

#include "ScriptedDialogs.h"
#include "data/Database.h"
#include "shell/AppContext.h"
#include "shell/Windows.h"

#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

class Frm1;

// A fresh program folder in a temporary directory: its own database made by the same
// code as the installed one, the skin files, and an AppContext whose dialogs are
// scripted and whose platform calls are recorded. The working directory is the
// folder while the environment lives.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    QString folder() const { return m_dir.path(); }
    QString databasePath() const;

    Database db;
    ScriptedDialogs dialogs;
    AppContext context;
    std::unique_ptr<Windows> windows;

    QList<QPair<QString, QStringList>> startedProcesses;
    bool processStartSucceeds = true;
    QList<QUrl> openedUrls;
    int endProgramCalls = 0;
    QDateTime fixedNow; // the clock of context.now when valid

    Frm1* showMain();

    // Direct access to the file for setting up and checking.
    QSqlQuery exec(const QString& sql, const QVariantList& values = {});
    void addSubject(const QString& code, const QStringList& fields = {}); // four rows
    void setAnswers(const QString& code, int scale, const QStringList& answers); // items 1..n
    QString value(const QString& table, const QString& code, const QString& column);
    int count(const QString& table);
    void setTheme(int th);

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};
