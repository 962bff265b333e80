#include "modaldialoghandler.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "catalogue/addnewitemsbatch.h"
#include "catalogue/inventorymanagement.h"
#include "catalogue/productmanagement.h"
#include "core/DBManager.h"
#include "core/utility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

using TestSupport::StoreBuilder;

namespace {

template <typename T> T* child(QWidget* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qWarning("missing child %s", name);
    return widget;
}

QString text(QWidget* parent, const char* name)
{
    return child<QLineEdit>(parent, name)->text();
}

void setText(QWidget* parent, const char* name, const QString& value)
{
    child<QLineEdit>(parent, name)->setText(value);
}

// Clicks through the button itself: the kinetic scrolling of the forms holds back synthetic
// mouse presses.
void click(QWidget* parent, const char* name)
{
    child<QPushButton>(parent, name)->click();
}

QString status(QWidget* parent)
{
    return child<QLabel>(parent, "labelStatus")->text();
}

QString invalidBarCode(const QString& code)
{
    return QStringLiteral("Barcode ( %1 ) is invalid. Please enter valid Barcode (1 to 20 digits)")
        .arg(code);
}

const QString DUPLICATE =
    QStringLiteral("Barcode already exists in inventory. Please choose some other code.");
const QString SAVE_ERROR =
    QStringLiteral("Error occurred while adding or updating the batch information.");

QSqlQueryModel* modelOf(InventoryManagement& screen)
{
    return qobject_cast<QSqlQueryModel*>(child<QTableView>(&screen, "tableViewItems")->model());
}

QStringList listedBarCodes(InventoryManagement& screen)
{
    QSqlQueryModel* model = modelOf(screen);
    while (model->canFetchMore())
        model->fetchMore();
    QStringList codes;
    for (int row = 0; row < model->rowCount(); ++row)
        codes << model->index(row, 3).data().toString();
    codes.sort();
    return codes;
}

int rowOf(InventoryManagement& screen, const QString& barCode)
{
    QSqlQueryModel* model = modelOf(screen);
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 3).data().toString() == barCode)
            return row;
    }
    return -1;
}

void makeCurrent(InventoryManagement& screen, const QString& barCode)
{
    auto* view = child<QTableView>(&screen, "tableViewItems");
    view->setCurrentIndex(modelOf(screen)->index(rowOf(screen, barCode), 3));
}

void setDateFormat(const QString& name)
{
    Utility::GetInstance()->GetSettings()->setValue(QString::fromLatin1(SettingKey::DATE_FORMAT),
                                                    name);
    Utility::GetInstance()->ReloadDateFormat();
}

} // namespace

// The stock-batch dialog and the inventory browser with its stock picker, on store databases
// with chosen rows.
class StockTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void barCodePatternIsCheckedFirst_data();
    void barCodePatternIsCheckedFirst();
    void validatesFieldsInOrder_data();
    void validatesFieldsInOrder();
    void addStoresEveryColumn();
    void addResetsBatchFieldsAndKeepsBarCode();
    void saveWithoutProductFails_data();
    void saveWithoutProductFails();
    void enterInProductCodeLooksUp_data();
    void enterInProductCodeLooksUp();
    void closedProductPickerEmptiesProduct();
    void subItemsFollowMode_data();
    void subItemsFollowMode();
    void editLoadsBrowserRowAndUpdatesSameRow_data();
    void editLoadsBrowserRowAndUpdatesSameRow();
    void editKeepsHiddenSubItems();
    void vendorDirectoryRefreshesVendors();

    void browserListsEveryBatch();
    void searchRules_data();
    void searchRules();
    void searchTextMatchesItself_data();
    void searchTextMatchesItself();
    void batchWithoutVendorIsNotListed();
    void deleteAsksAndKeepsFilter();
    void addAndEditRerunCurrentQuery();
    void selectionModePicksBarCode();
    void pickBarCodeReturnsChoice();
    void largeStoreLoadsRowsOnDemand();

    void screenshots();

private:
    // Three products of one category and three vendors, two of them of the same name.
    void seed();
    // Fills the batch fields with valid values; the product is looked up by its code.
    void fillValid(CAddNewItemsBatch& dialog, const QString& barCode);
    QVariant stored(const QString& barCode, const char* column);
    qint64 batchCount();

    std::unique_ptr<StoreBuilder> m_store;
    TestSupport::ModalDialogHandler m_dialogs;
    int m_storeNumber = 0;
    qint64 m_category = 0;
    qint64 m_tea = 0;
    qint64 m_blackTea = 0;
    qint64 m_soap = 0;
    qint64 m_harbour = 0;
    qint64 m_meadow = 0;
    qint64 m_harbourTwin = 0;
};

void StockTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
    m_store = std::make_unique<StoreBuilder>(
        StoreBuilder::Kind::Inventory,
        QDir::homePath() + QStringLiteral("/stock%1.mercdb").arg(++m_storeNumber));
    QVERIFY(m_store->isOk());
    seed();
    m_store->activate();
}

