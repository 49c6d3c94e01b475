#include "ScaleKeys.h"

#include <string_view>

namespace {

struct KeyRow
{
    std::string_view key; // item by item, T = keyed "1", F = keyed "2"
    const char* name;     // as the unanswered-items warning names the scale
    const char* message;
};

// One row per scale, in scale-number order.
constexpr KeyRow kKeys[] = {
    {"TTFTTTFTTF"
     "TTT",
     "پذيرش اعتياد", "شما به سوالات زير مربوط به مقياس پذيرش اعتياد پاسخ نداده ايد"},
    {"FTTTFFTTFT"
     "TFFTTTTTFF"
     "TTTFFTTTFT"
     "TFFFFTFTT",
     "استعداد اعتياد", "شما به سوالات زير مربوط به مقياس استعداد اعتياد پاسخ نداده ايد"},
    {"TTTTTTTFTT"
     "TTFTTFTFFF"
     "TTTTTTTFTF"
     "TFFFTTFTTT"
     "TTTTTTTTT",
     "مک اندرو", "شما به سوالات زير مربوط به مقياس مک اندرو پاسخ نداده ايد"},
};

constexpr bool keysMatchScales()
{
    for (std::size_t s = 0; s < kScales.size(); ++s) {
        if (kKeys[s].key.size() != static_cast<std::size_t>(kScales[s].items))
            return false;
        for (char c : kKeys[s].key)
            if (c != 'T' && c != 'F')
                return false;
    }
    return true;
}
static_assert(std::size(kKeys) == kScales.size() && keysMatchScales(), "a key for every item of every scale");

const KeyRow* row(int scaleNumber)
{
    return scaleNumber >= 1 && scaleNumber <= static_cast<int>(std::size(kKeys)) ? &kKeys[scaleNumber - 1] : nullptr;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

namespace ScaleKeys {

QString key(int scaleNumber)
{
    const KeyRow* r = row(scaleNumber);
    return r ? QString::fromLatin1(r->key.data(), static_cast<qsizetype>(r->key.size())) : QString();
}

int keyedAnswer(int scaleNumber, int item)
{
    const KeyRow* r = row(scaleNumber);
    if (!r || item < 1 || item > static_cast<int>(r->key.size()))
        return 0;
    return r->key[static_cast<std::size_t>(item - 1)] == 'T' ? kTrue : kFalse;
}

QString warningName(int scaleNumber)
{
    const KeyRow* r = row(scaleNumber);
    return r ? QString::fromUtf8(r->name) : QString();
}

QString warningMessage(int scaleNumber)
{
    const KeyRow* r = row(scaleNumber);
    return r ? QString::fromUtf8(r->message) : QString();
}

QString warningTitle()
{
    return QStringLiteral("خطا");
}

QString warningText(int scaleNumber, const QString& unansweredList)
{
    return warningMessage(scaleNumber) + QStringLiteral("\r\n\r\n") + unansweredList;
}

Reading read(QStringView answer)
{
    if (answer.isEmpty())
        return Reading::Unanswered;
    // The answering screen writes "1" or "2"; anything else is compared by value.
    if (answer.size() == 1) {
        if (answer[0] == u'1')
            return Reading::True;
        if (answer[0] == u'2')
            return Reading::False;
    }
    qsizetype from = 0, to = answer.size();
    while (from < to && isBlank(answer[from]))
        ++from;
    while (to > from && isBlank(answer[to - 1]))
        --to;
    // Only plain decimal notation counts as a number: digits with at most one point,
    // an optional leading sign. "1e0", "0x1" and "1abc" are answers that match nothing.
    const QStringView body = answer.sliced(from, to - from);
    qsizetype i = 0;
    if (i < body.size() && (body[i] == u'+' || body[i] == u'-'))
        ++i;
    bool digits = false, point = false;
    for (; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else
            return Reading::Other;
    }
    if (!digits)
        return Reading::Other;
    bool ok = false;
    const double value = body.toString().toDouble(&ok);
    if (!ok)
        return Reading::Other;
    if (value == kTrue)
        return Reading::True;
    if (value == kFalse)
        return Reading::False;
    return Reading::Other;
}

Result keyScale(const ScaleInfo& scale, const QStringList& answers)
{
    Result result;
    const KeyRow* r = row(scale.number);
    if (!r)
        return result;
    const int n = scale.items;
    for (int i = 1; i <= n; ++i) {
        const Reading reading = i <= answers.size() ? read(answers[i - 1]) : Reading::Unanswered;
        if (reading == Reading::Unanswered) {
            result.unanswered += QString::number(i);
            result.unanswered += QLatin1String("  ");
            continue;
        }
        const Reading keyed = r->key[static_cast<std::size_t>(i - 1)] == 'T' ? Reading::True : Reading::False;
        if (reading == keyed)
            ++result.score;
    }
    return result;
}

} // namespace ScaleKeys
