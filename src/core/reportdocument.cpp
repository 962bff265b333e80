#include "core/reportdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>

ReportHtmlWriter::ReportHtmlWriter(const QString& heading, const QString& printedAt,
                                   const ReportSummary* summary, const QStringList& columns)
{
    m_html =
        QStringLiteral("<html>\n<head>\n<meta Content=\"Text/html; charset=Windows-1251\">\n") +
        QStringLiteral("<title>%1</title>\n").arg(heading) +
        QStringLiteral("</head>\n<body bgcolor=#ffffff link=#5000A0>\n") +
        QStringLiteral("<div align=\"right\"><H1>%1</H1></div><BR>").arg(heading) +
        QStringLiteral("<br>") + printedAt + QStringLiteral("<br><br><br>");
    if (summary) {
        const QString& currency = summary->currencySymbol;
        //: %1 is the currency symbol, %2 the amount
        const QString sales = tr("Total Sales : %1%2").arg(currency, summary->totalSales);
        //: %1 is the currency symbol, %2 the amount
        const QString purchase = tr("Total Purchase : %1%2").arg(currency, summary->totalPurchase);
        //: %1 is the currency symbol, %2 the amount
        const QString profit = tr("Total Profit : %1%2").arg(currency, summary->totalProfit);
        //: %1 is the currency symbol, %2 the amount
        const QString discount = tr("Total Discount : %1%2").arg(currency, summary->totalDiscount);
        const QString lineBreaks = QStringLiteral("<br><br>");
        m_html += QStringLiteral("<h3>") + summary->caption + QStringLiteral("</h3>") + lineBreaks +
                  sales + lineBreaks + purchase + lineBreaks + profit + lineBreaks + discount +
                  lineBreaks;
    }
    m_html += QStringLiteral("<table border=1 cellspacing=0 cellpadding=3>\n"
                             "<thead><tr bgcolor=#ffff7f>");
    for (const QString& column : columns)
        m_html += QStringLiteral("<th>") + column + QStringLiteral("</th>");
    m_html += QStringLiteral("</tr></thead>\n");
}

void ReportHtmlWriter::AddRow(const QStringList& cells)
{
    m_html += QStringLiteral("<tr>");
    for (const QString& cell : cells) {
        const QString text = cell.simplified();
        m_html += QStringLiteral("<td bkcolor=0>") +
                  (text.isEmpty() ? QStringLiteral("&nbsp;") : text.toHtmlEscaped()) +
                  QStringLiteral("</td>");
    }
    m_html += QStringLiteral("</tr>\n");
}

QString ReportHtmlWriter::Finish()
{
    m_html += QStringLiteral("</table>\n</body>\n</html>\n");
    QString html;
    html.swap(m_html);
    return html;
}

bool PrintPaged(QTextDocument* document, QPagedPaintDevice* device,
                const std::function<void(int, int)>& onPage)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;

    QAbstractTextDocumentLayout* layout = document->documentLayout();
    layout->setPaintDevice(device);
    const int dpiY = device->logicalDpiY();
    const int margin = qRound(2 / 2.54 * dpiY);
    QTextFrameFormat frame = document->rootFrame()->frameFormat();
    frame.setMargin(margin);
    document->rootFrame()->setFrameFormat(frame);
    const QSizeF body(device->width(), device->height());
    document->setPageSize(body);
    // Lays the whole document out; the longest step for a long table.
    const int pageCount = document->pageCount();

    const QFont numberFont = document->defaultFont();
    const QPointF numberPos(body.width() - margin, body.height() - margin +
                                                       QFontMetrics(numberFont, device).ascent() +
                                                       5 * dpiY / 72.0);
    QAbstractTextDocumentLayout::PaintContext context;
    // Black text on white paper, whatever the desktop's palette.
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1)
            device->newPage();
        const QRectF view(0, (page - 1) * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        context.clip = view;
        layout->draw(&painter, context);
        painter.setClipping(false);
        painter.setFont(numberFont);
        const QString number = QString::number(page);
        painter.drawText(qRound(numberPos.x() - painter.fontMetrics().horizontalAdvance(number)),
                         qRound(numberPos.y() + view.top()), number);
        painter.restore();
        if (onPage)
            onPage(page, pageCount);
    }
    return painter.end();
}
