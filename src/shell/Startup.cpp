#include "Startup.h"

#include "AppContext.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "SingleInstance.h"
#include "Windows.h"
#include "data/Database.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>

void Startup::prepareApplication(const QString& programFolder)
{
    QDir::setCurrent(programFolder);
    QApplication::setApplicationName(QStringLiteral("Pelimora"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    Fonts::install();
}

QString Startup::databasePath(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("Pelimora1/Pelimora1.mdb"));
}

bool Startup::openDatabase(Database& db, const QString& path, Dialogs& dialogs)
{
    QString detail;
    const auto check = Database::checkFile(path, false, &detail);
    QString reason;
    switch (check) {
    case Database::FileCheck::Ok: break;
    case Database::FileCheck::Missing: reason = QStringLiteral("پرونده پایگاه داده پیدا نشد"); break;
    case Database::FileCheck::Unreadable: reason = QStringLiteral("پرونده پایگاه داده خوانده نمی‌شود"); break;
    case Database::FileCheck::NotOurs: reason = QStringLiteral("این پرونده پایگاه داده این برنامه نیست"); break;
    }
    if (check == Database::FileCheck::Ok && !db.open(path))
        reason = QStringLiteral("پرونده پایگاه داده باز نمی‌شود");
    if (reason.isEmpty())
        return true;
    dialogs.message(nullptr, QString(),
                    reason + QStringLiteral(":\n") + QDir::toNativeSeparators(path) +
                        QStringLiteral("\n\nبرنامه بسته می‌شود."),
                    Dialogs::Icon::Critical);
    return false;
}

void Startup::reportAlreadyRunning(Dialogs& dialogs)
{
    dialogs.message(nullptr, QStringLiteral("Warnnig"), QStringLiteral("برنامه در حال اجراست"),
                    Dialogs::Icon::Information);
}

int Startup::runProgram(const QString& programFolder, Dialogs& dialogs)
{
    const auto lock = SingleInstance::acquire(programFolder);
    if (!lock) {
        reportAlreadyRunning(dialogs);
        return 0;
    }
    Database db;
    if (!openDatabase(db, databasePath(programFolder), dialogs))
        return 1;

    AppContext context;
    context.db = &db;
    context.dialogs = &dialogs;
    context.config = AppConfig::fromBuild();
    context.programFolder = programFolder;
    context.installPlatformDefaults();
    Windows windows(context);
    context.windows = &windows;

    windows.showMain();
    const int code = QApplication::exec();
    windows.destroyAll();
    return code;
}
