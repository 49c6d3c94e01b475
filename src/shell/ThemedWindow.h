#pragma once

#include "AppWindow.h"
#include "Skin.h"

class QLineEdit;
class View;
class ViewBinder;

// A window that takes the skin of the stored theme in its start-up. It holds its own
// view of Theme and a hidden field bound to TH, as every themed window does.
class ThemedWindow : public AppWindow
{
    Q_OBJECT
public:
    explicit ThemedWindow(AppContext& context, QWidget* parent = nullptr);

    View& themeView() const { return *m_themeView; }
    ViewBinder& themeBinder() const { return *m_themeBinder; }
    QLineEdit* themeNumberField() const { return m_themeNumber; }

    // Apply theme (read the hidden field, load the skin it selects, apply).
    void applyTheme(const Skin::Table& table = Skin::standardTable());

private:
    View* m_themeView;
    ViewBinder* m_themeBinder;
    QLineEdit* m_themeNumber;
};
