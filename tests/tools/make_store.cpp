// Builds a large inventory store (and optionally a sales store) with realistic random rows, for
// trying the screens and measuring them on big data. Not a test; run by hand.
//
//   merchora_make_store OUT.mercdb [--products N] [--batches M] [--vendors V] [--categories C]
//                       [--sales S --sales-out SALES.mercdb]
//   merchora_make_store --sales S --sales-out SALES.mercdb
//
// The second form builds only the sales store. Its sales come in the order a till writes them:
// time stamps "yyyy-MM-dd hh:mm:ss" within shop hours over two years (2024-01-01 to 2025-12-31),
// IDs rising with time, 1 to 5 lines each.

#include "core/schema.h"
#include "core/utility.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace {

struct Options
{
    QString out;
    qint64 products = 100000;
    qint64 batches = 1000000;
    qint64 vendors = 500;
    qint64 categories = 50;
    qint64 sales = 0;
    QString salesOut;
};

// Every brand appears in about 1 % of the product names, so searching a brand finds about 1 %
// of the products.
const QStringList BRANDS = {
    "Acorn",    "Alpine",  "Amber",   "Anchor",   "Arctic",  "Aurora",  "Avalon",  "Azure",
    "Badger",   "Beacon",  "Birch",   "Bluebell", "Bramble", "Brook",   "Canyon",  "Cedar",
    "Clover",   "Cobalt",  "Copper",  "Coral",    "Cottage", "Crest",   "Crystal", "Daisy",
    "Delta",    "Dune",    "Ember",   "Falcon",   "Fern",    "Fjord",   "Forge",   "Fox",
    "Garnet",   "Glacier", "Golden",  "Granite",  "Harbour", "Harvest", "Hazel",   "Heron",
    "Highland", "Holly",   "Horizon", "Iris",     "Ivory",   "Jade",    "Juniper", "Kestrel",
    "Lagoon",   "Lark",    "Laurel",  "Lotus",    "Maple",   "Marble",  "Meadow",  "Mesa",
    "Mistral",  "Monarch", "Moss",    "Nectar",   "Nimbus",  "Nordic",  "Oak",     "Ocean",
    "Olive",    "Onyx",    "Orchard", "Osprey",   "Pebble",  "Pine",    "Pioneer", "Prairie",
    "Quarry",   "Quill",   "Raven",   "Reef",     "Ridge",   "River",   "Robin",   "Saffron",
    "Sage",     "Sierra",  "Silver",  "Solstice", "Sparrow", "Spruce",  "Summit",  "Sunrise",
    "Tamarind", "Thistle", "Tundra",  "Valley",   "Velvet",  "Willow",  "Wren",    "Yarrow",
    "Zenith",   "Zephyr",  "Bluff",   "Cairn"};

const QStringList ADJECTIVES = {"Organic", "Classic", "Premium", "Fresh",  "Light",  "Extra",
                                "Natural", "Roasted", "Smoked",  "Spiced", "Sweet",  "Salted",
                                "Whole",   "Crunchy", "Creamy",  "Wild",   "Golden", "Dark",
                                "Mild",    "Hot",     "Family",  "Mini",   "Double", "Original"};

const QStringList NOUNS = {
    "Green Tea",      "Black Tea",     "Coffee Beans", "Ground Coffee", "Oat Biscuits",
    "Rye Bread",      "Basmati Rice",  "Penne Pasta",  "Olive Oil",     "Sunflower Oil",
    "Tomato Sauce",   "Peanut Butter", "Honey",        "Jam",           "Muesli",
    "Corn Flakes",    "Chocolate Bar", "Crisps",       "Cheddar",       "Yoghurt",
    "Butter",         "Milk",          "Orange Juice", "Apple Juice",   "Sparkling Water",
    "Lemonade",       "Soap Bar",      "Shampoo",      "Toothpaste",    "Dish Soap",
    "Laundry Powder", "Paper Towels",  "Tissues",      "Batteries",     "Light Bulb",
    "Candles",        "Dog Food",      "Cat Food",     "Lentils",       "Chickpeas",
    "Flour",          "Sugar",         "Sea Salt",     "Black Pepper",  "Paprika",
    "Cinnamon",       "Vinegar",       "Mustard"};

const QStringList SIZES = {"100g",  "250g", "500g",  "1kg",    "2kg",     "330ml",
                           "500ml", "1l",   "1.5l",  "6 pack", "12 pack", "24 pack",
                           "x2",    "x4",   "Large", "Small"};

const QStringList CATEGORY_WORDS = {"Beverages",    "Bakery",     "Dairy",      "Frozen",
                                    "Snacks",       "Pantry",     "Household",  "Personal Care",
                                    "Pet Supplies", "Spices",     "Breakfast",  "Confectionery",
                                    "Canned Goods", "Produce",    "Cleaning",   "Baby",
                                    "Health",       "Electrical", "Stationery", "Garden"};

