// A till killed at random moments loses no unit of stock and stores no sale twice or in part.
// A child process (this executable with a helper argument) rings up sales for ever through the
// pending sales store: entries (some returned, some in sub-items), voids, holds, recalls and
// payments. The parent kills it after a random delay, pays or voids whatever is pending as the
// till does when it opens, and runs the next child. 10 kills by default; MERCHORA_CRASH_KILLS=50
// for the full run, MERCHORA_CRASH_SEED=N to repeat the run whose seed a failure printed.

#include "storebuilder.h"
#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/pendingsales.h"
#include "core/utility.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSettings>
#include <QSqlQuery>
#include <QThread>

#include <cstdio>

using TestSupport::queryRows;

namespace {

const char CHILD_ARGUMENT[] = "--ring-up-sales";
const int BATCHES = 6;
const qint64 START_UNITS = 100000;

int ItemsPerUnit(int batch)
{
    return batch % 2 == 0 ? 1 : 10;
}

// The line and its stock write as the till makes them; no batch when the stock refuses it. A
// sub-item costs 0.10, so that a returned line's total is below zero.
PendingLine MakeLine(const QSqlDatabase& inventory, int batch, int units, int subItems,
                     bool returned, StockWrite* write)
{
    const QStringList read =
        queryRows(inventory, "SELECT QUANTITY, SUB_ITEMS FROM tblInventory WHERE ID = ?", {batch})
            .value(0)
            .split('|');
    const qint64 quantity = read.value(0).toLongLong(), had = read.value(1).toLongLong();
    const StockOutcome stock =
        CheckStock({quantity, had, ItemsPerUnit(batch), units, subItems, returned});
    PendingLine line;
    if (!stock.refusal.isEmpty())
        return line;
    *write = {batch, quantity, had, stock.newQuantity, stock.newSubItems};
    const qint64 cents = (units * ItemsPerUnit(batch) + subItems) * (returned ? -10 : 10);
    const QString total = Money::FromCents(cents).ToString();
    line.batchId = batch;
    line.returned = returned;
    line.SetTexts({"0", QStringLiteral("Item %1").arg(batch), QString::number(units),
                   QString::number(subItems), "1.00", "0.00", total, "0.50", total});
    return line;
}

// The sale paid in full; its customer names it and the number of lines it is paid with.
SaleRecord Header(const QString& tag, int lines, const PendingSale& pending)
{
    const Money total = pending.Sums().GrandTotal();
    SaleRecord sale;
    sale.lines = SaleLinesOf(pending.lines);
    sale.userId = "cashier";
    sale.customer = QStringLiteral("%1 lines %2").arg(tag).arg(lines);
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
                if (store.VoidLine(lines.at(position), position, "cashier").isEmpty())
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
                if ((!lines.isEmpty() && !store.Park(sale)) || !store.Unpark(held.first().id))
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
                PendingLine line = MakeLine(inventory, batch, int(random.bounded(4)), subItems,
                                            random.bounded(100) < 15, &write);
                if (line.batchId < 0)
                    continue;
                if (!store.Enter(&sale, "cashier", QString(), write, &line))
                    return 4;
                lines << line.id;
            }
        }
        if (lines.isEmpty()) {
            store.DropIfEmpty(sale);
            continue;
        }
        const QString tag = QStringLiteral("child %1-%2").arg(seed).arg(number);
        const SaleRecord header = Header(tag, lines.size(), store.Load(sale));
        if (!store.Pay(sale, header, CDBManager::SalesDataBasePath()).Ok())
            return 5;
    }
}

} // namespace

class PendingCrashTest : public QObject
{
    Q_OBJECT

    QString m_inventoryPath;
    QString m_salesPath;

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
                QCOMPARE(store.VoidSale(sale.id, "supervisor"), QString());
                continue;
            }
            const QString tag = QStringLiteral("resumed %1-%2").arg(round).arg(i);
            const SaleRecord header = Header(tag, sale.lines.size(), sale);
            QVERIFY(store.Pay(sale.id, header, CDBManager::SalesDataBasePath()).Ok());
        }
        QVERIFY(store.OnTill().isEmpty() && store.Held().isEmpty());
    }

