#include "TestLaunch.h"

#include "FrmTest.h"
#include "data/View.h"
#include "shell/AppContext.h"
#include "shell/Dialogs.h"
#include "shell/Frm1.h"
#include "shell/Windows.h"

namespace {
const int kNoticeDelay = 1000;

// A launch that stops leaves no test window behind: the next one builds it afresh,
// with the captions and the theme of that moment.
void discard(AppContext& context, FrmTest* test)
{
    context.windows->forget(test);
    delete test;
}
} // namespace

void TestLaunch::launch(AppContext& context, Frm1& main, int scaleNumber)
{
    main.reset();
    // Every registered subject has an AAS row: while that table is empty nobody can be tested.
    if (main.answerView(1).rowCount() == 0)
        return;

    FrmTest* test = context.windows->get<FrmTest>();
    if (!test->setScaleNumber(scaleNumber)) {
        discard(context, test);
        return;
    }
    Dialogs& dialogs = *context.dialogs;
    const QString code =
        dialogs.input(&main, QStringLiteral("Enter Code "), QStringLiteral(" Plese Insert Code "), QString());
    if (code.isEmpty()) {
        dialogs.notice(&main, QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد"), kNoticeDelay);
        discard(context, test);
        return;
    }
    // The code is used as typed; the views quote it, so an apostrophe is an ordinary character.
    auto failed = [&](const View& view) {
        dialogs.message(&main, QStringLiteral("خطا"), view.lastError(), Dialogs::Icon::Warning);
        discard(context, test);
    };
    View& answers = test->answerView();
    if (!answers.filter(QStringLiteral("Code"), code))
        return failed(answers);
    // Looked up in the answer table of the scale being launched, not in IDE.
    if (answers.rowCount() == 0) {
        dialogs.notice(&main, QStringLiteral("فردي با اين مشخصات وجود ندارد"), kNoticeDelay);
        discard(context, test);
        return;
    }
    View& subject = test->subjectView();
    if (!subject.filter(QStringLiteral("Code"), code))
        return failed(subject);
    test->enterReadyState();
    context.windows->show<FrmTest>();
    main.close();
}
