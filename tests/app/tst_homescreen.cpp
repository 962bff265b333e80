#include "modaldialoghandler.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "app/homescreen.h"
#include "app/mainwindow.h"
#include "core/DBManager.h"
#include "core/homeoverview.h"
#include "core/utility.h"

#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

using TestSupport::StoreBuilder;

namespace {

QSettings* settings()
{
    return Utility::GetInstance()->GetSettings();
}

QString dayText(int daysAgo)
{
    return QDate::currentDate().addDays(-daysAgo).toString(Qt::ISODate);
}

// One sale of the given total, as a single invoice line.
void addSale(StoreBuilder& sales, int daysAgo, double total)
{
    const qint64 id = sales.addSale(QStringLiteral("admin"), QVariant(),
                                    QDate::currentDate().addDays(-daysAgo), total, total);
    QVERIFY(id > 0);
    QVERIFY(sales.addSaleLine(id, 1, QStringLiteral("Tea"), 1, total, total / 2) > 0);
}

// Stands in for the main window: keeps the problems the database manager reports.
class ProblemRecorder : public DataBaseStatusListener
{
public:
    void UpdateDataBaseStatus(bool, bool) override {}
    void ReportDataBaseProblem(const QString& title, const QString& text) override
    {
        titles << title;
        texts << text;
    }
    QStringList titles;
    QStringList texts;
};

QString labelText(QWidget* screen, const char* name)
{
    auto* label = screen->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QString::fromLatin1(name));
}

} // namespace

// The overview figures of the home screen from settings and store databases, and the screen
// inside the main window.
class HomeScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void overviewOfFilledStores();
    void overviewOfEmptyStores();
    void salesWindow_data();
    void salesWindow();
    void salesSumIsRoundedToTheCent();
    void settingsTexts_data();
    void settingsTexts();
    void unavailableDatabases_data();
    void unavailableDatabases();
    void failingStatementShowsNotAvailable();
    void currentUser_data();
    void currentUser();

    void screenShowsFigures();
    void logoutReplacesScreen();
    void screenshot();

private:
    QString storePath(const QString& name) const { return m_dir->filePath(name); }
    // A main window that opens straight into full access: no welcome, no database, no login.
    std::unique_ptr<MainWindow> openMainWindow();
    // Stores with a known content: 4 products, 2 batches (purchase prices 1.25 and 2.5),
    // 3 vendors, 1 customer; sales of 10.5 yesterday and 12 eight days ago.
    void buildFilledStores();

    TestSupport::ModalDialogHandler m_dialogs;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void HomeScreenTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
    m_dir = std::make_unique<QTemporaryDir>(QDir::homePath() + QStringLiteral("/stores-XXXXXX"));
    QVERIFY(m_dir->isValid());
}

