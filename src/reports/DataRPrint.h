#pragma once

#include "ReportEngine.h"

// The row numbers of the all-subjects report: the data-format object of the detail
// field Text1, which shows the running count of rows instead of the bound code.
class RowNumberFormat : public ReportDataFormat
{
public:
    void reset(int counter = 0) { m_counter = counter; }
    int counter() const { return m_counter; }
    // One more row: the counter goes up by one and becomes the value. The counter is a
    // 32-bit signed number; going past its largest value is an error, not a wrap.
    bool format(QVariant& value, QString* error) override;

private:
    int m_counter = 0;
};

// The all-subjects report: a ruled table with one row per subject (row number, code,
// F1 to F7 and the three raw scores) under a header with the clinic's name and a
// footer with its address. The producer writes the clinic's texts and the seven
// run-time headings into their labels by name.
class DataRPrint : public ReportDocument
{
public:
    DataRPrint();

    RowNumberFormat& myf() { return m_myf; }

    // The heading labels of F1..F7 in Section2, in field order.
    static const QStringList& captionLabels();

protected:
    // Every production numbers its rows from 1.
    void startProduction() override { m_myf.reset(); }

private:
    RowNumberFormat m_myf;
};
