#include "storebuilder.h"
#include "testenvironment.h"

#include "core/productdata.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>

#include <memory>

using TestSupport::StoreBuilder;

namespace {

// Each record as its fields joined with "|" and the line it ended on: "a|b@2".
QStringList readAll(const QString& text, int piece, QStringList* unfinished)
{
    QStringList records;
    CsvRecordReader reader([&records](const QStringList& fields, int line) {
        records << fields.join(QLatin1Char('|')) + QLatin1Char('@') + QString::number(line);
    });
    const QStringView view(text);
    for (int at = 0; at < view.size(); at += piece)
        reader.Feed(view.mid(at, piece));
    *unfinished = reader.Finish();
    return records;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

// Product data files: the record reader, the import into the store and the two exports.
class ProductDataTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void reader_data();
    void reader();
    void import_data();
    void import();
    void exportWritesExactBytes_data();
    void exportWritesExactBytes();
    void exportToMissingFolderSaysWhy();
    void exportedFileImportedBack_data();
    void exportedFileImportedBack();

private:
    QString path(const QString& name) const { return m_folder + QLatin1Char('/') + name; }
    QStringList values(const char* sql) const;
    QStringList products() const;
    void newStore();

    std::unique_ptr<StoreBuilder> m_store;
    QString m_folder;
    int m_storeNumber = 0;
};

void ProductDataTest::init()
{
    m_folder = QDir::homePath() + QStringLiteral("/productdata");
    QDir(m_folder).removeRecursively();
    QVERIFY(QDir().mkpath(m_folder));
    newStore();
}

void ProductDataTest::cleanup()
{
    m_store.reset();
}

void ProductDataTest::newStore()
{
    m_store = std::make_unique<StoreBuilder>(
        StoreBuilder::Kind::Inventory, path(QStringLiteral("store%1.mercdb").arg(++m_storeNumber)));
    QVERIFY(m_store->isOk());
}

QStringList ProductDataTest::values(const char* sql) const
{
    QStringList result;
    QSqlQuery query(m_store->database());
    query.exec(QString::fromLatin1(sql));
    while (query.next())
        result << query.value(0).toString();
    return result;
}

// Products as "category|name|code" in the order of their IDs; every imported product has one
// item per unit and no tax.
QStringList ProductDataTest::products() const
{
    return values("SELECT c.NAME || '|' || p.NAME || '|' || p.PRODUCT_CODE || CASE WHEN "
                  "p.ITEMS_PER_UNIT = 1 AND p.TAX_RATE = 0 THEN '' ELSE ' (items, tax)' END "
                  "FROM tblProducts p JOIN tblProductCategories c ON c.ID = p.CATEGORY_ID "
                  "ORDER BY p.ID");
}

void ProductDataTest::reader_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("unfinished");

    QTest::newRow("two records") << "a,b,c\nd,e,f\n"
                                 << QStringList{"a|b|c@1", "d|e|f@2"} << QStringList{};
    QTest::newRow("last record without line end")
        << "a,b\nc,d" << QStringList{"a|b@1", "c|d@2"} << QStringList{};
    QTest::newRow("line ending in a comma joins the next")
        << "a,b,\nc\n"
        << QStringList{"a|b|c@2"} << QStringList{};
    QTest::newRow("empty fields count") << ",a,,b\n" << QStringList{"|a||b@1"} << QStringList{};
    QTest::newRow("blank lines change nothing") << "\n\na,b\n\n\nc,d\n\n"
                                                << QStringList{"a|b@3", "c|d@6"} << QStringList{};
    QTest::newRow("CRLF and lone CR")
        << "a,b\r\nc,d\r\n\r\ne,f\rg,h" << QStringList{"a|b@1", "c|d@2", "e|f@4", "g|h@5"}
        << QStringList{};
    QTest::newRow("byte order mark skipped")
        << QStringLiteral("\uFEFFa,b\n") << QStringList{"a|b@1"} << QStringList{};
    QTest::newRow("taken as they stand")
        << QStringLiteral(" \"a\" ,O'Brien,Café\t\n")
        << QStringList{QStringLiteral(" \"a\" |O'Brien|Café\t@1")} << QStringList{};
    QTest::newRow("file ending after a comma") << "a,b\nc,d,\n"
                                               << QStringList{"a|b@1"} << QStringList{"c", "d"};
    QTest::newRow("nothing") << "" << QStringList{} << QStringList{};
}

