#include "Progress.h"

#include "GetFileName.h"
#include "UpdaterDialogs.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
const QString kIdle = QStringLiteral("دانلود");
const QString kRunning = QStringLiteral("انصراف");

// The downloader's own small picture: a tray with an arrow coming down into it.
QPixmap downloaderPicture(QSize size)
{
    QPixmap pix(size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), size).adjusted(4, 4, -4, -4);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x5d, 0x9c, 0xd8));
    g.setColorAt(1, QColor(0x1f, 0x5a, 0x96));
    p.setPen(QPen(QColor(0x16, 0x3f, 0x6b), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(r, 8, 8);
    const qreal cx = r.center().x();
    QPainterPath arrow;
    arrow.moveTo(cx - 5, r.top() + 8);
    arrow.lineTo(cx + 5, r.top() + 8);
    arrow.lineTo(cx + 5, r.center().y());
    arrow.lineTo(cx + 12, r.center().y());
    arrow.lineTo(cx, r.bottom() - 16);
    arrow.lineTo(cx - 12, r.center().y());
    arrow.lineTo(cx - 5, r.center().y());
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + 12, r.bottom() - 9), QPointF(r.right() - 12, r.bottom() - 9));
    return pix;
}

QString siteDomain()
{
    QString host = QStringLiteral(PELIMORA_SITE_HOST);
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    return host;
}
} // namespace

Progress::Progress(UpdaterDialogs& dialogs, const QString& folder, const QString& host, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_folder(folder)
{
    setObjectName(QStringLiteral("Progress"));
    setWindowTitle(QStringLiteral("Downloading File ... "));
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(560, 193); // 8400 x 2900 twips
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().topLeft() + QPoint(165, 108)); // 2475, 1620 twips

    m_startProcess = [](const QString& program, const QString& folder) {
        return QProcess::startDetached(program, {}, folder);
    };
    m_endProgram = [] { QCoreApplication::quit(); };

    QFont persian(QStringLiteral("B Nazanin"));
    persian.setPointSizeF(11);
    persian.setBold(true);

    auto* title = new QLabel(QStringLiteral("Ornavex"), this);
    title->setObjectName(QStringLiteral("Label2"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSizeF(20);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: #1f4f80;"));
    title->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    title->setGeometry(300, 10, 240, 40);

    auto* mail = new QLabel(QStringLiteral("info@") + siteDomain(), this);
    mail->setObjectName(QStringLiteral("Label3"));
    mail->setLayoutDirection(Qt::LeftToRight);
    mail->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mail->setGeometry(260, 52, 280, 18);
    auto* web = new QLabel(QStringLiteral("http://") + QStringLiteral(PELIMORA_SITE_HOST), this);
    web->setObjectName(QStringLiteral("Label5"));
    web->setLayoutDirection(Qt::LeftToRight);
    web->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    web->setGeometry(260, 70, 280, 18);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("FileDownloader1"));
    picture->setPixmap(downloaderPicture(QSize(68, 63))); // 1020 x 945 twips
    picture->setGeometry(20, 12, 68, 63);

    m_addressLabel = new QLabel(QStringLiteral("Address File :"), this);
    m_addressLabel->setObjectName(QStringLiteral("Label1"));
    m_addressLabel->setGeometry(440, 96, 100, 20);
    m_addressLabel->hide();
    m_address = new QLineEdit(defaultAddress(host), this);
    m_address->setObjectName(QStringLiteral("Text"));
    m_address->setLayoutDirection(Qt::LeftToRight);
    m_address->setAccessibleName(m_addressLabel->text());
    m_address->setGeometry(20, 96, 410, 20);
    m_address->hide();

    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setGeometry(70, 104, 470, 22);

    m_percent = new QLabel(this);
    m_percent->setObjectName(QStringLiteral("Label4"));
    m_percent->setLayoutDirection(Qt::LeftToRight);
    m_percent->setAlignment(Qt::AlignCenter);
    QFont percentFont(QStringLiteral("Arial"));
    percentFont.setPointSizeF(10);
    percentFont.setBold(true);
    m_percent->setFont(percentFont);
    m_percent->setGeometry(20, 104, 44, 22);

    m_update = new QPushButton(kIdle, this);
    m_update->setObjectName(QStringLiteral("cmdUpdate"));
    m_update->setFont(persian);
    m_update->setGeometry(430, 142, 110, 34);
    m_exit = new QPushButton(QStringLiteral("خروج"), this);
    m_exit->setObjectName(QStringLiteral("Command1"));
    m_exit->setFont(persian);
    m_exit->setGeometry(20, 142, 110, 34);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &Progress::Timer1_Timer);
    m_timer->start();

    connect(m_update, &QPushButton::clicked, this, &Progress::cmdUpdate_Click);
    connect(m_exit, &QPushButton::clicked, this, &Progress::Command1_Click);
    connect(&m_downloader, &FileDownloader::DownloadErrors, this, &Progress::onDownloadErrors);
    connect(&m_downloader, &FileDownloader::DowloadComplete, this, &Progress::onDowloadComplete);
    connect(&m_downloader, &FileDownloader::DownloadProgress, this, &Progress::onDownloadProgress);
}

