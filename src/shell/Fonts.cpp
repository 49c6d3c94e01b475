#include "Fonts.h"

#include <QApplication>
#include <QFont>

void Fonts::install()
{
    const QString nazli = QStringLiteral("Nazli");
    const QString titr = QStringLiteral("Titr");
    const QString naskh = QStringLiteral("Noto Naskh Arabic");
    const QString dejavu = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitutions(QStringLiteral("B Nazanin"), {nazli, naskh, dejavu});
    QFont::insertSubstitutions(QStringLiteral("B Titr"), {titr, nazli, naskh});
    QFont::insertSubstitutions(QStringLiteral("B Mitra"), {naskh, nazli, dejavu});
    QFont::insertSubstitutions(QStringLiteral("Arabic Transparent"), {naskh, nazli, dejavu});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {dejavu, naskh});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {dejavu, naskh});
    QFont::insertSubstitutions(dejavu, {naskh});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9);
    QApplication::setFont(font);
}