const QStringList VENDOR_WORDS = {"Wholesale", "Distribution", "Trading", "Supplies", "Foods",
                                  "Imports",   "Brothers",     "& Sons",  "Partners", "Logistics"};

const QStringList CITIES = {"Leeds",   "Bristol", "York",   "Cardiff", "Glasgow", "Belfast",
                            "Norwich", "Exeter",  "Dundee", "Bath",    "Derby",   "Preston"};

const QStringList SHELVES = {"Aisle 1",    "Aisle 2",   "Aisle 3", "Aisle 4", "Aisle 5", "Aisle 6",
                             "Back Store", "Cold Room", "Freezer", "Counter", "Shelf A", "Shelf B"};

bool Fail(const QSqlQuery& query, const char* what)
{
    std::fprintf(stderr, "%s failed: %s\n", what, qPrintable(query.lastError().text()));
    return false;
}

// Thirteen digits with a check digit, unique for each serial number below 10^11.
QString BarCodeFor(qint64 serial)
{
    // A fixed odd multiplier modulo 10^11 spreads consecutive serials over the whole range.
    const qint64 modulus = 100000000000LL;
    const qint64 scrambled = (serial * 48271LL + 12345LL) % modulus;
    QString digits = QStringLiteral("2") + QString::number(scrambled).rightJustified(11, '0');
    int sum = 0;
    for (int i = 0; i < digits.size(); ++i)
        sum += digits.at(i).digitValue() * (i % 2 == 0 ? 1 : 3);
    return digits + QString::number((10 - sum % 10) % 10);
}

template <typename T> const T& Pick(QRandomGenerator& random, const QList<T>& list)
{
    return list.at(int(random.bounded(quint32(list.size()))));
}

bool CreateTables(QSqlDatabase& db, const QStringList& tables, const char* version)
{
    QSqlQuery query(db);
    for (const QString& statement : tables) {
        if (!query.exec(statement))
            return Fail(query, "CREATE TABLE");
    }
    query.prepare(Schema::InsertVersionStamp());
    query.addBindValue(QString::fromLatin1(version));
    return query.exec() || Fail(query, "version stamp");
}

bool OpenFresh(QSqlDatabase& db, const QString& path)
{
    QFile::remove(path);
    db.setDatabaseName(path);
    if (!db.open()) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(path),
                     qPrintable(db.lastError().text()));
        return false;
    }
    // A generated file is rebuilt rather than recovered, so no journal is needed.
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode = OFF"));
    pragma.exec(QStringLiteral("PRAGMA synchronous = OFF"));
    return true;
}