void StockTest::cleanup()
{
    TestSupport::resetDatabases();
    m_store.reset();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

void StockTest::seed()
{
    m_category = m_store->addCategory(QStringLiteral("Beverages"));
    m_tea = m_store->insert(QStringLiteral("tblProducts"),
                            {{QStringLiteral("CATEGORY_ID"), m_category},
                             {QStringLiteral("PRODUCT_CODE"), QStringLiteral("P100")},
                             {QStringLiteral("NAME"), QStringLiteral("Green Tea 250g")},
                             {QStringLiteral("ITEMS_PER_UNIT"), 12},
                             {QStringLiteral("DESCRIPTION"), QStringLiteral("Loose leaf")},
                             {QStringLiteral("TAX_RATE"), 7.5}});
    m_blackTea =
        m_store->addProduct(m_category, QStringLiteral("P200"), QStringLiteral("Black Tea 500g"));
    m_soap = m_store->addProduct(m_category, QStringLiteral("P300"), QStringLiteral("Dish Soap"));
    m_harbour = m_store->addVendor(QStringLiteral("Harbour Wholesale"));
    m_meadow = m_store->addVendor(QStringLiteral("Meadow Foods"));
    m_harbourTwin = m_store->addVendor(QStringLiteral("Harbour Wholesale"));
    QVERIFY(m_tea > 0 && m_soap > 0 && m_harbourTwin > 0);
}

void StockTest::fillValid(CAddNewItemsBatch& dialog, const QString& barCode)
{
    setText(&dialog, "editProductCode", QStringLiteral("P100"));
    dialog.LoadProduct(QStringLiteral("P100"));
    setText(&dialog, "lineEditBarCode", barCode);
    child<QComboBox>(&dialog, "comboBoxVendors")->setCurrentIndex(1);
    setText(&dialog, "lineEditPurchasePrice", QStringLiteral("1.5"));
    setText(&dialog, "lineEditSalePrice", QStringLiteral("2.99"));
    setText(&dialog, "lineQuantity", QStringLiteral("40"));
    setText(&dialog, "editBatch", QStringLiteral("GT-07"));
    setText(&dialog, "lineStorageLocation", QStringLiteral("Aisle 3"));
    setText(&dialog, "lineEditDiscount", QStringLiteral("5"));
}

QVariant StockTest::stored(const QString& barCode, const char* column)
{
    QSqlQuery query(m_store->database());
    query.prepare(QStringLiteral("SELECT %1 FROM tblInventory WHERE BAR_CODE = ?")
                      .arg(QString::fromLatin1(column)));
    query.addBindValue(barCode);
    if (!query.exec() || !query.next())
        return QVariant();
    return query.value(0);
}

qint64 StockTest::batchCount()
{
    return m_store->count(QStringLiteral("tblInventory"));
}

void StockTest::barCodePatternIsCheckedFirst_data()
{
    QTest::addColumn<QString>("barCode");
    QTest::addColumn<bool>("valid");
    QTest::newRow("21 characters") << QStringLiteral("ABCDEFGHIJ0123456789_") << false;
    QTest::newRow("blank inside") << QStringLiteral("4006 381") << false;
    QTest::newRow("hyphen") << QStringLiteral("4006-381") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("quote") << QStringLiteral("40'06") << false;
    QTest::newRow("20 characters") << QStringLiteral("ABCDEFGHIJ0123456789") << true;
    QTest::newRow("underscore") << QStringLiteral("tea_loose_1") << true;
}

void StockTest::barCodePatternIsCheckedFirst()
{
    QFETCH(QString, barCode);
    QFETCH(bool, valid);
    QCOMPARE(IsValidBatchBarCode(barCode), valid);

    // Every other field is wrong as well: the barcode message must still be the one shown.
    CAddNewItemsBatch dialog;
    setText(&dialog, "lineEditBarCode", barCode);
    setText(&dialog, "lineQuantity", QStringLiteral("x"));
    click(&dialog, "pushButtonAdd");
    QCOMPARE(status(&dialog),
             valid ? QStringLiteral("Error: Please enter numeric value for Quantity.")
                   : invalidBarCode(barCode));
    QCOMPARE(batchCount(), 0);
}

void StockTest::validatesFieldsInOrder_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");

    const QString quantity = QStringLiteral("Error: Please enter numeric value for Quantity.");
    const QString sale = QStringLiteral("Error: Please enter valid value for Sale price.");
    const QString purchase = QStringLiteral("Error: Please enter valid value for Purchase price.");
    const QString discount =
        QStringLiteral("Discount is invalid. Please enter numeric value (0 to 99.99).");
    const QString vendor =
        QStringLiteral("Please select vendor from existing list or add new vendor.");
    const QString subItems = QStringLiteral("Please enter numeric value for sub items.");
    const QString added = QStringLiteral("Batch information (Barcode: BC1) added successfully");

    QTest::newRow("quantity fraction") << "lineQuantity"
                                       << "12.5" << quantity;
    QTest::newRow("quantity empty") << "lineQuantity"
                                    << "" << quantity;
    QTest::newRow("quantity 11 digits") << "lineQuantity"
                                        << "12345678901" << quantity;
    // Larger counts would wrap around in the stock arithmetic of the till.
    QTest::newRow("quantity 10 digits") << "lineQuantity"
                                        << "9999999999"
                                        << "Error: Quantity can not be more than 999999999.";
    QTest::newRow("quantity at its limit") << "lineQuantity"
                                           << "999999999" << added;
    QTest::newRow("sale price beyond the till's boxes")
        << "lineEditSalePrice"
        << "99999999999999999999.99"
        << "Error: Sale price can not be more than 9999999.99.";
    QTest::newRow("sale price at its limit") << "lineEditSalePrice"
                                             << "9999999.99" << added;
    QTest::newRow("purchase price beyond the till's boxes")
        << "lineEditPurchasePrice"
        << "10000000"
        << "Error: Purchase price can not be more than 9999999.99.";
    QTest::newRow("sale three decimals") << "lineEditSalePrice"
                                         << "12.345" << sale;
    QTest::newRow("sale negative") << "lineEditSalePrice"
                                   << "-1" << sale;
    QTest::newRow("sale two decimals") << "lineEditSalePrice"
                                       << "12.34" << added;
    QTest::newRow("purchase text") << "lineEditPurchasePrice"
                                   << "abc" << purchase;
    QTest::newRow("purchase trailing dot") << "lineEditPurchasePrice"
                                           << "3." << purchase;
    QTest::newRow("discount 100") << "lineEditDiscount"
                                  << "100" << discount;
    QTest::newRow("discount empty") << "lineEditDiscount"
                                    << "" << discount;
    QTest::newRow("discount 99.99") << "lineEditDiscount"
                                    << "99.99" << added;
    QTest::newRow("no vendor") << "comboBoxVendors"
                               << "" << vendor;
    QTest::newRow("sub items text") << "editSubItems"
                                    << "two" << subItems;
    QTest::newRow("sub items beyond the limit") << "editSubItems"
                                                << "1000000000"
                                                << "Sub items can not be more than 999999999.";
    // Several wrong fields: the earliest check decides.
    QTest::newRow("quantity before sale") << "lineQuantity+sale"
                                          << "1.5" << quantity;
    QTest::newRow("discount before vendor") << "lineEditDiscount+vendor"
                                            << "100" << discount;
}

