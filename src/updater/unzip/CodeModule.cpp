#include "CodeModule.h"

#include "UnzipError.h"
#include "UnzipLibrary.h"
#include "UpdaterDialogs.h"

#include <QCoreApplication>

#include <cstring>
#include <new>

namespace CodeModule {

namespace {

State s_state;
UpdaterDialogs* s_dialogs = nullptr;

// The longest text the print callback takes at once.
constexpr unsigned long printLimit = 32801;
// The longest file name the replace callback reads.
constexpr size_t nameLimit = 256;
// The password buffer holds at most this many bytes, NUL included.
constexpr int passwordLimit = 257;

size_t boundedLength(const char* text, size_t limit)
{
    const void* nul = std::memchr(text, 0, limit);
    return nul ? size_t(static_cast<const char*>(nul) - text) : limit;
}

// Fills a fixed text field of the version record with blanks and a closing NUL.
template <size_t N> void blankField(char (&field)[N], size_t blanks)
{
    std::memset(field, 0, N);
    std::memset(field, ' ', std::min(blanks, N - 1));
}

} // namespace

void setDialogs(UpdaterDialogs* dialogs)
{
    s_dialogs = dialogs;
}

const State& state()
{
    return s_state;
}

QString lastMessage()
{
    return s_state.printAccumulation;
}

qint32 VBUnzip(const QString& zipFileName, const QString& extractDir, qint16 extractNewer, qint16 spaceToUnderScore,
               qint16 promptOverwrite, qint16 messageLevel, qint16 writeToStdOut, qint16 testZip, qint16 extractList,
               qint16 extractOnlyNewer, qint16 displayComment, qint16 honorDirectories, qint16 overWriteFiles,
               qint16 convertCRtoCRLF, qint16 verbose, qint16 caseSensitive, qint16 privilege)
{
    try {
        s_state = State{};

        const QByteArray zip8 = zipFileName.toLocal8Bit();
        const QByteArray dir8 = extractDir.toLocal8Bit();
        DCL options{};
        options.extractOnlyNewer = extractOnlyNewer;
        options.spaceToUnderscore = spaceToUnderScore;
        options.promptToOverwrite = promptOverwrite;
        options.quietLevel = messageLevel;
        options.toStdOut = writeToStdOut;
        options.testOnly = testZip;
        options.listContents = extractList;
        options.freshen = extractNewer;
        options.displayComment = displayComment;
        options.honourDirectories = honorDirectories;
        options.overwrite = overWriteFiles;
        options.convertLineEnds = convertCRtoCRLF;
        options.verboseListing = verbose;
        options.caseInsensitive = caseSensitive;
        options.privilege = privilege;
        options.zipFileName = zip8.constData();
        options.extractDir = dir8.constData();

        USERFUNCTIONS callbacks{};
        callbacks.print = printCallback;
        callbacks.sound = nullptr;
        callbacks.replace = replaceCallback;
        callbacks.password = passwordCallback;
        callbacks.sendMessage = messageCallback;
        callbacks.service = serviceCallback;

        UzpVersionRecord version{};
        version.structLength = 64;
        blankField(version.betaLevel, 9);
        blankField(version.buildDate, 19);
        blankField(version.compressionLib, 9);
        UzpVersion2(&version);

        return Wiz_SingleEntryUnzip(0, nullptr, 0, nullptr, &options, &callbacks);
    } catch (const UnzipError& error) {
        throw error.raisedBy(QStringLiteral("CodeModule::VBUnzip"));
    } catch (const std::bad_alloc&) {
        throw UnzipError(UnzipError::OutOfMemory, QStringLiteral("Out of memory"),
                         QStringLiteral("CodeModule::VBUnzip"));
    } catch (const std::exception& error) {
        throw UnzipError(UnzipError::InternalError, QString::fromLocal8Bit(error.what()),
                         QStringLiteral("CodeModule::VBUnzip"));
    }
}

int printCallback(char* text, unsigned long length)
{
    try {
        if (!text)
            return 0;
        const size_t n = boundedLength(text, std::min(length, printLimit));
        QString piece = QString::fromLocal8Bit(text, qsizetype(n));
        if (piece.startsWith(u'\n'))
            piece = QStringLiteral("\r\n");
        s_state.printAccumulation += piece;
    } catch (...) {
    }
    return 0;
}

int replaceCallback(char* fileName)
{
    int answer = UZ_REPLACE_NO;
    try {
        const QString name =
            fileName ? QString::fromLocal8Bit(fileName, qsizetype(boundedLength(fileName, nameLimit))) : QString();
        if (!s_dialogs)
            return answer;
        switch (s_dialogs->message(QStringLiteral("VBUnZip32 - File Already Exists!"),
                                   QStringLiteral("Overwrite ") + name + QStringLiteral("?"),
                                   UpdaterDialogs::Icon::Warning, UpdaterDialogs::Buttons::YesNoCancel)) {
        case UpdaterDialogs::Answer::Yes:
            answer = UZ_REPLACE_YES;
            break;
        case UpdaterDialogs::Answer::No:
            answer = UZ_REPLACE_NO;
            break;
        default:
            answer = UZ_REPLACE_NONE;
            break;
        }
    } catch (...) {
    }
    return answer;
}

int passwordCallback(char* buffer, int size, const char* /*prompt*/, const char* /*entryName*/)
{
    int answer = UZ_PASSWORD_NONE;
    try {
        if (s_state.passwordDeclined || !s_dialogs)
            return answer;
        const QString password =
            s_dialogs->input(QCoreApplication::applicationName(), QStringLiteral("Please Enter The Password!"));
        if (password.isEmpty()) {
            s_state.passwordDeclined = 1;
            return answer;
        }
        const int room = std::clamp(size, 0, passwordLimit);
        if (!buffer || room == 0)
            return answer;
        std::memset(buffer, 0, size_t(room));
        const QByteArray bytes = password.toLocal8Bit().left(room - 1);
        std::memcpy(buffer, bytes.constData(), size_t(bytes.size()));
        buffer[bytes.size()] = '\0';
        answer = UZ_PASSWORD_ENTERED;
    } catch (...) {
    }
    return answer;
}

void messageCallback(std::uint64_t size, std::uint64_t compressedSize, unsigned ratioPercent, unsigned month,
                     unsigned day, unsigned year, unsigned hour, unsigned minute, char /*sizeFlag*/,
                     const char* entryName, const char* method, unsigned long crc, char encrypted)
{
    try {
        s_state.listing += QStringLiteral("%1 %2 %3% %4 %5/%6/%7 %8:%9 ")
                               .arg(size, 9)
                               .arg(compressedSize, 9)
                               .arg(ratioPercent, 3)
                               .arg(QString::fromLocal8Bit(method ? method : ""), -9)
                               .arg(month, 2, 10, QChar(u'0'))
                               .arg(day, 2, 10, QChar(u'0'))
                               .arg(year % 100, 2, 10, QChar(u'0'))
                               .arg(hour, 2, 10, QChar(u'0'))
                               .arg(minute, 2, 10, QChar(u'0')) +
                           QStringLiteral("%1 %2%3\r\n")
                               .arg(crc, 8, 16, QChar(u'0'))
                               .arg(encrypted == 'E' ? QStringLiteral("*") : QString())
                               .arg(QString::fromLocal8Bit(entryName ? entryName : ""));
        if (s_state.entryCounter < std::numeric_limits<qint16>::max())
            ++s_state.entryCounter;
    } catch (...) {
    }
}

int serviceCallback(const char* entryName, std::uint64_t /*size*/)
{
    try {
        const QString name = QString::fromLocal8Bit(entryName ? entryName : "");
        Q_UNUSED(name);
    } catch (...) {
    }
    return 0;
}

} // namespace CodeModule
