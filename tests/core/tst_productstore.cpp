#include "storebuilder.h"
#include "testenvironment.h"

#include "core/productstore.h"

#include <QDir>
#include <QSqlQuery>

#include <memory>

using TestSupport::StoreBuilder;

// Storing products without the product form: the code given or the ID as code, and a failed
// insert leaving no row behind.
class ProductStoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void insert_data();
    void insert();
    void updateChangesOnlyThatProduct();

private:
    QStringList codes();

    std::unique_ptr<StoreBuilder> m_store;
    qint64 m_category = -1;
    int m_storeNumber = 0;
};

void ProductStoreTest::init()
{
    m_store = std::make_unique<StoreBuilder>(
        StoreBuilder::Kind::Inventory,
        QDir::homePath() + QStringLiteral("/productstore%1.mercdb").arg(++m_storeNumber));
    QVERIFY(m_store->isOk());
    m_category = m_store->addCategory(QStringLiteral("Drinks"));
    QVERIFY(m_category > 0);
}

void ProductStoreTest::cleanup()
{
    m_store.reset();
}

QStringList ProductStoreTest::codes()
{
    QStringList result;
    QSqlQuery query(m_store->database());
    query.exec(QStringLiteral("SELECT PRODUCT_CODE FROM tblProducts ORDER BY ID"));
    while (query.next())
        result << query.value(0).toString();
    return result;
}

void ProductStoreTest::insert_data()
{
    QTest::addColumn<QString>("existingCode"); // one product stored before, with ID 1
    QTest::addColumn<bool>("autoGenerate");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("knownCategory");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("codeOut");
    QTest::addColumn<QStringList>("codesAfter");

    QTest::newRow("given code") << "P1" << false << "COLA" << true << true << "COLA"
                                << QStringList{"P1", "COLA"};
    QTest::newRow("ID becomes the code")
        << "P1" << true << "" << true << true << "2" << QStringList{"P1", "2"};
    // The new ID is 2, which another product already has as its code: the code cannot be set,
    // and the row inserted with the placeholder code goes with it.
    QTest::newRow("ID taken as a code")
        << "2" << true << "" << true << false << "2" << QStringList{"2"};
    QTest::newRow("code taken") << "COLA" << false << "COLA" << true << false << "COLA"
                                << QStringList{"COLA"};
    QTest::newRow("unknown category")
        << "P1" << false << "COLA" << false << false << "COLA" << QStringList{"P1"};
}

void ProductStoreTest::insert()
{
    QFETCH(QString, existingCode);
    QFETCH(bool, autoGenerate);
    QFETCH(QString, code);
    QFETCH(bool, knownCategory);
    QFETCH(bool, stored);
    QFETCH(QString, codeOut);
    QFETCH(QStringList, codesAfter);

    QCOMPARE(m_store->addProduct(m_category, existingCode, QStringLiteral("First")), 1);

    ProductRecord product;
    product.categoryId = knownCategory ? int(m_category) : 99;
    product.code = code;
    product.name = QStringLiteral("Cola");
    product.itemsPerUnit = QStringLiteral("6");
    product.taxRate = 5.5f;
    QSqlDatabase db = m_store->database();
    QString storedCode = QStringLiteral("untouched");
    QCOMPARE(InsertProductRecord(db, product, autoGenerate, &storedCode), stored);
    QCOMPARE(storedCode, codeOut);
    QCOMPARE(codes(), codesAfter);
}

void ProductStoreTest::updateChangesOnlyThatProduct()
{
    const qint64 first = m_store->addProduct(m_category, QStringLiteral("P1"), QStringLiteral("A"));
    const qint64 second =
        m_store->addProduct(m_category, QStringLiteral("P2"), QStringLiteral("B"));

    ProductRecord product;
    product.categoryId = int(m_category);
    product.code = QStringLiteral("P2-NEW");
    product.name = QStringLiteral("Bread");
    product.itemsPerUnit = QStringLiteral("2");
    product.description = QStringLiteral("White; 'sliced'");
    product.imageFile = QStringLiteral("/pictures/bread.png");
    product.taxRate = 7.7f;
    QSqlDatabase db = m_store->database();
    QVERIFY(UpdateProductRecord(db, product, second));

    QSqlQuery query(db);
    QVERIFY(query.exec(QStringLiteral("SELECT ID, PRODUCT_CODE, NAME, ITEMS_PER_UNIT, DESCRIPTION, "
                                      "IMAGE_FILE, TAX_RATE FROM tblProducts ORDER BY ID")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toLongLong(), first);
    QCOMPARE(query.value(2).toString(), QStringLiteral("A"));
    QVERIFY(query.next());
    QCOMPARE(query.value(1).toString(), QStringLiteral("P2-NEW"));
    QCOMPARE(query.value(2).toString(), QStringLiteral("Bread"));
    QCOMPARE(query.value(3).toInt(), 2);
    QCOMPARE(query.value(4).toString(), QStringLiteral("White; 'sliced'"));
    QCOMPARE(query.value(5).toString(), QStringLiteral("/pictures/bread.png"));
    QCOMPARE(query.value(6).toDouble(), 7.7); // the rate as the user typed it, not 7.69999...

    // A code another product has already: nothing changes.
    product.code = QStringLiteral("P1");
    QVERIFY(!UpdateProductRecord(db, product, second));
    QCOMPARE(codes(), (QStringList{"P1", "P2-NEW"}));
}

MERCHORA_TEST_GUILESS_MAIN(ProductStoreTest)
#include "tst_productstore.moc"
