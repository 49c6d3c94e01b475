#include "ReportEngine.h"

#include <QAbstractItemModel>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSqlQueryModel>
#include <QSqlRecord>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kTwipsPerInch = 1440.0;
// A text set smaller to fit its control never goes below this share of its size;
// what is still too wide is clipped at the control's edge.
constexpr double kSmallestShrink = 0.5;

const char* const kSectionNames[] = {"Section1", "Section2", "Section3", "Section4", "Section5"};
enum SectionIndex
{
    Detail,
    PageHeader,
    PageFooter,
    ReportHeader,
    ReportFooter
};
} // namespace

// ---- sections and records ----

ReportControl& ReportSection::add(ReportControl control)
{
    m_controls.push_back(std::make_unique<ReportControl>(std::move(control)));
    return *m_controls.back();
}

ReportControl* ReportSection::control(const QString& name) const
{
    for (const auto& c : m_controls)
        if (c->name.compare(name, Qt::CaseInsensitive) == 0)
            return c.get();
    return nullptr;
}

ReportRecords ReportRecords::fromModel(QAbstractItemModel* model)
{
    ReportRecords records;
    if (!model)
        return records;
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
    const int columns = model->columnCount();
    const auto* query = qobject_cast<const QSqlQueryModel*>(model);
    const QSqlRecord fields = query ? query->record() : QSqlRecord();
    for (int c = 0; c < columns; ++c)
        records.m_columns << (query ? fields.fieldName(c) : model->headerData(c, Qt::Horizontal).toString());
    const int rows = model->rowCount();
    records.m_rows.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QVector<QVariant> values(columns);
        for (int c = 0; c < columns; ++c)
            values[c] = model->data(model->index(r, c), Qt::EditRole);
        records.m_rows.push_back(std::move(values));
    }
    return records;
}

int ReportRecords::columnIndex(const QString& name) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

void ReportRecords::addRow(QVector<QVariant> values)
{
    values.resize(m_columns.size());
    m_rows.push_back(std::move(values));
}

QVariant ReportRecords::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_rows[row].size())
        return {};
    return m_rows[row][column];
}

// ---- pages ----

QStringList ReportPage::texts() const
{
    QStringList out;
    for (const ReportItem& item : items)
        if (item.kind == ReportItem::Kind::Text)
            out << item.text;
    return out;
}

QVector<const ReportItem*> ReportPage::find(const QString& control, const QString& section) const
{
    QVector<const ReportItem*> out;
    for (const ReportItem& item : items)
        if (item.control.compare(control, Qt::CaseInsensitive) == 0 &&
            (section.isEmpty() || item.section.compare(section, Qt::CaseInsensitive) == 0))
            out << &item;
    return out;
}

QString ReportPage::text(const QString& control, const QString& section) const
{
    const auto found = find(control, section);
    return found.isEmpty() ? QString() : found.first()->text;
}

int ReportPage::count(const QString& section) const
{
    // Every placed band leaves one marker item, even a band without controls.
    int n = 0;
    for (const ReportItem& item : items)
        if (item.control.isEmpty() && item.section == section)
            ++n;
    return n;
}

// ---- the document ----

ReportDocument::ReportDocument(QString name, int widthTwips) : m_name(std::move(name)), m_width(widthTwips)
{
    for (const char* s : kSectionNames)
        m_sections.push_back(std::make_unique<ReportSection>(QString::fromLatin1(s), 0));
}

ReportDocument::~ReportDocument() = default;

ReportSection* ReportDocument::section(const QString& name) const
{
    for (const auto& s : m_sections)
        if (s->name().compare(name, Qt::CaseInsensitive) == 0)
            return s.get();
    return nullptr;
}

ReportControl* ReportDocument::control(const QString& sectionName, const QString& name) const
{
    ReportSection* s = section(sectionName);
    return s ? s->control(name) : nullptr;
}

bool ReportDocument::place(ReportPage& page, const ReportSection& section, int top, int row, QString* error)
{
    ReportItem marker;
    marker.kind = ReportItem::Kind::Box;
    marker.section = section.name();
    marker.rect = QRect(0, top, m_width, section.height());
    page.items.push_back(marker);

    for (const auto& c : section.controls()) {
        ReportItem item;
        item.section = section.name();
        item.control = c->name;
        item.rect = c->rect.translated(0, top);
        item.source = c.get();
        switch (c->kind) {
        case ReportControl::Kind::Label:
            item.text = c->caption;
            break;
        case ReportControl::Kind::Field: {
            QVariant value = m_records.value(row, c->dataField);
            if (c->dataFormat && !c->dataFormat->format(value, error))
                return false;
            item.text = value.isNull() ? QString() : value.toString();
            break;
        }
        case ReportControl::Kind::Line:
            item.kind = ReportItem::Kind::Line;
            break;
        case ReportControl::Kind::Box:
            item.kind = ReportItem::Kind::Box;
            break;
        case ReportControl::Kind::Picture:
            item.kind = ReportItem::Kind::Picture;
            break;
        }
        page.items.push_back(std::move(item));
    }
    return true;
}

