#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

QString SingleInstance::lockPath(const QString& programFolder)
{
    const QByteArray key =
        QCryptographicHash::hash(QFileInfo(programFolder).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir::temp().filePath(QStringLiteral("pelimora-%1.lock").arg(QString::fromLatin1(key.left(16))));
}

std::unique_ptr<QLockFile> SingleInstance::acquire(const QString& programFolder)
{
    auto lock = std::make_unique<QLockFile>(lockPath(programFolder));
    lock->setStaleLockTime(0); // only a dead owner makes the lock stale
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}
