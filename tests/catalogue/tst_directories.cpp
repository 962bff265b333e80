#include "modaldialoghandler.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "catalogue/managecategories.h"
#include "catalogue/managevendors.h"
#include "pos/managecustomers.h"

#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTextEdit>

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

QTableView* table(QWidget* dialog)
{
    return child<QTableView>(dialog, "tableView");
}

QPushButton* button(QWidget* dialog, const char* name)
{
    return child<QPushButton>(dialog, name);
}

// The texts of the name column, top to bottom, as the table shows them.
QStringList shownNames(QWidget* dialog)
{
    QStringList names;
    const QAbstractItemModel* model = table(dialog)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, 1).data().toString();
    return names;
}

void selectName(QWidget* dialog, const QString& name)
{
    const int row = shownNames(dialog).indexOf(name);
    QVERIFY2(row >= 0, qPrintable(name));
    table(dialog)->selectRow(row);
}

// One row of the vendor or customer form.
struct Contact
{
    QString name;
    QString address;
    QString email;
    QString contact;
};

void fillContact(QWidget* dialog, const Contact& entry)
{
    child<QLineEdit>(dialog, "lineEdit")->setText(entry.name);
    child<QTextEdit>(dialog, "textEditAddress")->setPlainText(entry.address);
    child<QLineEdit>(dialog, "lineEditEmail")->setText(entry.email);
    child<QLineEdit>(dialog, "lineEditContact")->setText(entry.contact);
}

QStringList formTexts(QWidget* dialog)
{
    return {child<QLineEdit>(dialog, "lineEdit")->text(),
            child<QTextEdit>(dialog, "textEditAddress")->toPlainText(),
            child<QLineEdit>(dialog, "lineEditEmail")->text(),
            child<QLineEdit>(dialog, "lineEditContact")->text()};
}

const QString CATEGORY_EXISTS = QStringLiteral("Category already exists in the system");
const QString CATEGORY_IN_USE =
    QStringLiteral("Category can not be deleted because products exist for this category in the "
                   "system");
const QString VENDOR_IN_USE =
    QStringLiteral("Can not delete this vendor as sotck Items exist from this vendor.");

} // namespace

// The category, vendor and customer directories on a store database with chosen rows.
class DirectoriesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void categoryAddStoresTextExactly_data();
    void categoryAddStoresTextExactly();
    void categoryDuplicateIsRefused_data();
    void categoryDuplicateIsRefused();
    void categoryUpdateRenamesSelectedRow();
    void categoryDeleteOnlyWhenUnused();

    void directoryAddUpdateDelete_data();
    void directoryAddUpdateDelete();
    void directoryFilter_data();
    void directoryFilter();
    void vendorInUseStays();
    void customerSelectMode();

    void screenshots();

private:
    // A vendor or customer dialog, by the table it works on.
    std::unique_ptr<QDialog> openDirectory(const QString& table, bool selectMode = false);
    qint64 addContact(const QString& table, const Contact& entry);
    QStringList storedRows(const QString& sql, const QVariantList& values = QVariantList());

    std::unique_ptr<StoreBuilder> m_store;
    TestSupport::ModalDialogHandler m_dialogs;
    int m_storeNumber = 0;
};

void DirectoriesTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
    m_store = std::make_unique<StoreBuilder>(
        StoreBuilder::Kind::Inventory,
        QDir::homePath() + QStringLiteral("/directories%1.mercdb").arg(++m_storeNumber));
    QVERIFY(m_store->isOk());
}

void DirectoriesTest::cleanup()
{
    TestSupport::resetDatabases();
    m_store.reset();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

std::unique_ptr<QDialog> DirectoriesTest::openDirectory(const QString& table, bool selectMode)
{
    m_store->activate();
    if (table == QLatin1String("tblVendors"))
        return std::make_unique<ManageVendors>();
    return std::make_unique<ManageCustomers>(nullptr, selectMode);
}

qint64 DirectoriesTest::addContact(const QString& table, const Contact& entry)
{
    if (table == QLatin1String("tblVendors"))
        return m_store->addVendor(entry.name, entry.address, entry.email, entry.contact);
    return m_store->addCustomer(entry.name, entry.address, entry.email, entry.contact);
}

// Each result row as its columns joined by "|".
QStringList DirectoriesTest::storedRows(const QString& sql, const QVariantList& values)
{
    QStringList rows;
    QSqlQuery query(m_store->database());
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        rows << QStringLiteral("<failed>");
        return rows;
    }
    while (query.next()) {
        QStringList columns;
        for (int column = 0; column < query.record().count(); ++column)
            columns << query.value(column).toString();
        rows << columns.join(QLatin1Char('|'));
    }
    return rows;
}