bool ReportDocument::layout(QSizeF printableTwips)
{
    m_pages.clear();
    m_lastError.clear();
    startProduction();

    m_scale = printableTwips.width() > 0 && printableTwips.width() < m_width ? printableTwips.width() / m_width : 1.0;
    const int pageHeight = int(printableTwips.height() / m_scale);
    const ReportSection& detail = *m_sections[Detail];
    const ReportSection& pageHeader = *m_sections[PageHeader];
    const ReportSection& pageFooter = *m_sections[PageFooter];
    const ReportSection& reportHeader = *m_sections[ReportHeader];
    const ReportSection& reportFooter = *m_sections[ReportFooter];
    const int limit = pageHeight - pageFooter.height();

    QVector<ReportPage> pages;
    ReportPage page;
    int y = 0;
    bool fresh = true; // nothing but headers on the page yet: a band that does not fit goes here anyway
    QString error;
    auto fail = [&] {
        m_lastError = error.isEmpty() ? QStringLiteral("the report could not be laid out") : error;
        return false;
    };
    auto finishPage = [&] {
        place(page, pageFooter, limit, -1, &error);
        pages.push_back(std::move(page));
        page = ReportPage();
    };
    auto startPage = [&] {
        y = 0;
        if (!place(page, pageHeader, y, -1, &error))
            return false;
        y += pageHeader.height();
        fresh = true;
        return true;
    };
    auto room = [&](const ReportSection& band) {
        if (!fresh && y + band.height() > limit) {
            finishPage();
            return startPage();
        }
        return true;
    };

    if (!place(page, reportHeader, 0, -1, &error))
        return fail();
    y = reportHeader.height();
    if (!place(page, pageHeader, y, -1, &error))
        return fail();
    y += pageHeader.height();

    const int rows = m_records.rowCount();
    for (int r = 0; r < rows; ++r) {
        if (!room(detail) || !place(page, detail, y, r, &error))
            return fail();
        y += detail.height();
        fresh = false;
    }
    if (!room(reportFooter) || !place(page, reportFooter, y, -1, &error))
        return fail();
    finishPage();
    m_pages = std::move(pages);
    return true;
}

void ReportDocument::drawPage(QPainter& painter, const ReportPage& page, double dpi, double printableWidth) const
{
    const double k = dpi / kTwipsPerInch * m_scale;
    const double left = std::max(0.0, (printableWidth - m_width * k) / 2);
    // Rules are whole device pixels wide, so that equal rules look equal on screen.
    auto penWidth = [&](int twips) { return std::max(1.0, std::round(twips * k)); };
    auto toDevice = [&](const QRect& r) { return QRectF(left + r.x() * k, r.y() * k, r.width() * k, r.height() * k); };

    painter.save();
    painter.setLayoutDirection(Qt::RightToLeft);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const ReportItem& item : page.items) {
        const ReportControl* c = item.source;
        if (!c)
            continue; // a band marker
        const QRectF r = toDevice(item.rect);
        switch (item.kind) {
        case ReportItem::Kind::Box:
            if (c->backColor.isValid())
                painter.fillRect(r, c->backColor);
            if (c->lineWidth > 0) {
                painter.setPen(QPen(c->foreColor, penWidth(c->lineWidth)));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(r);
            }
            break;
        case ReportItem::Kind::Line:
            painter.setPen(QPen(c->foreColor, penWidth(c->lineWidth), Qt::SolidLine, Qt::SquareCap));
            painter.drawLine(r.topLeft(), r.bottomRight());
            break;
        case ReportItem::Kind::Picture:
            if (c->paint) {
                painter.save();
                c->paint(painter, r);
                painter.restore();
            }
            break;
        case ReportItem::Kind::Text: {
            if (item.text.isEmpty())
                break;
            QFont font = c->font;
            const double points = font.pointSizeF() > 0 ? font.pointSizeF() * m_scale : -1;
            if (points > 0)
                font.setPointSizeF(points);
            if (c->shrinkToFit && points > 0) {
                const double wide = QFontMetricsF(font, painter.device()).horizontalAdvance(item.text);
                if (wide > r.width() && wide > 0)
                    font.setPointSizeF(points * std::max(kSmallestShrink, r.width() / wide * 0.98));
            }
            painter.setFont(font);
            painter.setPen(c->foreColor);
            // Qt shapes and orders the text itself: Persian runs are joined and read
            // right to left, Latin runs and digits keep their own order.
            painter.drawText(r, int(c->alignment | Qt::AlignAbsolute) | Qt::TextSingleLine, item.text);
            break;
        }
        }
    }
    painter.restore();
}

bool ReportDocument::print(QPagedPaintDevice* device)
{
    if (!device)
        return false;
    const int dpi = device->logicalDpiX();
    const QRect paintRect = device->pageLayout().paintRectPixels(dpi);
    const QSizeF printable(paintRect.width() * kTwipsPerInch / dpi, paintRect.height() * kTwipsPerInch / dpi);
    if (!layout(printable))
        return false;
    QPainter painter;
    if (!painter.begin(device)) {
        m_lastError = QStringLiteral("the printer could not be started");
        return false;
    }
    for (int i = 0; i < m_pages.size(); ++i) {
        if (i > 0 && !device->newPage()) {
            m_lastError = QStringLiteral("the printer refused a new page");
            painter.end();
            return false;
        }
        drawPage(painter, m_pages[i], dpi, paintRect.width());
    }
    return painter.end();
}

QImage ReportDocument::pageImage(int index, double dpi, QSizeF printableTwips) const
{
    if (index < 0 || index >= m_pages.size())
        return {};
    const QSize size(int(printableTwips.width() * dpi / kTwipsPerInch),
                     int(printableTwips.height() * dpi / kTwipsPerInch));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(dpi / 0.0254));
    image.setDotsPerMeterY(int(dpi / 0.0254));
    QPainter painter(&image);
    drawPage(painter, m_pages[index], dpi, size.width());
    return image;
}

QSizeF ReportDocument::printableArea(QSizeF paperMm, double marginMm)
{
    const double perMm = kTwipsPerInch / 25.4;
    return QSizeF((paperMm.width() - 2 * marginMm) * perMm, (paperMm.height() - 2 * marginMm) * perMm);
}
