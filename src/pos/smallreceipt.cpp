#include "pos/smallreceipt.h"

#include "core/utility.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

// Translation context of the receipt captions.
class SmallReceiptText
{
    Q_DECLARE_TR_FUNCTIONS(SmallReceipt)
};

enum LineColumn
{
    ColName = 1,
    ColItems = 2,
    ColSubItems = 3,
    ColPrice = 4,
    ColLineTotal = 6
};

const char DATE_FORMAT[] = "dddd, d MMMM yy hh:mm:ss";

QString Column(const QStringList& line, int column)
{
    return line.value(column);
}

QString WithCurrency(const SmallReceiptData& data, const QString& text)
{
    return data.currencySymbol + QLatin1Char(' ') + text;
}

// Draws the page's worth of receipt in order and starts a new page when the next line would
// not fit any more.
class ReceiptPainter
{
public:
    ReceiptPainter(QPainter& painter, QPrinter& printer, int width, int height)
        : m_painter(painter), m_printer(printer), m_width(width), m_height(height)
    {
    }

    int LineHeight() const { return m_painter.fontMetrics().height(); }

    void NextLine() { m_y += LineHeight() + SmallReceiptLayout::LINE_SPACING; }

    void PageCheck()
    {
        if (m_height < LineHeight() + m_y) {
            m_printer.newPage();
            m_y = 0;
        }
    }

    void Rule()
    {
        m_painter.drawLine(0, m_y, m_width, m_y);
        m_y += SmallReceiptLayout::LINE_SPACING;
    }

    void Text(int x, int width, Qt::Alignment alignment, const QString& text)
    {
        m_painter.drawText(QRect(x, m_y, width, LineHeight()), int(alignment | Qt::AlignVCenter),
                           text);
    }

    void FullWidth(Qt::Alignment alignment, const QString& text)
    {
        Text(0, m_width, alignment, text);
    }

    int m_y = 0;

private:
    QPainter& m_painter;
    QPrinter& m_printer;
    int m_width;
    int m_height;
};

} // namespace

QString SmallReceiptQuantityText(const QStringList& line, bool subItemsMode)
{
    const QString items = Column(line, ColItems);
    if (subItemsMode && Column(line, ColSubItems).toInt() > 0)
        return QStringLiteral("%1(%2)").arg(items, Column(line, ColSubItems));
    return items;
}

QString SmallReceiptPriceText(const QStringList& line)
{
    const QString total = Column(line, ColLineTotal);
    if (Column(line, ColItems).toInt() > 1)
        return QStringLiteral("(%1) %2").arg(Column(line, ColPrice), total);
    return total;
}

int SmallReceiptLogoSide(int pageWidth, int logoSize)
{
    if (logoSize <= 0 || pageWidth <= 0)
        return 0;
    const double side = pageWidth / (10.0 / logoSize * 3.0);
    return std::min(int(side), pageWidth);
}

SmallReceiptRow LayoutSmallReceiptRow(const QStringList& line, bool subItemsMode, int pageWidth,
                                      const QFontMetrics& regular, const QFontMetrics& fixedPitch)
{
    SmallReceiptRow row;
    row.quantity = SmallReceiptQuantityText(line, subItemsMode);
    row.price = SmallReceiptPriceText(line);
    const int nameWidth = std::max(0, pageWidth - fixedPitch.horizontalAdvance(row.price) -
                                          SmallReceiptLayout::NAME_PRICE_GAP);
    row.nameBox = QRect(SmallReceiptLayout::NAME_X, 0, nameWidth, regular.height());
    row.name = regular.elidedText(Column(line, ColName), Qt::ElideMiddle, nameWidth);
    return row;
}

QStringList SmallReceiptTotalsLines(const SmallReceiptData& data)
{
    QStringList lines;
    if (data.taxEnabled) {
        const Money subTotal = Money::Parse(data.grandTotalText) - Money::Parse(data.taxTotalText);
        lines << SmallReceiptText::tr("Sub Total: %1").arg(WithCurrency(data, subTotal.ToString()));
        //: the tax total on the receipt; %1 is the name of the tax
        lines << SmallReceiptText::tr("Total %1: %2")
                     .arg(data.taxName, WithCurrency(data, data.taxTotalText));
    }
    lines << SmallReceiptText::tr("Grand Total: %1").arg(WithCurrency(data, data.grandTotalText));
    //: the amount the customer paid
    lines << SmallReceiptText::tr("Paid %1").arg(WithCurrency(data, data.paidText));
    //: the money given back to the customer
    lines << SmallReceiptText::tr("Change %1").arg(WithCurrency(data, data.changeText));
    return lines;
}

QString SmallReceiptDiscountLine(const SmallReceiptData& data)
{
    if (data.discountTotal.Cents() <= 0)
        return QString();
    return SmallReceiptText::tr("Total Discount: %1")
        .arg(WithCurrency(data, data.discountTotal.ToString()));
}

