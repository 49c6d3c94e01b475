#pragma once

// The updater's unzip library: a plain C-style interface over libzip. A caller fills an
// option record and a callback record and asks for one run over one archive; everything
// the run has to say goes back through the callbacks, and its outcome is a result code.
//
// All texts crossing this interface are NUL-terminated bytes in the system's 8-bit code page.

#include <cstdint>

// Result codes of a run (the well-known exit codes of unzip programs).
enum UnzipResult : int
{
    UZ_OK = 0,                  // everything done
    UZ_WARNING = 1,             // done, but something was skipped or looked odd
    UZ_FORMAT_ERROR = 2,        // an entry is damaged (bad CRC, bad data); others may have been done
    UZ_SEVERE_FORMAT_ERROR = 3, // the archive itself could not be read
    UZ_NOT_FOUND = 9,           // the archive does not exist
    UZ_BAD_OPTIONS = 10,        // the records or lists make no sense
    UZ_NO_MATCH = 11,           // a name of the include list matched no entry
    UZ_DISK_ERROR = 50,         // a file could not be written (disk full, cannot create)
    UZ_UNEXPECTED_EOF = 51,     // the archive ends before an entry's data
    UZ_ABORTED = 80,            // a callback asked to stop
    UZ_UNSUPPORTED = 81,        // an entry uses a compression or encryption we cannot undo
    UZ_BAD_PASSWORD = 82,       // no entry could be done because every password was wrong or missing
};

// Answers of the replace callback.
enum UnzipReplaceAnswer : int
{
    UZ_REPLACE_NO = 100,   // leave this file as it is
    UZ_REPLACE_YES = 102,  // replace this file
    UZ_REPLACE_ALL = 103,  // replace this and every further existing file without asking
    UZ_REPLACE_NONE = 104, // leave this and every further existing file
};

// Answers of the password callback: 0 when a password was put into the buffer; a positive
// value when there is none for this entry (it is skipped); a negative value stops the run.
enum UnzipPasswordAnswer : int
{
    UZ_PASSWORD_ENTERED = 0,
    UZ_PASSWORD_NONE = 1,
    UZ_PASSWORD_ABORT = -1,
};

// Version record. The caller sets structLength to the size it allocated (64); the library
// writes no further than that.
struct UzpVersionRecord
{
    struct Number
    {
        unsigned char major;
        unsigned char minor;
        unsigned char patch;
        unsigned char unused;
    };
    std::uint32_t structLength;
    std::uint32_t flags;     // bit 0: a test build; bit 1: compression library present
    char betaLevel[10];      // empty for a release
    char buildDate[20];      // "YYYY-MM-DD"
    char compressionLib[10]; // version of the compression library
    Number library;          // this library
    Number lister;           // its listing part (same number)
    Number reserved;         // unused, zero
    Number interface;        // the interface revision of these records
};
static_assert(sizeof(UzpVersionRecord) == 64, "the version record is 64 bytes long");

// Option record; every flag is 0 (off) or non-zero (on).
struct DCL
{
    int extractOnlyNewer;  // extract entries that are newer than the file on disk, or missing (-u)
    int spaceToUnderscore; // write spaces in names as underscores (-s)
    int promptToOverwrite; // ask the replace callback before overwriting (unless overwrite is set)
    int quietLevel;        // 0: tell everything; 1: no line per entry; 2: only warnings and errors
    int toStdOut;          // send the entries' data to the print callback instead of files (-c)
    int testOnly;          // read every entry and check its CRC; write nothing (-t)
    int listContents;      // report every entry to the message callback; write nothing (-l)
    int freshen;           // extract only entries whose file exists and is older (-f)
    int displayComment;    // print the archive comment and nothing else (-z)
    int honourDirectories; // 0 puts every entry in the folder itself, without its path (-j)
    int overwrite;         // overwrite existing files without asking (-o)
    int convertLineEnds;   // write the line ends of text entries as CR LF (-a)
    int verboseListing;    // list with every detail, also printed through the print callback (-v)
    int caseInsensitive;   // names of the include and exclude lists match regardless of case (-C)
    int privilege;         // ownership and access lists; nothing on this platform, accepted
    const char* zipFileName;
    const char* extractDir; // null or empty: the current folder
};

// Callback types.
// Prints a piece of text (at most 32801 bytes); returns 0.
using DLLPRNT = int (*)(char* text, unsigned long length);
// Makes a sound at the end of a run.
using DLLSND = void (*)();
// Asked about a file that already exists; returns an UnzipReplaceAnswer.
using DLLREPLACE = int (*)(char* fileName);
// Asked for the password of an encrypted entry: fills at most size bytes of buffer,
// NUL included, and returns an UnzipPasswordAnswer. prompt says why (first time or retry).
using DLLPASSWORD = int (*)(char* buffer, int size, const char* prompt, const char* entryName);
// Reports one entry of a listing.
using DLLMESSAGE = void (*)(std::uint64_t size, std::uint64_t compressedSize, unsigned ratioPercent, unsigned month,
                            unsigned day, unsigned year, unsigned hour, unsigned minute, char sizeFlag,
                            const char* entryName, const char* method, unsigned long crc, char encrypted);
// Told about each entry before it is done; a non-zero return stops the run.
using DLLSERVICE = int (*)(const char* entryName, std::uint64_t size);

// Callback record; any callback may be null. The library fills the totals at the end of a run.
struct USERFUNCTIONS
{
    DLLPRNT print;
    DLLSND sound;
    DLLREPLACE replace;
    DLLPASSWORD password;
    DLLMESSAGE sendMessage;
    DLLSERVICE service;
    std::uint64_t totalSizeCompressed;
    std::uint64_t totalSize;
    unsigned compressionFactor; // percent saved over all entries
    unsigned numberOfMembers;
    unsigned commentLength;
};

// Fills the version record.
void UzpVersion2(UzpVersionRecord* version);

// One run over the archive of options->zipFileName. The include list (includeCount names,
// wildcards * ? [..] allowed) limits the run to the matching entries; an empty list means
// every entry. Entries matching the exclude list are left out. Returns an UnzipResult.
int Wiz_SingleEntryUnzip(int includeCount, char** includeNames, int excludeCount, char** excludeNames, DCL* options,
                         USERFUNCTIONS* callbacks);