// ---- categories ---------------------------------------------------------------------------

void DirectoriesTest::categoryAddStoresTextExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("added");
    QTest::newRow("plain") << QStringLiteral("Beverages") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blanks only") << QStringLiteral("    ") << false;
    QTest::newRow("tab counts as text") << QStringLiteral("\t") << true;
    QTest::newRow("surrounding blanks kept") << QStringLiteral(" Food ") << true;
    QTest::newRow("quotes") << QStringLiteral("O'Brien's Pharmacy") << true;
    QTest::newRow("percent") << QStringLiteral("100% Organic") << true;
    QTest::newRow("underscore is no wildcard") << QStringLiteral("Mens_Wear") << true;
    QTest::newRow("sql text") << QStringLiteral("x'); DELETE FROM tblProductCategories; --")
                              << true;
    QTest::newRow("non-ascii") << QStringLiteral("Épicerie fine") << true;
}

void DirectoriesTest::categoryAddStoresTextExactly()
{
    QFETCH(QString, name);
    QFETCH(bool, added);
    m_store->addCategory(QStringLiteral("Food"));
    m_store->addCategory(QStringLiteral("MensXWear"));
    m_store->activate();

    ManageCategories dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Manage Categories"));
    QCOMPARE(table(&dialog)->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Product Categories"));
    QVERIFY(table(&dialog)->isColumnHidden(0));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(&dialog, "lineEdit"));
    QVERIFY(!button(&dialog, "pushButtonUpdate")->isEnabled());
    QVERIFY(!button(&dialog, "pushButtonDelete")->isEnabled());

    child<QLineEdit>(&dialog, "lineEdit")->setText(name);
    button(&dialog, "pushButtonAdd")->click();

    const QStringList expected =
        added ? QStringList{QStringLiteral("Food"), QStringLiteral("MensXWear"), name}
              : QStringList{QStringLiteral("Food"), QStringLiteral("MensXWear")};
    QCOMPARE(storedRows(QStringLiteral("SELECT NAME FROM tblProductCategories ORDER BY ID")),
             expected);
    QCOMPARE(shownNames(&dialog), expected);
    if (added)
        QVERIFY(child<QLineEdit>(&dialog, "lineEdit")->text().isEmpty());
}

void DirectoriesTest::categoryDuplicateIsRefused_data()
{
    QTest::addColumn<QString>("selected"); // empty: Add, otherwise Update of this row
    QTest::addColumn<QString>("typed");
    const QString add;
    const QString snacks = QStringLiteral("Snacks");
    QTest::newRow("add same") << add << QStringLiteral("Food");
    QTest::newRow("add other case") << add << QStringLiteral("fOOD");
    QTest::newRow("add quotes other case") << add << QStringLiteral("o'brien's PHARMACY");
    QTest::newRow("add percent") << add << QStringLiteral("50% off");
    QTest::newRow("add underscore") << add << QStringLiteral("mens_wear");
    QTest::newRow("update to other") << snacks << QStringLiteral("FOOD");
    QTest::newRow("update to quotes") << snacks << QStringLiteral("O'Brien's Pharmacy");
    QTest::newRow("update case only") << QStringLiteral("Food") << QStringLiteral("FOOD");
}

void DirectoriesTest::categoryDuplicateIsRefused()
{
    QFETCH(QString, selected);
    QFETCH(QString, typed);
    const QStringList names = {QStringLiteral("Food"), QStringLiteral("Snacks"),
                               QStringLiteral("O'Brien's Pharmacy"), QStringLiteral("50% Off"),
                               QStringLiteral("Mens_Wear")};
    for (const QString& name : names)
        m_store->addCategory(name);
    m_store->activate();

    ManageCategories dialog;
    if (!selected.isEmpty())
        selectName(&dialog, selected);
    child<QLineEdit>(&dialog, "lineEdit")->setText(typed);
    QString text;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    button(&dialog, selected.isEmpty() ? "pushButtonAdd" : "pushButtonUpdate")->click();

    QCOMPARE(m_dialogs.pendingCount(), 0);
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, CATEGORY_EXISTS);
    QCOMPARE(storedRows(QStringLiteral("SELECT NAME FROM tblProductCategories ORDER BY ID")),
             names);
    QCOMPARE(child<QLineEdit>(&dialog, "lineEdit")->text(), typed);
}

