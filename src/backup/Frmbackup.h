#pragma once

#include "shell/ThemedWindow.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The backup and restore window, reached from the exit confirmation. Every way out of
// it, and every successful backup or restore, ends the program.
class Frmbackup : public ThemedWindow
{
    Q_OBJECT
public:
    explicit Frmbackup(AppContext& context);

    // The name the save dialog offers, from the date and time the window shows.
    QString defaultBackupName() const;
    // Whether a backup or restore copy is running.
    bool isCopying() const { return m_copying; }

    // The buttons' actions.
    void browseBackup();
    void browseRestore();
    void backUp();
    void restore();
    void showHelp();
    void endProgram();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class CopyOutcome
    {
        Done,
        Failed,
        Stopped
    };
    CopyOutcome copy(const QString& source, const QString& destination, bool overDatabase);
    void refreshClock();
    QString databasePath() const;

    QLabel* m_date;
    QLabel* m_time;
    QLabel* m_date2;
    QLineEdit* m_backupPath;
    QLineEdit* m_restorePath;
    QPushButton* m_browseBackup;
    QPushButton* m_browseRestore;
    QPushButton* m_backup;
    QPushButton* m_restore;
    QPushButton* m_help;
    QPushButton* m_exit;
    QFrame* m_helpPanel;
    QPlainTextEdit* m_helpText;
    QPushButton* m_helpExit;
    QTimer* m_clock;
    bool m_copying = false;
    bool m_stopCopy = false;
};
