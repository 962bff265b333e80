#ifndef SALEPRICING_H
#define SALEPRICING_H

#include <QString>

// The arithmetic and checks of the sales screen, free of widgets. All money is single precision,
// computed step by step in the order the screen has always used, so that the texts a line shows
// are the texts that get stored and printed.

// What one line is priced from: the stock batch, its product and the entry fields.
struct SaleLineInput
{
    QString salePrice;     // SALE_PRICE as read (text form of the stored value)
    QString purchasePrice; // PURCHASE_PRICE as read
    int itemsPerUnit = 1;  // ITEMS_PER_UNIT
    float batchDiscount = 0.0f;
    float taxRate = 0.0f; // the product's TAX_RATE, a percent
    int items = 0;        // whole units
    int subItems = 0;     // loose sub-items
    bool specialDiscount = false;
    QString discountText; // the discount field, used when specialDiscount is on
    bool returnMode = false;
    bool taxEnabled = true;
};

// One priced line: its numbers, the texts of the line's columns 5, 6 and 8, and the line's
// share of the three sums.
struct SaleLinePrice
{
    float discount = 0.0f;      // discount amount, always positive, also for a returned item
    float lineTotal = 0.0f;     // after discount; negative in return mode
    float purchaseTotal = 0.0f; // negative in return mode
    float lineTax = 0.0f;       // negative in return mode
    QString discountText;
    QString lineTotalText;
    QString purchaseTotalText;
};

// The running sums of a sale.
struct SaleSums
{
    float grandTotal = 0.0f;
    float taxTotal = 0.0f;
    float discountTotal = 0.0f;
};

// Fixed point with two decimals, point as separator, no grouping.
QString MoneyText(float value);

SaleLinePrice PriceSaleLine(const SaleLineInput& input);
// Adds a priced line to the sums, in the order the screen does it.
void AddLineToSums(SaleSums& sums, const SaleLinePrice& line);

// The first entry field that fails its check gives its message; an empty result means all four
// fields are acceptable.
QString ValidateEntryFields(const QString& barCode, const QString& discount, const QString& items,
                            const QString& subItems);

// Stock of a batch against a request, everything counted in sub-items.
struct StockRequest
{
    int quantity = 0;     // QUANTITY of the batch
    int subItems = 0;     // SUB_ITEMS of the batch
    int itemsPerUnit = 1; // ITEMS_PER_UNIT of the product
    int requestedItems = 0;
    int requestedSubItems = 0;
    bool returnMode = false;
};

struct StockOutcome
{
    QString refusal;   // empty when the request can be served
    int stock = 0;     // S: sub-items in stock
    int requested = 0; // R: sub-items requested
    int newQuantity = 0;
    int newSubItems = 0;
};

StockOutcome CheckStock(const StockRequest& request);

// The paid amount: a non-negative number with at most two decimals. Empty result when valid.
QString ValidatePaidAmount(const QString& paid);
// The change shown and stored: grand total minus paid, in double precision, kept as float
// (zero or negative when enough was paid).
float ComputeChange(float grandTotal, float paid);

#endif // SALEPRICING_H
