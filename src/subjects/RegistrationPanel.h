#pragma once

#include <QFrame>

struct AppContext;
class Frm1;
class QLabel;
class QLineEdit;
class QPushButton;
class ViewBinder;

// The registration panel of the main window: a subject code and the eight demographic
// fields, stored as the subject's IDE row and its three answer rows in one transaction.
class RegistrationPanel : public QFrame
{
    Q_OBJECT
public:
    RegistrationPanel(AppContext& context, Frm1& main);

    void setCaption(int k, const QString& caption); // k = 1..8
    QLineEdit* codeField() const { return m_code; }
    QLineEdit* field(int k) const { return m_fields[k - 1]; } // k = 1..8

    void open();
    void save();
    void cancel();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    bool store(const QString& code);
    void bindFields(bool bind);

    AppContext& m_context;
    Frm1& m_main;
    ViewBinder* m_binder;
    QLineEdit* m_code;
    QLineEdit* m_fields[8];
    QLabel* m_labels[8];
};
