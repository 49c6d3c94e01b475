#include "Frmravansanji.h"

#include "AppContext.h"
#include "Windows.h"

#include <QCloseEvent>

Frmravansanji::Frmravansanji(AppContext& context) : ThemedWindow(context)
{
    setObjectName(QStringLiteral("Frmravansanji"));
}
