#pragma once

#include <QString>

// Makes and fills database files from the schema and seed kept with the program.
// Used by the makedb tool at install time and by the tests; the programs never call it.
namespace DatabaseSchema {

// Creates a new database file at path with the nine tables and the installed rows.
// Refuses to touch an existing file.
bool createFile(const QString& path, QString* error);

// Replaces the item statements of the database at dbPath with those of a UTF-8
// tab-separated file: scale (AAS, APS, MACR or MAC-R), item number, statement.
// Each scale named in the file must be given whole (13, 39 or 49 items). Nothing is
// changed unless the whole file is valid; the error names the offending line.
bool loadStatements(const QString& dbPath, const QString& tsvPath, QString* error);

} // namespace DatabaseSchema
