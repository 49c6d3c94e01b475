// The subject browser with 100,000 registered subjects: opening it, one filter
// keystroke (filter and grid drawn), one deletion of a subject's four rows.
#include "BenchSupport.h"
#include "TestEnvironment.h"

#include "data/Scales.h"
#include "shell/Frm1.h"
#include "subjects/FrmCode.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {
const int kSubjects = 100000;

// Many subjects share a first name; family names are nearly all different, which makes
// the F2 list long.
void fill(TestEnvironment& env)
{
    fillSubjects(env, kSubjects, [](int i, int k) {
        switch (k) {
        case 1: return QStringLiteral("نام%1").arg(i % 2000);
        case 2: return QStringLiteral("خانواده%1").arg(i % 50000);
        case 3: return QString(QChar(u'A' + i % 7));
        default: return QStringLiteral("v%1").arg(k);
        }
    });
}

void settle()
{
    QApplication::processEvents();
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestEnvironment env;
    QElapsedTimer t;
    t.start();
    fill(env);
    // The figures are of the browser, not of the system writing back the file just made.
    ::sync();
    std::printf("filled %d subjects in %.0f ms\n", kSubjects, elapsedMs(t));

    Frm1* main = env.showMain();
    settle();
    QPushButton* browse = main->findChild<QPushButton*>(QStringLiteral("cmdBrowse"));

    Figures opening;
    FrmCode* w = nullptr;
    for (int round = 0; round < 7; ++round) {
        t.restart();
        browse->click();
        w = env.windows->find<FrmCode>();
        w->grid()->viewport()->repaint();
        settle();
        opening.ms.push_back(elapsedMs(t));
        if (round < 6) {
            w->close();
            settle();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    // Typing a family name and taking it back again, key by key.
    Figures keystroke;
    QComboBox* f2 = w->filterBox(2);
    QLineEdit* line = f2->lineEdit();
    line->setFocus();
    const QString value = QStringLiteral("خانواده123");
    for (int round = 0; round < 4; ++round) {
        for (QChar ch : value) {
            t.restart();
            if (ch.unicode() < 0x80)
                QTest::keyClick(line, ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, line, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            w->grid()->viewport()->repaint();
            settle();
            keystroke.ms.push_back(elapsedMs(t));
        }
        for (int i = 0; i < value.size(); ++i) {
            t.restart();
            QTest::keyClick(line, Qt::Key_Backspace);
            w->grid()->viewport()->repaint();
            settle();
            keystroke.ms.push_back(elapsedMs(t));
        }
    }
    // Keystrokes in the F1 and F3 boxes, which also empty the F2 box.
    for (int k : {1, 3, 1, 3}) {
        QLineEdit* other = w->filterBox(k)->lineEdit();
        other->setFocus();
        t.restart();
        QTest::keyClick(other, 'A');
        w->grid()->viewport()->repaint();
        settle();
        keystroke.ms.push_back(elapsedMs(t));
    }
    const int grid = w->grid()->model()->rowCount();

    Figures deletion;
    for (int i = 0; i < 20; ++i) {
        w->codeBox()->setText(QString::number(100000 + 37 * i));
        env.dialogs.answers << Dialogs::Answer::Yes;
        t.restart();
        w->deleteButton()->click();
        w->grid()->viewport()->repaint();
        settle();
        deletion.ms.push_back(elapsedMs(t));
    }
    const int left = env.count(QStringLiteral("IDE"));

    // The floor under a deletion: one row deleted and committed straight on the same file,
    // with the same journal and synchronous writes; its cost is the disk's flush.
    Figures bareCommit;
    for (int i = 0; i < 20; ++i) {
        t.restart();
        env.db.begin();
        env.exec(QStringLiteral("DELETE FROM AnswerAAS WHERE Code = ?"), {QString::number(150000 + 37 * i)});
        env.db.commit();
        bareCommit.ms.push_back(elapsedMs(t));
    }

    std::printf("opening the browser:  median %6.1f ms, max %6.1f ms   (goal: at most 300 ms)\n", opening.median(),
                opening.max());
    std::printf("one filter keystroke: median %6.1f ms, max %6.1f ms   (goal: median at most 30 ms)\n",
                keystroke.median(), keystroke.max());
    std::printf("one deletion:         median %6.1f ms, max %6.1f ms   (goal: at most 20 ms)\n", deletion.median(),
                deletion.max());
    std::printf("  bare commit of one deleted row on the same file: median %.1f ms, max %.1f ms\n", bareCommit.median(),
                bareCommit.max());
    std::printf("(%d subjects left, %d rows fetched by the grid after the last filter)\n", left, grid);
    return 0;
}
