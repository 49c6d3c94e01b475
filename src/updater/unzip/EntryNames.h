#pragma once

#include <QString>
#include <QStringList>

// Names of archive entries: turning one into a path below the extraction folder, and
// matching names against the wildcards of an include or exclude list.
namespace EntryNames {

// The folders and file name of an entry, without empty and "." parts. Both '/' and '\'
// separate parts, since some archivers write the latter. Sets unsafe (and returns nothing)
// when the name is absolute ("/x", "\x", "C:x") or has a ".." part: such an entry would
// land outside the extraction folder.
QStringList components(const QString& name, bool* unsafe);

// Whether name matches pattern: '*' any run of characters ('/' included), '?' one character,
// "[abc]", "[a-z]" and "[!a-z]" one character of (or not of) a set.
bool matches(QStringView pattern, QStringView name, bool caseInsensitive);

} // namespace EntryNames
