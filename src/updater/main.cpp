#include "Progress.h"
#include "QtUpdaterDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFont>

namespace {
// The faces the window names, mapped to installed ones so that no text falls back to boxes.
void installFonts()
{
    const QString nazli = QStringLiteral("Nazli");
    const QString naskh = QStringLiteral("Noto Naskh Arabic");
    const QString dejavu = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitutions(QStringLiteral("B Nazanin"), {nazli, naskh, dejavu});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {dejavu, naskh});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {dejavu, naskh});
    QFont::insertSubstitutions(dejavu, {naskh});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9);
    QApplication::setFont(font);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The installer is downloaded into, and started from, the updater's own folder.
    const QString folder = QCoreApplication::applicationDirPath();
    QDir::setCurrent(folder);
    QApplication::setApplicationName(QStringLiteral("Pelimoraupdate"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    installFonts();

    QtUpdaterDialogs dialogs;
    Progress window(dialogs, folder);
    dialogs.setOwner(&window);
    window.show();
    return app.exec();
}
