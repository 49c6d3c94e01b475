#include "Backup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

bool fail(QString* errorDescription, const QString& description)
{
    if (errorDescription)
        *errorDescription = description;
    return false;
}

// The data must be on the disk before the rename makes it the destination; otherwise
// a power cut right after could leave an empty file under the destination's name.
bool syncToDisk(QFileDevice& file, QString* errorDescription)
{
    if (!file.flush())
        return fail(errorDescription, file.errorString());
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return fail(errorDescription, qt_error_string(errno));
#endif
    return true;
}

void syncFolder(const QString& path)
{
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

bool yieldToEventLoop()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    return true;
}

bool copy(const QString& source, const QString& destination, QString* errorDescription, const Backup::CopyHooks& hooks)
{
    if (QFileInfo(source).isDir())
        return fail(errorDescription,
                    QStringLiteral("%1 is a folder, not a file").arg(QDir::toNativeSeparators(source)));
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fail(errorDescription, in.errorString());
    const qint64 length = in.size();

    // The destination's folder holds the temporary copy until it is complete; the old
    // file under that name is replaced only by the rename at the end.
    QSaveFile out(destination);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        return fail(errorDescription, out.errorString());

    QByteArray block(int(Backup::kBlockSize), Qt::Uninitialized);
    qint64 copied = 0;
    while (copied < length) {
        const bool goOn = hooks.beforeBlock ? hooks.beforeBlock() : yieldToEventLoop();
        if (!goOn) {
            out.cancelWriting();
            return fail(errorDescription, QStringLiteral("The copy was stopped"));
        }
        const qint64 wanted = qMin(Backup::kBlockSize, length - copied);
        const qint64 got = in.read(block.data(), wanted);
        if (got < 0) {
            out.cancelWriting();
            return fail(errorDescription, in.errorString());
        }
        if (got < wanted) {
            out.cancelWriting();
            return fail(errorDescription,
                        QStringLiteral("%1 became shorter during the copy").arg(QDir::toNativeSeparators(source)));
        }
        if (out.write(block.constData(), got) != got) {
            const QString error = out.errorString();
            out.cancelWriting();
            return fail(errorDescription, error);
        }
        copied += got;
    }
    if (!syncToDisk(out, errorDescription)) {
        out.cancelWriting();
        return false;
    }
    in.close();
    if (hooks.beforeReplace) {
        QString error;
        if (!hooks.beforeReplace(error)) {
            out.cancelWriting();
            return fail(errorDescription, error);
        }
    }
    if (!out.commit())
        return fail(errorDescription, out.errorString());
    syncFolder(destination);
    return true;
}

} // namespace

int Backup::CopyBackupFile(const QString& source, const QString& destination, QString* errorDescription,
                           const CopyHooks& hooks)
{
    if (errorDescription)
        errorDescription->clear();
    return copy(source, destination, errorDescription, hooks) ? 1 : 0;
}

QString Backup::failureMessage(const QString& description)
{
    return QStringLiteral("اشکال در ايجاد نسخه پشتيباني") + QStringLiteral("\r\n") + description;
}
