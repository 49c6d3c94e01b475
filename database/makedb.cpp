// makedb: makes the installed database file, and loads a clinic's licensed item
// statements into one.
//
//   makedb [--if-missing] DATABASE               create DATABASE from the schema and seed
//   makedb DATABASE --statements FILE.tsv         load statements (scale<TAB>item<TAB>text)

#include "data/DatabaseSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    bool ifMissing = args.removeAll(QStringLiteral("--if-missing")) > 0;
    QString statements;
    const qsizetype s = args.indexOf(QStringLiteral("--statements"));
    if (s >= 0) {
        if (s + 1 >= args.size()) {
            err << "makedb: --statements needs a file\n";
            return 2;
        }
        statements = args[s + 1];
        args.remove(s, 2);
    }
    if (args.size() != 1) {
        err << "usage: makedb [--if-missing] DATABASE\n       makedb DATABASE --statements FILE.tsv\n";
        return 2;
    }
    const QString db = args[0];
    QString error;
    if (!statements.isEmpty()) {
        if (!DatabaseSchema::loadStatements(db, statements, &error)) {
            err << "makedb: " << statements << ": " << error << "\n";
            return 1;
        }
        return 0;
    }
    if (QFileInfo::exists(db)) {
        if (ifMissing)
            return 0;
        err << "makedb: " << db << " already exists; it is never overwritten\n";
        return 1;
    }
    QDir().mkpath(QFileInfo(db).absolutePath());
    if (!DatabaseSchema::createFile(db, &error)) {
        err << "makedb: " << error << "\n";
        return 1;
    }
    return 0;
}
