#include "modaldialoghandler.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "catalogue/addeditproductdialog.h"
#include "catalogue/productmanagement.h"
#include "core/DBManager.h"
#include "core/utility.h"
#include "widgets/errordialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>
#include <QSqlRelationalTableModel>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

#include <memory>

using TestSupport::StoreBuilder;

namespace {

const char PLACEHOLDER_CODE[] = "AAAAAAAAAAAAAAAAAAAA";

template <typename T> T* child(QWidget* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qWarning("missing child %s", name);
    return widget;
}

QTableView* table(QWidget* screen)
{
    return child<QTableView>(screen, "tableViewProducts");
}

// The codes the product screen lists, top to bottom.
QStringList listedCodes(QWidget* screen)
{
    QStringList codes;
    const QAbstractItemModel* model = table(screen)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        codes << model->index(row, 2).data().toString();
    return codes;
}

void selectCode(QWidget* screen, const QString& code)
{
    const int row = listedCodes(screen).indexOf(code);
    QVERIFY2(row >= 0, qPrintable(code));
    table(screen)->setCurrentIndex(table(screen)->model()->index(row, 2));
}

void setText(QWidget* dialog, const char* name, const QString& text)
{
    child<QLineEdit>(dialog, name)->setText(text);
}

QString statusOf(QWidget* widget)
{
    return child<QLabel>(widget, "labelStatus")->text();
}

void clickAdd(QWidget* dialog)
{
    child<QPushButton>(dialog, "buttonAdd")->click();
}

// Fills the add form for a product of the given category (combo position).
void fillProduct(QWidget* dialog, const QString& name, int category, const QString& code = {})
{
    child<QCheckBox>(dialog, "checkAutoGenerate")->setChecked(code.isEmpty());
    setText(dialog, "editCode", code);
    setText(dialog, "editName", name);
    child<QComboBox>(dialog, "comboCategory")->setCurrentIndex(category);
    setText(dialog, "editItemsPerUnit", QStringLiteral("1"));
}

} // namespace

// The product screen, its picker mode and the add/edit dialog, on a small store.
class ProductsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensListingEveryProductWithCategoryNames();
    void searchFindsTypedTextAsItself_data();
    void searchFindsTypedTextAsItself();
    void deleteAsksAndKeepsStockedProducts();
    void dialogRefusesInvalidInput_data();
    void dialogRefusesInvalidInput();
    void autoGenerateStoresNewRowId();
    void failedAddLeavesNoRowBehind();
    void typedCodeAndListedTaxRateAreStored();
    void editLoadsTaxRate_data();
    void editLoadsTaxRate();
    void taxSwitchedOffSavesZero();
    void chosenImageIsStoredAsPath();
    void itemsPerUnitHelpAlwaysShows();
    void pickerReturnsDoubleClickedCode();
    void quotedNameEndToEnd();
    void readsLargeStoreInBatches();
    void screenshots();

private:
    qint64 productId(const QString& code);
    QVariant column(const QString& code, const char* name);

    TestSupport::ModalDialogHandler m_dialogs;
    std::unique_ptr<StoreBuilder> m_store;
    qint64 m_beverages = 0;
    qint64 m_pharmacy = 0;
    qint64 m_snacks = 0;
};

void ProductsTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
    m_store.reset();

    static int serial = 0;
    const QString path =
        TestSupport::homePath() + QStringLiteral("/products_%1.mercdb").arg(++serial);
    m_store = std::make_unique<StoreBuilder>(StoreBuilder::Kind::Inventory, path);
    QVERIFY(m_store->isOk());
    m_beverages = m_store->addCategory(QStringLiteral("Beverages"));
    m_pharmacy = m_store->addCategory(QStringLiteral("Pharmacy"));
    m_snacks = m_store->addCategory(QStringLiteral("Snacks"));
    m_store->addProduct(m_beverages, QStringLiteral("TEA1"), QStringLiteral("Green Tea 20 bags"));
    m_store->addProduct(m_beverages, QStringLiteral("OJ100"), QStringLiteral("100% Orange Juice"));
    m_store->addProduct(m_beverages, QStringLiteral("OJ1000"),
                        QStringLiteral("1000 ml Orange Juice"));
    m_store->addProduct(m_pharmacy, QStringLiteral("COUGH_1"),
                        QStringLiteral("O'Brien's Cough Syrup"), 1, 7.3);
    m_store->addProduct(m_snacks, QStringLiteral("CHX1"), QStringLiteral("Salt and Vinegar Chips"),
                        12, 12.5);
    m_store->activate();

    QSettings* settings = Utility::GetInstance()->GetSettings();
    settings->setValue(QString::fromLatin1(SettingKey::SALES_TAX_RATE_A), QStringLiteral("5"));
    settings->setValue(QString::fromLatin1(SettingKey::SALES_TAX_RATE_B), QStringLiteral("12.5"));
    settings->setValue(QString::fromLatin1(SettingKey::SALES_TAX_RATE_C), QStringLiteral("0"));
}

