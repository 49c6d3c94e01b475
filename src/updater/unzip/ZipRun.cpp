#include "ZipRun.h"

#include "EntryNames.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

namespace {

// Longest piece of text handed to the print callback at once.
constexpr qsizetype printChunk = 32768;
// Size of the buffer the password callback fills, NUL included.
constexpr int passwordBufferSize = 257;
// Prompts for one entry before it is given up.
constexpr int passwordAttempts = 3;

QString zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

QByteArray methodName(zip_uint16_t method)
{
    switch (method) {
    case ZIP_CM_STORE:
        return "Stored";
    case ZIP_CM_DEFLATE:
        return "Deflated";
    case ZIP_CM_DEFLATE64:
        return "Deflate64";
    case ZIP_CM_BZIP2:
        return "BZip2";
    case ZIP_CM_LZMA:
        return "LZMA";
    case ZIP_CM_XZ:
        return "XZ";
    default:
        return "Method " + QByteArray::number(method);
    }
}

// Unix mode bits of an entry as Qt permissions; group and others never get write access.
QFileDevice::Permissions permissionsOf(unsigned mode)
{
    mode &= 0755;
    QFileDevice::Permissions p;
    if (mode & 0400)
        p |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
    if (mode & 0200)
        p |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    if (mode & 0100)
        p |= QFileDevice::ExeOwner | QFileDevice::ExeUser;
    if (mode & 0040)
        p |= QFileDevice::ReadGroup;
    if (mode & 0010)
        p |= QFileDevice::ExeGroup;
    if (mode & 0004)
        p |= QFileDevice::ReadOther;
    if (mode & 0001)
        p |= QFileDevice::ExeOther;
    return p;
}

// LF becomes CR LF; a CR LF already there stays as it is (also across pieces).
QByteArray toCrLf(const char* data, qint64 size, bool* lastWasCr)
{
    QByteArray out;
    out.reserve(size + size / 16);
    for (qint64 i = 0; i < size; ++i) {
        const char c = data[i];
        if (c == '\n' && !*lastWasCr)
            out += '\r';
        out += c;
        *lastWasCr = c == '\r';
    }
    return out;
}

} // namespace

ZipRun::ZipRun(const DCL& options, USERFUNCTIONS& callbacks, QStringList includeNames, QStringList excludeNames)
    : m_options(options), m_callbacks(callbacks), m_include(std::move(includeNames)),
      m_exclude(std::move(excludeNames)), m_includeMatched(m_include.size(), false)
{
}

ZipRun::~ZipRun()
{
    if (m_zip)
        zip_discard(m_zip);
}

