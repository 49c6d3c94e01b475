#include "QtUpdaterDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

UpdaterDialogs::Answer QtUpdaterDialogs::message(const QString& title, const QString& text, Icon icon, Buttons buttons)
{
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None: break;
    case Icon::Information: qicon = QMessageBox::Information; break;
    case Icon::Warning: qicon = QMessageBox::Warning; break;
    case Icon::Critical: qicon = QMessageBox::Critical; break;
    }
    const auto qbuttons = buttons == Buttons::YesNoCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                                          : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(qicon, title, text, qbuttons, m_owner);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
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