QString Progress::defaultAddress(const QString& host)
{
    return QStringLiteral("http://") + host + QStringLiteral("/Soft/Pelimora/setup-Ornavex.exe");
}

void Progress::cmdUpdate_Click()
{
    if (m_update->text() == kIdle) {
        // A press right after a cancel may come before the cancelled download has
        // wound down; a second download must not start inside the first.
        if (m_downloader.isRunning())
            return;
        m_update->setText(kRunning);
        m_bar->setValue(0);
        const QString url = m_address->text();
        m_downloader.DownloadFile(url, m_folder + u'/' + GetFileName(url));
    } else {
        m_downloader.Cancel();
        m_bar->setValue(0);
        m_update->setText(kIdle);
    }
}

void Progress::Command1_Click()
{
    // A running download stops at its next step and takes its temporary file with it.
    m_downloader.Cancel();
    m_endProgram();
    hide();
}

void Progress::closeEvent(QCloseEvent* event)
{
    m_downloader.Cancel();
    QWidget::closeEvent(event);
}

void Progress::Timer1_Timer()
{
    m_percent->setText(QString::number(m_bar->value()));
}

void Progress::onDownloadErrors(const QString& strError)
{
    m_dialogs.message(QStringLiteral("Error"), strError, UpdaterDialogs::Icon::Critical);
    m_update->setText(kIdle);
    m_bar->setValue(0);
    m_downloader.Cancel();
}

void Progress::onDowloadComplete()
{
    m_dialogs.message(QStringLiteral("Success"), QStringLiteral("دانلود فايل با موفقيت به پايان رسيد "),
                      UpdaterDialogs::Icon::Information);
    m_update->setText(kIdle);
    m_bar->setValue(0);
    if (!startInstaller()) {
        m_dialogs.message(QStringLiteral("Error"),
                          QStringLiteral("برنامه نصب «%1» اجرا نشد. فایل دریافت‌شده در پوشه برنامه "
                                         "به‌روزرسانی "
                                         "است؛ می‌توانید آن را خودتان اجرا کنید.")
                              .arg(QLatin1String(kInstaller)),
                          UpdaterDialogs::Icon::Critical);
        return;
    }
    m_endProgram();
    hide();
}

void Progress::onDownloadProgress(const QString& intPercent)
{
    m_bar->setValue(intPercent.toInt());
}

bool Progress::startInstaller()
{
    const QString path = QDir(m_folder).filePath(QLatin1String(kInstaller));
    QFile installer(path);
    if (!installer.exists())
        return false;
    // What came over the network carries no execute permission.
    const auto exec = QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    if ((installer.permissions() & exec) != exec && !installer.setPermissions(installer.permissions() | exec))
        return false;
    return m_startProcess(path, m_folder);
}

void Progress::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xf4, 0xf8, 0xfc));
    g.setColorAt(1, QColor(0xd6, 0xe4, 0xf1));
    p.fillRect(rect(), g);
    p.setPen(QColor(0xb4, 0xc8, 0xdc));
    p.drawLine(20, 92, width() - 20, 92);
}
