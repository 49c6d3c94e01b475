#pragma once

#include "shell/ThemedWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;
class QTableView;
class View;

// The subject browser: lists the registered subjects (code and the first three
// demographic fields), narrows the list to one value of F1, F2 or F3, and deletes a
// subject with its three answer rows by its code.
class FrmCode : public ThemedWindow
{
    Q_OBJECT
public:
    explicit FrmCode(AppContext& context);

    QTableView* grid() const { return m_grid; }
    QComboBox* filterBox(int k) const { return m_boxes[k - 1]; } // k = 1..3
    QLabel* filterCaption(int k) const { return m_captions[k - 1]; }
    QLineEdit* codeBox() const { return m_code; }
    QPushButton* deleteButton() const { return m_delete; }
    View& listView() const { return *m_list; }

    // The values offered by the F1 or F2 box (k = 1, 2), or the fixed list of the F3 box.
    QStringList listValues(int k) const;

    void deleteSubject();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildGrid();
    void buildFilterBoxes();
    void buildDeletePanel();
    void fillValueLists();
    void filterChanged(int k);
    bool removeSubjectRows(QString* error);
    void forgetValuesOf(const QString& f1, const QString& f2);

    View* m_list;
    View* m_settings;
    View* m_deleteViews[4]; // IDE, AnswerAAS, AnswerAPS, AnswerMACR

    QTableView* m_grid;
    QComboBox* m_boxes[3];
    QLabel* m_captions[3];
    QStringListModel* m_values[2]; // the F1 and F2 lists
    QGroupBox* m_deletePanel;
    QLineEdit* m_code;
    QPushButton* m_delete;
    QPushButton* m_exit;
    bool m_emptying = false; // set while the browser itself changes a box's text
};
