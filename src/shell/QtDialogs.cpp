#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

namespace {
QString titleOr(const QString& title)
{
    return title.isEmpty() ? QString::fromUtf8(kApplicationTitle) : title;
}

// The windows give filters as "name|pattern|name|pattern"; Qt's dialog reads
// "name (pattern);;name (pattern)".
QString qtFilter(const QString& filter)
{
    if (!filter.contains(u'|'))
        return filter;
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), parts[i + 1].trimmed());
    return filters.join(QStringLiteral(";;"));
}
} // namespace

void QtDialogs::notice(QWidget* owner, const QString& text, int delayMs)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kNoticeTitle), text, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("notice"));
    box.setLayoutDirection(Qt::RightToLeft);
    // The timer belongs to this box only: it closes this box as if OK was pressed, and
    // when the operator was quicker it dies with the box and touches no other notice.
    QTimer::singleShot(delayMs, &box, [&box] { box.done(QMessageBox::Ok); });
    box.exec();
}

Dialogs::Answer QtDialogs::message(QWidget* owner, const QString& title, const QString& text, Icon icon,
                                   Buttons buttons)
{
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None: break;
    case Icon::Information: qicon = QMessageBox::Information; break;
    case Icon::Warning: qicon = QMessageBox::Warning; break;
    case Icon::Critical: qicon = QMessageBox::Critical; break;
    case Icon::Question: qicon = QMessageBox::Question; break;
    }
    QMessageBox::StandardButtons qbuttons = QMessageBox::Ok;
    if (buttons == Buttons::YesNo)
        qbuttons = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == Buttons::YesNoCancel)
        qbuttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(qicon, titleOr(title), text, qbuttons, owner);
    box.setLayoutDirection(Qt::RightToLeft);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return buttons == Buttons::Ok ? Answer::Ok : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
    }
}

QString QtDialogs::input(QWidget* owner, const QString& title, const QString& prompt, const QString& defaultText)
{
    QInputDialog dialog(owner);
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.setWindowTitle(titleOr(title));
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

QString QtDialogs::saveFile(QWidget* owner, const QString& folder, const QString& defaultName, const QString& filter)
{
    QFileDialog dialog(owner, QString(), folder, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setLayoutDirection(Qt::RightToLeft);
    if (!defaultName.isEmpty())
        dialog.selectFile(defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString QtDialogs::openFile(QWidget* owner, const QString& folder, const QString& filter)
{
    QFileDialog dialog(owner, QString(), folder, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setLayoutDirection(Qt::RightToLeft);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void QtDialogs::preview(QWidget* owner, const QString& title, const std::function<void(QPrinter*)>& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(titleOr(title));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter* p) { paint(p); });
    dialog.exec();
}

void QtDialogs::beep()
{
    QApplication::beep();
}
