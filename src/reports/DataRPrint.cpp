#include "DataRPrint.h"

#include "PelimoraConfig.h"

#include <limits>

namespace {

constexpr int kWidth = 9525;
constexpr int kReportHeaderHeight = 1474;
constexpr int kHeadingHeight = 461;
constexpr int kDetailHeight = 405;
constexpr int kReportFooterHeight = 378;

// The ruled grid of the heading row and the detail rows: vertical rules at these x.
constexpr int kRules[] = {0, 896, 1846, 2796, 3506, 4266, 5646, 6474, 7167, 7725, 8379, 8946, 9524};

struct Column
{
    int from, to;
    const char* heading;     // control of the heading row
    const char* headingText; // fixed text, or the placeholder that the producer replaces
    const char* detail;      // control of the detail row
    const char* field;       // bound column
};

// Right to left, as the table reads.
constexpr Column kColumns[] = {
    {8946, 9524, "Label5", "رديف", "Text1", "Code"}, {8379, 8946, "Label2", "کد", "txtCode", "Code"},
    {7725, 8379, "Label7", "F1", "txtGroup1", "F1"}, {7167, 7725, "Label10", "F2", "txtScore", "F2"},
    {6474, 7167, "Label6", "F3", "Text6", "F3"},     {5646, 6474, "Label4", "F4", "Text5", "F4"},
    {4266, 5646, "Label1", "F5", "Text4", "F5"},     {3506, 4266, "Label8", "F6", "Text2", "F6"},
    {2796, 3506, "Label17", "F7", "Text9", "F7"},    {1846, 2796, "Label13", "MAC-R", "Text8", "MACR"},
    {896, 1846, "Label12", "APS", "Text7", "APS"},   {0, 896, "Label11", "AAS", "Text3", "AAS"},
};

QFont font(const char* family, double points)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

ReportControl label(const char* name, QRect rect, const QString& caption, const QFont& f, Qt::Alignment align)
{
    ReportControl c;
    c.kind = ReportControl::Kind::Label;
    c.name = QString::fromLatin1(name);
    c.rect = rect;
    c.caption = caption;
    c.font = f;
    c.alignment = align;
    return c;
}

ReportControl line(const QString& name, QRect rect)
{
    ReportControl c;
    c.kind = ReportControl::Kind::Line;
    c.name = name;
    c.rect = rect;
    return c;
}

ReportControl band(const char* name, QRect rect, QColor color)
{
    ReportControl c;
    c.kind = ReportControl::Kind::Box;
    c.name = QString::fromLatin1(name);
    c.rect = rect;
    c.backColor = color;
    c.lineWidth = 0;
    return c;
}

// The vertical rules of one grid row, and its horizontal rules at the given heights.
void rule(ReportSection& s, int height, std::initializer_list<int> horizontals, int& n)
{
    for (int x : kRules)
        s.add(line(QStringLiteral("Line%1").arg(++n), QRect(x, 0, 0, height)));
    for (int y : horizontals)
        s.add(line(QStringLiteral("Line%1").arg(++n), QRect(0, y, kWidth - 1, 0)));
}

} // namespace

bool RowNumberFormat::format(QVariant& value, QString* error)
{
    if (m_counter == std::numeric_limits<int>::max()) {
        if (error)
            *error = QStringLiteral("Overflow");
        return false;
    }
    ++m_counter;
    value = m_counter;
    return true;
}

const QStringList& DataRPrint::captionLabels()
{
    static const QStringList labels{QStringLiteral("Label7"), QStringLiteral("Label10"), QStringLiteral("Label6"),
                                    QStringLiteral("Label4"), QStringLiteral("Label1"),  QStringLiteral("Label8"),
                                    QStringLiteral("Label17")};
    return labels;
}

DataRPrint::DataRPrint() : ReportDocument(QStringLiteral("DataRPrint"), kWidth)
{
    const Qt::Alignment centred = Qt::AlignCenter;
    int lines = 0;

    ReportSection& header = *section(QStringLiteral("Section4"));
    header.setHeight(kReportHeaderHeight);
    header.add(band("Shape1", QRect(0, 0, kWidth, kReportHeaderHeight), QColor(0xC0, 0xC0, 0xC0)));
    header.add(label("Label9", QRect(1436, 0, 6105, 456), QString(), font("B Titr", 14.25), centred));
    header.add(label("Label18", QRect(1361, 456, 6105, 564), QStringLiteral(" گزارش نتيجه تست  مقياس هاي"),
                     font("B Titr", 14.25), centred));
    header.add(
        label("Label3", QRect(1398, 1020, 6105, 420), QStringLiteral(" Ornavex   "), font("B Nazanin", 12), centred));

    const QFont cell = font("B Nazanin", 9.75);
    ReportSection& heading = *section(QStringLiteral("Section2"));
    heading.setHeight(kHeadingHeight);
    heading.add(band("Shape2", QRect(0, 0, kWidth, kHeadingHeight), QColor(0xE0, 0xE0, 0xE0)));
    rule(heading, kHeadingHeight, {0, kHeadingHeight}, lines);

    ReportSection& detail = *section(QStringLiteral("Section1"));
    detail.setHeight(kDetailHeight);
    rule(detail, kDetailHeight, {kDetailHeight}, lines);

    for (const Column& col : kColumns) {
        // A cell keeps clear of its rules.
        const int left = col.from + 30, width = col.to - col.from - 60;
        ReportControl& title = heading.add(label(col.heading, QRect(left, 30, width, kHeadingHeight - 60),
                                                 QString::fromUtf8(col.headingText), cell, centred));
        title.shrinkToFit = true;
        ReportControl field;
        field.kind = ReportControl::Kind::Field;
        field.name = QString::fromLatin1(col.detail);
        field.rect = QRect(left, 30, width, kDetailHeight - 60);
        field.dataField = QString::fromLatin1(col.field);
        field.font = cell;
        field.alignment = centred;
        field.shrinkToFit = true;
        detail.add(std::move(field));
    }
    detail.control(QStringLiteral("Text1"))->dataFormat = &m_myf;

    section(QStringLiteral("Section3"))->setHeight(0);

    const QFont footerFont = font("B Mitra", 9.75);
    ReportSection& footer = *section(QStringLiteral("Section5"));
    footer.setHeight(kReportFooterHeight);
    footer.add(label("Label15", QRect(8945, 60, 555, 300), QStringLiteral(":آدرس"), footerFont,
                     Qt::AlignRight | Qt::AlignVCenter));
    ReportControl& address = footer.add(
        label("Label14", QRect(3906, 60, 5040, 300), QString(), footerFont, Qt::AlignRight | Qt::AlignVCenter));
    address.shrinkToFit = true;
    footer.add(label("Label16", QRect(252, 60, 4164, 300),
                     QStringLiteral("Pelimora V%1.%2.%3")
                         .arg(PELIMORA_VERSION_MAJOR)
                         .arg(PELIMORA_VERSION_MINOR)
                         .arg(PELIMORA_VERSION_PATCH),
                     font("B Mitra", 8), Qt::AlignLeft | Qt::AlignVCenter));
}
