#pragma once

#include <QString>

// The file name at the end of an "http://" address, or an empty text when the
// address has none: the part after the last "/" that is not the address's own last
// character, kept only when it holds a "." before its own last character.
QString GetFileName(const QString& strURL);
