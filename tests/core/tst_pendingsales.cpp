#include "storebuilder.h"
#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/pendingsales.h"
#include "core/utility.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

#include <memory>

using TestSupport::queryRows;
using TestSupport::StoreBuilder;

// The till's unpaid sales without the till: an entry's stock and its line, voids with their
// audit, held sales, and the payment that stores the sale and clears its records in one commit.
class PendingSalesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PendingSales> m_store;
    qint64 m_tea = -1;  // 1 sub-item per unit, 5 units
    qint64 m_eggs = -1; // 10 sub-items per unit, 2 units

    QString path(const QString& name) const { return QDir::homePath() + '/' + name; }

    static QSqlDatabase inventory() { return CDBManager::GetInstance()->GetInventoryDataBase(); }
    static QSqlDatabase sales() { return CDBManager::GetInstance()->GetSalesDataBase(); }
    static qint64 count(const QSqlDatabase& db, const QString& table)
    {
        return queryRows(db, "SELECT COUNT(*) FROM " + table).value(0).toLongLong();
    }
    static bool attached()
    {
        return queryRows(inventory(), "PRAGMA database_list").join(',').contains("|sales|");
    }
    // Runs the statement on the file through a connection of its own, the only one open.
    static bool execAlone(const QString& file, const QString& sql)
    {
        TestSupport::resetDatabases();
        bool done = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "alone");
            db.setDatabaseName(file);
            done = db.open() && QSqlQuery(db).exec(sql);
            db.close();
        }
        QSqlDatabase::removeDatabase("alone");
        return done;
    }
    QString stock(qint64 batch) const
    {
        return queryRows(inventory(), "SELECT QUANTITY, SUB_ITEMS FROM tblInventory WHERE ID = ?",
                         {batch})
            .value(0);
    }
    // Enters n units and k sub-items of the batch as the till does; the line costs 1.00 a unit.
    bool enter(qint64* sale, qint64 batch, int n, int k = 0, bool returned = false)
    {
        const QStringList read = stock(batch).split('|');
        const StockRequest request{read.value(0).toLongLong(),
                                   read.value(1).toLongLong(),
                                   batch == m_eggs ? 10 : 1,
                                   n,
                                   k,
                                   returned};
        const StockOutcome outcome = CheckStock(request);
        const QString total = Money::FromCents((returned ? -100 : 100) * n).ToString();
        PendingLine line;
        line.batchId = batch;
        line.returned = returned;
        line.SetTexts(QStringList{"0", batch == m_eggs ? "Eggs" : "Tea", QString::number(n),
                                  QString::number(k), "1", "0.00", total, "0.5", total});
        line.taxUnits = 7;
        const StockWrite write{batch, request.quantity, request.subItems, outcome.newQuantity,
                               outcome.newSubItems};
        return outcome.refusal.isEmpty() && m_store->Enter(sale, "maria", QString(), write, &line);
    }
    qint64 lineId(qint64 sale, int position) const
    {
        return queryRows(inventory(),
                         "SELECT ID FROM tblPendingLines WHERE PENDING_SALE_ID = ? ORDER BY ID",
                         {sale})
            .value(position)
            .toLongLong();
    }
    // The sale as the till pays it: its lines as they are pending.
    SaleRecord header(qint64 pending) const
    {
        SaleRecord sale;
        sale.lines = SaleLinesOf(m_store->Load(pending).lines);
        sale.userId = "maria";
        sale.customer = "NOT SELECTED";
        sale.timeStamp = QDateTime::currentDateTime();
        sale.paid = Money::FromCents(1000);
        return sale;
    }

