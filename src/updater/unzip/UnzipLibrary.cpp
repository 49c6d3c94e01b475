#include "UnzipLibrary.h"

#include "ZipRun.h"

#include <QDate>
#include <QString>

#include <cstring>

#include <zip.h>

namespace {

// Writes text into a fixed field, cut so that the NUL fits.
template <size_t N> void setField(char (&field)[N], const QByteArray& text)
{
    const size_t n = std::min(size_t(text.size()), N - 1);
    std::memset(field, 0, N);
    std::memcpy(field, text.constData(), n);
}

bool collect(int count, char** names, QStringList* into)
{
    if (count < 0 || (count > 0 && !names))
        return false;
    for (int i = 0; i < count; ++i) {
        if (!names[i])
            return false;
        into->append(QString::fromLocal8Bit(names[i]));
    }
    return true;
}

} // namespace

void UzpVersion2(UzpVersionRecord* version)
{
    if (!version || version->structLength < sizeof(UzpVersionRecord))
        return;
    version->flags = 0x2;
    setField(version->betaLevel, QByteArray());
    const QDate built = QDate::fromString(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
    setField(version->buildDate, built.toString(Qt::ISODate).toLatin1());
    setField(version->compressionLib, QByteArray(zip_libzip_version()));
    version->library = {1, 0, 0, 0};
    version->lister = {1, 0, 0, 0};
    version->reserved = {0, 0, 0, 0};
    version->interface = {1, 0, 0, 0};
}

int Wiz_SingleEntryUnzip(int includeCount, char** includeNames, int excludeCount, char** excludeNames, DCL* options,
                         USERFUNCTIONS* callbacks)
{
    QStringList include, exclude;
    if (!options || !callbacks || !collect(includeCount, includeNames, &include) ||
        !collect(excludeCount, excludeNames, &exclude))
        return UZ_BAD_OPTIONS;
    callbacks->totalSizeCompressed = 0;
    callbacks->totalSize = 0;
    callbacks->compressionFactor = 0;
    callbacks->numberOfMembers = 0;
    callbacks->commentLength = 0;
    ZipRun run(*options, *callbacks, std::move(include), std::move(exclude));
    return run.run();
}