void ProductsTest::cleanup()
{
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
    CDBManager::GetInstance()->CloseInventoryDataBase();
    m_store.reset();
}

qint64 ProductsTest::productId(const QString& code)
{
    return column(code, "ID").toLongLong();
}

QVariant ProductsTest::column(const QString& code, const char* name)
{
    QSqlQuery query(m_store->database());
    query.prepare(QStringLiteral("SELECT [%1] FROM tblProducts WHERE PRODUCT_CODE = ?")
                      .arg(QString::fromLatin1(name)));
    query.addBindValue(code);
    if (!query.exec() || !query.next())
        return QVariant();
    return query.value(0);
}

void ProductsTest::opensListingEveryProductWithCategoryNames()
{
    ProductManagement screen(nullptr);
    QCOMPARE(listedCodes(&screen), QStringList({"TEA1", "OJ100", "OJ1000", "COUGH_1", "CHX1"}));
    const QAbstractItemModel* model = table(&screen)->model();
    QCOMPARE(model->index(3, 1).data().toString(), QStringLiteral("Pharmacy"));
    QCOMPARE(model->index(4, 1).data().toString(), QStringLiteral("Snacks"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Category"));
    QVERIFY(!child<QPushButton>(&screen, "buttonEdit")->isEnabled());
    QVERIFY(!child<QPushButton>(&screen, "buttonDelete")->isEnabled());
    QVERIFY(child<QWidget>(&screen, "frameCloseButton")->isHidden());
    QVERIFY(!child<QWidget>(&screen, "groupBox_3")->isHidden());

    // A row shows its picture and unlocks editing; ID and image path stay hidden after a search.
    selectCode(&screen, QStringLiteral("CHX1"));
    QVERIFY(child<QPushButton>(&screen, "buttonEdit")->isEnabled());
    QVERIFY(child<QPushButton>(&screen, "buttonDelete")->isEnabled());
    const QPixmap picture = child<QLabel>(&screen, "labelImage")->pixmap(Qt::ReturnByValue);
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() <= 200 && picture.height() <= 200);
    setText(&screen, "editName", QStringLiteral("Juice"));
    child<QPushButton>(&screen, "buttonSearch")->click();
    QVERIFY(table(&screen)->isColumnHidden(0));
    QVERIFY(table(&screen)->isColumnHidden(6));
    QVERIFY(!table(&screen)->isColumnHidden(1));
}

void ProductsTest::searchFindsTypedTextAsItself_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("status");

    const QString byName = QStringLiteral("Search results based on Name. ");
    const QString byCode = QStringLiteral("Search results based on Product Code.");
    QTest::newRow("name anywhere") << "orange juice"
                                   << "" << QStringList{"OJ100", "OJ1000"} << byName;
    QTest::newRow("name wins over code") << "Tea"
                                         << "CHX1" << QStringList{"TEA1"} << byName;
    QTest::newRow("code anywhere") << ""
                                   << "OJ1" << QStringList{"OJ100", "OJ1000"} << byCode;
    QTest::newRow("neither") << ""
                             << "" << QStringList{} << "No search criteria specified.";
    QTest::newRow("quote") << "O'Brien's"
                           << "" << QStringList{"COUGH_1"} << byName;
    QTest::newRow("percent is no wildcard") << "100%"
                                            << "" << QStringList{"OJ100"} << byName;
    QTest::newRow("underscore is no wildcard") << ""
                                               << "H_1" << QStringList{"COUGH_1"} << byCode;
    QTest::newRow("sql text") << "x' OR '1'='1"
                              << "" << QStringList{} << byName;
    QTest::newRow("statement text") << "'; DELETE FROM tblProducts; --"
                                    << "" << QStringList{} << byName;
}

