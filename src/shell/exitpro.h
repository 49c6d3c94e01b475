#pragma once

#include "AppWindow.h"

class QCheckBox;
class QLabel;
class QTimer;
class TwoPictureButton;

// The exit confirmation, shown when the main window has closed through its menu. Yes
// ends the program, or hands over to the backup window when the box is ticked; No
// brings the main window back.
class exitpro : public AppWindow
{
    Q_OBJECT
public:
    explicit exitpro(AppContext& context);

    QCheckBox* backupBox() const { return m_backup; }
    TwoPictureButton* okButton() const { return m_ok; }
    TwoPictureButton* cancelButton() const { return m_cancel; }

    void answerYes();
    void answerNo();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QLabel* m_question;
    QCheckBox* m_backup;
    TwoPictureButton* m_ok;
    TwoPictureButton* m_cancel;
    QTimer* m_titleA;
    QTimer* m_titleB;
    QTimer* m_caption;
};
