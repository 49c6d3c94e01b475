// The test window with 100,000 registered subjects: Next (the answer row committed and
// the next item shown) and the launch from the code prompt's OK to the test window shown.
#include "BenchSupport.h"
#include "TestEnvironment.h"

#include "data/Scales.h"
#include "shell/Frm1.h"
#include "testing/FrmTest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const int kSubjects = 100000;
const int kNexts = 300;
const int kLaunches = 40;

void fill(TestEnvironment& env)
{
    fillSubjects(env, kSubjects, [](int i, int k) {
        switch (k) {
        case 1: return QStringLiteral("نام%1").arg(i % 2000);
        case 2: return QStringLiteral("خانواده%1").arg(i % 50000);
        default: return QStringLiteral("v%1").arg(k);
        }
    });
}

FrmTest* launch(TestEnvironment& env, const char* button, const QString& code, double* ms)
{
    Frm1* main = env.windows->find<Frm1>();
    if (!main)
        main = env.showMain();
    QApplication::processEvents();
    QElapsedTimer timer;
    // The prompt answers when its call is recorded: that is the moment of its OK.
    env.dialogs.inputs << code;
    env.dialogs.onCall = [&](const ScriptedDialogs::Call& call) {
        if (call.kind == QLatin1String("input"))
            timer.start();
    };
    main->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    QApplication::processEvents(); // the test window drawn
    if (ms)
        *ms = elapsedMs(timer);
    env.dialogs.onCall = nullptr;
    return env.windows->find<FrmTest>();
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestEnvironment env;
    fill(env);
    std::printf("%d subjects registered\n", kSubjects);

    Figures launches;
    double firstLaunch = 0;
    const char* const buttons[] = {"cmdAAS", "cmdAPS", "cmdMACR"};
    for (int i = 0; i < kLaunches; ++i) {
        double ms = 0;
        FrmTest* w = launch(env, buttons[i % 3], QString::number(100000 + (i * 2477) % kSubjects), &ms);
        if (!w) {
            std::printf("launch %d did not open the test window\n", i);
            return 1;
        }
        if (i == 0) // the first one also loads the fonts and styles, once for the program's life
            firstLaunch = ms;
        else
            launches.ms.push_back(ms);
        w->close();
        QApplication::processEvents();
    }

    // Next on MAC-R, with an answer changed on every item so that every commit writes.
    FrmTest* w = launch(env, "cmdMACR", QStringLiteral("150000"), nullptr);
    w->start();
    QApplication::processEvents();
    auto* yes = w->findChild<QRadioButton*>(QStringLiteral("optTrue"));
    auto* no = w->findChild<QRadioButton*>(QStringLiteral("optFalse"));
    Figures nexts;
    for (int i = 0; i < kNexts; ++i) {
        if (w->itemNumber() == QLatin1String("48"))
            w->setItemNumber(QStringLiteral("1"));
        (i % 2 ? yes : no)->click();
        QElapsedTimer timer;
        timer.start();
        w->next();
        QApplication::processEvents(); // the next item drawn
        nexts.ms.push_back(elapsedMs(timer));
    }
    w->close();

    std::printf("launch, prompt OK to test window shown: median %.2f ms, max %.2f ms (goal <= 100 ms)\n",
                launches.median(), launches.max());
    std::printf("first launch of the program's life:     %.2f ms\n", firstLaunch);
    std::printf("Next, commit and next item shown:      median %.2f ms, max %.2f ms (goal median <= 5 ms)\n",
                nexts.median(), nexts.max());
    return firstLaunch <= 100 && launches.max() <= 100 && nexts.median() <= 5 ? 0 : 1;
}