void StockTest::validatesFieldsInOrder()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);

    CAddNewItemsBatch dialog;
    fillValid(dialog, QStringLiteral("BC1"));
    const QString name = field.section(QLatin1Char('+'), 0, 0);
    if (name == QLatin1String("comboBoxVendors"))
        child<QComboBox>(&dialog, "comboBoxVendors")->setCurrentIndex(-1);
    else
        setText(&dialog, qPrintable(name), value);
    if (field.endsWith(QLatin1String("+sale")))
        setText(&dialog, "lineEditSalePrice", QStringLiteral("x"));
    if (field.endsWith(QLatin1String("+vendor")))
        child<QComboBox>(&dialog, "comboBoxVendors")->setCurrentIndex(-1);

    const bool valid = message.contains(QLatin1String("successfully"));
    QCOMPARE(dialog.ValidateBatchData(), valid);
    click(&dialog, "pushButtonAdd");
    QCOMPARE(status(&dialog), message);
    QCOMPARE(batchCount(), valid ? 1 : 0);
}

void StockTest::addStoresEveryColumn()
{
    setDateFormat(QStringLiteral("DD/MM/YYYY"));
    CAddNewItemsBatch dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Inventory"));
    QCOMPARE(dialog.size(), QSize(900, 600));
    auto* expiry = child<QDateEdit>(&dialog, "dateEditExpiryDate");
    QCOMPARE(expiry->date(), QDate::currentDate());
    QCOMPARE(text(&dialog, "lineEditDiscount"), QStringLiteral("0"));
    QCOMPARE(text(&dialog, "editSubItems"), QStringLiteral("0"));

    fillValid(dialog, QStringLiteral("GT2027_A"));
    // The third vendor shares the first one's name; its own ID must be stored.
    child<QComboBox>(&dialog, "comboBoxVendors")->setCurrentIndex(2);
    setText(&dialog, "lineEditSalePrice", QStringLiteral("12.34"));
    setText(&dialog, "lineEditPurchasePrice", QStringLiteral("8.1"));
    setText(&dialog, "lineEditDiscount", QStringLiteral("7.5"));
    child<QCheckBox>(&dialog, "checkShowOnPOS")->setChecked(false);
    expiry->setDate(QDate(2027, 3, 9));
    QCOMPARE(expiry->text(), QStringLiteral("09-03-2027"));

    click(&dialog, "pushButtonAdd");
    QCOMPARE(status(&dialog),
             QStringLiteral("Batch information (Barcode: GT2027_A) added successfully"));

    const QString code = QStringLiteral("GT2027_A");
    QCOMPARE(stored(code, "PRODUCT_ID").toLongLong(), m_tea);
    QCOMPARE(stored(code, "VENDOR_ID").toLongLong(), m_harbourTwin);
    QCOMPARE(stored(code, "BATCH_NUMBER").toString(), QStringLiteral("GT-07"));
    QCOMPARE(stored(code, "EXPIRY_DATE").toString(), QStringLiteral("2027-03-09"));
    QCOMPARE(stored(code, "STORAGE_LOCATION").toString(), QStringLiteral("Aisle 3"));
    // Prices are stored as typed: the sales screen and receipts show their text form.
    QCOMPARE(stored(code, "SALE_PRICE").toString(), QStringLiteral("12.34"));
    QCOMPARE(stored(code, "PURCHASE_PRICE").toString(), QStringLiteral("8.1"));
    QCOMPARE(stored(code, "QUANTITY").toInt(), 40);
    QCOMPARE(stored(code, "SUB_ITEMS").toInt(), 0);
    QCOMPARE(stored(code, "SHOW_ON_POS").toInt(), 0);
    QCOMPARE(stored(code, "DISCOUNT").toString(), QStringLiteral("7.5"));
}

void StockTest::addResetsBatchFieldsAndKeepsBarCode()
{
    CAddNewItemsBatch dialog;
    fillValid(dialog, QStringLiteral("BC1"));
    auto* expiry = child<QDateEdit>(&dialog, "dateEditExpiryDate");
    expiry->setDate(QDate(2028, 12, 1));
    auto* showOnPos = child<QCheckBox>(&dialog, "checkShowOnPOS");
    showOnPos->setChecked(false);
    click(&dialog, "pushButtonAdd");
    QCOMPARE(status(&dialog),
             QStringLiteral("Batch information (Barcode: BC1) added successfully"));

    // Batch fields cleared, vendor deselected; product, barcode, flag and expiry kept.
    QCOMPARE(child<QComboBox>(&dialog, "comboBoxVendors")->currentIndex(), -1);
    for (const char* name : {"editBatch", "lineEditSalePrice", "lineEditPurchasePrice",
                             "lineQuantity", "lineStorageLocation"})
        QVERIFY2(text(&dialog, name).isEmpty(), name);
    QCOMPARE(text(&dialog, "lineEditDiscount"), QStringLiteral("0"));
    QCOMPARE(text(&dialog, "editSubItems"), QStringLiteral("0"));
    QCOMPARE(text(&dialog, "lineEditBarCode"), QStringLiteral("BC1"));
    QCOMPARE(text(&dialog, "editProductCode"), QStringLiteral("P100"));
    QCOMPARE(text(&dialog, "lineName"), QStringLiteral("Green Tea 250g"));
    QVERIFY(!showOnPos->isChecked());
    QCOMPARE(expiry->date(), QDate(2028, 12, 1));

    // The same barcode again is refused by the database, and the form keeps what was typed.
    fillValid(dialog, QStringLiteral("BC1"));
    click(&dialog, "pushButtonAdd");
    QCOMPARE(status(&dialog), DUPLICATE);
    QCOMPARE(text(&dialog, "lineQuantity"), QStringLiteral("40"));
    QCOMPARE(batchCount(), 1);

    // A new barcode makes a second batch of the same product.
    setText(&dialog, "lineEditBarCode", QStringLiteral("BC2"));
    click(&dialog, "pushButtonAdd");
    QCOMPARE(status(&dialog),
             QStringLiteral("Batch information (Barcode: BC2) added successfully"));
    QCOMPARE(batchCount(), 2);
}

void StockTest::saveWithoutProductFails_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("never looked up") << QString();
    QTest::newRow("unknown code") << QStringLiteral("NOPE");
}

void StockTest::saveWithoutProductFails()
{
    QFETCH(QString, code);
    CAddNewItemsBatch dialog;
    if (!code.isEmpty()) {
        setText(&dialog, "editProductCode", code);
        QTest::keyClick(child<QLineEdit>(&dialog, "editProductCode"), Qt::Key_Return);
    }
    setText(&dialog, "lineEditBarCode", QStringLiteral("BC9"));
    child<QComboBox>(&dialog, "comboBoxVendors")->setCurrentIndex(0);
    setText(&dialog, "lineEditPurchasePrice", QStringLiteral("1"));
    setText(&dialog, "lineEditSalePrice", QStringLiteral("2"));
    setText(&dialog, "lineQuantity", QStringLiteral("3"));
    click(&dialog, "pushButtonAdd");
    QCOMPARE(status(&dialog), SAVE_ERROR);
    QCOMPARE(batchCount(), 0);
}