void ProductsTest::searchFindsTypedTextAsItself()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QStringList, expected);
    QFETCH(QString, status);

    ProductManagement screen(nullptr);
    setText(&screen, "editName", name);
    setText(&screen, "editCode", code);
    child<QPushButton>(&screen, "buttonSearch")->click();
    QCOMPARE(listedCodes(&screen), expected);
    QCOMPARE(statusOf(&screen), status);
    QCOMPARE(m_store->count(QStringLiteral("tblProducts")), 5);
}

void ProductsTest::deleteAsksAndKeepsStockedProducts()
{
    const qint64 vendor = m_store->addVendor(QStringLiteral("Wholesale Ltd"));
    QVERIFY(m_store->addBatch(productId(QStringLiteral("CHX1")), vendor,
                              QStringLiteral("5000112637922"), 10, 1.5, 0.9) > 0);
    ProductManagement screen(nullptr);
    QPushButton* remove = child<QPushButton>(&screen, "buttonDelete");

    QString text;
    QString title;
    selectCode(&screen, QStringLiteral("TEA1"));
    m_dialogs.expectMessageBox(QMessageBox::No, &text, &title);
    remove->click();
    QCOMPARE(title, QStringLiteral("Delete Product"));
    QCOMPARE(text, QStringLiteral("Do you really want to delete this product?"));
    QVERIFY(listedCodes(&screen).contains(QStringLiteral("TEA1")));

    selectCode(&screen, QStringLiteral("TEA1"));
    m_dialogs.expectMessageBox(QMessageBox::Yes);
    remove->click();
    QVERIFY(!listedCodes(&screen).contains(QStringLiteral("TEA1")));
    QVERIFY(!column(QStringLiteral("TEA1"), "ID").isValid());

    // Stock batches refer to this one: the foreign key keeps it.
    selectCode(&screen, QStringLiteral("CHX1"));
    m_dialogs.expectMessageBox(QMessageBox::Yes);
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    remove->click();
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, QStringLiteral("Can not delete this product because inventory might exist "
                                  "against this product."));
    QVERIFY(listedCodes(&screen).contains(QStringLiteral("CHX1")));
    QCOMPARE(m_store->count(QStringLiteral("tblProducts")), 4);
}

void ProductsTest::dialogRefusesInvalidInput_data()
{
    QTest::addColumn<bool>("autoGenerate");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("items");
    QTest::addColumn<QString>("customRate"); // empty: a listed rate
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("message");

    const auto row = [](const char* tag, bool autoGenerate, const QString& code,
                        const QString& name, const QString& items, const QString& rate,
                        int category, const QString& message) {
        QTest::newRow(tag) << autoGenerate << code << name << items << rate << category << message;
    };
    const auto badCode = [](const QString& code) {
        return QStringLiteral("Product Code ( %1 ) is invalid. Please enter valid Product Code")
            .arg(code);
    };
    const QString badItems = QStringLiteral("Error: Please enter valid Items Per Unit value");
    const QString zeroItems =
        QStringLiteral("Error: Items Per Unit value can not be '0'. Minimum value could be '1'.");
    const QString badRate =
        QStringLiteral("Tax rate is invalid. Please enter numeric (0 to 99.99) value.");
    const QString noCategory = QStringLiteral("Error: Please select a product category");
    const QString code21(21, QLatin1Char('a'));

    row("code of 21", false, code21, "Tea", "1", "", 0, badCode(code21));
    row("code a-b before name", false, "a-b", "", "", "", -1, badCode("a-b"));
    row("empty code", false, "", "Tea", "1", "", 0, badCode(""));
    row("auto generate ignores code", true, "a-b", "", "1", "", 0,
        "Error: Product Name (  ) Please enter valid product name");
    row("empty items", true, "", "Tea", "", "", 0, badItems);
    row("items abc", true, "", "Tea", "abc", "", 0, badItems);
    row("items of 11 digits", true, "", "Tea", "12345678901", "", 0, badItems);
    row("items 0", true, "", "Tea", "0", "", 0, zeroItems);
    row("items 0000", true, "", "Tea", "0000", "", 0, zeroItems);
    row("items 1_2", true, "", "Tea", "1_2", "", 0, zeroItems);
    row("items beyond a million", true, "", "Tea", "9999999999", "", 0,
        "Error: Items Per Unit value can not be more than 1000000.");
    row("rate 100", true, "", "Tea", "6", "100", -1, badRate);
    row("rate 5.125", true, "", "Tea", "6", "5.125", 0, badRate);
    row("rate 99.99 passes", true, "", "Tea", "6", "99.99", -1, noCategory);
    row("no category", false, "Tea_1", "Tea", "6", "", -1, noCategory);
}

