#include "ZipFixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtGlobal>

#include <functional>

bool makeZip(const QString& path, const QList<ZipEntry>& entries, const QString& comment)
{
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip) {
        qWarning("zip_open failed: %d", error);
        return false;
    }
    auto fail = [&](const char* what) {
        qWarning("%s: %s", what, zip_strerror(zip));
        zip_discard(zip);
        return false;
    };
    for (const ZipEntry& e : entries) {
        const QByteArray name = e.name.toUtf8();
        zip_int64_t index;
        if (e.directory) {
            index = zip_dir_add(zip, name.constData(), ZIP_FL_ENC_UTF_8);
        } else {
            zip_source_t* source = zip_source_buffer(zip, e.data.constData(), zip_uint64_t(e.data.size()), 0);
            if (!source)
                return fail("zip_source_buffer");
            index = zip_file_add(zip, name.constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
            if (index < 0) {
                zip_source_free(source);
                return fail("zip_file_add");
            }
            if (zip_set_file_compression(zip, zip_uint64_t(index), zip_int32_t(e.method), 0) != 0)
                return fail("zip_set_file_compression");
            if (e.encryption != ZIP_EM_NONE &&
                zip_file_set_encryption(zip, zip_uint64_t(index), e.encryption, e.password.constData()) != 0)
                return fail("zip_file_set_encryption");
        }
        if (index < 0)
            return fail("zip_dir_add");
        if (e.modified.isValid() &&
            zip_file_set_mtime(zip, zip_uint64_t(index), time_t(e.modified.toSecsSinceEpoch()), 0) != 0)
            return fail("zip_file_set_mtime");
        if (e.unixMode &&
            zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, e.unixMode << 16) != 0)
            return fail("zip_file_set_external_attributes");
    }
    if (!comment.isEmpty()) {
        const QByteArray text = comment.toUtf8();
        if (zip_set_archive_comment(zip, text.constData(), zip_uint16_t(text.size())) != 0)
            return fail("zip_set_archive_comment");
    }
    if (zip_close(zip) != 0)
        return fail("zip_close");
    return true;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& data, const QDateTime& modified)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return false;
    // Written out first: a later flush would set the time anew.
    if (!file.flush())
        return false;
    if (modified.isValid() && !file.setFileTime(modified, QFileDevice::FileModificationTime))
        return false;
    return true;
}

namespace {

bool rewrite(const QString& path, const std::function<bool(QByteArray&)>& change)
{
    QByteArray bytes = readAll(path);
    if (bytes.isEmpty() || !change(bytes))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

bool damage(const QString& path, const QByteArray& needle)
{
    return rewrite(path, [&](QByteArray& bytes) {
        const qsizetype at = bytes.indexOf(needle);
        if (at < 0)
            return false;
        bytes[at + needle.size() / 2] = char(bytes[at + needle.size() / 2] ^ 0x55);
        return true;
    });
}

bool setAllMethods(const QString& path, zip_uint16_t method)
{
    return rewrite(path, [&](QByteArray& bytes) {
        int changed = 0;
        auto patch = [&](const QByteArray& signature, qsizetype offset) {
            for (qsizetype at = bytes.indexOf(signature); at >= 0; at = bytes.indexOf(signature, at + 4)) {
                qToLittleEndian<quint16>(method, bytes.data() + at + offset);
                ++changed;
            }
        };
        patch(QByteArray("PK\x03\x04", 4), 8);
        patch(QByteArray("PK\x01\x02", 4), 10);
        return changed > 0;
    });
}

QStringList treeOf(const QString& root)
{
    QStringList found;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        found << base.relativeFilePath(info.filePath()) + (info.isDir() ? QStringLiteral("/") : QString());
    }
    found.sort();
    return found;
}

QByteArray binaryData(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = char(random.bounded(256));
    data[size / 2] = '\0';
    return data;
}
