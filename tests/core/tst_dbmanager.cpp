#include "modaldialoghandler.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/utility.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <memory>

using TestSupport::StoreBuilder;

namespace {

// Records every state and every problem the database manager reports.
class RecordingListener : public DataBaseStatusListener
{
public:
    void UpdateDataBaseStatus(bool inventoryConnected, bool salesConnected) override
    {
        calls.append(qMakePair(inventoryConnected, salesConnected));
    }
    void ReportDataBaseProblem(const QString& title, const QString& text) override
    {
        problems.append(qMakePair(title, text));
    }
    QList<QPair<bool, bool>> calls;
    QList<QPair<QString, QString>> problems;
};

// What a configured database file is made of.
enum class FileSetup
{
    Missing,
    Empty,
    Text,
    OtherProgram,
    Directory,
    InventoryStore,
    SalesStore
};

QSettings* settings()
{
    return Utility::GetInstance()->GetSettings();
}

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

// Points the settings of one kind of database at folder/fileName.
void configure(bool inventory, const QString& folder, const QString& fileName)
{
    settings()->setValue(key(inventory ? SettingKey::INVENTORY_DATA_FOLDER_PATH
                                       : SettingKey::SALES_DATA_FOLDER_PATH),
                         folder);
    settings()->setValue(
        key(inventory ? SettingKey::ACTIVE_INVENTORY_DB : SettingKey::ACTIVE_SALES_DB), fileName);
}

QSqlDatabase& open(bool inventory)
{
    CDBManager* manager = CDBManager::GetInstance();
    return inventory ? manager->GetInventoryDataBase() : manager->GetSalesDataBase();
}

void close(bool inventory)
{
    CDBManager* manager = CDBManager::GetInstance();
    if (inventory)
        manager->CloseInventoryDataBase();
    else
        manager->CloseSalesDataBase();
}

// Size and hash of a file, "missing" or "folder"; equal before and after means untouched.
QByteArray fingerprint(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QByteArrayLiteral("missing");
    if (info.isDir())
        return QByteArrayLiteral("folder");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("unreadable");
    return QByteArray::number(info.size()) + ':' +
           QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
}

// The short-lived helper connections of the manager that are still registered.
QStringList helperConnections()
{
    QStringList left;
    for (const char* name : {TEST_CONNECTION, CREATE_CONNECTION}) {
        if (QSqlDatabase::contains(key(name)))
            left << key(name);
    }
    return left;
}

bool makeFile(FileSetup setup, const QString& path, const QString& stamp)
{
    switch (setup) {
    case FileSetup::Missing:
        return !QFileInfo::exists(path);
    case FileSetup::Empty: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    }
    case FileSetup::Text: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Text) &&
               file.write("Shopping list\nmilk\nbread\n") > 0;
    }
    case FileSetup::OtherProgram: {
        bool ok = false;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(path);
            if (db.open()) {
                QSqlQuery query(db);
                ok = query.exec(QStringLiteral("CREATE TABLE notes (id INTEGER, body TEXT)"));
                query.prepare(QStringLiteral("INSERT INTO notes VALUES (?, ?)"));
                query.addBindValue(1);
                query.addBindValue(QStringLiteral("remember the milk"));
                ok = query.exec() && ok;
                query.finish();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        return ok;
    }
    case FileSetup::Directory:
        return QDir().mkpath(path);
    case FileSetup::InventoryStore:
        return StoreBuilder(StoreBuilder::Kind::Inventory, path, stamp).isOk();
    case FileSetup::SalesStore:
        return StoreBuilder(StoreBuilder::Kind::Sales, path, stamp).isOk();
    }
    return false;
}

QVariantList column(const QSqlDatabase& db, const QString& sql)
{
    QVariantList values;
    QSqlQuery query(db);
    if (!query.exec(sql)) {
        qWarning() << sql << query.lastError().text();
        return values;
    }
    while (query.next())
        values << query.value(0);
    return values;
}

int rowCount(const QSqlDatabase& db, const QString& table)
{
    const QVariantList values = column(db, QStringLiteral("SELECT COUNT(*) FROM [%1]").arg(table));
    return values.isEmpty() ? -1 : values.first().toInt();
}

QStringList tablesOf(const QString& path)
{
    QStringList tables;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tables_check"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            for (const QVariant& name :
                 column(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                           "AND name NOT LIKE 'sqlite%' ORDER BY name")))
                tables << name.toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tables_check"));
    return tables;
}

const QStringList INVENTORY_TABLES{
    QStringLiteral("tblCustomers"), QStringLiteral("tblInventory"),
    QStringLiteral("tblMerchora"),  QStringLiteral("tblPODetails"),
    QStringLiteral("tblPOrders"),   QStringLiteral("tblProductCategories"),
    QStringLiteral("tblProducts"),  QStringLiteral("tblUsers"),
    QStringLiteral("tblVendors")};
const QStringList SALES_TABLES{QStringLiteral("tblMerchora"), QStringLiteral("tblSalesInvoice"),
                               QStringLiteral("tblSalesTransactions")};

QString refusalText(const QString& fileName)
{
    return fileName + QStringLiteral(" is not a valid database for this version.  Please create a "
                                     "new database, or select a valid database.");
}

QString damagedText(const QString& fileName)
{
    return fileName + QStringLiteral(" is damaged and can not be used. Please restore it from a "
                                     "backup, or select another database.");
}

using Problems = QList<QPair<QString, QString>>;

// The child process of the crash test: commits some sales, then leaves a transaction unfinished
// that is big enough to spill into the database file, says "ready" with the size the file had
// after the commit, and waits to be killed.
const char HOLD_WRITE_ARGUMENT[] = "--hold-unfinished-write";
const int COMMITTED_SALES = 40;
const int INTERRUPTED_SALES = 3000;

