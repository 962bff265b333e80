// A till killed at random moments loses no unit of stock and stores no sale twice or in part.
//
// A child process (this executable with a helper argument) rings up sales through the pending
// sales store on the program's own connections: entries (some returned, some in sub-items),
// voids, holds, recalls and payments, for ever. The parent kills it with SIGKILL after a random
// delay, opens the same files as the program does, pays or voids whatever is pending, and runs
// the next child. At the end the stock of every batch is its starting stock minus the units of
// the stored sales, and every stored sale is there once with all its lines.
//
// 10 kills by default; MERCHORA_CRASH_KILLS=50 (environment) for the full run, and
// MERCHORA_CRASH_SEED=N to repeat a run whose seed a failure printed.

#include "storebuilder.h"
#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/pendingsales.h"
#include "core/utility.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSettings>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>

#include <cstdio>

namespace {

const char CHILD_ARGUMENT[] = "--ring-up-sales";
const int BATCHES = 6;
const qint64 START_UNITS = 100000;

int ItemsPerUnit(int batch)
{
    return batch % 2 == 0 ? 1 : 10;
}

QString CustomerText(const QString& tag, int lines)
{
    return QStringLiteral("%1 lines %2").arg(tag).arg(lines);
}

// One line of the batch priced as the till prices it.
PendingLine PricedLine(const QSqlDatabase& inventory, qint64 batch, int units, int subItems,
                       bool returned, StockWrite* write)
{
    QSqlQuery query(inventory);
    query.prepare(QStringLiteral(
        "SELECT i.QUANTITY, i.SUB_ITEMS, p.ITEMS_PER_UNIT, i.SALE_PRICE, i.PURCHASE_PRICE, p.NAME "
        "FROM tblInventory AS i JOIN tblProducts AS p ON p.ID = i.PRODUCT_ID WHERE i.ID = ?"));
    query.addBindValue(batch);
    PendingLine line;
    if (!query.exec() || !query.next())
        return line;
    StockRequest request{query.value(0).toLongLong(),
                         query.value(1).toLongLong(),
                         query.value(2).toLongLong(),
                         units,
                         subItems,
                         returned};
    const StockOutcome stock = CheckStock(request);
    SaleLineInput input;
    input.salePrice = StoredPriceText(query.value(3));
    input.purchasePrice = StoredPriceText(query.value(4));
    input.itemsPerUnit = request.itemsPerUnit;
    input.items = units;
    input.subItems = subItems;
    input.returnMode = returned;
    const SaleLinePrice price = PriceSaleLine(input);
    if (!stock.refusal.isEmpty() || !price.valid)
        return line;
    *write =
        StockWrite{batch, request.quantity, request.subItems, stock.newQuantity, stock.newSubItems};
    line.batchId = batch;
    line.returned = returned;
    line.SetTexts(QStringList{QStringLiteral("0"), query.value(5).toString(),
                              QString::number(units), QString::number(subItems), input.salePrice,
                              price.discountText, price.lineTotalText, input.purchasePrice,
                              price.purchaseTotalText});
    line.taxUnits = price.taxUnits;
    return line;
}

SaleRecord Header(const QString& customer, const PendingSale& pending)
{
    const Money total = pending.Sums().GrandTotal();
    SaleRecord sale;
    sale.lines = SaleLinesOf(pending.lines);
    sale.userId = QStringLiteral("cashier");
    sale.customer = customer;
    sale.timeStamp = QDateTime::currentDateTime();
    sale.grandTotal = total;
    sale.paid = total;
    return sale;
}

// The child: sales for ever, as a cashier at a busy till would ring them up.
int RingUpSales(const QStringList& arguments)
{
    const quint32 seed = arguments.value(0).toUInt();
    QRandomGenerator random(seed);
    CDBManager* manager = CDBManager::GetInstance();
    const QSqlDatabase inventory = manager->GetInventoryDataBase();
    if (!inventory.isOpen() || !manager->CheckSalesDataBase())
        return 2;
    PendingSales store(inventory);
    std::printf("ready\n");
    std::fflush(stdout);

    for (int number = 1;; ++number) {
        qint64 sale = -1;
        QList<qint64> lines;
        const int actions = 1 + int(random.bounded(8));
        for (int action = 0; action < actions; ++action) {
            const quint32 roll = random.bounded(100);
            if (roll < 15 && !lines.isEmpty()) {
                const int position = int(random.bounded(quint32(lines.size())));
                if (store.VoidLine(lines.at(position), position, QStringLiteral("cashier"))
                        .isEmpty())
                    lines.removeAt(position);
            } else if (roll < 20 && !lines.isEmpty()) {
                if (!store.Park(sale))
                    return 3;
                sale = -1;
                lines.clear();
            } else if (roll < 25) {
                const QList<PendingSale> held = store.Held();
                if (held.isEmpty())
                    continue;
                if (!lines.isEmpty() && !store.Park(sale))
                    return 3;
                if (!store.Unpark(held.first().id))
                    return 3;
                store.DropIfEmpty(sale);
                sale = held.first().id;
                lines.clear();
                for (const PendingLine& line : held.first().lines)
                    lines << line.id;
            } else {
                const int batch = 1 + int(random.bounded(quint32(BATCHES)));
                const int subItems = ItemsPerUnit(batch) > 1 ? int(random.bounded(25)) : 0;
                StockWrite write;
                PendingLine line = PricedLine(inventory, batch, int(random.bounded(4)), subItems,
                                              random.bounded(100) < 15, &write);
                if (line.batchId < 0)
                    continue;
                if (!store.Enter(&sale, QStringLiteral("cashier"), QString(), write, &line))
                    return 4;
                lines << line.id;
            }
        }
        if (lines.isEmpty()) {
            store.DropIfEmpty(sale);
            continue;
        }
        const PendingSale pending = store.Load(sale);
        const QString tag = QStringLiteral("child %1-%2").arg(seed).arg(number);
        if (!store
                 .Pay(sale, Header(CustomerText(tag, lines.size()), pending),
                      CDBManager::SalesDataBasePath())
                 .Ok())
            return 5;
    }
}

} // namespace

