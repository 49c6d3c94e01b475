#include "Gallery.h"

#include "shell/Frm1.h"
#include "shell/Frmskin.h"
#include "subjects/RegistrationPanel.h"

#include <QLineEdit>
#include <QPushButton>

GALLERY_SHOT("main-window")
{
    return env.showMain();
}

GALLERY_SHOT("main-registration")
{
    Frm1* main = env.showMain();
    main->findChild<QPushButton*>(QStringLiteral("cmdRegister"))->click();
    main->registrationPanel()->codeField()->setText(QStringLiteral("1024"));
    main->registrationPanel()->field(1)->setText(QStringLiteral("مریم"));
    main->registrationPanel()->field(2)->setText(QStringLiteral("احمدی"));
    return main;
}

GALLERY_SHOT("main-settings-themes")
{
    Frm1* main = env.showMain();
    main->findChild<QPushButton*>(QStringLiteral("cmdSettings"))->click();
    main->findChild<QPushButton*>(QStringLiteral("cmdThemes"))->click();
    return main;
}

GALLERY_SHOT("main-settings-clinic")
{
    Frm1* main = env.showMain();
    main->findChild<QPushButton*>(QStringLiteral("cmdSettings"))->click();
    main->findChild<QPushButton*>(QStringLiteral("cmdClinic"))->click();
    return main;
}

GALLERY_SHOT("main-settings-fieldnames")
{
    Frm1* main = env.showMain();
    main->findChild<QPushButton*>(QStringLiteral("cmdSettings"))->click();
    main->findChild<QPushButton*>(QStringLiteral("cmdFieldNames"))->click();
    return main;
}

GALLERY_SHOT("skin-confirmation")
{
    return env.windows->show<Frmskin>();
}