int ZipRun::run()
{
    m_quiet = std::clamp(m_options.quietLevel, 0, 2);
    if (!m_options.zipFileName || !*m_options.zipFileName) {
        say(Level::Problem, QStringLiteral("error: no archive was named"));
        return UZ_BAD_OPTIONS;
    }
    m_zipName = QFile::decodeName(m_options.zipFileName);
    const QFileInfo archive(m_zipName);
    if (!archive.exists() || archive.isDir()) {
        say(Level::Problem, QStringLiteral("error: cannot find the archive %1").arg(m_zipName));
        return UZ_NOT_FOUND;
    }
    int openError = 0;
    m_zip = zip_open(m_options.zipFileName, ZIP_RDONLY, &openError);
    if (!m_zip) {
        switch (openError) {
        case ZIP_ER_NOENT:
        case ZIP_ER_OPEN:
            say(Level::Problem,
                QStringLiteral("error: cannot open the archive %1: %2").arg(m_zipName, zipErrorText(openError)));
            return UZ_NOT_FOUND;
        case ZIP_ER_EOF:
            say(Level::Problem, QStringLiteral("error: the archive %1 ends too early").arg(m_zipName));
            return UZ_UNEXPECTED_EOF;
        default:
            say(Level::Problem, QStringLiteral("error: %1 is not a zip archive or is damaged: %2")
                                    .arg(m_zipName, zipErrorText(openError)));
            return UZ_SEVERE_FORMAT_ERROR;
        }
    }

    const bool listing = m_options.listContents || m_options.verboseListing;
    const bool writing = !listing && !m_options.testOnly && !m_options.toStdOut && !m_options.displayComment;
    if (writing) {
        const QString folder = m_options.extractDir && *m_options.extractDir ? QFile::decodeName(m_options.extractDir)
                                                                             : QStringLiteral(".");
        m_folder = QDir(folder);
        if (!m_folder.exists() && !QDir().mkpath(folder)) {
            say(Level::Problem, QStringLiteral("error: cannot create the folder %1").arg(folder));
            return UZ_DISK_ERROR;
        }
    }

    say(Level::Summary, QStringLiteral("Archive:  %1").arg(m_zipName));
    int commentLength = 0;
    const char* comment = zip_get_archive_comment(m_zip, &commentLength, ZIP_FL_ENC_GUESS);
    m_callbacks.commentLength = commentLength > 0 ? unsigned(commentLength) : 0;
    const QString commentText = comment && commentLength > 0 ? QString::fromUtf8(comment, commentLength) : QString();
    if (m_options.displayComment) {
        if (!commentText.isEmpty())
            printBytes((commentText.endsWith(u'\n') ? commentText : commentText + u'\n').toLocal8Bit());
        if (m_callbacks.sound)
            m_callbacks.sound();
        return UZ_OK;
    }
    if (!commentText.isEmpty())
        say(Level::Progress, commentText);

    const zip_int64_t count = zip_get_num_entries(m_zip, 0);
    if (count <= 0) {
        say(Level::Problem, QStringLiteral("warning: the archive %1 holds no entries").arg(m_zipName));
        m_warning = true;
    }
    if (m_options.verboseListing)
        printBytes("  Length  Method         Size  Ratio  Date        Time   CRC-32    Name\n"
                   "--------  ---------  --------  -----  ----------  -----  --------  ----\n");

    for (zip_int64_t i = 0; i < count && !m_aborted; ++i) {
        Entry entry;
        entry.index = zip_uint64_t(i);
        const char* name = zip_get_name(m_zip, entry.index, ZIP_FL_ENC_GUESS);
        zip_stat_init(&entry.stat);
        if (!name || zip_stat_index(m_zip, entry.index, ZIP_FL_ENC_GUESS, &entry.stat) != 0) {
            say(Level::Problem, QStringLiteral("error: entry %1 of the archive cannot be read").arg(i + 1));
            m_formatError = true;
            continue;
        }
        entry.name = QString::fromUtf8(name);
        entry.name8 = entry.name.toLocal8Bit();
        entry.isDirectory = entry.name.endsWith(u'/') || entry.name.endsWith(u'\\');
        if (!selected(entry))
            continue;

        m_callbacks.totalSize += entry.stat.size;
        m_callbacks.totalSizeCompressed += entry.stat.comp_size;
        ++m_callbacks.numberOfMembers;
        if (m_callbacks.service && m_callbacks.service(entry.name8.constData(), entry.stat.size) != 0) {
            note(entry, Outcome::Aborted);
            break;
        }

        Outcome outcome = Outcome::Done;
        if (listing)
            list(entry);
        else if (m_options.testOnly)
            outcome = test(entry);
        else if (m_options.toStdOut)
            outcome = toStdOut(entry);
        else
            outcome = extract(entry);
        note(entry, outcome);
    }

    if (m_aborted)
        say(Level::Problem, QStringLiteral("error: the run was stopped"));
    for (qsizetype i = 0; i < m_include.size(); ++i) {
        if (!m_includeMatched.at(i)) {
            say(Level::Problem, QStringLiteral("caution: no entry matches %1").arg(m_include.at(i)));
            m_noMatch = true;
        }
    }
    if (m_callbacks.totalSize > 0 && m_callbacks.totalSizeCompressed <= m_callbacks.totalSize)
        m_callbacks.compressionFactor =
            unsigned((m_callbacks.totalSize - m_callbacks.totalSizeCompressed) * 100 / m_callbacks.totalSize);
    if (m_options.verboseListing)
        printBytes(QStringLiteral("--------             --------  -----                                   ----\n"
                                  "%1             %2  %3%                                   %4 entries\n")
                       .arg(m_callbacks.totalSize, 8)
                       .arg(m_callbacks.totalSizeCompressed, 8)
                       .arg(m_callbacks.compressionFactor, 4)
                       .arg(m_callbacks.numberOfMembers)
                       .toLocal8Bit());
    if (m_options.testOnly && !listing && !m_aborted) {
        if (m_testErrors == 0)
            say(Level::Summary, QStringLiteral("No errors found in the data of %1.").arg(m_zipName));
        else
            say(Level::Problem, QStringLiteral("%1 entries of %2 have errors.").arg(m_testErrors).arg(m_zipName));
    }
    if (m_callbacks.sound)
        m_callbacks.sound();
    return result();
}

