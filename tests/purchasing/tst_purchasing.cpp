#include "modaldialoghandler.h"
#include "pdftools.h"
#include "salesscreenhost.h"
#include "storebuilder.h"
#include "testenvironment.h"
#include "urlcatcher.h"

#include "core/DBManager.h"
#include "core/itemtransactionsmodel.h"
#include "core/utility.h"
#include "pos/pos.h"
#include "purchasing/addeditpurchaseorder.h"
#include "purchasing/purchasemanagement.h"
#include "widgets/qposdialog.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

#include <memory>

using TestSupport::StoreBuilder;

namespace {

template <typename T> T* child(const QWidget* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("missing widget %s", name);
    return widget;
}

QString text(const QWidget* parent, const char* name)
{
    return child<QLineEdit>(parent, name)->text();
}

void setSetting(const char* key, const QVariant& value)
{
    Utility::GetInstance()->GetSettings()->setValue(QString::fromLatin1(key), value);
}

void saveShot(QWidget* widget, const QString& name)
{
    widget->grab().save(QDir(qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR"))
                            .filePath(name + QStringLiteral(".png")));
}

} // namespace

// The purchase order editor and list driven as the shop keeper would: product look-up, totals,
// the order header, receiving into stock, printing, searching and deleting, and an order that
// ends up sold at the till.
class PurchasingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void typingAnItem();
    void addRefusals_data();
    void addRefusals();
    void addsAndDeletesItems();
    void receivingBooksBatchesOnce();
    void failedExportBooksNothing();
    void printsOrder_data();
    void printsOrder();
    void listSearches_data();
    void listSearches();
    void listOpensAndDeletesOrders();
    void receivedOrderIsSoldAtTheTill();
    void screenshots();

private:
    AddEditPurchaseOrder* openEditor(const QSqlRecord* record = nullptr,
                                     const QString& styleSheet = QString());
    PurchaseManagement* openList(const QString& styleSheet = QString());
    void chooseVendor(const QString& name);
    // Types an item into the editor (receiving data too, when given) and presses Add Item.
    void addItem(const QString& code, const QString& price, const QString& quantity,
                 const QString& salePrice = QString(), const QString& batch = QString());
    // Moves the status to RECEIVED; the export question gets the answer, its text lands in
    // question. On Yes the outcome box is answered too and its text lands in outcome.
    void receive(QMessageBox::StandardButton answer, QString* question, QString* outcome = nullptr);
    qint64 addOrder(qint64 vendor, const QString& status, double total, int items);
    QVariant stored(const QString& statement) const;
    // A field of the editor.
    QString field(const char* name) const { return text(m_editor.get(), name); }

    TestSupport::ModalDialogHandler m_dialogs;
    TestSupport::UrlCatcher m_urls;
    std::unique_ptr<StoreBuilder> m_inventory;
    std::unique_ptr<StoreBuilder> m_sales;
    std::unique_ptr<AddEditPurchaseOrder> m_editor;
    std::unique_ptr<QWidget> m_host;
    qint64 m_wholesale = 0;
    qint64 m_farm = 0;
    int m_serial = 0;
};

void PurchasingTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
    m_urls.start();
    setSetting("CURRENCY_SYMBOL", "$");
    setSetting("SALES_TAX_NAME", "VAT");

    ++m_serial;
    m_inventory = std::make_unique<StoreBuilder>(
        StoreBuilder::Kind::Inventory,
        QDir::homePath() + QStringLiteral("/po-inventory-%1.mercdb").arg(m_serial));
    QVERIFY(m_inventory->isOk());
    const qint64 drinks = m_inventory->addCategory("Drinks");
    m_wholesale = m_inventory->addVendor("Wholesale Ltd", "1 Dock Road", "", "555 0100");
    m_farm = m_inventory->addVendor("Fresh Farm", "Hill Lane", "", "555 0200");
    const qint64 tea = m_inventory->addProduct(drinks, "TEA1", "Green Tea", 1, 10.0);
    m_inventory->addProduct(drinks, "HONEY", "Honey Jar");
    QVERIFY(m_inventory->addBatch(tea, m_wholesale, "1001", 7, 3.0, 2.0) > 0);
    m_inventory->activate();
}

void PurchasingTest::cleanup()
{
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
    m_urls.stop();
    m_editor.reset();
    m_host.reset();
    TestSupport::resetDatabases();
    m_inventory.reset();
    m_sales.reset();
}

