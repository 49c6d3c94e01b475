#pragma once

#include "ThemedWindow.h"

class QPlainTextEdit;
class QToolButton;
class View;
class ViewBinder;

// The questionnaire introduction: shows the clinic's text Settings.T3. The text is
// read-only on screen; the window never writes anything.
class Frmravansanji : public ThemedWindow
{
    Q_OBJECT
public:
    explicit Frmravansanji(AppContext& context);

    QPlainTextEdit* introduction() const { return m_text; }

private:
    View* m_settings;
    ViewBinder* m_settingsBinder;
    QPlainTextEdit* m_text;
    QToolButton* m_logo;
};