void ZipRun::say(Level level, const QString& text)
{
    if ((level == Level::Progress && m_quiet > 0) || (level == Level::Summary && m_quiet > 1))
        return;
    printBytes((text + u'\n').toLocal8Bit());
}

void ZipRun::printBytes(const QByteArray& bytes)
{
    if (!m_callbacks.print)
        return;
    for (qsizetype at = 0; at < bytes.size(); at += printChunk) {
        QByteArray piece = bytes.mid(at, printChunk);
        m_callbacks.print(piece.data(), static_cast<unsigned long>(piece.size()));
    }
}

bool ZipRun::selected(const Entry& entry)
{
    const bool caseInsensitive = m_options.caseInsensitive != 0;
    if (!m_include.isEmpty()) {
        bool any = false;
        for (qsizetype i = 0; i < m_include.size(); ++i) {
            if (EntryNames::matches(m_include.at(i), entry.name, caseInsensitive)) {
                m_includeMatched[i] = true;
                any = true;
            }
        }
        if (!any)
            return false;
    }
    return std::none_of(m_exclude.cbegin(), m_exclude.cend(), [&](const QString& pattern) {
        return EntryNames::matches(pattern, entry.name, caseInsensitive);
    });
}

void ZipRun::note(const Entry& entry, Outcome outcome)
{
    switch (outcome) {
    case Outcome::Done:
        if (!entry.isDirectory)
            ++m_done;
        break;
    case Outcome::Skipped:
        break;
    case Outcome::Warning:
        m_warning = true;
        break;
    case Outcome::FormatError:
        m_formatError = true;
        break;
    case Outcome::UnexpectedEnd:
        m_unexpectedEnd = true;
        break;
    case Outcome::DiskError:
        m_diskError = true;
        break;
    case Outcome::Unsupported:
        m_unsupported = true;
        break;
    case Outcome::NoPassword:
        m_noPassword = true;
        break;
    case Outcome::Aborted:
        m_aborted = true;
        break;
    }
}

int ZipRun::result() const
{
    if (m_aborted)
        return UZ_ABORTED;
    if (m_unexpectedEnd)
        return UZ_UNEXPECTED_EOF;
    if (m_diskError)
        return UZ_DISK_ERROR;
    if (m_formatError)
        return UZ_FORMAT_ERROR;
    if (m_unsupported)
        return UZ_UNSUPPORTED;
    if (m_noPassword)
        return m_done == 0 ? UZ_BAD_PASSWORD : UZ_WARNING;
    if (m_noMatch)
        return UZ_NO_MATCH;
    if (m_warning)
        return UZ_WARNING;
    return UZ_OK;
}