private Q_SLOTS:
    void initTestCase()
    {
        TestSupport::resetSettings();
        m_inventoryPath = QDir::homePath() + "/crash-inventory.mercdb";
        m_salesPath = QDir::homePath() + "/crash-sales.mercdb";
        TestSupport::StoreBuilder inventory(TestSupport::StoreBuilder::Kind::Inventory,
                                            m_inventoryPath);
        TestSupport::StoreBuilder sales(TestSupport::StoreBuilder::Kind::Sales, m_salesPath);
        QVERIFY(inventory.isOk() && sales.isOk());
        const qint64 category = inventory.addCategory("Goods");
        const qint64 vendor = inventory.addVendor("Vendor");
        // Batch i is product i, named after it, so that a stored line names its batch.
        for (int batch = 1; batch <= BATCHES; ++batch) {
            const QString name = QStringLiteral("Item %1").arg(batch);
            const qint64 product = inventory.addProduct(category, name, name, ItemsPerUnit(batch));
            QCOMPARE(inventory.addBatch(product, vendor, name, int(START_UNITS), 1, 1),
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
            TestSupport::resetDatabases();
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
        TestSupport::resetDatabases();
    }

private:
    void checkStoredSalesAndStock(int kills)
    {
        // Every stored sale once, with the lines it was paid with, numbered from 0.
        const QSqlDatabase sales = CDBManager::GetInstance()->GetSalesDataBase();
        const QStringList stored =
            queryRows(sales, "SELECT s.CUSTOMER_ID, COUNT(l.ID), MIN(l.ITEM_INDEX), "
                             "MAX(l.ITEM_INDEX) FROM tblSalesTransactions AS s LEFT JOIN "
                             "tblSalesInvoice AS l ON l.TRANSACTION_ID = s.ID GROUP BY s.ID");
        QVERIFY(stored.size() > kills);
        qInfo("%d sales stored", int(stored.size()));
        QSet<QString> customers;
        for (const QString& sale : stored) {
            const QString customer = sale.section('|', 0, 0);
            QVERIFY2(!customers.contains(customer), qPrintable(customer + " stored twice"));
            customers << customer;
            const int lines = customer.section(' ', -1).toInt();
            QCOMPARE(sale.section('|', 1), QStringLiteral("%1|0|%2").arg(lines).arg(lines - 1));
        }

        // Stock of every batch = start - sold + returned, in sub-items.
        const QSqlDatabase inventory = CDBManager::GetInstance()->GetInventoryDataBase();
        for (int batch = 1; batch <= BATCHES; ++batch) {
            const qint64 moved =
                queryRows(sales,
                          "SELECT SUM((QUANTITY * ? + SUB_ITEMS) * (CASE WHEN SUB_TOTAL < 0 THEN "
                          "-1 ELSE 1 END)) FROM tblSalesInvoice WHERE PRODUCT_NAME = ?",
                          {ItemsPerUnit(batch), QStringLiteral("Item %1").arg(batch)})
                    .value(0)
                    .toLongLong();
            QCOMPARE(queryRows(inventory,
                               "SELECT QUANTITY * ? + SUB_ITEMS FROM tblInventory WHERE ID = ?",
                               {ItemsPerUnit(batch), batch}),
                     QStringList{QString::number(START_UNITS * ItemsPerUnit(batch) - moved)});
        }
        QCOMPARE(queryRows(inventory, "SELECT COUNT(*) FROM tblPendingLines"), QStringList{"0"});
    }
};

MERCHORA_TEST_GUILESS_MAIN_WITH_CHILD(PendingCrashTest, CHILD_ARGUMENT, RingUpSales)
#include "tst_pendingcrash.moc"
