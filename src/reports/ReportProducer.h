#pragma once

#include <QString>
#include <QStringList>
#include <memory>

struct AppContext;
class DataR1;
class DataRPrint;
class QWidget;
class View;

// The producers of the two reports, run from the scoring window: they bind the
// report to its rows, write the clinic's texts and the captions into the named
// labels and show the report in the preview, from which the operator prints or
// saves a PDF. A report object is made on its first production and kept in the
// pointer the caller holds.
namespace ReportProducer {

// The all-subjects report: every subject row, ordered by code. subjects is re-read.
// False when the report could not be produced (the operator was told why).
bool allSubjects(AppContext& context, QWidget* owner, View& subjects, View& settings, View& theme,
                 std::shared_ptr<DataRPrint>& report);

// What the scoring window displays for the selected subject.
struct SheetValues
{
    QString code;
    QStringList fields; // F1..F6
    QStringList scores; // AAS, APS, MAC-R
};

// The single-subject sheet of the subject that the subject view is restricted to,
// with the values as displayed.
bool subjectSheet(AppContext& context, QWidget* owner, View& subject, View& settings, View& theme,
                  const SheetValues& values, std::shared_ptr<DataR1>& report);

} // namespace ReportProducer