void HomeScreenTest::cleanup()
{
    TestSupport::resetDatabases();
    m_dir.reset();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

std::unique_ptr<MainWindow> HomeScreenTest::openMainWindow()
{
    settings()->setValue(QString::fromLatin1(SettingKey::FIRST_TIME_START), 0);
    // The manager remembers the last connection state; with nothing configured it turns to
    // disconnected without a message, and the main window logs in without asking.
    CDBManager* manager = CDBManager::GetInstance();
    manager->GetInventoryDataBase();
    manager->GetSalesDataBase();
    manager->CloseInventoryDataBase();
    manager->CloseSalesDataBase();
    return std::make_unique<MainWindow>();
}

void HomeScreenTest::buildFilledStores()
{
    StoreBuilder inventory(StoreBuilder::Kind::Inventory, storePath(QStringLiteral("inv.mercdb")));
    QVERIFY(inventory.isOk());
    const qint64 food = inventory.addCategory(QStringLiteral("Food"));
    const qint64 tea = inventory.addProduct(food, QStringLiteral("P1"), QStringLiteral("Tea"));
    const qint64 rice = inventory.addProduct(food, QStringLiteral("P2"), QStringLiteral("Rice"));
    inventory.addProduct(food, QStringLiteral("P3"), QStringLiteral("Salt"));
    inventory.addProduct(food, QStringLiteral("P4"), QStringLiteral("Sugar"));
    const qint64 vendor = inventory.addVendor(QStringLiteral("Wholesale Ltd"));
    inventory.addVendor(QStringLiteral("Farm Direct"));
    inventory.addVendor(QStringLiteral("Tea Traders"));
    inventory.addCustomer(QStringLiteral("Jane Doe"));
    // The purchased total is the sum of unit prices, whatever the quantities.
    QVERIFY(inventory.addBatch(tea, vendor, QStringLiteral("1001"), 10, 2.0, 1.25) > 0);
    QVERIFY(inventory.addBatch(rice, vendor, QStringLiteral("1002"), 3, 4.0, 2.5) > 0);
    inventory.activate();

    StoreBuilder sales(StoreBuilder::Kind::Sales, storePath(QStringLiteral("sales.mercdb")));
    QVERIFY(sales.isOk());
    // Yesterday: two lines of one sale, 2 x 2.5 and 1 x 5.5.
    const qint64 yesterday = sales.addSale(QStringLiteral("admin"), QVariant(),
                                           QDate::currentDate().addDays(-1), 10.5, 20);
    QVERIFY(sales.addSaleLine(yesterday, 1, QStringLiteral("Tea"), 2, 2.5, 1.25) > 0);
    QVERIFY(sales.addSaleLine(yesterday, 2, QStringLiteral("Rice"), 1, 5.5, 2.5) > 0);
    addSale(sales, 0, 100);
    addSale(sales, 8, 12);
    addSale(sales, 9, 1000);
    sales.activate();
}

void HomeScreenTest::overviewOfFilledStores()
{
    buildFilledStores();
    const HomeOverview overview = LoadHomeOverview();
    QCOMPARE(overview.totalProducts, QStringLiteral("4"));
    QCOMPARE(overview.totalInventory, QStringLiteral("2"));
    QCOMPARE(overview.totalVendors, QStringLiteral("3"));
    QCOMPARE(overview.totalCustomers, QStringLiteral("1"));
    QCOMPARE(overview.purchasedInventory, QStringLiteral("3.75"));
    QCOMPARE(overview.yesterdaySales, QStringLiteral("10.5"));
    QCOMPARE(overview.last7DaysSales, QStringLiteral("22.5"));
}

void HomeScreenTest::overviewOfEmptyStores()
{
    StoreBuilder inventory(StoreBuilder::Kind::Inventory, storePath(QStringLiteral("inv.mercdb")));
    StoreBuilder sales(StoreBuilder::Kind::Sales, storePath(QStringLiteral("sales.mercdb")));
    QVERIFY(inventory.isOk() && sales.isOk());
    inventory.activate();
    sales.activate();

    const HomeOverview overview = LoadHomeOverview();
    for (const QString& figure :
         {overview.totalProducts, overview.totalInventory, overview.totalVendors,
          overview.totalCustomers, overview.purchasedInventory, overview.yesterdaySales,
          overview.last7DaysSales})
        QCOMPARE(figure, QStringLiteral("0"));
}

void HomeScreenTest::salesWindow_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<QString>("timeOfDay");
    QTest::addColumn<QString>("yesterday");
    QTest::addColumn<QString>("last7Days");

    QTest::newRow("tomorrow") << -1 << QString() << "0"
                              << "0";
    QTest::newRow("today") << 0 << QString() << "0"
                           << "0";
    QTest::newRow("yesterday") << 1 << QString() << "12.5"
                               << "12.5";
    QTest::newRow("yesterday, late evening") << 1 << "23:59:59"
                                             << "12.5"
                                             << "12.5";
    QTest::newRow("yesterday, just after midnight") << 1 << "00:00:01"
                                                    << "12.5"
                                                    << "12.5";
    QTest::newRow("7 days ago") << 7 << QString() << "0"
                                << "12.5";
    QTest::newRow("8 days ago") << 8 << QString() << "0"
                                << "12.5";
    QTest::newRow("8 days ago, late evening") << 8 << "23:59:59"
                                              << "0"
                                              << "12.5";
    QTest::newRow("9 days ago") << 9 << QString() << "0"
                                << "0";
}

