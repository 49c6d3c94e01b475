#include "Frmbackup.h"

#include "Backup.h"
#include "calendar/Module7.h"
#include "data/Database.h"
#include "shell/AppContext.h"
#include "shell/Dialogs.h"
#include "shell/Startup.h"
#include "shell/Twips.h"
#include "shell/Windows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

namespace {

const char* const kFilter = "Database Backup |*.mdbB";

// The help text, with the line breaks of the original note.
const char* const kHelpText = "اين قسمت از برنامه جهت پشتيبان گيري و \r\n"
                              "برگرداندن \r\n"
                              "برنامه به حالت قبلي باستفاده از فايل پشتيبان \r\n"
                              "روش کار به اين صورت مي باشد که ابتدا بايد \r\n"
                              "روي \r\n"
                              "دکمه کنار بکاپ کليک کرده دريچه اي باز مي شود \r\n"
                              "بعد محلي که بکاپ را مي خواهيم ذخيره نماييم \r\n"
                              "مشخص مي کنيم و روي دکمه ذخيره کليک مي \r\n"
                              "کنيم دريچه بسته ميشود بعد رويدکمه بکاپ \r\n"
                              "کليک مي کنيم تا پيغام نسخه پشتيبان تهيه \r\n"
                              "گرديد نمايان گردد \r\n"
                              "سعي کنيد هر ازگاهي از برنامه خود بکاپ \r\n"
                              "گيري \r\n"
                              "کرده تا در صورتي که برنامه دچار مشکل کردد و \r\n"
                              "يا \r\n"
                              "نياز به تعويض ويندوز داشتيد پس از نصب \r\n"
                              "مجدد \r\n"
                              "برنامه بتوانيد اطلاعات خود را به حالت قبل \r\n"
                              "برگردانيد \r\n"
                              "توجه: در صورتيکه نياز به تعويض ويندوز \r\n"
                              "داريد فايل پشتيبان از برنامه خود تهيه نموده و \r\n"
                              "آنرا \r\n"
                              "در محلي غير از درايوي که ويندوز را در آن \r\n"
                              "نصب \r\n"
                              "مي کنيد ذخيره نماييد و پس از نصب ويندوز \r\n"
                              "آنرا \r\n"
                              "بازيابي نماييد\r\n"
                              "روش بازيابي کردن اطلاعات\r\n"
                              "ابتدا روي دکمه کنار رستور کليک کرده دريچه \r\n"
                              "اي \r\n"
                              "باز مي شود آخرين فايل پشتيباني را که ذخيره \r\n"
                              "نموده ايد انتخاب کرده روي اوپن کليک کرده \r\n"
                              "سپس \r\n"
                              "روي دکمه رستور کليک نماييد دريچه اي باز \r\n"
                              "مي \r\n"
                              "شود که آيا ميخواهيد اطلاعات را بازيابي کنيد \r\n"
                              "روي بله کليک کنيد تا پيغام بازيابي \r\n"
                              "اطلاعات \r\n"
                              "انجام شد نمايان گردد\r\n"
                              "موفق و پيروز باشيد\r\n";

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString clockText(const QDateTime& now)
{
    return now.time().toString(QStringLiteral("H.mm"));
}

} // namespace

