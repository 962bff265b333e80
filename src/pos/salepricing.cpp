#include "salepricing.h"

#include <QCoreApplication>
#include <QRegExp>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CPOS", text);
}

// QRegExp keeps match state, so each check works on its own copy of the compiled pattern.
bool Matches(const QRegExp& pattern, const QString& text)
{
    QRegExp copy(pattern);
    return copy.exactMatch(text);
}

} // namespace

QString MoneyText(float value)
{
    return QString::number(value, 'f', 2);
}

SaleLinePrice PriceSaleLine(const SaleLineInput& input)
{
    SaleLinePrice line;
    const float units = static_cast<float>(input.itemsPerUnit);
    const float items = static_cast<float>(input.items);
    const float subItems = static_cast<float>(input.subItems);

    const float salePrice = input.salePrice.toFloat();
    const float pricePerSubItem = salePrice / units;
    const float gross = subItems * pricePerSubItem + items * salePrice;
    const float discountPercent =
        input.specialDiscount ? input.discountText.toFloat() : input.batchDiscount;
    line.discount = discountPercent / 100 * gross;
    line.lineTotal = gross - line.discount;
    if (input.returnMode)
        line.lineTotal = 0 - line.lineTotal;

    const float purchasePrice = input.purchasePrice.toFloat();
    line.purchaseTotal = subItems * (purchasePrice / units) + items * purchasePrice;
    if (input.returnMode)
        line.purchaseTotal = 0 - line.purchaseTotal;

    const float taxRate = input.taxEnabled ? input.taxRate : 0.0f;
    line.lineTax = taxRate * line.lineTotal / 100;

    line.discountText = MoneyText(line.discount);
    line.lineTotalText = MoneyText(line.lineTotal);
    line.purchaseTotalText = MoneyText(line.purchaseTotal);
    return line;
}

void AddLineToSums(SaleSums& sums, const SaleLinePrice& line)
{
    sums.discountTotal = sums.discountTotal + line.discount;
    sums.taxTotal = sums.taxTotal + line.lineTax;
    sums.grandTotal = sums.grandTotal + line.lineTotal + line.lineTax;
}

QString ValidateEntryFields(const QString& barCode, const QString& discount, const QString& items,
                            const QString& subItems)
{
    static const QRegExp barCodePattern(QStringLiteral("^[a-zA-Z0-9_]{1,20}$"));
    static const QRegExp discountPattern(QStringLiteral("^[0-9]{1,2}(\\.[0-9]{1,2})?$"));
    static const QRegExp quantityPattern(QStringLiteral("^[0-9]{1,4}$"));

    if (!Matches(barCodePattern, barCode))
        return tr("Barcode is invalid. Please enter numeric bar code.");
    if (!Matches(discountPattern, discount))
        return tr("Discount is invalid. Please enter numeric (0 to 99.99) discount value.");
    if (!Matches(quantityPattern, items))
        return tr("Quantity is invalid. Please enter numeric quantity value.");
    if (!Matches(quantityPattern, subItems))
        return tr("Subitems is invalid. Please enter numeric subitems value.");
    return QString();
}

StockOutcome CheckStock(const StockRequest& request)
{
    StockOutcome outcome;
    const int u = request.itemsPerUnit;
    // A unit of no sub-items would divide by zero below; the product has to be corrected first.
    if (u <= 0) {
        outcome.refusal = tr("This item has no valid items per unit. Please correct the product.");
        return outcome;
    }
    outcome.stock = u * request.quantity + request.subItems;
    if (!request.returnMode && outcome.stock == 0) {
        outcome.refusal = tr("This item is out of stock");
        return outcome;
    }
    if (u == 1 && request.requestedSubItems != 0) {
        outcome.refusal = tr("This item can only be sold as a whole. Subitems should be 0. ");
        return outcome;
    }
    outcome.requested = request.requestedItems * u + request.requestedSubItems;
    if (!request.returnMode && outcome.stock < outcome.requested) {
        outcome.refusal = tr("Rquested quantity is not available. There are (") +
                          QString::number(request.quantity) + tr(") items, and (") +
                          QString::number(request.subItems) + tr(") sub-items in the stock.");
        return outcome;
    }
    const int remaining =
        request.returnMode ? outcome.stock + outcome.requested : outcome.stock - outcome.requested;
    outcome.newQuantity = remaining / u;
    outcome.newSubItems = remaining % u;
    return outcome;
}

QString ValidatePaidAmount(const QString& paid)
{
    static const QRegExp paidPattern(QStringLiteral("^[0-9]+(\\.[0-9]{1,2})?$"));
    if (!Matches(paidPattern, paid))
        return tr("Paid amount is not valid. Example 50.75");
    return QString();
}

float ComputeChange(float grandTotal, float paid)
{
    return static_cast<float>(static_cast<double>(grandTotal) - static_cast<double>(paid));
}