AddEditPurchaseOrder* PurchasingTest::openEditor(const QSqlRecord* record,
                                                 const QString& styleSheet)
{
    m_editor = std::make_unique<AddEditPurchaseOrder>(nullptr, record);
    m_editor->setStyleSheet(styleSheet);
    m_editor->show();
    return m_editor.get();
}

PurchaseManagement* PurchasingTest::openList(const QString& styleSheet)
{
    m_host = std::make_unique<QWidget>();
    m_host->resize(1000, 600);
    m_host->setStyleSheet(styleSheet);
    auto* layout = new QVBoxLayout(m_host.get());
    layout->setContentsMargins(0, 0, 0, 0);
    auto* list = new PurchaseManagement(m_host.get());
    layout->addWidget(list);
    m_host->show();
    return list;
}

void PurchasingTest::chooseVendor(const QString& name)
{
    auto* vendors = child<QComboBox>(m_editor.get(), "comboVendors");
    vendors->setCurrentIndex(vendors->findText(name));
}

void PurchasingTest::addItem(const QString& code, const QString& price, const QString& quantity,
                             const QString& salePrice, const QString& batch)
{
    QWidget* editor = m_editor.get();
    child<QLineEdit>(editor, "lineBarCode")->setText(code);
    child<QLineEdit>(editor, "lineUnitPrice")->setText(price);
    child<QLineEdit>(editor, "lineOrderQuantity")->setText(quantity);
    child<QLineEdit>(editor, "lineSalePrice")->setText(salePrice);
    child<QLineEdit>(editor, "lineBatch")->setText(batch);
    child<QPushButton>(editor, "pushAddItem")->click();
}

void PurchasingTest::receive(QMessageBox::StandardButton answer, QString* question,
                             QString* outcome)
{
    m_dialogs.expectMessageBox(answer, question);
    if (answer == QMessageBox::Yes)
        m_dialogs.expectMessageBox(QMessageBox::Ok, outcome);
    child<QComboBox>(m_editor.get(), "comboStatus")->setCurrentText(QStringLiteral("RECEIVED"));
    QVERIFY(m_dialogs.waitUntilDone());
}

qint64 PurchasingTest::addOrder(qint64 vendor, const QString& status, double total, int items)
{
    const qint64 order = m_inventory->insert("tblPOrders", {{"VENDOR_ID", vendor},
                                                            {"STATUS", status},
                                                            {"SENT_DATE", "2025-03-01"},
                                                            {"DELIVERY_DATE", "2025-03-08"},
                                                            {"SUB_TOTAL", total},
                                                            {"TOTAL", total}});
    for (int item = 0; item < items; ++item)
        m_inventory->insert("tblPODetails", {{"PORDER_ID", order},
                                             {"ITEM_CODE", "HONEY"},
                                             {"QUANTITY", 1},
                                             {"ITEM_NAME", "Honey Jar"},
                                             {"UNIT_PRICE", total / items},
                                             {"LINE_TOTAL", total / items},
                                             {"SALE_PRICE", 0.0},
                                             {"BATCH_NUMBER", ""},
                                             {"EXPIRY_DATE", "2026-01-01"}});
    return order;
}

QVariant PurchasingTest::stored(const QString& statement) const
{
    QSqlQuery query(m_inventory->database());
    if (!query.exec(statement) || !query.next())
        return QVariant();
    return query.value(0);
}

void PurchasingTest::typingAnItem()
{
    AddEditPurchaseOrder* editor = openEditor();
    auto* status = child<QLabel>(editor, "labelStatus");
    const QString code = QStringLiteral("TEA1");
    for (const QChar typed : code) {
        QTest::keyClick(child<QLineEdit>(editor, "lineBarCode"), typed.toLatin1());
        const QString sofar = field("lineBarCode");
        if (sofar != code) {
            QCOMPARE(status->text(),
                     QStringLiteral("Barcode ( %1 ) does not exist in the inventory").arg(sofar));
            QVERIFY(field("lineItemName").isEmpty());
        }
    }
    QVERIFY(status->text().isEmpty());
    QCOMPARE(field("lineItemName"), QStringLiteral("Green Tea"));
    QCOMPARE(field("lineAvailableStock"), QStringLiteral("7"));
    QCOMPARE(field("lineTaxStatus"), QStringLiteral("10"));

    QTest::keyClicks(child<QLineEdit>(editor, "lineUnitPrice"), QStringLiteral("2.5"));
    QTest::keyClicks(child<QLineEdit>(editor, "lineOrderQuantity"), QStringLiteral("4"));
    QCOMPARE(field("lineLineTotal"), QStringLiteral("10.00"));
}