// The same records whether the text comes whole or in pieces as small as one character.
void ProductDataTest::reader()
{
    QFETCH(QString, text);
    QFETCH(QStringList, records);
    QFETCH(QStringList, unfinished);
    for (const int piece : {1, 2, 3, 1000}) {
        QStringList left;
        QCOMPARE(readAll(text, piece, &left), records);
        QCOMPARE(left, unfinished);
    }
}

void ProductDataTest::import_data()
{
    QTest::addColumn<QString>("existingCode"); // of the product "Water" (ID 1) in "Drinks"
    QTest::addColumn<bool>("withCodes");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("newCategories");
    QTest::addColumn<QString>("message");

    const QString success = QStringLiteral("Product data imported successfully.");
    QTest::newRow("with codes") << "P1" << true << QByteArray("Drinks,Cola,C1\nSnacks,Chips,C2\n")
                                << QStringList{"Drinks|Cola|C1", "Snacks|Chips|C2"}
                                << QStringList{"Snacks"} << success;
    QTest::newRow("category found whatever its case, created once")
        << "P1" << true << QByteArray("drinks,Tea,T1\nFruit,Apple,A1\nFRUIT,Pear,A2\n")
        << QStringList{"Drinks|Tea|T1", "Fruit|Apple|A1", "Fruit|Pear|A2"} << QStringList{"Fruit"}
        << success;
    QTest::newRow("quotes and accents, UTF-8 with byte order mark")
        << "P1" << true
        << QByteArray("\xEF\xBB\xBF"
                      "Caf\xC3\xA9's,Cr\xC3\xA8me \"br\xC3\xBBl\xC3\xA9"
                      "e\",Q'1\r\n")
        << QStringList{QStringLiteral("Café's|Crème \"brûlée\"|Q'1")}
        << QStringList{QStringLiteral("Café's")} << success;
    QTest::newRow("without codes: own ID as code")
        << "P1" << false << QByteArray("Snacks,Chips\nSnacks,Nuts")
        << QStringList{"Snacks|Chips|2", "Snacks|Nuts|3"} << QStringList{"Snacks"} << success;
    QTest::newRow("placeholder code in use")
        << "AAAAAAAAAAAAAAAAAAAA" << false << QByteArray("Snacks,Chips\n")
        << QStringList{"Snacks|Chips|2"} << QStringList{"Snacks"} << success;
    // ID 2 is the code of Water, so the first new product cannot have it; the next gets ID 3.
    QTest::newRow("own ID already a code")
        << "2" << false << QByteArray("Snacks,Chips\nSnacks,Nuts\n") << QStringList{"Snacks|Nuts|3"}
        << QStringList{"Snacks"}
        << "1 product(s) added.\n1 record(s) skipped:\ncode already used: 1 (line 1)";
    QTest::newRow("skipped records by reason")
        << "P1" << true
        << QByteArray("Fresh,Cola,P1\nDrinks,Tea\n\nDrinks,Juice,J1\nDrinks,Juice 2,J1\n"
                      ",Lost,X1\nDrinks,,X2\nDrinks,Soda,S1\nDrinks,Late,")
        << QStringList{"Drinks|Juice|J1", "Drinks|Soda|S1"} << QStringList{}
        << "2 product(s) added.\n6 record(s) skipped:\ncode already used: 2 (lines 1, 5)\n"
           "wrong number of fields: 2 (lines 2, 9)\nempty name or category: 2 (lines 6, 7)";
    QTest::newRow("three fields without codes")
        << "P1" << false << QByteArray("Drinks,Cola,C1\n") << QStringList{} << QStringList{}
        << "0 product(s) added.\n1 record(s) skipped:\nwrong number of fields: 1 (line 1)";
    QTest::newRow("empty file") << "P1" << true << QByteArray("\n\n") << QStringList{}
                                << QStringList{} << "No product data was found in the file %1.";
    // Failures store nothing at all (a test trigger refuses the product "Refused").
    QTest::newRow("database refuses line 3")
        << "P1" << true << QByteArray("Fruit,Apple,A1\nVeg,Leek,L1\nMore,Refused,R1\nTea,Mint,M1\n")
        << QStringList{} << QStringList{}
        << "Product data could not be imported because of a database error at line 3 of the "
           "file. Nothing was changed.";
    QTest::newRow("no such file") << "P1" << true << QByteArray() << QStringList{} << QStringList{}
                                  << "The file %1 could not be opened: No such file or directory";
}

