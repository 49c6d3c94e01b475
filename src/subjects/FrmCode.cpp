#include "FrmCode.h"

#include "shell/AppContext.h"
#include "shell/Windows.h"

#include <QCloseEvent>

FrmCode::FrmCode(AppContext& context) : ThemedWindow(context)
{
    setObjectName(QStringLiteral("FrmCode"));
}

void FrmCode::closeEvent(QCloseEvent* event)
{
    event->accept();
    ThemedWindow::closeEvent(event);
    context().windows->showMain();
}