void ProductsTest::dialogRefusesInvalidInput()
{
    QFETCH(bool, autoGenerate);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, items);
    QFETCH(QString, customRate);
    QFETCH(int, category);
    QFETCH(QString, message);

    AddEditProductDialog dialog;
    child<QCheckBox>(&dialog, "checkAutoGenerate")->setChecked(autoGenerate);
    setText(&dialog, "editCode", code);
    setText(&dialog, "editName", name);
    setText(&dialog, "editItemsPerUnit", items);
    child<QComboBox>(&dialog, "comboCategory")->setCurrentIndex(category);
    if (!customRate.isEmpty()) {
        child<QCheckBox>(&dialog, "checkBoxCustomRate")->setChecked(true);
        setText(&dialog, "lineEditCustomRate", customRate);
    }
    clickAdd(&dialog);
    QCOMPARE(statusOf(&dialog), message);
    QCOMPARE(m_store->count(QStringLiteral("tblProducts")), 5);
}

void ProductsTest::autoGenerateStoresNewRowId()
{
    AddEditProductDialog dialog;
    QCOMPARE(child<QLineEdit>(&dialog, "editItemsPerUnit")->text(), QStringLiteral("1"));
    QVERIFY(child<QCheckBox>(&dialog, "checkAutoGenerate")->isChecked());
    fillProduct(&dialog, QStringLiteral("Espresso Beans 1kg"), 0);
    setText(&dialog, "editCode", QStringLiteral("IGNORED"));
    setText(&dialog, "editItemsPerUnit", QStringLiteral("4"));
    clickAdd(&dialog);
    QCOMPARE(statusOf(&dialog),
             QStringLiteral("Product with code ( 6 ) added successfully to catalogue"));
    QCOMPARE(productId(QStringLiteral("6")), 6);
    QCOMPARE(column(QStringLiteral("6"), "ITEMS_PER_UNIT").toInt(), 4);
    QCOMPARE(column(QStringLiteral("6"), "CATEGORY_ID").toLongLong(), m_beverages);
    QCOMPARE(column(QStringLiteral("6"), "TAX_RATE").toDouble(), 5.0);
    // The first product keeps the no-image picture's path; the form is ready for the next one.
    QCOMPARE(column(QStringLiteral("6"), "IMAGE_FILE").toString(),
             QStringLiteral(":/resources/images/NoImageAvailable.jpg"));
    QVERIFY(!productId(QStringLiteral("IGNORED")));
    QVERIFY(child<QLineEdit>(&dialog, "editName")->text().isEmpty());
    QCOMPARE(child<QLineEdit>(&dialog, "editItemsPerUnit")->text(), QStringLiteral("1"));
    QCOMPARE(child<QComboBox>(&dialog, "comboCategory")->currentIndex(), -1);

    fillProduct(&dialog, QStringLiteral("Earl Grey 50 bags"), 0);
    clickAdd(&dialog);
    QCOMPARE(statusOf(&dialog),
             QStringLiteral("Product with code ( 7 ) added successfully to catalogue"));
    QCOMPARE(column(QStringLiteral("7"), "NAME").toString(), QStringLiteral("Earl Grey 50 bags"));
    QVERIFY(column(QStringLiteral("7"), "IMAGE_FILE").toString().isEmpty());
}

