#include "modaldialoghandler.h"
#include "salesscreenhost.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/itemtransactionsmodel.h"
#include "core/pendingsales.h"
#include "core/utility.h"
#include "pos/pos.h"
#include "reporting/salesmanagement.h"
#include "widgets/qposdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

#include <memory>

using TestSupport::StoreBuilder;

// The sales screen driven as a cashier would: entry, refusals, stock, payment and what is stored,
// the keys, the status line, the button grid and the dialogs it opens.
class PosTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void entersItemsByReturnEnterAndButton();
    void pricesWorkedExampleAndWritesStock();
    void refusesEntry_data();
    void refusesEntry();
    void returnModeGivesStockBack();
    void onAllItemsKeepsDiscount();
    void saleStateMachine();
    void refusesPayment_data();
    void refusesPayment();
    void storesSale_data();
    void storesSale();
    void paysExactTotalOfTenDimes();
    void refusesLinesItCannotKeep();
    void followsTheSalesDatabaseFile();
    void failedLineRollsBackSale();
    void failedSaleRowKeepsSalePending();
    void closeKeepsTheSaleForTheNextOpening_data();
    void closeKeepsTheSaleForTheNextOpening();
    void voidTakesALineOut();
    void holdAndRecall();
    void keysOfTheScreen();
    void statusLineBlinksThenTurnsGray();
    void longStatusKeepsTheLayout();
    void settingsShapeTheScreen_data();
    void settingsShapeTheScreen();
    void buttonGridPagesAndFilters();
    void productButtonEntersQuantity();
    void selectsAndDropsCustomer();
    void opensSalesHistory();
    void lookUpFillsBarcodeOnly();
    void windowsOpenOnTheScreensDialog_data();
    void windowsOpenOnTheScreensDialog();
    void newLineKeepsNameAndIndexInView();
    void screenshots();

private:
    void openScreen();
    template <typename T> T* child(const char* name) const
    {
        T* widget = m_pos->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("missing widget %s", name);
        return widget;
    }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    QString status() const { return child<QLabel>("labelStatus")->text(); }
    int lines() const { return m_pos->GetModel()->rowCount(); }
    QString cell(int row, int column) const { return m_pos->GetModel()->Text(row, column); }
    void enter(const QString& barCode, const QString& items = QStringLiteral("1"),
               const QString& subItems = QStringLiteral("0"));
    // QUANTITY and SUB_ITEMS of a batch as the program's connection sees them.
    QPair<int, int> stockOf(const QString& barCode) const;
    qint64 salesCount(const QString& table) const;
    // Answers the next notice (ErrorDialog) by pressing Close; keeps its title and text.
    void expectNotice(QString* title = nullptr, QString* text = nullptr);

    TestSupport::ModalDialogHandler m_dialogs;
    std::unique_ptr<StoreBuilder> m_inventory;
    std::unique_ptr<StoreBuilder> m_sales;
    qint64 m_food = 0;
    qint64 m_drinks = 0;
    qint64 m_vendor = 0;
    QPOSDialog* m_host = nullptr;
    CPOS* m_pos = nullptr;
};

namespace {

const char GRAY[] = "QLabel {background-color: gray }";
const char RED[] = "QLabel {background-color: red }";

} // namespace

void PosTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();

    const QString inventoryPath = QDir::homePath() + QStringLiteral("/pos-inventory.mercdb");
    const QString salesPath = QDir::homePath() + QStringLiteral("/pos-sales.mercdb");
    QFile::remove(inventoryPath);
    QFile::remove(salesPath);
    m_inventory.reset(new StoreBuilder(StoreBuilder::Kind::Inventory, inventoryPath));
    m_sales.reset(new StoreBuilder(StoreBuilder::Kind::Sales, salesPath));
    QVERIFY(m_inventory->isOk());
    QVERIFY(m_sales->isOk());

    m_food = m_inventory->addCategory(QStringLiteral("Food"));
    m_drinks = m_inventory->addCategory(QStringLiteral("Drinks"));
    m_vendor = m_inventory->addVendor(QStringLiteral("Wholesale Ltd"));
    const qint64 tea = m_inventory->addProduct(m_drinks, QStringLiteral("P1"),
                                               QStringLiteral("Green Tea"), 1, 0.0);
    const qint64 eggs =
        m_inventory->addProduct(m_food, QStringLiteral("P2"), QStringLiteral("Eggs"), 10, 10.0);
    const qint64 salt =
        m_inventory->addProduct(m_food, QStringLiteral("P3"), QStringLiteral("Salt"), 10, 0.0);
    const qint64 broken =
        m_inventory->addProduct(m_food, QStringLiteral("P4"), QStringLiteral("Broken"), 0, 0.0);
    const qint64 juice = m_inventory->addProduct(m_drinks, QStringLiteral("P5"),
                                                 QStringLiteral("Orange Juice"), 1, 8.5);
    QVERIFY(m_inventory->addBatch(tea, m_vendor, QStringLiteral("1001"), 5, 2.5, 1.2) > 0);
    QVERIFY(m_inventory->addBatch(eggs, m_vendor, QStringLiteral("2002"), 2, 10, 6, 10) > 0);
    QVERIFY(m_inventory->addBatch(salt, m_vendor, QStringLiteral("3003"), 0, 1, 0.5) > 0);
    QVERIFY(m_inventory->addBatch(broken, m_vendor, QStringLiteral("4004"), 5, 1, 0.5) > 0);
    QVERIFY(m_inventory->addBatch(juice, m_vendor, QStringLiteral("5005"), 10, 100, 60) > 0);
    m_inventory->activate();
    m_sales->activate();
}

void PosTest::cleanup()
{
    delete m_host;
    m_host = nullptr;
    m_pos = nullptr;
    TestSupport::resetDatabases();
    m_inventory.reset();
    m_sales.reset();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

void PosTest::openScreen()
{
    m_host = TestSupport::openSalesScreen(&m_pos);
    QVERIFY(QTest::qWaitForWindowActive(m_host));
    QTRY_VERIFY(edit("lineEditBarCode")->hasFocus());
}

void PosTest::enter(const QString& barCode, const QString& items, const QString& subItems)
{
    edit("lineEditItems")->setText(items);
    edit("lineEditSubItems")->setText(subItems);
    edit("lineEditBarCode")->setText(barCode);
    m_pos->on_pushEnter_clicked();
}

QPair<int, int> PosTest::stockOf(const QString& barCode) const
{
    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    query.prepare(
        QStringLiteral("SELECT QUANTITY, SUB_ITEMS FROM tblInventory WHERE BAR_CODE = ?"));
    query.addBindValue(barCode);
    if (!query.exec() || !query.next())
        return qMakePair(-1, -1);
    return qMakePair(query.value(0).toInt(), query.value(1).toInt());
}

qint64 PosTest::salesCount(const QString& table) const
{
    return m_sales->count(table);
}

void PosTest::expectNotice(QString* title, QString* text)
{
    m_dialogs.expect(
        [title, text](QWidget* dialog) {
            if (title)
                *title = dialog->windowTitle();
            if (auto* message = dialog->findChild<QTextEdit*>(QStringLiteral("txtMessage")))
                if (text)
                    *text = message->toPlainText();
            if (!TestSupport::clickButtonWithText(dialog, QStringLiteral("Close")))
                dialog->close();
        },
        QStringLiteral("notice"));
}

void PosTest::entersItemsByReturnEnterAndButton()
{
    openScreen();
    QLineEdit* barCode = edit("lineEditBarCode");
    QVERIFY(!button("pushButtonPay")->isEnabled());

    barCode->setText(QStringLiteral("1001"));
    QTest::keyClick(barCode, Qt::Key_Return);
    QCOMPARE(lines(), 1);

    barCode->setText(QStringLiteral("1001"));
    // Button shortcuts click with a short animation delay.
    QTest::keyClick(m_host, Qt::Key_F10);
    QTRY_COMPARE(lines(), 2);

    edit("lineEditItems")->setText(QStringLiteral("2"));
    edit("lineEditDiscount")->setText(QStringLiteral("5"));
    barCode->setText(QStringLiteral("1001"));
    button("pushEnter")->click();
    QCOMPARE(lines(), 3);

    // Same barcode three times: three lines, indexes counting from 0.
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(cell(row, CItemTransactionsModel::ColIndex), QString::number(row));
        QCOMPARE(cell(row, CItemTransactionsModel::ColName), QStringLiteral("Green Tea"));
        QCOMPARE(cell(row, CItemTransactionsModel::ColPrice), QStringLiteral("2.5"));
        QCOMPARE(cell(row, CItemTransactionsModel::ColPurchasePrice), QStringLiteral("1.2"));
    }
    QCOMPARE(cell(2, CItemTransactionsModel::ColItems), QStringLiteral("2"));
    QCOMPARE(cell(2, CItemTransactionsModel::ColLineTotal), QStringLiteral("5.00"));
    QCOMPARE(cell(2, CItemTransactionsModel::ColPurchaseTotal), QStringLiteral("2.40"));
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("10.00"));
    QCOMPARE(stockOf(QStringLiteral("1001")), qMakePair(1, 0));

    // After an entry: barcode cleared, discount back to 0, quantities kept, PAY enabled.
    QVERIFY(barCode->text().isEmpty());
    QCOMPARE(edit("lineEditDiscount")->text(), QStringLiteral("0"));
    QCOMPARE(edit("lineEditItems")->text(), QStringLiteral("2"));
    QVERIFY(button("pushButtonPay")->isEnabled());
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::PaymentPending));
    QVERIFY(barCode->hasFocus());
    QVERIFY(status().isEmpty());
}

