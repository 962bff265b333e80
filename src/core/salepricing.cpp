#include "core/salepricing.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegExp>

namespace {

// The messages of these checks are shown by the till and translated with its texts.
class TillText
{
    Q_DECLARE_TR_FUNCTIONS(CPOS)
};

// QRegExp keeps match state, so each check works on its own copy of the compiled pattern.
bool Matches(const QRegExp& pattern, const QString& text)
{
    QRegExp copy(pattern);
    return copy.exactMatch(text);
}

} // namespace

namespace {

// Prices and totals a line may carry: what the till's boxes can show.
bool FitsLine(Money amount)
{
    return amount.Cents() >= -TillLimits::MAX_BOX_CENTS &&
           amount.Cents() <= TillLimits::MAX_BOX_CENTS;
}

// A stored price as the line reads it: text that is no number counts as 0; a number too large
// for any amount is not valid.
Money StoredPrice(const QString& text, bool* ok)
{
    bool isNumber = false;
    text.toDouble(&isNumber);
    if (!isNumber) {
        *ok = true;
        return Money();
    }
    return Money::Parse(text, ok);
}

} // namespace

QString StoredPriceText(const QVariant& value)
{
    const QString text = value.toString();
    if (value.type() != QVariant::Double || !text.contains(QLatin1Char('e')))
        return text;
    return QString::number(value.toDouble(), 'f', QLocale::FloatingPointShortest);
}

SaleLinePrice PriceSaleLine(const SaleLineInput& input)
{
    SaleLinePrice line;
    bool salePriceOk = false;
    bool purchasePriceOk = false;
    const Money salePrice = StoredPrice(input.salePrice, &salePriceOk);
    const Money purchasePrice = StoredPrice(input.purchasePrice, &purchasePriceOk);
    const qint64 units = input.itemsPerUnit;
    if (!salePriceOk || !purchasePriceOk || units <= 0 || !FitsLine(salePrice) ||
        !FitsLine(purchasePrice))
        return line;

    // Everything is counted in sub-items: n units and k loose sub-items are n × u + k of them,
    // each at a u-th of the unit price. Amounts are exact fractions until they are rounded.
    const __int128 count = static_cast<__int128>(input.items) * units + input.subItems;
    const Percent discountPercent =
        input.specialDiscount ? Percent::Parse(input.discountText) : input.batchDiscount;
    const __int128 full = 100 * Percent::SCALE;
    const __int128 grossScaled = static_cast<__int128>(salePrice.Cents()) * count; // × 1/u
    const __int128 denominator = static_cast<__int128>(units) * full;
    const qint64 discount = RoundedQuotient(grossScaled * discountPercent.Units(), denominator);
    qint64 lineTotal = RoundedQuotient(grossScaled * (full - discountPercent.Units()), denominator);
    qint64 purchaseTotal =
        RoundedQuotient(static_cast<__int128>(purchasePrice.Cents()) * count, units);
    if (input.returnMode) {
        lineTotal = -lineTotal;
        purchaseTotal = -purchaseTotal;
    }
    line.discount = Money::FromCents(discount);
    line.lineTotal = Money::FromCents(lineTotal);
    line.purchaseTotal = Money::FromCents(purchaseTotal);
    if (!FitsLine(line.discount) || !FitsLine(line.lineTotal) || !FitsLine(line.purchaseTotal))
        return line;

    // The tax applies to the line total as shown.
    const qint64 taxRate = input.taxEnabled ? input.taxRate.Units() : 0;
    const __int128 tax = static_cast<__int128>(lineTotal) * taxRate;
    if (tax > static_cast<__int128>(TillLimits::MAX_BOX_CENTS) * TAX_UNITS_PER_CENT ||
        tax < -static_cast<__int128>(TillLimits::MAX_BOX_CENTS) * TAX_UNITS_PER_CENT)
        return line;
    line.taxUnits = static_cast<qint64>(tax);

    line.discountText = MoneyText(line.discount);
    line.lineTotalText = MoneyText(line.lineTotal);
    line.purchaseTotalText = MoneyText(line.purchaseTotal);
    line.valid = true;
    return line;
}

void AddLineToSums(SaleSums& sums, const SaleLinePrice& line)
{
    sums.discountTotal += line.discount;
    sums.taxUnits += line.taxUnits;
    sums.lineTotals += line.lineTotal;
}

