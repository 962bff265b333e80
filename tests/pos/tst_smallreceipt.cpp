#include "modaldialoghandler.h"
#include "pdftools.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/itemtransactionsmodel.h"
#include "core/utility.h"
#include "pos/pos.h"
#include "pos/smallreceipt.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

using TestSupport::StoreBuilder;

// The till receipt: texts of the sale lines and totals, their layout on the narrow paper, and
// the PDF it writes as read back by the PDF tools.
class SmallReceiptTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void lineTexts_data();
    void lineTexts();
    void longNamesStopBeforePrice_data();
    void longNamesStopBeforePrice();
    void logoSide_data();
    void logoSide();
    void totalsLines_data();
    void totalsLines();
    void printsPdf_data();
    void printsPdf();
    void paperFromSettings();
    void longSaleContinuesOnNewPages();
    void gathersSaleFromScreen();
    void screenshot();

private:
    QString pdfPath(const QString& name) const { return m_dir.filePath(name); }
    // Output of a PDF tool, or an empty text when it failed.

    QTemporaryDir m_dir;
    TestSupport::ModalDialogHandler m_dialogs;
};

namespace {

QStringList Line(const QString& index, const QString& name, const QString& items,
                 const QString& subItems, const QString& price, const QString& discount,
                 const QString& total)
{
    return {index,
            name,
            items,
            subItems,
            price,
            discount,
            total,
            QStringLiteral("0"),
            QStringLiteral("0")};
}

SmallReceiptData SampleSale()
{
    SmallReceiptData data;
    data.companyName = QStringLiteral("Corner Grocer");
    data.companyAddress = QStringLiteral("12 Market Street\nLakeside");
    data.companyContact = QStringLiteral("Phone: 555 0100");
    data.printLogo = false;
    data.transactionId = QStringLiteral("42");
    data.dateTime = QDateTime(QDate(2026, 3, 5), QTime(14, 7, 9));
    data.currencySymbol = QStringLiteral("$");
    data.taxEnabled = true;
    data.taxName = QStringLiteral("VAT");
    data.subItemsMode = true;
    data.lines << Line(QStringLiteral("0"), QStringLiteral("Green Tea"), QStringLiteral("3"),
                       QStringLiteral("0"), QStringLiteral("2.5"), QStringLiteral("0.00"),
                       QStringLiteral("7.50"))
               << Line(QStringLiteral("1"), QStringLiteral("Eggs"), QStringLiteral("1"),
                       QStringLiteral("4"), QStringLiteral("10"), QStringLiteral("1.00"),
                       QStringLiteral("13.00"));
    data.grandTotalText = QStringLiteral("22.05");
    data.taxTotalText = QStringLiteral("1.55");
    data.paidText = QStringLiteral("30");
    data.changeText = QStringLiteral("7.95");
    data.discountTotal = Money::FromCents(100);
    return data;
}

QString Simplified(const QString& text)
{
    return text.simplified();
}

} // namespace

void SmallReceiptTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
    QVERIFY(m_dir.isValid());
}

