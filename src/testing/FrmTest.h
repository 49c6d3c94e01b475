#pragma once

#include "shell/ThemedWindow.h"

class DigitsLineEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct ScaleInfo;
class View;
class ViewBinder;

// The test window: one subject answers the items of one scale, one item at a time.
// The text of the item-number box drives what is shown: every change of it, from
// typing, from a button or from the item change itself, runs the item change.
class FrmTest : public ThemedWindow
{
    Q_OBJECT
public:
    explicit FrmTest(AppContext& context);

    // What the test launch does, in this order: choose the scale (1 AAS, 2 APS,
    // 3 MAC-R), find the subject in the views, enter the ready state, show.
    bool setScaleNumber(int number);
    int scaleNumber() const;
    View& answerView() const { return *m_answers; }  // the running scale's answer table
    View& subjectView() const { return *m_subject; } // IDE, shown in the subject panel
    void enterReadyState();

    QString itemNumber() const;
    void setItemNumber(const QString& text);

    // The operator's actions.
    void start();
    void next();
    void back();
    void saveAndExit();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildSubjectPanel();
    void itemChanged();
    long long itemValue() const;
    void showItem(const QString& item);
    void showStoredAnswer();
    void choose(const QString& value);
    void setChoices(bool isTrue, bool isFalse);
    bool commitAnswers();
    bool commitSubject();
    bool reportFailure(const View& view);

    const ScaleInfo* m_scale = nullptr;
    View* m_subject;
    ViewBinder* m_subjectBinder;
    View* m_answers = nullptr;
    View* m_items = nullptr;
    QString m_answerColumn; // the answer row's column that the choices act on
    bool m_showingAnswer = false;

    QFrame* m_subjectPanel;
    QLineEdit* m_code;
    QLabel* m_captions[8];
    QLineEdit* m_fields[8];
    QLabel* m_instruction;
    QLabel* m_itemText;
    DigitsLineEdit* m_itemNumber;
    QGroupBox* m_itemFrame;
    QRadioButton* m_true;
    QRadioButton* m_false;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_exit;
    QPushButton* m_start;
    QPushButton* m_saveExit;
};