void HomeScreenTest::salesWindow()
{
    QFETCH(int, daysAgo);
    QFETCH(QString, timeOfDay);
    QFETCH(QString, yesterday);
    QFETCH(QString, last7Days);

    StoreBuilder sales(StoreBuilder::Kind::Sales, storePath(QStringLiteral("sales.mercdb")));
    QVERIFY(sales.isOk());
    QString stamp = dayText(daysAgo);
    if (!timeOfDay.isEmpty())
        stamp += QLatin1Char(' ') + timeOfDay;
    const qint64 id = sales.insert(QStringLiteral("tblSalesTransactions"),
                                   {{QStringLiteral("USER_ID"), QStringLiteral("admin")},
                                    {QStringLiteral("TIME_STAMP"), stamp},
                                    {QStringLiteral("GRAND_TOTAL"), 12.5},
                                    {QStringLiteral("PAID"), 12.5},
                                    {QStringLiteral("RETURN"), 0}});
    QVERIFY(id > 0);
    QVERIFY(sales.addSaleLine(id, 1, QStringLiteral("Tea"), 5, 2.5, 1.0) > 0);
    sales.activate();

    const HomeOverview overview = LoadHomeOverview();
    QCOMPARE(overview.yesterdaySales, yesterday);
    QCOMPARE(overview.last7DaysSales, last7Days);
}

void HomeScreenTest::salesSumIsRoundedToTheCent()
{
    // Lines stored by older copies carry single-precision noise (0.1000000014901161).
    StoreBuilder sales(StoreBuilder::Kind::Sales, storePath(QStringLiteral("noise.mercdb")));
    QVERIFY(sales.isOk());
    const qint64 id = sales.addSale(QStringLiteral("admin"), QStringLiteral("NOT SELECTED"),
                                    QDate::currentDate().addDays(-1), 0.3, 0.3);
    for (int index = 0; index < 3; ++index) {
        const qint64 line = sales.addSaleLine(id, index, QStringLiteral("Sweet"), 1, 0.1, 0.05);
        QVERIFY(line > 0);
        QVERIFY(sales.exec(QStringLiteral("UPDATE tblSalesInvoice SET SUB_TOTAL = %1 WHERE ID = %2")
                               .arg(double(0.1f), 0, 'g', 17)
                               .arg(line)));
    }
    const QDate yesterday = QDate::currentDate().addDays(-1);
    QCOMPARE(HomeOverviewSales(sales.database(), yesterday, yesterday), QStringLiteral("0.3"));
}

void HomeScreenTest::settingsTexts_data()
{
    QTest::addColumn<QVariant>("company");
    QTest::addColumn<QVariant>("currency");
    QTest::addColumn<QVariant>("rate");
    QTest::addColumn<QVariant>("taxName");
    QTest::addColumn<QStringList>("expected"); // company, currency, rate, tax name

    const QVariant absent;
    const QVariant empty = QString();
    const QStringList unset = {QStringLiteral("Please set from Settings dialog."),
                               QStringLiteral("NOT SET"), QStringLiteral("NOT SET %"),
                               QStringLiteral("TAX")};
    QTest::newRow("nothing stored") << absent << absent << absent << absent << unset;
    QTest::newRow("empty values") << empty << empty << empty << empty << unset;
    QTest::newRow("all set") << QVariant(QStringLiteral("Corner Shop"))
                             << QVariant(QStringLiteral("$")) << QVariant(QStringLiteral("17.5"))
                             << QVariant(QStringLiteral("VAT"))
                             << QStringList{QStringLiteral("Corner Shop"), QStringLiteral("$"),
                                            QStringLiteral("17.5 %"), QStringLiteral("VAT")};
    QTest::newRow("zero rate, numeric")
        << QVariant(QStringLiteral("Shop")) << QVariant(QStringLiteral("EUR")) << QVariant(0)
        << QVariant(QStringLiteral("GST"))
        << QStringList{QStringLiteral("Shop"), QStringLiteral("EUR"), QStringLiteral("0 %"),
                       QStringLiteral("GST")};
}

