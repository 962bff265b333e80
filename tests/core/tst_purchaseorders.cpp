#include "storebuilder.h"
#include "testenvironment.h"

#include "core/purchaseorders.h"

#include <QDir>

#include <memory>

using TestSupport::StoreBuilder;
using namespace PurchaseOrderStore;

Q_DECLARE_METATYPE(PurchaseOrderStore::ListSearch)

// Purchase orders without the editor: line and tax arithmetic in cents, the stored header and
// items, the order list's search and the export of an order into stock in one transaction.
class PurchaseOrdersTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StoreBuilder> m_store;
    QSqlDatabase m_db;
    qint64 m_category = -1;
    qint64 m_vendor = -1;
    int m_storeNumber = 0;

    PurchaseOrderHeader savedHeader(const QString& status = QStringLiteral("DRAFT"))
    {
        PurchaseOrderHeader header{{}, m_vendor, status, {2026, 3, 1}, {2026, 3, 9}, {},
                                   {}, {},       {}};
        if (!SaveHeader(m_db, &header))
            qWarning("header not saved");
        return header;
    }
    void addItem(const QString& orderId, const QString& code, const QString& name = "Tea")
    {
        const PurchaseOrderItem item{code, 12,    name,          0.125,    Money::FromCents(150),
                                     2.5,  "B-7", {2027, 5, 31}, "Shelf 3"};
        QVERIFY(AddItem(m_db, orderId, item));
    }
    QStringList rows(const QString& sql, const QVariantList& values = {})
    {
        return TestSupport::queryRows(m_db, sql, values);
    }

