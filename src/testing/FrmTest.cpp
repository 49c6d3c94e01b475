#include "FrmTest.h"

#include "shell/AppContext.h"
#include "shell/Windows.h"

#include <QCloseEvent>

FrmTest::FrmTest(AppContext& context) : ThemedWindow(context)
{
    setObjectName(QStringLiteral("FrmTest"));
}

void FrmTest::closeEvent(QCloseEvent* event)
{
    event->accept();
    ThemedWindow::closeEvent(event);
    context().windows->showMain();
}
