#pragma once

#include "FileDownloader.h"
#include "PelimoraConfig.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class UpdaterDialogs;

// The updater's one window: downloads the new installer into the updater's folder
// with a progress display, then starts it and ends the program. The caption of the
// download button is the window's state: "دانلود" idle, "انصراف" downloading.
class Progress : public QWidget
{
    Q_OBJECT
public:
    // Starts a program in a folder, without arguments; false when it could not.
    using ProcessStarter = std::function<bool(const QString& program, const QString& folder)>;

    static constexpr const char* kInstaller = "setup-Ornavex.exe";

    // folder: where the installer goes (the updater's own folder); host: the update
    // server, as "name" or "name:port".
    Progress(UpdaterDialogs& dialogs, const QString& folder, const QString& host = QStringLiteral(PELIMORA_UPDATE_HOST),
             QWidget* parent = nullptr);

    static QString defaultAddress(const QString& host);

    void setProcessStarter(ProcessStarter starter) { m_startProcess = std::move(starter); }
    // What ends the program (quits the event loop unless set).
    void setEndProgram(std::function<void()> end) { m_endProgram = std::move(end); }
    FileDownloader& downloader() { return m_downloader; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void cmdUpdate_Click();
    void Command1_Click();
    void Timer1_Timer();
    void onDownloadErrors(const QString& strError);
    void onDowloadComplete();
    void onDownloadProgress(const QString& intPercent);
    bool startInstaller();

    UpdaterDialogs& m_dialogs;
    QString m_folder;
    FileDownloader m_downloader;
    ProcessStarter m_startProcess;
    std::function<void()> m_endProgram;

    QLineEdit* m_address;
    QLabel* m_addressLabel;
    QPushButton* m_update;
    QPushButton* m_exit;
    QProgressBar* m_bar;
    QLabel* m_percent;
    QTimer* m_timer;
};
