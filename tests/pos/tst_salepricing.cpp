#include "testenvironment.h"

#include "salepricing.h"

Q_DECLARE_METATYPE(SaleLineInput)

// Pricing of sale lines, the entry-field and paid-amount checks and the stock arithmetic of the
// sales screen, without any widget.
class SalePricingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pricesLine_data();
    void pricesLine();
    void sumsFollowLines();
    void validatesEntryFields_data();
    void validatesEntryFields();
    void checksStock_data();
    void checksStock();
    void validatesPaidAmount_data();
    void validatesPaidAmount();
    void computesChange();
};

namespace {

SaleLineInput Line(const QString& salePrice, int itemsPerUnit, int items, int subItems,
                   float batchDiscount, float taxRate)
{
    SaleLineInput input;
    input.salePrice = salePrice;
    input.purchasePrice = QStringLiteral("6");
    input.itemsPerUnit = itemsPerUnit;
    input.items = items;
    input.subItems = subItems;
    input.batchDiscount = batchDiscount;
    input.taxRate = taxRate;
    input.discountText = QStringLiteral("0");
    return input;
}

} // namespace

void SalePricingTest::pricesLine_data()
{
    QTest::addColumn<SaleLineInput>("input");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("lineTotal");
    QTest::addColumn<QString>("purchaseTotal");
    QTest::addColumn<QString>("grandTotal");
    QTest::addColumn<QString>("taxTotal");
    QTest::addColumn<QString>("discountTotal");

    // One unit and five of ten sub-items at 10 a unit, 10 % off, 10 % tax.
    const SaleLineInput example = Line(QStringLiteral("10"), 10, 1, 5, 10, 10);
    QTest::newRow("worked example") << example << "1.50"
                                    << "13.50"
                                    << "9.00"
                                    << "14.85"
                                    << "1.35"
                                    << "1.50";

    SaleLineInput returned = example;
    returned.returnMode = true;
    QTest::newRow("return mode negates total, tax and cost, not the discount") << returned << "1.50"
                                                                               << "-13.50"
                                                                               << "-9.00"
                                                                               << "-14.85"
                                                                               << "-1.35"
                                                                               << "1.50";

    SaleLineInput special = example;
    special.specialDiscount = true;
    special.discountText = QStringLiteral("20");
    QTest::newRow("special discount replaces the batch discount") << special << "3.00"
                                                                  << "12.00"
                                                                  << "9.00"
                                                                  << "13.20"
                                                                  << "1.20"
                                                                  << "3.00";

    SaleLineInput specialZero = example;
    specialZero.specialDiscount = true;
    QTest::newRow("special discount 0 ignores the batch discount") << specialZero << "0.00"
                                                                   << "15.00"
                                                                   << "9.00"
                                                                   << "16.50"
                                                                   << "1.50"
                                                                   << "0.00";

    SaleLineInput ignoredText = example;
    ignoredText.discountText = QStringLiteral("50");
    QTest::newRow("discount field unused without special discount") << ignoredText << "1.50"
                                                                    << "13.50"
                                                                    << "9.00"
                                                                    << "14.85"
                                                                    << "1.35"
                                                                    << "1.50";

    SaleLineInput noTax = example;
    noTax.taxEnabled = false;
    QTest::newRow("tax disabled") << noTax << "1.50"
                                  << "13.50"
                                  << "9.00"
                                  << "13.50"
                                  << "0.00"
                                  << "1.50";

    QTest::newRow("tax 8.5 on 100") << Line(QStringLiteral("100"), 1, 1, 0, 0, 8.5f) << "0.00"
                                    << "100.00"
                                    << "6.00"
                                    << "108.50"
                                    << "8.50"
                                    << "0.00";

    QTest::newRow("nothing requested") << Line(QStringLiteral("4.25"), 6, 0, 0, 5, 10) << "0.00"
                                       << "0.00"
                                       << "0.00"
                                       << "0.00"
                                       << "0.00"
                                       << "0.00";

    QTest::newRow("price text with decimals")
        << Line(QStringLiteral("2.5"), 1, 3, 0, 0, 0) << "0.00"
        << "7.50"
        << "18.00"
        << "7.50"
        << "0.00"
        << "0.00";

    QTest::newRow("unreadable price counts as 0")
        << Line(QStringLiteral("abc"), 1, 2, 0, 0, 10) << "0.00"
        << "0.00"
        << "12.00"
        << "0.00"
        << "0.00"
        << "0.00";
}

