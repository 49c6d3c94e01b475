#include "GetFileName.h"

QString GetFileName(const QString& strURL)
{
    if (strURL.size() < 2)
        return {};
    const QString scheme = QStringLiteral("http://");
    if (!strURL.startsWith(scheme, Qt::CaseSensitive))
        return {};
    if (strURL == scheme)
        return {};
    // The last character is not looked at: an address ending in "/" names the part
    // before that slash.
    const qsizetype slash = strURL.lastIndexOf(u'/', strURL.size() - 2);
    const QString name = strURL.mid(slash + 1);
    // Likewise a dot that is the name's last character does not make it a file name.
    if (name.size() < 2 || name.lastIndexOf(u'.', name.size() - 2) < 0)
        return {};
    return name;
}
