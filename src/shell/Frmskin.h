#pragma once

#include "ThemedWindow.h"

class TwoPictureButton;

// The skin confirmation: shown after a theme change or a field-name save, it brings
// back the main window, created anew, so that the change takes effect.
class Frmskin : public ThemedWindow
{
    Q_OBJECT
public:
    explicit Frmskin(AppContext& context);
    TwoPictureButton* okButton() const { return m_ok; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TwoPictureButton* m_ok;
};
