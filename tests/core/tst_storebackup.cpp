#include "storebuilder.h"
#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/salestore.h"
#include "core/storebackup.h"
#include "core/utility.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <memory>

using TestSupport::StoreBuilder;
using namespace StoreBackup;

namespace {

// Overwrites the first bytes of the page in the middle of the file, past the file header.
bool damageMiddlePage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray header = file.read(100);
    if (header.size() < 100)
        return false;
    int pageSize = (quint8(header.at(16)) << 8) | quint8(header.at(17));
    if (pageSize == 1)
        pageSize = 65536;
    const qint64 pages = file.size() / pageSize;
    return pages >= 20 && file.seek((pages / 2) * pageSize) &&
           file.write(QByteArray(64, '\xA5')) == 64;
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList relativePaths(const QList<FileToCopy>& files)
{
    QStringList paths;
    for (const FileToCopy& file : files)
        paths << QDir::fromNativeSeparators(file.relative);
    return paths;
}

} // namespace

Q_DECLARE_METATYPE(StoreBackup::StoreCheck)

// Checking a chosen store file and copying the data folders, without the dialogs.
class StoreBackupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void checkStoreFile_data();
    void checkStoreFile();
    void filesToCopySkipsOnlyStoreJournals();
    void sharedFolderIsCopiedOnce();
    void backupOfSampleStoresIsSelectedAndSoldOn();
    void storeIsCopiedWithWritesStillInItsLog();
    void existingFilesAreKeptAndAskedOnceWithSkipAll();
    void abortAndCancelStopTheCopy();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void StoreBackupTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void StoreBackupTest::cleanup()
{
    TestSupport::resetDatabases();
    m_dir.reset();
}

void StoreBackupTest::checkStoreFile_data()
{
    QTest::addColumn<bool>("inventoryFile");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<StoreCheck>("result");

    QTest::newRow("inventory") << true << false << INVENTORY_DB_VERSION << StoreCheck::Valid;
    QTest::newRow("inventory as sales")
        << true << false << SALES_DB_VERSION << StoreCheck::WrongVersion;
    QTest::newRow("sales as inventory")
        << false << false << INVENTORY_DB_VERSION << StoreCheck::WrongVersion;
    QTest::newRow("damaged sales") << false << true << SALES_DB_VERSION << StoreCheck::Damaged;
}

void StoreBackupTest::checkStoreFile()
{
    QFETCH(bool, inventoryFile);
    QFETCH(bool, damaged);
    QFETCH(QString, expected);
    QFETCH(StoreCheck, result);

    const QString path = m_dir->filePath(QStringLiteral("store.mercdb"));
    {
        StoreBuilder store(
            inventoryFile ? StoreBuilder::Kind::Inventory : StoreBuilder::Kind::Sales, path);
        QVERIFY(store.isOk());
        QVERIFY(store.exec(QStringLiteral("BEGIN")));
        for (int i = 0; i < 2000; ++i) {
            const QString name = QStringLiteral("row %1 ").arg(i) + QString(60, QLatin1Char('-'));
            QVERIFY(inventoryFile ? store.addCategory(name) > 0
                                  : store.addSale(name, 0, QDate(2026, 3, 5), 1.0, 1.0) > 0);
        }
        QVERIFY(store.exec(QStringLiteral("COMMIT")));
    }
    if (damaged)
        QVERIFY(damageMiddlePage(path));
    QCOMPARE(CheckStoreFile(path, expected), result);
    QCOMPARE(CheckStoreFile(m_dir->filePath(QStringLiteral("missing.mercdb")), expected),
             StoreCheck::WrongVersion);
}

void StoreBackupTest::filesToCopySkipsOnlyStoreJournals()
{
    const QString root = m_dir->filePath(QStringLiteral("data"));
    for (const char* name :
         {"a.mercdb", "a.mercdb-journal", "a.mercdb-wal", "a.mercdb-shm", "notes.txt-wal",
          "images/logo.png", "images/deep/b.mercdb", "images/deep/b.mercdb-shm", ".hidden"})
        QVERIFY(writeFile(root + QLatin1Char('/') + QLatin1String(name), "x"));
    QCOMPARE(relativePaths(FilesToCopy(root)),
             (QStringList{".hidden", "a.mercdb", "images/deep/b.mercdb", "images/logo.png",
                          "notes.txt-wal"}));
}

