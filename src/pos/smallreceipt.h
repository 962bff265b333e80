#ifndef SMALLRECEIPT_H
#define SMALLRECEIPT_H

#include "core/money.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QFontMetrics;
class QPainter;
class QPrinter;

// Everything the till receipt shows, taken from the sales screen at the moment of printing.
struct SmallReceiptData
{
    QString companyName;
    QString companyAddress;
    QString companyContact;
    QImage logo;
    bool printLogo = true;
    int logoSize = 10;

    QString transactionId; // empty before the sale is paid
    QDateTime dateTime;
    QString currencySymbol;
    bool taxEnabled = true;
    QString taxName;
    bool subItemsMode = false;

    // The sale lines, the nine texts per row of the sale-line model (index, name, items,
    // sub-items, price per item, discount, line total, purchase price, purchase total).
    QList<QStringList> lines;

    // Texts of the totals boxes, and the sum of the lines' discounts.
    QString grandTotalText;
    QString taxTotalText;
    QString paidText;
    QString changeText;
    Money discountTotal;
};

// Fixed positions of the receipt, in device pixels.
namespace SmallReceiptLayout {
constexpr int QUANTITY_X = 0;
constexpr int NAME_X = 25;
constexpr int NAME_PRICE_GAP = 30; // taken from the width left to the product name
constexpr int LINE_SPACING = 5;    // added below every line of text
constexpr int HEADER_SPACING = 9;  // below the logo and company block
} // namespace SmallReceiptLayout

// One sale line laid out on a receipt of the given width.
struct SmallReceiptRow
{
    QString quantity;
    QString name; // elided in the middle to fit nameBox
    QString price;
    QRect nameBox; // at y = 0, one line high
};

// "1" or, with sub-items, "1(4)".
QString SmallReceiptQuantityText(const QStringList& line, bool subItemsMode);
// The line total, preceded by the unit price in brackets when more than one item was sold.
QString SmallReceiptPriceText(const QStringList& line);
// Side of the square logo: with size 10 a third of the page width.
int SmallReceiptLogoSide(int pageWidth, int logoSize);
SmallReceiptRow LayoutSmallReceiptRow(const QStringList& line, bool subItemsMode, int pageWidth,
                                      const QFontMetrics& regular, const QFontMetrics& fixedPitch);

// The right-aligned lines below the sale lines, in print order.
QStringList SmallReceiptTotalsLines(const SmallReceiptData& data);
// The left-aligned discount line; empty when no line had a discount.
QString SmallReceiptDiscountLine(const SmallReceiptData& data);

// Paints the receipt on a painter already active on the printer. Output that is not a PDF file
// is turned by 180 degrees so that it comes out of the printer readable.
void PaintSmallReceipt(QPainter& painter, QPrinter& printer, const SmallReceiptData& data);

// Sets a printer's paper and margins from the receipt paper settings (millimetres).
void ApplySmallReceiptPaper(QPrinter& printer);

// Writes the receipt to a PDF file on the receipt paper; false when the file cannot be opened.
bool PrintSmallReceiptToPdf(const SmallReceiptData& data, const QString& pdfPath);

#endif // SMALLRECEIPT_H