void ProductDataTest::import()
{
    QFETCH(QString, existingCode);
    QFETCH(bool, withCodes);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, added);
    QFETCH(QStringList, newCategories);
    QFETCH(QString, message);

    m_store->addProduct(m_store->addCategory(QStringLiteral("Drinks")), existingCode,
                        QStringLiteral("Water"));
    QVERIFY(m_store->exec(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE INSERT ON tblProducts WHEN NEW.NAME = 'Refused' "
        "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END")));
    const bool failing = message.startsWith(QLatin1String("Product data could not"));
    if (failing)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused by the")));
    const QString fileName = path(QStringLiteral("products.csv"));
    QVERIFY(file.isNull() || writeFile(fileName, file));
    QSqlDatabase db = m_store->database();
    qint64 lastDone = -1;
    const ProductImportResult result =
        ImportProductFile(db, fileName, withCodes, [&](qint64 done, qint64 total) {
            QCOMPARE(total, qint64(file.size()));
            lastDone = done;
        });

    QCOMPARE(result.ok, !failing && !file.isNull());
    QCOMPARE(result.message, QString(message).replace(QStringLiteral("%1"), fileName));
    QCOMPARE(result.added, result.ok ? added.size() : 0);
    if (result.ok)
        QCOMPARE(lastDone, qint64(file.size()));
    QVERIFY(db.transaction() && db.commit()); // no transaction left open
    QCOMPARE(products(), QStringList{QStringLiteral("Drinks|Water|") + existingCode} + added);
    QCOMPARE(values("SELECT NAME FROM tblProductCategories ORDER BY ID"),
             QStringList{"Drinks"} + newCategories);
}

void ProductDataTest::exportWritesExactBytes_data()
{
    QTest::addColumn<bool>("forScanner");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("normal") << false << false
                            << QByteArray("PRODUCT NAME,BARCODE\nCola,111\nCola,112\n"
                                          "O'Neil Caf\xC3\xA9,222\n");
    QTest::newRow("for scanner") << true << false
                                 << QByteArray("PRODUCT NAME,BARCODE\nCola,*111*\nCola,*112*\n"
                                               "O'Neil Caf\xC3\xA9,*222*\n");
    // An earlier, longer file of the same name is replaced whole.
    QTest::newRow("no batches, over an earlier file")
        << false << true << QByteArray("PRODUCT NAME,BARCODE\n");
}