void StoreBackupTest::sharedFolderIsCopiedOnce()
{
    const QString a = m_dir->filePath(QStringLiteral("a"));
    const QString b = m_dir->filePath(QStringLiteral("b"));
    QVERIFY(QDir().mkpath(a) && QDir().mkpath(b));
    QCOMPARE(FoldersToBackUp(a, a + QStringLiteral("/")), QStringList{a});
    QCOMPARE(FoldersToBackUp(a, b + QStringLiteral("/../a")), QStringList{a});
    QCOMPARE(FoldersToBackUp(a, b), (QStringList{a, b}));
    QCOMPARE(FoldersToBackUp(QString(), b), QStringList{b});
}

// The sample stores, one of them open, are copied through SQLite; the copies pass the checks
// of a chosen file, and a sale is stored in the copied sales store.
void StoreBackupTest::backupOfSampleStoresIsSelectedAndSoldOn()
{
    CDBManager* manager = CDBManager::GetInstance();
    manager->CreateSampleInventoryDB();
    manager->CreateSampleSalesDB();
    QVERIFY(manager->GetSalesDataBase().isOpen());
    const QString folder = CDBManager::SampleFolderPath();
    QVERIFY(writeFile(folder + QStringLiteral("/pictures/shop.png"), "png"));

    const QString destination = m_dir->filePath(QStringLiteral("backup"));
    int calls = 0;
    CopyCallbacks callbacks;
    callbacks.progress = [&calls](int number, int total) {
        ++calls;
        return number <= total;
    };
    callbacks.failed = [](const QString& source, const QString&) {
        qWarning() << "not copied:" << source;
        return Answer::Abort;
    };
    QCOMPARE(CopyFolder(folder, destination, callbacks), Outcome::Completed);
    QCOMPARE(calls, 3);
    QCOMPARE(readFile(destination + QStringLiteral("/pictures/shop.png")), QByteArray("png"));

    const QString inventoryName =
        Utility::GetInstance()->ReadString(QString::fromLatin1(SettingKey::ACTIVE_INVENTORY_DB));
    const QString salesName =
        Utility::GetInstance()->ReadString(QString::fromLatin1(SettingKey::ACTIVE_SALES_DB));
    QCOMPARE(CheckStoreFile(destination + QLatin1Char('/') + inventoryName,
                            QString::fromLatin1(INVENTORY_DB_VERSION)),
             StoreCheck::Valid);
    QCOMPARE(CheckStoreFile(destination + QLatin1Char('/') + salesName,
                            QString::fromLatin1(SALES_DB_VERSION)),
             StoreCheck::Valid);

    // Selected as the dialog does: folder and file settings, then the next request opens it.
    QSettings* settings = Utility::GetInstance()->GetSettings();
    settings->setValue(QString::fromLatin1(SettingKey::INVENTORY_DATA_FOLDER_PATH), destination);
    settings->setValue(QString::fromLatin1(SettingKey::SALES_DATA_FOLDER_PATH), destination);
    manager->CloseInventoryDataBase();
    manager->CloseSalesDataBase();
    QVERIFY(manager->GetInventoryDataBase().isOpen());
    QVERIFY(manager->IsInventoryConnected());
    QSqlDatabase& sales = manager->GetSalesDataBase();
    QVERIFY(manager->IsSalesConnected());
    QCOMPARE(QFileInfo(sales.databaseName().section(QLatin1Char('?'), 0, 0)).fileName(), salesName);

    QSqlQuery count(sales);
    QVERIFY(count.exec(QStringLiteral("SELECT COUNT(*) FROM tblSalesTransactions")));
    QVERIFY(count.next());
    const int before = count.value(0).toInt();

    SaleRecord sale;
    sale.userId = QStringLiteral("admin");
    sale.customer = QStringLiteral("NOT SELECTED");
    sale.timeStamp = QDateTime::currentDateTime();
    sale.grandTotal = Money::FromCents(250);
    sale.paid = Money::FromCents(300);
    sale.change = Money::FromCents(-50);
    SaleLineRecord line;
    line.index = 1;
    line.productName = QStringLiteral("Cola");
    line.quantity = 1;
    line.salePrice = line.subTotal = Money::FromCents(250);
    line.purchasePrice = line.purchaseSubTotal = Money::FromCents(100);
    sale.lines << line;
    QVERIFY(StoreSale(sales, sale).Ok());
    QVERIFY(count.exec(QStringLiteral("SELECT COUNT(*) FROM tblSalesTransactions")));
    QVERIFY(count.next());
    QCOMPARE(count.value(0).toInt(), before + 1);
}

