#pragma once

#include <QStringView>

// Reads the decimal number a text begins with, the way the stored texts are read
// throughout the program: leading blanks skipped, then an optional sign, digits,
// an optional point and more digits, up to the first character that cannot continue
// the number. A text that begins with no number reads as 0.
double leadingNumber(QStringView text);

// True when the text's leading number is a whole number; sets *value to it.
bool leadingWholeNumber(QStringView text, long long* value);
