#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>
#include <functional>

// The file copy behind backup and restore.
namespace Backup {

// The copy goes in blocks of this many bytes, with a yield to the event loop before each.
inline constexpr qint64 kBlockSize = 4048;

struct CopyHooks
{
    // Runs before every block so that timers and buttons stay live during a long copy;
    // returning false stops the copy. When empty, an EventLoopYield runs.
    std::function<bool()> beforeBlock;
    // Runs once the whole copy is on disk, just before it takes the destination's place
    // (a restore closes the database connection here). Returning false stops the copy
    // with the description it set; the destination is left as it was.
    std::function<bool(QString& error)> beforeReplace;
};

// Lets the pending events of the event loop run (timers, clicks, repaints). A turn of
// the loop costs more than copying a block, so a call less than a millisecond after the
// previous turn returns at once: the windows still answer within a millisecond.
class EventLoopYield
{
public:
    void operator()();

private:
    QElapsedTimer m_lastTurn;
};

// Copies source to destination byte for byte. The copy is written to a temporary file
// in the destination's folder, flushed to disk and renamed over the destination only
// when complete: a failure halfway leaves no partial file and whatever file was at the
// destination intact. Returns 1 on success, 0 on failure with the error's description.
// Shows nothing: the window reports the failure with failureMessage().
int CopyBackupFile(const QString& source, const QString& destination, QString* errorDescription = nullptr,
                   const CopyHooks& hooks = {});

// The message of a failed copy, the same for backup and restore.
QString failureMessage(const QString& description);

} // namespace Backup