void StockTest::enterInProductCodeLooksUp_data()
{
    QTest::addColumn<bool>("useCode");
    QTest::newRow("code becomes barcode") << true;
    QTest::newRow("barcode kept") << false;
}

void StockTest::enterInProductCodeLooksUp()
{
    QFETCH(bool, useCode);
    CAddNewItemsBatch dialog;
    child<QCheckBox>(&dialog, "checkBox")->setChecked(useCode);
    setText(&dialog, "lineEditBarCode", QStringLiteral("OLD"));
    setText(&dialog, "editProductCode", QStringLiteral("P100"));
    QTest::keyClick(child<QLineEdit>(&dialog, "editProductCode"), Qt::Key_Return);

    QCOMPARE(text(&dialog, "lineEditBarCode"), useCode ? QStringLiteral("P100") : "OLD");
    QCOMPARE(text(&dialog, "lineName"), QStringLiteral("Green Tea 250g"));
    QCOMPARE(text(&dialog, "lineCategory"), QStringLiteral("Beverages"));
    QCOMPARE(text(&dialog, "editItemsPerUnit"), QStringLiteral("12"));
    QCOMPARE(text(&dialog, "lineDescription"), QStringLiteral("Loose leaf"));
    QCOMPARE(text(&dialog, "lineTaxStatus"), QStringLiteral("7.5"));

    // An unknown code empties every product field.
    setText(&dialog, "editProductCode", QStringLiteral("P999"));
    QTest::keyClick(child<QLineEdit>(&dialog, "editProductCode"), Qt::Key_Return);
    for (const char* name :
         {"lineName", "lineCategory", "editItemsPerUnit", "lineDescription", "lineTaxStatus"})
        QVERIFY2(text(&dialog, name).isEmpty(), name);
}

void StockTest::closedProductPickerEmptiesProduct()
{
    CAddNewItemsBatch dialog;
    setText(&dialog, "editProductCode", QStringLiteral("P100"));
    dialog.LoadProduct(QStringLiteral("P100"));
    QCOMPARE(text(&dialog, "lineName"), QStringLiteral("Green Tea 250g"));

    m_dialogs.expect([](QWidget* picker) { picker->close(); }, QStringLiteral("product picker"));
    click(&dialog, "pushSelectProduct");
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(text(&dialog, "editProductCode").isEmpty());
    QVERIFY(text(&dialog, "lineEditBarCode").isEmpty());
    QVERIFY(text(&dialog, "lineName").isEmpty());
}

void StockTest::subItemsFollowMode_data()
{
    QTest::addColumn<QVariant>("mode");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("storedSubItems");
    QTest::newRow("unset") << QVariant() << false << 0;
    QTest::newRow("n") << QVariant(QStringLiteral("n")) << false << 0;
    QTest::newRow("Y") << QVariant(QStringLiteral("Y")) << false << 0;
    QTest::newRow("y") << QVariant(QStringLiteral("y")) << true << 6;
}

void StockTest::subItemsFollowMode()
{
    QFETCH(QVariant, mode);
    QFETCH(bool, shown);
    QFETCH(int, storedSubItems);
    if (mode.isValid())
        Utility::GetInstance()->GetSettings()->setValue(
            QString::fromLatin1(SettingKey::SUB_ITEMS_MODE), mode);

    CAddNewItemsBatch dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(child<QLineEdit>(&dialog, "editSubItems")->isVisible(), shown);
    QCOMPARE(child<QLabel>(&dialog, "labelSubItems")->isVisible(), shown);
    fillValid(dialog, QStringLiteral("BC1"));
    if (shown)
        setText(&dialog, "editSubItems", QStringLiteral("6"));
    click(&dialog, "pushButtonAdd");
    QCOMPARE(stored(QStringLiteral("BC1"), "SUB_ITEMS").toInt(), storedSubItems);
}

void StockTest::editLoadsBrowserRowAndUpdatesSameRow_data()
{
    QTest::addColumn<QString>("dateFormat");
    QTest::addColumn<QString>("shown");
    QTest::newRow("YYYY/MM/DD") << QStringLiteral("YYYY/MM/DD") << QStringLiteral("2027-01-05");
    QTest::newRow("MM/DD/YYYY") << QStringLiteral("MM/DD/YYYY") << QStringLiteral("01-05-2027");
    QTest::newRow("DD/MM/YYYY") << QStringLiteral("DD/MM/YYYY") << QStringLiteral("05-01-2027");
}