void PurchasingTest::addRefusals_data()
{
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QStringList>("item"); // code, price, quantity
    QTest::addColumn<QString>("message");
    const QString farm = QStringLiteral("Fresh Farm");
    QTest::newRow("unknown code") << farm << QStringList{"NOPE", "1", "1"}
                                  << "Please enter valid product item code";
    QTest::newRow("no price") << farm << QStringList{"TEA1", "", "1"}
                              << "Please enter valid unit price of product item";
    QTest::newRow("no quantity") << farm << QStringList{"TEA1", "1", ""}
                                 << "Please enter valid order quantity";
    QTest::newRow("no vendor") << QString() << QStringList{"TEA1", "1", "1"}
                               << "Please select vendor for this item";
}

void PurchasingTest::addRefusals()
{
    QFETCH(QString, vendor);
    QFETCH(QStringList, item);
    QFETCH(QString, message);
    AddEditPurchaseOrder* editor = openEditor();
    chooseVendor(vendor);
    addItem(item.at(0), item.at(1), item.at(2));
    QCOMPARE(child<QLabel>(editor, "labelStatus")->text(), message);
    QVERIFY(field("linePoNumber").isEmpty());
    QCOMPARE(m_inventory->count("tblPOrders"), qint64(0));
}

void PurchasingTest::addsAndDeletesItems()
{
    AddEditPurchaseOrder* editor = openEditor();
    chooseVendor("Wholesale Ltd");
    QCOMPARE(field("lineContact"), QStringLiteral("555 0100"));
    const auto totals = [this] {
        return QStringList{field("lineSubTotal"), field("lineTax"), field("lineTotal")};
    };

    // The first item creates the order; its number appears at once and the stored order follows.
    addItem("TEA1", "2.5", "4");
    const QString number = field("linePoNumber");
    QVERIFY(!number.isEmpty());
    QCOMPARE(totals(), QStringList({"10.00", "1.00", "11.00"}));
    QVERIFY(field("lineBarCode").isEmpty());
    const QString storedTotal = QStringLiteral("SELECT TOTAL FROM tblPOrders WHERE ID = ") + number;
    QCOMPARE(stored(storedTotal).toDouble(), 11.0);

    auto* table = child<QTableView>(editor, "tableView");
    QCOMPARE(table->model()->rowCount(), 1);
    QVERIFY(!child<QPushButton>(editor, "pushDeleteItem")->isEnabled());
    emit table->clicked(table->model()->index(0, 4));
    QCOMPARE(field("lineBarCode"), QStringLiteral("TEA1"));
    child<QPushButton>(editor, "pushDeleteItem")->click();
    QCOMPARE(table->model()->rowCount(), 0);
    QCOMPARE(totals(), QStringList({"0.00", "0.00", "0.00"}));
    QCOMPARE(stored(storedTotal).toDouble(), 0.0);
}

void PurchasingTest::receivingBooksBatchesOnce()
{
    AddEditPurchaseOrder* editor = openEditor();
    chooseVendor("Fresh Farm");
    addItem("TEA1", "2", "5", "3", "B-7");
    addItem("HONEY", "4", "2", "6.5");
    const qint64 batches = m_inventory->count("tblInventory");

    QString question;
    QString outcome;
    receive(QMessageBox::Yes, &question, &outcome);
    QVERIFY2(question.startsWith(QStringLiteral("Do you want to export received items to "
                                                "inventory?\n\nThis adds 2 new stock batch")),
             qPrintable(question));
    QVERIFY2(outcome.startsWith(QStringLiteral("Export to inventory finished successfully\n\n2 "
                                               "new stock batch")),
             qPrintable(outcome));
    QCOMPARE(m_inventory->count("tblInventory"), batches + 2);
    QCOMPARE(stored("SELECT QUANTITY FROM tblInventory WHERE BAR_CODE = 'HONEY'").toInt(), 2);
    const QString order = editor->GetOrderId();
    QCOMPARE(stored("SELECT STATUS FROM tblPOrders WHERE ID = " + order).toString(),
             QStringLiteral("RECEIVED"));

    // Away and back asks again; No books nothing.
    child<QComboBox>(editor, "comboStatus")->setCurrentText(QStringLiteral("SENT"));
    question.clear();
    receive(QMessageBox::No, &question);
    QVERIFY(question.contains(QStringLiteral("2 new stock batch")));
    QCOMPARE(m_inventory->count("tblInventory"), batches + 2);

    // Opened from the list as RECEIVED: no question until it moves away and back.
    auto* model =
        qobject_cast<QSqlQueryModel*>(child<QTableView>(openList(), "tableViewItems")->model());
    const QSqlRecord record = model->record(0);
    openEditor(&record);
    QCOMPARE(field("linePoNumber"), order);
    QCOMPARE(child<QComboBox>(m_editor.get(), "comboVendors")->currentText(),
             QStringLiteral("Fresh Farm"));
    QCOMPARE(child<QTableView>(m_editor.get(), "tableView")->model()->rowCount(), 2);
    child<QComboBox>(m_editor.get(), "comboStatus")->setCurrentText(QStringLiteral("SENT"));
    question.clear();
    receive(QMessageBox::No, &question);
    QVERIFY(question.contains(QStringLiteral("2 new stock batch")));
}