void ProductsTest::failedAddLeavesNoRowBehind()
{
    // This row gets ID 6, so the next one gets ID 7 and its code "7" is taken: the code update
    // fails after the insert.
    QVERIFY(m_store->addProduct(m_snacks, QStringLiteral("7"), QStringLiteral("Pretzels")) == 6);
    AddEditProductDialog dialog;
    fillProduct(&dialog, QStringLiteral("Cheese Crackers"), 2);
    clickAdd(&dialog);
    QCOMPARE(statusOf(&dialog),
             QStringLiteral("System Error: Can not add product with code ( 7 ) to catalogue"));
    QVERIFY(!productId(QString::fromLatin1(PLACEHOLDER_CODE)));
    QCOMPARE(m_store->count(QStringLiteral("tblProducts")), 6);
    QCOMPARE(child<QLineEdit>(&dialog, "editName")->text(), QStringLiteral("Cheese Crackers"));

    fillProduct(&dialog, QStringLiteral("Another Tea"), 0, QStringLiteral("TEA1"));
    clickAdd(&dialog);
    QCOMPARE(statusOf(&dialog),
             QStringLiteral("System Error: Can not add product with code ( TEA1 ) to catalogue"));
    QCOMPARE(m_store->count(QStringLiteral("tblProducts")), 6);

    // The failures left the connection usable: the next add goes through.
    fillProduct(&dialog, QStringLiteral("Cheese Crackers"), 2, QStringLiteral("CRACK_2"));
    clickAdd(&dialog);
    QCOMPARE(statusOf(&dialog),
             QStringLiteral("Product with code ( CRACK_2 ) added successfully to catalogue"));
    QCOMPARE(m_store->count(QStringLiteral("tblProducts")), 7);
}

void ProductsTest::typedCodeAndListedTaxRateAreStored()
{
    AddEditProductDialog dialog;
    QComboBox* rates = child<QComboBox>(&dialog, "comboTaxRates");
    QCOMPARE(rates->count(), 3);
    QCOMPARE(rates->itemText(0), QStringLiteral("A - 5 %"));
    QCOMPARE(rates->itemText(1), QStringLiteral("B - 12.5 %"));
    QCOMPARE(rates->itemText(2), QStringLiteral("C - 0 %"));
    QVERIFY(!child<QLineEdit>(&dialog, "lineEditCustomRate")->isEnabled());

    fillProduct(&dialog, QStringLiteral("Sea Salt Crisps"), 2, QStringLiteral("Crisps_150g"));
    setText(&dialog, "editDescription", QStringLiteral("Family bag"));
    rates->setCurrentIndex(1);
    clickAdd(&dialog);
    QCOMPARE(statusOf(&dialog),
             QStringLiteral("Product with code ( Crisps_150g ) added successfully to catalogue"));
    QCOMPARE(column("Crisps_150g", "TAX_RATE").toDouble(), 12.5);
    QCOMPARE(column("Crisps_150g", "DESCRIPTION").toString(), QStringLiteral("Family bag"));
    QCOMPARE(column("Crisps_150g", "CATEGORY_ID").toLongLong(), m_snacks);
}

void ProductsTest::editLoadsTaxRate_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("listedRate");
    QTest::addColumn<QString>("customRate");

    QTest::newRow("listed B") << "CHX1"
                              << "B - 12.5 %"
                              << "";
    QTest::newRow("custom") << "COUGH_1"
                            << ""
                            << "7.3";
}