void SmallReceiptTest::cleanup()
{
    TestSupport::resetDatabases();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

void SmallReceiptTest::lineTexts_data()
{
    QTest::addColumn<QStringList>("line");
    QTest::addColumn<bool>("subItemsMode");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");

    const QString z = QStringLiteral("0");
    QTest::newRow("several items show unit price")
        << Line(z, QStringLiteral("Tea"), QStringLiteral("3"), z, QStringLiteral("2.5"), z,
                QStringLiteral("7.50"))
        << false << QStringLiteral("3") << QStringLiteral("(2.5) 7.50");
    QTest::newRow("one item shows only total")
        << Line(z, QStringLiteral("Tea"), QStringLiteral("1"), z, QStringLiteral("2.5"), z,
                QStringLiteral("2.50"))
        << false << QStringLiteral("1") << QStringLiteral("2.50");
    QTest::newRow("sub-items counted")
        << Line(z, QStringLiteral("Eggs"), QStringLiteral("1"), QStringLiteral("4"),
                QStringLiteral("10"), z, QStringLiteral("14.00"))
        << true << QStringLiteral("1(4)") << QStringLiteral("14.00");
    QTest::newRow("no sub-items sold")
        << Line(z, QStringLiteral("Eggs"), QStringLiteral("2"), z, QStringLiteral("10"), z,
                QStringLiteral("20.00"))
        << true << QStringLiteral("2") << QStringLiteral("(10) 20.00");
    QTest::newRow("sub-items ignored outside sub-items mode")
        << Line(z, QStringLiteral("Eggs"), QStringLiteral("1"), QStringLiteral("4"),
                QStringLiteral("10"), z, QStringLiteral("14.00"))
        << false << QStringLiteral("1") << QStringLiteral("14.00");
    QTest::newRow("returned items keep plain total")
        << Line(z, QStringLiteral("Tea"), QStringLiteral("-2"), z, QStringLiteral("2.5"), z,
                QStringLiteral("-5.00"))
        << false << QStringLiteral("-2") << QStringLiteral("-5.00");
}

void SmallReceiptTest::lineTexts()
{
    QFETCH(QStringList, line);
    QFETCH(bool, subItemsMode);
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QCOMPARE(SmallReceiptQuantityText(line, subItemsMode), quantity);
    QCOMPARE(SmallReceiptPriceText(line), price);
}

void SmallReceiptTest::longNamesStopBeforePrice_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("items");
    QTest::addColumn<bool>("elided");

    QTest::newRow("short name") << QStringLiteral("Salt") << QStringLiteral("1") << false;
    QTest::newRow("long name") << QStringLiteral(
                                      "Extra Virgin Olive Oil Cold Pressed Family Size Bottle")
                               << QStringLiteral("1") << true;
    QTest::newRow("long name with unit price")
        << QStringLiteral("Extra Virgin Olive Oil Cold Pressed Family Size Bottle")
        << QStringLiteral("12") << true;
}

void SmallReceiptTest::longNamesStopBeforePrice()
{
    QFETCH(QString, name);
    QFETCH(QString, items);
    QFETCH(bool, elided);

    const int width = 177;
    const QFont regular(QStringLiteral("Arial"), 7);
    QFont fixed(regular);
    fixed.setFixedPitch(true);
    const QFontMetrics regularMetrics(regular);
    const QFontMetrics fixedMetrics(fixed);
    const QStringList line =
        Line(QStringLiteral("0"), name, items, QStringLiteral("0"), QStringLiteral("1234.5"),
             QStringLiteral("0"), QStringLiteral("14814.00"));
    const SmallReceiptRow row =
        LayoutSmallReceiptRow(line, false, width, regularMetrics, fixedMetrics);

    QCOMPARE(row.nameBox.x(), SmallReceiptLayout::NAME_X);
    const int priceLeft = width - fixedMetrics.horizontalAdvance(row.price);
    QVERIFY2(row.nameBox.right() < priceLeft, qPrintable(row.name));
    QVERIFY(regularMetrics.horizontalAdvance(row.name) <= row.nameBox.width());
    if (elided) {
        // Shortened in the middle: both ends of the name are kept.
        QVERIFY2(row.name.contains(QChar(0x2026)), qPrintable(row.name));
        QVERIFY(row.name.startsWith(name.left(3)));
        QVERIFY(row.name.endsWith(name.right(2)));
    } else {
        QCOMPARE(row.name, name);
    }
}

void SmallReceiptTest::logoSide_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("logoSize");
    QTest::addColumn<int>("side");

    QTest::newRow("default size is a third") << 177 << 10 << 59;
    QTest::newRow("half size rounds down") << 177 << 5 << 29;
    QTest::newRow("twice the size") << 177 << 20 << 118;
    QTest::newRow("no larger than the page") << 177 << 50 << 177;
    QTest::newRow("size zero draws no logo") << 177 << 0 << 0;
}