void PosTest::pricesWorkedExampleAndWritesStock()
{
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("SUB_ITEMS_MODE"), "y");
    openScreen();
    enter(QStringLiteral("2002"), QStringLiteral("1"), QStringLiteral("5"));
    QCOMPARE(lines(), 1);
    QCOMPARE(cell(0, CItemTransactionsModel::ColSubItems), QStringLiteral("5"));
    QCOMPARE(cell(0, CItemTransactionsModel::ColDiscount), QStringLiteral("1.50"));
    QCOMPARE(cell(0, CItemTransactionsModel::ColLineTotal), QStringLiteral("13.50"));
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("14.85"));
    QCOMPARE(edit("lineEditTax")->text(), QStringLiteral("1.35"));
    QCOMPARE(stockOf(QStringLiteral("2002")), qMakePair(0, 5));

    // The view grew its columns for the line: nothing is cut off.
    QTableView* view = child<QTableView>("tableViewItems");
    QCOMPARE(view->model(), static_cast<QAbstractItemModel*>(m_pos->GetModel()));
    for (int column : {CItemTransactionsModel::ColName, CItemTransactionsModel::ColDiscount})
        QVERIFY(view->columnWidth(column) >=
                view->sizeHintForIndex(m_pos->GetModel()->index(0, column)).width());
}

void PosTest::refusesEntry_data()
{
    QTest::addColumn<QString>("barCode");
    QTest::addColumn<QString>("items");
    QTest::addColumn<QString>("subItems");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("message");

    QTest::newRow("quotes") << "1001' OR '1'='1"
                            << "1"
                            << "0"
                            << "0"
                            << QStringLiteral("Barcode is invalid. Please enter numeric bar code.");
    QTest::newRow("SQL words") << "DROP_tblInventory"
                               << "1"
                               << "0"
                               << "0" << QStringLiteral("No results found in inventory");
    QTest::newRow("unknown") << "999999"
                             << "1"
                             << "0"
                             << "0" << QStringLiteral("No results found in inventory");
    QTest::newRow("discount 100")
        << "1001"
        << "1"
        << "0"
        << "100"
        << QStringLiteral("Discount is invalid. Please enter numeric (0 to 99.99) discount value.");
    QTest::newRow("out of stock") << "3003"
                                  << "1"
                                  << "0"
                                  << "0" << QStringLiteral("This item is out of stock");
    QTest::newRow("sub-items of a whole item")
        << "1001"
        << "1"
        << "1"
        << "0" << QStringLiteral("This item can only be sold as a whole. Subitems should be 0. ");
    QTest::newRow("more than in stock")
        << "2002"
        << "3"
        << "0"
        << "0"
        << QStringLiteral(
               "Rquested quantity is not available. There are (2) items, and (0) sub-items in "
               "the stock.");
    QTest::newRow("no items per unit")
        << "4004"
        << "1"
        << "0"
        << "0"
        << QStringLiteral("This item has no valid items per unit. Please correct the product.");
}

void PosTest::refusesEntry()
{
    QFETCH(QString, barCode);
    QFETCH(QString, items);
    QFETCH(QString, subItems);
    QFETCH(QString, discount);
    QFETCH(QString, message);

    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("SUB_ITEMS_MODE"), "y");
    openScreen();
    enter(QStringLiteral("1001"));
    QCOMPARE(lines(), 1);
    const QString totalBefore = edit("lineEditTotal")->text();
    const QPair<int, int> stockBefore = stockOf(QStringLiteral("2002"));
    const QPair<int, int> teaBefore = stockOf(QStringLiteral("1001"));

    edit("lineEditDiscount")->setText(discount);
    enter(barCode, items, subItems);
    QCOMPARE(status(), message);
    QCOMPARE(lines(), 1);
    QCOMPARE(edit("lineEditTotal")->text(), totalBefore);
    QCOMPARE(stockOf(QStringLiteral("2002")), stockBefore);
    QCOMPARE(stockOf(QStringLiteral("1001")), teaBefore);
    QCOMPARE(m_inventory->count(QStringLiteral("tblInventory")), 5);
    // The fields stay as typed, so the cashier can correct them; the barcode is selected, so
    // the next scan replaces it.
    QCOMPARE(edit("lineEditBarCode")->text(), barCode);
    QCOMPARE(edit("lineEditBarCode")->selectedText(), barCode);
    QCOMPARE(edit("lineEditDiscount")->text(), discount);
}

void PosTest::returnModeGivesStockBack()
{
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("SUB_ITEMS_MODE"), "y");
    openScreen();
    QString title;
    QString text;
    expectNotice(&title, &text);
    button("checkReturnMode")->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(title, QStringLiteral("Return Mode"));
    QCOMPARE(text, QStringLiteral("Now the system is in \"Items Return\" mode. On performing any "
                                  "sale, items will be added back to inventory. Please press it "
                                  "again to return to Normal mode. "));

    // Salt has nothing in stock; returning 15 sub-items of 10 per unit gives 1 unit and 5.
    enter(QStringLiteral("3003"), QStringLiteral("0"), QStringLiteral("15"));
    QCOMPARE(lines(), 1);
    QCOMPARE(stockOf(QStringLiteral("3003")), qMakePair(1, 5));
    QCOMPARE(cell(0, CItemTransactionsModel::ColLineTotal), QStringLiteral("-1.50"));
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("-1.50"));

    // Switching back shows nothing; the next entry sells again.
    button("checkReturnMode")->click();
    QVERIFY(!button("checkReturnMode")->isChecked());
    enter(QStringLiteral("3003"), QStringLiteral("1"), QStringLiteral("0"));
    QCOMPARE(stockOf(QStringLiteral("3003")), qMakePair(0, 5));
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("-0.50"));
}