int holdUnfinishedWrite(const QStringList& arguments)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("child"));
    db.setDatabaseName(arguments.value(0));
    QSqlQuery query(db);
    const auto addSales = [&query](const QString& user, int count) {
        bool ok = query.prepare(QStringLiteral("INSERT INTO tblSalesTransactions (USER_ID, "
                                               "CUSTOMER_ID, TIME_STAMP, GRAND_TOTAL, PAID, "
                                               "[RETURN]) VALUES (?, '0', '2026-03-05', ?, ?, 0)"));
        for (int i = 1; ok && i <= count; ++i) {
            query.addBindValue(user);
            query.addBindValue(double(i));
            query.addBindValue(double(i));
            ok = query.exec();
        }
        return ok;
    };
    if (!db.open() || !db.transaction() ||
        !addSales(QStringLiteral("committed"), COMMITTED_SALES) || !db.commit())
        return 2;
    const qint64 committedSize = QFileInfo(arguments.value(0)).size();

    // A cache of a few pages makes SQLite write changed pages to the file before the commit.
    if (!query.exec(QStringLiteral("PRAGMA cache_size = 8")) || !db.transaction() ||
        !query.exec(QStringLiteral("UPDATE tblSalesTransactions SET GRAND_TOTAL = -1")) ||
        !addSales(QStringLiteral("interrupted ") + QString(200, QLatin1Char('x')),
                  INTERRUPTED_SALES))
        return 3;
    std::printf("ready %lld\n", static_cast<long long>(committedSize));
    std::fflush(stdout);
    QThread::sleep(300);
    return 4;
}

} // namespace

Q_DECLARE_METATYPE(FileSetup)

// The owner of the inventory and sales connections: sample databases on first start, new
// empty databases, the checks that refuse files of the wrong kind, and closing and switching.
class DBManagerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void createsSampleDatabasesOnFirstStart();
    void sampleInventoryHasExpectedRows();
    void sampleSalesHasExpectedRows();
    void sampleCreationTwiceKeepsData();
    void inventoryConnectionEnforcesKeys_data();
    void inventoryConnectionEnforcesKeys();
    void refusesInvalidDatabase_data();
    void refusesInvalidDatabase();
    void emptyFileNameDisconnectsSilently_data();
    void emptyFileNameDisconnectsSilently();
    void checksDatabaseFile_data();
    void checksDatabaseFile();
    void createsEmptyDatabase_data();
    void createsEmptyDatabase();
    void newSchemaTakesOptionalContactAndTextCustomer();
    void createFailsWithoutUsableFolder_data();
    void createFailsWithoutUsableFolder();
    void closeRemovesConnectionAndSwitchesFile_data();
    void closeRemovesConnectionAndSwitchesFile();
    void recoversFromCrashDuringWrite_data();
    void recoversFromCrashDuringWrite();
    void refusesDamagedFileWithoutWriting_data();
    void refusesDamagedFileWithoutWriting();
    void salesCheckFollowsTheFile();
    void salesCheckRefusesReadOnlyStore_data();
    void salesCheckRefusesReadOnlyStore();
    void writeFailureDisconnectsUntilReopened_data();
    void writeFailureDisconnectsUntilReopened();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingListener m_listener;
    TestSupport::ModalDialogHandler m_dialogs;
};

void DBManagerTest::initTestCase()
{
    // A box that should not have come is closed soon, so a failing test does not linger.
    m_dialogs.setGraceMs(500);
}

void DBManagerTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_listener.calls.clear();
    m_listener.problems.clear();
    CDBManager::GetInstance()->SetMainWindow(&m_listener);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void DBManagerTest::cleanup()
{
    CDBManager* manager = CDBManager::GetInstance();
    manager->CloseInventoryDataBase();
    manager->CloseSalesDataBase();
    manager->SetMainWindow(nullptr);
    Utility::GetInstance()->SetMainWindow(nullptr);
    m_dir.reset();
    const QStringList left = helperConnections();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
}

void DBManagerTest::createsSampleDatabasesOnFirstStart()
{
    CDBManager* manager = CDBManager::GetInstance();
    manager->CreateSampleInventoryDB();
    manager->CreateSampleSalesDB();

    const QString folder = QDir::homePath() + QStringLiteral("/.merchoralite");
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/SAMPLE_INVENTORY_DB_7.5.0.mercdb")));
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/SAMPLE_SALES_DB_7.5.0.mercdb")));
    QCOMPARE(settings()->value(key(SettingKey::ACTIVE_INVENTORY_DB)).toString(),
             QStringLiteral("SAMPLE_INVENTORY_DB_7.5.0.mercdb"));
    QCOMPARE(settings()->value(key(SettingKey::ACTIVE_SALES_DB)).toString(),
             QStringLiteral("SAMPLE_SALES_DB_7.5.0.mercdb"));
    for (const char* folderKey :
         {SettingKey::INVENTORY_DATA_FOLDER_PATH, SettingKey::SALES_DATA_FOLDER_PATH}) {
        const QString stored = settings()->value(key(folderKey)).toString();
        QVERIFY2(QDir::isAbsolutePath(stored), qPrintable(stored));
        QCOMPARE(QDir(stored).canonicalPath(), QDir(folder).canonicalPath());
    }
    QVERIFY(helperConnections().isEmpty());

    QVERIFY(manager->GetInventoryDataBase().isOpen());
    QCOMPARE(m_listener.calls, (QList<QPair<bool, bool>>{{true, false}}));
    QVERIFY(manager->GetSalesDataBase().isOpen());
    QCOMPARE(m_listener.calls, (QList<QPair<bool, bool>>{{true, false}, {true, true}}));
    QVERIFY(manager->IsInventoryConnected());
    QVERIFY(manager->IsSalesConnected());
}

