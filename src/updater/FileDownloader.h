#pragma once

#include "HttpTransfer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>

// Fetches one file over HTTP into a local path, inside one call on the interface
// thread: one GET, the status checked, the announced length checked against the free
// space, then the body pulled in chunks of 1024 bytes and written as it arrives. The
// holder hears of it through the four signals (connected directly, so a handler runs
// before the download goes on, and may call Cancel()), and its own events run at the
// points where the download lets the event loop turn.
//
// The body goes to a temporary file beside the destination that replaces it only when
// every announced byte has arrived: a failed or cancelled download leaves no partial
// file and an earlier file of the same name as it was.
class FileDownloader : public QObject
{
    Q_OBJECT
public:
    // Free bytes for a new file in a folder, or -1 when it cannot be told.
    using FreeSpaceReading = std::function<qint64(const QString& folder)>;

    static constexpr qint64 kChunk = 1024;
    // The longest a chunk goes by without the event loop turning.
    static constexpr qint64 kYieldGapNs = 1000 * 1000;

    explicit FileDownloader(QObject* parent = nullptr);

    // True exactly when the whole announced length was received and stored (a length
    // of 0 counts as received, with nothing stored) without an error or a cancel.
    bool DownloadFile(const QString& strURL, const QString& strDestination, const QString& UserName = {},
                      const QString& Password = {});
    // Asks a running download to stop at its next chance; silent.
    void Cancel();

    bool isRunning() const { return m_running; }
    void setFreeSpaceReading(FreeSpaceReading reading) { m_freeSpace = std::move(reading); }
    HttpTransfer& transfer() { return m_transfer; }

    // The announced length as it is read: a leading decimal number, rounded to the
    // nearest whole (halves to even); 0 when the text begins with no number.
    static qint64 readLength(const QString& text);
    // received / expected as a whole percentage, halves to even, as text.
    static QString percentText(qint64 received, qint64 expected);
    static qint64 freeSpaceOf(const QString& folder);

Q_SIGNALS:
    void DownloadErrors(const QString& strError);
    void DownloadEvents(const QString& strEvent);
    void DowloadComplete();
    void DownloadProgress(const QString& intPercent);

private:
    struct Run;
    void fetch(Run& run);
    void transferBody(Run& run);
    bool finish(Run& run);
    void raiseError(Run& run, const QString& text);
    void writeFailure(Run& run, int number, const QString& description);
    void yield(bool waitForEvents = false);

    HttpTransfer m_transfer;
    FreeSpaceReading m_freeSpace;
    QElapsedTimer m_sinceYield;
    bool m_cancel = false;
    bool m_running = false;
};
