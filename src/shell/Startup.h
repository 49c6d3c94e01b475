#pragma once

#include <QString>

class Dialogs;
class Database;

// The checks the main program makes before its first window: the single running copy
// and the database file.
namespace Startup {

// What the program sets up before anything else: the program folder as working
// directory (every fixed relative name resolves against it), the application name,
// right-to-left layout and the font mapping.
void prepareApplication(const QString& programFolder);

// The database file below the program folder.
QString databasePath(const QString& programFolder);

// Opens the database; on failure shows one message that names the path and returns false.
bool openDatabase(Database& db, const QString& path, Dialogs& dialogs);

// Shows the message of a second running copy.
void reportAlreadyRunning(Dialogs& dialogs);

// The whole life of the main program in a program folder: the single running copy,
// the database check, the main window and the event loop. Returns the exit code.
int runProgram(const QString& programFolder, Dialogs& dialogs);

} // namespace Startup