void DBManagerTest::sampleInventoryHasExpectedRows()
{
    CDBManager::GetInstance()->CreateSampleInventoryDB();
    const QSqlDatabase db = CDBManager::GetInstance()->GetInventoryDataBase();
    QVERIFY(db.isOpen());

    QCOMPARE(column(db, QStringLiteral("SELECT NAME FROM tblProductCategories ORDER BY ID")),
             (QVariantList{QStringLiteral("Medicine"), QStringLiteral("Electronics"),
                           QStringLiteral("Food"), QStringLiteral("Garments")}));

    QCOMPARE(column(db, QStringLiteral("SELECT PRODUCT_CODE FROM tblProducts ORDER BY ID")),
             (QVariantList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4"), QStringLiteral("5")}));
    QList<double> taxRates;
    for (const QVariant& rate : column(db, QStringLiteral("SELECT TAX_RATE FROM tblProducts "
                                                          "ORDER BY ID")))
        taxRates << rate.toDouble();
    QCOMPARE(taxRates, (QList<double>{20.0, 8.5, 10.0, 5.0, 0.0}));
    QCOMPARE(column(db, QStringLiteral("SELECT ITEMS_PER_UNIT FROM tblProducts ORDER BY ID")),
             (QVariantList{16, 1, 1, 1, 1}));
    QCOMPARE(rowCount(db, QStringLiteral("tblProducts")), 5);
    QCOMPARE(column(db, QStringLiteral("SELECT COUNT(*) FROM tblProducts "
                                       "WHERE IMAGE_FILE IS NOT NULL AND IMAGE_FILE <> ''")),
             (QVariantList{0}));

    QCOMPARE(rowCount(db, QStringLiteral("tblUsers")), 0);
    QCOMPARE(rowCount(db, QStringLiteral("tblVendors")), 4);
    QCOMPARE(rowCount(db, QStringLiteral("tblCustomers")), 3);
    const QVariantList addresses =
        column(db, QStringLiteral("SELECT ADDRESS FROM tblVendors UNION ALL "
                                  "SELECT ADDRESS FROM tblCustomers"));
    QCOMPARE(addresses.size(), 7);
    for (const QVariant& address : addresses) {
        const QString text = address.toString();
        QVERIFY2(!text.isEmpty(), "an address is empty");
        QVERIFY2(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')),
                 qPrintable(text));
    }

    QCOMPARE(column(db, QStringLiteral("SELECT BAR_CODE FROM tblInventory ORDER BY ID")),
             (QVariantList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4"), QStringLiteral("5")}));
    QCOMPARE(column(db, QStringLiteral("SELECT COUNT(*) FROM tblInventory "
                                       "WHERE SHOW_ON_POS = 1 AND SUB_ITEMS = 0")),
             (QVariantList{5}));

    QCOMPARE(column(db, QStringLiteral("SELECT STATUS FROM tblPOrders ORDER BY ID")),
             (QVariantList{QStringLiteral("DRAFT"), QStringLiteral("DRAFT")}));
    QCOMPARE(column(db, QStringLiteral("SELECT COUNT(d.ID) FROM tblPOrders o "
                                       "LEFT JOIN tblPODetails d ON d.PORDER_ID = o.ID "
                                       "GROUP BY o.ID ORDER BY o.ID")),
             (QVariantList{1, 1}));
    QCOMPARE(rowCount(db, QStringLiteral("tblPODetails")), 2);
}

void DBManagerTest::sampleSalesHasExpectedRows()
{
    CDBManager::GetInstance()->CreateSampleSalesDB();
    const QSqlDatabase db = CDBManager::GetInstance()->GetSalesDataBase();
    QVERIFY(db.isOpen());

    QSqlQuery sales(db);
    QVERIFY(sales.exec(QStringLiteral("SELECT ID, USER_ID, CUSTOMER_ID, GRAND_TOTAL, PAID, "
                                      "[RETURN] FROM tblSalesTransactions ORDER BY ID")));
    const QSet<QString> users{QStringLiteral("admin"), QStringLiteral("guest"),
                              QStringLiteral("NO LOGGED IN USER")};
    QList<qint64> saleIds;
    while (sales.next()) {
        saleIds << sales.value(0).toLongLong();
        QVERIFY2(users.contains(sales.value(1).toString()), qPrintable(sales.value(1).toString()));
        bool ok = false;
        const int customer = sales.value(2).toString().toInt(&ok);
        QVERIFY(ok && customer >= 0 && customer <= 2);
        const double grandTotal = sales.value(3).toDouble();
        const double paid = sales.value(4).toDouble();
        const double change = sales.value(5).toDouble();
        QVERIFY2(qAbs(change - (grandTotal - paid)) < 1e-6,
                 qPrintable(QStringLiteral("sale %1: RETURN %2, GRAND_TOTAL %3, PAID %4")
                                .arg(saleIds.last())
                                .arg(change)
                                .arg(grandTotal)
                                .arg(paid)));
    }
    QCOMPARE(saleIds.size(), 5);

    QCOMPARE(rowCount(db, QStringLiteral("tblSalesInvoice")), 8);
    QSqlQuery lines(db);
    QVERIFY(lines.exec(QStringLiteral("SELECT TRANSACTION_ID, ITEM_INDEX, SUB_ITEMS "
                                      "FROM tblSalesInvoice ORDER BY TRANSACTION_ID, ID")));
    qint64 currentSale = -1;
    int nextIndex = 0;
    while (lines.next()) {
        const qint64 sale = lines.value(0).toLongLong();
        QVERIFY2(saleIds.contains(sale), "a line belongs to no sale");
        if (sale != currentSale) {
            currentSale = sale;
            nextIndex = 0;
        }
        QCOMPARE(lines.value(1).toInt(), nextIndex++);
        QCOMPARE(lines.value(2).toString(), QStringLiteral("0"));
    }
}

void DBManagerTest::sampleCreationTwiceKeepsData()
{
    CDBManager* manager = CDBManager::GetInstance();
    const auto counts = [manager]() {
        QList<int> result;
        for (const QString& table : INVENTORY_TABLES)
            result << rowCount(manager->GetInventoryDataBase(), table);
        for (const QString& table : SALES_TABLES)
            result << rowCount(manager->GetSalesDataBase(), table);
        manager->CloseInventoryDataBase();
        manager->CloseSalesDataBase();
        return result;
    };

    manager->CreateSampleInventoryDB();
    manager->CreateSampleSalesDB();
    const QList<int> first = counts();
    QVERIFY(!first.contains(-1));
    QCOMPARE(first.at(INVENTORY_TABLES.indexOf(QStringLiteral("tblProductCategories"))), 4);

    // The second run finds the tables and rows in place; its failing statements only log.
    manager->CreateSampleInventoryDB();
    manager->CreateSampleSalesDB();
    QCOMPARE(counts(), first);
    QCOMPARE(settings()->value(key(SettingKey::ACTIVE_INVENTORY_DB)).toString(),
             QStringLiteral("SAMPLE_INVENTORY_DB_7.5.0.mercdb"));
    QVERIFY(manager->IsValidDataBase(CDBManager::InventoryDataBasePath(),
                                     QStringLiteral("INVENTORY_7.0.0")));
    QVERIFY(
        manager->IsValidDataBase(CDBManager::SalesDataBasePath(), QStringLiteral("SALES_7.0.0")));
}

void DBManagerTest::inventoryConnectionEnforcesKeys_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<bool>("succeeds");

    const QString addProduct = QStringLiteral("INSERT INTO tblProducts (CATEGORY_ID, PRODUCT_CODE, "
                                              "NAME, ITEMS_PER_UNIT, TAX_RATE) VALUES (?,?,?,?,?)");
    const QString addBatch = QStringLiteral(
        "INSERT INTO tblInventory (PRODUCT_ID, VENDOR_ID, BAR_CODE, BATCH_NUMBER, EXPIRY_DATE, "
        "PURCHASE_PRICE, SALE_PRICE, QUANTITY, SUB_ITEMS, SHOW_ON_POS, DISCOUNT) "
        "VALUES (?,?,?,?,?,?,?,?,?,?,?)");

    QTest::newRow("delete category with products")
        << QStringLiteral("DELETE FROM tblProductCategories WHERE ID = ?") << QVariantList{1}
        << false;
    QTest::newRow("delete vendor with batches")
        << QStringLiteral("DELETE FROM tblVendors WHERE ID = ?") << QVariantList{1} << false;
    QTest::newRow("same product code")
        << addProduct << QVariantList{1, QStringLiteral("1"), QStringLiteral("Copy"), 1, 0.0}
        << false;
    QTest::newRow("same bar code") << addBatch << QVariantList{1,
                                                               1,
                                                               QStringLiteral("1"),
                                                               QStringLiteral("X1"),
                                                               QStringLiteral("2030-01-31"),
                                                               1.0,
                                                               2.0,
                                                               5,
                                                               0,
                                                               1,
                                                               0.0}
                                   << false;
    QTest::newRow("batch of unknown product") << addBatch
                                              << QVariantList{999,
                                                              1,
                                                              QStringLiteral("NEW-1"),
                                                              QStringLiteral("X1"),
                                                              QStringLiteral("2030-01-31"),
                                                              1.0,
                                                              2.0,
                                                              5,
                                                              0,
                                                              1,
                                                              0.0}
                                              << false;
    QTest::newRow("new product code")
        << addProduct << QVariantList{1, QStringLiteral("6"), QStringLiteral("New"), 1, 0.0}
        << true;
    QTest::newRow("new bar code") << addBatch << QVariantList{1,
                                                              1,
                                                              QStringLiteral("NEW-1"),
                                                              QStringLiteral("X1"),
                                                              QStringLiteral("2030-01-31"),
                                                              1.0,
                                                              2.0,
                                                              5,
                                                              0,
                                                              1,
                                                              0.0}
                                  << true;
    QTest::newRow("delete batch") << QStringLiteral("DELETE FROM tblInventory WHERE BAR_CODE = ?")
                                  << QVariantList{QStringLiteral("5")} << true;
}

void DBManagerTest::inventoryConnectionEnforcesKeys()
{
    QFETCH(QString, sql);
    QFETCH(QVariantList, values);
    QFETCH(bool, succeeds);

    CDBManager::GetInstance()->CreateSampleInventoryDB();
    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    QVERIFY(query.prepare(sql));
    for (const QVariant& value : values)
        query.addBindValue(value);
    QCOMPARE(query.exec(), succeeds);
    if (succeeds)
        QCOMPARE(query.numRowsAffected(), 1);
}

void DBManagerTest::refusesInvalidDatabase_data()
{
    QTest::addColumn<bool>("inventory");
    QTest::addColumn<FileSetup>("setup");
    QTest::addColumn<QString>("stamp");

    const QString standard = QStringLiteral("default");
    QTest::newRow("inventory: missing") << true << FileSetup::Missing << QString();
    QTest::newRow("inventory: empty") << true << FileSetup::Empty << QString();
    QTest::newRow("inventory: text") << true << FileSetup::Text << QString();
    QTest::newRow("inventory: other program") << true << FileSetup::OtherProgram << QString();
    QTest::newRow("inventory: sales store") << true << FileSetup::SalesStore << standard;
    QTest::newRow("inventory: wrong stamp")
        << true << FileSetup::InventoryStore << QStringLiteral("INVENTORY_6.0.0");
    QTest::newRow("inventory: no stamp") << true << FileSetup::InventoryStore << QString();
    QTest::newRow("sales: missing") << false << FileSetup::Missing << QString();
    QTest::newRow("sales: empty") << false << FileSetup::Empty << QString();
    QTest::newRow("sales: text") << false << FileSetup::Text << QString();
    QTest::newRow("sales: other program") << false << FileSetup::OtherProgram << QString();
    QTest::newRow("sales: inventory store") << false << FileSetup::InventoryStore << standard;
    QTest::newRow("sales: wrong stamp")
        << false << FileSetup::SalesStore << QStringLiteral("SALES_6.0.0");
}

void DBManagerTest::refusesInvalidDatabase()
{
    QFETCH(bool, inventory);
    QFETCH(FileSetup, setup);
    QFETCH(QString, stamp);

    const QString fileName = QStringLiteral("my store.mercdb");
    const QString path = m_dir->filePath(fileName);
    QVERIFY(makeFile(setup, path, stamp));
    configure(inventory, m_dir->path(), fileName);
    const QByteArray before = fingerprint(path);

    // The manager opens no window: the refusal goes to its listener.
    QSqlDatabase& db = open(inventory);
    QCOMPARE(m_listener.problems, (Problems{{QStringLiteral("Error"), refusalText(fileName)}}));

    QVERIFY(!m_listener.calls.isEmpty());
    const QPair<bool, bool> state = m_listener.calls.last();
    QVERIFY(!(inventory ? state.first : state.second));
    CDBManager* manager = CDBManager::GetInstance();
    QVERIFY(!(inventory ? manager->IsInventoryConnected() : manager->IsSalesConnected()));
    QVERIFY(!db.isOpen());
    {
        QSqlQuery query(db);
        QVERIFY(!query.exec(QStringLiteral("SELECT 1")));
    }
    QCOMPARE(fingerprint(path), before);
    QVERIFY(helperConnections().isEmpty());

    // Asked again, the manager hands out the same refused connection without a second report.
    QSqlDatabase& again = open(inventory);
    QCOMPARE(&again, &db);
    QCOMPARE(m_listener.problems.size(), 1);

    // Once closed, the file is checked again and refused again.
    close(inventory);
    QVERIFY(!open(inventory).isOpen());
    QCOMPARE(m_listener.problems.size(), 2);
    QCOMPARE(m_listener.problems.last().second, refusalText(fileName));
    QCOMPARE(fingerprint(path), before);
}

void DBManagerTest::emptyFileNameDisconnectsSilently_data()
{
    QTest::addColumn<bool>("inventory");
    QTest::addColumn<bool>("withFolder");

    QTest::newRow("inventory, nothing set") << true << false;
    QTest::newRow("inventory, folder set") << true << true;
    QTest::newRow("sales, nothing set") << false << false;
    QTest::newRow("sales, folder set") << false << true;
}

void DBManagerTest::emptyFileNameDisconnectsSilently()
{
    QFETCH(bool, inventory);
    QFETCH(bool, withFolder);

    if (withFolder)
        configure(inventory, m_dir->path(), QString());
    const QSqlDatabase db = open(inventory);
    QVERIFY(!db.isOpen());
    QCOMPARE(m_listener.calls, (QList<QPair<bool, bool>>{{false, false}}));
    const QStringList problems = m_dialogs.finish();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

void DBManagerTest::checksDatabaseFile_data()
{
    QTest::addColumn<FileSetup>("setup");
    QTest::addColumn<QString>("stamp");
    QTest::addColumn<QString>("expectedVersion");
    QTest::addColumn<bool>("valid");

    const QString standard = QStringLiteral("default");
    const QString inventory = QStringLiteral("INVENTORY_7.0.0");
    const QString sales = QStringLiteral("SALES_7.0.0");
    QTest::newRow("inventory store") << FileSetup::InventoryStore << standard << inventory << true;
    QTest::newRow("sales store") << FileSetup::SalesStore << standard << sales << true;
    QTest::newRow("sales store as inventory")
        << FileSetup::SalesStore << standard << inventory << false;
    QTest::newRow("inventory store as sales")
        << FileSetup::InventoryStore << standard << sales << false;
    QTest::newRow("older stamp") << FileSetup::InventoryStore << QStringLiteral("INVENTORY_6.0.0")
                                 << inventory << false;
    QTest::newRow("no stamp") << FileSetup::InventoryStore << QString() << inventory << false;
    QTest::newRow("missing file") << FileSetup::Missing << QString() << inventory << false;
    QTest::newRow("empty file") << FileSetup::Empty << QString() << inventory << false;
    QTest::newRow("text file") << FileSetup::Text << QString() << inventory << false;
    QTest::newRow("other program") << FileSetup::OtherProgram << QString() << inventory << false;
    QTest::newRow("directory") << FileSetup::Directory << QString() << inventory << false;
}

void DBManagerTest::checksDatabaseFile()
{
    QFETCH(FileSetup, setup);
    QFETCH(QString, stamp);
    QFETCH(QString, expectedVersion);
    QFETCH(bool, valid);

    const QString path = m_dir->filePath(QStringLiteral("checked.mercdb"));
    QVERIFY(makeFile(setup, path, stamp));
    const QByteArray before = fingerprint(path);

    QCOMPARE(CDBManager::GetInstance()->IsValidDataBase(path, expectedVersion), valid);
    QCOMPARE(fingerprint(path), before);
    QVERIFY(helperConnections().isEmpty());
    // Checking reports nothing and connects nothing.
    QVERIFY(m_listener.calls.isEmpty());
}

void DBManagerTest::createsEmptyDatabase_data()
{
    QTest::addColumn<bool>("inventory");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("tables");
    QTest::addColumn<QString>("version");

    // A new store has the tables for unpaid sales and voided lines from the start.
    QStringList inventoryTables = INVENTORY_TABLES;
    inventoryTables << QStringLiteral("tblPendingLines") << QStringLiteral("tblPendingSales")
                    << QStringLiteral("tblPendingVoids");
    inventoryTables.sort();
    QTest::newRow("inventory") << true << QStringLiteral("merchorainventory") << inventoryTables
                               << QStringLiteral("INVENTORY_7.0.0");
    QTest::newRow("sales") << false << QStringLiteral("merchorasales")
                           << (SALES_TABLES + QStringList{QStringLiteral("tblSalesVoids")})
                           << QStringLiteral("SALES_7.0.0");
}

void DBManagerTest::createsEmptyDatabase()
{
    QFETCH(bool, inventory);
    QFETCH(QString, prefix);
    QFETCH(QStringList, tables);
    QFETCH(QString, version);

    CDBManager* manager = CDBManager::GetInstance();
    settings()->setValue(key(inventory ? SettingKey::INVENTORY_DATA_FOLDER_PATH
                                       : SettingKey::SALES_DATA_FOLDER_PATH),
                         m_dir->path());
    const QDateTime started = QDateTime::currentDateTime();
    QVERIFY(inventory ? manager->CreateInventoryDB() : manager->CreateSalesDB());
    QVERIFY(helperConnections().isEmpty());

    const QString fileName =
        settings()
            ->value(key(inventory ? SettingKey::ACTIVE_INVENTORY_DB : SettingKey::ACTIVE_SALES_DB))
            .toString();
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^%1(\\d{14})\\.mercdb$").arg(prefix)).match(fileName);
    QVERIFY2(match.hasMatch(), qPrintable(fileName));
    // The digits are the local time of creation.
    const QDateTime stamped =
        QDateTime::fromString(match.captured(1), QStringLiteral("yyyyMMddHHmmss"));
    QVERIFY2(stamped.isValid(), qPrintable(match.captured(1)));
    QVERIFY2(qAbs(started.secsTo(stamped)) <= 60, qPrintable(match.captured(1)));

    const QString path = m_dir->filePath(fileName);
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(tablesOf(path), tables);
    QVERIFY(manager->IsValidDataBase(path, version));

    // The new database is the one the manager opens next.
    const QSqlDatabase db = open(inventory);
    QVERIFY(db.isOpen());
    QCOMPARE(column(db, QStringLiteral("SELECT DB_VERSION FROM tblMerchora")),
             (QVariantList{version}));
    QVERIFY(!m_listener.calls.isEmpty());
    QVERIFY(inventory ? m_listener.calls.last().first : m_listener.calls.last().second);
}

void DBManagerTest::newSchemaTakesOptionalContactAndTextCustomer()
{
    CDBManager* manager = CDBManager::GetInstance();
    settings()->setValue(key(SettingKey::INVENTORY_DATA_FOLDER_PATH), m_dir->path());
    settings()->setValue(key(SettingKey::SALES_DATA_FOLDER_PATH), m_dir->path());
    QVERIFY(manager->CreateInventoryDB());
    QVERIFY(manager->CreateSalesDB());

    QSqlQuery inventory(manager->GetInventoryDataBase());
    for (const QString& table : {QStringLiteral("tblVendors"), QStringLiteral("tblCustomers")}) {
        QVERIFY(inventory.prepare(QStringLiteral("INSERT INTO %1 (NAME) VALUES (?)").arg(table)));
        inventory.addBindValue(QStringLiteral("No Phone Ltd"));
        QVERIFY2(inventory.exec(),
                 qPrintable(table + QLatin1Char(' ') + inventory.lastError().text()));
    }

    QSqlQuery sales(manager->GetSalesDataBase());
    QVERIFY(sales.prepare(QStringLiteral("INSERT INTO tblSalesTransactions (USER_ID, CUSTOMER_ID, "
                                         "TIME_STAMP, GRAND_TOTAL, PAID, [RETURN]) "
                                         "VALUES (?,?,?,?,?,?)")));
    for (const QVariant& value :
         QVariantList{QStringLiteral("admin"), 2, QStringLiteral("2026-03-05"), 9.5, 10.0, -0.5})
        sales.addBindValue(value);
    QVERIFY2(sales.exec(), qPrintable(sales.lastError().text()));
    // A customer number is kept as text, the way the sale screen stores it.
    QCOMPARE(column(manager->GetSalesDataBase(),
                    QStringLiteral("SELECT typeof(CUSTOMER_ID) FROM tblSalesTransactions")),
             (QVariantList{QStringLiteral("text")}));
}

void DBManagerTest::createFailsWithoutUsableFolder_data()
{
    QTest::addColumn<bool>("inventory");
    QTest::addColumn<bool>("emptySetting");

    QTest::newRow("inventory, missing folder") << true << false;
    QTest::newRow("inventory, empty setting") << true << true;
    QTest::newRow("sales, missing folder") << false << false;
    QTest::newRow("sales, empty setting") << false << true;
}

void DBManagerTest::createFailsWithoutUsableFolder()
{
    QFETCH(bool, inventory);
    QFETCH(bool, emptySetting);

    const QString missing = m_dir->filePath(QStringLiteral("not/there"));
    configure(inventory, emptySetting ? QString() : missing, QStringLiteral("previous.mercdb"));

    CDBManager* manager = CDBManager::GetInstance();
    QVERIFY(!(inventory ? manager->CreateInventoryDB() : manager->CreateSalesDB()));
    QCOMPARE(
        settings()
            ->value(key(inventory ? SettingKey::ACTIVE_INVENTORY_DB : SettingKey::ACTIVE_SALES_DB))
            .toString(),
        QStringLiteral("previous.mercdb"));
    QVERIFY(!QFileInfo::exists(missing));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    QVERIFY(helperConnections().isEmpty());
}

void DBManagerTest::closeRemovesConnectionAndSwitchesFile_data()
{
    QTest::addColumn<bool>("inventory");

    QTest::newRow("inventory") << true;
    QTest::newRow("sales") << false;
}

void DBManagerTest::closeRemovesConnectionAndSwitchesFile()
{
    QFETCH(bool, inventory);

    const StoreBuilder::Kind kind =
        inventory ? StoreBuilder::Kind::Inventory : StoreBuilder::Kind::Sales;
    const QString connection = key(inventory ? INVENTORY_CONNECTION : SALES_CONNECTION);
    const QString probe = inventory ? QStringLiteral("SELECT NAME FROM tblProductCategories")
                                    : QStringLiteral("SELECT USER_ID FROM tblSalesTransactions");
    // Two stores told apart by the one row each holds.
    for (const QString& name : {QStringLiteral("alpha"), QStringLiteral("beta")}) {
        StoreBuilder store(kind, m_dir->filePath(name + QStringLiteral(".mercdb")));
        QVERIFY(store.isOk());
        if (inventory)
            QVERIFY(store.addCategory(name) > 0);
        else
            QVERIFY(store.addSale(name, 0, QDate(2026, 3, 5), 1.0, 1.0) > 0);
    }

    configure(inventory, m_dir->path(), QStringLiteral("alpha.mercdb"));
    QCOMPARE(column(open(inventory), probe), (QVariantList{QStringLiteral("alpha")}));
    QVERIFY(QSqlDatabase::connectionNames().contains(connection));

    // Until it is closed, the open connection stays with the first file.
    configure(inventory, m_dir->path(), QStringLiteral("beta.mercdb"));
    QCOMPARE(column(open(inventory), probe), (QVariantList{QStringLiteral("alpha")}));

    close(inventory);
    QVERIFY(!QSqlDatabase::connectionNames().contains(connection));
    close(inventory); // closing twice is harmless
    QVERIFY(!QSqlDatabase::connectionNames().contains(connection));

    QCOMPARE(column(open(inventory), probe), (QVariantList{QStringLiteral("beta")}));
    QVERIFY(QSqlDatabase::connectionNames().contains(connection));
    QVERIFY(inventory ? m_listener.calls.last().first : m_listener.calls.last().second);
}

void DBManagerTest::recoversFromCrashDuringWrite_data()
{
    QTest::addColumn<QString>("fileName");

    QTest::newRow("plain name") << QStringLiteral("sales.mercdb");
    QTest::newRow("blanks and #") << QStringLiteral("shop #2 (copy).mercdb");
    QTest::newRow("? and %") << QStringLiteral("why? 100%.mercdb");
}

void DBManagerTest::recoversFromCrashDuringWrite()
{
    QFETCH(QString, fileName);

    const QString path = m_dir->filePath(fileName);
    QVERIFY(StoreBuilder(StoreBuilder::Kind::Sales, path).isOk());

    // A till killed in the middle of a payment.
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(HOLD_WRITE_ARGUMENT), path});
    QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
    QByteArray said;
    while (!said.contains('\n') && child.state() == QProcess::Running &&
           child.waitForReadyRead(30000))
        said += child.readAllStandardOutput();
    QVERIFY2(said.startsWith("ready "), said.constData());
    const qint64 committedSize = said.mid(6).trimmed().toLongLong();
    child.kill();
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    // The unfinished transaction reached the file, and its journal is left beside it.
    QVERIFY2(QFileInfo(path).size() > committedSize,
             qPrintable(QStringLiteral("%1 <= %2").arg(QFileInfo(path).size()).arg(committedSize)));
    QVERIFY(QFileInfo(path + QStringLiteral("-journal")).size() > 0);

    configure(false, m_dir->path(), fileName);
    CDBManager* manager = CDBManager::GetInstance();
    const QSqlDatabase db = manager->GetSalesDataBase();
    QVERIFY(db.isOpen());
    QVERIFY(manager->IsSalesConnected());
    QCOMPARE(m_listener.problems, Problems());
    QVERIFY(m_listener.calls.last().second);
    QVERIFY(manager->IsValidDataBase(path, QStringLiteral("SALES_7.0.0")));

    // Rolled back: the committed sales as they were, nothing of the interrupted ones.
    QCOMPARE(rowCount(db, QStringLiteral("tblSalesTransactions")), COMMITTED_SALES);
    QCOMPARE(column(db, QStringLiteral("SELECT COUNT(*) FROM tblSalesTransactions "
                                       "WHERE USER_ID = 'committed'")),
             (QVariantList{COMMITTED_SALES}));
    QCOMPARE(column(db, QStringLiteral("SELECT SUM(GRAND_TOTAL) FROM tblSalesTransactions")),
             (QVariantList{COMMITTED_SALES * (COMMITTED_SALES + 1) / 2.0}));
    QCOMPARE(QFileInfo(path + QStringLiteral("-journal")).size(), qint64(0));
}

void DBManagerTest::refusesDamagedFileWithoutWriting_data()
{
    QTest::addColumn<bool>("inventory");

    QTest::newRow("inventory") << true;
    QTest::newRow("sales") << false;
}

void DBManagerTest::refusesDamagedFileWithoutWriting()
{
    QFETCH(bool, inventory);

    const QString fileName = QStringLiteral("damaged store.mercdb");
    const QString path = m_dir->filePath(fileName);
    QVERIFY(TestSupport::buildDamagedStore(
        inventory ? StoreBuilder::Kind::Inventory : StoreBuilder::Kind::Sales, path));
    const QByteArray before = fingerprint(path);
    // Its stamp still reads well; only the whole-file check finds the damage.
    QVERIFY(CDBManager::GetInstance()->IsValidDataBase(
        path, QString::fromLatin1(inventory ? INVENTORY_DB_VERSION : SALES_DB_VERSION)));

    configure(inventory, m_dir->path(), fileName);
    CDBManager* manager = CDBManager::GetInstance();
    QVERIFY(!open(inventory).isOpen());
    QVERIFY(!(inventory ? manager->IsInventoryConnected() : manager->IsSalesConnected()));
    QVERIFY(!(inventory ? m_listener.calls.last().first : m_listener.calls.last().second));
    QCOMPARE(m_listener.problems, (Problems{{QStringLiteral("Error"), damagedText(fileName)}}));
    QCOMPARE(fingerprint(path), before);

    // Not remembered as sound: refused again on the next opening.
    close(inventory);
    QVERIFY(!open(inventory).isOpen());
    QCOMPARE(m_listener.problems.size(), 2);
    QCOMPARE(fingerprint(path), before);

    // A small store is checked at every opening, even one that passed before it was damaged.
    close(inventory);
    Utility::GetInstance()->GetSettings()->setValue(
        inventory ? QStringLiteral("VERIFIED_INVENTORY_DB") : QStringLiteral("VERIFIED_SALES_DB"),
        QFileInfo(path).canonicalFilePath());
    QVERIFY(!open(inventory).isOpen());
    QCOMPARE(m_listener.problems.size(), 3);
}

void DBManagerTest::salesCheckFollowsTheFile()
{
    const QString path = m_dir->filePath(QStringLiteral("till sales.mercdb"));
    // A sales store at that path holding one sale by the given user.
    const auto makeStore = [](const QString& at, const QString& user) {
        StoreBuilder store(StoreBuilder::Kind::Sales, at);
        return store.addSale(user, 0, QDate(2026, 3, 5), 1.0, 1.0) > 0;
    };
    QVERIFY(makeStore(path, QStringLiteral("first")));
    configure(false, m_dir->path(), QStringLiteral("till sales.mercdb"));
    CDBManager* manager = CDBManager::GetInstance();
    const auto users = [manager]() {
        return column(manager->GetSalesDataBase(),
                      QStringLiteral("SELECT USER_ID FROM tblSalesTransactions"));
    };
    QCOMPARE(users(), (QVariantList{QStringLiteral("first")}));
    QVERIFY(manager->CheckSalesDataBase());
    QCOMPARE(m_listener.calls.size(), 1);

    // Deleted while open: the open connection would write into a file nobody can see.
    QVERIFY(QFile::remove(path));
    QVERIFY(!manager->CheckSalesDataBase());
    QVERIFY(!manager->IsSalesConnected());
    QVERIFY(!m_listener.calls.last().second);
    QVERIFY(!manager->CheckSalesDataBase());
    QVERIFY(!QFileInfo::exists(path));

    // A store put back is taken again.
    QVERIFY(makeStore(path, QStringLiteral("restored")));
    QVERIFY(manager->CheckSalesDataBase());
    QVERIFY(m_listener.calls.last().second);
    QCOMPARE(users(), (QVariantList{QStringLiteral("restored")}));

    // Replaced while open: the check moves to the file now at the path.
    const QString other = m_dir->filePath(QStringLiteral("other.mercdb"));
    QVERIFY(makeStore(other, QStringLiteral("replacement")));
    QVERIFY(QFile::remove(path) && QFile::rename(other, path));
    QVERIFY(manager->CheckSalesDataBase());
    QCOMPARE(users(), (QVariantList{QStringLiteral("replacement")}));
    // The till tells the cashier in its own way: no problem went through the listener.
    QCOMPARE(m_listener.problems, Problems());
}

void DBManagerTest::salesCheckRefusesReadOnlyStore_data()
{
    QTest::addColumn<bool>("folder");

    QTest::newRow("read-only file") << false;
    QTest::newRow("read-only folder") << true;
}

void DBManagerTest::salesCheckRefusesReadOnlyStore()
{
    QFETCH(bool, folder);

    const QString storeFolder = m_dir->filePath(QStringLiteral("stores"));
    QVERIFY(QDir().mkpath(storeFolder));
    const QString path = storeFolder + QStringLiteral("/sales.mercdb");
    QVERIFY(StoreBuilder(StoreBuilder::Kind::Sales, path).isOk());
    configure(false, storeFolder, QStringLiteral("sales.mercdb"));
    CDBManager* manager = CDBManager::GetInstance();
    QVERIFY(manager->CheckSalesDataBase());

    const QString target = folder ? storeFolder : path;
    const QFile::Permissions writable = QFile::permissions(target);
    QVERIFY(QFile::setPermissions(target, writable & ~(QFile::WriteOwner | QFile::WriteUser |
                                                       QFile::WriteGroup | QFile::WriteOther)));
    const bool usable = manager->CheckSalesDataBase();
    const bool connected = manager->IsSalesConnected();
    const bool reported = m_listener.calls.last().second;
    QVERIFY(QFile::setPermissions(target, writable));

    QVERIFY(!usable);
    QVERIFY(!connected);
    QVERIFY(!reported);
    QVERIFY(manager->CheckSalesDataBase());
    QVERIFY(m_listener.calls.last().second);
}

void DBManagerTest::writeFailureDisconnectsUntilReopened_data()
{
    QTest::addColumn<bool>("inventory");

    QTest::newRow("inventory") << true;
    QTest::newRow("sales") << false;
}

void DBManagerTest::writeFailureDisconnectsUntilReopened()
{
    QFETCH(bool, inventory);

    StoreBuilder inventoryStore(StoreBuilder::Kind::Inventory,
                                m_dir->filePath(QStringLiteral("inventory.mercdb")));
    StoreBuilder salesStore(StoreBuilder::Kind::Sales,
                            m_dir->filePath(QStringLiteral("sales.mercdb")));
    inventoryStore.activate();
    salesStore.activate();
    CDBManager* manager = CDBManager::GetInstance();
    QVERIFY(manager->GetInventoryDataBase().isOpen());
    QVERIFY(manager->GetSalesDataBase().isOpen());
    QCOMPARE(m_listener.calls.last(), qMakePair(true, true));

    manager->ReportWriteFailure(inventory);
    QCOMPARE(m_listener.calls.last(), qMakePair(!inventory, inventory));
    QVERIFY(!(inventory ? manager->IsInventoryConnected() : manager->IsSalesConnected()));
    QVERIFY(!QSqlDatabase::contains(key(inventory ? INVENTORY_CONNECTION : SALES_CONNECTION)));

    QVERIFY(open(inventory).isOpen());
    QVERIFY(inventory ? manager->IsInventoryConnected() : manager->IsSalesConnected());
    QCOMPARE(m_listener.calls.last(), qMakePair(true, true));
    QCOMPARE(m_listener.problems, Problems());
}

MERCHORA_TEST_MAIN_WITH_CHILD(DBManagerTest, HOLD_WRITE_ARGUMENT, holdUnfinishedWrite)
#include "tst_dbmanager.moc"