void PosTest::onAllItemsKeepsDiscount()
{
    openScreen();
    QString title;
    QString text;
    expectNotice(&title, &text);
    button("checkOnAllItems")->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(title, QStringLiteral("Discount on All Items"));
    QVERIFY(text.startsWith(QStringLiteral("Please make sure the check box is checked. Specail")));

    child<QCheckBox>("checkSpecialDiscount")->setChecked(true);
    edit("lineEditDiscount")->setText(QStringLiteral("20"));
    enter(QStringLiteral("5005"));
    QCOMPARE(cell(0, CItemTransactionsModel::ColDiscount), QStringLiteral("20.00"));
    QCOMPARE(edit("lineEditDiscount")->text(), QStringLiteral("20"));
    enter(QStringLiteral("5005"));
    QCOMPARE(cell(1, CItemTransactionsModel::ColDiscount), QStringLiteral("20.00"));

    edit("lineEditPaid")->setText(QStringLiteral("500"));
    m_pos->on_pushButtonPay_clicked();
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::Paid));
    m_pos->on_pushNew_clicked();
    QCOMPARE(edit("lineEditDiscount")->text(), QStringLiteral("20"));

    // Switched off: no notice, and the discount is dropped after the next entry.
    button("checkOnAllItems")->click();
    enter(QStringLiteral("5005"));
    QCOMPARE(edit("lineEditDiscount")->text(), QStringLiteral("0"));
}

void PosTest::saleStateMachine()
{
    openScreen();
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::NoLines));
    enter(QStringLiteral("1001"));
    enter(QStringLiteral("5005"));
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::PaymentPending));

    // F2 while payment is pending keeps the lines.
    QTest::keyClick(m_host, Qt::Key_F2);
    QTRY_COMPARE(status(), QStringLiteral("Payment is pending!"));
    QCOMPARE(lines(), 2);
    QVERIFY(button("pushButtonPay")->isEnabled());

    edit("lineEditPaid")->setText(QStringLiteral("120"));
    QTest::keyClick(m_host, Qt::Key_F5);
    QTRY_COMPARE(m_pos->GetSaleState(), int(CPOS::Paid));
    QVERIFY(!button("pushButtonPay")->isEnabled());
    QVERIFY(button("pushPrint")->isEnabled());
    QVERIFY(button("pushPrintPreview")->isEnabled());
    QVERIFY(!m_pos->GetTransactionId().isEmpty());
    QCOMPARE(edit("lineEditChange")->text(), QStringLiteral("-9.00"));
    // A second PAY cannot store the sale twice.
    m_pos->on_pushButtonPay_clicked();
    QCOMPARE(salesCount(QStringLiteral("tblSalesTransactions")), 1);

    // The next entry starts a new sale and keeps the scanned barcode.
    edit("lineEditBarCode")->setText(QStringLiteral("5005"));
    QTest::keyClick(edit("lineEditBarCode"), Qt::Key_Return);
    QCOMPARE(lines(), 1);
    QCOMPARE(cell(0, CItemTransactionsModel::ColIndex), QStringLiteral("0"));
    QCOMPARE(cell(0, CItemTransactionsModel::ColName), QStringLiteral("Orange Juice"));
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("108.50"));
    QVERIFY(m_pos->GetTransactionId().isEmpty());
    QCOMPARE(child<QTableView>("tableViewItems")->model(),
             static_cast<QAbstractItemModel*>(m_pos->GetModel()));
}

void PosTest::refusesPayment_data()
{
    QTest::addColumn<QString>("paid");
    QTest::addColumn<QString>("message");
    const QString invalid = QStringLiteral("Paid amount is not valid. Example 50.75");
    // The amount checks themselves are covered by tst_salepricing.
    QTest::newRow("text") << "abc" << invalid;
    QTest::newRow("trailing point") << "200." << invalid;
    QTest::newRow("below the total")
        << "110.99" << QStringLiteral("Paid amount is less than due amount");
}

void PosTest::refusesPayment()
{
    QFETCH(QString, paid);
    QFETCH(QString, message);
    openScreen();
    enter(QStringLiteral("1001"));
    enter(QStringLiteral("5005"));
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("111.00"));
    QLineEdit* paidBox = edit("lineEditPaid");
    paidBox->setFocus();
    QTRY_VERIFY(paidBox->hasFocus());
    paidBox->setText(paid);
    button("pushButtonPay")->click();
    QCOMPARE(status(), message);
    // F12 in the box that kept the focus selects the refused amount, so typing replaces it.
    QTest::keyClick(paidBox, Qt::Key_F12);
    QCOMPARE(paidBox->selectedText(), paid);
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::PaymentPending));
    QVERIFY(button("pushButtonPay")->isEnabled());
    QCOMPARE(salesCount(QStringLiteral("tblSalesTransactions")), 0);
    QCOMPARE(salesCount(QStringLiteral("tblSalesInvoice")), 0);
}

void PosTest::storesSale_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("storedUser");
    QTest::newRow("nobody logged in") << QString() << QStringLiteral("NO LOGGED IN USER");
    QTest::newRow("cashier") << QStringLiteral("maria") << QStringLiteral("maria");
}

void PosTest::storesSale()
{
    QFETCH(QString, user);
    QFETCH(QString, storedUser);
    Utility::GetInstance()->SetLoggedInUser(user);
    openScreen();
    enter(QStringLiteral("1001"));
    enter(QStringLiteral("2002"));
    enter(QStringLiteral("5005"));
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("120.90"));
    edit("lineEditPaid")->setText(QStringLiteral("150"));
    button("pushButtonPay")->click();
    QCOMPARE(edit("lineEditChange")->text(), QStringLiteral("-29.10"));
    QVERIFY(status().isEmpty());

    QSqlDatabase sales = m_sales->database();
    QSqlQuery sale(sales);
    QVERIFY(sale.exec(QStringLiteral("SELECT ID, USER_ID, CUSTOMER_ID, TIME_STAMP, GRAND_TOTAL, "
                                     "PAID, RETURN FROM tblSalesTransactions")));
    QVERIFY(sale.next());
    const qint64 id = sale.value(0).toLongLong();
    QCOMPARE(QString::number(id), m_pos->GetTransactionId());
    QCOMPARE(sale.value(1).toString(), storedUser);
    QCOMPARE(sale.value(2).toString(), QStringLiteral("NOT SELECTED"));
    const QDateTime stamp =
        QDateTime::fromString(sale.value(3).toString(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QVERIFY(stamp.isValid());
    QVERIFY(qAbs(stamp.secsTo(QDateTime::currentDateTime())) < 60);
    QCOMPARE(QString::number(sale.value(4).toDouble(), 'f', 2), QStringLiteral("120.90"));
    QCOMPARE(sale.value(5).toDouble(), 150.0);
    // RETURN is the change: total minus paid.
    QCOMPARE(float(sale.value(6).toDouble()), -29.1f);
    QVERIFY(!sale.next());

    QSqlQuery lines(sales);
    QVERIFY(lines.exec(QStringLiteral(
        "SELECT TRANSACTION_ID, ITEM_INDEX, PRODUCT_NAME, QUANTITY, PURCHASE_PRICE, SALE_PRICE, "
        "SUB_ITEMS, DISCOUNT, SUB_TOTAL, PURCHASE_SUB_TOTAL FROM tblSalesInvoice ORDER BY ID")));
    const QStringList names{QStringLiteral("Green Tea"), QStringLiteral("Eggs"),
                            QStringLiteral("Orange Juice")};
    const QList<double> subTotals{2.5, 9.0, 100.0};
    const QList<double> discounts{0.0, 1.0, 0.0};
    const QList<double> purchaseTotals{1.2, 6.0, 60.0};
    for (int index = 0; index < 3; ++index) {
        QVERIFY(lines.next());
        QCOMPARE(lines.value(0).toLongLong(), id);
        QCOMPARE(lines.value(1).toInt(), index);
        QCOMPARE(lines.value(2).toString(), names.at(index));
        QCOMPARE(lines.value(3).toInt(), 1);
        QCOMPARE(lines.value(6).toInt(), 0);
        QCOMPARE(float(lines.value(7).toDouble()), float(discounts.at(index)));
        QCOMPARE(float(lines.value(8).toDouble()), float(subTotals.at(index)));
        QCOMPARE(float(lines.value(9).toDouble()), float(purchaseTotals.at(index)));
    }
    QVERIFY(!lines.next());
}

void PosTest::paysExactTotalOfTenDimes()
{
    const qint64 sweets =
        m_inventory->addProduct(m_food, QStringLiteral("P6"), QStringLiteral("Sweet"), 1, 0.0);
    QVERIFY(m_inventory->addBatch(sweets, m_vendor, QStringLiteral("6006"), 20, 0.1, 0.05) > 0);
    openScreen();
    for (int i = 0; i < 10; ++i)
        enter(QStringLiteral("6006"));
    QCOMPARE(lines(), 10);
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("1.00"));
    edit("lineEditPaid")->setText(QStringLiteral("1.00"));
    button("pushButtonPay")->click();
    QVERIFY2(status().isEmpty(), qPrintable(status()));
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::Paid));
    QCOMPARE(edit("lineEditChange")->text(), QStringLiteral("0.00"));

    // The stored amounts are the two-decimal values themselves, so they add up exactly.
    QSqlQuery sale(m_sales->database());
    QVERIFY(sale.exec(QStringLiteral("SELECT GRAND_TOTAL, PAID, RETURN, (SELECT SUM(SUB_TOTAL) "
                                     "FROM tblSalesInvoice) FROM tblSalesTransactions")));
    QVERIFY(sale.next());
    QCOMPARE(sale.value(0).toDouble(), 1.0);
    QCOMPARE(sale.value(1).toDouble(), 1.0);
    QCOMPARE(sale.value(2).toDouble(), 0.0);
    QCOMPARE(Money::FromDouble(sale.value(3).toDouble()).Cents(), Q_INT64_C(100));
}

