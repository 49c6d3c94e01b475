#include "Links.h"

#include "AppContext.h"

#include <QUrl>

void Links::openHelpPage(AppContext& context)
{
    context.openUrl(QUrl(QStringLiteral("http://") + context.config.siteHost +
                         QStringLiteral("/software/software-settings.html")));
}

void Links::openLogoPages(AppContext& context)
{
    for (const QString& host : {context.config.siteHost, context.config.shopHost, context.config.storeHost})
        context.openUrl(QUrl(QStringLiteral("http://") + host + QStringLiteral("/")));
}