void DirectoriesTest::categoryUpdateRenamesSelectedRow()
{
    m_store->addCategory(QStringLiteral("Food"));
    const qint64 snacks = m_store->addCategory(QStringLiteral("Snacks"));
    m_store->addCategory(QStringLiteral("Drinks"));
    m_store->activate();

    ManageCategories dialog;
    selectName(&dialog, QStringLiteral("Snacks"));
    QCOMPARE(child<QLineEdit>(&dialog, "lineEdit")->text(), QStringLiteral("Snacks"));
    QVERIFY(button(&dialog, "pushButtonUpdate")->isEnabled());
    QVERIFY(button(&dialog, "pushButtonDelete")->isEnabled());

    const QString name = QStringLiteral("Crisps' & \"Nuts\" 10%_");
    child<QLineEdit>(&dialog, "lineEdit")->setText(name);
    button(&dialog, "pushButtonUpdate")->click();

    QCOMPARE(storedRows(QStringLiteral("SELECT ID, NAME FROM tblProductCategories ORDER BY ID")),
             QStringList({QStringLiteral("1|Food"), QStringLiteral("%1|%2").arg(snacks).arg(name),
                          QStringLiteral("3|Drinks")}));
    QVERIFY(shownNames(&dialog).contains(name));
    QVERIFY(child<QLineEdit>(&dialog, "lineEdit")->text().isEmpty());
    QVERIFY(button(&dialog, "pushButtonUpdate")->isEnabled());
}

void DirectoriesTest::categoryDeleteOnlyWhenUnused()
{
    const qint64 food = m_store->addCategory(QStringLiteral("Food"));
    m_store->addCategory(QStringLiteral("Snacks"));
    m_store->addProduct(food, QStringLiteral("P1"), QStringLiteral("Tea"));
    m_store->activate();

    ManageCategories dialog;
    selectName(&dialog, QStringLiteral("Food"));
    QString text;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    button(&dialog, "pushButtonDelete")->click();
    QCOMPARE(m_dialogs.pendingCount(), 0);
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, CATEGORY_IN_USE);
    QCOMPARE(m_store->count(QStringLiteral("tblProductCategories")), 2);

    selectName(&dialog, QStringLiteral("Snacks"));
    button(&dialog, "pushButtonDelete")->click();
    QCOMPARE(storedRows(QStringLiteral("SELECT NAME FROM tblProductCategories")),
             QStringList{QStringLiteral("Food")});
    QCOMPARE(shownNames(&dialog), QStringList{QStringLiteral("Food")});
    QVERIFY(child<QLineEdit>(&dialog, "lineEdit")->text().isEmpty());
}

// ---- vendors and customers ----------------------------------------------------------------

void DirectoriesTest::directoryAddUpdateDelete_data()
{
    QTest::addColumn<QString>("tableName");
    QTest::addColumn<QString>("title");
    QTest::newRow("vendors") << QStringLiteral("tblVendors") << QStringLiteral("Manage Vendors");
    QTest::newRow("customers") << QStringLiteral("tblCustomers")
                               << QStringLiteral("Manage Customers");
}

