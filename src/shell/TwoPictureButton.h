#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

// A button drawn as two pictures of the same size at the same place: the normal
// picture and the highlighted one. The pointer over the normal picture shows the
// highlighted one; a click on the highlighted picture is the button's click. The
// window calls showNormalPicture() when the pointer rests on its background.
class TwoPictureButton : public QWidget
{
    Q_OBJECT
public:
    TwoPictureButton(const QPixmap& normal, const QPixmap& highlighted, QWidget* parent = nullptr);

    QLabel* normalPicture() const { return m_normal; }
    QLabel* highlightedPicture() const { return m_highlighted; }
    void showNormalPicture();
    void showHighlightedPicture();

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_normal;
    QLabel* m_highlighted;
};