void ProductDataTest::exportWritesExactBytes()
{
    QFETCH(bool, forScanner);
    QFETCH(bool, empty);
    QFETCH(QByteArray, bytes);
    const qint64 category = m_store->addCategory(QStringLiteral("Drinks"));
    const qint64 cola = m_store->addProduct(category, QStringLiteral("C1"), QStringLiteral("Cola"));
    const qint64 cafe =
        m_store->addProduct(category, QStringLiteral("C2"), QStringLiteral("O'Neil Café"));
    m_store->addProduct(category, QStringLiteral("C3"), QStringLiteral("No batches"));
    if (!empty) {
        const qint64 vendor = m_store->addVendor(QStringLiteral("Vendor"));
        m_store->addBatch(cola, vendor, QStringLiteral("111"), 5, 1.5, 1.0);
        m_store->addBatch(cola, vendor, QStringLiteral("112"), 5, 1.5, 1.0);
        m_store->addBatch(cafe, vendor, QStringLiteral("222"), 5, 2.5, 2.0);
    }

    const QString file = path(forScanner ? QStringLiteral("inventory_export_for_scanner.csv")
                                         : QStringLiteral("inventory_export.csv"));
    QVERIFY(writeFile(file, QByteArray(10000, 'x')));
    QSqlDatabase db = m_store->database();
    qint64 lastDone = -1;
    const InventoryExportResult result =
        ExportInventoryFile(db, m_folder, forScanner, [&](qint64 done, qint64 total) {
            QCOMPARE(total, qint64(empty ? 0 : 3));
            lastDone = done;
        });
    QVERIFY(result.ok());
    QCOMPARE(result.filePath, file);
    QCOMPARE(result.rows, qint64(empty ? 0 : 3));
    QCOMPARE(lastDone, result.rows);
    QCOMPARE(result.message,
             QStringLiteral("Inventory data exported successfully to file ") + file);
    QCOMPARE(readFile(file), bytes);
}

void ProductDataTest::exportToMissingFolderSaysWhy()
{
    QSqlDatabase db = m_store->database();
    const InventoryExportResult result = ExportInventoryFile(db, path("no/folder"), false);
    QCOMPARE(result.outcome, InventoryExportResult::Outcome::FileError);
    QVERIFY2(result.message.startsWith("The file " + path("no/folder/inventory_export.csv") +
                                       " could not be written: "),
             qPrintable(result.message));
}

void ProductDataTest::exportedFileImportedBack_data()
{
    QTest::addColumn<bool>("withCodes");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QString>("message");
    // Without codes each line reads as a category (the product's name) and a product (the bar
    // code); a name with a comma gives three fields and is skipped.
    QTest::newRow("without codes")
        << false
        << QStringList{"PRODUCT NAME|BARCODE|2", "Cola|111|3", QStringLiteral("O'Neil Café|222|4")}
        << "3 product(s) added.\n1 record(s) skipped:\nwrong number of fields: 1 (line 4)";
    // With codes every line has two fields too few, except the one whose name holds a comma:
    // it splits into the category "Salt", the product " coarse" and the bar code as its code.
    QTest::newRow("with codes") << true << QStringList{"Salt| coarse|333"}
                                << "1 product(s) added.\n3 record(s) skipped:\n"
                                   "wrong number of fields: 3 (lines 1, 2, 3)";
}

void ProductDataTest::exportedFileImportedBack()
{
    QFETCH(bool, withCodes);
    QFETCH(QStringList, added);
    QFETCH(QString, message);
    const qint64 category = m_store->addCategory(QStringLiteral("Drinks"));
    const qint64 vendor = m_store->addVendor(QStringLiteral("Vendor"));
    int code = 0;
    for (const QString& name :
         {QStringLiteral("Cola"), QStringLiteral("O'Neil Café"), QStringLiteral("Salt, coarse")}) {
        const qint64 product = m_store->addProduct(category, QString::number(++code), name);
        m_store->addBatch(product, vendor, QString::number(111 * code), 5, 1.5, 1.0);
    }
    InventoryExportResult exported;
    {
        QSqlDatabase db = m_store->database();
        exported = ExportInventoryFile(db, m_folder, false);
    }
    QVERIFY(exported.ok());

    newStore();
    m_store->addProduct(m_store->addCategory(QStringLiteral("Kept")), QStringLiteral("K1"),
                        QStringLiteral("Kept"));
    QSqlDatabase fresh = m_store->database();
    const ProductImportResult imported = ImportProductFile(fresh, exported.filePath, withCodes);
    QVERIFY(imported.ok);
    QCOMPARE(imported.message, message);
    QCOMPARE(products(), QStringList{"Kept|Kept|K1"} + added);
}

MERCHORA_TEST_GUILESS_MAIN(ProductDataTest)
#include "tst_productdata.moc"
