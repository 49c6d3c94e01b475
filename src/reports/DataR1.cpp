#include "DataR1.h"

#include "PelimoraConfig.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kWidth = 6345;
constexpr int kHeight = 6615;
constexpr int kRow = 330; // height of a line of the sheet

QFont font(const char* family, double points)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

// A caption sits at the right of its value: captions lean left towards their value,
// values lean right towards their caption, a small gap apart, so each pair reads as one.
const Qt::Alignment kCaption = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment kValue = Qt::AlignRight | Qt::AlignVCenter;

ReportControl label(const char* name, int left, int top, int width, const QString& caption,
                    Qt::Alignment align = kValue, const QFont& f = font("B Nazanin", 9.75))
{
    ReportControl c;
    c.kind = ReportControl::Kind::Label;
    c.name = QString::fromLatin1(name);
    c.rect = QRect(left, top, width, kRow);
    c.caption = caption;
    c.font = f;
    c.alignment = align;
    c.shrinkToFit = true;
    return c;
}

// A cream page with a rounded dark border and a tab at the top and at the bottom,
// drawn at any resolution.
void drawPageFrame(QPainter& p, const QRectF& r)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const double sx = r.width() / 6330.0, sy = r.height() / 6614.0; // twips of the design to device units
    const QColor ink(60, 45, 30), cream(253, 248, 232), tab(226, 208, 170);
    const double pen = std::max(1.0, 45 * sx);
    auto rect = [&](double x, double y, double w, double h) {
        return QRectF(r.x() + x * sx, r.y() + y * sy, w * sx, h * sy);
    };
    const double tabWidth = 2700, tabLeft = (6330 - tabWidth) / 2;
    p.setPen(QPen(ink, pen));
    p.setBrush(tab);
    p.drawRoundedRect(rect(tabLeft, 15, tabWidth, 520), 120 * sx, 120 * sy);
    p.drawRoundedRect(rect(tabLeft, 6614 - 15 - 640, tabWidth, 640), 120 * sx, 120 * sy);
    QPainterPath page;
    page.addRoundedRect(rect(30, 270, 6270, 6614 - 270 - 420), 270 * sx, 270 * sy);
    p.fillPath(page, cream);
    p.strokePath(page, QPen(ink, pen));
    // The tabs lie over the page's border, as on a printed form.
    p.drawRoundedRect(rect(tabLeft, 15, tabWidth, 520), 120 * sx, 120 * sy);
    p.drawRoundedRect(rect(tabLeft, 6614 - 15 - 640, tabWidth, 640), 120 * sx, 120 * sy);
    p.setPen(QPen(ink, std::max(1.0, 15 * sx)));
    p.drawLine(QPointF(r.x() + 300 * sx, r.y() + 2650 * sy), QPointF(r.x() + 6030 * sx, r.y() + 2650 * sy));
    p.drawLine(QPointF(r.x() + 300 * sx, r.y() + 5200 * sy), QPointF(r.x() + 6030 * sx, r.y() + 5200 * sy));
}

} // namespace

const QStringList& DataR1::captionLabels()
{
    static const QStringList labels{QStringLiteral("Label7"),  QStringLiteral("Label4"), QStringLiteral("Label6"),
                                    QStringLiteral("Label10"), QStringLiteral("Label8"), QStringLiteral("Label3")};
    return labels;
}

const QStringList& DataR1::valueLabels()
{
    static const QStringList labels{QStringLiteral("Label16"), QStringLiteral("Label21"), QStringLiteral("Label20"),
                                    QStringLiteral("Label19"), QStringLiteral("Label9"),  QStringLiteral("Label22")};
    return labels;
}

const QStringList& DataR1::scoreLabels()
{
    static const QStringList labels{QStringLiteral("Label23"), QStringLiteral("Label18"), QStringLiteral("Label25")};
    return labels;
}

DataR1::DataR1() : ReportDocument(QStringLiteral("DataR1"), kWidth)
{
    for (const char* empty : {"Section2", "Section3", "Section4"})
        section(QString::fromLatin1(empty))->setHeight(0);
    section(QStringLiteral("Section5"))->setHeight(30);

    ReportSection& s = *section(QStringLiteral("Section1"));
    s.setHeight(kHeight);

    ReportControl frame;
    frame.kind = ReportControl::Kind::Picture;
    frame.name = QStringLiteral("Image1");
    frame.rect = QRect(0, 0, 6330, 6614);
    frame.paint = drawPageFrame;
    s.add(std::move(frame));

    ReportControl title = label("Label1", 2079, 63, 2141, QStringLiteral("پرسش نامه Ornavex"), Qt::AlignCenter,
                                font("Arabic Transparent", 12));
    title.rect.setHeight(420);
    s.add(std::move(title));

    // First line: code, F1, F2, F3.
    s.add(label("Label2", 5598, 1152, 600, QStringLiteral("کد"), kCaption));
    s.add(label("Label15", 5067, 1152, 430, QString()));
    s.add(label("Label7", 4680, 1152, 380, QStringLiteral("نام"), kCaption));
    s.add(label("Label16", 3726, 1152, 860, QString()));
    s.add(label("Label4", 2205, 1134, 1500, QStringLiteral("شهرت"), kCaption));
    s.add(label("Label21", 1314, 1134, 790, QString()));
    s.add(label("Label6", 837, 1152, 460, QStringLiteral("جنس"), kCaption));
    s.add(label("Label20", 387, 1152, 350, QString()));
    // Second line: F4, F5, F6.
    s.add(label("Label10", 5562, 1719, 640, QStringLiteral("سن"), kCaption));
    s.add(label("Label19", 5112, 1719, 350, QString()));
    s.add(label("Label8", 4094, 1701, 1000, QStringLiteral("وضعيت تاهل"), kCaption));
    s.add(label("Label9", 3267, 1701, 727, QString()));
    s.add(label("Label3", 2394, 1728, 860, QStringLiteral("تحصيلات"), kCaption));
    s.add(label("Label22", 378, 1728, 1916, QString()));
    // The three raw scores, each below its heading.
    const struct
    {
        const char* heading;
        const char* text;
        const char* value;
        int left;
    } scores[] = {{"Label24", "MAC-R", "Label25", 3716},
                  {"Label12", "APS", "Label18", 2582},
                  {"Label11", "AAS", "Label23", 1511}};
    for (const auto& sc : scores) {
        s.add(label(sc.heading, sc.left, 3024, 900, QString::fromLatin1(sc.text), Qt::AlignCenter));
        s.add(label(sc.value, sc.left, 3402, 900, QString(), Qt::AlignCenter));
    }
    // The clinic's address.
    s.add(label("Label17", 5291, 5480, 800, QStringLiteral("آدرس"), kCaption));
    s.add(label("Label13", 378, 5480, 4813, QString(), kValue, font("B Nazanin", 9)));
    // The program's own lines at the foot of the sheet.
    const QFont small = font("B Nazanin", 8);
    s.add(label("Label5", 2160, 6067, 2010,
                QStringLiteral("Pelimora V%1.%2.%3")
                    .arg(PELIMORA_VERSION_MAJOR)
                    .arg(PELIMORA_VERSION_MINOR)
                    .arg(PELIMORA_VERSION_PATCH),
                Qt::AlignCenter, small));
    ReportControl site = label("Label14", 2160, 6355, 2010, QStringLiteral(PELIMORA_SITE_HOST), Qt::AlignCenter, small);
    site.rect.setHeight(240);
    s.add(std::move(site));
}
