#include "FrmkLID.h"

#include "shell/AppContext.h"
#include "shell/Windows.h"

#include <QCloseEvent>

FrmkLID::FrmkLID(AppContext& context) : ThemedWindow(context)
{
    setObjectName(QStringLiteral("FrmkLID"));
}

void FrmkLID::closeEvent(QCloseEvent* event)
{
    event->accept();
    ThemedWindow::closeEvent(event);
    context().windows->showMain();
}