void PurchasingTest::failedExportBooksNothing()
{
    openEditor();
    chooseVendor("Fresh Farm");
    addItem("TEA1", "2", "5");
    addItem("HONEY", "4", "2");
    // The honey leaves the catalogue before the goods arrive.
    QVERIFY(m_inventory->exec("DELETE FROM tblProducts WHERE PRODUCT_CODE = 'HONEY'"));
    const qint64 batches = m_inventory->count("tblInventory");

    QString warning;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::Yes);
    m_dialogs.expectMessageBox(QMessageBox::Ok, &warning, &title);
    child<QComboBox>(m_editor.get(), "comboStatus")->setCurrentText(QStringLiteral("RECEIVED"));
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(title, QStringLiteral("Export"));
    QVERIFY2(warning.startsWith(QStringLiteral("Nothing was booked into stock:\nHONEY")),
             qPrintable(warning));
    QCOMPARE(m_inventory->count("tblInventory"), batches);
    // The order keeps its former status; choosing RECEIVED again offers the export again.
    QCOMPARE(child<QComboBox>(m_editor.get(), "comboStatus")->currentText(),
             QStringLiteral("DRAFT"));
    m_dialogs.expectMessageBox(QMessageBox::No);
    child<QComboBox>(m_editor.get(), "comboStatus")->setCurrentText(QStringLiteral("RECEIVED"));
    QVERIFY(m_dialogs.waitUntilDone());
}

void PurchasingTest::printsOrder_data()
{
    QTest::addColumn<bool>("tax");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QStringList>("expected"); // in this order
    QTest::addColumn<QString>("absent");
    const QStringList withTax = {"PURCHASE ORDER",
                                 "Vendor: Fresh Farm",
                                 "Hill Lane",
                                 "Purchase Order Nr: %1",
                                 "555 0200",
                                 "Qty Item# Name Unit Price Line Total",
                                 "4 TEA1 Green Tea 2.50 10.00",
                                 "2 HONEY Honey Jar 0.125 0.25",
                                 "Sub Total $ 10.25",
                                 "VAT $ 1.00",
                                 "Total $ 11.25"};
    QTest::newRow("tax, Print to PDF")
        << true << QByteArray("pushPrintToPDF") << withTax << QString();
    QTest::newRow("no tax, Print")
        << false << QByteArray("pushPrint")
        << QStringList{"Purchase Order Nr: %1", "4 TEA1 Green Tea 2.50 10.00", "Total $ 10.25"}
        << "Sub Total";
}

