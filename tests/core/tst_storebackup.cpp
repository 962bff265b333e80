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

using TestSupport::StoreBuilder;
using namespace StoreBackup;

Q_DECLARE_METATYPE(StoreBackup::StoreCheck)
Q_DECLARE_METATYPE(StoreBackup::Answer)
Q_DECLARE_METATYPE(StoreBackup::Outcome)

namespace {

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QStringList filesIn(const QString& folder)
{
    QStringList result;
    for (const FileToCopy& file : FilesToCopy(folder))
        result << QDir::fromNativeSeparators(file.relative);
    return result;
}

} // namespace

// Checking a chosen store file and copying the data folders, without the dialogs.
class StoreBackupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestSupport::resetDatabases(); }
    void checkStoreFile_data();
    void checkStoreFile();
    void filesToCopySkipsOnlyStoreJournals();
    void storeIsCopiedWithWritesStillInItsLog();
    void backupOfSampleStoresIsSelectedAndSoldOn();
    void failuresAndCancel_data();
    void failuresAndCancel();

private:
    QTemporaryDir m_dir;
};

void StoreBackupTest::checkStoreFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<StoreCheck>("result");
    QTest::newRow("inventory") << "inv.mercdb" << INVENTORY_DB_VERSION << StoreCheck::Valid;
    QTest::newRow("inventory as sales")
        << "inv.mercdb" << SALES_DB_VERSION << StoreCheck::WrongVersion;
    QTest::newRow("damaged sales") << "bad.mercdb" << SALES_DB_VERSION << StoreCheck::Damaged;
    QTest::newRow("missing") << "none.mercdb" << SALES_DB_VERSION << StoreCheck::WrongVersion;
}

void StoreBackupTest::checkStoreFile()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QFETCH(StoreCheck, result);
    if (!QFile::exists(m_dir.filePath(QStringLiteral("bad.mercdb")))) {
        QVERIFY(StoreBuilder(StoreBuilder::Kind::Inventory, m_dir.filePath("inv.mercdb")).isOk());
        QVERIFY(TestSupport::buildDamagedStore(StoreBuilder::Kind::Sales,
                                               m_dir.filePath(QStringLiteral("bad.mercdb"))));
    }
    QCOMPARE(CheckStoreFile(m_dir.filePath(file), expected), result);
}

void StoreBackupTest::filesToCopySkipsOnlyStoreJournals()
{
    const QString root = m_dir.filePath(QStringLiteral("journals"));
    for (const char* name : {"a.mercdb", "a.mercdb-journal", "a.mercdb-wal", "a.mercdb-shm",
                             "notes.txt-wal", "images/deep/b.mercdb", "images/deep/b.mercdb-shm"})
        QVERIFY(writeFile(root + QLatin1Char('/') + QLatin1String(name), "x"));
    QCOMPARE(filesIn(root), (QStringList{"a.mercdb", "images/deep/b.mercdb", "notes.txt-wal"}));
}

// An open store whose last sale is only in its write-ahead log: a copy of the file alone would
// lose the sale, the copy through SQLite has it.
void StoreBackupTest::storeIsCopiedWithWritesStillInItsLog()
{
    const QString source = m_dir.filePath(QStringLiteral("open.mercdb"));
    const QString target = m_dir.filePath(QStringLiteral("copy/open.mercdb"));
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
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("SELECT COUNT(*) FROM tblSalesTransactions")) &&
            query.next())
            sales = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    QCOMPARE(sales, 1);
}