void HomeScreenTest::settingsTexts()
{
    QFETCH(QVariant, company);
    QFETCH(QVariant, currency);
    QFETCH(QVariant, rate);
    QFETCH(QVariant, taxName);
    QFETCH(QStringList, expected);

    const auto store = [](const char* key, const QVariant& value) {
        if (value.isValid())
            settings()->setValue(QString::fromLatin1(key), value);
    };
    store(SettingKey::REPORT_COMPANY_NAME, company);
    store(SettingKey::CURRENCY_SYMBOL, currency);
    store(SettingKey::SALES_TAX_RATE_A, rate);
    store(SettingKey::SALES_TAX_NAME, taxName);

    const HomeOverview overview = LoadHomeOverview();
    QCOMPARE(overview.companyName, expected.at(0));
    QCOMPARE(overview.currencySymbol, expected.at(1));
    QCOMPARE(overview.taxRate, expected.at(2));
    QCOMPARE(overview.taxName, expected.at(3));
    // The shown tax name is the stored one, also when it was missing.
    QCOMPARE(settings()->value(QString::fromLatin1(SettingKey::SALES_TAX_NAME)).toString(),
             expected.at(3));
}

void HomeScreenTest::unavailableDatabases_data()
{
    QTest::addColumn<QString>("inventorySetup");
    QTest::addColumn<QString>("salesSetup");

    QTest::newRow("nothing configured") << "unconfigured"
                                        << "unconfigured";
    QTest::newRow("inventory file missing") << "missing"
                                            << "valid";
    QTest::newRow("inventory of a wrong version") << "wrong stamp"
                                                  << "valid";
    QTest::newRow("sales file missing") << "valid"
                                        << "missing";
    QTest::newRow("sales not configured") << "valid"
                                          << "unconfigured";
    QTest::newRow("both files missing") << "missing"
                                        << "missing";
}

void HomeScreenTest::unavailableDatabases()
{
    QFETCH(QString, inventorySetup);
    QFETCH(QString, salesSetup);

    std::vector<std::unique_ptr<StoreBuilder>> stores;
    QStringList brokenFiles;
    const auto setUp = [&](StoreBuilder::Kind kind, const QString& setup) {
        const QString name = kind == StoreBuilder::Kind::Inventory ? QStringLiteral("inv.mercdb")
                                                                   : QStringLiteral("sales.mercdb");
        if (setup == QLatin1String("unconfigured"))
            return;
        const QString stamp = setup == QLatin1String("wrong stamp") ? QStringLiteral("OTHER_1.0")
                                                                    : QStringLiteral("default");
        stores.push_back(std::make_unique<StoreBuilder>(kind, storePath(name), stamp));
        StoreBuilder& store = *stores.back();
        if (kind == StoreBuilder::Kind::Inventory) {
            const qint64 category = store.addCategory(QStringLiteral("Food"));
            store.addProduct(category, QStringLiteral("P1"), QStringLiteral("Tea"));
        } else {
            addSale(store, 1, 7.5);
        }
        store.activate();
        if (setup == QLatin1String("missing"))
            QVERIFY(QFile::remove(storePath(name)));
        if (setup != QLatin1String("valid"))
            brokenFiles << name;
    };
    setUp(StoreBuilder::Kind::Inventory, inventorySetup);
    setUp(StoreBuilder::Kind::Sales, salesSetup);

    // Every configured file that cannot be used is reported once, inventory first.
    ProblemRecorder recorder;
    CDBManager::GetInstance()->SetMainWindow(&recorder);
    const HomeOverview overview = LoadHomeOverview();
    CDBManager::GetInstance()->SetMainWindow(nullptr);
    QCOMPARE(recorder.texts.size(), brokenFiles.size());
    for (int i = 0; i < brokenFiles.size(); ++i) {
        QCOMPARE(recorder.titles.at(i), QStringLiteral("Error"));
        QVERIFY2(recorder.texts.at(i).startsWith(brokenFiles.at(i)),
                 qPrintable(recorder.texts.at(i)));
    }

    const bool inventoryOk = inventorySetup == QLatin1String("valid");
    const QString notAvailable = QStringLiteral("NOT AVAILABLE");
    QCOMPARE(overview.totalProducts, inventoryOk ? QStringLiteral("1") : notAvailable);
    QCOMPARE(overview.totalInventory, inventoryOk ? QStringLiteral("0") : notAvailable);
    QCOMPARE(overview.totalVendors, inventoryOk ? QStringLiteral("0") : notAvailable);
    QCOMPARE(overview.totalCustomers, inventoryOk ? QStringLiteral("0") : notAvailable);
    QCOMPARE(overview.purchasedInventory, inventoryOk ? QStringLiteral("0") : notAvailable);
    const bool salesOk = salesSetup == QLatin1String("valid");
    QCOMPARE(overview.yesterdaySales, salesOk ? QStringLiteral("7.5") : notAvailable);
    QCOMPARE(overview.last7DaysSales, salesOk ? QStringLiteral("7.5") : notAvailable);
    // The settings texts do not depend on the databases.
    QCOMPARE(overview.taxName, QStringLiteral("TAX"));

    // Shown again (as after an operation on the home screen): no second message.
    const HomeOverview again = LoadHomeOverview();
    QCOMPARE(again.totalProducts, overview.totalProducts);
    QCOMPARE(again.yesterdaySales, overview.yesterdaySales);
}

