#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>

class UpdaterDialogs;

// The bridge between CGUnzipFiles and the unzip library: VBUnzip packs the options into the
// library's records and runs it, and the callbacks below are what the library calls during
// the run. The module's state is shared by every CGUnzipFiles, so two extractions must not
// overlap.
namespace CodeModule {

struct State
{
    // Everything the print callback received during the last extraction; it is at the same
    // time the text still being built, so that appending stays cheap.
    QString printAccumulation;
    QString listing; // kept by the message callback; nothing reads it
    qint16 entryCounter = 0;
    int passwordDeclined = 0; // an empty password was given: no more prompts in this run
};

// Where the overwrite question and the password prompt are asked.
void setDialogs(UpdaterDialogs* dialogs);

// Runs one extraction with the fifteen option values (booleans as 1 or 0) and returns the
// library's result code. A run-time error comes out as UnzipError raised by "CodeModule::VBUnzip".
qint32 VBUnzip(const QString& zipFileName, const QString& extractDir, qint16 extractNewer, qint16 spaceToUnderScore,
               qint16 promptOverwrite, qint16 messageLevel, qint16 writeToStdOut, qint16 testZip, qint16 extractList,
               qint16 extractOnlyNewer, qint16 displayComment, qint16 honorDirectories, qint16 overWriteFiles,
               qint16 convertCRtoCRLF, qint16 verbose, qint16 caseSensitive, qint16 privilege);

const State& state();
// What GetLastMessage returns: all text printed during the last extraction.
QString lastMessage();

// The library's callbacks.
int printCallback(char* text, unsigned long length);
int replaceCallback(char* fileName);
int passwordCallback(char* buffer, int size, const char* prompt, const char* entryName);
void messageCallback(std::uint64_t size, std::uint64_t compressedSize, unsigned ratioPercent, unsigned month,
                     unsigned day, unsigned year, unsigned hour, unsigned minute, char sizeFlag, const char* entryName,
                     const char* method, unsigned long crc, char encrypted);
int serviceCallback(const char* entryName, std::uint64_t size);

} // namespace CodeModule
