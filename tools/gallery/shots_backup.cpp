#include "Gallery.h"

#include "backup/Frmbackup.h"
#include "shell/exitpro.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace {
void fixClock(TestEnvironment& env)
{
    env.fixedNow = QDateTime(QDate(2015, 5, 8), QTime(14, 5));
}
} // namespace

GALLERY_SHOT("backup-window")
{
    fixClock(env);
    auto* w = env.windows->show<Frmbackup>();
    w->findChild<QLineEdit*>(QStringLiteral("Text1"))
        ->setText(QDir(env.folder()).filePath(QStringLiteral("Back/") + w->defaultBackupName()));
    w->findChild<QLineEdit*>(QStringLiteral("Text2"))
        ->setText(QDir(env.folder()).filePath(QStringLiteral("Back/1394.2.1.mdbB")));
    return w;
}

GALLERY_SHOT("backup-help")
{
    fixClock(env);
    auto* w = env.windows->show<Frmbackup>();
    w->findChild<QPushButton*>(QStringLiteral("cmdHelp"))->click();
    return w;
}

GALLERY_SHOT("exit-confirmation")
{
    return env.windows->show<exitpro>();
}

GALLERY_SHOT("exit-confirmation-ticked")
{
    auto* w = env.windows->show<exitpro>();
    w->backupBox()->setChecked(true);
    w->setWindowTitle(QStringLiteral("پشتيبان گيري"));
    w->backupBox()->setText(w->windowTitle());
    return w;
}