void ProductsTest::editLoadsTaxRate()
{
    QFETCH(QString, code);
    QFETCH(QString, listedRate);
    QFETCH(QString, customRate);

    ProductManagement screen(nullptr);
    selectCode(&screen, code);
    auto* model = qobject_cast<QSqlRelationalTableModel*>(table(&screen)->model());
    QVERIFY(model);
    AddEditProductDialog dialog;
    dialog.SetProductForEdit(model, table(&screen)->currentIndex());
    QCOMPARE(child<QPushButton>(&dialog, "buttonAdd")->text(), QStringLiteral("Update"));
    QCOMPARE(child<QLineEdit>(&dialog, "editCode")->text(), code);
    QCOMPARE(child<QLineEdit>(&dialog, "editName")->text(), column(code, "NAME").toString());
    QCOMPARE(child<QLineEdit>(&dialog, "editItemsPerUnit")->text(),
             column(code, "ITEMS_PER_UNIT").toString());
    QCOMPARE(child<QComboBox>(&dialog, "comboCategory")->currentText(),
             model->index(table(&screen)->currentIndex().row(), 1).data().toString());
    QCOMPARE(child<QCheckBox>(&dialog, "checkBoxCustomRate")->isChecked(), !customRate.isEmpty());
    if (customRate.isEmpty())
        QCOMPARE(child<QComboBox>(&dialog, "comboTaxRates")->currentText(), listedRate);
    else
        QCOMPARE(child<QLineEdit>(&dialog, "lineEditCustomRate")->text(), customRate);

    // Saving unchanged keeps the rate.
    clickAdd(&dialog);
    QCOMPARE(statusOf(&dialog),
             QStringLiteral("Product with code ( %1 ) updated successfull").arg(code));
    QCOMPARE(m_store->count(QStringLiteral("tblProducts")), 5);
    const double expected = customRate.isEmpty() ? 12.5 : customRate.toDouble();
    QCOMPARE(column(code, "TAX_RATE").toDouble(), expected);
}

void ProductsTest::taxSwitchedOffSavesZero()
{
    Utility::GetInstance()->GetSettings()->setValue(QString::fromLatin1(SettingKey::ENABLE_TAX),
                                                    false);
    AddEditProductDialog dialog;
    for (const char* name :
         {"labelTaxRate", "comboTaxRates", "checkBoxCustomRate", "lineEditCustomRate"})
        QVERIFY2(child<QWidget>(&dialog, name)->isHidden(), name);

    fillProduct(&dialog, QStringLiteral("Lemonade"), 0, QStringLiteral("LEMON"));
    clickAdd(&dialog);
    fillProduct(&dialog, QStringLiteral("Ginger Ale"), 0, QStringLiteral("GINGER"));
    clickAdd(&dialog);
    QCOMPARE(column("LEMON", "TAX_RATE").toDouble(), 0.0);
    QCOMPARE(column("GINGER", "TAX_RATE").toDouble(), 0.0);

    // Editing a product taxed earlier also stores 0.
    ProductManagement screen(nullptr);
    selectCode(&screen, QStringLiteral("COUGH_1"));
    AddEditProductDialog edit;
    edit.SetProductForEdit(qobject_cast<QSqlRelationalTableModel*>(table(&screen)->model()),
                           table(&screen)->currentIndex());
    clickAdd(&edit);
    QCOMPARE(column("COUGH_1", "TAX_RATE").toDouble(), 0.0);
}

void ProductsTest::chosenImageIsStoredAsPath()
{
    const QString path = TestSupport::homePath() + QStringLiteral("/pictures/green tea.png");
    QVERIFY(QDir().mkpath(TestSupport::homePath() + QStringLiteral("/pictures")));
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(image.save(path));

    AddEditProductDialog dialog;
    m_dialogs.expectFileDialog(path);
    child<QPushButton>(&dialog, "buttonSelectImage")->click();
    QCOMPARE(Utility::GetInstance()->ReadString(QString::fromLatin1(SettingKey::RECENT_LOCATION)),
             path);
    QVERIFY(child<QLabel>(&dialog, "labelImage")->styleSheet().contains(path));
    fillProduct(&dialog, QStringLiteral("Green Tea 100 bags"), 0, QStringLiteral("TEA100"));
    clickAdd(&dialog);
    QCOMPARE(column("TEA100", "IMAGE_FILE").toString(), path);

    ProductManagement screen(nullptr);
    selectCode(&screen, QStringLiteral("TEA100"));
    QCOMPARE(child<QLabel>(&screen, "labelImage")->pixmap(Qt::ReturnByValue).size(),
             QSize(200, 150));
}