void StockTest::editLoadsBrowserRowAndUpdatesSameRow()
{
    QFETCH(QString, dateFormat);
    QFETCH(QString, shown);
    setDateFormat(dateFormat);
    m_store->addBatch(m_soap, m_meadow, QStringLiteral("OTHER1"), 3, 1.0, 0.5);
    const qint64 id = m_store->addBatch(m_tea, m_harbourTwin, QStringLiteral("GT1"), 25, 3.49, 2.1,
                                        12.5, 4, false, QDate(2027, 1, 5));
    m_store->exec(QStringLiteral("UPDATE tblInventory SET BATCH_NUMBER = 'L-77', "
                                 "STORAGE_LOCATION = 'Cold Room' WHERE BAR_CODE = 'GT1'"));

    InventoryManagement screen(nullptr);
    const QSqlRecord record = modelOf(screen)->record(rowOf(screen, QStringLiteral("GT1")));
    // The browser shows the expiry in the display format, and the dialog reads it back.
    QCOMPARE(record.value(7).toString(), shown);
    CAddNewItemsBatch dialog;
    dialog.SetBatchForEdit(record);

    QCOMPARE(child<QPushButton>(&dialog, "pushButtonAdd")->text(), QStringLiteral("Update"));
    QCOMPARE(text(&dialog, "lineEditBarCode"), QStringLiteral("GT1"));
    QCOMPARE(text(&dialog, "editProductCode"), QStringLiteral("P100"));
    QCOMPARE(text(&dialog, "lineName"), QStringLiteral("Green Tea 250g"));
    QCOMPARE(text(&dialog, "editBatch"), QStringLiteral("L-77"));
    QCOMPARE(text(&dialog, "lineStorageLocation"), QStringLiteral("Cold Room"));
    QCOMPARE(text(&dialog, "lineQuantity"), QStringLiteral("25"));
    QCOMPARE(text(&dialog, "editSubItems"), QStringLiteral("4"));
    QCOMPARE(text(&dialog, "lineEditPurchasePrice"), QStringLiteral("2.1"));
    QCOMPARE(text(&dialog, "lineEditSalePrice"), QStringLiteral("3.49"));
    QCOMPARE(text(&dialog, "lineEditDiscount"), QStringLiteral("12.5"));
    QVERIFY(!child<QCheckBox>(&dialog, "checkShowOnPOS")->isChecked());
    QCOMPARE(child<QDateEdit>(&dialog, "dateEditExpiryDate")->date(), QDate(2027, 1, 5));
    for (const char* name : {"editItemsPerUnit", "lineName", "lineDescription", "lineCategory"})
        QVERIFY2(!child<QLineEdit>(&dialog, name)->isEnabled(), name);
    auto* useCode = child<QCheckBox>(&dialog, "checkBox");
    QVERIFY(useCode->isChecked() && useCode->isEnabled());

    // Two vendors carry this name; the row's own vendor is the one chosen.
    auto* vendors = child<QComboBox>(&dialog, "comboBoxVendors");
    const auto* vendorModel = qobject_cast<QSqlTableModel*>(vendors->model());
    QCOMPARE(vendorModel->record(vendors->currentIndex()).value(QStringLiteral("ID")).toLongLong(),
             m_harbourTwin);

    setText(&dialog, "lineQuantity", QStringLiteral("30"));
    click(&dialog, "pushButtonAdd");
    QCOMPARE(status(&dialog),
             QStringLiteral("Batch information (Barcode: GT1) updated successfully"));
    QCOMPARE(stored(QStringLiteral("GT1"), "ID").toLongLong(), id);
    QCOMPARE(stored(QStringLiteral("GT1"), "QUANTITY").toInt(), 30);
    QCOMPARE(stored(QStringLiteral("GT1"), "VENDOR_ID").toLongLong(), m_harbourTwin);
    QCOMPARE(stored(QStringLiteral("GT1"), "EXPIRY_DATE").toString(), QStringLiteral("2027-01-05"));
    QCOMPARE(stored(QStringLiteral("GT1"), "SUB_ITEMS").toInt(), 4);

    // Still editing: the second save updates the same row, here with a new barcode.
    QCOMPARE(child<QPushButton>(&dialog, "pushButtonAdd")->text(), QStringLiteral("Update"));
    vendors->setCurrentIndex(1);
    setText(&dialog, "lineEditBarCode", QStringLiteral("GT1B"));
    setText(&dialog, "lineEditPurchasePrice", QStringLiteral("2"));
    setText(&dialog, "lineEditSalePrice", QStringLiteral("3"));
    setText(&dialog, "lineQuantity", QStringLiteral("31"));
    click(&dialog, "pushButtonAdd");
    QCOMPARE(status(&dialog),
             QStringLiteral("Batch information (Barcode: GT1B) updated successfully"));
    QCOMPARE(stored(QStringLiteral("GT1B"), "ID").toLongLong(), id);
    QCOMPARE(stored(QStringLiteral("GT1B"), "VENDOR_ID").toLongLong(), m_meadow);
    QCOMPARE(batchCount(), 2);

    // Taking another batch's barcode is refused.
    vendors->setCurrentIndex(0);
    setText(&dialog, "lineEditBarCode", QStringLiteral("OTHER1"));
    setText(&dialog, "lineEditPurchasePrice", QStringLiteral("2"));
    setText(&dialog, "lineEditSalePrice", QStringLiteral("3"));
    setText(&dialog, "lineQuantity", QStringLiteral("31"));
    click(&dialog, "pushButtonAdd");
    QCOMPARE(status(&dialog), DUPLICATE);
}

void StockTest::editKeepsHiddenSubItems()
{
    // Sub-items mode is off: the field is hidden, but an edited batch keeps its value.
    m_store->addBatch(m_tea, m_meadow, QStringLiteral("GT1"), 5, 2.0, 1.0, 0.0, 9);
    InventoryManagement screen(nullptr);
    CAddNewItemsBatch dialog;
    dialog.SetBatchForEdit(modelOf(screen)->record(rowOf(screen, QStringLiteral("GT1"))));
    QVERIFY(child<QLineEdit>(&dialog, "editSubItems")->isHidden());
    setText(&dialog, "lineQuantity", QStringLiteral("6"));
    click(&dialog, "pushButtonAdd");
    QCOMPARE(stored(QStringLiteral("GT1"), "QUANTITY").toInt(), 6);
    QCOMPARE(stored(QStringLiteral("GT1"), "SUB_ITEMS").toInt(), 9);
}

void StockTest::vendorDirectoryRefreshesVendors()
{
    CAddNewItemsBatch dialog;
    auto* vendors = child<QComboBox>(&dialog, "comboBoxVendors");
    QCOMPARE(vendors->count(), 3);
    vendors->setCurrentIndex(1);

    StoreBuilder* store = m_store.get();
    m_dialogs.expect(
        [store](QWidget* directory) {
            // A vendor added while the directory is open.
            store->addVendor(QStringLiteral("Quarry Imports"));
            directory->close();
        },
        QStringLiteral("vendor directory"));
    click(&dialog, "pushVendors");
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(vendors->count(), 4);
    QVERIFY(vendors->findText(QStringLiteral("Quarry Imports")) >= 0);
    QCOMPARE(vendors->currentText(), QStringLiteral("Meadow Foods"));
}

