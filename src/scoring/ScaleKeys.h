#pragma once

#include "data/Scales.h"

#include <QString>
#include <QStringList>

// The keys of the three scales and the one keying routine that turns a subject's
// stored answers into a raw score. The keys are fixed data of the program: every
// item has one keyed answer, "1" (true) or "2" (false), and the raw score is the
// number of items answered as keyed.
namespace ScaleKeys {

// Answer codes as the answering screen stores them.
inline constexpr int kTrue = 1;
inline constexpr int kFalse = 2;

// The key of a scale item by item, 'T' for an item keyed true and 'F' for one keyed
// false, items 1 to N; empty for a scale number outside 1..3.
QString key(int scaleNumber);

// The keyed answer (kTrue or kFalse) of item 1..N of the scale, or 0 outside.
int keyedAnswer(int scaleNumber, int item);

// The scale's name as the unanswered-items warning says it.
QString warningName(int scaleNumber);

// The opening line of the scale's unanswered-items warning.
QString warningMessage(int scaleNumber);

// The title of the unanswered-items warning.
QString warningTitle();

// The whole text of the warning: the scale's message, two line breaks, the list.
QString warningText(int scaleNumber, const QString& unansweredList);

struct Result
{
    int score = 0;      // 0..N
    QString unanswered; // every empty item's number followed by two spaces, ascending
};

// How keying reads one stored answer: Unanswered for an empty text; the number 1 or
// 2 for a text whose value is that number ("01", " 1" and "1.0" read as 1); Other
// for any other answer, numeric or not, which is answered but never matches a key.
enum class Reading
{
    Unanswered,
    True,
    False,
    Other
};
Reading read(QStringView answer);

// Keys one scale. answers holds the stored texts of items 1..N in order; missing
// entries (a shorter list, or none when the subject has no answer row) are unanswered.
Result keyScale(const ScaleInfo& scale, const QStringList& answers);

} // namespace ScaleKeys
