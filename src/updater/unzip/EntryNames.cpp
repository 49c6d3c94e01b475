#include "EntryNames.h"

#include <QRegularExpression>

namespace EntryNames {

QStringList components(const QString& name, bool* unsafe)
{
    *unsafe = false;
    if (name.startsWith(u'/') || name.startsWith(u'\\')) {
        *unsafe = true;
        return {};
    }
    // A drive letter makes a name absolute on the system the archive may come from.
    if (name.size() >= 2 && name.at(1) == u':' && name.at(0).isLetter()) {
        *unsafe = true;
        return {};
    }
    QStringList parts;
    for (const QString& part : name.split(QRegularExpression(QStringLiteral("[/\\\\]")), Qt::SkipEmptyParts)) {
        if (part == u".")
            continue;
        if (part == u"..") {
            *unsafe = true;
            return {};
        }
        parts << part;
    }
    return parts;
}

namespace {

bool sameChar(QChar a, QChar b, bool caseInsensitive)
{
    return caseInsensitive ? a.toCaseFolded() == b.toCaseFolded() : a == b;
}

// Matches the set that starts at pattern[p] == '['; on success sets next to the index after ']'.
bool matchSet(QStringView pattern, qsizetype p, QChar c, bool caseInsensitive, qsizetype* next, bool* inSet)
{
    qsizetype i = p + 1;
    bool negate = false;
    if (i < pattern.size() && (pattern[i] == u'!' || pattern[i] == u'^')) {
        negate = true;
        ++i;
    }
    bool found = false;
    bool first = true;
    while (i < pattern.size() && (first || pattern[i] != u']')) {
        first = false;
        const QChar low = pattern[i];
        if (i + 2 < pattern.size() && pattern[i + 1] == u'-' && pattern[i + 2] != u']') {
            const QChar high = pattern[i + 2];
            const QChar cc = caseInsensitive ? c.toCaseFolded() : c;
            const QChar lo = caseInsensitive ? low.toCaseFolded() : low;
            const QChar hi = caseInsensitive ? high.toCaseFolded() : high;
            if (lo <= cc && cc <= hi)
                found = true;
            i += 3;
        } else {
            if (sameChar(low, c, caseInsensitive))
                found = true;
            ++i;
        }
    }
    if (i >= pattern.size())
        return false; // no closing bracket: not a set
    *next = i + 1;
    *inSet = found != negate;
    return true;
}

} // namespace

bool matches(QStringView pattern, QStringView name, bool caseInsensitive)
{
    // Iterative matching with one backtrack point for the last '*'.
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size()) {
            const QChar pc = pattern[p];
            if (pc == u'*') {
                starP = p++;
                starN = n;
                continue;
            }
            if (pc == u'?') {
                ++p;
                ++n;
                continue;
            }
            if (pc == u'[') {
                qsizetype next = 0;
                bool inSet = false;
                if (matchSet(pattern, p, name[n], caseInsensitive, &next, &inSet)) {
                    if (inSet) {
                        p = next;
                        ++n;
                        continue;
                    }
                } else if (sameChar(pc, name[n], caseInsensitive)) {
                    ++p;
                    ++n;
                    continue;
                }
            } else if (sameChar(pc, name[n], caseInsensitive)) {
                ++p;
                ++n;
                continue;
            }
        }
        if (starP < 0)
            return false;
        p = starP + 1;
        n = ++starN;
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace EntryNames