class PendingCrashTest : public QObject
{
    Q_OBJECT

    QString m_inventoryPath;
    QString m_salesPath;

    static void closeStores()
    {
        CDBManager::GetInstance()->CloseInventoryDataBase();
        CDBManager::GetInstance()->CloseSalesDataBase();
    }

    // What the till does when it opens after a crash: each pending sale is resumed and paid, or
    // voided, alternately.
    static void recover(int round)
    {
        CDBManager* manager = CDBManager::GetInstance();
        QVERIFY(manager->GetInventoryDataBase().isOpen());
        QVERIFY(manager->CheckSalesDataBase());
        PendingSales store(manager->GetInventoryDataBase());
        const QList<PendingSale> pending = store.OnTill() + store.Held();
        for (int i = 0; i < pending.size(); ++i) {
            const PendingSale& sale = pending.at(i);
            if ((round + i) % 2 == 0) {
                QCOMPARE(store.VoidSale(sale.id, QStringLiteral("supervisor")), QString());
                continue;
            }
            const QString tag = QStringLiteral("resumed %1-%2").arg(round).arg(i);
            const SaleRecord header = Header(CustomerText(tag, sale.lines.size()), sale);
            QVERIFY(store.Pay(sale.id, header, CDBManager::SalesDataBasePath()).Ok());
        }
        QVERIFY(store.OnTill().isEmpty() && store.Held().isEmpty());
    }

    static QList<QVariantList> rows(const QSqlDatabase& db, const QString& sql)
    {
        QList<QVariantList> result;
        QSqlQuery query(db);
        if (!query.exec(sql))
            return result;
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << query.value(i);
            result << row;
        }
        return result;
    }

