#pragma once

#include <QString>
#include <array>

// The three scales, by scale number. Every window and routine that works on a
// scale reads its table names and item count from here.
struct ScaleInfo
{
    int number;             // 1 = AAS, 2 = APS, 3 = MAC-R
    const char* name;       // as shown on buttons and reports
    int items;              // N: answer columns "1".."N"
    const char* answerTable;
    const char* itemTable;
    const char* scoreColumn; // column of IDE holding the raw score
};

inline constexpr std::array<ScaleInfo, 3> kScales{{
    {1, "AAS", 13, "AnswerAAS", "AAS", "AAS"},
    {2, "APS", 39, "AnswerAPS", "APS", "APS"},
    {3, "MAC-R", 49, "AnswerMACR", "MACR", "MACR"},
}};

// nullptr for a number outside 1..3.
inline const ScaleInfo* scaleByNumber(int number)
{
    return number >= 1 && number <= 3 ? &kScales[number - 1] : nullptr;
}

namespace Tables {
inline const QString IDE = QStringLiteral("IDE");
inline const QString AnswerAAS = QStringLiteral("AnswerAAS");
inline const QString AnswerAPS = QStringLiteral("AnswerAPS");
inline const QString AnswerMACR = QStringLiteral("AnswerMACR");
inline const QString Settings = QStringLiteral("Settings");
inline const QString Theme = QStringLiteral("Theme");

// The nine tables that make a file a database of this program.
QStringList all();
} // namespace Tables