void StockTest::browserListsEveryBatch()
{
    m_store->addBatch(m_tea, m_harbour, QStringLiteral("GT1"), 10, 2.5, 1.2);
    m_store->addBatch(m_soap, m_meadow, QStringLiteral("DS1"), 4, 3.0, 2.0);
    m_store->addBatch(m_blackTea, m_harbourTwin, QStringLiteral("BT1"), 7, 4.0, 3.0);

    InventoryManagement screen(nullptr);
    QCOMPARE(listedBarCodes(screen),
             (QStringList{QStringLiteral("BT1"), QStringLiteral("DS1"), QStringLiteral("GT1")}));
    QSqlQueryModel* model = modelOf(screen);
    const int row = rowOf(screen, QStringLiteral("DS1"));
    QCOMPARE(model->index(row, 5).data().toString(), QStringLiteral("Dish Soap"));
    QCOMPARE(model->index(row, 6).data().toString(), QStringLiteral("Meadow Foods"));
    QCOMPARE(model->index(row, 13).data().toString(), QStringLiteral("P300"));

    const QStringList headers = {
        "Bar Code",       "Batch Number",     "Product",      "Vendor",
        "Expiry",         "Storage Location", "Quantity",     "Sub Quantity/Items",
        "Purchase Price", "Sale Price",       "Product Code", "DISCOUNT"};
    for (int column = 3; column <= 15; ++column) {
        if (column == 14)
            continue;
        QCOMPARE(model->headerData(column, Qt::Horizontal).toString(),
                 headers.at(column < 14 ? column - 3 : column - 4));
    }
    auto* view = child<QTableView>(&screen, "tableViewItems");
    for (int column = 0; column < model->columnCount(); ++column)
        QCOMPARE(view->isColumnHidden(column), column <= 2 || column == 14);

    // Edit and Delete wait for a row to be chosen.
    auto* edit = child<QPushButton>(&screen, "buttonEdit");
    auto* remove = child<QPushButton>(&screen, "buttonDelete");
    QVERIFY(!edit->isEnabled() && !remove->isEnabled());
    makeCurrent(screen, QStringLiteral("GT1"));
    QVERIFY(edit->isEnabled() && remove->isEnabled());
    QVERIFY(child<QFrame>(&screen, "frameCloseButton")->isHidden());
}

void StockTest::searchRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("message");
    const QString byName = QStringLiteral("Search results based on Name. ");
    const QString byCode = QStringLiteral("Search results based on Bar Code.");
    QTest::newRow("name anywhere") << "tea"
                                   << "" << QStringList{"BT1", "GT1", "GT2"} << byName;
    QTest::newRow("name wins over code") << "Soap"
                                         << "GT" << QStringList{"DS1"} << byName;
    QTest::newRow("barcode fragment") << ""
                                      << "T1" << QStringList{"BT1", "GT1"} << byCode;
    QTest::newRow("nothing found") << "Coffee"
                                   << "" << QStringList{} << byName;
    QTest::newRow("no criteria") << ""
                                 << "" << QStringList{}
                                 << QStringLiteral("No search criteria specified.");
}

void StockTest::searchRules()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QStringList, listed);
    QFETCH(QString, message);
    m_store->addBatch(m_tea, m_harbour, QStringLiteral("GT1"), 10, 2.5, 1.2);
    m_store->addBatch(m_tea, m_meadow, QStringLiteral("GT2"), 10, 2.5, 1.2);
    m_store->addBatch(m_soap, m_meadow, QStringLiteral("DS1"), 4, 3.0, 2.0);
    m_store->addBatch(m_blackTea, m_harbourTwin, QStringLiteral("BT1"), 7, 4.0, 3.0);

    InventoryManagement screen(nullptr);
    setText(&screen, "editName", name);
    setText(&screen, "editCode", code);
    click(&screen, "buttonSearch");
    QCOMPARE(listedBarCodes(screen), listed);
    QCOMPARE(status(&screen), message);

    // "Show All" lists everything again and leaves the search fields alone.
    click(&screen, "buttonShowAll");
    QCOMPARE(listedBarCodes(screen).size(), 4);
    QCOMPARE(text(&screen, "editName"), name);
    QCOMPARE(text(&screen, "editCode"), code);
}

void StockTest::searchTextMatchesItself_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("quote in name") << "editName"
                                   << "O'Brien" << QStringList{"Q1"};
    QTest::newRow("percent in name") << "editName"
                                     << "100%" << QStringList{"PC1"};
    QTest::newRow("percent alone") << "editName"
                                   << "%" << QStringList{"PC1"};
    QTest::newRow("underscore in name") << "editName"
                                        << "a_b" << QStringList{"U1"};
    QTest::newRow("SQL text in name") << "editName"
                                      << "' OR 1=1 --" << QStringList{};
    QTest::newRow("closing quote and paren") << "editName"
                                             << "%') OR ('1'='1" << QStringList{};
    QTest::newRow("underscore in barcode") << "editCode"
                                           << "_" << QStringList{"U_1"};
    QTest::newRow("SQL text in barcode") << "editCode"
                                         << "' OR ''='" << QStringList{};
}

void StockTest::searchTextMatchesItself()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QStringList, listed);
    const qint64 quote = m_store->addProduct(m_category, QStringLiteral("Q"),
                                             QStringLiteral("O'Brien Oat Biscuits"));
    const qint64 percent =
        m_store->addProduct(m_category, QStringLiteral("PC"), QStringLiteral("Juice 100% Apple"));
    const qint64 underscore =
        m_store->addProduct(m_category, QStringLiteral("U"), QStringLiteral("Tea a_b blend"));
    m_store->addBatch(quote, m_harbour, QStringLiteral("Q1"), 1, 1, 1);
    m_store->addBatch(percent, m_harbour, QStringLiteral("PC1"), 1, 1, 1);
    m_store->addBatch(underscore, m_harbour, QStringLiteral("U1"), 1, 1, 1);
    // "a_b" must not match "axb", nor "_" every barcode.
    const qint64 lookalike =
        m_store->addProduct(m_category, QStringLiteral("X"), QStringLiteral("Tea axb blend"));
    m_store->addBatch(lookalike, m_harbour, QStringLiteral("X1"), 1, 1, 1);
    m_store->addBatch(m_tea, m_harbour, QStringLiteral("U_1"), 1, 1, 1);

    InventoryManagement screen(nullptr);
    setText(&screen, qPrintable(field), typed);
    click(&screen, "buttonSearch");
    QCOMPARE(listedBarCodes(screen), listed);
    QCOMPARE(m_store->count(QStringLiteral("tblInventory")), 5);
}

void StockTest::batchWithoutVendorIsNotListed()
{
    m_store->addBatch(m_tea, m_harbour, QStringLiteral("GT1"), 10, 2.5, 1.2);
    QVERIFY(m_store->exec(QStringLiteral("PRAGMA foreign_keys = OFF")));
    QVERIFY(m_store->addBatch(m_tea, 999, QStringLiteral("ORPHAN"), 1, 1, 1) > 0);
    QVERIFY(m_store->addBatch(999, m_harbour, QStringLiteral("NOPRODUCT"), 1, 1, 1) > 0);

    InventoryManagement screen(nullptr);
    QCOMPARE(listedBarCodes(screen), QStringList{QStringLiteral("GT1")});
    setText(&screen, "editCode", QStringLiteral("O"));
    click(&screen, "buttonSearch");
    QCOMPARE(listedBarCodes(screen), QStringList{});
}

