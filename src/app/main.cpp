#include "shell/QtDialogs.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    Startup::prepareApplication(folder);
    QtDialogs dialogs;
    return Startup::runProgram(folder, dialogs);
}