void PaintSmallReceipt(QPainter& painter, QPrinter& printer, const SmallReceiptData& data)
{
    if (!painter.isActive())
        return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int width = page.right() - page.left() + 1;
    const int height = page.bottom() - page.top() + 1;

    const QFont regular(QStringLiteral("Arial"), 7);
    QFont fixedPitch(regular);
    fixedPitch.setFixedPitch(true);
    painter.setFont(regular);

    if (printer.outputFormat() != QPrinter::PdfFormat) {
        painter.translate(width, height);
        painter.rotate(180);
    }

    ReceiptPainter receipt(painter, printer, width, height);
    const int h = receipt.LineHeight();

    // Logo at the top right, company block beside it.
    const QString company = data.companyName + QLatin1Char('\n') + data.companyAddress +
                            QLatin1Char('\n') + data.companyContact;
    if (data.printLogo) {
        const int side = SmallReceiptLogoSide(width, data.logoSize);
        if (side > 0 && !data.logo.isNull())
            painter.drawImage(
                width - side - 1, 0,
                data.logo.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        const QRect measured =
            painter.boundingRect(QRect(0, 0, width - side, side), Qt::AlignCenter, company);
        painter.drawText(QRect(0, 0, measured.width(), measured.height()), Qt::AlignCenter,
                         company);
        receipt.m_y = std::max(measured.height(), side) + SmallReceiptLayout::HEADER_SPACING;
    } else {
        painter.drawText(QRect(0, 0, width, 5 * h), Qt::AlignCenter, company);
        receipt.m_y = 5 * h + SmallReceiptLayout::HEADER_SPACING;
    }

    receipt.Rule();
    receipt.FullWidth(Qt::AlignLeft,
                      SmallReceiptText::tr("Date: %1")
                          .arg(data.dateTime.toString(QString::fromLatin1(DATE_FORMAT))));
    receipt.NextLine();
    receipt.FullWidth(Qt::AlignLeft,
                      SmallReceiptText::tr("Receipt Nr.: %1").arg(data.transactionId));
    receipt.NextLine();
    receipt.Rule();

    //: column heading on the receipt: the quantity sold
    receipt.Text(SmallReceiptLayout::QUANTITY_X, width, Qt::AlignLeft, SmallReceiptText::tr("Qty"));
    receipt.Text(SmallReceiptLayout::NAME_X, width - SmallReceiptLayout::NAME_X, Qt::AlignLeft,
                 //: column heading on the receipt
                 SmallReceiptText::tr("Product"));
    //: column heading on the receipt: the price of the line
    receipt.FullWidth(Qt::AlignRight, SmallReceiptText::tr("Price"));
    receipt.NextLine();

    const QFontMetrics regularMetrics(regular, &printer);
    const QFontMetrics fixedMetrics(fixedPitch, &printer);
    for (const QStringList& line : data.lines) {
        const SmallReceiptRow row =
            LayoutSmallReceiptRow(line, data.subItemsMode, width, regularMetrics, fixedMetrics);
        receipt.Text(SmallReceiptLayout::QUANTITY_X, width, Qt::AlignLeft, row.quantity);
        receipt.Text(row.nameBox.x(), row.nameBox.width(), Qt::AlignLeft, row.name);
        painter.setFont(fixedPitch);
        receipt.FullWidth(Qt::AlignRight, row.price);
        painter.setFont(regular);
        receipt.NextLine();
        receipt.PageCheck();
    }

    receipt.Rule();
    receipt.PageCheck();

    const QStringList totals = SmallReceiptTotalsLines(data);
    for (const QString& total : totals) {
        receipt.FullWidth(Qt::AlignRight, total);
        receipt.NextLine();
        receipt.PageCheck();
    }

    const QString discount = SmallReceiptDiscountLine(data);
    if (!discount.isEmpty())
        receipt.FullWidth(Qt::AlignLeft, discount);
}

void ApplySmallReceiptPaper(QPrinter& printer)
{
    const Utility* utility = Utility::GetInstance();
    auto millimetres = [utility](const char* key) {
        return utility->ReadNumber(QString::fromLatin1(key));
    };
    const QSizeF paper(millimetres(SettingKey::PAPER_WIDTH), millimetres(SettingKey::PAPER_HEIGHT));
    printer.setPageSize(QPageSize(paper, QPageSize::Millimeter));
    printer.setPageMargins(
        QMarginsF(millimetres(SettingKey::MARGIN_LEFT), millimetres(SettingKey::MARGIN_TOP),
                  millimetres(SettingKey::MARGIN_RIGHT), millimetres(SettingKey::MARGIN_BOTTOM)),
        QPageLayout::Millimeter);
}

bool PrintSmallReceiptToPdf(const SmallReceiptData& data, const QString& pdfPath)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    ApplySmallReceiptPaper(printer);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PaintSmallReceipt(painter, printer, data);
    return painter.end();
}
