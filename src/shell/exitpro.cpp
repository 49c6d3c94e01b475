#include "exitpro.h"

#include "AppContext.h"
#include "Windows.h"

#include <QCloseEvent>

exitpro::exitpro(AppContext& context) : AppWindow(context)
{
    setObjectName(QStringLiteral("exitpro"));
}