void DirectoriesTest::directoryAddUpdateDelete()
{
    QFETCH(QString, tableName);
    QFETCH(QString, title);
    auto dialog = openDirectory(tableName);
    QCOMPARE(dialog->windowTitle(), title);
    QVERIFY(table(dialog.get())->isColumnHidden(0));
    QVERIFY(!button(dialog.get(), "pushButtonUpdate")->isEnabled());
    QVERIFY(!button(dialog.get(), "pushButtonDelete")->isEnabled());
    const QString rows = QStringLiteral("SELECT ID, NAME, ADDRESS, EMAIL, CONTACT_NUMBER FROM %1 "
                                        "ORDER BY ID")
                             .arg(tableName);

    // A blank name adds nothing; the same name twice gives two rows.
    fillContact(dialog.get(), {QStringLiteral("   "), QStringLiteral("Nowhere"), {}, {}});
    button(dialog.get(), "pushButtonAdd")->click();
    QCOMPARE(storedRows(rows), QStringList());
    const Contact hartley = {
        QStringLiteral("Hartley's Wholesale"), QStringLiteral("12 Mill Lane\nLeeds LS1 4AB"),
        QStringLiteral("orders@hartley.test"), QStringLiteral("0113 496 0100")};
    fillContact(dialog.get(), hartley);
    button(dialog.get(), "pushButtonAdd")->click();
    QCOMPARE(formTexts(dialog.get()), QStringList({QString(), QString(), QString(), QString()}));
    fillContact(dialog.get(), {hartley.name, QStringLiteral("Unit 3, Dock Road"), {}, {}});
    button(dialog.get(), "pushButtonAdd")->click();
    QCOMPARE(storedRows(rows),
             QStringList({QStringLiteral("1|Hartley's Wholesale|12 Mill Lane\nLeeds LS1 "
                                         "4AB|orders@hartley.test|0113 496 0100"),
                          QStringLiteral("2|Hartley's Wholesale|Unit 3, Dock Road||")}));
    QCOMPARE(shownNames(dialog.get()), QStringList({hartley.name, hartley.name}));

    // Selecting fills the form; Update writes it into that row only.
    table(dialog.get())->selectRow(0);
    QCOMPARE(formTexts(dialog.get()),
             QStringList({hartley.name, hartley.address, hartley.email, hartley.contact}));
    QVERIFY(button(dialog.get(), "pushButtonUpdate")->isEnabled());
    QVERIFY(button(dialog.get(), "pushButtonDelete")->isEnabled());
    child<QLineEdit>(dialog.get(), "lineEditEmail")->setText(QStringLiteral("a'b%_@x.test"));
    button(dialog.get(), "pushButtonUpdate")->click();
    QCOMPARE(storedRows(rows).at(0), QStringLiteral("1|Hartley's Wholesale|12 Mill Lane\nLeeds "
                                                    "LS1 4AB|a'b%_@x.test|0113 496 0100"));
    QCOMPARE(storedRows(rows).at(1), QStringLiteral("2|Hartley's Wholesale|Unit 3, Dock Road||"));
    QCOMPARE(formTexts(dialog.get()).at(0), QString());

    // A blank name is not written over a row.
    table(dialog.get())->selectRow(1);
    child<QLineEdit>(dialog.get(), "lineEdit")->setText(QStringLiteral(" "));
    button(dialog.get(), "pushButtonUpdate")->click();
    QCOMPARE(storedRows(rows).at(1), QStringLiteral("2|Hartley's Wholesale|Unit 3, Dock Road||"));

    // Delete removes the selected row only, without asking.
    table(dialog.get())->selectRow(1);
    button(dialog.get(), "pushButtonDelete")->click();
    QCOMPARE(storedRows(QStringLiteral("SELECT ID FROM %1").arg(tableName)),
             QStringList{QStringLiteral("1")});
    QCOMPARE(shownNames(dialog.get()), QStringList{hartley.name});
    QCOMPARE(formTexts(dialog.get()).at(0), QString());
}

void DirectoriesTest::directoryFilter_data()
{
    QTest::addColumn<QString>("tableName");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    const QString acme = QStringLiteral("Acme Traders");
    const QString bean = QStringLiteral("Bean & Leaf");
    const QString half = QStringLiteral("50% Discount Store");
    const QString fifty = QStringLiteral("Fifty Percent");
    for (const QString& tableName :
         {QStringLiteral("tblVendors"), QStringLiteral("tblCustomers")}) {
        const auto row = [&tableName](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(tableName + QLatin1Char(' ') + QLatin1String(name)))
                   << tableName;
        };
        row("name, other case") << QStringLiteral("ACME") << QStringList{acme};
        row("address") << QStringLiteral("dock road") << QStringList{bean};
        row("email") << QStringLiteral("BeanLeaf.test") << QStringList{bean};
        row("contact number") << QStringLiteral("7946") << QStringList{bean};
        row("percent matches itself") << QStringLiteral("%") << QStringList{half};
        row("underscore matches itself") << QStringLiteral("half_price") << QStringList{half};
        row("quote matches itself") << QStringLiteral("o'connell") << QStringList{half};
        row("several rows") << QStringLiteral("555") << QStringList{half, fifty};
        row("nothing") << QStringLiteral("zzz") << QStringList();
        row("cleared") << QString() << QStringList{acme, bean, half, fifty};
    }
}