void PosTest::refusesLinesItCannotKeep()
{
    const qint64 gold =
        m_inventory->addProduct(m_food, QStringLiteral("P7"), QStringLiteral("Gold bar"), 1, 0.0);
    QVERIFY(m_inventory->addBatch(gold, m_vendor, QStringLiteral("7007"), 5, 9999999.99, 1) > 0);
    openScreen();

    // A stock level that cannot be written back means the item is not sold.
    QVERIFY(m_inventory->exec(QStringLiteral(
        "CREATE TRIGGER keepStock BEFORE UPDATE ON tblInventory BEGIN SELECT RAISE(ABORT, 'x'); "
        "END")));
    enter(QStringLiteral("1001"));
    QCOMPARE(status(), QStringLiteral("Stock could not be updated: item not added."));
    QCOMPARE(lines(), 0);
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::NoLines));
    QVERIFY(!button("pushButtonPay")->isEnabled());
    QVERIFY(m_inventory->exec(QStringLiteral("DROP TRIGGER keepStock")));

    enter(QStringLiteral("7007"));
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("9999999.99"));
    // One more line would not fit the ten characters of the TOTAL box: refused, stock kept.
    enter(QStringLiteral("1001"));
    QCOMPARE(status(),
             QStringLiteral("The total would not fit the TOTAL box. Please pay this sale first."));
    QCOMPARE(lines(), 1);
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("9999999.99"));
    QCOMPARE(stockOf(QStringLiteral("1001")), qMakePair(5, 0));
}

void PosTest::followsTheSalesDatabaseFile()
{
    CDBManager* manager = CDBManager::GetInstance();
    const QString salesPath = m_sales->path();
    openScreen();
    enter(QStringLiteral("1001"));
    QCOMPARE(lines(), 1);

    // The file is deleted while open: PAY does not write the sale into the vanished file, and
    // no further item takes stock while no sale can be stored.
    m_sales.reset();
    QVERIFY(QFile::remove(salesPath));
    edit("lineEditPaid")->setText(QStringLiteral("10"));
    button("pushButtonPay")->click();
    QCOMPARE(status(), QStringLiteral("Error occurred while logging payment information"));
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::PaymentPending));
    QVERIFY(!manager->IsSalesConnected());
    enter(QStringLiteral("1001"));
    QCOMPARE(status(), QStringLiteral("Sales database not available: item not added."));
    QCOMPARE(lines(), 1);
    QCOMPARE(stockOf(QStringLiteral("1001")), qMakePair(4, 0));
    QVERIFY(!QFile::exists(salesPath));

    // The file put back is used again without a restart.
    m_sales.reset(new StoreBuilder(StoreBuilder::Kind::Sales, salesPath));
    QVERIFY(m_sales->isOk());
    enter(QStringLiteral("1001"));
    QCOMPARE(lines(), 2);
    QVERIFY(manager->IsSalesConnected());
    button("pushButtonPay")->click();
    QVERIFY2(status().isEmpty(), qPrintable(status()));
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::Paid));
    QCOMPARE(salesCount(QStringLiteral("tblSalesInvoice")), 2);
}

void PosTest::failedLineRollsBackSale()
{
    openScreen();
    enter(QStringLiteral("1001"));
    enter(QStringLiteral("1001"));
    enter(QStringLiteral("1001"));
    QVERIFY(m_sales->exec(QStringLiteral(
        "CREATE TRIGGER failSecondLine BEFORE INSERT ON tblSalesInvoice WHEN NEW.ITEM_INDEX = 1 "
        "BEGIN SELECT RAISE(ABORT, 'x'); END")));
    edit("lineEditPaid")->setText(QStringLiteral("10"));
    button("pushButtonPay")->click();
    QCOMPARE(status(), QStringLiteral("Error occurred while logging invoice information"));
    QCOMPARE(salesCount(QStringLiteral("tblSalesTransactions")), 0);
    QCOMPARE(salesCount(QStringLiteral("tblSalesInvoice")), 0);
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::PaymentPending));
    QVERIFY(button("pushButtonPay")->isEnabled());
    QVERIFY(m_pos->GetTransactionId().isEmpty());

    // Once the cause is gone, paying again stores the whole sale once.
    QVERIFY(m_sales->exec(QStringLiteral("DROP TRIGGER failSecondLine")));
    button("pushButtonPay")->click();
    QVERIFY(status().isEmpty());
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::Paid));
    QCOMPARE(salesCount(QStringLiteral("tblSalesTransactions")), 1);
    QCOMPARE(salesCount(QStringLiteral("tblSalesInvoice")), 3);
}

void PosTest::failedSaleRowKeepsSalePending()
{
    openScreen();
    enter(QStringLiteral("1001"));
    QVERIFY(m_sales->exec(
        QStringLiteral("CREATE TRIGGER failSale BEFORE INSERT ON tblSalesTransactions "
                       "BEGIN SELECT RAISE(ABORT, 'x'); END")));
    edit("lineEditPaid")->setText(QStringLiteral("10"));
    button("pushButtonPay")->click();
    QCOMPARE(status(), QStringLiteral("Error occurred while logging payment information"));
    QCOMPARE(salesCount(QStringLiteral("tblSalesTransactions")), 0);
    QCOMPARE(salesCount(QStringLiteral("tblSalesInvoice")), 0);
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::PaymentPending));
    QVERIFY(button("pushButtonPay")->isEnabled());
}

void PosTest::closeKeepsTheSaleForTheNextOpening_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("linesBack");
    QTest::addColumn<int>("teaStock");
    QTest::newRow("resume") << "Resume" << 1 << 4;
    QTest::newRow("void") << "Void" << 0 << 5;
}