Frmbackup::Frmbackup(AppContext& context) : ThemedWindow(context)
{
    setObjectName(QStringLiteral("Frmbackup"));
    setWindowTitle(QStringLiteral("Back up ...  Reastor"));
    setFixedSize(tw(7200), tw(3000));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(tw(240), tw(180), tw(240), tw(180));
    layout->setHorizontalSpacing(tw(90));
    layout->setVerticalSpacing(tw(150));

    QFont clockFont(QStringLiteral("MS Sans Serif"));
    clockFont.setPointSizeF(12);
    clockFont.setBold(true);
    m_date = new QLabel(this);
    m_date->setObjectName(QStringLiteral("lblDate"));
    m_date->setFont(clockFont);
    m_time = new QLabel(this);
    m_time->setObjectName(QStringLiteral("lblTime"));
    m_time->setFont(clockFont);
    // Holds the date for the default backup name.
    m_date2 = new QLabel(this);
    m_date2->setObjectName(QStringLiteral("lblDate2"));
    m_date2->hide();
    auto* clockLine = new QHBoxLayout;
    clockLine->addWidget(m_date);
    clockLine->addSpacing(tw(360));
    clockLine->addWidget(m_time);
    clockLine->addStretch();
    layout->addLayout(clockLine, 0, 0, 1, 3);

    auto pathField = [this](const char* name, const char* accessible) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QLatin1String(name));
        field->setAccessibleName(QLatin1String(accessible));
        // A path reads left to right whatever the window's direction.
        field->setLayoutDirection(Qt::LeftToRight);
        field->setMinimumWidth(tw(3600));
        return field;
    };
    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setMinimumHeight(tw(420));
        return b;
    };

    m_backup = button("cmdBackup", QStringLiteral("BACKUP"));
    m_browseBackup = button("b1", QStringLiteral("---"));
    m_browseBackup->setFixedWidth(tw(540));
    m_browseBackup->setAccessibleName(QStringLiteral("BACKUP ---"));
    m_backupPath = pathField("Text1", "BACKUP");
    layout->addWidget(m_backup, 1, 0);
    layout->addWidget(m_browseBackup, 1, 1);
    layout->addWidget(m_backupPath, 1, 2);

    m_restore = button("cmdRestore", QStringLiteral("REASTOR"));
    m_browseRestore = button("b2", QStringLiteral("---"));
    m_browseRestore->setFixedWidth(tw(540));
    m_browseRestore->setAccessibleName(QStringLiteral("REASTOR ---"));
    m_restorePath = pathField("Text2", "REASTOR");
    layout->addWidget(m_restore, 2, 0);
    layout->addWidget(m_browseRestore, 2, 1);
    layout->addWidget(m_restorePath, 2, 2);

    m_help = button("cmdHelp", QStringLiteral("راهنما"));
    m_exit = button("cmdExit", QStringLiteral("خروج"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_help);
    bottom->addWidget(m_exit);
    bottom->addStretch();
    layout->addLayout(bottom, 4, 0, 1, 3);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(2, 1);

    m_helpPanel = new QFrame(this);
    m_helpPanel->setObjectName(QStringLiteral("helpPanel"));
    m_helpPanel->setFrameShape(QFrame::StyledPanel);
    m_helpPanel->setAutoFillBackground(true);
    m_helpPanel->setGeometry(rect());
    auto* helpLayout = new QVBoxLayout(m_helpPanel);
    helpLayout->setContentsMargins(tw(120), tw(120), tw(120), tw(120));
    m_helpText = new QPlainTextEdit(m_helpPanel);
    m_helpText->setObjectName(QStringLiteral("txtHelp"));
    m_helpText->setAccessibleName(QStringLiteral("راهنما"));
    m_helpText->setReadOnly(true);
    QFont helpFont(QStringLiteral("B Nazanin"));
    helpFont.setPointSizeF(11);
    m_helpText->setFont(helpFont);
    // A carriage return would start a paragraph of its own in the text box.
    m_helpText->setPlainText(text(kHelpText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    helpLayout->addWidget(m_helpText);
    m_helpExit = new QPushButton(QStringLiteral("خروج"), m_helpPanel);
    m_helpExit->setObjectName(QStringLiteral("cmdHelpExit"));
    auto* helpButtons = new QHBoxLayout;
    helpButtons->addWidget(m_helpExit);
    helpButtons->addStretch();
    helpLayout->addLayout(helpButtons);
    m_helpPanel->hide();

    m_clock = new QTimer(this);
    m_clock->setObjectName(QStringLiteral("Timer1"));
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &Frmbackup::refreshClock);

    connect(m_browseBackup, &QPushButton::clicked, this, &Frmbackup::browseBackup);
    connect(m_browseRestore, &QPushButton::clicked, this, &Frmbackup::browseRestore);
    connect(m_backup, &QPushButton::clicked, this, &Frmbackup::backUp);
    connect(m_restore, &QPushButton::clicked, this, &Frmbackup::restore);
    connect(m_help, &QPushButton::clicked, this, &Frmbackup::showHelp);
    connect(m_helpExit, &QPushButton::clicked, m_helpPanel, &QWidget::hide);
    connect(m_exit, &QPushButton::clicked, this, &Frmbackup::endProgram);

    // Start-up: place, theme, clock and dates.
    placeAt(2340, 765);
    applyTheme();
    const QDateTime now = context.now ? context.now() : QDateTime::currentDateTime();
    m_time->setText(clockText(now));
    m_date->setText(Module7::SolarDateText(now, 4));
    m_date2->setText(m_date->text());
    m_clock->start();
}

QString Frmbackup::databasePath() const
{
    return Startup::databasePath(context().programFolder);
}

void Frmbackup::refreshClock()
{
    m_time->setText(clockText(context().now ? context().now() : QDateTime::currentDateTime()));
}

QString Frmbackup::defaultBackupName() const
{
    return QStringLiteral("در تاريخ") + m_date2->text() + QStringLiteral(" ساعت)") + m_time->text() +
           QStringLiteral(")") + QStringLiteral(".mdbB");
}

void Frmbackup::browseBackup()
{
    if (m_copying)
        return;
    try {
        const QString path = context().dialogs->saveFile(
            this, QDir(context().programFolder).filePath(QStringLiteral("Back")), defaultBackupName(), text(kFilter));
        if (!path.isEmpty())
            m_backupPath->setText(path);
    } catch (const std::exception& e) {
        context().dialogs->message(this, QStringLiteral("Error"), text(e.what()), Dialogs::Icon::Warning);
    }
}

void Frmbackup::browseRestore()
{
    if (m_copying)
        return;
    try {
        const QString path = context().dialogs->openFile(
            this, QDir(context().programFolder).filePath(QStringLiteral("Back")), text(kFilter));
        if (!path.isEmpty())
            m_restorePath->setText(path);
    } catch (const std::exception& e) {
        context().dialogs->message(this, QStringLiteral("Error"), text(e.what()), Dialogs::Icon::Warning);
    }
}

void Frmbackup::backUp()
{
    if (m_copying)
        return;
    Dialogs& dialogs = *context().dialogs;
    try {
        const QString path = m_backupPath->text();
        if (path.trimmed().isEmpty()) {
            dialogs.message(this, QStringLiteral("خطا"), QStringLiteral("لطفا مسير تهيه نسخه پشتيبان را وارد کنيد"),
                            Dialogs::Icon::Warning);
            return;
        }
        if (QFileInfo::exists(path) &&
            dialogs.message(
                this, QString(),
                QStringLiteral("فايل پشتيباني با اين نام قبلا ايجاد شده آيا ميخواهيد اين فايل را جايگزين کنيد؟"),
                Dialogs::Icon::None, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes) {
            dialogs.message(this, QString(), QStringLiteral("عدم موفقيت در تهيه نسخه پشتيبان"),
                            Dialogs::Icon::Information);
            return;
        }
        if (copy(databasePath(), path, false) != CopyOutcome::Done)
            return; // reported by the copy, or the program is ending
        dialogs.message(this, QString(), QStringLiteral("نسخه پشتيبان تهيه گرديد"), Dialogs::Icon::None);
        endProgram();
    } catch (const std::exception& e) {
        dialogs.message(this, QStringLiteral("Error"), text(e.what()), Dialogs::Icon::None);
    }
}

void Frmbackup::restore()
{
    if (m_copying)
        return;
    Dialogs& dialogs = *context().dialogs;
    try {
        const QString path = m_restorePath->text();
        if (path.trimmed().isEmpty()) {
            dialogs.message(this, QStringLiteral("خطا"), QStringLiteral("لطفا مسير فايل مربوطه را وارد کنيد"),
                            Dialogs::Icon::Warning);
            return;
        }
        if (dialogs.message(this, QString(), QStringLiteral("آيا ميخواهيد اطلاعات را بازيابي کنيد؟"),
                            Dialogs::Icon::None, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes) {
            dialogs.message(this, QString(), QStringLiteral("عدم موفقيت در بازيابي اطلاعات "), Dialogs::Icon::None);
            return;
        }
        // Only a whole database of this program may take the place of the one in use.
        QString refusal;
        switch (Database::checkFile(path, true)) {
        case Database::FileCheck::Ok:
            break;
        case Database::FileCheck::Missing:
            refusal = QStringLiteral("فايل انتخاب شده پيدا نشد؛ اطلاعات برنامه تغييري نکرد");
            break;
        case Database::FileCheck::Unreadable:
            refusal = QStringLiteral("فايل انتخاب شده خوانده نمي شود؛ اطلاعات برنامه تغييري نکرد");
            break;
        case Database::FileCheck::NotOurs:
            refusal = QStringLiteral(
                "فايل انتخاب شده نسخه پشتيبان اين برنامه نيست يا آسيب ديده است؛ اطلاعات برنامه تغييري نکرد");
            break;
        }
        if (!refusal.isEmpty()) {
            dialogs.message(this, QStringLiteral("خطا"),
                            refusal + QStringLiteral("\r\n") + QDir::toNativeSeparators(path), Dialogs::Icon::Warning);
            return;
        }
        if (copy(path, databasePath(), true) != CopyOutcome::Done)
            return;
        dialogs.message(this, QString(), QStringLiteral("بازيابي اطلاعات انجام شد"), Dialogs::Icon::None);
        endProgram();
    } catch (const std::exception& e) {
        dialogs.message(this, QStringLiteral("خطا"),
                        text(e.what()) + QStringLiteral("تمامي فرم ها را ببندبد به جز فرم اصلي و اين پنجره"),
                        Dialogs::Icon::Warning);
    }
}

Frmbackup::CopyOutcome Frmbackup::copy(const QString& source, const QString& destination, bool overDatabase)
{
    // The copy lets the event loop run before every block, so this window may be
    // closed, or the whole program ended, while it runs.
    QPointer<Frmbackup> self(this);
    AppContext& ctx = context();
    m_copying = true;
    m_stopCopy = false;
    bool databaseClosed = false;

    Backup::CopyHooks hooks;
    hooks.beforeBlock = [self, yield = Backup::EventLoopYield()]() mutable {
        yield();
        return self && !self->m_stopCopy;
    };
    if (overDatabase) {
        // The program's connection lets go of the file before the new one takes its place.
        hooks.beforeReplace = [self, &ctx, &databaseClosed](QString& error) {
            if (!self || self->m_stopCopy) {
                error = QStringLiteral("The copy was stopped");
                return false;
            }
            ctx.db->close();
            databaseClosed = true;
            return true;
        };
    }
    QString error;
    const bool done = Backup::CopyBackupFile(source, destination, &error, hooks) == 1;

    const QString database = databasePath();
    if (done && overDatabase) {
        // A journal left by the old file must never be played back into the restored one.
        QFile::remove(database + QStringLiteral("-journal"));
    }
    if (!done && databaseClosed)
        ctx.db->open(database); // the old file is whole; the program goes on with it
    if (!self)
        return CopyOutcome::Stopped;
    m_copying = false;
    if (m_stopCopy)
        return CopyOutcome::Stopped; // the program is ending
    if (!done) {
        ctx.dialogs->message(this, QString(), Backup::failureMessage(error), Dialogs::Icon::Critical);
        return CopyOutcome::Failed;
    }
    return CopyOutcome::Done;
}

void Frmbackup::showHelp()
{
    m_helpPanel->setGeometry(rect());
    m_helpPanel->raise();
    m_helpPanel->show();
}

void Frmbackup::endProgram()
{
    // A copy still running stops at its next block; nothing half-written is left.
    m_stopCopy = true;
    context().endProgram();
}

void Frmbackup::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The registry forgets this window first, so that ending the program (which deletes
    // every window it knows) leaves this one to its own deletion on close.
    ThemedWindow::closeEvent(event);
    m_stopCopy = true;
    context().endProgram();
}