void DirectoriesTest::directoryFilter()
{
    QFETCH(QString, tableName);
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    addContact(tableName, {QStringLiteral("Acme Traders"), QStringLiteral("1 High Street"),
                           QStringLiteral("sales@acme.test"), QStringLiteral("0113 496 0000")});
    addContact(tableName,
               {QStringLiteral("Bean & Leaf"), QStringLiteral("Unit 5, Dock Road"),
                QStringLiteral("orders@beanleaf.test"), QStringLiteral("+44 20 7946 0018")});
    addContact(tableName, {QStringLiteral("50% Discount Store"), QStringLiteral("O'Connell Street"),
                           QStringLiteral("hello@half_price.test"), QStringLiteral("555-0199")});
    addContact(tableName, {QStringLiteral("Fifty Percent"), QStringLiteral("Main Road"),
                           QStringLiteral("mail@halfXprice.test"), QStringLiteral("555 0100")});
    auto dialog = openDirectory(tableName);
    QLineEdit* edit = child<QLineEdit>(dialog.get(), "lineEditFilter");

    // Typing filters at once; a text filtered before must not stick.
    edit->setText(QStringLiteral("Acme"));
    QCOMPARE(shownNames(dialog.get()), QStringList{QStringLiteral("Acme Traders")});
    edit->setText(filter);
    QCOMPARE(shownNames(dialog.get()), expected);
    button(dialog.get(), "pushFilter")->click();
    QCOMPARE(shownNames(dialog.get()), expected);
    QCOMPARE(m_store->count(tableName), 4);
}

void DirectoriesTest::vendorInUseStays()
{
    const qint64 category = m_store->addCategory(QStringLiteral("Food"));
    const qint64 product =
        m_store->addProduct(category, QStringLiteral("P1"), QStringLiteral("Tea"));
    const qint64 stocked = m_store->addVendor(QStringLiteral("Stocked Ltd"));
    const qint64 ordered = m_store->addVendor(QStringLiteral("Ordered Ltd"));
    m_store->addBatch(product, stocked, QStringLiteral("5012345678900"), 10, 2.5, 1.2);
    QVERIFY(m_store->insert(QStringLiteral("tblPOrders"),
                            {{QStringLiteral("VENDOR_ID"), ordered},
                             {QStringLiteral("STATUS"), QStringLiteral("SENT")}}) > 0);
    auto dialog = openDirectory(QStringLiteral("tblVendors"));

    selectName(dialog.get(), QStringLiteral("Stocked Ltd"));
    QString text;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    button(dialog.get(), "pushButtonDelete")->click();
    QCOMPARE(m_dialogs.pendingCount(), 0);
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, VENDOR_IN_USE);

    // The purchase order keeps its vendor: the database refuses, without a message.
    selectName(dialog.get(), QStringLiteral("Ordered Ltd"));
    button(dialog.get(), "pushButtonDelete")->click();
    QCOMPARE(m_store->count(QStringLiteral("tblVendors")), 2);
    QCOMPARE(shownNames(dialog.get()),
             QStringList({QStringLiteral("Stocked Ltd"), QStringLiteral("Ordered Ltd")}));
}

void DirectoriesTest::customerSelectMode()
{
    const QString customers = QStringLiteral("tblCustomers");
    addContact(customers, {QStringLiteral("Margaret Hollingsworth"), {}, {}, {}});
    const qint64 zoe = addContact(
        customers, {QStringLiteral("Zoë Okafor"), QStringLiteral("4 Canal Walk\nManchester"),
                    QStringLiteral("zoe@example.test"), QStringLiteral("0161 496 0750")});

    auto plain = openDirectory(customers);
    QVERIFY(button(plain.get(), "pushSelect")->isHidden());
    QVERIFY(table(plain.get())->isSortingEnabled());
    plain.reset();

    const QStringList untouched = {QStringLiteral("keep-id"), QStringLiteral("keep-name"),
                                   QStringLiteral("keep-address"), QStringLiteral("keep-email"),
                                   QStringLiteral("keep-contact")};
    QStringList out = untouched;
    {
        auto dialog = openDirectory(customers, true);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QVERIFY(button(dialog.get(), "pushSelect")->isVisible());
        selectName(dialog.get(), QStringLiteral("Zoë Okafor"));
        button(dialog.get(), "pushButtonClose")->click();
        QVERIFY(!dialog->isVisible());
        static_cast<ManageCustomers*>(dialog.get())
            ->GetSelectedCustomer(out[0], out[1], out[2], out[3], out[4]);
        QCOMPARE(out, untouched);
    }

    auto dialog = openDirectory(customers, true);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    // The header sorts; the choice follows the row, not its place.
    table(dialog.get())->sortByColumn(1, Qt::DescendingOrder);
    QCOMPARE(shownNames(dialog.get()).first(), QStringLiteral("Zoë Okafor"));
    table(dialog.get())->selectRow(0);
    button(dialog.get(), "pushSelect")->click();
    QVERIFY(!dialog->isVisible());
    static_cast<ManageCustomers*>(dialog.get())
        ->GetSelectedCustomer(out[0], out[1], out[2], out[3], out[4]);
    QCOMPARE(out,
             QStringList({QString::number(zoe), QStringLiteral("Zoë Okafor"),
                          QStringLiteral("4 Canal Walk\nManchester"),
                          QStringLiteral("zoe@example.test"), QStringLiteral("0161 496 0750")}));
}

