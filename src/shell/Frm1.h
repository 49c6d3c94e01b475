#pragma once

#include "ThemedWindow.h"

#include <QList>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class RegistrationPanel;
class View;
class ViewBinder;

// The main window: the menu, the title line with the clinic's name, and the five
// panels (registration, settings menu, themes, clinic details, field names).
class Frm1 : public ThemedWindow
{
    Q_OBJECT
public:
    enum CloseMode { CloseAfterSettingsChange = 1, ClosePlainly = 2 };

    explicit Frm1(AppContext& context);

    // Reset step: hide the five panels; re-read IDE when it holds a row.
    void reset();

    int closeMode() const;
    void setCloseMode(int mode);

    // The caption of demographic field k (1..9) as loaded at start-up.
    QString caption(int k) const;

    View& settingsView() const { return *m_settings; }
    View& ideView() const { return *m_ide; }
    View& answerView(int scale) const; // 1 AAS, 2 APS, 3 MAC-R
    RegistrationPanel* registrationPanel() const { return m_registration; }

    // Settings actions, also used by tests.
    void changeTheme(int n);
    void saveClinicDetails();
    void cancelClinicDetails();
    void saveFieldNames();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildMenu();
    void buildSettingsPanel();
    void buildThemesPanel();
    void buildClinicPanel();
    void buildFieldNamesPanel();
    void openExitConfirmation(int leftTwips, int topTwips);
    void hideHoverHelp();
    bool answerAASEmpty() const;
    QPushButton* menuButton(const QString& objectName, const QString& caption);

    View* m_settings;
    View* m_ide;
    View* m_answers[3];
    ViewBinder* m_settingsBinder;

    QLabel* m_captionHolders[9];
    QLineEdit* m_closeMode;
    QLabel* m_titleLine;
    QToolButton* m_help;
    QToolButton* m_logo;
    QLabel* m_version;
    QLabel* m_hoverHelp;
    QFrame* m_menu;
    QList<QPushButton*> m_menuButtons;

    RegistrationPanel* m_registration;
    QFrame* m_settingsPanel;
    QFrame* m_themesPanel;
    QFrame* m_clinicPanel;
    QGroupBox* m_fieldNamesPanel;
    QLineEdit* m_clinicName;
    QLineEdit* m_clinicAddress;
    QLineEdit* m_fieldNames[8];
};