void SalePricingTest::pricesLine()
{
    QFETCH(SaleLineInput, input);
    QFETCH(QString, discount);
    QFETCH(QString, lineTotal);
    QFETCH(QString, purchaseTotal);
    QFETCH(QString, grandTotal);
    QFETCH(QString, taxTotal);
    QFETCH(QString, discountTotal);

    const SaleLinePrice line = PriceSaleLine(input);
    QCOMPARE(line.discountText, discount);
    QCOMPARE(line.lineTotalText, lineTotal);
    QCOMPARE(line.purchaseTotalText, purchaseTotal);

    SaleSums sums;
    AddLineToSums(sums, line);
    QCOMPARE(MoneyText(sums.grandTotal), grandTotal);
    QCOMPARE(MoneyText(sums.taxTotal), taxTotal);
    QCOMPARE(MoneyText(sums.discountTotal), discountTotal);
}

void SalePricingTest::sumsFollowLines()
{
    // A sale and the return of the same item cancel out, while the discount total keeps both.
    SaleLineInput sold = Line(QStringLiteral("10"), 10, 1, 5, 10, 10);
    SaleLineInput returned = sold;
    returned.returnMode = true;
    SaleSums sums;
    AddLineToSums(sums, PriceSaleLine(sold));
    AddLineToSums(sums, PriceSaleLine(sold));
    QCOMPARE(MoneyText(sums.grandTotal), QStringLiteral("29.70"));
    AddLineToSums(sums, PriceSaleLine(returned));
    QCOMPARE(MoneyText(sums.grandTotal), QStringLiteral("14.85"));
    QCOMPARE(MoneyText(sums.taxTotal), QStringLiteral("1.35"));
    QCOMPARE(MoneyText(sums.discountTotal), QStringLiteral("4.50"));

    // Only returns: the grand total goes below zero.
    SaleSums refunds;
    AddLineToSums(refunds, PriceSaleLine(returned));
    QVERIFY(refunds.grandTotal < 0);
}

