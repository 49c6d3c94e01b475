#include "TextNumber.h"

#include <QString>

#include <cmath>

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool digits = false;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        bool fraction = false;
        while (j < n && text[j] >= u'0' && text[j] <= u'9') {
            ++j;
            fraction = true;
        }
        if (fraction || digits)
            i = j;
        digits = digits || fraction;
    }
    if (!digits)
        return 0.0;
    bool ok = false;
    const double value = text.mid(start, i - start).toString().toDouble(&ok);
    return ok ? value : 0.0;
}

bool leadingWholeNumber(QStringView text, long long* value)
{
    const double v = leadingNumber(text);
    if (std::floor(v) != v || std::fabs(v) > 9.0e15)
        return false;
    *value = static_cast<long long>(v);
    return true;
}
