#include "testenvironment.h"

#include "core/salepricing.h"
#include "core/salestore.h"
#include "core/schema.h"

#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

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
    void stockBeyond32Bits();
    void storedPriceTextHasNoExponent();
    void validatesPaidAmount_data();
    void validatesPaidAmount();
    void checksPayment_data();
    void checksPayment();
    void randomSalesMatchExactArithmetic();
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
    input.batchDiscount = Percent::FromDouble(batchDiscount);
    input.taxRate = Percent::FromDouble(taxRate);
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

    QTest::newRow("99 at 662.47 without drift")
        << Line(QStringLiteral("662.47"), 1, 99, 0, 0, 0) << "0.00"
        << "65584.53"
        << "594.00"
        << "65584.53"
        << "0.00"
        << "0.00";
    QTest::newRow("tax 1.785 rounds half up")
        << Line(QStringLiteral("7.00"), 1, 3, 0, 0, 8.5f) << "0.00"
        << "21.00"
        << "18.00"
        << "22.79"
        << "1.79"
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
    QCOMPARE(MoneyText(sums.GrandTotal()), grandTotal);
    QCOMPARE(MoneyText(sums.TaxTotal()), taxTotal);
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
    QCOMPARE(MoneyText(sums.GrandTotal()), QStringLiteral("29.70"));
    AddLineToSums(sums, PriceSaleLine(returned));
    QCOMPARE(MoneyText(sums.GrandTotal()), QStringLiteral("14.85"));
    QCOMPARE(MoneyText(sums.TaxTotal()), QStringLiteral("1.35"));
    QCOMPARE(MoneyText(sums.discountTotal), QStringLiteral("4.50"));

    // Ten items at 0.10 make exactly 1.00, which pays the sale.
    SaleSums dimes;
    for (int i = 0; i < 10; ++i)
        AddLineToSums(dimes, PriceSaleLine(Line(QStringLiteral("0.1"), 1, 1, 0, 0, 0)));
    QCOMPARE(MoneyText(dimes.GrandTotal()), QStringLiteral("1.00"));
    QVERIFY(CheckPayment(QStringLiteral("1.00"), dimes.GrandTotal()).refusal.isEmpty());

    // Only returns: the grand total goes below zero.
    SaleSums refunds;
    AddLineToSums(refunds, PriceSaleLine(returned));
    QVERIFY(refunds.GrandTotal() < Money());
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
        QCOMPARE(outcome.newQuantity, qint64(newQuantity));
        QCOMPARE(outcome.newSubItems, qint64(newSubItems));
    }
}

void SalePricingTest::stockBeyond32Bits()
{
    // A batch of 9,999,999,999 units (stored by an older copy) no longer wraps around.
    StockRequest request;
    request.quantity = Q_INT64_C(9999999999);
    request.itemsPerUnit = 10;
    request.requestedItems = 1;
    const StockOutcome outcome = CheckStock(request);
    QVERIFY(outcome.refusal.isEmpty());
    QCOMPARE(outcome.newQuantity, Q_INT64_C(9999999998));
    QCOMPARE(outcome.newSubItems, Q_INT64_C(0));
}