void ProductsTest::itemsPerUnitHelpAlwaysShows()
{
    AddEditProductDialog dialog;
    QString title;
    QString text;
    bool checkBoxHidden = false;
    m_dialogs.expect([&](QWidget* widget) {
        title = widget->windowTitle();
        if (auto* message = widget->findChild<QTextEdit*>())
            text = message->toPlainText();
        if (auto* frame = widget->findChild<QWidget*>(QStringLiteral("frameCheckBox")))
            checkBoxHidden = frame->isHidden();
        QVERIFY(qobject_cast<ErrorDialog*>(widget));
        widget->close();
    });
    child<QPushButton>(&dialog, "pushButton")->click();
    QCOMPARE(title, QStringLiteral("Items Per Unit Help"));
    QVERIFY(checkBoxHidden);
    QVERIFY(text.startsWith(QStringLiteral("This information is for pricing calculation")));
    QVERIFY(text.contains(QStringLiteral("box.  Another example")));
}

void ProductsTest::pickerReturnsDoubleClickedCode()
{
    QWidget mainWindow;
    Utility::GetInstance()->SetMainWindow(&mainWindow);

    QSize pickerSize;
    QString hint;
    bool actionsHidden = false;
    m_dialogs.expect([&](QWidget* dialog) {
        pickerSize = dialog->size();
        auto* screen = dialog->findChild<ProductManagement*>();
        QVERIFY(screen);
        QCOMPARE(dialog->parentWidget(), &mainWindow);
        hint = statusOf(screen);
        actionsHidden = child<QWidget>(screen, "groupBox_3")->isHidden() &&
                        !child<QWidget>(screen, "frameCloseButton")->isHidden();
        const int row = listedCodes(screen).indexOf(QStringLiteral("OJ1000"));
        emit table(screen)->doubleClicked(table(screen)->model()->index(row, 3));
    });
    QCOMPARE(ProductManagement::PickProduct(QSize(800, 400)), QStringLiteral("OJ1000"));
    QCOMPARE(pickerSize, QSize(800, 400));
    QCOMPARE(hint, QStringLiteral("PLEASE DOUBLE CLICK TABLE ROW TO SELECT THE PRODUCT"));
    QVERIFY(actionsHidden);

    m_dialogs.expect([](QWidget* dialog) {
        auto* screen = dialog->findChild<ProductManagement*>();
        QVERIFY(screen);
        // An invalid index chooses nothing and keeps the picker open.
        screen->OnRowDoubleClicked(QModelIndex());
        QVERIFY(dialog->isVisible());
        TestSupport::clickButtonWithText(dialog, QStringLiteral("Close"));
    });
    QCOMPARE(ProductManagement::PickProduct(QSize(800, 600)), QString());
}

void ProductsTest::quotedNameEndToEnd()
{
    const QString name = QStringLiteral("O'Brien's Honey \"Lemon\" Drops");
    ProductManagement screen(nullptr);

    m_dialogs.expect([&](QWidget* dialog) {
        fillProduct(dialog, name, 1, QStringLiteral("DROPS_1"));
        clickAdd(dialog);
        QCOMPARE(statusOf(dialog),
                 QStringLiteral("Product with code ( DROPS_1 ) added successfully to catalogue"));
        dialog->close();
    });
    child<QPushButton>(&screen, "buttonAddNew")->click();
    QVERIFY(listedCodes(&screen).contains(QStringLiteral("DROPS_1")));

    setText(&screen, "editName", QStringLiteral("Honey \"Lemon"));
    child<QPushButton>(&screen, "buttonSearch")->click();
    QCOMPARE(listedCodes(&screen), QStringList{"DROPS_1"});

    // A double-click outside selection mode edits the row.
    const QString renamed = name + QStringLiteral(" 'Extra'");
    m_dialogs.expect([&](QWidget* dialog) {
        QCOMPARE(child<QLineEdit>(dialog, "editName")->text(), name);
        setText(dialog, "editName", renamed);
        clickAdd(dialog);
        dialog->close();
    });
    selectCode(&screen, QStringLiteral("DROPS_1"));
    emit table(&screen)->doubleClicked(table(&screen)->currentIndex());
    QCOMPARE(table(&screen)->model()->index(0, 3).data().toString(), renamed);
    QCOMPARE(column("DROPS_1", "NAME").toString(), renamed);
    QCOMPARE(column("DROPS_1", "CATEGORY_ID").toLongLong(), m_pharmacy);
}

