#include "data/Database.h"
#include "shell/AppContext.h"
#include "shell/Fonts.h"
#include "shell/Frm1.h"
#include "shell/QtDialogs.h"
#include "shell/SingleInstance.h"
#include "shell/Startup.h"
#include "shell/Windows.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Every fixed relative name (database, skins, updater) resolves against the program folder.
    const QString folder = QCoreApplication::applicationDirPath();
    QDir::setCurrent(folder);
    QApplication::setApplicationName(QStringLiteral("Pelimora"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    Fonts::install();

    QtDialogs dialogs;
    const auto lock = SingleInstance::acquire(folder);
    if (!lock) {
        Startup::reportAlreadyRunning(dialogs);
        return 0;
    }
    Database db;
    if (!Startup::openDatabase(db, Startup::databasePath(folder), dialogs))
        return 1;

    AppContext context;
    context.db = &db;
    context.dialogs = &dialogs;
    context.config = AppConfig::fromBuild();
    context.programFolder = folder;
    context.installPlatformDefaults();
    Windows windows(context);
    context.windows = &windows;

    windows.showMain();
    const int code = app.exec();
    windows.destroyAll();
    return code;
}
