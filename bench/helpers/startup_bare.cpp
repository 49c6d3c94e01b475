// The reference of the start-up benchmark: the least a Qt window program does before
// its window is on the screen. With --label the window also shows one line of Persian
// text, which costs a program its first use of the font database.
#include "ExitWhenExposed.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    new ExitWhenExposed<QWidget>;
    QWidget window;
    window.resize(715, 614);
    if (app.arguments().contains(QStringLiteral("--label")))
        (new QLabel(QStringLiteral("نام مرکز مشاوره شما"), &window))->move(200, 20);
    window.show();
    return app.exec();
}