void SmallReceiptTest::logoSide()
{
    QFETCH(int, width);
    QFETCH(int, logoSize);
    QFETCH(int, side);
    QCOMPARE(SmallReceiptLogoSide(width, logoSize), side);
}

void SmallReceiptTest::totalsLines_data()
{
    QTest::addColumn<bool>("taxEnabled");
    QTest::addColumn<qint64>("discountCents");
    QTest::addColumn<QStringList>("totals");
    QTest::addColumn<QString>("discountLine");

    const QStringList withoutTax = {QStringLiteral("Grand Total: $ 22.05"),
                                    QStringLiteral("Paid $ 30"), QStringLiteral("Change $ 7.95")};
    QTest::newRow("tax and discount")
        << true << Q_INT64_C(100)
        << (QStringList{QStringLiteral("Sub Total: $ 20.50"), QStringLiteral("Total VAT: $ 1.55")} +
            withoutTax)
        << QStringLiteral("Total Discount: $ 1.00");
    QTest::newRow("no tax, no discount") << false << Q_INT64_C(0) << withoutTax << QString();
    QTest::newRow("discount in cents")
        << false << Q_INT64_C(235) << withoutTax << QStringLiteral("Total Discount: $ 2.35");
}

void SmallReceiptTest::totalsLines()
{
    QFETCH(bool, taxEnabled);
    QFETCH(qint64, discountCents);
    QFETCH(QStringList, totals);
    QFETCH(QString, discountLine);

    SmallReceiptData data = SampleSale();
    data.taxEnabled = taxEnabled;
    data.discountTotal = Money::FromCents(discountCents);
    QCOMPARE(SmallReceiptTotalsLines(data), totals);
    QCOMPARE(SmallReceiptDiscountLine(data), discountLine);
}

void SmallReceiptTest::printsPdf_data()
{
    QTest::addColumn<bool>("taxEnabled");
    QTest::addColumn<bool>("discount");
    QTest::addColumn<bool>("printLogo");

    QTest::newRow("tax, discount, no logo") << true << true << false;
    QTest::newRow("no tax, no discount, logo") << false << false << true;
}

void SmallReceiptTest::printsPdf()
{
    QFETCH(bool, taxEnabled);
    QFETCH(bool, discount);
    QFETCH(bool, printLogo);

    SmallReceiptData data = SampleSale();
    data.taxEnabled = taxEnabled;
    data.printLogo = printLogo;
    data.logo = QImage(QStringLiteral(":/resources/images/merchora_logo.png"));
    if (!discount)
        data.discountTotal = Money();

    const QString path = pdfPath(QStringLiteral("receipt.pdf"));
    QVERIFY(PrintSmallReceiptToPdf(data, path));
    QCOMPARE(TestSupport::pdfPageCount(path), 1);
    const QString text = TestSupport::pdfText(path);
    QVERIFY2(!text.isEmpty(), "pdftotext gave no text");
    const QStringList rows = text.split(QLatin1Char('\n'));
    auto rowWith = [&rows](const QString& needle) {
        for (const QString& row : rows)
            if (row.contains(needle))
                return Simplified(row);
        return QString();
    };

    QVERIFY(text.contains(QStringLiteral("Corner Grocer")));
    QVERIFY(text.contains(QStringLiteral("12 Market Street")));
    QVERIFY(text.contains(QStringLiteral("Phone: 555 0100")));
    QCOMPARE(rowWith(QStringLiteral("Date:")),
             QStringLiteral("Date: Thursday, 5 March 26 14:07:09"));
    QCOMPARE(rowWith(QStringLiteral("Receipt Nr.:")), QStringLiteral("Receipt Nr.: 42"));
    QCOMPARE(rowWith(QStringLiteral("Qty")), QStringLiteral("Qty Product Price"));
    QCOMPARE(rowWith(QStringLiteral("Green Tea")), QStringLiteral("3 Green Tea (2.5) 7.50"));
    QCOMPARE(rowWith(QStringLiteral("Eggs")), QStringLiteral("1(4) Eggs 13.00"));
    QCOMPARE(rowWith(QStringLiteral("Grand Total:")), QStringLiteral("Grand Total: $ 22.05"));
    QCOMPARE(rowWith(QStringLiteral("Paid")), QStringLiteral("Paid $ 30"));
    QCOMPARE(rowWith(QStringLiteral("Change")), QStringLiteral("Change $ 7.95"));

    QCOMPARE(text.contains(QStringLiteral("Sub Total: $ 20.50")), taxEnabled);
    QCOMPARE(text.contains(QStringLiteral("Total VAT: $ 1.55")), taxEnabled);
    QCOMPARE(text.contains(QStringLiteral("Total Discount: $ 1.00")), discount);
    QVERIFY(!text.contains(QStringLiteral("Total Discount")) || discount);

    // Order of the blocks down the receipt.
    const QStringList order = {QStringLiteral("Corner Grocer"), QStringLiteral("Date:"),
                               QStringLiteral("Receipt Nr.:"),  QStringLiteral("Qty"),
                               QStringLiteral("Green Tea"),     QStringLiteral("Eggs"),
                               QStringLiteral("Grand Total:"),  QStringLiteral("Paid"),
                               QStringLiteral("Change")};
    int previous = -1;
    for (const QString& needle : order) {
        const int at = text.indexOf(needle);
        QVERIFY2(at > previous, qPrintable(needle));
        previous = at;
    }
}

