#include "TestEnvironment.h"
#include "backup/Frmbackup.h"
#include "scoring/FrmkLID.h"
#include "shell/About.h"
#include "shell/Frm1.h"
#include "shell/Frmravansanji.h"
#include "shell/Frmskin.h"
#include "shell/TwoPictureButton.h"
#include "shell/exitpro.h"
#include "subjects/FrmCode.h"
#include "testing/FrmTest.h"
#include "update/FrmUpdate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

// Screen readers and automation find every control by its name: each text box, check
// box and picture button carries an accessible name or a label that names it.
class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void everyControlIsNamed();
};

static QStringList unnamedControls(QWidget* window, int* seen)
{
    QSet<QWidget*> buddies;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy())
            buddies.insert(label->buddy());
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w) ||
                             qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QCheckBox*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<TwoPictureButton*>(w);
        // Hidden state fields and the editors inside combo boxes are not controls of their own.
        if (!control || w->isHidden() || qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        ++*seen;
        if (w->accessibleName().trimmed().isEmpty() && !buddies.contains(w))
            unnamed << QStringLiteral("%1 %2").arg(QLatin1String(w->metaObject()->className()), w->objectName());
    }
    return unnamed;
}

void TestAccessibility::everyControlIsNamed()
{
    TestEnvironment env;
    env.addSubject(QStringLiteral("1"));
    const QList<QWidget*> windows{env.windows->get<Frm1>(),      env.windows->get<Frmskin>(),
                                  env.windows->get<exitpro>(),   env.windows->get<About>(),
                                  env.windows->get<Frmravansanji>(), env.windows->get<FrmkLID>(),
                                  env.windows->get<FrmCode>(),   env.windows->get<FrmUpdate>(),
                                  env.windows->get<FrmTest>(),   env.windows->get<Frmbackup>()};
    int seen = 0;
    for (QWidget* w : windows) {
        const QStringList unnamed = unnamedControls(w, &seen);
        QVERIFY2(unnamed.isEmpty(), qPrintable(w->objectName() + QStringLiteral(": ") + unnamed.join(u", ")));
    }
    QVERIFY(seen > 40); // the registration panel, the settings panels and the windows' fields
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