void SalePricingTest::storedPriceTextHasNoExponent()
{
    QCOMPARE(StoredPriceText(QVariant(8000000.0)), QStringLiteral("8000000"));
    QCOMPARE(StoredPriceText(QVariant(1234567.5)), QStringLiteral("1234567.5"));
    QCOMPARE(StoredPriceText(QVariant(0.1)), QStringLiteral("0.1"));
    QCOMPARE(StoredPriceText(QVariant(QStringLiteral("12.50"))), QStringLiteral("12.50"));
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

void SalePricingTest::checksPayment_data()
{
    QTest::addColumn<QString>("paid");
    QTest::addColumn<qint64>("grandTotalCents");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("change");

    const QString tooLittle = QStringLiteral("Paid amount is less than due amount");
    QTest::newRow("overpaid") << "50" << Q_INT64_C(3300) << QString() << "-17.00";
    QTest::newRow("exact total") << "14.85" << Q_INT64_C(1485) << QString() << "0.00";
    QTest::newRow("ten times 0.10 paid with 1.00")
        << "1.00" << Q_INT64_C(100) << QString() << "0.00";
    QTest::newRow("a cent short") << "14.84" << Q_INT64_C(1485) << tooLittle << "";
    QTest::newRow("refund paid with nothing") << "0" << Q_INT64_C(-1485) << QString() << "-14.85";
    QTest::newRow("invalid text") << "1.005" << Q_INT64_C(100)
                                  << "Paid amount is not valid. Example 50.75"
                                  << "";
    // Ten characters of digits: the change would need eleven.
    QTest::newRow("change beyond the box")
        << "9999999999" << Q_INT64_C(100) << "Paid amount is too large for the CHANGE box."
        << "";
    QTest::newRow("widest change that fits")
        << "1000000.99" << Q_INT64_C(100) << QString() << "-999999.99";
}

void SalePricingTest::checksPayment()
{
    QFETCH(QString, paid);
    QFETCH(qint64, grandTotalCents);
    QFETCH(QString, refusal);
    QFETCH(QString, change);
    const PaymentCheck check = CheckPayment(paid, Money::FromCents(grandTotalCents));
    QCOMPARE(check.refusal, refusal);
    if (refusal.isEmpty())
        QCOMPARE(MoneyText(check.change), change);
}

namespace {

// Exact rational numbers for the reference arithmetic of the property test.
struct Fraction
{
    __int128 num = 0;
    __int128 den = 1;
};

__int128 Gcd(__int128 a, __int128 b)
{
    if (a < 0)
        a = -a;
    while (b != 0) {
        const __int128 t = a % b;
        a = b;
        b = t;
    }
    return a == 0 ? 1 : a;
}

Fraction Make(__int128 num, __int128 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const __int128 g = Gcd(num, den);
    return Fraction{num / g, den / g};
}

Fraction operator+(Fraction a, Fraction b)
{
    return Make(a.num * b.den + b.num * a.den, a.den * b.den);
}
Fraction operator-(Fraction a, Fraction b)
{
    return Make(a.num * b.den - b.num * a.den, a.den * b.den);
}
Fraction operator*(Fraction a, Fraction b)
{
    return Make(a.num * b.num, a.den * b.den);
}
Fraction operator/(Fraction a, Fraction b)
{
    return Make(a.num * b.den, a.den * b.num);
}

// A decimal text such as "662.47" as an exact fraction.
Fraction Decimal(const QString& text)
{
    const int point = text.indexOf(QLatin1Char('.'));
    const QString digits = point < 0 ? text : text.left(point) + text.mid(point + 1);
    __int128 den = 1;
    for (int i = point < 0 ? 0 : text.size() - point - 1; i > 0; --i)
        den *= 10;
    return Make(digits.toLongLong(), den);
}

// Cents, rounded half away from zero, as a school child would: look at the remainder.
qint64 CentsOf(Fraction value)
{
    const Fraction cents = value * Make(100, 1);
    const bool negative = cents.num < 0;
    const __int128 magnitude = negative ? -cents.num : cents.num;
    __int128 whole = magnitude / cents.den;
    if ((magnitude % cents.den) * 2 >= cents.den)
        ++whole;
    return static_cast<qint64>(negative ? -whole : whole);
}

QString TwoDecimals(QRandomGenerator& random, int maxWhole)
{
    const int whole = random.bounded(maxWhole + 1);
    switch (random.bounded(3)) {
    case 0:
        return QString::number(whole);
    case 1:
        return QString::number(whole) + QLatin1Char('.') + QString::number(random.bounded(10));
    default:
        return QString::number(whole) + QLatin1Char('.') +
               QString::number(random.bounded(100)).rightJustified(2, QLatin1Char('0'));
    }
}

} // namespace

void SalePricingTest::randomSalesMatchExactArithmetic()
{
    // Thousands of random sales against a reference in exact fractions: every line's texts, the
    // totals, the stored rows and the change agree to the cent, and the shown total is payable.
    QSqlDatabase sales = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("P"));
    sales.setDatabaseName(QStringLiteral(":memory:"));
    QVERIFY(sales.open());
    {
        QSqlQuery create(sales);
        for (const QString& statement : Schema::SalesTables())
            QVERIFY2(create.exec(statement), qPrintable(create.lastError().text()));
    }

    QRandomGenerator random(20261207);
    const QString taxRates[] = {QStringLiteral("0"), QStringLiteral("8.5"),
                                QStringLiteral("17.25")};
    const int itemsPerUnit[] = {1, 2, 3, 6, 7, 10, 12, 24, 100};
    const int saleCount = 3000;
    for (int saleNo = 0; saleNo < saleCount; ++saleNo) {
        const bool taxEnabled = random.bounded(5) != 0;
        SaleSums sums;
        Fraction exactTax;
        qint64 referenceLines = 0;
        qint64 referenceDiscounts = 0;
        SaleRecord record;
        const int lineCount = 1 + random.bounded(8);
        for (int lineNo = 0; lineNo < lineCount; ++lineNo) {
            SaleLineInput input;
            input.salePrice = TwoDecimals(random, random.bounded(4) == 0 ? 30000 : 1000);
            input.purchasePrice = TwoDecimals(random, 1000);
            input.itemsPerUnit = itemsPerUnit[random.bounded(9)];
            input.items = random.bounded(100);
            input.subItems = input.itemsPerUnit == 1 ? 0 : random.bounded(int(input.itemsPerUnit));
            const QString batchDiscount =
                random.bounded(3) == 0 ? TwoDecimals(random, 99) : QStringLiteral("0");
            input.batchDiscount = Percent::Parse(batchDiscount);
            input.specialDiscount = random.bounded(4) == 0;
            input.discountText = TwoDecimals(random, 99);
            const QString taxRate = taxRates[random.bounded(3)];
            input.taxRate = Percent::Parse(taxRate);
            input.taxEnabled = taxEnabled;
            input.returnMode = random.bounded(6) == 0;

            const SaleLinePrice line = PriceSaleLine(input);
            QVERIFY(line.valid);

            // The reference follows the pricing steps with exact fractions.
            const Fraction price = Decimal(input.salePrice);
            const Fraction units = Make(input.itemsPerUnit, 1);
            const Fraction gross =
                Make(input.subItems, 1) * (price / units) + Make(input.items, 1) * price;
            const Fraction percent =
                Decimal(input.specialDiscount ? input.discountText : batchDiscount);
            const Fraction discount = percent / Make(100, 1) * gross;
            const qint64 sign = input.returnMode ? -1 : 1;
            const qint64 lineTotal = sign * CentsOf(gross - discount);
            const Fraction cost = Decimal(input.purchasePrice);
            const qint64 purchaseTotal = sign * CentsOf(Make(input.subItems, 1) * (cost / units) +
                                                        Make(input.items, 1) * cost);
            const Fraction rate = taxEnabled ? Decimal(taxRate) : Fraction();
            exactTax = exactTax + rate * Make(lineTotal, 100) / Make(100, 1);

            QCOMPARE(line.discountText, Money::FromCents(CentsOf(discount)).ToString());
            QCOMPARE(line.lineTotalText, Money::FromCents(lineTotal).ToString());
            QCOMPARE(line.purchaseTotalText, Money::FromCents(purchaseTotal).ToString());
            AddLineToSums(sums, line);
            referenceLines += lineTotal;
            referenceDiscounts += CentsOf(discount);

            SaleLineRecord stored;
            stored.index = lineNo;
            stored.productName = QStringLiteral("P%1").arg(lineNo);
            stored.quantity = input.items;
            stored.subItems = input.subItems;
            stored.salePrice = Money::Parse(input.salePrice);
            stored.purchasePrice = Money::Parse(input.purchasePrice);
            stored.discount = Money::Parse(line.discountText);
            stored.subTotal = Money::Parse(line.lineTotalText);
            stored.purchaseSubTotal = Money::Parse(line.purchaseTotalText);
            record.lines << stored;
        }
        const qint64 referenceTax = CentsOf(exactTax);
        const qint64 referenceGrand = referenceLines + referenceTax;
        QCOMPARE(sums.TaxTotal().Cents(), referenceTax);
        QCOMPARE(sums.GrandTotal().Cents(), referenceGrand);
        QCOMPARE(sums.discountTotal.Cents(), referenceDiscounts);
        // Totals beyond the ten characters of the TOTAL box refuse the line that would cause them.
        const bool fits = referenceGrand >= -99999999 && referenceGrand <= 999999999 &&
                          referenceTax >= -99999999 && referenceTax <= 999999999;
        QCOMPARE(CheckSumsFitTill(sums).isEmpty(), fits);
        if (!fits)
            continue;

        // Paying exactly what the TOTAL box shows is accepted with no change; a refund is paid
        // with nothing.
        const QString shown = MoneyText(sums.GrandTotal());
        const QString paidText = referenceGrand >= 0 ? shown : QStringLiteral("0");
        const PaymentCheck payment = CheckPayment(paidText, sums.GrandTotal());
        QVERIFY2(payment.refusal.isEmpty(), qPrintable(shown + QLatin1Char(' ') + payment.refusal));
        QCOMPARE(payment.change.Cents(), referenceGrand >= 0 ? 0 : referenceGrand);
        if (referenceGrand > 0) {
            const PaymentCheck short_ =
                CheckPayment(Money::FromCents(referenceGrand - 1).ToString(), sums.GrandTotal());
            QVERIFY(!short_.refusal.isEmpty());
        }

        record.userId = QStringLiteral("cashier");
        record.customer = QStringLiteral("NOT SELECTED");
        record.timeStamp = QDateTime(QDate(2026, 12, 7), QTime(10, 0));
        record.grandTotal = sums.GrandTotal();
        record.paid = payment.paid;
        record.change = payment.change;
        const StoredSale result = StoreSale(sales, record);
        QVERIFY2(result.Ok(), qPrintable(result.error.text()));

        // The stored REAL values are the two-decimal amounts themselves, without float noise.
        QSqlQuery row(sales);
        row.prepare(QStringLiteral("SELECT GRAND_TOTAL, PAID, RETURN FROM tblSalesTransactions "
                                   "WHERE ID = ?"));
        row.addBindValue(result.id);
        QVERIFY(row.exec() && row.next());
        QCOMPARE(row.value(0).toDouble(), double(referenceGrand) / 100);
        QCOMPARE(row.value(1).toDouble(), payment.paid.ToDouble());
        QCOMPARE(row.value(2).toDouble(), double(payment.change.Cents()) / 100);
        QSqlQuery lines(sales);
        lines.prepare(QStringLiteral("SELECT SUB_TOTAL, DISCOUNT, PURCHASE_SUB_TOTAL, SALE_PRICE "
                                     "FROM tblSalesInvoice WHERE TRANSACTION_ID = ? ORDER BY "
                                     "ITEM_INDEX"));
        lines.addBindValue(result.id);
        QVERIFY(lines.exec());
        qint64 storedSum = 0;
        for (const SaleLineRecord& expected : record.lines) {
            QVERIFY(lines.next());
            QCOMPARE(lines.value(0).toDouble(), double(expected.subTotal.Cents()) / 100);
            QCOMPARE(lines.value(1).toDouble(), double(expected.discount.Cents()) / 100);
            QCOMPARE(lines.value(2).toDouble(), double(expected.purchaseSubTotal.Cents()) / 100);
            QCOMPARE(lines.value(3).toDouble(), double(expected.salePrice.Cents()) / 100);
            storedSum += Money::FromDouble(lines.value(0).toDouble()).Cents();
        }
        QVERIFY(!lines.next());
        QCOMPARE(storedSum, referenceLines);
    }
    sales.close();
}

MERCHORA_TEST_GUILESS_MAIN(SalePricingTest)
#include "tst_salepricing.moc"