void PurchasingTest::printsOrder()
{
    QFETCH(bool, tax);
    QFETCH(QByteArray, button);
    QFETCH(QStringList, expected);
    QFETCH(QString, absent);
    setSetting("enable_tax", tax);
    AddEditPurchaseOrder* editor = openEditor();
    for (const char* name : {"labelSubTotal", "lineSubTotal", "labelSalesTax", "lineTax"})
        QCOMPARE(child<QWidget>(editor, name)->isVisible(), tax);
    chooseVendor("Fresh Farm");
    addItem("TEA1", "2.5", "4");
    addItem("HONEY", "0.125", "2");

    // Print goes to the PDF file while the report printer is set so, after saying it.
    QString notice;
    if (button == "pushPrint")
        m_dialogs.expect(
            [&notice](QWidget* dialog) {
                notice = dialog->windowTitle();
                TestSupport::clickButtonWithText(dialog, QStringLiteral("Close"));
            },
            QStringLiteral("print to PDF notice"));
    child<QPushButton>(editor, button.constData())->click();
    QVERIFY(m_dialogs.waitUntilDone());
    if (button == "pushPrint")
        QCOMPARE(notice, QStringLiteral("Print to PDF"));
    QCOMPARE(m_urls.urls.size(), 1);
    const QString pdf = m_urls.urls.first().toLocalFile();
    QVERIFY(pdf.endsWith(QLatin1String("/print.pdf")));

    // Blanks collapsed, so that columns read as one line.
    const QString printed = TestSupport::pdfText(pdf).replace(
        QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
    int at = 0;
    for (QString piece : expected) {
        piece.replace(QStringLiteral("%1"), editor->GetOrderId());
        const int found = printed.indexOf(piece, at);
        QVERIFY2(found >= 0,
                 qPrintable(piece + QStringLiteral(" missing or out of order in\n") + printed));
        at = found + piece.size();
    }
    if (!absent.isEmpty())
        QVERIFY(!printed.contains(absent));
    QCOMPARE(TestSupport::pdfPageCount(pdf), 1);
}

void PurchasingTest::listSearches_data()
{
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("vendors");
    QTest::addColumn<QString>("message");
    QTest::newRow("vendor") << "farm"
                            << "sent" << QStringList{"Fresh Farm"}
                            << "Search results based on Vendor name. ";
    QTest::newRow("status") << ""
                            << "sent" << QStringList{"Wholesale Ltd"}
                            << "Search results based on Purchase Order Status";
    QTest::newRow("nothing") << ""
                             << "" << QStringList() << "No search criteria specified.";
}

void PurchasingTest::listSearches()
{
    QFETCH(QString, vendor);
    QFETCH(QString, status);
    QFETCH(QStringList, vendors);
    QFETCH(QString, message);
    addOrder(m_wholesale, "SENT", 5.0, 1);
    addOrder(m_farm, "DRAFT", 7.0, 1);
    PurchaseManagement* list = openList();
    QAbstractItemModel* model = child<QTableView>(list, "tableViewItems")->model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Sent Date"));

    child<QLineEdit>(list, "editName")->setText(vendor);
    child<QLineEdit>(list, "lineStatus")->setText(status);
    child<QPushButton>(list, "buttonSearch")->click();
    QStringList found;
    for (int row = 0; row < model->rowCount(); ++row)
        found << model->index(row, 1).data().toString();
    QCOMPARE(found, vendors);
    QCOMPARE(child<QLabel>(list, "labelStatus")->text(), message);

    child<QPushButton>(list, "buttonShowAll")->click();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(child<QLineEdit>(list, "lineStatus")->text(), status);
}

void PurchasingTest::listOpensAndDeletesOrders()
{
    addOrder(m_wholesale, "SENT", 5.0, 1);
    const qint64 doomed = addOrder(m_farm, "DRAFT", 7.0, 2);
    PurchaseManagement* list = openList();
    auto* table = child<QTableView>(list, "tableViewItems");
    QAbstractItemModel* model = table->model();
    QVERIFY(!child<QPushButton>(list, "buttonEdit")->isEnabled());
    table->setCurrentIndex(model->index(1, 0));
    QVERIFY(child<QPushButton>(list, "buttonDelete")->isEnabled());

    // Edit opens the editor on the chosen order; a double-click does the same.
    QString number;
    QString total;
    m_dialogs.expect(
        [&](QWidget* dialog) {
            QVERIFY(qobject_cast<AddEditPurchaseOrder*>(dialog));
            number = text(dialog, "linePoNumber");
            total = text(dialog, "lineTotal");
            dialog->close();
        },
        QStringLiteral("editor"));
    child<QPushButton>(list, "buttonEdit")->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(number, QString::number(doomed));
    QCOMPARE(total, QStringLiteral("7.00"));

    m_dialogs.expect(
        [&](QWidget* dialog) {
            number = text(dialog, "linePoNumber");
            dialog->close();
        },
        QStringLiteral("new order"));
    child<QPushButton>(list, "buttonAddNew")->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(number.isEmpty());

    // The list was read again: the order to delete is chosen anew.
    QVERIFY(!child<QPushButton>(list, "buttonDelete")->isEnabled());
    table->setCurrentIndex(model->index(1, 0));
    QString question;
    m_dialogs.expectMessageBox(QMessageBox::Yes, &question);
    child<QPushButton>(list, "buttonDelete")->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(question, QStringLiteral("Do you really want to delete this purchase order?"));
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("Wholesale Ltd"));
    QCOMPARE(m_inventory->count("tblPODetails"), qint64(1));
}