private Q_SLOTS:
    void init()
    {
        TestSupport::resetSettings();
        TestSupport::resetDatabases();
        QFile::remove(path("pending-inventory.mercdb"));
        QFile::remove(path("pending-sales.mercdb"));
        {
            StoreBuilder store(StoreBuilder::Kind::Inventory, path("pending-inventory.mercdb"));
            StoreBuilder salesStore(StoreBuilder::Kind::Sales, path("pending-sales.mercdb"));
            QVERIFY(store.isOk() && salesStore.isOk());
            const qint64 food = store.addCategory("Food");
            const qint64 vendor = store.addVendor("Wholesale Ltd");
            m_tea =
                store.addBatch(store.addProduct(food, "P1", "Tea", 1), vendor, "1001", 5, 1, 0.5);
            m_eggs =
                store.addBatch(store.addProduct(food, "P2", "Eggs", 10), vendor, "2002", 2, 1, 0.5);
            store.activate();
            salesStore.activate();
        }
        m_store.reset(new PendingSales(inventory()));
        QVERIFY(m_store->IsOpen());
    }
    void cleanup()
    {
        m_store.reset();
        TestSupport::resetDatabases();
    }

    // A second line of a sale (after 1 Tea): its stock and stored line, then its void, which
    // gives the stock back and leaves an audit row. Stock as "QUANTITY|SUB_ITEMS".
    void entryAndVoidMoveTheSameStock_data()
    {
        QTest::addColumn<bool>("eggs");
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("subItems");
        QTest::addColumn<bool>("returned");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("voided");
        QTest::newRow("whole units") << false << 2 << 0 << false << "2|0"
                                     << "4|0";
        QTest::newRow("units and sub-items") << true << 1 << 5 << false << "0|5"
                                             << "2|0";
        QTest::newRow("last sub-item") << true << 2 << 0 << false << "0|0"
                                       << "2|0";
        QTest::newRow("returned") << true << 0 << 15 << true << "3|5"
                                  << "2|0";
    }
    void entryAndVoidMoveTheSameStock()
    {
        QFETCH(bool, eggs);
        QFETCH(int, units);
        QFETCH(int, subItems);
        QFETCH(bool, returned);
        QFETCH(QString, entered);
        QFETCH(QString, voided);
        const qint64 batch = eggs ? m_eggs : m_tea;
        qint64 sale = -1;
        QVERIFY(enter(&sale, m_tea, 1));
        const qint64 first = sale;
        QVERIFY(first > 0 && enter(&sale, batch, units, subItems, returned));
        QCOMPARE(sale, first);
        QCOMPARE(stock(batch), entered);
        const QString total = Money::FromCents((returned ? -100 : 100) * units).ToString();
        const QString line = QStringLiteral("%1|%2|%3").arg(units).arg(subItems).arg(total);
        QCOMPARE(queryRows(inventory(),
                           "SELECT BATCH_ID, RETURNED, QUANTITY, SUB_ITEMS, SUB_TOTAL, TAX_UNITS "
                           "FROM tblPendingLines WHERE ID = ?",
                           {lineId(sale, 1)}),
                 QStringList{QStringLiteral("%1|%2|%3|7").arg(batch).arg(int(returned)).arg(line)});

        QCOMPARE(m_store->VoidLine(lineId(sale, 1), 1, "supervisor"), QString());
        QCOMPARE(stock(batch), voided);
        QCOMPARE(count(inventory(), "tblPendingLines"), 1);
        const QStringList audit = queryRows(inventory(), "SELECT PENDING_SALE_ID, ITEM_INDEX, "
                                                         "PRODUCT_NAME, QUANTITY, SUB_ITEMS, "
                                                         "SUB_TOTAL, USER_ID, TIME_STAMP FROM "
                                                         "tblPendingVoids");
        QCOMPARE(audit.size(), 1);
        QCOMPARE(audit.at(0).section('|', 0, 6), QStringLiteral("%1|1|%2|%3|%4|%5|supervisor")
                                                     .arg(sale)
                                                     .arg(eggs ? "Eggs" : "Tea")
                                                     .arg(units)
                                                     .arg(subItems)
                                                     .arg(total.toDouble()));
        const QDateTime when =
            QDateTime::fromString(audit.at(0).section('|', 7), "yyyy-MM-dd hh:mm:ss");
        QVERIFY(qAbs(when.secsTo(QDateTime::currentDateTime())) < 60);
    }

    void refusalsChangeNothing_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::newRow("stock changed since it was read") << "UPDATE tblInventory SET QUANTITY = 4";
        QTest::newRow("line cannot be written")
            << "CREATE TRIGGER refuse BEFORE INSERT ON tblPendingLines BEGIN SELECT RAISE(ABORT, "
               "'x'); END";
    }
    void refusalsChangeNothing()
    {
        QFETCH(QString, cause);
        // The stock is read before the cause strikes, as the till reads it before it writes.
        const QStringList read = stock(m_tea).split('|');
        QVERIFY(QSqlQuery(inventory()).exec(cause));
        const QString before = stock(m_tea);
        PendingLine line;
        line.batchId = m_tea;
        line.SetTexts(QStringList{"0", "Tea", "1", "0", "1", "0.00", "1.00", "0.5", "0.50"});
        qint64 sale = -1;
        QVERIFY(!m_store->Enter(&sale, "maria", QString(),
                                {m_tea, read.value(0).toLongLong(), 0, 4, 0}, &line));
        QCOMPARE(sale, qint64(-1));
        QCOMPARE(stock(m_tea), before);
        QCOMPARE(count(inventory(), "tblPendingSales"), 0);
        QCOMPARE(count(inventory(), "tblPendingLines"), 0);
    }

    void voidOfReturnedStockSoldSinceIsRefused()
    {
        qint64 sale = -1;
        QVERIFY(enter(&sale, m_eggs, 0, 15, true));
        QVERIFY(QSqlQuery(inventory()).exec("UPDATE tblInventory SET QUANTITY = 1, SUB_ITEMS = 0"));
        QCOMPARE(m_store->VoidLine(lineId(sale, 0), 0, "maria"),
                 QStringLiteral("The returned stock of this line has been sold since: it cannot "
                                "be voided."));
        QCOMPARE(stock(m_eggs), QStringLiteral("1|0"));
        QCOMPARE(count(inventory(), "tblPendingLines"), 1);
        QCOMPARE(count(inventory(), "tblPendingVoids"), 0);
    }

    // Held and on-till sales are listed apart; an emptied sale is dropped; a whole sale voided.
    void heldAndOnTill()
    {
        qint64 held = -1;
        QVERIFY(enter(&held, m_tea, 1));
        QVERIFY(enter(&held, m_eggs, 0, 3));
        QVERIFY(m_store->Park(held));
        qint64 onTill = -1;
        QVERIFY(enter(&onTill, m_tea, 2));
        qint64 emptied = -1;
        QVERIFY(enter(&emptied, m_tea, 1));
        QCOMPARE(m_store->VoidLine(lineId(emptied, 0), 0, "maria"), QString());

        // The emptied sale holds no stock: dropped, its audit row kept.
        QList<PendingSale> till = m_store->OnTill();
        QCOMPARE(till.size(), 1);
        QCOMPARE(till.at(0).id, onTill);
        QVERIFY(till.at(0).parked.isNull());
        QCOMPARE(m_store->Load(emptied).id, qint64(-1));
        QCOMPARE(count(inventory(), "tblPendingVoids"), 1);

        const QList<PendingSale> list = m_store->Held();
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.at(0).id, held);
        QVERIFY(qAbs(list.at(0).parked.secsTo(QDateTime::currentDateTime())) < 60);
        QCOMPARE(list.at(0).lines.size(), 2);
        QCOMPARE(list.at(0).lines.at(1).texts.value(0), QStringLiteral("1"));
        QCOMPARE(list.at(0).lines.at(1).texts.value(1), QStringLiteral("Eggs"));
        // 1.00 + 0.00 and the exact tax of both lines (14 millionths of a cent, rounded).
        QCOMPARE(list.at(0).Sums().GrandTotal(), Money::FromCents(100));
        QCOMPARE(list.at(0).Sums().taxUnits, qint64(14));

        QVERIFY(m_store->Unpark(held));
        QVERIFY(m_store->SetCustomer(held, "3"));
        till = m_store->OnTill();
        QCOMPARE(till.size(), 2);
        QCOMPARE(till.at(0).id, held > onTill ? held : onTill);
        QCOMPARE(m_store->Load(held).customerId, QStringLiteral("3"));
        QVERIFY(m_store->Held().isEmpty());

        // Voiding the whole sale gives all its stock back and records each of its lines.
        QCOMPARE(m_store->VoidSale(held, "maria"), QString());
        QCOMPARE(stock(m_tea), QStringLiteral("3|0"));
        QCOMPARE(stock(m_eggs), QStringLiteral("2|0"));
        QCOMPARE(m_store->Load(held).id, qint64(-1));
        QCOMPARE(count(inventory(), "tblPendingLines"), 1);
        QCOMPARE(queryRows(inventory(),
                           "SELECT ITEM_INDEX, PRODUCT_NAME FROM tblPendingVoids WHERE "
                           "PENDING_SALE_ID = ?",
                           {held}),
                 (QStringList{"0|Tea", "1|Eggs"}));
    }

    void paymentStoresSaleAndClearsRecords()
    {
        qint64 sale = -1;
        QVERIFY(enter(&sale, m_tea, 1));
        QVERIFY(enter(&sale, m_eggs, 1));
        QVERIFY(enter(&sale, m_tea, 2));
        QCOMPARE(m_store->VoidLine(lineId(sale, 1), 1, "supervisor"), QString());
        SaleRecord paid = header(sale);
        paid.grandTotal = Money::FromCents(300);
        const StoredSale stored = m_store->Pay(sale, paid, path("pending-sales.mercdb"));
        QVERIFY(stored.Ok());

        QCOMPARE(
            queryRows(sales(), "SELECT ID, USER_ID, GRAND_TOTAL, PAID FROM tblSalesTransactions"),
            QStringList{QStringLiteral("%1|maria|3|10").arg(stored.id)});
        QCOMPARE(queryRows(sales(), "SELECT TRANSACTION_ID, ITEM_INDEX, PRODUCT_NAME, QUANTITY, "
                                    "SUB_ITEMS, SUB_TOTAL, PURCHASE_SUB_TOTAL FROM tblSalesInvoice "
                                    "ORDER BY ID"),
                 (QStringList{QStringLiteral("%1|0|Tea|1|0|1|1").arg(stored.id),
                              QStringLiteral("%1|1|Tea|2|0|2|2").arg(stored.id)}));
        QCOMPARE(queryRows(sales(), "SELECT TRANSACTION_ID, ITEM_INDEX, PRODUCT_NAME, USER_ID FROM "
                                    "tblSalesVoids"),
                 QStringList{QStringLiteral("%1|1|Eggs|supervisor").arg(stored.id)});
        for (const char* table : {"tblPendingSales", "tblPendingLines", "tblPendingVoids"})
            QCOMPARE(count(inventory(), table), 0);
        QCOMPARE(stock(m_tea), QStringLiteral("2|0"));
        QCOMPARE(stock(m_eggs), QStringLiteral("2|0"));
        // The sales store stays attached for the next payment, and is let go with the store.
        QVERIFY(attached());
        m_store.reset();
        QVERIFY(!attached());
    }

    void failedPaymentChangesNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("salesCause");
        QTest::newRow("a line refused")
            << "pending-sales.mercdb"
            << "CREATE TRIGGER refuse BEFORE INSERT ON tblSalesInvoice WHEN NEW.ITEM_INDEX = 1 "
               "BEGIN SELECT RAISE(ABORT, 'x'); END";
        QTest::newRow("voids refused")
            << "pending-sales.mercdb"
            << "CREATE TRIGGER refuse BEFORE INSERT ON tblSalesVoids BEGIN SELECT RAISE(ABORT, "
               "'x'); END";
        QTest::newRow("write-ahead log") << "pending-sales.mercdb"
                                         << "PRAGMA journal_mode = WAL";
        QTest::newRow("file missing") << "gone.mercdb" << QString();
        QTest::newRow("a line short") << "pending-sales.mercdb"
                                      << "drop a line";
        QTest::newRow("not a sales store") << "pending-inventory.mercdb" << QString();
    }
    void failedPaymentChangesNothing()
    {
        QFETCH(QString, file);
        QFETCH(QString, salesCause);
        qint64 sale = -1;
        QVERIFY(enter(&sale, m_tea, 1));
        QVERIFY(enter(&sale, m_tea, 1));
        QCOMPARE(m_store->VoidLine(lineId(sale, 1), 1, "maria"), QString());
        QVERIFY(enter(&sale, m_eggs, 0, 4));
        SaleRecord paid = header(sale);
        if (salesCause == QLatin1String("drop a line")) {
            paid.lines.removeLast();
        } else if (!salesCause.isEmpty()) {
            // Alone on the file: the program's connection would take the journal back from WAL.
            m_store.reset();
            QVERIFY(execAlone(path("pending-sales.mercdb"), salesCause));
            m_store.reset(new PendingSales(inventory()));
        }

        const StoredSale stored = m_store->Pay(sale, paid, path(file));
        QVERIFY(!stored.Ok());
        QCOMPARE(m_store->Load(sale).lines.size(), 2);
        QCOMPARE(count(inventory(), "tblPendingVoids"), 1);
        QCOMPARE(stock(m_tea), QStringLiteral("4|0"));
        QVERIFY(!QFile::exists(path("gone.mercdb")));
        QVERIFY(!attached());
        for (const char* table : {"tblSalesTransactions", "tblSalesInvoice", "tblSalesVoids"})
            QCOMPARE(count(sales(), table), 0);
    }

    // A store made before the pending tables gets them when opened; its stamp stays.
    void olderStoresGetTheNewTables_data()
    {
        QTest::addColumn<bool>("inventory");
        QTest::addColumn<QString>("oldTables");
        QTest::newRow("inventory") << true << "tblPendingVoids,tblPendingLines,tblPendingSales";
        QTest::newRow("sales") << false << "tblSalesVoids";
    }
    void olderStoresGetTheNewTables()
    {
        QFETCH(bool, inventory);
        QFETCH(QString, oldTables);
        m_store.reset();
        const QString file = path(inventory ? "pending-inventory.mercdb" : "pending-sales.mercdb");
        for (const QString& table : oldTables.split(','))
            QVERIFY(execAlone(file, "DROP TABLE " + table));
        QVERIFY(execAlone(file, "PRAGMA journal_mode = WAL"));

        const QSqlDatabase db = inventory ? this->inventory() : sales();
        QVERIFY(db.isOpen());
        const QString stamp = inventory ? INVENTORY_DB_VERSION : SALES_DB_VERSION;
        QCOMPARE(queryRows(db, "SELECT DB_VERSION FROM tblMerchora"), QStringList{stamp});
        for (const QString& table : oldTables.split(','))
            QCOMPARE(queryRows(db, "SELECT COUNT(*) FROM sqlite_master WHERE name = ?", {table}),
                     QStringList{"1"});
        QCOMPARE(queryRows(db, "PRAGMA journal_mode"), QStringList{"delete"});

        // And the till works on it.
        m_store.reset(new PendingSales(this->inventory()));
        qint64 sale = -1;
        QVERIFY(enter(&sale, m_tea, 1));
        QVERIFY(m_store->Pay(sale, header(sale), path("pending-sales.mercdb")).Ok());
        QCOMPARE(count(sales(), "tblSalesInvoice"), 1);
    }
};

MERCHORA_TEST_GUILESS_MAIN(PendingSalesTest)
#include "tst_pendingsales.moc"
