#include "Skin.h"

#include "data/TextNumber.h"

#include <QFile>
#include <QStringDecoder>
#include <QWidget>

namespace {
// Every skin file starts with this line, so that any other file is never fed to the
// style engine.
const QByteArray kSkinMagic = "/* Pelimora skin";
} // namespace

const Skin::Table& Skin::standardTable()
{
    static const Table table{
        {1, QStringLiteral("chizh.skn")},     {2, QStringLiteral("Green.skn")},   {3, QStringLiteral("galaxy.skn")},
        {4, QStringLiteral("_temp.skn")},     {5, QStringLiteral("B-Studio.skn")}, {6, QStringLiteral("Mac.skn")},
        {7, QStringLiteral("O-Universe.skn")}, {8, QStringLiteral("metallic.skn")}, {9, QStringLiteral("Paper.skn")},
        {10, QStringLiteral("winaqua.skn")},  {11, QStringLiteral("office2007.skn")},
    };
    return table;
}

const Skin::Table& Skin::updateTable()
{
    static const Table table = [] {
        Table t = standardTable();
        t[7] = QStringLiteral("TopSecret.skn");
        t[12] = QStringLiteral("OrionNext.skn");
        t[13] = QStringLiteral("Retro.skn");
        return t;
    }();
    return table;
}

int Skin::themeNumber(const QString& thText, const Table& table)
{
    long long n = 0;
    if (!leadingWholeNumber(thText, &n) || n < 1 || n > 1000 || !table.contains(int(n)))
        return 0;
    return int(n);
}

QString Skin::loadStyleSheet(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(1 << 20);
    if (!bytes.startsWith(kSkinMagic) || bytes.contains('\0'))
        return {};
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString text = decode(bytes);
    if (decode.hasError())
        return {};
    return text;
}

QString Skin::apply(QWidget* window, const QString& thText, const Table& table)
{
    const int n = themeNumber(thText, table);
    const QString file = n ? table.value(n) : QString();
    const QString sheet = file.isEmpty() ? QString() : loadStyleSheet(file);
    window->setStyleSheet(sheet);
    window->setProperty("skinFile", sheet.isEmpty() ? QString() : file);
    return sheet.isEmpty() ? QString() : file;
}