private Q_SLOTS:
    void init()
    {
        m_store = std::make_unique<StoreBuilder>(
            StoreBuilder::Kind::Inventory,
            QDir::homePath() + QStringLiteral("/orders%1.mercdb").arg(++m_storeNumber));
        QVERIFY(m_store->isOk());
        m_db = m_store->database();
        m_category = m_store->addCategory(QStringLiteral("Food"));
        m_vendor = m_store->addVendor(QStringLiteral("Acme"));
    }
    void cleanup()
    {
        m_db = QSqlDatabase();
        m_store.reset();
    }

    // A line added to an empty order and taken out again.
    void lineArithmetic_data()
    {
        QTest::addColumn<QString>("input");  // price|quantity|tax rate|tax on
        QTest::addColumn<QString>("totals"); // sub total (= line total), tax, total
        QTest::newRow("2.5 x 4 at 10 %") << QString("2.5|4|10|on") << "10.00 1.00 11.00";
        QTest::newRow("tax off") << QString("2.5|4|10|off") << "10.00 0.00 10.00";
        QTest::newRow("sub-cent price") << QString("0.125|1000|0|on") << "125.00 0.00 125.00";
        QTest::newRow("half cents up") << QString("1.005|1|8.5|on") << "1.01 0.09 1.10";
        QTest::newRow("negative") << QString("-1.005|1|8.5|on") << "-1.01 -0.09 -1.10";
        QTest::newRow("below half a cent") << QString("0.0049|1|10|on") << "0.00 0.00 0.00";
        QTest::newRow("blanks, exponent") << QString(" 1e3 | 2 |5|on") << "2000.00 100.00 2100.00";
        QTest::newRow("price junk") << QString("2,5|4|10|on") << "0.00 0.00 0.00";
        QTest::newRow("quantity not whole") << QString("2.5|4.5|10|on") << "0.00 0.00 0.00";
        QTest::newRow("rate junk") << QString("2.5|4|ten|on") << "10.00 0.00 10.00";
        QTest::newRow("beyond any amount") << QString("1e30|1|10|on") << "0.00 0.00 0.00";
    }
    void lineArithmetic()
    {
        QFETCH(QString, input);
        QFETCH(QString, totals);
        using namespace PurchaseOrderMath;
        const QStringList in = input.split('|');
        const bool taxOn = in[3] == "on";
        const Money line = LineTotal(in[0], in[1]);
        const Totals added = AddLine({}, line, in[2], taxOn);
        QCOMPARE(added.subTotal.ToString() + ' ' + added.tax.ToString() + ' ' +
                     added.total.ToString(),
                 totals);
        const Totals removed = RemoveLine(added, line, in[2], taxOn);
        QVERIFY(removed.subTotal.IsZero() && removed.tax.IsZero() && removed.total.IsZero());
    }

    void lookUp_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("found"); // name, tax rate, stock
        QTest::newRow("two batches") << QString("TEA") << "Tea 10 7";
        QTest::newRow("no batches") << QString("O'K") << "Oat cakes 8.5 ";
        QTest::newRow("quote is only text") << QString("TEA' OR '1'='1") << "";
        QTest::newRow("part of a code") << QString("TE") << "";
    }
    void lookUp()
    {
        QFETCH(QString, code);
        QFETCH(QString, found);
        const qint64 tea = m_store->addProduct(m_category, "TEA", "Tea", 1, 10.0);
        m_store->addProduct(m_category, "O'K", "Oat cakes", 1, 8.5);
        m_store->addBatch(tea, m_vendor, "T1", 3, 2.0, 1.0);
        m_store->addBatch(tea, m_vendor, "T2", 4, 2.0, 1.0);
        OrderProduct product;
        QVERIFY(LookUpProduct(m_db, code, &product));
        QCOMPARE(product.found, !found.isEmpty());
        if (product.found)
            QCOMPARE(product.name + ' ' + product.taxRate + ' ' + product.stock, found);
    }

    void headerItemsAndDeletion()
    {
        PurchaseOrderHeader header = savedHeader();
        QCOMPARE(header.id, QStringLiteral("1"));
        header.status = "SENT";
        header.total = Money::FromCents(1100);
        header.notes = "Back door; 'fragile'";
        QVERIFY(SaveHeader(m_db, &header));
        QCOMPARE(rows("SELECT * FROM tblPOrders"),
                 QStringList{"1|1|SENT|2026-03-01|2026-03-09|0|0|11|Back door; 'fragile'"});
        PurchaseOrderHeader noVendor{};
        QVERIFY(!SaveHeader(m_db, &noVendor));
        QVERIFY(noVendor.id.isEmpty());

        addItem(header.id, "TEA");
        const PurchaseOrderItem receiving{{}, 0, {}, 0, {}, 3.75, {}, {2028, 1, 2}, {}};
        for (const QString& missing : {QString(), QStringLiteral("9"), QStringLiteral("1 OR 1")})
            QVERIFY(!UpdateReceiving(m_db, missing, receiving) && !DeleteItem(m_db, missing));
        QVERIFY(UpdateReceiving(m_db, "1", receiving));
        QCOMPARE(rows("SELECT SALE_PRICE, BATCH_NUMBER, EXPIRY_DATE, STORAGE_LOCATION "
                      "FROM tblPODetails"),
                 QStringList{"3.75||2028-01-02|"});
        QCOMPARE(ItemCount(m_db, header.id), 1);
        QVERIFY(DeleteItem(m_db, "1"));
        QCOMPARE(ItemCount(m_db, header.id), 0);

        // Deleting an order takes its items along and leaves the other orders whole.
        const PurchaseOrderHeader kept = savedHeader();
        addItem(kept.id, "TEA");
        addItem(header.id, "TEA");
        addItem(header.id, "MILK");
        QVERIFY(DeleteOrder(m_db, header.id));
        QCOMPARE(rows("SELECT ID FROM tblPOrders"), QStringList{kept.id});
        QCOMPARE(rows("SELECT PORDER_ID FROM tblPODetails"), QStringList{kept.id});
        QVERIFY(!DeleteOrder(m_db, header.id));
        const BoundStatement items = ItemsQuery(kept.id, "EXPIRY_DATE");
        QCOMPARE(rows(items.text, items.values),
                 QStringList{"2|2|TEA|12|Tea|0.125|1.5|2.5|B-7|2027-05-31|Shelf 3"});
    }

    void exportBooksBatches_data()
    {
        QTest::addColumn<QStringList>("itemCodes");
        QTest::addColumn<QStringList>("barCodes"); // of the new batches, "#": the batch's own ID
        QTest::addColumn<QString>("problem");      // when the export stores nothing
        QTest::newRow("new code") << QStringList{"TEA"} << QStringList{"TEA"} << QString();
        QTest::newRow("code taken") << QStringList{"OLD"} << QStringList{"#"} << QString();
        QTest::newRow("same code twice")
            << QStringList{"TEA", "TEA"} << QStringList{"TEA", "#"} << QString();
        QTest::newRow("no items") << QStringList{} << QStringList{} << QString();
        QTest::newRow("product gone")
            << QStringList{"TEA", "GONE"} << QStringList{}
            << "GONE (Tea): product code GONE is no longer in the catalogue";
    }
    void exportBooksBatches()
    {
        QFETCH(QStringList, itemCodes);
        QFETCH(QStringList, barCodes);
        QFETCH(QString, problem);
        QCOMPARE(m_store->addProduct(m_category, "TEA", "Tea"), 1);
        QCOMPARE(m_store->addProduct(m_category, "OLD", "Old tea"), 2);
        m_store->addProduct(m_category, "GONE", "Gone");
        m_store->addBatch(2, m_vendor, "OLD", 1, 2.0, 1.0);
        PurchaseOrderHeader header = savedHeader();
        for (const QString& code : itemCodes)
            addItem(header.id, code);
        QVERIFY(m_store->exec("DELETE FROM tblProducts WHERE PRODUCT_CODE = 'GONE'"));

        header.status = "RECEIVED";
        const StockExportResult result = ExportToStock(m_db, &header);
        QCOMPARE(result.problems.join('\n'), problem);
        QCOMPARE(result.ok, problem.isEmpty());
        QCOMPARE(result.booked, barCodes.size());
        QCOMPARE(rows("SELECT STATUS FROM tblPOrders"),
                 QStringList{problem.isEmpty() ? "RECEIVED" : "DRAFT"});
        QStringList expected;
        for (int i = 0; i < barCodes.size(); ++i) {
            const QString id = QString::number(i + 2);
            expected << QStringLiteral("%1|%2|1|%3|B-7|2027-05-31|Shelf 3|0.125|2.5|12|0|1|0")
                            .arg(id, itemCodes[i] == "TEA" ? "1" : "2",
                                 barCodes[i] == "#" ? id : barCodes[i]);
        }
        QCOMPARE(rows("SELECT * FROM tblInventory WHERE ID > 1"), expected);
    }

    void listQuery_data()
    {
        QTest::addColumn<ListSearch>("search");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("all") << ListSearch::All << "" << QStringList{"1", "2", "3"};
        QTest::newRow("vendor, % as itself")
            << ListSearch::ByVendorName << "100%" << QStringList{"2"};
        QTest::newRow("vendor, _ as itself") << ListSearch::ByVendorName << "0_F" << QStringList{};
        QTest::newRow("vendor, any case")
            << ListSearch::ByVendorName << "fresh" << QStringList{"2", "3"};
        QTest::newRow("vendor, quote")
            << ListSearch::ByVendorName << "' OR 1=1 --" << QStringList{};
        QTest::newRow("status sent") << ListSearch::ByStatus << "sent" << QStringList{"2"};
        QTest::newRow("nothing") << ListSearch::Nothing << "" << QStringList{};
    }
    void listQuery()
    {
        QFETCH(ListSearch, search);
        QFETCH(QString, text);
        QFETCH(QStringList, ids);
        savedHeader();
        m_vendor = m_store->addVendor("100% Fresh");
        savedHeader("SENT");
        m_vendor = m_store->addVendor("1000 Fresh Farms");
        savedHeader("RECEIVED");
        // An order whose vendor row is missing is not listed.
        QVERIFY(m_store->exec("PRAGMA foreign_keys = OFF"));
        QVERIFY(m_store->exec("INSERT INTO tblPOrders (VENDOR_ID, STATUS) VALUES (99, 'SENT')"));

        const BoundStatement list = ListQuery(search, text, "po.SENT_DATE", "po.DELIVERY_DATE");
        QStringList found;
        for (const QString& row : rows(list.text, list.values))
            found << row.section('|', 0, 0);
        QCOMPARE(found, ids);
        QCOMPARE(
            rows(list.text + " AND po.ID = 1", list.values).value(0),
            QString(search == ListSearch::All ? "1|Acme|DRAFT|2026-03-01|2026-03-09|0|0|0|" : ""));
    }
};

MERCHORA_TEST_GUILESS_MAIN(PurchaseOrdersTest)
#include "tst_purchaseorders.moc"
