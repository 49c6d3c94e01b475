#include "Gallery.h"

#include "Progress.h"
#include "QtUpdaterDialogs.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {
QtUpdaterDialogs& updaterDialogs()
{
    static QtUpdaterDialogs dialogs;
    return dialogs;
}
} // namespace

GALLERY_SHOT("updater-idle")
{
    return new Progress(updaterDialogs(), env.folder());
}

GALLERY_SHOT("updater-downloading")
{
    // The state a running download shows: the button offers to cancel, the bar and the
    // percentage stand where the last tick left them.
    auto* window = new Progress(updaterDialogs(), env.folder());
    window->findChild<QPushButton*>(QStringLiteral("cmdUpdate"))->setText(QStringLiteral("انصراف"));
    window->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->setValue(42);
    window->findChild<QLabel*>(QStringLiteral("Label4"))->setText(QStringLiteral("42"));
    return window;
}
