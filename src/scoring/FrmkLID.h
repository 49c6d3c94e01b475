#pragma once

#include "shell/ThemedWindow.h"

#include <QString>
#include <memory>

class DataR1;
class DataRPrint;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class View;

// The scoring window: the operator types a subject's code, the window keys the three
// scales from the stored answers, shows and stores the raw scores with the subject,
// and prints the subject's sheet or the table of all subjects.
class FrmkLID : public ThemedWindow
{
    Q_OBJECT
public:
    explicit FrmkLID(AppContext& context);

    // The operations of the window's buttons.
    void selectSubject();
    void printSelected();
    void printAll();
    void showHelp();
    void hideHelp();

    // The selected-subject mark: the code of the subject keyed last, empty when none
    // was keyed or its sheet was printed.
    QString selectedMark() const { return m_selected; }

    // The reports, once produced.
    DataRPrint* allSubjectsReport() const { return m_allReport.get(); }
    DataR1* subjectSheet() const { return m_sheet.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildDetails();
    void buildButtons();
    void buildScores();
    void buildHelp();
    void showSubject();
    bool keyAndStore(QString* error);

    View* m_ide;        // the selected subject's row
    View* m_answers[3]; // AAS, APS, MAC-R answer rows
    View* m_settings;
    View* m_allSubjects; // every subject, for the all-subjects report

    QFrame* m_details;
    QLineEdit* m_code;
    QLabel* m_captions[8];
    QLineEdit* m_fields[8];
    QFrame* m_buttons;
    QPushButton* m_select;
    QPushButton* m_printSelected;
    QPushButton* m_printAll;
    QPushButton* m_help;
    QPushButton* m_exit;
    QPushButton* m_hiddenAAS;
    QPushButton* m_hiddenAPS;
    QFrame* m_scores;
    QLineEdit* m_scoreFields[3];
    QFrame* m_helpPanel;
    QPlainTextEdit* m_helpText;

    QString m_selected;
    std::shared_ptr<DataRPrint> m_allReport;
    std::shared_ptr<DataR1> m_sheet;
};