void SmallReceiptTest::paperFromSettings()
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    settings->setValue(QString::fromLatin1(SettingKey::PAPER_WIDTH), 80);
    settings->setValue(QString::fromLatin1(SettingKey::PAPER_HEIGHT), 200);

    const QString path = pdfPath(QStringLiteral("paper.pdf"));
    QVERIFY(PrintSmallReceiptToPdf(SampleSale(), path));
    const QString info = TestSupport::runTool(QStringLiteral("pdfinfo"), {path});
    const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    const QRegularExpressionMatch match = size.match(info);
    QVERIFY2(match.hasMatch(), qPrintable(info));
    // 80 x 200 mm in points.
    QVERIFY(qAbs(match.captured(1).toDouble() - 226.8) < 1.0);
    QVERIFY(qAbs(match.captured(2).toDouble() - 566.9) < 1.0);

    // A printer that cannot write its file reports it.
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!PrintSmallReceiptToPdf(SampleSale(), m_dir.filePath(QStringLiteral("no/such/x.pdf"))));
}

void SmallReceiptTest::longSaleContinuesOnNewPages()
{
    SmallReceiptData data = SampleSale();
    data.lines.clear();
    for (int i = 0; i < 40; ++i)
        data.lines << Line(QString::number(i), QStringLiteral("Item %1").arg(i),
                           QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
                           QStringLiteral("0"), QStringLiteral("1.00"));
    const QString path = pdfPath(QStringLiteral("long.pdf"));
    QVERIFY(PrintSmallReceiptToPdf(data, path));
    QVERIFY(TestSupport::pdfPageCount(path) > 1);
    const QString text = TestSupport::pdfText(path);
    for (int i = 0; i < 40; ++i)
        QVERIFY2(text.contains(QStringLiteral("Item %1 ").arg(i)), qPrintable(QString::number(i)));
    QVERIFY(text.contains(QStringLiteral("Change $ 7.95")));
}