// ---- pictures -----------------------------------------------------------------------------

// Pictures of the three dialogs in both themes, when MERCHORA_SCREENSHOT_DIR names a folder.
void DirectoriesTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QDir().mkpath(folder);

    for (const char* name : {"Beverages", "Bakery", "Dairy & Eggs", "Fresh Produce", "Household",
                             "Personal Care", "Snacks & Confectionery"})
        m_store->addCategory(QString::fromUtf8(name));
    const QList<Contact> vendors = {
        {QStringLiteral("Northfield Dairy Co-op"),
         QStringLiteral("Unit 7, Northfield Estate, York"),
         QStringLiteral("orders@northfield.test"), QStringLiteral("01904 496 210")},
        {QStringLiteral("Harbour Bakery Supplies"), QStringLiteral("3 Quay Street, Bristol"),
         QStringLiteral("sales@harbourbakery.test"), QStringLiteral("0117 496 0433")},
        {QStringLiteral("Greenleaf Produce Ltd"), QStringLiteral("Market Hall 12, Leeds"),
         QStringLiteral("hello@greenleaf.test"), QStringLiteral("0113 496 0871")},
        {QStringLiteral("Brightwell Household"), QStringLiteral("44 Mill Road, Cambridge"),
         QStringLiteral("trade@brightwell.test"), QStringLiteral("01223 496 505")}};
    for (const Contact& vendor : vendors)
        addContact(QStringLiteral("tblVendors"), vendor);
    const QList<Contact> customers = {
        {QStringLiteral("Margaret Hollingsworth"), QStringLiteral("18 Elm Grove, Harrogate"),
         QStringLiteral("m.hollingsworth@example.test"), QStringLiteral("07700 900 123")},
        {QStringLiteral("Jürgen König"), QStringLiteral("2 Station Road, Ilkley"),
         QStringLiteral("juergen@example.test"), QStringLiteral("07700 900 456")},
        {QStringLiteral("Zoë Okafor"), QStringLiteral("4 Canal Walk, Manchester"),
         QStringLiteral("zoe@example.test"), QStringLiteral("0161 496 0750")},
        {QStringLiteral("Rahul Mehta"), QStringLiteral("9 Park View, Bradford"),
         QStringLiteral("rahul.mehta@example.test"), QStringLiteral("07700 900 789")}};
    for (const Contact& customer : customers)
        addContact(QStringLiteral("tblCustomers"), customer);
    m_store->activate();

    for (const bool dark : {true, false}) {
        QWidget host;
        host.setStyleSheet(TestSupport::themeSheet(dark));
        const QString suffix = dark ? QStringLiteral(".png") : QStringLiteral("-light.png");
        const auto save = [&](QDialog* dialog, const QString& selected, const char* name) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            selectName(dialog, selected);
            QTest::qWait(50);
            QVERIFY(dialog->grab().save(folder + QLatin1Char('/') + QLatin1String(name) + suffix));
        };
        ManageCategories categories(&host);
        save(&categories, QStringLiteral("Dairy & Eggs"), "categories");
        ManageVendors vendorDialog(&host);
        save(&vendorDialog, QStringLiteral("Harbour Bakery Supplies"), "vendors");
        ManageCustomers customerDialog(&host, true);
        save(&customerDialog, QStringLiteral("Zoë Okafor"), "customers");
    }
}

MERCHORA_TEST_MAIN(DirectoriesTest)
#include "tst_directories.moc"