void PosTest::closeKeepsTheSaleForTheNextOpening()
{
    QFETCH(QString, answer);
    QFETCH(int, linesBack);
    QFETCH(int, teaStock);
    openScreen();
    enter(QStringLiteral("1001"));
    QString text;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::No, &text, &title);
    button("pushButtonClose")->click();
    QCOMPARE(title, QStringLiteral("Close POS?"));
    QCOMPARE(text, QStringLiteral("Payment is pending! If you close without payment, sales and "
                                  "inventory will not be in consistent state. Do you still want "
                                  "to close POS?"));
    QVERIFY(m_host->isVisible());

    m_dialogs.expectMessageBox(QMessageBox::Yes);
    button("pushButtonClose")->click();
    QVERIFY(!m_host->isVisible());
    // The stock taken at entry stays taken, with the sale that took it; no sale is stored.
    QCOMPARE(stockOf(QStringLiteral("1001")), qMakePair(4, 0));
    QCOMPARE(salesCount(QStringLiteral("tblSalesTransactions")), 0);

    // The next opening asks what becomes of it.
    delete m_host;
    m_dialogs.expect(
        [&text, &answer](QWidget* box) {
            text = static_cast<QMessageBox*>(box)->text();
            TestSupport::clickButtonWithText(box, answer);
        },
        QStringLiteral("unpaid sale question"));
    m_host = TestSupport::openSalesScreen(&m_pos);
    QVERIFY(m_dialogs.waitUntilDone());
    QTRY_COMPARE(m_host->focusWidget(), static_cast<QWidget*>(edit("lineEditBarCode")));
    QVERIFY2(text.startsWith(QStringLiteral("A sale was left unpaid: 1 line, total 2.50, ")),
             qPrintable(text));
    QCOMPARE(lines(), linesBack);
    QCOMPARE(stockOf(QStringLiteral("1001")), qMakePair(teaStock, 0));
    QCOMPARE(m_pos->GetSaleState(), linesBack ? int(CPOS::PaymentPending) : int(CPOS::NoLines));
    if (linesBack) {
        QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("2.50"));
        edit("lineEditPaid")->setText(QStringLiteral("2.50"));
        button("pushButtonPay")->click();
        QCOMPARE(m_pos->GetSaleState(), int(CPOS::Paid));
        QCOMPARE(salesCount(QStringLiteral("tblSalesInvoice")), 1);
    }

    // Nothing pending any more: the screen closes at once and opens without a question.
    button("pushButtonClose")->click();
    QVERIFY(!m_host->isVisible());
    delete m_host;
    openScreen();
}

void PosTest::voidTakesALineOut()
{
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("SUB_ITEMS_MODE"), "y");
    openScreen();
    enter(QStringLiteral("1001"));
    enter(QStringLiteral("2002"), QStringLiteral("1"), QStringLiteral("5"));
    enter(QStringLiteral("5005"));
    QCOMPARE(stockOf(QStringLiteral("2002")), qMakePair(0, 5));

    // The selected line, by Delete in the empty barcode field, after a confirmation.
    child<QTableView>("tableViewItems")->selectRow(1);
    QString text;
    m_dialogs.expectMessageBox(QMessageBox::Yes, &text);
    QTest::keyClick(edit("lineEditBarCode"), Qt::Key_Delete);
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(text,
             QStringLiteral("Void line 1: Eggs, 1 x 10, line total 13.50? Its stock is put back."));
    QCOMPARE(lines(), 2);
    QCOMPARE(cell(1, CItemTransactionsModel::ColIndex), QStringLiteral("1"));
    QCOMPARE(cell(1, CItemTransactionsModel::ColName), QStringLiteral("Orange Juice"));
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("111.00"));
    QCOMPARE(edit("lineEditTax")->text(), QStringLiteral("8.50"));
    QCOMPARE(stockOf(QStringLiteral("2002")), qMakePair(2, 0));

    // Without a selection VOID offers the last line; No keeps it. (Offscreen, a window is not
    // active again by itself after a modal dialog, and shortcuts need it active.)
    m_host->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_host));
    m_dialogs.expectMessageBox(QMessageBox::No, &text);
    QTest::keyClick(m_host, Qt::Key_F6, Qt::ShiftModifier);
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(text.startsWith(QStringLiteral("Void line 1: Orange Juice")));
    QCOMPARE(lines(), 2);

    // Every line voided: nothing to pay; the next item continues the sale, which is stored
    // with the record of its voided lines under its number and the cashier.
    for (int i = 0; i < 2; ++i) {
        m_dialogs.expectMessageBox(QMessageBox::Yes);
        button("pushVoid")->click();
        QVERIFY(m_dialogs.waitUntilDone());
    }
    QCOMPARE(lines(), 0);
    QVERIFY(!button("pushButtonPay")->isEnabled());
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("0.00"));
    button("pushVoid")->click();
    QCOMPARE(status(), QStringLiteral("There is no unpaid line to void."));
    enter(QStringLiteral("1001"));
    edit("lineEditPaid")->setText(QStringLiteral("5"));
    button("pushButtonPay")->click();
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::Paid));
    QStringList voided;
    for (const char* name : {"Eggs", "Orange Juice", "Green Tea"})
        voided << m_pos->GetTransactionId() + '|' + name + QStringLiteral("|NO LOGGED IN USER");
    QCOMPARE(
        TestSupport::queryRows(m_sales->database(), QStringLiteral("SELECT TRANSACTION_ID, "
                                                                   "PRODUCT_NAME, USER_ID FROM "
                                                                   "tblSalesVoids ORDER BY ID")),
        voided);
    QCOMPARE(stockOf(QStringLiteral("5005")), qMakePair(10, 0));
    QCOMPARE(stockOf(QStringLiteral("1001")), qMakePair(4, 0));
}

void PosTest::holdAndRecall()
{
    openScreen();
    button("pushHold")->click();
    QCOMPARE(status(), QStringLiteral("There is no unpaid sale to hold."));
    button("pushRecall")->click();
    QCOMPARE(status(), QStringLiteral("There is no held sale to recall."));

    enter(QStringLiteral("1001"), QStringLiteral("2"));
    QTest::keyClick(m_host, Qt::Key_F2, Qt::ShiftModifier);
    QTRY_COMPARE(lines(), 0);
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::NoLines));
    QCOMPARE(stockOf(QStringLiteral("1001")), qMakePair(3, 0));
    enter(QStringLiteral("5005"));

    // The list shows each held sale as "lines|total"; recalling one holds the sale on the till
    // in its place, and closing the list leaves the till as it is.
    QStringList shown;
    const auto listThen = [&shown](bool recall) {
        return [&shown, recall](QWidget* dialog) {
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("tableHeldSales"));
            for (int row = 0; row < table->rowCount(); ++row)
                shown << table->item(row, 1)->text() + '|' + table->item(row, 2)->text();
            if (recall)
                dialog->findChild<QPushButton*>(QStringLiteral("pushRecall"))->click();
            else
                static_cast<QDialog*>(dialog)->reject();
        };
    };
    m_dialogs.expect(listThen(true), QStringLiteral("held sales"));
    QTest::keyClick(m_host, Qt::Key_F3, Qt::ShiftModifier);
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(lines(), 1);
    QCOMPARE(cell(0, CItemTransactionsModel::ColName), QStringLiteral("Green Tea"));
    QCOMPARE(edit("lineEditTotal")->text(), QStringLiteral("5.00"));
    QVERIFY(button("pushButtonPay")->isEnabled());

    m_dialogs.expect(listThen(false), QStringLiteral("held sales"));
    button("pushRecall")->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(shown, (QStringList{QStringLiteral("1|5.00"), QStringLiteral("1|108.50")}));
    QCOMPARE(lines(), 1);
    QCOMPARE(stockOf(QStringLiteral("5005")), qMakePair(9, 0));
}

