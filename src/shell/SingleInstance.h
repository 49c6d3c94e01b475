#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One running copy per program folder: the first copy holds a lock file for its whole
// run; a second copy cannot take it. A copy that crashed leaves a stale lock that the
// next start takes over.
namespace SingleInstance {
QString lockPath(const QString& programFolder);
std::unique_ptr<QLockFile> acquire(const QString& programFolder);
} // namespace SingleInstance
