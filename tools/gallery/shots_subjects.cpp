#include "Gallery.h"

#include "shell/Frm1.h"
#include "subjects/FrmCode.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
void addSubjects(TestEnvironment& env)
{
    const char* const rows[][4] = {
        {"1001", "مریم", "احمدی", "A"}, {"1002", "علی", "رضایی", "B"},   {"1003", "زهرا", "محمدی", "B"},
        {"1004", "حسین", "کریمی", "C"}, {"1005", "فاطمه", "حسینی", "A"}, {"1006", "علی", "موسوی", "D"},
        {"1007", "سارا", "جعفری", "B"}, {"1008", "محمد", "احمدی", "E"},  {"1009", "نرگس", "صادقی", "F"},
        {"1010", "رضا", "کاظمی", "B"},  {"1011", "لیلا", "نوری", "G"},   {"1012", "امیر", "قاسمی", "C"},
        {"1013", "مهسا", "رحیمی", "A"}, {"1014", "حمید", "کریمی", "B"},  {"K-15", "نازنین", "یوسفی", "D"},
    };
    for (const auto& r : rows)
        env.addSubject(QString::fromUtf8(r[0]),
                       {QString::fromUtf8(r[1]), QString::fromUtf8(r[2]), QString::fromUtf8(r[3]), QStringLiteral("34"),
                        QStringLiteral("متاهل"), QStringLiteral("لیسانس"), QStringLiteral("کارمند"),
                        QStringLiteral("0912")});
}

FrmCode* openBrowser(TestEnvironment& env)
{
    addSubjects(env);
    Frm1* main = env.showMain();
    main->findChild<QPushButton*>(QStringLiteral("cmdBrowse"))->click();
    return env.windows->find<FrmCode>();
}
} // namespace

GALLERY_SHOT("subjects-browser")
{
    return openBrowser(env);
}

GALLERY_SHOT("subjects-browser-filtered")
{
    FrmCode* w = openBrowser(env);
    QComboBox* f3 = w->filterBox(3);
    f3->setCurrentIndex(f3->findText(QStringLiteral("B")));
    w->codeBox()->setText(QStringLiteral("1003"));
    return w;
}

GALLERY_SHOT("subjects-browser-family-name")
{
    FrmCode* w = openBrowser(env);
    w->filterBox(2)->setEditText(QStringLiteral("کریمی"));
    return w;
}

GALLERY_SHOT("main-settings-clinic-typed")
{
    Frm1* main = env.showMain();
    main->findChild<QPushButton*>(QStringLiteral("cmdSettings"))->click();
    main->findChild<QPushButton*>(QStringLiteral("cmdClinic"))->click();
    // What is typed shows in the title line before it is saved.
    auto* name = main->findChild<QLineEdit*>(QStringLiteral("clinicName"));
    name->setText(QStringLiteral("مرکز مشاوره و روان‌درمانی آرامش"));
    emit name->textEdited(name->text());
    auto* address = main->findChild<QLineEdit*>(QStringLiteral("clinicAddress"));
    address->setText(QStringLiteral("تهران، خیابان ولیعصر، کوچه سوم، پلاک ۱۲"));
    emit address->textEdited(address->text());
    return main;
}

GALLERY_SHOT("main-settings-fieldnames-typed")
{
    Frm1* main = env.showMain();
    main->findChild<QPushButton*>(QStringLiteral("cmdSettings"))->click();
    main->findChild<QPushButton*>(QStringLiteral("cmdFieldNames"))->click();
    const char* const captions[8] = {"نام",        "نام خانوادگی",  "جنسیت", "سن",
                                     "وضعیت تاهل", "میزان تحصیلات", "شغل",   "شماره تماس"};
    for (int k = 1; k <= 8; ++k) {
        auto* field = main->findChild<QLineEdit*>(QStringLiteral("fieldName%1").arg(k));
        field->setText(QString::fromUtf8(captions[k - 1]));
        emit field->textEdited(field->text());
    }
    return main;
}
