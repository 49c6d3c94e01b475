#pragma once

#include "shell/ThemedWindow.h"

class QLabel;
class QPushButton;

// The version check: asks the update server for the latest published version and,
// when it is newer than this build, starts the updater and ends the program.
class FrmUpdate : public ThemedWindow
{
    Q_OBJECT
public:
    explicit FrmUpdate(AppContext& context);

    // "Pelimora 2.1": the application's title and the running major.minor version.
    static QString titleText();

    // True while the check waits for the server.
    bool isChecking() const { return m_checking; }

public Q_SLOTS:
    void check();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_title;
    QLabel* m_instruction;
    QPushButton* m_check;
    QPushButton* m_exit;
    bool m_checking = false;
};
