#pragma once

#include <QMap>
#include <QString>

class QWidget;

// A skin is a Qt style sheet of our own in a .skn file beside the program. Applying
// it sets it on the window; a window whose theme selects no skin, or whose skin file
// is missing or damaged, keeps the plain look.
namespace Skin {

using Table = QMap<int, QString>; // theme number -> skin file

const Table& standardTable(); // every themed window except the version check
const Table& updateTable();   // the version check window: 7 differs, 12 and 13 added

// The theme number a stored TH text selects in table: its leading number when that
// is a whole number listed there, else 0 ("3" and "3.0" give 3; "3.5", "" and "abc" 0).
int themeNumber(const QString& thText, const Table& table);

// The style sheet of a skin file, or an empty text when the file is missing, unreadable
// or not a skin of this program.
QString loadStyleSheet(const QString& fileName);

// Apply theme: load the skin the TH text selects (if any) and apply it to the window,
// in every case. Returns the skin file that was loaded, or an empty text.
QString apply(QWidget* window, const QString& thText, const Table& table = standardTable());

} // namespace Skin