void StockTest::deleteAsksAndKeepsFilter()
{
    m_store->addBatch(m_tea, m_harbour, QStringLiteral("GT1"), 10, 2.5, 1.2);
    m_store->addBatch(m_blackTea, m_meadow, QStringLiteral("BT1"), 10, 2.5, 1.2);
    m_store->addBatch(m_soap, m_meadow, QStringLiteral("DS1"), 4, 3.0, 2.0);

    InventoryManagement screen(nullptr);
    setText(&screen, "editName", QStringLiteral("Tea"));
    click(&screen, "buttonSearch");
    makeCurrent(screen, QStringLiteral("GT1"));

    QString question;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::No, &question, &title);
    click(&screen, "buttonDelete");
    QCOMPARE(title, QStringLiteral("Delete Inventory Item"));
    QCOMPARE(question, QStringLiteral("Do you really want to delete this stock item?"));
    QCOMPARE(batchCount(), 3);
    QCOMPARE(listedBarCodes(screen), (QStringList{QStringLiteral("BT1"), QStringLiteral("GT1")}));

    makeCurrent(screen, QStringLiteral("GT1"));
    m_dialogs.expectMessageBox(QMessageBox::Yes);
    click(&screen, "buttonDelete");
    QVERIFY(!stored(QStringLiteral("GT1"), "ID").isValid());
    QCOMPARE(batchCount(), 2);
    // Still the search result, without the deleted batch.
    QCOMPARE(listedBarCodes(screen), QStringList{QStringLiteral("BT1")});
}

void StockTest::addAndEditRerunCurrentQuery()
{
    m_store->addBatch(m_tea, m_harbour, QStringLiteral("GT1"), 10, 2.5, 1.2);
    m_store->addBatch(m_soap, m_meadow, QStringLiteral("DS1"), 4, 3.0, 2.0);
    InventoryManagement screen(nullptr);
    setText(&screen, "editName", QStringLiteral("Tea"));
    click(&screen, "buttonSearch");

    // A batch added through "Add New..." appears in the filtered list.
    m_dialogs.expect(
        [this](QWidget* widget) {
            auto* dialog = qobject_cast<CAddNewItemsBatch*>(widget);
            QVERIFY(dialog);
            fillValid(*dialog, QStringLiteral("GT2"));
            click(dialog, "pushButtonAdd");
            QVERIFY(status(dialog).contains(QLatin1String("added successfully")));
            click(dialog, "pushButtonClose");
        },
        QStringLiteral("new batch"));
    click(&screen, "buttonAddNew");
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(listedBarCodes(screen), (QStringList{QStringLiteral("GT1"), QStringLiteral("GT2")}));

    // "Edit..." opens the current row; the list shows the change afterwards.
    makeCurrent(screen, QStringLiteral("GT1"));
    m_dialogs.expect(
        [](QWidget* widget) {
            QCOMPARE(widget->findChild<QLineEdit*>(QStringLiteral("lineEditBarCode"))->text(),
                     QStringLiteral("GT1"));
            setText(widget, "lineQuantity", QStringLiteral("77"));
            click(widget, "pushButtonAdd");
            widget->close();
        },
        QStringLiteral("edit batch"));
    click(&screen, "buttonEdit");
    QVERIFY(m_dialogs.waitUntilDone());
    QSqlQueryModel* model = modelOf(screen);
    QCOMPARE(model->index(rowOf(screen, QStringLiteral("GT1")), 9).data().toInt(), 77);
    QCOMPARE(listedBarCodes(screen).size(), 2);

    // Without a current row "Edit..." shows nothing.
    child<QTableView>(&screen, "tableViewItems")->setCurrentIndex(QModelIndex());
    screen.on_buttonEdit_clicked();
}

void StockTest::selectionModePicksBarCode()
{
    m_store->addBatch(m_tea, m_harbour, QStringLiteral("GT1"), 10, 2.5, 1.2);
    m_store->addBatch(m_soap, m_meadow, QStringLiteral("DS1"), 4, 3.0, 2.0);

    QDialog picker;
    auto* screen = new InventoryManagement(&picker, true);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QVERIFY(child<QGroupBox>(screen, "groupBoxButtons")->isHidden());
    QVERIFY(child<QFrame>(screen, "frameCloseButton")->isVisible());
    QCOMPARE(status(screen),
             QStringLiteral("PLEASE DOUBLE CLICK TABLE ROW TO SELECT THE PRODUCT AND BARCODE"));
    QCOMPARE(screen->GetSelectedBarCode(), QString());

    auto* view = child<QTableView>(screen, "tableViewItems");
    emit view->doubleClicked(QModelIndex());
    QVERIFY(picker.isVisible());
    QCOMPARE(screen->GetSelectedBarCode(), QString());

    emit view->doubleClicked(modelOf(*screen)->index(rowOf(*screen, QStringLiteral("DS1")), 5));
    QCOMPARE(screen->GetSelectedBarCode(), QStringLiteral("DS1"));
    QVERIFY(!picker.isVisible());
}

void StockTest::pickBarCodeReturnsChoice()
{
    m_store->addBatch(m_tea, m_harbour, QStringLiteral("GT1"), 10, 2.5, 1.2);
    m_store->addBatch(m_soap, m_meadow, QStringLiteral("DS1"), 4, 3.0, 2.0);
    QWidget mainWindow;
    mainWindow.resize(1000, 700);
    mainWindow.show();
    Utility::GetInstance()->SetMainWindow(&mainWindow);

    m_dialogs.expect(
        [&mainWindow](QWidget* dialog) {
            QCOMPARE(dialog->parentWidget(), &mainWindow);
            QCOMPARE(dialog->size(), QSize(800, 600));
            auto* screen = dialog->findChild<InventoryManagement*>();
            QVERIFY(screen);
            auto* view = child<QTableView>(screen, "tableViewItems");
            emit view->doubleClicked(
                view->model()->index(rowOf(*screen, QStringLiteral("GT1")), 3));
        },
        QStringLiteral("stock picker, double-click"));
    QCOMPARE(InventoryManagement::PickBarCode(), QStringLiteral("GT1"));

    m_dialogs.expect([](QWidget* dialog) { click(dialog, "pushClose"); },
                     QStringLiteral("stock picker, closed"));
    QCOMPARE(InventoryManagement::PickBarCode(), QString());
}

