#include "AppContext.h"

#include "PelimoraConfig.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>

AppConfig AppConfig::fromBuild()
{
    return {QStringLiteral(PELIMORA_UPDATE_HOST), QStringLiteral(PELIMORA_SITE_HOST),
            QStringLiteral(PELIMORA_SHOP_HOST), QStringLiteral(PELIMORA_STORE_HOST),
            QStringLiteral(PELIMORA_CALCULATOR)};
}

void AppContext::installPlatformDefaults()
{
    if (!startProcess)
        startProcess = [](const QString& program, const QStringList& arguments) {
            return QProcess::startDetached(program, arguments);
        };
    if (!openUrl)
        openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    if (!endProgram)
        endProgram = [] { QCoreApplication::exit(0); };
    if (!now)
        now = [] { return QDateTime::currentDateTime(); };
}
