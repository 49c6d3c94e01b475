#pragma once

#include <QWidget>

struct AppContext;

// A top-level window of the main program. When it closes it is forgotten by the
// window registry at once, so that showing the same window again makes a new one
// even before the closed one has been deleted.
class AppWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AppWindow(AppContext& context, QWidget* parent = nullptr);
    AppContext& context() const { return m_context; }

    // Places the window at left, top (twips) of the screen.
    void placeAt(int leftTwips, int topTwips);

protected:
    // Subclasses that override closeEvent call this last.
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& m_context;
};