void PurchasingTest::receivedOrderIsSoldAtTheTill()
{
    m_inventory->addProduct(m_inventory->addCategory("Snacks"), "NUT500", "Cashew Nuts");
    m_sales = std::make_unique<StoreBuilder>(StoreBuilder::Kind::Sales,
                                             QDir::homePath() + QStringLiteral("/po-sales.mercdb"));
    QVERIFY(m_sales->isOk());
    m_sales->activate();

    openEditor();
    chooseVendor("Wholesale Ltd");
    addItem("NUT500", "1.20", "12", "2.00", "N-1");
    QString question;
    receive(QMessageBox::Yes, &question);
    m_editor.reset();

    // The new batch is sold at the till by the product code.
    CPOS* pos = nullptr;
    std::unique_ptr<QPOSDialog> till(TestSupport::openSalesScreen(&pos));
    child<QLineEdit>(pos, "lineEditItems")->setText(QStringLiteral("3"));
    child<QLineEdit>(pos, "lineEditBarCode")->setText(QStringLiteral("NUT500"));
    pos->on_pushEnter_clicked();
    QCOMPARE(pos->GetModel()->rowCount(), 1);
    QCOMPARE(pos->GetModel()->Text(0, CItemTransactionsModel::ColName),
             QStringLiteral("Cashew Nuts"));
    child<QLineEdit>(pos, "lineEditPaid")->setText(QStringLiteral("6.00"));
    pos->on_pushButtonPay_clicked();
    QCOMPARE(pos->GetSaleState(), int(CPOS::Paid));
    QCOMPARE(stored("SELECT QUANTITY FROM tblInventory WHERE BAR_CODE = 'NUT500'").toInt(), 9);
}

void PurchasingTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QDir().mkpath(folder);
    setSetting("REPORT_COMPANY_NAME", "Corner Pharmacy");
    setSetting("REPORT_COMPANY_ADDRESS", "4 Market Square, Springfield");
    setSetting("REPORT_PHONE_NUMBER", "Phone: 555 0123");
    addOrder(m_wholesale, "RECEIVED", 42.0, 2);
    addOrder(m_farm, "DRAFT", 18.5, 1);

    AddEditPurchaseOrder* editor = openEditor();
    chooseVendor("Fresh Farm");
    child<QTextEdit>(editor, "textEditNotes")
        ->setPlainText("Deliver to the back door before 9 am.");
    addItem("TEA1", "2.5", "4", "3.90", "GT-2025-04");
    addItem("HONEY", "4.80", "6", "7.50", "HJ-118");
    child<QPushButton>(editor, "pushPrintToPDF")->click();
    TestSupport::runTool(QStringLiteral("pdftoppm"),
                         {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                          QStringLiteral("-singlefile"), m_urls.urls.last().toLocalFile(),
                          QDir(folder).filePath(QStringLiteral("purchase-order-page"))});
    const QSqlRecord record = [this] {
        PurchaseManagement* list = openList();
        auto* model =
            qobject_cast<QSqlQueryModel*>(child<QTableView>(list, "tableViewItems")->model());
        return model->record(model->rowCount() - 1);
    }();

    for (const bool dark : {true, false}) {
        const QString suffix = dark ? QString() : QStringLiteral("-light");
        AddEditPurchaseOrder* shown = openEditor(&record, TestSupport::themeSheet(dark));
        auto* tabs = child<QTabWidget>(shown, "tabWidget");
        auto* table = child<QTableView>(shown, "tableView");
        table->setCurrentIndex(table->model()->index(1, 4));
        emit table->clicked(table->currentIndex());
        const char* names[] = {"purchase-order", "purchase-order-receiving",
                               "purchase-order-notes"};
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QTest::qWait(20);
            saveShot(shown, QString::fromLatin1(names[tab]) + suffix);
        }
        PurchaseManagement* list = openList(TestSupport::themeSheet(dark));
        m_host->resize(1120, 620);
        child<QLineEdit>(list, "editName")->setText(QStringLiteral("Farm"));
        child<QPushButton>(list, "buttonSearch")->click();
        QTest::qWait(20);
        saveShot(m_host.get(), QStringLiteral("purchase-orders") + suffix);
    }
}

MERCHORA_TEST_MAIN(PurchasingTest)
#include "tst_purchasing.moc"