void SalePricingTest::validatesEntryFields_data()
{
    QTest::addColumn<QString>("barCode");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("items");
    QTest::addColumn<QString>("subItems");
    QTest::addColumn<QString>("message");

    const QString barCodeMessage =
        QStringLiteral("Barcode is invalid. Please enter numeric bar code.");
    const QString discountMessage =
        QStringLiteral("Discount is invalid. Please enter numeric (0 to 99.99) discount value.");
    const QString itemsMessage =
        QStringLiteral("Quantity is invalid. Please enter numeric quantity value.");
    const QString subItemsMessage =
        QStringLiteral("Subitems is invalid. Please enter numeric subitems value.");

    QTest::newRow("plain") << "4006381333931"
                           << "0"
                           << "1"
                           << "0" << QString();
    QTest::newRow("letters and underscore") << "ABC_12"
                                            << "0"
                                            << "1"
                                            << "0" << QString();
    QTest::newRow("20 characters") << QString(20, QLatin1Char('7')) << "0"
                                   << "1"
                                   << "0" << QString();
    QTest::newRow("21 characters") << QString(21, QLatin1Char('7')) << "0"
                                   << "1"
                                   << "0" << barCodeMessage;
    QTest::newRow("hyphen") << "12-34"
                            << "0"
                            << "1"
                            << "0" << barCodeMessage;
    QTest::newRow("empty barcode") << ""
                                   << "0"
                                   << "1"
                                   << "0" << barCodeMessage;
    QTest::newRow("quote") << "1' OR '1'='1"
                           << "0"
                           << "1"
                           << "0" << barCodeMessage;
    QTest::newRow("SQL text") << "1;DROP TABLE x"
                              << "0"
                              << "1"
                              << "0" << barCodeMessage;
    QTest::newRow("blank inside") << "12 34"
                                  << "0"
                                  << "1"
                                  << "0" << barCodeMessage;

    QTest::newRow("discount 5.5") << "1"
                                  << "5.5"
                                  << "1"
                                  << "0" << QString();
    QTest::newRow("discount 99.99") << "1"
                                    << "99.99"
                                    << "1"
                                    << "0" << QString();
    QTest::newRow("discount 100") << "1"
                                  << "100"
                                  << "1"
                                  << "0" << discountMessage;
    QTest::newRow("discount 5.") << "1"
                                 << "5."
                                 << "1"
                                 << "0" << discountMessage;
    QTest::newRow("discount .5") << "1"
                                 << ".5"
                                 << "1"
                                 << "0" << discountMessage;
    QTest::newRow("discount 1.234") << "1"
                                    << "1.234"
                                    << "1"
                                    << "0" << discountMessage;
    QTest::newRow("discount empty") << "1"
                                    << ""
                                    << "1"
                                    << "0" << discountMessage;

    QTest::newRow("quantity 9999") << "1"
                                   << "0"
                                   << "9999"
                                   << "9999" << QString();
    QTest::newRow("quantity 0") << "1"
                                << "0"
                                << "0"
                                << "0" << QString();
    QTest::newRow("quantity 10000") << "1"
                                    << "0"
                                    << "10000"
                                    << "0" << itemsMessage;
    QTest::newRow("quantity negative") << "1"
                                       << "0"
                                       << "-1"
                                       << "0" << itemsMessage;
    QTest::newRow("quantity empty") << "1"
                                    << "0"
                                    << ""
                                    << "0" << itemsMessage;
    QTest::newRow("sub-items decimal") << "1"
                                       << "0"
                                       << "1"
                                       << "1.5" << subItemsMessage;
    QTest::newRow("sub-items empty") << "1"
                                     << "0"
                                     << "1"
                                     << "" << subItemsMessage;

    // The first failing field in the order barcode, discount, quantity, sub-items wins.
    QTest::newRow("all bad") << ""
                             << "x"
                             << "x"
                             << "x" << barCodeMessage;
    QTest::newRow("discount before quantity") << "1"
                                              << "x"
                                              << "x"
                                              << "x" << discountMessage;
    QTest::newRow("quantity before sub-items") << "1"
                                               << "0"
                                               << "x"
                                               << "x" << itemsMessage;
}

void SalePricingTest::validatesEntryFields()
{
    QFETCH(QString, barCode);
    QFETCH(QString, discount);
    QFETCH(QString, items);
    QFETCH(QString, subItems);
    QFETCH(QString, message);
    QCOMPARE(ValidateEntryFields(barCode, discount, items, subItems), message);
}

