#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>

// The version check without widgets: the running version, the published version read
// from the server's version file, and the fetch of that file.
namespace VersionCheck {

// The version file on the update server: its name and its path below the host.
inline constexpr char kVersionFileName[] = "LastVersion.txt";
inline constexpr char kVersionPath[] = "/Soft/Pelimora/LastVersion.txt";

// How long the fetch may take before it counts as failed.
inline constexpr int kFetchTimeoutMs = 10000;

// "2.1": the build's major and minor version; the revision takes no part.
QString runningVersionText();
double runningVersion();

// The decimal number the text begins with, read as far as it forms a number: "2.2" gives
// 2.2, "2.1.1" 2.1, "2.10" 2.1 (a minor number of 10 is one tenth); an empty or
// non-numeric text gives 0.
double readVersion(QStringView text);

// Compared as decimal numbers, so 2.10 is not newer than 2.9.
bool isNewer(double published, double running);

// http://<host>/Soft/Pelimora/LastVersion.txt
QUrl lastVersionUrl(const QString& host);

// The body of the answer as text. Any failure (no connection, refused, an error status,
// a body too large to be a version file, no answer within timeoutMs) gives an empty
// text. Runs a local event loop until the answer is in, so other events of the thread
// (timers, a loopback server in a test) go on meanwhile.
QString fetchText(const QUrl& url, int timeoutMs = kFetchTimeoutMs);

} // namespace VersionCheck
