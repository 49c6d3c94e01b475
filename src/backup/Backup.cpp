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

// What the blocks gather before they go to the file together: one write per block would
// cost a system call for every 4048 bytes.
constexpr qint64 kWriteBatch = 256 * Backup::kBlockSize;

bool copy(const QString& source, const QString& destination, QString* errorDescription, const Backup::CopyHooks& hooks)
{
    if (QFileInfo(source).isDir())
        return fail(errorDescription,
                    QStringLiteral("%1 is a folder, not a file").arg(QDir::toNativeSeparators(source)));
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(errorDescription, in.errorString());
    const qint64 length = in.size();

    // The destination's folder holds the temporary copy until it is complete; the old
    // file under that name is replaced only by the rename at the end.
    QSaveFile out(destination);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        return fail(errorDescription, out.errorString());

    Backup::EventLoopYield yield;
    QByteArray pending(int(kWriteBatch), Qt::Uninitialized);
    qint64 pendingSize = 0;
    qint64 written = 0;
    auto writePending = [&] {
        const bool ok = out.write(pending.constData(), pendingSize) == pendingSize;
        written += pendingSize;
        pendingSize = 0;
#ifdef Q_OS_LINUX
        // The disk starts on each 8 MiB while the copy goes on, so that the flush at the
        // end, which holds up the windows, has little left to do.
        if (ok && written % (8 * kWriteBatch) < kWriteBatch && out.flush())
            ::sync_file_range(out.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
        return ok;
    };
    qint64 copied = 0;
    while (copied < length) {
        bool goOn = true;
        if (hooks.beforeBlock)
            goOn = hooks.beforeBlock();
        else
            yield();
        if (!goOn) {
            out.cancelWriting();
            return fail(errorDescription, QStringLiteral("The copy was stopped"));
        }
        const qint64 wanted = qMin(Backup::kBlockSize, length - copied);
        const qint64 got = in.read(pending.data() + pendingSize, wanted);
        if (got < 0) {
            out.cancelWriting();
            return fail(errorDescription, in.errorString());
        }
        if (got < wanted) {
            out.cancelWriting();
            return fail(errorDescription,
                        QStringLiteral("%1 became shorter during the copy").arg(QDir::toNativeSeparators(source)));
        }
        pendingSize += got;
        copied += got;
        if ((pendingSize + Backup::kBlockSize > kWriteBatch || copied == length) && !writePending()) {
            const QString error = out.errorString();
            out.cancelWriting();
            return fail(errorDescription, error);
        }
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

void Backup::EventLoopYield::operator()()
{
    if (!QCoreApplication::instance())
        return;
    if (m_lastTurn.isValid() && m_lastTurn.nsecsElapsed() < 1000000)
        return;
    QCoreApplication::processEvents();
    m_lastTurn.start();
}

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