// An open store whose last sale is only in its write-ahead log: a copy of the file alone would
// lose the sale, the copy through SQLite has it.
void StoreBackupTest::storeIsCopiedWithWritesStillInItsLog()
{
    const QString source = m_dir->filePath(QStringLiteral("open.mercdb"));
    const QString target = m_dir->filePath(QStringLiteral("copy/open.mercdb"));
    StoreBuilder store(StoreBuilder::Kind::Sales, source);
    QVERIFY(store.exec(QStringLiteral("PRAGMA journal_mode = WAL")));
    QVERIFY(store.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0")));
    QVERIFY(store.addSale(QStringLiteral("admin"), 0, QDate(2026, 3, 5), 2.5, 3.0) > 0);
    QVERIFY(QFileInfo(source + QStringLiteral("-wal")).size() > 0);

    QString error;
    QVERIFY2(CopyFile(source, target, &error), qPrintable(error));
    int sales = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "copy");
        db.setDatabaseName(target);
        QVERIFY(db.open());
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("SELECT COUNT(*) FROM tblSalesTransactions")) && query.next())
            sales = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    QCOMPARE(sales, 1);
}

void StoreBackupTest::existingFilesAreKeptAndAskedOnceWithSkipAll()
{
    const QString source = m_dir->filePath(QStringLiteral("data"));
    const QString destination = m_dir->filePath(QStringLiteral("backup"));
    QVERIFY(QDir().mkpath(source));
    QVERIFY(StoreBuilder(StoreBuilder::Kind::Sales, source + QStringLiteral("/s.mercdb")).isOk());
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        QVERIFY(writeFile(source + QLatin1Char('/') + QLatin1String(name), "new"));
    for (const char* name : {"a.txt", "s.mercdb"})
        QVERIFY(writeFile(destination + QLatin1Char('/') + QLatin1String(name), "mine"));

    QStringList asked;
    CopyCallbacks callbacks;
    callbacks.failed = [&asked](const QString& from, const QString&) {
        asked << QFileInfo(from).fileName();
        return Answer::SkipAll;
    };
    QCOMPARE(CopyFolder(source, destination, callbacks), Outcome::Completed);
    QCOMPARE(asked, QStringList{"a.txt"});
    for (const char* name : {"a.txt", "s.mercdb"})
        QCOMPARE(readFile(destination + QLatin1Char('/') + QLatin1String(name)),
                 QByteArray("mine"));
    QCOMPARE(readFile(destination + QStringLiteral("/b.txt")), QByteArray("new"));
    QCOMPARE(readFile(destination + QStringLiteral("/c.txt")), QByteArray("new"));

    // The same backup again, answered file by file: every file is asked about and kept.
    asked.clear();
    callbacks.failed = [&asked](const QString& from, const QString&) {
        asked << QFileInfo(from).fileName();
        return Answer::Skip;
    };
    QCOMPARE(CopyFolder(source, destination, callbacks), Outcome::Completed);
    QCOMPARE(asked, (QStringList{"a.txt", "b.txt", "c.txt", "s.mercdb"}));
    QCOMPARE(readFile(destination + QStringLiteral("/s.mercdb")), QByteArray("mine"));
}

void StoreBackupTest::abortAndCancelStopTheCopy()
{
    const QString source = m_dir->filePath(QStringLiteral("data"));
    const QString destination = m_dir->filePath(QStringLiteral("backup"));
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        QVERIFY(writeFile(source + QLatin1Char('/') + QLatin1String(name), "new"));

    CopyCallbacks cancelAtSecond;
    cancelAtSecond.progress = [](int number, int) {
        return number < 2;
    };
    QCOMPARE(CopyFolder(source, destination, cancelAtSecond), Outcome::Cancelled);
    QCOMPARE(QDir(destination).entryList(QDir::Files), QStringList{"a.txt"});

    CopyCallbacks abort;
    int asked = 0;
    abort.failed = [&asked](const QString&, const QString&) {
        ++asked;
        return Answer::Abort;
    };
    QCOMPARE(CopyFolder(source, destination, abort), Outcome::Aborted);
    QCOMPARE(asked, 1);
    QCOMPARE(QDir(destination).entryList(QDir::Files), QStringList{"a.txt"});
}

MERCHORA_TEST_GUILESS_MAIN(StoreBackupTest)
#include "tst_storebackup.moc"
