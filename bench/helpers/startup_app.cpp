// The main program's start-up exactly as src/app/main.cpp runs it, ending as soon as
// the main window is exposed. The benchmark copies it into a prepared program folder
// and runs it there.
#include "ExitWhenExposed.h"
#include "shell/Frm1.h"
#include "shell/QtDialogs.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    new ExitWhenExposed<Frm1>;
    const QString folder = QCoreApplication::applicationDirPath();
    Startup::prepareApplication(folder);
    QtDialogs dialogs;
    return Startup::runProgram(folder, dialogs);
}
