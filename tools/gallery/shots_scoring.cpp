#include "Gallery.h"

#include "data/Scales.h"
#include "reports/DataR1.h"
#include "reports/DataRPrint.h"
#include "scoring/FrmkLID.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QSizeF kPage = ReportDocument::printableArea(QSizeF(210, 297), 15);

void addSubjects(TestEnvironment& env)
{
    const QStringList names[] = {
        {QStringLiteral("مریم"), QStringLiteral("احمدی"), QStringLiteral("زن"), QStringLiteral("34"),
         QStringLiteral("متاهل"), QStringLiteral("کارشناسی"), QStringLiteral("معلم"), QStringLiteral("0912")},
        {QStringLiteral("علی"), QStringLiteral("رضایی"), QStringLiteral("مرد"), QStringLiteral("27"),
         QStringLiteral("مجرد"), QStringLiteral("دیپلم"), QStringLiteral("راننده"), QStringLiteral("0935")},
        {QStringLiteral("سارا"), QStringLiteral("کریمی‌نژاد"), QStringLiteral("زن"), QStringLiteral("41"),
         QStringLiteral("متاهل"), QStringLiteral("کارشناسی ارشد"), QStringLiteral("پرستار"), QStringLiteral("0919")},
    };
    const QString codes[] = {QStringLiteral("1024"), QStringLiteral("1025"), QStringLiteral("1030")};
    env.db.begin();
    for (int i = 0; i < 3; ++i) {
        env.addSubject(codes[i], names[i]);
        if (i == 2)
            continue; // never answered: the table shows empty score cells
        for (const ScaleInfo& s : kScales) {
            QStringList answers;
            for (int k = 0; k < s.items; ++k)
                answers << ((k + i) % 3 ? QStringLiteral("1") : QStringLiteral("2"));
            env.setAnswers(codes[i], s.number, answers);
        }
    }
    env.db.commit();
}

FrmkLID* keyed(TestEnvironment& env)
{
    addSubjects(env);
    auto* w = env.windows->show<FrmkLID>();
    env.dialogs.inputs << QStringLiteral("1024");
    w->findChild<QPushButton*>(QStringLiteral("cmdSelect"))->click();
    return w;
}

QWidget* pagePicture(ReportDocument& report)
{
    report.layout(kPage);
    auto* label = new QLabel;
    const QPixmap page = QPixmap::fromImage(report.pageImage(0, 110, kPage));
    label->setPixmap(page);
    label->setFixedSize(page.size());
    label->setAttribute(Qt::WA_DeleteOnClose);
    return label;
}

} // namespace

GALLERY_SHOT("scoring-window")
{
    addSubjects(env);
    return env.windows->show<FrmkLID>();
}

GALLERY_SHOT("scoring-window-selected")
{
    return keyed(env);
}

GALLERY_SHOT("scoring-window-help")
{
    FrmkLID* w = keyed(env);
    w->findChild<QPushButton*>(QStringLiteral("cmdHelp"))->click();
    return w;
}

GALLERY_SHOT("report-all-subjects")
{
    FrmkLID* w = keyed(env);
    w->findChild<QPushButton*>(QStringLiteral("cmdPrintAll"))->click();
    return pagePicture(*w->allSubjectsReport());
}

GALLERY_SHOT("report-subject-sheet")
{
    FrmkLID* w = keyed(env);
    w->findChild<QPushButton*>(QStringLiteral("cmdPrintSelected"))->click();
    return pagePicture(*w->subjectSheet());
}