void ZipRun::list(const Entry& entry)
{
    const zip_stat_t& st = entry.stat;
    QDateTime when;
    if (st.valid & ZIP_STAT_MTIME)
        when = QDateTime::fromSecsSinceEpoch(st.mtime);
    const unsigned ratio =
        st.size > 0 && st.comp_size <= st.size ? unsigned((st.size - st.comp_size) * 100 / st.size) : 0;
    const QByteArray method = methodName(st.comp_method);
    const bool encrypted = (st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE;
    if (m_callbacks.sendMessage)
        m_callbacks.sendMessage(st.size, st.comp_size, ratio, unsigned(when.date().month()),
                                unsigned(when.date().day()), unsigned(when.date().year()), unsigned(when.time().hour()),
                                unsigned(when.time().minute()), ' ', entry.name8.constData(), method.constData(),
                                st.crc, encrypted ? 'E' : ' ');
    if (m_options.verboseListing)
        printBytes(QStringLiteral("%1  %2  %3  %4%  %5  %6  %7  %8%9\n")
                       .arg(st.size, 8)
                       .arg(QString::fromLatin1(method), -9)
                       .arg(st.comp_size, 8)
                       .arg(ratio, 4)
                       .arg(when.date().toString(QStringLiteral("yyyy-MM-dd")), 10)
                       .arg(when.time().toString(QStringLiteral("HH:mm")), 5)
                       .arg(st.crc, 8, 16, QChar(u'0'))
                       .arg(entry.name, encrypted ? QStringLiteral(" (encrypted)") : QString())
                       .toLocal8Bit());
}

ZipRun::Outcome ZipRun::test(const Entry& entry)
{
    if (entry.isDirectory) {
        say(Level::Progress, QStringLiteral("    testing: %1  OK").arg(entry.name));
        return Outcome::Done;
    }
    Outcome failure = Outcome::Done;
    zip_file_t* file = open(entry, &failure);
    Outcome outcome = file ? pump(entry, file, false, [](const char*, qint64) { return true; }) : failure;
    if (outcome == Outcome::Done)
        say(Level::Progress, QStringLiteral("    testing: %1  OK").arg(entry.name));
    else if (outcome == Outcome::FormatError || outcome == Outcome::UnexpectedEnd || outcome == Outcome::Unsupported)
        ++m_testErrors;
    return outcome;
}

ZipRun::Outcome ZipRun::toStdOut(const Entry& entry)
{
    if (entry.isDirectory)
        return Outcome::Skipped;
    say(Level::Progress, QStringLiteral("   printing: %1").arg(entry.name));
    Outcome failure = Outcome::Done;
    zip_file_t* file = open(entry, &failure);
    if (!file)
        return failure;
    return pump(entry, file, m_options.convertLineEnds != 0, [this](const char* data, qint64 size) {
        printBytes(QByteArray::fromRawData(data, size));
        return true;
    });
}

ZipRun::Outcome ZipRun::extract(const Entry& entry)
{
    bool unsafe = false;
    QStringList parts = EntryNames::components(entry.name, &unsafe);
    if (unsafe) {
        say(Level::Problem,
            QStringLiteral("warning: skipped %1: its path leads outside the extraction folder").arg(entry.name));
        return Outcome::Warning;
    }
    if (!m_options.honourDirectories) {
        if (entry.isDirectory || parts.isEmpty())
            return Outcome::Skipped;
        parts = QStringList{parts.constLast()};
    }
    if (parts.isEmpty())
        return Outcome::Skipped;
    if (m_options.spaceToUnderscore) {
        for (QString& part : parts)
            part.replace(u' ', u'_');
    }
    const QString relative = parts.join(u'/');
    const QString target = m_folder.filePath(relative);

    if (entry.isDirectory) {
        if (!m_folder.mkpath(relative)) {
            say(Level::Problem, QStringLiteral("error: cannot create the folder %1").arg(shown(target)));
            return Outcome::DiskError;
        }
        say(Level::Progress, QStringLiteral("   creating: %1/").arg(shown(target)));
        return Outcome::Done;
    }

    const QFileInfo existing(target);
    const bool exists = existing.exists() || existing.isSymLink();
    if (m_options.freshen && !exists)
        return Outcome::Skipped;
    if ((m_options.freshen || m_options.extractOnlyNewer) && exists && (entry.stat.valid & ZIP_STAT_MTIME) &&
        entry.stat.mtime <= existing.lastModified().toSecsSinceEpoch())
        return Outcome::Skipped;
    if (exists) {
        if (existing.isDir() && !existing.isSymLink()) {
            say(Level::Problem,
                QStringLiteral("error: cannot write %1: a folder of that name is in the way").arg(shown(target)));
            return Outcome::DiskError;
        }
        if (!mayReplace(target)) {
            say(Level::Progress, QStringLiteral("   skipping: %1 (the file exists)").arg(shown(target)));
            return Outcome::Skipped;
        }
    }
    const QString parent = QFileInfo(relative).path();
    if (parent != u"." && !m_folder.mkpath(parent)) {
        say(Level::Problem, QStringLiteral("error: cannot create the folder %1").arg(shown(m_folder.filePath(parent))));
        return Outcome::DiskError;
    }

    Outcome failure = Outcome::Done;
    zip_file_t* file = open(entry, &failure);
    if (!file)
        return failure;
    // A link in the way is replaced by the file, never followed to wherever it points.
    if (existing.isSymLink())
        QFile::remove(target);
    // The data goes to a temporary file beside the target, which takes the target's place
    // only once the entry has been read whole and its CRC matched: a failed entry leaves
    // no partial file and the old file as it was.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        zip_fclose(file);
        say(Level::Problem, QStringLiteral("error: cannot create %1: %2").arg(shown(target), out.errorString()));
        return Outcome::DiskError;
    }
    const Outcome outcome = pump(entry, file, m_options.convertLineEnds != 0,
                                 [&out](const char* data, qint64 size) { return out.write(data, size) == size; });
    if (outcome != Outcome::Done) {
        const QString why = out.error() != QFileDevice::NoError ? out.errorString() : QString();
        out.cancelWriting();
        if (outcome == Outcome::DiskError)
            say(Level::Problem, QStringLiteral("error: cannot write %1: %2").arg(shown(target), why));
        else
            say(Level::Problem, QStringLiteral("       %1 was not written").arg(shown(target)));
        return outcome;
    }
    if (!out.commit()) {
        say(Level::Problem, QStringLiteral("error: cannot write %1: %2").arg(shown(target), out.errorString()));
        return Outcome::DiskError;
    }
    finishFile(entry, target);
    say(Level::Progress, QStringLiteral(" extracting: %1").arg(shown(target)));
    return Outcome::Done;
}

