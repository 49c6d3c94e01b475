#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

class QAbstractItemModel;
class QImage;
class QPagedPaintDevice;
class QPainter;

// The program's small report engine. A report is a width in twips and five bands
// named as the layouts name them: Section4 report header (once, before the first
// row), Section2 page header (top of every page), Section1 detail (once per row),
// Section3 page footer (foot of every page), Section5 report footer (once, after the
// last row). Each band holds named controls placed in twips from its top left corner.
// Pages are laid out first, as lists of placed items that tests can read, and then
// painted with QPainter onto a printer, a PDF writer or an image.

// A data-format object: before each occurrence of a bound field is placed, the engine
// hands it the value, which it may replace. A false return stops the production with
// the error text it gives.
class ReportDataFormat
{
public:
    virtual ~ReportDataFormat() = default;
    virtual bool format(QVariant& value, QString* error) = 0;
};

struct ReportControl
{
    enum class Kind
    {
        Label,
        Field,
        Line,
        Box,
        Picture
    };

    Kind kind = Kind::Label;
    QString name;
    QRect rect;        // twips inside the band; a line runs from the top left to the bottom right corner
    QString caption;   // the text of a label
    QString dataField; // the column a field shows
    QFont font;
    Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter;
    QColor foreColor = Qt::black;                        // text, or the pen of a line or box border
    QColor backColor;                                    // fill of a box; none when invalid
    int lineWidth = 15;                                  // twips
    bool shrinkToFit = false;                            // a text wider than its control is set smaller, never clipped
    ReportDataFormat* dataFormat = nullptr;              // not owned
    std::function<void(QPainter&, const QRectF&)> paint; // a picture, drawn into its device rectangle

    void setCaption(const QString& text) { caption = text; }
};

class ReportSection
{
public:
    ReportSection(QString name, int height) : m_name(std::move(name)), m_height(height) {}

    QString name() const { return m_name; }
    int height() const { return m_height; }
    void setHeight(int twips) { m_height = twips; }

    ReportControl& add(ReportControl control);
    // The control of that name (names match without regard to case), or nullptr.
    ReportControl* control(const QString& name) const;
    const std::vector<std::unique_ptr<ReportControl>>& controls() const { return m_controls; }

private:
    QString m_name;
    int m_height;
    std::vector<std::unique_ptr<ReportControl>> m_controls;
};

// The rows a report prints: a copy of its record source taken when it is bound, so
// the pages do not change when the window's views move on.
class ReportRecords
{
public:
    ReportRecords() = default;
    explicit ReportRecords(QStringList columns) : m_columns(std::move(columns)) {}

    // Every row of the model, fetched to the end, with the model's column names.
    static ReportRecords fromModel(QAbstractItemModel* model);

    const QStringList& columns() const { return m_columns; }
    int columnIndex(const QString& name) const; // -1 when absent; case does not matter
    int rowCount() const { return int(m_rows.size()); }
    void addRow(QVector<QVariant> values);
    QVariant value(int row, int column) const;
    QVariant value(int row, const QString& column) const { return value(row, columnIndex(column)); }

private:
    QStringList m_columns;
    QVector<QVector<QVariant>> m_rows;
};

struct ReportItem
{
    enum class Kind
    {
        Text,
        Line,
        Box,
        Picture
    };

    Kind kind = Kind::Text;
    QString section;
    QString control;
    QRect rect; // twips: x from the report's left edge, y from the top of the page
    QString text;
    const ReportControl* source = nullptr; // font, alignment, colours, picture
};

struct ReportPage
{
    QVector<ReportItem> items;

    QStringList texts() const;
    // The items of one control, in the order they were placed; optionally of one band.
    QVector<const ReportItem*> find(const QString& control, const QString& section = QString()) const;
    // The text of the first item of that control, or an empty text.
    QString text(const QString& control, const QString& section = QString()) const;
    // How often a band was placed on this page.
    int count(const QString& section) const;
};

class ReportDocument
{
public:
    ReportDocument(QString name, int widthTwips);
    virtual ~ReportDocument();
    ReportDocument(const ReportDocument&) = delete;
    ReportDocument& operator=(const ReportDocument&) = delete;

    QString name() const { return m_name; }
    int width() const { return m_width; }

    // Section1..Section5, or nullptr.
    ReportSection* section(const QString& name) const;
    ReportControl* control(const QString& section, const QString& name) const;

    void setRecords(ReportRecords records) { m_records = std::move(records); }
    const ReportRecords& records() const { return m_records; }

    // Lays the pages out for a printable area of that size (twips). A report wider
    // than the area is set smaller as a whole. False when a data-format object failed;
    // the pages are then empty.
    bool layout(QSizeF printableTwips);
    const QVector<ReportPage>& pages() const { return m_pages; }
    double scale() const { return m_scale; }
    QString lastError() const { return m_lastError; }

    // Lays out for the device's printable area and paints every page onto it.
    bool print(QPagedPaintDevice* device);
    // Paints one laid-out page; the painter's origin is the top left corner of the
    // printable area, which is printableWidth device pixels wide.
    void drawPage(QPainter& painter, const ReportPage& page, double dpi, double printableWidth) const;
    // One laid-out page as a white picture of the page's printable area.
    QImage pageImage(int index, double dpi, QSizeF printableTwips) const;

    // A printable area in twips for a paper size in millimetres and equal margins.
    static QSizeF printableArea(QSizeF paperMm, double marginMm);

protected:
    // Runs at the start of every production (each layout), before the first band.
    virtual void startProduction() {}

private:
    bool place(ReportPage& page, const ReportSection& section, int top, int row, QString* error);

    QString m_name;
    int m_width;
    std::vector<std::unique_ptr<ReportSection>> m_sections;
    ReportRecords m_records;
    QVector<ReportPage> m_pages;
    double m_scale = 1.0;
    QString m_lastError;
};
