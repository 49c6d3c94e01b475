#include "Frmbackup.h"

#include "shell/AppContext.h"
#include "shell/Windows.h"

#include <QCloseEvent>

Frmbackup::Frmbackup(AppContext& context) : ThemedWindow(context)
{
    setObjectName(QStringLiteral("Frmbackup"));
}