void HomeScreenTest::failingStatementShowsNotAvailable()
{
    StoreBuilder inventory(StoreBuilder::Kind::Inventory, storePath(QStringLiteral("inv.mercdb")));
    const qint64 category = inventory.addCategory(QStringLiteral("Food"));
    inventory.addProduct(category, QStringLiteral("P1"), QStringLiteral("Tea"));
    inventory.addProduct(category, QStringLiteral("P2"), QStringLiteral("Rice"));
    QVERIFY(inventory.exec(QStringLiteral("DROP TABLE tblCustomers")));
    inventory.activate();
    StoreBuilder sales(StoreBuilder::Kind::Sales, storePath(QStringLiteral("sales.mercdb")));
    QVERIFY(sales.exec(QStringLiteral("DROP TABLE tblSalesInvoice")));
    sales.activate();

    // One failing statement spoils only its own figure.
    const HomeOverview overview = LoadHomeOverview();
    QCOMPARE(overview.totalCustomers, QStringLiteral("NOT AVAILABLE"));
    QCOMPARE(overview.totalProducts, QStringLiteral("2"));
    QCOMPARE(overview.totalVendors, QStringLiteral("0"));
    QCOMPARE(overview.purchasedInventory, QStringLiteral("0"));
    QCOMPARE(overview.yesterdaySales, QStringLiteral("NOT AVAILABLE"));
    QCOMPARE(overview.last7DaysSales, QStringLiteral("NOT AVAILABLE"));
}

void HomeScreenTest::currentUser_data()
{
    QTest::addColumn<QString>("loggedIn");
    QTest::addColumn<QString>("shown");
    QTest::newRow("nobody") << QString() << "NO LOGGED IN USER";
    QTest::newRow("logged out") << "NO LOGGED IN USER"
                                << "NO LOGGED IN USER";
    QTest::newRow("admin") << "admin"
                           << "admin";
}

void HomeScreenTest::currentUser()
{
    QFETCH(QString, loggedIn);
    QFETCH(QString, shown);
    Utility::GetInstance()->SetLoggedInUser(loggedIn);
    QCOMPARE(LoadHomeOverview().currentUser, shown);
}

