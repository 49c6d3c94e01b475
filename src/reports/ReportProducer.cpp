#include "ReportProducer.h"

#include "DataR1.h"
#include "DataRPrint.h"
#include "data/View.h"
#include "shell/AppContext.h"
#include "shell/Dialogs.h"

#include <QPrinter>
#include <QSqlTableModel>

namespace {

// The page on which a production is tried before it is shown, so that a failure is
// told to the operator instead of leaving an empty preview.
QSizeF trialPage()
{
    return ReportDocument::printableArea(QSizeF(210, 297), 15);
}

template <class Report>
bool show(AppContext& context, QWidget* owner, const QString& title, const std::shared_ptr<Report>& report)
{
    if (!report->layout(trialPage())) {
        context.dialogs->message(owner, QStringLiteral("خطا"),
                                 QStringLiteral("گزارش آماده نشد") + QStringLiteral("\r\n") + report->lastError(),
                                 Dialogs::Icon::Warning);
        return false;
    }
    // The preview lays the pages out anew for its printer each time it paints; the
    // rows are numbered from 1 every time.
    context.dialogs->preview(owner, title, [report](QPrinter* printer) { report->print(printer); });
    return true;
}

void setCaption(ReportDocument& report, const char* section, const QString& control, const QString& text)
{
    if (ReportControl* c = report.control(QString::fromLatin1(section), control))
        c->setCaption(text);
}

} // namespace

namespace ReportProducer {

bool allSubjects(AppContext& context, QWidget* owner, View& subjects, View& settings, View& theme,
                 std::shared_ptr<DataRPrint>& report)
{
    if (!report)
        report = std::make_shared<DataRPrint>();
    subjects.refresh();
    subjects.sort(QStringLiteral("CODE"));
    report->setRecords(ReportRecords::fromModel(subjects.model()));

    setCaption(*report, "Section4", QStringLiteral("Label9"), theme.text(QStringLiteral("Name")));
    setCaption(*report, "Section5", QStringLiteral("Label14"), theme.text(QStringLiteral("Adress")));
    const QStringList& headings = DataRPrint::captionLabels();
    for (int k = 0; k < headings.size(); ++k)
        setCaption(*report, "Section2", headings[k], settings.text(QStringLiteral("F%1").arg(k + 1)));
    return show(context, owner, QStringLiteral("گزارش نتيجه آزمودني ها"), report);
}

bool subjectSheet(AppContext& context, QWidget* owner, View& subject, View& settings, View& theme,
                  const SheetValues& values, std::shared_ptr<DataR1>& report)
{
    if (!report)
        report = std::make_shared<DataR1>();
    // The sheet shows what the window displays and prints once, for the one subject the
    // view is restricted to; a view that lost its row still gives the one sheet.
    const ReportRecords bound = ReportRecords::fromModel(subject.model());
    ReportRecords records(bound.columns());
    QVector<QVariant> row;
    for (int c = 0; c < bound.columns().size(); ++c)
        row << bound.value(0, c);
    records.addRow(row);
    report->setRecords(records);

    const QStringList& captions = DataR1::captionLabels();
    const QStringList& fields = DataR1::valueLabels();
    for (int k = 0; k < captions.size(); ++k) {
        setCaption(*report, "Section1", captions[k], settings.text(QStringLiteral("F%1").arg(k + 1)));
        setCaption(*report, "Section1", fields[k], values.fields.value(k));
    }
    setCaption(*report, "Section1", QStringLiteral("Label15"), values.code);
    setCaption(*report, "Section1", QStringLiteral("Label13"), theme.text(QStringLiteral("Adress")));
    const QStringList& scores = DataR1::scoreLabels();
    for (int k = 0; k < scores.size(); ++k)
        setCaption(*report, "Section1", scores[k], values.scores.value(k));
    return show(context, owner, QStringLiteral("برگه نتيجه آزمودني"), report);
}

} // namespace ReportProducer
