#ifndef REPORTDOCUMENT_H
#define REPORTDOCUMENT_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QTextDocument;

// The period totals printed above a sales report's table.
struct ReportSummary
{
    QString caption; // "RESULTS GROUPED BY ..."
    QString currencySymbol;
    QString totalSales;
    QString totalPurchase;
    QString totalProfit;
    QString totalDiscount;
};

// Writes the HTML of a printed report: heading, print time, for sales reports the summary, then
// the table. Cells are typed by people (product, customer and user names), so their text is
// escaped; an empty cell prints as "&nbsp;" so that its borders are drawn. The heading is the
// program's own text and is written as it is.
class ReportHtmlWriter
{
    Q_DECLARE_TR_FUNCTIONS(ReportHtmlWriter)

public:
    ReportHtmlWriter(const QString& heading, const QString& printedAt, const ReportSummary* summary,
                     const QStringList& columns);
    void AddRow(const QStringList& cells);
    // The finished document; the writer is empty afterwards.
    QString Finish();

private:
    QString m_html;
};

// Prints the document page by page on the device as QTextDocument::print lays it out (2 cm margin,
// the page number at the bottom right), calling onPage(page, pageCount) after each page so that a
// caller can show its progress. The document is laid out for the device; false when the device
// cannot be painted on.
bool PrintPaged(QTextDocument* document, QPagedPaintDevice* device,
                const std::function<void(int page, int pageCount)>& onPage = {});

#endif // REPORTDOCUMENT_H
