#include "QtUpdaterDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

UpdaterDialogs::Answer QtUpdaterDialogs::message(const QString& title, const QString& text, Icon icon, Buttons buttons)
{
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None:
        break;
    case Icon::Information:
        qicon = QMessageBox::Information;
        break;
    case Icon::Warning:
        qicon = QMessageBox::Warning;
        break;
    case Icon::Critical:
        qicon = QMessageBox::Critical;
        break;
    }
    const auto qbuttons = buttons == Buttons::YesNoCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                                          : QMessageBox::StandardButtons(QMessageBox::Ok);
    // The downloader's messages separate their lines with a bare carriage return.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QMessageBox box(qicon, title, shown, qbuttons, m_owner);
    // English messages read left to right, Persian ones right to left.
    box.setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

QString QtUpdaterDialogs::input(const QString& title, const QString& prompt)
{
    QInputDialog dialog(m_owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}