// The sample stores, the sales one open, are backed up; the copies are selected as the dialog
// does and a sale is stored in the copied sales store.
void StoreBackupTest::backupOfSampleStoresIsSelectedAndSoldOn()
{
    CDBManager* manager = CDBManager::GetInstance();
    manager->CreateSampleInventoryDB();
    manager->CreateSampleSalesDB();
    QVERIFY(manager->GetSalesDataBase().isOpen());
    const QString destination = m_dir.filePath(QStringLiteral("backup"));
    QCOMPARE(CopyFolder(CDBManager::SampleFolderPath(), destination, {}), Outcome::Completed);

    QSettings* settings = Utility::GetInstance()->GetSettings();
    const QString salesFile =
        destination + QLatin1Char('/') +
        settings->value(QString::fromLatin1(SettingKey::ACTIVE_SALES_DB)).toString();
    QCOMPARE(CheckStoreFile(salesFile, QString::fromLatin1(SALES_DB_VERSION)), StoreCheck::Valid);
    settings->setValue(QString::fromLatin1(SettingKey::INVENTORY_DATA_FOLDER_PATH), destination);
    settings->setValue(QString::fromLatin1(SettingKey::SALES_DATA_FOLDER_PATH), destination);
    manager->CloseInventoryDataBase();
    manager->CloseSalesDataBase();
    manager->GetInventoryDataBase();
    QVERIFY(manager->IsInventoryConnected());
    QSqlDatabase& sales = manager->GetSalesDataBase();
    QVERIFY(manager->IsSalesConnected());

    SaleRecord sale;
    sale.userId = QStringLiteral("admin");
    sale.customer = QStringLiteral("NOT SELECTED");
    sale.timeStamp = QDateTime::currentDateTime();
    sale.grandTotal = sale.paid = Money::FromCents(250);
    SaleLineRecord line;
    line.productName = QStringLiteral("Cola");
    line.quantity = 1;
    line.salePrice = line.subTotal = Money::FromCents(250);
    sale.lines << line;
    const StoredSale stored = StoreSale(sales, sale);
    QVERIFY(stored.Ok());
    QSqlQuery query(sales);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM tblSalesInvoice WHERE TRANSACTION_ID = ?"));
    query.addBindValue(stored.id);
    QVERIFY(query.exec() && query.next());
    QCOMPARE(query.value(0).toInt(), 1);
    QVERIFY(sales.databaseName().contains(destination));
}

void StoreBackupTest::failuresAndCancel_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("cancelAt"); // the file number at which the progress says stop
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("copied"); // of b.txt, c.txt and s.mercdb

    QTest::newRow("yes") << Answer::Skip << 0 << Outcome::Completed
                         << QStringList{"a.txt", "s.mercdb"} << QStringList{"b.txt", "c.txt"};
    QTest::newRow("yes to all") << Answer::SkipAll << 0 << Outcome::Completed
                                << QStringList{"a.txt"} << QStringList{"b.txt", "c.txt"};
    QTest::newRow("abort") << Answer::Abort << 0 << Outcome::Aborted << QStringList{"a.txt"}
                           << QStringList{};
    QTest::newRow("cancel at third")
        << Answer::Skip << 3 << Outcome::Cancelled << QStringList{"a.txt"} << QStringList{"b.txt"};
}

// a.txt and s.mercdb exist in the destination already and are never overwritten.
void StoreBackupTest::failuresAndCancel()
{
    QFETCH(Answer, answer);
    QFETCH(int, cancelAt);
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, copied);

    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("data"));
    const QString destination = dir.filePath(QStringLiteral("backup"));
    QVERIFY(QDir().mkpath(source));
    QVERIFY(StoreBuilder(StoreBuilder::Kind::Sales, source + QStringLiteral("/s.mercdb")).isOk());
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        QVERIFY(writeFile(source + QLatin1Char('/') + QLatin1String(name), "new"));
    for (const char* name : {"a.txt", "s.mercdb"})
        QVERIFY(writeFile(destination + QLatin1Char('/') + QLatin1String(name), "mine"));

    QStringList questions;
    CopyCallbacks callbacks;
    callbacks.progress = [cancelAt](int number, int) {
        return number != cancelAt;
    };
    callbacks.failed = [&](const QString& from, const QString&) {
        questions << QFileInfo(from).fileName();
        return answer;
    };
    QCOMPARE(CopyFolder(source, destination, callbacks), outcome);
    QCOMPARE(questions, asked);
    copied << QStringLiteral("a.txt") << QStringLiteral("s.mercdb");
    copied.sort();
    QCOMPARE(QDir(destination).entryList(QDir::Files), copied);
    for (const char* name : {"/a.txt", "/s.mercdb"}) {
        QFile kept(destination + QLatin1String(name));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("mine"));
    }
}

MERCHORA_TEST_GUILESS_MAIN(StoreBackupTest)
#include "tst_storebackup.moc"