void PosTest::keysOfTheScreen()
{
    openScreen();
    QLineEdit* barCode = edit("lineEditBarCode");

    QTest::keyClick(barCode, Qt::Key_Escape);
    QTest::keyClick(m_host, Qt::Key_Escape);
    QVERIFY(m_host->isVisible());

    edit("lineEditPaid")->setText(QStringLiteral("25"));
    QTest::keyClick(barCode, Qt::Key_F12);
    QVERIFY(edit("lineEditPaid")->hasFocus());
    QCOMPARE(edit("lineEditPaid")->selectedText(), QStringLiteral("25"));

    // Typing into the focused paid box replaces the amount.
    QTest::keyClicks(edit("lineEditPaid"), QStringLiteral("40"));
    QCOMPARE(edit("lineEditPaid")->text(), QStringLiteral("40"));

    // Any other key is swallowed by the screen.
    QTest::keyClick(m_pos, Qt::Key_X);
    QVERIFY(m_host->isVisible());

    QString title;
    QString text;
    m_dialogs.expect(
        [&title, &text](QWidget* dialog) {
            title = dialog->windowTitle();
            text = dialog->findChild<QTextEdit*>(QStringLiteral("txtMessage"))->toPlainText();
            QCOMPARE(dialog->size(), QSize(800, 400));
            QVERIFY(!dialog->findChild<QWidget*>(QStringLiteral("frameCheckBox"))->isVisible());
            TestSupport::clickButtonWithText(dialog, QStringLiteral("Close"));
        },
        QStringLiteral("help"));
    QTest::keyClick(m_host, Qt::Key_F1);
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(title, QStringLiteral("Shortcut Keys Help"));
    QVERIFY(text.startsWith(QStringLiteral("HELP TIP: Please hover mouse over different items, "
                                           "after few seconds tooltips will appear.\n\nVarious")));
    QVERIFY(text.contains(QStringLiteral("\nF10    ->   Shortcut to Enter button. Press this after "
                                         "entering barcode.\n")));
    QVERIFY(text.endsWith(QStringLiteral("PgDn  ->   Shortcut to Previous button.")));
    // The window's focus returns to the barcode (the offscreen platform does not reactivate
    // the window after a modal dialog, so its focus widget is what can be checked).
    QTRY_COMPARE(m_host->focusWidget(), static_cast<QWidget*>(barCode));
}

void PosTest::longStatusKeepsTheLayout()
{
    openScreen();
    QLabel* label = child<QLabel>("labelStatus");
    QWidget* entry = child<QWidget>("groupEntry");
    const int width = entry->width();
    const QString message = QStringLiteral("Rquested quantity is not available. There are (123456) "
                                           "items, and (123456) sub-items in the stock.");
    m_pos->ShowStatusMessage(message + QLatin1Char(' ') + message);
    QTest::qWait(50);
    // The product buttons keep their room; the message is set smaller on two lines.
    QCOMPARE(entry->width(), width);
    QVERIFY(label->wordWrap());
    m_pos->ShowStatusMessage(QStringLiteral("Payment is pending!"));
    QVERIFY(!label->wordWrap());
}

void PosTest::statusLineBlinksThenTurnsGray()
{
    openScreen();
    QLabel* label = child<QLabel>("labelStatus");
    QCOMPARE(label->styleSheet(), QString::fromLatin1(GRAY));
    const QList<QTimer*> timers =
        m_pos->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(timers.size(), 2);

    enter(QStringLiteral("12-34"));
    QCOMPARE(status(), QStringLiteral("Barcode is invalid. Please enter numeric bar code."));
    QTest::qWait(500);
    const QString first = label->styleSheet();
    QVERIFY(first == QLatin1String(GRAY) || first == QLatin1String(RED));
    QTest::qWait(350);
    const QString second = label->styleSheet();
    QVERIFY(second == QLatin1String(GRAY) || second == QLatin1String(RED));
    QVERIFY(first != second);

    // Five seconds after the message the blinking stops on gray and the text stays.
    QTRY_VERIFY_WITH_TIMEOUT(!timers.at(0)->isActive() && !timers.at(1)->isActive(), 6000);
    QCOMPARE(label->styleSheet(), QString::fromLatin1(GRAY));
    QCOMPARE(status(), QStringLiteral("Barcode is invalid. Please enter numeric bar code."));

    // The next action clears the line.
    enter(QStringLiteral("1001"));
    QVERIFY(status().isEmpty());
}

void PosTest::settingsShapeTheScreen_data()
{
    QTest::addColumn<bool>("tax");
    QTest::addColumn<bool>("subItems");
    QTest::newRow("defaults") << true << false;
    QTest::newRow("tax off, sub-items on") << false << true;
}

void PosTest::settingsShapeTheScreen()
{
    QFETCH(bool, tax);
    QFETCH(bool, subItems);
    QSettings* settings = Utility::GetInstance()->GetSettings();
    if (!tax)
        settings->setValue(QStringLiteral("enable_tax"), false);
    if (subItems)
        settings->setValue(QStringLiteral("SUB_ITEMS_MODE"), "y");
    settings->setValue(QStringLiteral("CURRENCY_SYMBOL"), "$");
    settings->setValue(QStringLiteral("SALES_TAX_NAME"), "VAT");
    openScreen();

    QCOMPARE(child<QLabel>("labelTax")->isVisible(), tax);
    QCOMPARE(edit("lineEditTax")->isVisible(), tax);
    QCOMPARE(edit("lineEditSubItems")->isVisible(), subItems);
    QCOMPARE(child<QLabel>("labelSubQty")->isVisible(), subItems);
    QTableView* view = child<QTableView>("tableViewItems");
    QCOMPARE(view->isColumnHidden(CItemTransactionsModel::ColSubItems), !subItems);
    QVERIFY(view->isColumnHidden(CItemTransactionsModel::ColPurchasePrice));
    QVERIFY(view->isColumnHidden(CItemTransactionsModel::ColPurchaseTotal));
    QCOMPARE(child<QLabel>("labelTax")->text(), QStringLiteral("VAT $"));
    QCOMPARE(child<QLabel>("labelTotal")->text(), QStringLiteral("TOTAL $"));
    QCOMPARE(child<QLabel>("labelPaid")->text(), QStringLiteral("PAID $"));
    QCOMPARE(child<QLabel>("labelChange")->text(), QStringLiteral("CHANGE $"));

    enter(QStringLiteral("5005"));
    QCOMPARE(edit("lineEditTotal")->text(),
             tax ? QStringLiteral("108.50") : QStringLiteral("100.00"));
    QCOMPARE(edit("lineEditTax")->text(), tax ? QStringLiteral("8.50") : QStringLiteral("0.00"));

    // A new sale (after payment) builds a fresh model and keeps the columns hidden.
    edit("lineEditPaid")->setText(QStringLiteral("200"));
    m_pos->on_pushButtonPay_clicked();
    m_pos->on_pushNew_clicked();
    QCOMPARE(lines(), 0);
    QCOMPARE(view->model(), static_cast<QAbstractItemModel*>(m_pos->GetModel()));
    QCOMPARE(view->isColumnHidden(CItemTransactionsModel::ColSubItems), !subItems);
    QVERIFY(view->isColumnHidden(CItemTransactionsModel::ColPurchaseTotal));
    for (const char* name : {"lineEditTotal", "lineEditPaid", "lineEditChange", "lineEditTax"})
        QCOMPARE(edit(name)->text(), QStringLiteral("0"));
    QCOMPARE(edit("lineEditItems")->text(), QStringLiteral("1"));
    QCOMPARE(edit("lineEditSubItems")->text(), QStringLiteral("0"));
    QVERIFY(!button("pushButtonPay")->isEnabled());
}

