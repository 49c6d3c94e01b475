#include "shell/Fonts.h"
#include "shell/QtDialogs.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QDir>

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
    return Startup::runProgram(folder, dialogs);
}