void HomeScreenTest::screenShowsFigures()
{
    const std::unique_ptr<MainWindow> window = openMainWindow();
    auto* home = qobject_cast<HomeScreen*>(window->centralWidget());
    QVERIFY2(home, "the main window opens on the home screen");
    QVERIFY(home->widgetResizable());
    QCOMPARE(labelText(home, "labelTotalProducts"), QStringLiteral("NOT AVAILABLE"));
    QCOMPARE(labelText(home, "labelYesterdaySales"), QStringLiteral("NOT AVAILABLE"));
    QCOMPARE(labelText(home, "labelCompanyName"),
             QStringLiteral("Please set from Settings dialog."));

    buildFilledStores();
    settings()->setValue(QString::fromLatin1(SettingKey::REPORT_COMPANY_NAME), "Corner Shop");
    settings()->setValue(QString::fromLatin1(SettingKey::CURRENCY_SYMBOL), "$");
    settings()->setValue(QString::fromLatin1(SettingKey::SALES_TAX_RATE_A), "17.5");
    settings()->setValue(QString::fromLatin1(SettingKey::SALES_TAX_NAME), "VAT");
    Utility::GetInstance()->SetLoggedInUser(QStringLiteral("admin"));
    home->RefreshOverview();

    // Each label shows its own figure.
    const QList<QPair<const char*, QString>> expected = {
        {"labelCompanyName", QStringLiteral("Corner Shop")},
        {"labelCurrencySymbol", QStringLiteral("$")},
        {"labelTaxRate", QStringLiteral("17.5 %")},
        {"labelTaxName", QStringLiteral("VAT")},
        {"labelCurrentUser", QStringLiteral("admin")},
        {"labelTotalProducts", QStringLiteral("4")},
        {"labelTotalInventory", QStringLiteral("2")},
        {"labelTotalVendors", QStringLiteral("3")},
        {"labelTotalCustomers", QStringLiteral("1")},
        {"labelPurchasedInventory", QStringLiteral("3.75")},
        {"labelYesterdaySales", QStringLiteral("10.5")},
        {"labelLast7DaysSales", QStringLiteral("22.5")},
    };
    for (const auto& entry : expected)
        QCOMPARE(labelText(home, entry.first), entry.second);

    // The Home action builds a fresh screen with the same figures.
    window->on_actionHome_triggered();
    auto* fresh = qobject_cast<HomeScreen*>(window->centralWidget());
    QVERIFY(fresh && fresh != home);
    QCOMPARE(labelText(fresh, "labelTotalProducts"), QStringLiteral("4"));
    QCOMPARE(labelText(fresh, "labelLast7DaysSales"), QStringLiteral("22.5"));
}

void HomeScreenTest::logoutReplacesScreen()
{
    const std::unique_ptr<MainWindow> window = openMainWindow();
    QPointer<HomeScreen> home = qobject_cast<HomeScreen*>(window->centralWidget());
    QVERIFY(home);
    auto* logout = home->findChild<QPushButton*>(QStringLiteral("pushLogout"));
    QVERIFY(logout);
    QCOMPARE(logout->text(), QStringLiteral("Logout"));

    // Logging out replaces the screen that holds the button; without a database the window
    // logs in again at once and shows a new home screen.
    QTest::mouseClick(logout, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(home.isNull());
    auto* fresh = qobject_cast<HomeScreen*>(window->centralWidget());
    QVERIFY(fresh);
    QCOMPARE(labelText(fresh, "labelCurrentUser"), QStringLiteral("NO LOGGED IN USER"));

    // And once more on the new screen.
    QTest::mouseClick(fresh->findChild<QPushButton*>(QStringLiteral("pushLogout")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(qobject_cast<HomeScreen*>(window->centralWidget()));
}

void HomeScreenTest::screenshot()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR not set");

    settings()->setValue(QString::fromLatin1(SettingKey::THEME), QStringLiteral("dark"));
    const std::unique_ptr<MainWindow> window = openMainWindow();
    window->setWindowState(Qt::WindowNoState);
    window->resize(1366, 768);
    CDBManager* manager = CDBManager::GetInstance();
    manager->CreateSampleInventoryDB();
    manager->CreateSampleSalesDB();
    // Forget the connections made before the samples existed.
    manager->CloseInventoryDataBase();
    manager->CloseSalesDataBase();
    settings()->setValue(QString::fromLatin1(SettingKey::REPORT_COMPANY_NAME), "Corner Shop");
    settings()->setValue(QString::fromLatin1(SettingKey::CURRENCY_SYMBOL), "$");
    settings()->setValue(QString::fromLatin1(SettingKey::SALES_TAX_RATE_A), "17.5");
    Utility::GetInstance()->SetLoggedInUser(QStringLiteral("admin"));
    window->on_actionHome_triggered();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // The navigator at its usual width, as on a maximized window.
    if (auto* navigator = window->findChild<QDockWidget*>(QStringLiteral("dockNavigator")))
        window->resizeDocks({navigator}, {240}, Qt::Horizontal);
    QTest::qWait(200);
    QDir().mkpath(folder);
    QVERIFY(window->grab().save(QDir(folder).filePath(QStringLiteral("home.png"))));
}

MERCHORA_TEST_MAIN(HomeScreenTest)
#include "tst_homescreen.moc"