void PosTest::buttonGridPagesAndFilters()
{
    // Five batches from init and twelve more drinks: 17 buttons on a 4 x 4 grid.
    const qint64 cola =
        m_inventory->addProduct(m_drinks, QStringLiteral("P9"), QStringLiteral("Cola"), 1, 0.0);
    for (int i = 0; i < 12; ++i)
        QVERIFY(m_inventory->addBatch(cola, m_vendor,
                                      QStringLiteral("90%1").arg(i, 2, 10, QLatin1Char('0')), 10,
                                      1.5, 1.0) > 0);
    openScreen();
    QLabel* caption = child<QLabel>("labelFavPages");
    QWidget* frame = child<QWidget>("pos_buttons_frame");
    const auto enabledButtons = [frame]() {
        int count = 0;
        for (CPosButton* b : frame->findChildren<CPosButton*>())
            count += b->isEnabled() ? 1 : 0;
        return count;
    };
    QCOMPARE(caption->text(), QStringLiteral("Page 1 of 2 "));
    QCOMPARE(enabledButtons(), 16);

    QTest::keyClick(m_host, Qt::Key_PageUp);
    QTRY_COMPARE(caption->text(), QStringLiteral("Page 2 of 2 "));
    QCOMPARE(enabledButtons(), 1);
    QCOMPARE(frame->findChildren<CPosButton*>().size(), 16);
    button("nextButton")->click();
    QCOMPARE(caption->text(), QStringLiteral("Page 2 of 2 "));
    QTest::keyClick(m_host, Qt::Key_PageDown);
    QTRY_COMPARE(caption->text(), QStringLiteral("Page 1 of 2 "));
    QCOMPARE(enabledButtons(), 16);

    // Drinks: tea, juice and the twelve colas.
    QComboBox* combo = child<QComboBox>("comboCategory");
    QCOMPARE(combo->currentIndex(), -1);
    combo->setCurrentIndex(combo->findText(QStringLiteral("Drinks")));
    QCOMPARE(caption->text(), QStringLiteral("Category Page 1 of 1 "));
    QCOMPARE(enabledButtons(), 14);
    combo->setCurrentIndex(combo->findText(QStringLiteral("Food")));
    QCOMPARE(caption->text(), QStringLiteral("Category Page 1 of 1 "));
    QCOMPARE(enabledButtons(), 3);

    QTest::keyClick(edit("lineEditBarCode"), Qt::Key_F11);
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(caption->text(), QStringLiteral("Page 1 of 2 "));
    QCOMPARE(enabledButtons(), 16);
}

void PosTest::productButtonEntersQuantity()
{
    openScreen();
    CPosButton* juice = nullptr;
    for (CPosButton* b : child<QWidget>("pos_buttons_frame")->findChildren<CPosButton*>())
        if (b->GetBarCode() == QLatin1String("5005"))
            juice = b;
    QVERIFY(juice);
    edit("lineEditItems")->setText(QStringLiteral("3"));
    juice->click();
    QCOMPARE(lines(), 1);
    QCOMPARE(cell(0, CItemTransactionsModel::ColItems), QStringLiteral("3"));
    QCOMPARE(cell(0, CItemTransactionsModel::ColLineTotal), QStringLiteral("300.00"));
    QCOMPARE(stockOf(QStringLiteral("5005")), qMakePair(7, 0));
    QVERIFY(edit("lineEditBarCode")->text().isEmpty());
}

void PosTest::selectsAndDropsCustomer()
{
    QVERIFY(m_inventory->addCustomer(QStringLiteral("Ann Smith"), QStringLiteral("1 Main St"),
                                     QStringLiteral("ann@example.com"),
                                     QStringLiteral("555 0101")) > 0);
    openScreen();
    QPushButton* customers = button("pushCustomers");
    const auto pickFirstRow = [](QWidget* dialog) {
        auto* view = dialog->findChild<QTableView*>(QStringLiteral("tableView"));
        view->setCurrentIndex(view->model()->index(0, 1));
        dialog->findChild<QPushButton*>(QStringLiteral("pushSelect"))->click();
    };
    QString title;
    QString text;
    m_dialogs.expect(pickFirstRow, QStringLiteral("customers"));
    expectNotice(&title, &text);
    QTest::keyClick(m_host, Qt::Key_F9);
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(title, QStringLiteral("Select Customer"));
    QVERIFY(text.startsWith(QStringLiteral("Customer has been selected.")));
    QVERIFY(customers->isChecked());
    QCOMPARE(m_pos->GetSelectedCustomer().name, QStringLiteral("Ann Smith"));
    QCOMPARE(m_pos->GetSelectedCustomer().contact, QStringLiteral("555 0101"));

    // Closing the directory without Select drops the customer.
    m_dialogs.expect([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); },
                     QStringLiteral("customers"));
    customers->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(!customers->isChecked());
    QVERIFY(m_pos->GetSelectedCustomer().name.isEmpty());

    // Selected again, the customer is stored with the sale.
    m_dialogs.expect(pickFirstRow, QStringLiteral("customers"));
    expectNotice();
    customers->click();
    QVERIFY(m_dialogs.waitUntilDone());
    enter(QStringLiteral("1001"));
    edit("lineEditPaid")->setText(QStringLiteral("5"));
    m_pos->on_pushButtonPay_clicked();
    QSqlQuery sale(m_sales->database());
    QVERIFY(sale.exec(QStringLiteral("SELECT CUSTOMER_ID FROM tblSalesTransactions")));
    QVERIFY(sale.next());
    QCOMPARE(sale.value(0).toString(), QStringLiteral("Ann Smith"));

    // F2 with a pending payment is refused but still drops the customer. (The entry comes
    // first: entering after a payment starts a new sale, which drops the customer as well.)
    enter(QStringLiteral("1001"));
    m_dialogs.expect(pickFirstRow, QStringLiteral("customers"));
    expectNotice();
    customers->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(customers->isChecked());
    m_pos->on_pushNew_clicked();
    QCOMPARE(status(), QStringLiteral("Payment is pending!"));
    QCOMPARE(lines(), 1);
    QVERIFY(!customers->isChecked());
    QVERIFY(m_pos->GetSelectedCustomer().name.isEmpty());
}

void PosTest::opensSalesHistory()
{
    openScreen();
    bool hasBrowser = false;
    QSize size;
    m_dialogs.expect(
        [&hasBrowser, &size](QWidget* dialog) {
            hasBrowser = dialog->findChild<SalesManagement*>() != nullptr;
            size = dialog->size();
            static_cast<QDialog*>(dialog)->reject();
        },
        QStringLiteral("sales history"));
    edit("lineEditPaid")->setFocus();
    QTest::keyClick(m_host, Qt::Key_F8);
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(hasBrowser);
    QCOMPARE(size, QSize(800, 600));
    QTRY_COMPARE(m_host->focusWidget(), static_cast<QWidget*>(edit("lineEditBarCode")));
}

void PosTest::lookUpFillsBarcodeOnly()
{
    openScreen();
    m_dialogs.expect(
        [](QWidget* dialog) {
            const auto views = dialog->findChildren<QTableView*>();
            for (QTableView* view : views) {
                if (view->model() && view->model()->rowCount() > 0) {
                    const QModelIndex first = view->model()->index(0, 0);
                    view->setCurrentIndex(first);
                    emit view->doubleClicked(first);
                    break;
                }
            }
            if (dialog->isVisible())
                static_cast<QDialog*>(dialog)->reject();
        },
        QStringLiteral("stock picker"));
    edit("lineEditPaid")->setFocus();
    QTest::keyClick(m_host, Qt::Key_F7);
    QVERIFY(m_dialogs.waitUntilDone());
    const QString picked = edit("lineEditBarCode")->text();
    const QStringList known{QStringLiteral("1001"), QStringLiteral("2002"), QStringLiteral("3003"),
                            QStringLiteral("4004"), QStringLiteral("5005")};
    QVERIFY2(known.contains(picked), qPrintable(picked));
    QCOMPARE(lines(), 0);
    QTRY_COMPARE(m_host->focusWidget(), static_cast<QWidget*>(edit("lineEditBarCode")));
}