zip_file_t* ZipRun::open(const Entry& entry, Outcome* failure)
{
    const zip_stat_t& st = entry.stat;
    if ((st.valid & ZIP_STAT_COMP_METHOD) && !zip_compression_method_supported(st.comp_method, 0)) {
        say(Level::Problem, QStringLiteral("skipping: %1: compression method %2 is not supported")
                                .arg(entry.name, QString::fromLatin1(methodName(st.comp_method))));
        *failure = Outcome::Unsupported;
        return nullptr;
    }
    const bool encrypted = (st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE;
    if (!encrypted) {
        zip_file_t* file = zip_fopen_index(m_zip, entry.index, 0);
        if (!file)
            *failure = readFailure(entry, zip_error_code_zip(zip_get_error(m_zip)));
        return file;
    }
    if (!zip_encryption_method_supported(st.encryption_method, 0)) {
        say(Level::Problem, QStringLiteral("skipping: %1: its encryption is not supported").arg(entry.name));
        *failure = Outcome::Unsupported;
        return nullptr;
    }

    auto tryPassword = [&](const QByteArray& password, bool* wrong) -> zip_file_t* {
        zip_error_clear(m_zip);
        zip_file_t* file = zip_fopen_index_encrypted(m_zip, entry.index, 0, password.constData());
        *wrong = false;
        if (!file) {
            const int code = zip_error_code_zip(zip_get_error(m_zip));
            if (code == ZIP_ER_WRONGPASSWD || code == ZIP_ER_NOPASSWD)
                *wrong = true;
            else
                *failure = readFailure(entry, code);
        }
        return file;
    };

    bool wrong = false;
    if (!m_password.isEmpty()) {
        if (zip_file_t* file = tryPassword(m_password, &wrong))
            return file;
        if (!wrong)
            return nullptr;
    }
    for (int attempt = 0; attempt < passwordAttempts && m_callbacks.password; ++attempt) {
        char buffer[passwordBufferSize] = {};
        const char* prompt = attempt == 0 ? "Enter the password of" : "The password is wrong; enter it again for";
        const int answer = m_callbacks.password(buffer, passwordBufferSize, prompt, entry.name8.constData());
        if (answer < 0) {
            *failure = Outcome::Aborted;
            return nullptr;
        }
        if (answer > 0)
            break;
        buffer[passwordBufferSize - 1] = '\0';
        const QByteArray password(buffer);
        if (zip_file_t* file = tryPassword(password, &wrong)) {
            m_password = password;
            return file;
        }
        if (!wrong)
            return nullptr;
    }
    say(Level::Problem, QStringLiteral("skipping: %1: no right password").arg(entry.name));
    *failure = Outcome::NoPassword;
    return nullptr;
}

ZipRun::Outcome ZipRun::pump(const Entry& entry, zip_file_t* file, bool convertLineEnds,
                             const std::function<bool(const char*, qint64)>& sink)
{
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    zip_uint64_t total = 0;
    bool first = true, text = false, lastWasCr = false;
    for (;;) {
        const zip_int64_t n = zip_fread(file, buffer.data(), zip_uint64_t(buffer.size()));
        if (n < 0) {
            const int code = zip_error_code_zip(zip_file_get_error(file));
            zip_fclose(file);
            return readFailure(entry, code);
        }
        if (n == 0)
            break;
        total += zip_uint64_t(n);
        if (first) {
            // An entry whose first piece holds no NUL byte is taken for text.
            text = convertLineEnds && !std::memchr(buffer.constData(), 0, size_t(n));
            first = false;
        }
        bool written;
        if (text) {
            const QByteArray converted = toCrLf(buffer.constData(), n, &lastWasCr);
            written = sink(converted.constData(), converted.size());
        } else {
            written = sink(buffer.constData(), n);
        }
        if (!written) {
            zip_fclose(file);
            return Outcome::DiskError;
        }
    }
    if (const int code = zip_fclose(file); code != 0)
        return readFailure(entry, code);
    if ((entry.stat.valid & ZIP_STAT_SIZE) && total != entry.stat.size) {
        say(Level::Problem, QStringLiteral("error: %1: its data is %2 bytes long instead of %3")
                                .arg(entry.name)
                                .arg(total)
                                .arg(entry.stat.size));
        return Outcome::FormatError;
    }
    return Outcome::Done;
}

ZipRun::Outcome ZipRun::readFailure(const Entry& entry, int zipError)
{
    switch (zipError) {
    case ZIP_ER_CRC:
        say(Level::Problem, QStringLiteral("error: %1: bad CRC, the data is damaged").arg(entry.name));
        return Outcome::FormatError;
    case ZIP_ER_EOF:
        say(Level::Problem, QStringLiteral("error: %1: the archive ends within its data").arg(entry.name));
        return Outcome::UnexpectedEnd;
    case ZIP_ER_COMPNOTSUPP:
    case ZIP_ER_ENCRNOTSUPP:
        say(Level::Problem, QStringLiteral("skipping: %1: %2").arg(entry.name, zipErrorText(zipError)));
        return Outcome::Unsupported;
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_NOPASSWD:
        say(Level::Problem, QStringLiteral("skipping: %1: no right password").arg(entry.name));
        return Outcome::NoPassword;
    default:
        say(Level::Problem, QStringLiteral("error: %1: %2").arg(entry.name, zipErrorText(zipError)));
        return Outcome::FormatError;
    }
}

bool ZipRun::mayReplace(const QString& target)
{
    if (m_replaceAll)
        return true;
    if (m_replaceNone)
        return false;
    if (m_options.overwrite)
        return true;
    if (!m_options.promptToOverwrite || !m_callbacks.replace)
        return false;
    QByteArray name = QFile::encodeName(shown(target));
    switch (m_callbacks.replace(name.data())) {
    case UZ_REPLACE_YES:
        return true;
    case UZ_REPLACE_ALL:
        m_replaceAll = true;
        return true;
    case UZ_REPLACE_NONE:
        m_replaceNone = true;
        return false;
    default:
        return false;
    }
}

void ZipRun::finishFile(const Entry& entry, const QString& target)
{
    // The entry's time, so that freshening later compares against it; then its access bits.
    if (entry.stat.valid & ZIP_STAT_MTIME) {
        QFile file(target);
        if (file.open(QIODevice::ReadOnly))
            file.setFileTime(QDateTime::fromSecsSinceEpoch(entry.stat.mtime), QFileDevice::FileModificationTime);
    }
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(m_zip, entry.index, 0, &system, &attributes) == 0 &&
        system == ZIP_OPSYS_UNIX) {
        const unsigned mode = attributes >> 16;
        const unsigned type = mode & 0170000;
        if ((type == 0100000 || type == 0) && (mode & 0700))
            QFile::setPermissions(target, permissionsOf(mode));
    }
}

QString ZipRun::shown(const QString& path) const
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}