void StockTest::largeStoreLoadsRowsOnDemand()
{
    const int total = 20000;
    QVERIFY(m_store->exec(
        QStringLiteral("INSERT INTO tblInventory (PRODUCT_ID, VENDOR_ID, BAR_CODE, BATCH_NUMBER, "
                       "EXPIRY_DATE, STORAGE_LOCATION, PURCHASE_PRICE, SALE_PRICE, QUANTITY, "
                       "SUB_ITEMS, SHOW_ON_POS, DISCOUNT) "
                       "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < "
                       "%1) SELECT %2, %3, 'BC' || x, 'B' || x, '2030-01-01', 'Aisle 1', 1.0, 2.0, "
                       "5, 0, 1, 0 FROM n")
            .arg(total)
            .arg(m_tea)
            .arg(m_meadow)));
    QCOMPARE(batchCount(), total);

    InventoryManagement screen(nullptr);
    screen.resize(1100, 650);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSqlQueryModel* model = modelOf(screen);
    const int firstPage = model->rowCount();
    QVERIFY(firstPage > 0);
    QVERIFY2(firstPage < total, qPrintable(QString::number(firstPage)));
    QVERIFY(model->canFetchMore());

    // Scrolling to the end reads the next rows.
    child<QTableView>(&screen, "tableViewItems")->scrollToBottom();
    QTRY_VERIFY(model->rowCount() > firstPage);

    // A search reads only its first rows as well.
    setText(&screen, "editCode", QStringLiteral("BC1"));
    click(&screen, "buttonSearch");
    QVERIFY(model->rowCount() > 0 && model->rowCount() < 1111);
    QVERIFY(model->canFetchMore());
}

void StockTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QDir().mkpath(folder);
    setDateFormat(QStringLiteral("DD/MM/YYYY"));

    const qint64 roastery = m_store->addVendor(QStringLiteral("Alpine Roastery"));
    const auto product = [this](const char* code, const char* name) {
        return m_store->addProduct(m_category, QString::fromLatin1(code),
                                   QString::fromLatin1(name));
    };
    const qint64 beans = product("P400", "Espresso Beans 1kg");
    const qint64 biscuits = product("P500", "Oat Biscuits 300g");
    const qint64 water = product("P600", "Sparkling Water 1.5l");
    const auto batch = [this](qint64 productId, qint64 vendor, const char* code, int quantity,
                              double sale, double purchase, double discount, const QDate& expiry) {
        m_store->addBatch(productId, vendor, QString::fromLatin1(code), quantity, sale, purchase,
                          discount, 0, quantity % 3 == 0, expiry);
    };
    batch(m_tea, m_harbour, "4006381333931", 48, 3.49, 2.10, 0, QDate(2027, 1, 31));
    batch(m_tea, m_meadow, "4006381333948", 24, 3.49, 2.05, 5, QDate(2027, 4, 30));
    batch(m_blackTea, m_meadow, "5012345678900", 36, 4.25, 2.80, 0, QDate(2026, 11, 15));
    batch(m_blackTea, m_harbourTwin, "7612345000017", 60, 2.79, 1.45, 0, QDate(2028, 2, 1));
    batch(beans, roastery, "8712566328208", 18, 14.90, 9.60, 10, QDate(2026, 9, 30));
    batch(beans, roastery, "8712566328215", 12, 14.90, 9.75, 0, QDate(2026, 12, 31));
    batch(biscuits, m_meadow, "5060012345671", 40, 1.99, 0.95, 0, QDate(2026, 8, 14));
    batch(biscuits, m_harbour, "5060012345688", 30, 1.99, 0.98, 0, QDate(2026, 10, 2));
    batch(water, m_harbour, "4820000111122", 96, 0.89, 0.42, 0, QDate(2027, 6, 30));
    batch(water, m_meadow, "4820000111139", 72, 0.89, 0.40, 15, QDate(2027, 7, 31));
    QVERIFY(m_store->exec(QStringLiteral(
        "UPDATE tblInventory SET BATCH_NUMBER = 'L' || substr(EXPIRY_DATE, 3, 2) || "
        "substr(EXPIRY_DATE, 6, 2) || '-' || "
        "(ID + 10), STORAGE_LOCATION = CASE PRODUCT_ID % 4 WHEN 0 THEN 'Back Store' WHEN 1 THEN "
        "'Aisle 2' WHEN 2 THEN 'Cold Room' ELSE 'Aisle 5' END")));

    for (const bool dark : {true, false}) {
        const QString suffix = dark ? QString() : QStringLiteral("-light");
        QWidget window;
        window.setStyleSheet(TestSupport::themeSheet(dark));
        window.resize(1100, 650);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        {
            auto* dialog = new CAddNewItemsBatch(&window);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            setText(dialog, "editProductCode", QStringLiteral("P100"));
            dialog->LoadProduct(QStringLiteral("P100"));
            setText(dialog, "lineEditBarCode", QStringLiteral("4006381333955"));
            child<QComboBox>(dialog, "comboBoxVendors")->setCurrentIndex(1);
            setText(dialog, "lineEditPurchasePrice", QStringLiteral("2.15"));
            setText(dialog, "lineEditSalePrice", QStringLiteral("3.49"));
            setText(dialog, "lineQuantity", QStringLiteral("48"));
            setText(dialog, "editBatch", QStringLiteral("L2708-21"));
            setText(dialog, "lineStorageLocation", QStringLiteral("Aisle 2"));
            child<QDateEdit>(dialog, "dateEditExpiryDate")->setDate(QDate(2027, 8, 31));
            child<QLabel>(dialog, "labelStatus")
                ->setText(QStringLiteral(
                    "Batch information (Barcode: 4006381333948) added successfully"));
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QVERIFY(dialog->grab().save(folder + QStringLiteral("/batchdialog%1.png").arg(suffix)));
            dialog->close();
        }

        auto* screen = new InventoryManagement(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(screen);
        screen->show();
        QTest::qWait(50);
        makeCurrent(*screen, QStringLiteral("8712566328208"));
        QVERIFY(window.grab().save(folder + QStringLiteral("/inventory%1.png").arg(suffix)));
    }
}

MERCHORA_TEST_MAIN(StockTest)
#include "tst_stock.moc"