void PosTest::windowsOpenOnTheScreensDialog_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("help") << int(Qt::Key_F1);
    QTest::newRow("receipt preview") << int(Qt::Key_F4);
    QTest::newRow("return mode notice") << int(Qt::Key_F6);
    QTest::newRow("stock picker") << int(Qt::Key_F7);
    QTest::newRow("sales history") << int(Qt::Key_F8);
    QTest::newRow("customers") << int(Qt::Key_F9);
}

void PosTest::windowsOpenOnTheScreensDialog()
{
    // A window of the screen parented elsewhere opens behind the full-screen dialog under a
    // window manager, where the cashier can neither see nor close it.
    QFETCH(int, key);
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("SMALL_RECEIPT"), 0);
    openScreen();
    QWidget* parent = nullptr;
    m_dialogs.expect(
        [&parent](QWidget* dialog) {
            parent = dialog->parentWidget();
            dialog->close();
        },
        QStringLiteral("window of the sales screen"));
    QTest::keyClick(m_host, Qt::Key(key));
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(parent);
    QCOMPARE(parent->window(), static_cast<QWidget*>(m_host));
}

void PosTest::newLineKeepsNameAndIndexInView()
{
    const qint64 juice = m_inventory->addProduct(
        m_drinks, QStringLiteral("P6"),
        QStringLiteral("Freshly Squeezed Orange Juice with Pulp, Family Pack of Six Bottles"), 1,
        8.5);
    m_inventory->addBatch(juice, m_vendor, QStringLiteral("6006"), 500, 1234.5, 1000);
    openScreen();
    QTableView* view = child<QTableView>("tableViewItems");
    for (int i = 0; i < 12; ++i)
        enter(QStringLiteral("6006"), QStringLiteral("12"));
    QCOMPARE(lines(), 12);
    QCoreApplication::processEvents();
    // The columns fit the screen's width: no sideways scrolling, index and name in view.
    int width = 0;
    for (int column = 0; column < CItemTransactionsModel::ColumnCount; ++column)
        if (!view->isColumnHidden(column))
            width += view->columnWidth(column);
    QVERIFY2(width <= view->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(width).arg(view->viewport()->width())));
    QCOMPARE(view->horizontalScrollBar()->value(), 0);
    QVERIFY(view->columnWidth(CItemTransactionsModel::ColName) > 100);
    // The new line is in view at the bottom.
    QVERIFY(view->visualRect(m_pos->GetModel()->index(11, 0)).bottom() <=
            view->viewport()->height());
    QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
}

void PosTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR not set");
    QDir().mkpath(folder);

    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("CURRENCY_SYMBOL"), "$");
    const qint64 bread = m_inventory->addProduct(m_food, QStringLiteral("P6"),
                                                 QStringLiteral("Whole Wheat Bread"), 1, 0.0);
    const qint64 milk = m_inventory->addProduct(m_food, QStringLiteral("P7"),
                                                QStringLiteral("Fresh Milk 1 l"), 1, 5.0);
    m_inventory->addBatch(bread, m_vendor, QStringLiteral("6006"), 30, 3.2, 2.1);
    m_inventory->addBatch(milk, m_vendor, QStringLiteral("7007"), 40, 1.15, 0.8, 5);
    openScreen();
    m_host->setStyleSheet(TestSupport::themeSheet(true));
    enter(QStringLiteral("6006"), QStringLiteral("2"));
    enter(QStringLiteral("7007"), QStringLiteral("3"));
    enter(QStringLiteral("1001"), QStringLiteral("1"));
    enter(QStringLiteral("2002"), QStringLiteral("1"));
    QTest::qWait(100);
    QVERIFY(m_host->grab().save(folder + QStringLiteral("/pos.png")));

    enter(QStringLiteral("3003"));
    QTRY_COMPARE(child<QLabel>("labelStatus")->styleSheet(), QString::fromLatin1(RED));
    QVERIFY(m_host->grab().save(folder + QStringLiteral("/pos-refusal.png")));

    QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>("labelStatus")->styleSheet() == QLatin1String(GRAY),
                             1000);
    edit("lineEditBarCode")->clear();
    edit("lineEditPaid")->setText(QStringLiteral("30"));
    m_pos->on_pushButtonPay_clicked();
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::Paid));
    QTest::qWait(100);
    QVERIFY(m_host->grab().save(folder + QStringLiteral("/pos-paid.png")));
    delete m_host;
    m_host = nullptr;

    // VOID, HOLD and RECALL, the list of held sales and the question about an unpaid sale, in
    // both themes. A dialog is painted where it stands over the till, under a title bar such as
    // a window manager would draw (the offscreen platform draws none).
    const auto grabWith = [this](QWidget* dialog) {
        QPixmap picture = m_host->grab();
        QPainter painter(&picture);
        painter.fillRect(picture.rect(), QColor(0, 0, 0, 60));
        const QPoint at = dialog->frameGeometry().topLeft() - m_host->geometry().topLeft();
        const QRect title(at.x(), at.y() - 30, dialog->width(), 30);
        painter.fillRect(title, QColor(0x2b, 0x2b, 0x2b));
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(14);
        painter.setFont(font);
        painter.drawText(title.adjusted(10, 0, -10, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         dialog->windowTitle());
        painter.drawPixmap(at, dialog->grab());
        return picture;
    };
    for (const bool dark : {true, false}) {
        const QString suffix = dark ? QStringLiteral(".png") : QStringLiteral("-light.png");
        // The next dialog is pictured as name, then closed by close.
        const auto picture = [&](const QString& name, std::function<void(QWidget*)> close) {
            m_dialogs.expect(
                [&, name, close](QWidget* dialog) {
                    QVERIFY(grabWith(dialog).save(folder + name + suffix));
                    close(dialog);
                },
                name);
        };
        m_host = TestSupport::openSalesScreen(&m_pos);
        m_host->setStyleSheet(TestSupport::themeSheet(dark));
        QVERIFY(QTest::qWaitForWindowActive(m_host));
        enter(QStringLiteral("7007"), QStringLiteral("2"));
        enter(QStringLiteral("1001"), QStringLiteral("1"));
        button("pushHold")->click();
        enter(QStringLiteral("6006"), QStringLiteral("2"));
        enter(QStringLiteral("5005"), QStringLiteral("1"));
        enter(QStringLiteral("2002"), QStringLiteral("1"));
        child<QTableView>("tableViewItems")->selectRow(1);
        QTest::qWait(100);
        QVERIFY(m_host->grab().save(folder + QStringLiteral("/pos-void-hold-recall") + suffix));

        picture(QStringLiteral("/pos-void"),
                [](QWidget* box) { TestSupport::pressButton(box, QMessageBox::No); });
        button("pushVoid")->click();
        QVERIFY(m_dialogs.waitUntilDone());
        picture(QStringLiteral("/pos-recall"),
                [](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        button("pushRecall")->click();
        QVERIFY(m_dialogs.waitUntilDone());

        // Closed with the sale kept, the till asks about it when it opens again.
        m_dialogs.expectMessageBox(QMessageBox::Yes);
        button("pushButtonClose")->click();
        delete m_host;
        picture(QStringLiteral("/pos-resume"), [](QWidget* box) {
            TestSupport::clickButtonWithText(box, QStringLiteral("Void"));
        });
        m_host = TestSupport::openSalesScreen(&m_pos);
        m_host->setStyleSheet(TestSupport::themeSheet(dark));
        QVERIFY(m_dialogs.waitUntilDone());
        // The held sale goes too, for the next theme's pictures.
        PendingSales store(CDBManager::GetInstance()->GetInventoryDataBase());
        for (const PendingSale& sale : store.Held())
            QCOMPARE(store.VoidSale(sale.id, QStringLiteral("test")), QString());
        delete m_host;
        m_host = nullptr;
    }
}

MERCHORA_TEST_MAIN(PosTest)
#include "tst_pos.moc"
