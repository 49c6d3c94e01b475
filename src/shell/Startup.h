#pragma once

#include <QString>

class Dialogs;
class Database;

// The checks the main program makes before its first window: the single running copy
// and the database file.
namespace Startup {

// The database file below the program folder.
QString databasePath(const QString& programFolder);

// Opens the database; on failure shows one message that names the path and returns false.
bool openDatabase(Database& db, const QString& path, Dialogs& dialogs);

// Shows the message of a second running copy.
void reportAlreadyRunning(Dialogs& dialogs);

} // namespace Startup
