#pragma once

#include "ReportEngine.h"

// The single-subject sheet: one framed page with the subject's code, F1 to F6, the
// three raw scores and the clinic's address. Every value is a label that the producer
// fills by name from what the scoring window displays; the bound record only makes
// the detail band print once.
class DataR1 : public ReportDocument
{
public:
    DataR1();

    // Caption labels of F1..F6 and the value labels of F1..F6, in field order.
    static const QStringList& captionLabels();
    static const QStringList& valueLabels();
    // Value labels of the AAS, APS and MAC-R scores.
    static const QStringList& scoreLabels();
};