void SmallReceiptTest::gathersSaleFromScreen()
{
    const QString inventoryPath = QDir::homePath() + QStringLiteral("/receipt-inventory.mercdb");
    const QString salesPath = QDir::homePath() + QStringLiteral("/receipt-sales.mercdb");
    QFile::remove(inventoryPath);
    QFile::remove(salesPath);
    StoreBuilder inventory(StoreBuilder::Kind::Inventory, inventoryPath);
    StoreBuilder sales(StoreBuilder::Kind::Sales, salesPath);
    QVERIFY(inventory.isOk());
    QVERIFY(sales.isOk());
    const qint64 vendor = inventory.addVendor(QStringLiteral("Wholesale Ltd"));
    const qint64 tea = inventory.addProduct(inventory.addCategory(QStringLiteral("Drinks")),
                                            QStringLiteral("P1"), QStringLiteral("Green Tea"));
    QVERIFY(inventory.addBatch(tea, vendor, QStringLiteral("1001"), 10, 2.5, 1.2, 0.5) > 0);
    inventory.activate();
    sales.activate();

    QSettings* settings = Utility::GetInstance()->GetSettings();
    settings->setValue(QString::fromLatin1(SettingKey::REPORT_COMPANY_NAME),
                       QStringLiteral("Corner Grocer"));
    settings->setValue(QString::fromLatin1(SettingKey::CURRENCY_SYMBOL), QStringLiteral("$"));
    settings->setValue(QString::fromLatin1(SettingKey::PRINT_LOGO), false);

    CPOS pos;
    auto edit = [&pos](const char* name) {
        return pos.findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    edit("lineEditItems")->setText(QStringLiteral("3"));
    edit("lineEditBarCode")->setText(QStringLiteral("1001"));
    pos.on_pushEnter_clicked();
    QCOMPARE(pos.GetModel()->rowCount(), 1);

    SmallReceiptData before = pos.SmallReceipt();
    QVERIFY(before.transactionId.isEmpty());
    edit("lineEditPaid")->setText(QStringLiteral("20"));
    pos.on_pushButtonPay_clicked();
    QCOMPARE(pos.GetSaleState(), int(CPOS::Paid));

    const SmallReceiptData data = pos.SmallReceipt();
    QCOMPARE(data.companyName, QStringLiteral("Corner Grocer"));
    QCOMPARE(data.currencySymbol, QStringLiteral("$"));
    QVERIFY(!data.printLogo);
    QCOMPARE(data.transactionId, pos.GetTransactionId());
    QVERIFY(!data.transactionId.isEmpty());
    QCOMPARE(data.lines.size(), 1);
    QCOMPARE(data.lines.first().size(), int(CItemTransactionsModel::ColumnCount));
    QCOMPARE(data.lines.first().value(1), QStringLiteral("Green Tea"));
    QCOMPARE(data.lines.first().value(2), QStringLiteral("3"));
    QCOMPARE(data.grandTotalText, edit("lineEditTotal")->text());
    QCOMPARE(data.taxTotalText, edit("lineEditTax")->text());
    QCOMPARE(data.paidText, QStringLiteral("20"));
    QCOMPARE(data.changeText, edit("lineEditChange")->text());
    QCOMPARE(data.discountTotal, pos.GetDiscountTotal());
    QVERIFY(data.discountTotal > Money());
    QVERIFY(qAbs(data.dateTime.secsTo(QDateTime::currentDateTime())) < 60);
}

// Picture for the documentation, when MERCHORA_SCREENSHOT_DIR names a folder.
void SmallReceiptTest::screenshot()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");

    SmallReceiptData data = SampleSale();
    data.printLogo = true;
    data.logo = QImage(QStringLiteral(":/resources/images/merchora_logo.png"));
    data.lines << Line(QStringLiteral("2"),
                       QStringLiteral("Extra Virgin Olive Oil Cold Pressed Family Size"),
                       QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("8.5"),
                       QStringLiteral("0.00"), QStringLiteral("17.00"));
    const QString path = pdfPath(QStringLiteral("screenshot.pdf"));
    QVERIFY(PrintSmallReceiptToPdf(data, path));
    QVERIFY(QDir().mkpath(folder));
    const QString prefix = m_dir.filePath(QStringLiteral("receipt-small"));
    TestSupport::runTool(QStringLiteral("pdftoppm"),
                         {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("150"),
                          QStringLiteral("-singlefile"), path, prefix});
    const QString target = QDir(folder).filePath(QStringLiteral("receipt-small.png"));
    QFile::remove(target);
    QVERIFY(QFile::copy(prefix + QStringLiteral(".png"), target));
}

MERCHORA_TEST_MAIN(SmallReceiptTest)
#include "tst_smallreceipt.moc"
