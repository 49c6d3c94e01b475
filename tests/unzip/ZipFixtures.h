#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <zip.h>

// Archives written by the tests themselves, with libzip.
struct ZipEntry
{
    QString name;
    QByteArray data;
    zip_uint16_t method = ZIP_CM_DEFLATE;
    zip_uint16_t encryption = ZIP_EM_NONE;
    QByteArray password;
    QDateTime modified;    // invalid: the time of writing
    unsigned unixMode = 0; // 0: libzip's default attributes
    bool directory = false;

    static ZipEntry file(const QString& name, const QByteArray& data, zip_uint16_t method = ZIP_CM_DEFLATE)
    {
        ZipEntry e;
        e.name = name;
        e.data = data;
        e.method = method;
        return e;
    }
    static ZipEntry folder(const QString& name)
    {
        ZipEntry e;
        e.name = name;
        e.directory = true;
        return e;
    }
    static ZipEntry encrypted(const QString& name, const QByteArray& data, zip_uint16_t encryption,
                              const QByteArray& password)
    {
        ZipEntry e = file(name, data);
        e.encryption = encryption;
        e.password = password;
        return e;
    }
};

// Writes the archive; false (with a warning) when libzip refuses.
bool makeZip(const QString& path, const QList<ZipEntry>& entries, const QString& comment = {});

// Changes one byte of the first place where needle occurs in the file: damages a stored entry.
bool damage(const QString& path, const QByteArray& needle);
// Sets the compression method of every entry, in the local and the central headers.
bool setAllMethods(const QString& path, zip_uint16_t method);

QByteArray readAll(const QString& path);
bool writeFile(const QString& path, const QByteArray& data, const QDateTime& modified = {});
// Every file and folder below root, relative, sorted; folders end with '/'.
QStringList treeOf(const QString& root);
// Bytes that do not compress and hold NULs.
QByteArray binaryData(int size, quint32 seed);
