#pragma once

#include "TestEnvironment.h"
#include "data/View.h"
#include "shell/Frm1.h"
#include "testing/FrmTest.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// Texts of the test window and the launch, as the operator sees them.
namespace Text {
inline const QString noCode = QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد");
inline const QString notFound = QStringLiteral("فردي با اين مشخصات وجود ندارد");
inline const QString notANumber = QStringLiteral("شما بايد عدد وارد كنيد");
inline const QString start = QStringLiteral("شروع");
inline const QString end = QStringLiteral("پايان");
inline const QString error = QStringLiteral("خطا");
// clang-format off
inline const QString instruction = QStringLiteral(" پاسخگوي گرامي : پرسشنامه اي که پيش روي شماست به منظور بررسي عقايد  شما تهيه شده است اين پرسشنامه داراي دو گزينه درست و غلط است شما پس از مطالعه هر سوال ، پاسخ خود را بصورت درست يا غلط انتخاب نماييد منظور از درست آن است که آن جمله درباره شما صادق است و گزينه غلط حکايت از آن دارد که اين عبارت درباره شما درست نيست نتايج اين پرسشنامه صرفاً ارزش تحقيقاتي و علمي دارد  لطفاً تمام سوالات را با دقت بخوانيد و به آنها پاسخ دهيد و هيچ سوالي را بدون پاسخ نگذاريد. از همکاري شما سپاس گذاريم");
// clang-format on
} // namespace Text

template <class T> T* child(QWidget* parent, const char* name)
{
    T* c = parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!c)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return c;
}

inline void clickButton(QWidget* window, const char* name)
{
    auto* b = child<QAbstractButton>(window, name);
    QVERIFY2(b->isVisible(), name);
    QTest::mouseClick(b, Qt::LeftButton);
}

// Drives the main window's scale buttons and the test window they open.
struct Driver
{
    TestEnvironment& env;

    FrmTest* launch(int scale, const QString& code)
    {
        static const char* const buttons[] = {"cmdAAS", "cmdAPS", "cmdMACR"};
        Frm1* main = env.windows->find<Frm1>();
        if (!main)
            main = env.showMain();
        env.dialogs.inputs << code;
        child<QPushButton>(main, buttons[scale - 1])->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return env.windows->find<FrmTest>();
    }

    FrmTest* launchAndStart(int scale, const QString& code)
    {
        FrmTest* w = launch(scale, code);
        if (w)
            QTest::mouseClick(child<QPushButton>(w, "cmdStart"), Qt::LeftButton);
        return w;
    }
};

inline QLineEdit* itemBox(QWidget* w)
{
    return child<QLineEdit>(w, "txtItem");
}

inline QString shownItem(QWidget* w)
{
    return child<QLabel>(w, "lblItem")->text();
}

inline QString frameCaption(QWidget* w)
{
    return child<QGroupBox>(w, "itemFrame")->title();
}

// Types text key by key, as a keyboard layout does; also letters and digits that
// have no key code of their own (Persian, Arabic-Indic).
inline void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, char(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}