void RemoveLineFromSums(SaleSums& sums, const SaleLinePrice& line)
{
    sums.discountTotal -= line.discount;
    sums.taxUnits -= line.taxUnits;
    sums.lineTotals -= line.lineTotal;
}

QString CheckSumsFitTill(const SaleSums& sums)
{
    if (TillLimits::FitsBox(sums.GrandTotal()) && TillLimits::FitsBox(sums.TaxTotal()) &&
        sums.discountTotal.Cents() <= TillLimits::MAX_BOX_CENTS)
        return QString();
    return TillText::tr("The total would not fit the TOTAL box. Please pay this sale first.");
}

QString ValidateEntryFields(const QString& barCode, const QString& discount, const QString& items,
                            const QString& subItems)
{
    static const QRegExp barCodePattern(QStringLiteral("^[a-zA-Z0-9_]{1,20}$"));
    static const QRegExp discountPattern(QStringLiteral("^[0-9]{1,2}(\\.[0-9]{1,2})?$"));
    static const QRegExp quantityPattern(QStringLiteral("^[0-9]{1,4}$"));

    if (!Matches(barCodePattern, barCode))
        return TillText::tr("Barcode is invalid. Please enter numeric bar code.");
    if (!Matches(discountPattern, discount))
        return TillText::tr(
            "Discount is invalid. Please enter numeric (0 to 99.99) discount value.");
    if (!Matches(quantityPattern, items))
        return TillText::tr("Quantity is invalid. Please enter numeric quantity value.");
    if (!Matches(quantityPattern, subItems))
        return TillText::tr("Subitems is invalid. Please enter numeric subitems value.");
    return QString();
}

StockOutcome CheckStock(const StockRequest& request)
{
    StockOutcome outcome;
    const qint64 u = request.itemsPerUnit;
    // A unit of no sub-items would divide by zero below; the product has to be corrected first.
    if (u <= 0) {
        outcome.refusal =
            TillText::tr("This item has no valid items per unit. Please correct the product.");
        return outcome;
    }
    outcome.stock = u * request.quantity + request.subItems;
    if (!request.returnMode && outcome.stock == 0) {
        outcome.refusal = TillText::tr("This item is out of stock");
        return outcome;
    }
    if (u == 1 && request.requestedSubItems != 0) {
        outcome.refusal =
            TillText::tr("This item can only be sold as a whole. Subitems should be 0. ");
        return outcome;
    }
    outcome.requested = request.requestedItems * u + request.requestedSubItems;
    if (!request.returnMode && outcome.stock < outcome.requested) {
        outcome.refusal = TillText::tr("Rquested quantity is not available. There are (%1) "
                                       "items, and (%2) sub-items in the stock.")
                              .arg(request.quantity)
                              .arg(request.subItems);
        return outcome;
    }
    const qint64 remaining =
        request.returnMode ? outcome.stock + outcome.requested : outcome.stock - outcome.requested;
    outcome.newQuantity = remaining / u;
    outcome.newSubItems = remaining % u;
    return outcome;
}

QString ValidatePaidAmount(const QString& paid)
{
    static const QRegExp paidPattern(QStringLiteral("^[0-9]+(\\.[0-9]{1,2})?$"));
    if (!Matches(paidPattern, paid))
        return TillText::tr("Paid amount is not valid. Example 50.75");
    return QString();
}

PaymentCheck CheckPayment(const QString& paidText, Money grandTotal)
{
    PaymentCheck check;
    check.refusal = ValidatePaidAmount(paidText);
    if (!check.refusal.isEmpty())
        return check;
    bool ok = false;
    check.paid = Money::Parse(paidText, &ok);
    if (!ok) {
        check.refusal = TillText::tr("Paid amount is not valid. Example 50.75");
        return check;
    }
    if (check.paid < grandTotal) {
        check.refusal = TillText::tr("Paid amount is less than due amount");
        return check;
    }
    check.change = grandTotal - check.paid;
    // The change box holds ten characters like the others.
    if (!TillLimits::FitsBox(check.change))
        check.refusal = TillText::tr("Paid amount is too large for the CHANGE box.");
    return check;
}
