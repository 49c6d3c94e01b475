#include "About.h"

#include "AppContext.h"
#include "Windows.h"

#include <QCloseEvent>

About::About(AppContext& context) : AppWindow(context)
{
    setObjectName(QStringLiteral("About"));
}
