#include "Gallery.h"

#include "shell/Frm1.h"
#include "testing/FrmTest.h"

#include <QPushButton>

namespace {
// A registered subject launched on a scale from the main window, as the operator does.
FrmTest* launched(TestEnvironment& env, const char* scaleButton)
{
    const QString code = QStringLiteral("1024");
    env.addSubject(code, {QStringLiteral("مریم"), QStringLiteral("احمدی"), QStringLiteral("زن"), QStringLiteral("34"),
                          QStringLiteral("متاهل"), QStringLiteral("کارشناسی"), QStringLiteral("آموزگار"),
                          QStringLiteral("09120000000")});
    env.setAnswers(code, 1, {QStringLiteral("2"), QStringLiteral("1")});
    Frm1* main = env.showMain();
    env.dialogs.inputs << code;
    main->findChild<QPushButton*>(QString::fromLatin1(scaleButton))->click();
    return env.windows->find<FrmTest>();
}
} // namespace

GALLERY_SHOT("test-ready")
{
    return launched(env, "cmdAAS");
}

GALLERY_SHOT("test-running")
{
    FrmTest* w = launched(env, "cmdAAS");
    if (w) {
        w->start();
        w->next(); // item 2, answered "درست" before
    }
    return w;
}

GALLERY_SHOT("test-running-macr-last")
{
    FrmTest* w = launched(env, "cmdMACR");
    if (w) {
        w->start();
        w->setItemNumber(QStringLiteral("49"));
    }
    return w;
}