void ProductsTest::readsLargeStoreInBatches()
{
    QVERIFY(m_store->exec(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
        "INSERT INTO tblProducts (CATEGORY_ID, PRODUCT_CODE, NAME, ITEMS_PER_UNIT, TAX_RATE) "
        "SELECT 1 + i % 3, 'BULK' || i, 'Bulk product ' || i, 1, 5 FROM n")));
    // Opening the store (and indexing it once) is not the screen's part.
    CDBManager::GetInstance()->GetInventoryDataBase();
    // How long this takes is measured by merchora_bench_inventory, not here.
    ProductManagement screen(nullptr);
    const QAbstractItemModel* model = table(&screen)->model();
    // Rows arrive as the list scrolls; opening reads only the first batch.
    QVERIFY(model->rowCount() > 0 && model->rowCount() < 1000);
    QVERIFY(model->canFetchMore(QModelIndex()));

    setText(&screen, "editCode", QStringLiteral("BULK9999"));
    child<QPushButton>(&screen, "buttonSearch")->click();
    QCOMPARE(listedCodes(&screen).size(), 11); // BULK9999 and BULK99990..99999
}

void ProductsTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QDir().mkpath(folder);

    const qint64 household = m_store->addCategory(QStringLiteral("Household"));
    m_store->addProduct(m_snacks, QStringLiteral("4006381333931"),
                        QStringLiteral("Dark Chocolate 70% 100g"), 1, 5);
    m_store->addProduct(household, QStringLiteral("DISH_500"),
                        QStringLiteral("Dishwashing Liquid 500 ml"), 1, 12.5);
    m_store->addProduct(m_beverages, QStringLiteral("WATER6"),
                        QStringLiteral("Sparkling Water 6 x 1.5 l"), 6, 5);
    QSqlQuery describe(m_store->database());
    describe.exec(QStringLiteral("UPDATE tblProducts SET DESCRIPTION = 'Loose leaf, organic' "
                                 "WHERE PRODUCT_CODE = 'TEA1'"));
    describe.exec(QStringLiteral("UPDATE tblProducts SET DESCRIPTION = 'Sold per bottle' "
                                 "WHERE PRODUCT_CODE = 'WATER6'"));
    describe.exec(QStringLiteral("UPDATE tblProducts SET DESCRIPTION = 'Pack of 12 bags' "
                                 "WHERE PRODUCT_CODE = 'CHX1'"));

    for (const bool dark : {true, false}) {
        const QString suffix = dark ? QString() : QStringLiteral("-light");
        QWidget frame;
        frame.setStyleSheet(TestSupport::themeSheet(dark));
        auto* layout = new QVBoxLayout(&frame);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* screen = new ProductManagement(&frame);
        layout->addWidget(screen);
        frame.resize(1100, 650);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        selectCode(screen, QStringLiteral("COUGH_1"));
        QTest::qWait(50);
        QVERIFY(frame.grab().save(folder + QStringLiteral("/products%1.png").arg(suffix)));

        QWidget owner;
        owner.setStyleSheet(TestSupport::themeSheet(dark));
        auto* dialog = new AddEditProductDialog(&owner);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        fillProduct(dialog, QStringLiteral("Lemon Iced Tea 330 ml"), 0);
        clickAdd(dialog);
        setText(dialog, "editName", QStringLiteral("Sparkling Water 6 x 1.5 l"));
        child<QComboBox>(dialog, "comboCategory")->setCurrentIndex(0);
        setText(dialog, "editItemsPerUnit", QStringLiteral("6"));
        setText(dialog, "editDescription", QStringLiteral("Sold per bottle"));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTest::qWait(50);
        QVERIFY(dialog->grab().save(folder + QStringLiteral("/productdialog%1.png").arg(suffix)));
        dialog->close();
    }
}

MERCHORA_TEST_MAIN(ProductsTest)
#include "tst_products.moc"
