#include "FileDownloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <cmath>
#include <limits>
#include <memory>

namespace {
// Error numbers of the write phase, as the message shows them.
constexpr int kPathNotFound = 76;
constexpr int kFileAccess = 75;
constexpr int kDeviceIo = 57;
} // namespace

struct FileDownloader::Run
{
    QString url;
    QString destination;
    qint64 received = 0;
    qint64 expected = 0;
    bool failed = false; // an error was reported: never a success
    std::unique_ptr<QSaveFile> file;
    // Chunks gather here and go to the file in blocks of kWriteBlock bytes, so that a
    // fast transfer does not cost one system call per kilobyte.
    QByteArray pending;

    bool store(const QByteArray& chunk)
    {
        pending += chunk;
        return pending.size() < kWriteBlock || flush();
    }
    bool flush()
    {
        const bool ok = pending.isEmpty() || file->write(pending) == pending.size();
        pending.clear(); // keeps its capacity
        return ok;
    }
    static constexpr qsizetype kWriteBlock = 64 * 1024;
};

FileDownloader::FileDownloader(QObject* parent) : QObject(parent), m_freeSpace(&FileDownloader::freeSpaceOf) {}

void FileDownloader::Cancel()
{
    m_cancel = true;
    m_transfer.interruptWait();
}

bool FileDownloader::DownloadFile(const QString& strURL, const QString& strDestination, const QString& UserName,
                                  const QString& Password)
{
    m_cancel = false;
    m_running = true;
    Run run;
    run.url = strURL;
    run.destination = strDestination;

    Q_EMIT DownloadEvents(QStringLiteral("Getting file information"));
    yield();
    m_transfer.setURL(strURL);
    m_transfer.setUserName(UserName);
    m_transfer.setPassword(Password);
    fetch(run);
    const bool result = finish(run);
    m_running = false;
    return result;
}

void FileDownloader::fetch(Run& run)
{
    // Always the whole file, from byte 0.
    m_transfer.Execute(QStringLiteral("GET"),
                       QStringLiteral("Range: bytes=") + QString::number(run.received) + QStringLiteral("-\r\n"));
    while (m_transfer.StillExecuting()) {
        yield(true);
        if (m_cancel)
            return;
    }
    if (m_transfer.failedWithoutAnswer()) {
        raiseError(run, QStringLiteral("Error: ") + m_transfer.errorString() + QStringLiteral(" occurred."));
        return;
    }

    const QString header = m_transfer.GetHeader();
    const QString status = header.mid(9, 3);
    if (status == u"200" || status == u"206") {
        // the body follows
    } else if (status == u"204") {
        raiseError(run, QStringLiteral("Nothing to download!"));
        m_cancel = true;
        return;
    } else if (status == u"401") {
        raiseError(run, QStringLiteral("Authorization failed!"));
        m_cancel = true;
        return;
    } else if (status == u"404") {
        raiseError(run,
                   QStringLiteral("The file, ") + u'"' + m_transfer.URL() + u'"' + QStringLiteral(" was not found!"));
        m_cancel = true;
        return;
    } else if (header == u"\r\n") {
        raiseError(run, QStringLiteral("Cannot establish connection."));
        m_cancel = true;
        return;
    } else {
        const qsizetype cr = header.indexOf(u'\r');
        const QString line = cr < 0 || header.isEmpty() ? QStringLiteral("<nothing>") : header.left(cr + 1);
        raiseError(run, QStringLiteral("The server returned the following response:") + QStringLiteral("\r\r") + line);
        m_cancel = true;
        return;
    }

    run.expected = readLength(m_transfer.GetHeader(QStringLiteral("Content-Length")));
    if (run.expected == 0)
        return; // nothing announced: nothing to store

    // The folder may not exist yet: ask the nearest one that does.
    QFileInfo probe(QFileInfo(run.destination).absolutePath());
    while (!probe.exists() && !probe.isRoot() && probe.absoluteFilePath() != probe.absolutePath())
        probe.setFile(probe.absolutePath());
    const qint64 free = m_freeSpace ? m_freeSpace(probe.absoluteFilePath()) : -1;
    if (free >= 0 && free < run.expected) {
        raiseError(run, QStringLiteral("There is not enough free space on disk for this file."));
        return;
    }

    yield();
    run.received = 0;
    transferBody(run);
}

