#ifndef SALEPRICING_H
#define SALEPRICING_H

#include "core/money.h"

#include <QString>
#include <QVariant>

// The arithmetic and checks of the sales screen, free of widgets. Money is exact: every amount
// a line or the totals show is the exact value rounded half away from zero to the cent, so the
// texts a line shows are the texts that get stored and printed, and a shown total is payable.

// What one line is priced from: the stock batch, its product and the entry fields.
struct SaleLineInput
{
    QString salePrice;       // SALE_PRICE as read (text form of the stored value)
    QString purchasePrice;   // PURCHASE_PRICE as read
    qint64 itemsPerUnit = 1; // ITEMS_PER_UNIT
    Percent batchDiscount;
    Percent taxRate;  // the product's TAX_RATE
    int items = 0;    // whole units
    int subItems = 0; // loose sub-items
    bool specialDiscount = false;
    QString discountText; // the discount field, used when specialDiscount is on
    bool returnMode = false;
    bool taxEnabled = true;
};

// Line taxes are summed exactly, in millionths of a cent, and rounded once for the tax total.
inline constexpr qint64 TAX_UNITS_PER_CENT = 100 * Percent::SCALE;

// One priced line: its amounts, the texts of the line's columns 5, 6 and 8, and the line's
// share of the three sums.
struct SaleLinePrice
{
    bool valid = false;  // false when a price or an amount is beyond what the till can hold
    Money discount;      // discount amount, always positive, also for a returned item
    Money lineTotal;     // after discount; negative in return mode
    Money purchaseTotal; // negative in return mode
    qint64 taxUnits = 0; // the line's exact tax in millionths of a cent; negative in return mode
    QString discountText;
    QString lineTotalText;
    QString purchaseTotalText;
};

// The running sums of a sale.
struct SaleSums
{
    Money lineTotals; // sum of the lines' totals as shown
    qint64 taxUnits = 0;
    Money discountTotal;

    Money TaxTotal() const
    {
        return Money::FromCents(RoundedQuotient(taxUnits, TAX_UNITS_PER_CENT));
    }
    // What the TOTAL box shows and the customer pays: the lines plus the tax total.
    Money GrandTotal() const { return lineTotals + TaxTotal(); }
};

// Fixed point with two decimals, point as separator, no grouping.
inline QString MoneyText(Money value)
{
    return value.ToString();
}

// The text of a stored price for the line's price columns: the stored value's own text, except
// that a large value is written out in full ("8000000", not "8e+06").
QString StoredPriceText(const QVariant& value);

SaleLinePrice PriceSaleLine(const SaleLineInput& input);
// Adds a priced line to the sums, or takes a voided one out again (exactly: the sums are integers).
void AddLineToSums(SaleSums& sums, const SaleLinePrice& line);
void RemoveLineFromSums(SaleSums& sums, const SaleLinePrice& line);
// Empty when the sums still fit the totals boxes; otherwise the message that refuses the line.
QString CheckSumsFitTill(const SaleSums& sums);

// The first entry field that fails its check gives its message; an empty result means all four
// fields are acceptable.
QString ValidateEntryFields(const QString& barCode, const QString& discount, const QString& items,
                            const QString& subItems);

// Stock of a batch against a request, everything counted in sub-items (64-bit, so that no
// stock level can wrap around).
struct StockRequest
{
    qint64 quantity = 0;     // QUANTITY of the batch
    qint64 subItems = 0;     // SUB_ITEMS of the batch
    qint64 itemsPerUnit = 1; // ITEMS_PER_UNIT of the product
    qint64 requestedItems = 0;
    qint64 requestedSubItems = 0;
    bool returnMode = false;
};

struct StockOutcome
{
    QString refusal;      // empty when the request can be served
    qint64 stock = 0;     // S: sub-items in stock
    qint64 requested = 0; // R: sub-items requested
    qint64 newQuantity = 0;
    qint64 newSubItems = 0;
};

StockOutcome CheckStock(const StockRequest& request);

// The paid amount: a non-negative number with at most two decimals. Empty result when valid.
QString ValidatePaidAmount(const QString& paid);

// The outcome of PAY: a refusal, or the paid amount and the change (grand total minus paid,
// zero or negative when enough was paid).
struct PaymentCheck
{
    QString refusal;
    Money paid;
    Money change;
};
PaymentCheck CheckPayment(const QString& paidText, Money grandTotal);

#endif // SALEPRICING_H
