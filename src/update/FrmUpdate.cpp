#include "FrmUpdate.h"

#include "VersionCheck.h"
#include "shell/AppContext.h"
#include "shell/Dialogs.h"
#include "shell/Twips.h"
#include "shell/Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {
const QString kInstruction = QStringLiteral("جهت به روز رساني نرم افزار ابتدا اتصال به اينترنت را چک کنيد سپس روي دکمه آپديت کليک کنيد");
const QString kCheckCaption = QStringLiteral("بررسي آپديت جديد");
const QString kExitCaption = QStringLiteral("خروج");
const QString kUpToDate = QStringLiteral("شما آخرين ورژن نرم افزار را داريد و يا اينکه ارتباط شما با اينترنت برقرار نمي باشد ");
const QString kErrorTitle = QStringLiteral("خطا");
// The updater lies beside this program; when it is missing or will not run, the
// operator is told so and the program keeps running.
const QString kUpdaterNotStarted = QStringLiteral(
    "نسخه جديد نرم افزار موجود است، اما برنامه به روز رساني (Pelimoraupdate) در پوشه نرم افزار پيدا نشد يا اجرا "
    "نمي شود. لطفا نرم افزار را دوباره نصب کنيد و سپس دوباره امتحان کنيد.");
const QString kUpdaterName = QStringLiteral("Pelimoraupdate");
} // namespace

QString FrmUpdate::titleText()
{
    return QString::fromLatin1(kApplicationTitle) + QLatin1Char(' ') + VersionCheck::runningVersionText();
}

FrmUpdate::FrmUpdate(AppContext& context) : ThemedWindow(context)
{
    setObjectName(QStringLiteral("FrmUpdate"));
    setFixedSize(tw(6480), tw(3840));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSizeF(18);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setGeometry(twRect(240, 240, 6000, 720));

    m_instruction = new QLabel(kInstruction, this);
    m_instruction->setObjectName(QStringLiteral("Label2"));
    QFont instructionFont(QStringLiteral("B Nazanin"));
    instructionFont.setPointSizeF(12);
    instructionFont.setBold(true);
    m_instruction->setFont(instructionFont);
    m_instruction->setWordWrap(true);
    m_instruction->setAlignment(Qt::AlignCenter);
    m_instruction->setGeometry(twRect(240, 1080, 6000, 1200));

    m_check = new QPushButton(kCheckCaption, this);
    m_check->setObjectName(QStringLiteral("Command1"));
    m_check->setAccessibleName(kCheckCaption);
    m_check->setGeometry(twRect(3360, 2640, 2640, 600));
    connect(m_check, &QPushButton::clicked, this, &FrmUpdate::check);

    m_exit = new QPushButton(kExitCaption, this);
    m_exit->setObjectName(QStringLiteral("Command2"));
    m_exit->setAccessibleName(kExitCaption);
    m_exit->setGeometry(twRect(480, 2640, 2640, 600));
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);

    setWindowTitle(titleText());
    m_title->setText(titleText());
    placeAt(4085, 2745);
    applyTheme(Skin::updateTable());
}

void FrmUpdate::check()
{
    if (m_checking)
        return;
    m_checking = true;
    m_check->setEnabled(false);
    setWindowTitle(QStringLiteral("Please wait..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The fetch runs its own event loop; the window takes no input until it returns.
    setEnabled(false);

    QPointer<FrmUpdate> self(this);
    AppContext& ctx = context();
    const QString text = VersionCheck::fetchText(VersionCheck::lastVersionUrl(ctx.config.updateHost));
    QApplication::restoreOverrideCursor();
    if (!self)
        return;
    setEnabled(true);

    if (VersionCheck::isNewer(VersionCheck::readVersion(text), VersionCheck::runningVersion())) {
        if (ctx.startProcess(ctx.programFolder + QLatin1Char('/') + kUpdaterName, {})) {
            m_checking = false;
            close();
            ctx.endProgram();
            return;
        }
        ctx.dialogs->message(this, kErrorTitle, kUpdaterNotStarted, Dialogs::Icon::Warning);
    } else {
        ctx.dialogs->message(this, QString(), kUpToDate, Dialogs::Icon::Information);
    }
    if (!self)
        return;
    setWindowTitle(titleText());
    m_check->setEnabled(true);
    m_checking = false;
}

void FrmUpdate::closeEvent(QCloseEvent* event)
{
    // The close box cannot leave a check half done: its event loop still runs here.
    if (m_checking) {
        event->ignore();
        return;
    }
    ThemedWindow::closeEvent(event);
}