void SalePricingTest::checksStock_data()
{
    QTest::addColumn<int>("quantity");
    QTest::addColumn<int>("subItems");
    QTest::addColumn<int>("itemsPerUnit");
    QTest::addColumn<int>("requestedItems");
    QTest::addColumn<int>("requestedSubItems");
    QTest::addColumn<bool>("returnMode");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<int>("newQuantity");
    QTest::addColumn<int>("newSubItems");

    QTest::newRow("20 sub-items minus 15")
        << 2 << 0 << 10 << 1 << 5 << false << QString() << 0 << 5;
    QTest::newRow("all of it") << 2 << 0 << 10 << 2 << 0 << false << QString() << 0 << 0;
    QTest::newRow("whole items of one per unit")
        << 3 << 0 << 1 << 2 << 0 << false << QString() << 1 << 0;
    QTest::newRow("loose sub-items break a unit")
        << 1 << 3 << 10 << 0 << 4 << false << QString() << 0 << 9;
    QTest::newRow("too little stock")
        << 0 << 7 << 10 << 1 << 0 << false
        << QStringLiteral("Rquested quantity is not available. There are (0) items, and (7) "
                          "sub-items in the stock.")
        << 0 << 0;
    QTest::newRow("out of stock") << 0 << 0 << 10 << 1 << 0 << false
                                  << QStringLiteral("This item is out of stock") << 0 << 0;
    QTest::newRow("out of stock even for nothing")
        << 0 << 0 << 10 << 0 << 0 << false << QStringLiteral("This item is out of stock") << 0 << 0;
    QTest::newRow("sub-items of a whole-only item")
        << 5 << 0 << 1 << 1 << 1 << false
        << QStringLiteral("This item can only be sold as a whole. Subitems should be 0. ") << 0
        << 0;
    QTest::newRow("return into empty stock")
        << 0 << 0 << 10 << 0 << 15 << true << QString() << 1 << 5;
    QTest::newRow("return skips the stock tests")
        << 0 << 0 << 1 << 4 << 0 << true << QString() << 4 << 0;
    QTest::newRow("return of sub-items of a whole-only item")
        << 0 << 0 << 1 << 0 << 2 << true
        << QStringLiteral("This item can only be sold as a whole. Subitems should be 0. ") << 0
        << 0;
    QTest::newRow("no items per unit")
        << 5 << 0 << 0 << 1 << 0 << false
        << QStringLiteral("This item has no valid items per unit. Please correct the product.") << 0
        << 0;
    QTest::newRow("negative items per unit")
        << 5 << 0 << -2 << 1 << 0 << true
        << QStringLiteral("This item has no valid items per unit. Please correct the product.") << 0
        << 0;
}

void SalePricingTest::checksStock()
{
    QFETCH(int, quantity);
    QFETCH(int, subItems);
    QFETCH(int, itemsPerUnit);
    QFETCH(int, requestedItems);
    QFETCH(int, requestedSubItems);
    QFETCH(bool, returnMode);
    QFETCH(QString, refusal);
    QFETCH(int, newQuantity);
    QFETCH(int, newSubItems);

    StockRequest request;
    request.quantity = quantity;
    request.subItems = subItems;
    request.itemsPerUnit = itemsPerUnit;
    request.requestedItems = requestedItems;
    request.requestedSubItems = requestedSubItems;
    request.returnMode = returnMode;
    const StockOutcome outcome = CheckStock(request);
    QCOMPARE(outcome.refusal, refusal);
    if (refusal.isEmpty()) {
        QCOMPARE(outcome.newQuantity, newQuantity);
        QCOMPARE(outcome.newSubItems, newSubItems);
    }
}

void SalePricingTest::validatesPaidAmount_data()
{
    QTest::addColumn<QString>("paid");
    QTest::addColumn<bool>("valid");
    QTest::newRow("50") << "50" << true;
    QTest::newRow("50.7") << "50.7" << true;
    QTest::newRow("50.75") << "50.75" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("long") << "123456789" << true;
    QTest::newRow("50.") << "50." << false;
    QTest::newRow(".75") << ".75" << false;
    QTest::newRow("50.755") << "50.755" << false;
    QTest::newRow("-1") << "-1" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("comma") << "50,75" << false;
    QTest::newRow("blank") << " 50" << false;
}

void SalePricingTest::validatesPaidAmount()
{
    QFETCH(QString, paid);
    QFETCH(bool, valid);
    QCOMPARE(ValidatePaidAmount(paid),
             valid ? QString() : QStringLiteral("Paid amount is not valid. Example 50.75"));
}

void SalePricingTest::computesChange()
{
    QCOMPARE(MoneyText(ComputeChange(33.0f, 50.0f)), QStringLiteral("-17.00"));
    QCOMPARE(MoneyText(ComputeChange(14.85f, 14.85f)), QStringLiteral("0.00"));
    // A refund paid with nothing: the change is the negative total itself.
    QCOMPARE(ComputeChange(-14.85f, 0.0f), -14.85f);
}

MERCHORA_TEST_MAIN(SalePricingTest)
#include "tst_salepricing.moc"
