#include "CGUnzipFiles.h"

#include "CodeModule.h"
#include "UnzipError.h"

#include <limits>

namespace {

// The library takes its options as 16-bit integers.
qint16 narrow(qint32 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw UnzipError(UnzipError::Overflow, QStringLiteral("Overflow"));
    return qint16(value);
}

} // namespace

CGUnzipFiles::CGUnzipFiles(UpdaterDialogs& dialogs, QObject* parent) : QObject(parent), m_dialogs(dialogs) {}

qint32 CGUnzipFiles::Unzip(const QString& sZipFileName, const QString& sExtractDir)
{
    try {
        if (!sZipFileName.isEmpty())
            m_zipFileName = sZipFileName;
        if (!sExtractDir.isEmpty())
            m_extractDir = sExtractDir;
        CodeModule::setDialogs(&m_dialogs);
        return CodeModule::VBUnzip(
            m_zipFileName, m_extractDir, narrow(m_extractNewer), narrow(m_spaceToUnderScore), narrow(m_promptOverwrite),
            narrow(m_messageLevel), narrow(m_writeToStdOut), narrow(m_testZip), narrow(m_extractList),
            narrow(m_extractOnlyNewer), narrow(m_displayComment), narrow(m_honorDirectories), narrow(m_overWriteFiles),
            narrow(m_convertCRtoCRLF), narrow(m_verbose), narrow(m_caseSensitive), narrow(m_privilege));
    } catch (const UnzipError& error) {
        throw error.raisedBy(QStringLiteral("CGUnZipFiles::Unzip"));
    }
}

QString CGUnzipFiles::GetLastMessage() const
{
    return CodeModule::lastMessage();
}