void FileDownloader::transferBody(Run& run)
{
    const QFileInfo target(run.destination);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) {
        writeFailure(run, kPathNotFound, QStringLiteral("Path not found"));
        return;
    }
    // A name ending in a separator, or an existing folder, is no file to write.
    if (run.destination.endsWith(u'/') || run.destination.endsWith(u'\\') || target.isDir()) {
        writeFailure(run, kFileAccess, QStringLiteral("Path/File access error"));
        return;
    }
    run.file = std::make_unique<QSaveFile>(run.destination);
    if (!run.file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        writeFailure(run, kFileAccess, run.file->errorString());
        return;
    }

    for (;;) {
        const QByteArray chunk = m_transfer.GetChunk(kChunk);
        if (!chunk.isEmpty() && !run.store(chunk)) {
            writeFailure(run, kDeviceIo, run.file->errorString());
            return;
        }
        if (m_cancel)
            return;
        run.received += chunk.size();
        Q_EMIT DownloadProgress(percentText(run.received, run.expected));
        // Events are served after a chunk once a millisecond has passed since they last
        // were: a press or a tick waits no longer than that, and a fast transfer does not
        // spend more time polling for events than moving bytes.
        if (m_sinceYield.nsecsElapsed() >= kYieldGapNs)
            yield();
        // Only an empty chunk ends the body: a short one may come anywhere.
        if (chunk.isEmpty())
            return;
    }
}

bool FileDownloader::finish(Run& run)
{
    bool result = false;
    if (run.received == run.expected && !m_cancel && !run.failed) {
        if (run.file && (!run.flush() || !run.file->commit()))
            writeFailure(run, kFileAccess, run.file->errorString());
        else
            result = true;
        run.file.reset();
        if (result)
            Q_EMIT DowloadComplete();
    } else {
        if (!run.file)
            m_cancel = true; // nothing was written: nothing more to say
        else if (!m_cancel && !run.failed)
            raiseError(run, QStringLiteral("The connection with the server was reset."));
        if (run.file)
            run.file->cancelWriting();
        run.file.reset(); // the temporary file goes; the destination is untouched
    }
    m_transfer.Cancel();
    return result;
}

void FileDownloader::raiseError(Run& run, const QString& text)
{
    run.failed = true;
    Q_EMIT DownloadErrors(text);
}

void FileDownloader::writeFailure(Run& run, int number, const QString& description)
{
    m_cancel = true;
    if (run.file) {
        run.file->cancelWriting();
        run.file.reset();
    }
    raiseError(run, QStringLiteral("Cannot write file to disk.") + QStringLiteral("\r\r") + QStringLiteral("Error ") +
                        QString::number(number) + QStringLiteral(": ") + description);
}

void FileDownloader::yield(bool waitForEvents)
{
    // While waiting for an answer there is nothing else to do: sleep until an event.
    QCoreApplication::processEvents(waitForEvents ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    m_sinceYield.start();
}

qint64 FileDownloader::readLength(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype digitsFrom = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    bool any = i > digitsFrom;
    if (i < n && text[i] == u'.') {
        const qsizetype point = ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        any = any || i > point;
    }
    if (!any)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype expFrom = j;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128)
            ++j;
        if (j > expFrom)
            i = j;
    }
    const double value = std::nearbyint(text.mid(start, i - start).toDouble()); // the default mode: halves to even
    if (!std::isfinite(value))
        return 0;
    if (value >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (value <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(value);
}

QString FileDownloader::percentText(qint64 received, qint64 expected)
{
    if (expected == 0)
        return QStringLiteral("0");
    const double percent = static_cast<double>(received) / static_cast<double>(expected) * 100.0;
    return QString::number(static_cast<qint64>(std::nearbyint(percent)));
}

qint64 FileDownloader::freeSpaceOf(const QString& folder)
{
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return -1;
    return storage.bytesAvailable();
}