private Q_SLOTS:
    void initTestCase()
    {
        TestSupport::resetSettings();
        m_inventoryPath = QDir::homePath() + QStringLiteral("/crash-inventory.mercdb");
        m_salesPath = QDir::homePath() + QStringLiteral("/crash-sales.mercdb");
        TestSupport::StoreBuilder inventory(TestSupport::StoreBuilder::Kind::Inventory,
                                            m_inventoryPath);
        TestSupport::StoreBuilder sales(TestSupport::StoreBuilder::Kind::Sales, m_salesPath);
        QVERIFY(inventory.isOk() && sales.isOk());
        const qint64 category = inventory.addCategory(QStringLiteral("Goods"));
        const qint64 vendor = inventory.addVendor(QStringLiteral("Vendor"));
        // Batch i is product i, named after it, so that a stored line names its batch.
        for (int batch = 1; batch <= BATCHES; ++batch) {
            const qint64 product = inventory.addProduct(
                category, QString::number(batch), QStringLiteral("Item %1").arg(batch),
                ItemsPerUnit(batch), batch % 3 == 0 ? 8.5 : 0.0);
            QCOMPARE(inventory.addBatch(product, vendor, QStringLiteral("B%1").arg(batch),
                                        int(START_UNITS), 1.25 * batch, 0.75 * batch),
                     qint64(batch));
        }
        inventory.activate();
        sales.activate();
        Utility::GetInstance()->GetSettings()->sync();
    }

    void killedAtRandomMomentsLosesNoStock()
    {
        const int kills = qEnvironmentVariableIsSet("MERCHORA_CRASH_KILLS")
                              ? qEnvironmentVariableIntValue("MERCHORA_CRASH_KILLS")
                              : 10;
        const quint32 seed = qEnvironmentVariableIsSet("MERCHORA_CRASH_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("MERCHORA_CRASH_SEED"))
                                 : QRandomGenerator::global()->generate() % 1000000;
        qInfo("%d kills, MERCHORA_CRASH_SEED=%u", kills, seed);
        QRandomGenerator random(seed);

        int midWrite = 0; // kills that left a journal behind: in the middle of a transaction
        for (int round = 0; round < kills; ++round) {
            closeStores();
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(),
                        {QString::fromLatin1(CHILD_ARGUMENT), QString::number(seed + round)});
            QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
            QByteArray said;
            while (!said.contains('\n') && child.state() == QProcess::Running &&
                   child.waitForReadyRead(30000))
                said += child.readAllStandardOutput();
            QVERIFY2(said.startsWith("ready"), said.constData());
            QThread::msleep(20 + random.bounded(400));
            QVERIFY2(
                child.state() == QProcess::Running,
                qPrintable(
                    QStringLiteral("the child stopped by itself with %1").arg(child.exitCode())));
            child.kill();
            QVERIFY(child.waitForFinished(30000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
            for (const QString& file : {m_inventoryPath, m_salesPath})
                midWrite += QFileInfo(file + QStringLiteral("-journal")).size() > 0 ? 1 : 0;

            recover(round);
            if (QTest::currentTestFailed())
                return;
        }

        checkStoredSalesAndStock(kills);
        qInfo("%d journals left by the kills", midWrite);
        closeStores();
    }

private:
    void checkStoredSalesAndStock(int kills)
    {
        // Every stored sale once, with the lines it was paid with, numbered from 0.
        const QSqlDatabase sales = CDBManager::GetInstance()->GetSalesDataBase();
        QSet<QString> customers;
        const QList<QVariantList> stored = rows(
            sales, QStringLiteral("SELECT s.ID, s.CUSTOMER_ID, COUNT(l.ID), MIN(l.ITEM_INDEX), "
                                  "MAX(l.ITEM_INDEX) FROM tblSalesTransactions AS s LEFT JOIN "
                                  "tblSalesInvoice AS l ON l.TRANSACTION_ID = s.ID GROUP BY s.ID"));
        QVERIFY(stored.size() > kills);
        qInfo("%d sales stored", int(stored.size()));
        for (const QVariantList& sale : stored) {
            const QString customer = sale.at(1).toString();
            QVERIFY2(!customers.contains(customer), qPrintable(customer + " stored twice"));
            customers << customer;
            const int lines = sale.at(2).toInt();
            QCOMPARE(customer.section(QLatin1Char(' '), -1).toInt(), lines);
            QCOMPARE(sale.at(3).toInt(), 0);
            QCOMPARE(sale.at(4).toInt(), lines - 1);
        }

        // Stock of every batch = start - sold + returned, in sub-items.
        QHash<QString, qint64> moved;
        for (const QVariantList& line :
             rows(sales, QStringLiteral("SELECT PRODUCT_NAME, QUANTITY, SUB_ITEMS, SUB_TOTAL FROM "
                                        "tblSalesInvoice"))) {
            const int batch = line.at(0).toString().section(QLatin1Char(' '), 1).toInt();
            const qint64 subItems =
                line.at(1).toLongLong() * ItemsPerUnit(batch) + line.at(2).toLongLong();
            moved[line.at(0).toString()] += line.at(3).toDouble() < 0 ? -subItems : subItems;
        }
        const QSqlDatabase inventory = CDBManager::GetInstance()->GetInventoryDataBase();
        for (const QVariantList& batch :
             rows(inventory, QStringLiteral("SELECT p.NAME, p.ITEMS_PER_UNIT, i.QUANTITY, "
                                            "i.SUB_ITEMS FROM tblInventory AS i JOIN tblProducts "
                                            "AS p ON p.ID = i.PRODUCT_ID"))) {
            const QString name = batch.at(0).toString();
            const qint64 u = batch.at(1).toLongLong();
            QCOMPARE(batch.at(2).toLongLong() * u + batch.at(3).toLongLong(),
                     START_UNITS * u - moved.value(name));
        }
        QCOMPARE(rows(inventory, QStringLiteral("SELECT COUNT(*) FROM tblPendingLines"))
                     .value(0)
                     .value(0)
                     .toInt(),
                 0);
    }
};

MERCHORA_TEST_GUILESS_MAIN_WITH_CHILD(PendingCrashTest, CHILD_ARGUMENT, RingUpSales)
#include "tst_pendingcrash.moc"
