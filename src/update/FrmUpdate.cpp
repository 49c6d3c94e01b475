#include "FrmUpdate.h"

#include "shell/AppContext.h"
#include "shell/Windows.h"

#include <QCloseEvent>

FrmUpdate::FrmUpdate(AppContext& context) : ThemedWindow(context)
{
    setObjectName(QStringLiteral("FrmUpdate"));
}