bool FillInventory(QSqlDatabase& db, const Options& options, QRandomGenerator& random)
{
    if (!db.transaction())
        return false;
    if (!CreateTables(db, Schema::InventoryTables(), INVENTORY_DB_VERSION))
        return false;

    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO tblProductCategories (NAME) VALUES (?)"));
    for (qint64 i = 0; i < options.categories; ++i) {
        const QString base = CATEGORY_WORDS.at(int(i % CATEGORY_WORDS.size()));
        query.addBindValue(i < CATEGORY_WORDS.size()
                               ? base
                               : base + QStringLiteral(" %1").arg(i / CATEGORY_WORDS.size() + 1));
        if (!query.exec())
            return Fail(query, "category insert");
    }

    query.prepare(QStringLiteral(
        "INSERT INTO tblVendors (NAME, ADDRESS, EMAIL, CONTACT_NUMBER) VALUES (?, ?, ?, ?)"));
    for (qint64 i = 0; i < options.vendors; ++i) {
        const QString name = Pick(random, BRANDS) + QLatin1Char(' ') + Pick(random, VENDOR_WORDS);
        query.addBindValue(name);
        query.addBindValue(QStringLiteral("%1 Mill Lane, %2")
                               .arg(random.bounded(1, 400))
                               .arg(Pick(random, CITIES)));
        query.addBindValue(QStringLiteral("orders%1@vendor%1.example").arg(i + 1));
        query.addBindValue(QStringLiteral("0%1 %2")
                               .arg(random.bounded(1000, 9999))
                               .arg(random.bounded(100000, 999999)));
        if (!query.exec())
            return Fail(query, "vendor insert");
    }

    query.prepare(QStringLiteral(
        "INSERT INTO tblProducts (CATEGORY_ID, PRODUCT_CODE, NAME, ITEMS_PER_UNIT, DESCRIPTION, "
        "IMAGE_FILE, TAX_RATE) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    const QList<double> taxRates = {0.0, 5.0, 7.5, 20.0};
    for (qint64 i = 0; i < options.products; ++i) {
        const QString name = QStringList{Pick(random, BRANDS), Pick(random, ADJECTIVES),
                                         Pick(random, NOUNS), Pick(random, SIZES)}
                                 .join(QLatin1Char(' '));
        query.addBindValue(qint64(random.bounded(quint32(options.categories))) + 1);
        query.addBindValue(QStringLiteral("P%1").arg(i + 1, 6, 10, QLatin1Char('0')));
        query.addBindValue(name);
        query.addBindValue(QList<int>{1, 1, 1, 6, 12, 24}.at(int(random.bounded(6))));
        query.addBindValue(QStringLiteral("%1, packed for retail").arg(name));
        query.addBindValue(QString());
        query.addBindValue(Pick(random, taxRates));
        if (!query.exec())
            return Fail(query, "product insert");
    }

    query.prepare(QStringLiteral(
        "INSERT INTO tblInventory (PRODUCT_ID, VENDOR_ID, BAR_CODE, BATCH_NUMBER, EXPIRY_DATE, "
        "STORAGE_LOCATION, PURCHASE_PRICE, SALE_PRICE, QUANTITY, SUB_ITEMS, SHOW_ON_POS, "
        "DISCOUNT) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QDate firstExpiry(2025, 1, 1);
    for (qint64 i = 0; i < options.batches; ++i) {
        const double purchase = random.bounded(50, 5000) / 100.0;
        const double sale = qRound(purchase * (1.15 + random.bounded(0.6)) * 100.0) / 100.0;
        query.addBindValue(qint64(random.bounded(quint32(options.products))) + 1);
        query.addBindValue(qint64(random.bounded(quint32(options.vendors))) + 1);
        query.addBindValue(BarCodeFor(i));
        query.addBindValue(QStringLiteral("B%1-%2")
                               .arg(random.bounded(20, 26))
                               .arg(random.bounded(1, 99999), 5, 10, QLatin1Char('0')));
        query.addBindValue(firstExpiry.addDays(random.bounded(1500)).toString(Qt::ISODate));
        query.addBindValue(Pick(random, SHELVES));
        query.addBindValue(purchase);
        query.addBindValue(sale);
        query.addBindValue(random.bounded(0, 500));
        query.addBindValue(random.bounded(10) == 0 ? random.bounded(1, 12) : 0);
        query.addBindValue(random.bounded(20) == 0 ? 1 : 0);
        query.addBindValue(random.bounded(8) == 0 ? double(random.bounded(1, 30)) : 0.0);
        if (!query.exec())
            return Fail(query, "batch insert");
        if ((i + 1) % 200000 == 0) {
            std::printf("  %lld batches\n", static_cast<long long>(i + 1));
            std::fflush(stdout);
        }
    }

    for (const QString& statement : Schema::InventoryIndexes()) {
        if (!query.exec(statement))
            return Fail(query, "CREATE INDEX");
    }
    // No ANALYZE: stores that grow in the shop have no planner statistics either.
    return db.commit();
}

bool FillSales(QSqlDatabase& db, const Options& options, QRandomGenerator& random,
               qint64* lineCount)
{
    if (!db.transaction())
        return false;
    if (!CreateTables(db, Schema::SalesTables(), SALES_DB_VERSION))
        return false;

    QSqlQuery sale(db);
    sale.prepare(QStringLiteral(
        "INSERT INTO tblSalesTransactions (USER_ID, CUSTOMER_ID, TIME_STAMP, GRAND_TOTAL, PAID, "
        "[RETURN]) VALUES (?, ?, ?, ?, ?, ?)"));
    QSqlQuery line(db);
    line.prepare(QStringLiteral(
        "INSERT INTO tblSalesInvoice (TRANSACTION_ID, ITEM_INDEX, PRODUCT_NAME, QUANTITY, "
        "PURCHASE_PRICE, SALE_PRICE, SUB_ITEMS, DISCOUNT, SUB_TOTAL, PURCHASE_SUB_TOTAL) VALUES "
        "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QStringList users = {"admin", "cashier1", "cashier2", "cashier3"};
    // The opening hours of the two years laid end to end; sale i falls at a random second of
    // its own equal share of them, so the time stamps rise with the IDs and end near the close of
    // the last day.
    const QDateTime opening(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);
    const qint64 days = 731; // 2024 is a leap year: up to 2025-12-31
    const qint64 openSeconds = 12 * 3600;
    const double share = double(days * openSeconds) / double(qMax<qint64>(options.sales, 1));
    for (qint64 i = 0; i < options.sales; ++i) {
        const int lines = int(random.bounded(1, 6));
        QList<QVariantList> rows;
        double total = 0.0;
        for (int index = 0; index < lines; ++index) {
            const double purchase = random.bounded(50, 5000) / 100.0;
            const double price = qRound(purchase * 1.3 * 100.0) / 100.0;
            const int quantity = int(random.bounded(1, 6));
            const double subTotal = quantity * price;
            total += subTotal;
            rows << QVariantList{index,
                                 QStringList{Pick(random, BRANDS), Pick(random, NOUNS)}.join(' '),
                                 quantity,
                                 purchase,
                                 price,
                                 QStringLiteral("0"),
                                 0.0,
                                 subTotal,
                                 quantity * purchase};
        }
        const double paid = std::ceil(total);
        const qint64 offset = qint64(share * (double(i) + random.bounded(1.0)));
        const QDateTime when = opening.addDays(offset / openSeconds).addSecs(offset % openSeconds);
        sale.addBindValue(Pick(random, users));
        // Customer 0 is a sale without a named customer.
        sale.addBindValue(random.bounded(4) == 0 ? random.bounded(1, 200) : 0);
        sale.addBindValue(when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        sale.addBindValue(total);
        sale.addBindValue(paid);
        sale.addBindValue(paid - total);
        if (!sale.exec())
            return Fail(sale, "sale insert");
        const qint64 saleId = sale.lastInsertId().toLongLong();
        for (const QVariantList& row : qAsConst(rows)) {
            line.addBindValue(saleId);
            for (const QVariant& value : row)
                line.addBindValue(value);
            if (!line.exec())
                return Fail(line, "sale line insert");
            ++*lineCount;
        }
    }
    QSqlQuery query(db);
    for (const QString& statement : Schema::SalesIndexes()) {
        if (!query.exec(statement))
            return Fail(query, "CREATE INDEX");
    }
    return db.commit();
}

bool ParseOptions(const QStringList& arguments, Options* options)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const auto number = [&](qint64* target) {
            bool ok = false;
            if (i + 1 < arguments.size())
                *target = arguments.at(++i).toLongLong(&ok);
            return ok && *target >= 0;
        };
        bool ok = true;
        if (argument == QLatin1String("--products"))
            ok = number(&options->products) && options->products > 0;
        else if (argument == QLatin1String("--batches"))
            ok = number(&options->batches);
        else if (argument == QLatin1String("--vendors"))
            ok = number(&options->vendors) && options->vendors > 0;
        else if (argument == QLatin1String("--categories"))
            ok = number(&options->categories) && options->categories > 0;
        else if (argument == QLatin1String("--sales"))
            ok = number(&options->sales);
        else if (argument == QLatin1String("--sales-out") && i + 1 < arguments.size())
            options->salesOut = arguments.at(++i);
        else if (!argument.startsWith(QLatin1String("--")) && options->out.isEmpty())
            options->out = argument;
        else
            ok = false;
        if (!ok) {
            std::fprintf(stderr, "bad argument: %s\n", qPrintable(argument));
            return false;
        }
    }
    if (options->sales > 0 && options->salesOut.isEmpty())
        return false;
    // Without OUT only the sales store is built.
    return !options->out.isEmpty() || (options->sales > 0 && !options->salesOut.isEmpty());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Options options;
    if (!ParseOptions(app.arguments(), &options)) {
        std::fprintf(stderr, "usage: merchora_make_store OUT.mercdb [--products N] [--batches M] "
                             "[--vendors V] [--categories C] [--sales S --sales-out SALES.mercdb]\n"
                             "       merchora_make_store --sales S --sales-out SALES.mercdb\n");
        return 2;
    }

    // A fixed seed makes every run build the same store.
    QRandomGenerator random(20240611u);
    QElapsedTimer timer;
    timer.start();
    bool ok = true;
    if (!options.out.isEmpty()) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                        QStringLiteral("make_store_inventory"));
            ok = OpenFresh(db, options.out) && FillInventory(db, options, random);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("make_store_inventory"));
        if (!ok)
            return 1;
        std::printf("%s: %lld products, %lld batches, %lld vendors, %lld categories in %.1f s\n",
                    qPrintable(options.out), static_cast<long long>(options.products),
                    static_cast<long long>(options.batches),
                    static_cast<long long>(options.vendors),
                    static_cast<long long>(options.categories), timer.elapsed() / 1000.0);
    }

    if (options.sales > 0) {
        timer.restart();
        qint64 lines = 0;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                        QStringLiteral("make_store_sales"));
            ok = OpenFresh(db, options.salesOut) && FillSales(db, options, random, &lines);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("make_store_sales"));
        if (!ok)
            return 1;
        std::printf("%s: %lld sales, %lld lines in %.1f s\n", qPrintable(options.salesOut),
                    static_cast<long long>(options.sales), static_cast<long long>(lines),
                    timer.elapsed() / 1000.0);
    }
    return 0;
}
