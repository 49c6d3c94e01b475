#pragma once

#include <QObject>
#include <QString>

class UpdaterDialogs;

// Extracts a zip archive: the properties are the extraction options, Unzip runs it through
// CodeModule and the unzip library. Booleans are kept as 1 or 0, the way the library takes them.
// The overwrite question and the password prompt are asked through the given dialogs.
class CGUnzipFiles : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool ExtractNewer READ ExtractNewer WRITE setExtractNewer)
    Q_PROPERTY(bool SpaceToUnderScore READ SpaceToUnderScore WRITE setSpaceToUnderScore)
    Q_PROPERTY(bool PromptOverwrite READ PromptOverwrite WRITE setPromptOverwrite)
    Q_PROPERTY(qint32 MessageLevel READ MessageLevel WRITE setMessageLevel)
    Q_PROPERTY(bool WriteToStdOut READ WriteToStdOut WRITE setWriteToStdOut)
    Q_PROPERTY(bool TestZip READ TestZip WRITE setTestZip)
    Q_PROPERTY(qint32 ExtractList READ ExtractList WRITE setExtractList)
    Q_PROPERTY(bool ExtractOnlyNewer READ ExtractOnlyNewer WRITE setExtractOnlyNewer)
    Q_PROPERTY(bool DisplayComment READ DisplayComment WRITE setDisplayComment)
    Q_PROPERTY(bool HonorDirectories READ HonorDirectories WRITE setHonorDirectories)
    Q_PROPERTY(bool OverWriteFiles READ OverWriteFiles WRITE setOverWriteFiles)
    Q_PROPERTY(bool ConvertCRtoCRLF READ ConvertCRtoCRLF WRITE setConvertCRtoCRLF)
    Q_PROPERTY(bool Verbose READ Verbose WRITE setVerbose)
    Q_PROPERTY(bool CaseSensitive READ CaseSensitive WRITE setCaseSensitive)
    Q_PROPERTY(qint32 Privilege READ Privilege WRITE setPrivilege)
    Q_PROPERTY(QString ZipFileName READ ZipFileName WRITE setZipFileName)
    Q_PROPERTY(QString ExtractDir READ ExtractDir WRITE setExtractDir)

public:
    explicit CGUnzipFiles(UpdaterDialogs& dialogs, QObject* parent = nullptr);

    // Extracts the archive. A non-empty sZipFileName or sExtractDir first replaces ZipFileName
    // or ExtractDir. Returns the library's result code (0: success). Throws UnzipError, raised
    // by "CGUnZipFiles::Unzip", for a run-time error, such as an integer option outside 16 bits.
    qint32 Unzip(const QString& sZipFileName = {}, const QString& sExtractDir = {});
    // Everything printed during the last extraction.
    QString GetLastMessage() const;

    bool ExtractNewer() const { return m_extractNewer == 1; }
    void setExtractNewer(bool on) { m_extractNewer = on ? 1 : 0; }
    bool SpaceToUnderScore() const { return m_spaceToUnderScore == 1; }
    void setSpaceToUnderScore(bool on) { m_spaceToUnderScore = on ? 1 : 0; }
    bool PromptOverwrite() const { return m_promptOverwrite == 1; }
    void setPromptOverwrite(bool on) { m_promptOverwrite = on ? 1 : 0; }
    qint32 MessageLevel() const { return m_messageLevel; }
    void setMessageLevel(qint32 level) { m_messageLevel = level; }
    bool WriteToStdOut() const { return m_writeToStdOut == 1; }
    void setWriteToStdOut(bool on) { m_writeToStdOut = on ? 1 : 0; }
    bool TestZip() const { return m_testZip == 1; }
    void setTestZip(bool on) { m_testZip = on ? 1 : 0; }
    qint32 ExtractList() const { return m_extractList; }
    void setExtractList(qint32 list) { m_extractList = list; }
    bool ExtractOnlyNewer() const { return m_extractOnlyNewer == 1; }
    void setExtractOnlyNewer(bool on) { m_extractOnlyNewer = on ? 1 : 0; }
    bool DisplayComment() const { return m_displayComment == 1; }
    void setDisplayComment(bool on) { m_displayComment = on ? 1 : 0; }
    bool HonorDirectories() const { return m_honorDirectories == 1; }
    void setHonorDirectories(bool on) { m_honorDirectories = on ? 1 : 0; }
    bool OverWriteFiles() const { return m_overWriteFiles == 1; }
    void setOverWriteFiles(bool on) { m_overWriteFiles = on ? 1 : 0; }
    bool ConvertCRtoCRLF() const { return m_convertCRtoCRLF == 1; }
    void setConvertCRtoCRLF(bool on) { m_convertCRtoCRLF = on ? 1 : 0; }
    bool Verbose() const { return m_verbose == 1; }
    void setVerbose(bool on) { m_verbose = on ? 1 : 0; }
    bool CaseSensitive() const { return m_caseSensitive == 1; }
    void setCaseSensitive(bool on) { m_caseSensitive = on ? 1 : 0; }
    qint32 Privilege() const { return m_privilege; }
    void setPrivilege(qint32 privilege) { m_privilege = privilege; }
    QString ZipFileName() const { return m_zipFileName; }
    void setZipFileName(const QString& name) { m_zipFileName = name; }
    QString ExtractDir() const { return m_extractDir; }
    void setExtractDir(const QString& folder) { m_extractDir = folder; }

private:
    UpdaterDialogs& m_dialogs;
    qint32 m_extractNewer = 0;
    qint32 m_spaceToUnderScore = 0;
    qint32 m_promptOverwrite = 0;
    qint32 m_messageLevel = 2;
    qint32 m_writeToStdOut = 0;
    qint32 m_testZip = 0;
    qint32 m_extractList = 0;
    qint32 m_extractOnlyNewer = 0;
    qint32 m_displayComment = 0;
    qint32 m_honorDirectories = 1;
    qint32 m_overWriteFiles = 1;
    qint32 m_convertCRtoCRLF = 0;
    qint32 m_verbose = 0;
    qint32 m_caseSensitive = 1;
    qint32 m_privilege = 0;
    QString m_zipFileName;
    QString m_extractDir;
};
