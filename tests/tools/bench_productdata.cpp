// Measures the product data import and the stock export. Not a test; run by hand:
//
//   merchora_bench_productdata STORE.mercdb [--runs N]
//
// Import: a generated file of 100,000 products with codes (50 categories) is imported into a new
// empty store in each run, against the bare work: the same rows inserted with two prepared
// statements in one transaction, without any check. Export: the normal export of every batch of
// STORE (made by merchora_make_store) against the sqlite3 command-line tool writing the same
// select to a file, taking turns after one untimed run of each: in list mode with "," between
// the columns it writes the very same bytes; its CSV mode, which quotes, is shown too. The extra
// memory is the peak resident size during the first export above the size before it. Exits with 1
// when the import takes more than 1 s, the export more than 1.2 times as long as sqlite3, or more
// than 20 MiB of extra memory.

#include "salesscreenhost.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "core/productdata.h"
#include "core/schema.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kProducts = 100000;
constexpr double kImportLimitMs = 1000;
constexpr double kExportRatioLimit = 1.2;
constexpr double kMemoryLimitMiB = 20;

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double Ms(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// A line of /proc/self/status in kB ("VmRSS", "VmHWM").
qint64 StatusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Sets the peak resident size back to the present size.
bool ResetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

QByteArray Hash(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result().toHex()
                                                                 : QByteArray();
}

bool WriteImportFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text;
    for (int i = 1; i <= kProducts; ++i) {
        text += "Category ";
        text += QByteArray::number(i % 50);
        text += ",Product ";
        text += QByteArray::number(i);
        text += " 500 ml,IMP";
        text += QByteArray::number(1000000 + i);
        text += '\n';
    }
    return file.write(text) == text.size();
}

// A new empty store with the program's tables and indexes.
std::unique_ptr<TestSupport::StoreBuilder> NewStore(const QString& path)
{
    QFile::remove(path);
    auto store = std::make_unique<TestSupport::StoreBuilder>(
        TestSupport::StoreBuilder::Kind::Inventory, path);
    for (const QString& statement : Schema::InventoryIndexes())
        store->exec(statement);
    return store;
}

// The same rows stored with no checks at all: the least an import in one transaction can cost.
bool BareImport(QSqlDatabase db, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !db.transaction())
        return false;
    QSqlQuery addCategory(db);
    QSqlQuery addProduct(db);
    addCategory.prepare(QStringLiteral("INSERT INTO tblProductCategories (NAME) VALUES (?)"));
    addProduct.prepare(QStringLiteral("INSERT INTO tblProducts (CATEGORY_ID, PRODUCT_CODE, NAME, "
                                      "ITEMS_PER_UNIT, TAX_RATE) VALUES (?, ?, ?, 1, 0)"));
    QHash<QString, qint64> categories;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() != 3)
            continue;
        auto category = categories.find(fields.at(0));
        if (category == categories.end()) {
            addCategory.addBindValue(fields.at(0));
            if (!addCategory.exec())
                return false;
            category = categories.insert(fields.at(0), addCategory.lastInsertId().toLongLong());
        }
        addProduct.addBindValue(category.value());
        addProduct.addBindValue(fields.at(2));
        addProduct.addBindValue(fields.at(1));
        if (!addProduct.exec())
            return false;
    }
    return db.commit();
}

} // namespace

int main(int argc, char** argv)
{
    TestSupport::IsolatedEnvironment environment;
    QCoreApplication app(argc, argv);
    QString store;
    int runs = 5;
    if (!TestSupport::readBenchmarkArguments(app.arguments(), &store, &runs)) {
        std::fprintf(stderr, "usage: merchora_bench_productdata STORE.mercdb [--runs N]\n");
        return 2;
    }
    const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (sqlite3.isEmpty()) {
        std::fprintf(stderr, "the sqlite3 command-line tool is needed (apt-get install sqlite3)\n");
        return 2;
    }
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/bench_productdata-XXXXXX"));
    const QString folder = work.path();
    bool withinLimits = true;

    // Export, memory first: before anything else has grown the heap that the export could reuse.
    const QString ourFile = folder + QLatin1Char('/') + InventoryExportFileName(false);
    const QString connection = QStringLiteral("bench_export");
    const int cacheKiB = InventoryExportPageCacheKiB();
    {
        const qint64 before = StatusKb("VmRSS");
        const bool reset = ResetPeak();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QFileInfo(store).absoluteFilePath());
        if (!db.open()) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(store));
            return 2;
        }
        qint64 rows = 0;
        const auto ours = [&]() {
            const InventoryExportResult result =
                ExportInventoryFile(db, folder, false, [](qint64, qint64) {});
            rows = result.rows;
            return result.ok();
        };
        if (!ours()) {
            std::fprintf(stderr, "the export failed\n");
            return 1;
        }
        const qint64 peak = StatusKb("VmHWM");
        const double extraMiB = (peak - before) / 1024.0;

        // sqlite3 in list mode with "," between the columns writes exactly our file; in CSV mode
        // it also quotes every name with a blank in it.
        const QString theirFile = folder + QStringLiteral("/sqlite3.csv");
        enum class Tool
        {
            List,          // sqlite3 as it comes, writing the same bytes
            ListSameCache, // the same with the page cache the export uses
            Csv            // its CSV mode, which also quotes
        };
        const auto theirs = [&](Tool tool) {
            QStringList arguments = {QStringLiteral("-batch"), QStringLiteral("-readonly")};
            if (tool == Tool::ListSameCache)
                arguments << QStringLiteral("-cmd")
                          << QStringLiteral("PRAGMA cache_size = -%1").arg(cacheKiB);
            arguments << (tool == Tool::Csv ? QStringLiteral("-csv") : QStringLiteral("-list"))
                      << QStringLiteral("-separator") << QStringLiteral(",")
                      << QStringLiteral("-newline") << QStringLiteral("\n")
                      << QStringLiteral("-header") << QFileInfo(store).absoluteFilePath()
                      << QStringLiteral("SELECT p.NAME AS 'PRODUCT NAME', i.BAR_CODE AS BARCODE "
                                        "FROM tblProducts as p, tblInventory as i "
                                        "WHERE i.PRODUCT_ID = p.ID");
            QProcess process;
            process.setStandardOutputFile(theirFile);
            process.start(sqlite3, arguments);
            return process.waitForFinished(-1) && process.exitCode() == 0;
        };
        if (!theirs(Tool::List)) {
            std::fprintf(stderr, "sqlite3 failed\n");
            return 1;
        }
        const bool same = Hash(ourFile) == Hash(theirFile);
        theirs(Tool::ListSameCache);
        theirs(Tool::Csv);
        std::vector<double> ourTimes;
        std::vector<double> listTimes;
        std::vector<double> sameCacheTimes;
        std::vector<double> csvTimes;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            ours();
            ourTimes.push_back(Ms(timer));
            for (const Tool tool : {Tool::List, Tool::ListSameCache, Tool::Csv}) {
                timer.restart();
                theirs(tool);
                (tool == Tool::List            ? listTimes
                 : tool == Tool::ListSameCache ? sameCacheTimes
                                               : csvTimes)
                    .push_back(Ms(timer));
            }
        }

        const double ratio = Median(ourTimes) / Median(listTimes);
        std::printf("export of %lld batches (%.1f MB file), median of %d runs, taking turns:\n",
                    rows, QFileInfo(ourFile).size() / 1048576.0, runs);
        std::printf("  ExportInventoryFile      %8.1f ms\n", Median(ourTimes));
        std::printf(
            "  sqlite3 -list -separator , %6.1f ms   ratio %.2f (limit %.1f), its file %s\n",
            Median(listTimes), ratio, kExportRatioLimit, same ? "is identical" : "DIFFERS");
        std::printf("  sqlite3, same cache      %8.1f ms   ratio %.2f\n", Median(sameCacheTimes),
                    Median(ourTimes) / Median(sameCacheTimes));
        std::printf("  sqlite3 -csv             %8.1f ms   ratio %.2f\n", Median(csvTimes),
                    Median(ourTimes) / Median(csvTimes));
        std::printf("  memory: resident %.1f MiB before, peak %.1f MiB during the first export: "
                    "%.1f MiB extra (limit %.0f)%s\n",
                    before / 1024.0, peak / 1024.0, extraMiB, kMemoryLimitMiB,
                    reset ? "" : " (peak could not be reset: the figure is an upper bound)");
        withinLimits =
            withinLimits && same && ratio <= kExportRatioLimit && extraMiB < kMemoryLimitMiB;
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    QFile::remove(ourFile);

    // Import.
    const QString importFile = folder + QStringLiteral("/products.csv");
    if (!WriteImportFile(importFile)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(importFile));
        return 2;
    }
    std::vector<double> importTimes;
    std::vector<double> bareTimes;
    for (int run = 0; run < runs; ++run) {
        {
            auto target = NewStore(folder + QStringLiteral("/import.mercdb"));
            QSqlDatabase db = target->database();
            QElapsedTimer timer;
            timer.start();
            const ProductImportResult result =
                ImportProductFile(db, importFile, true, [](qint64, qint64) {});
            importTimes.push_back(Ms(timer));
            if (!result.ok || result.added != kProducts) {
                std::fprintf(stderr, "import failed: %s\n", qPrintable(result.message));
                return 1;
            }
        }
        {
            auto target = NewStore(folder + QStringLiteral("/bare.mercdb"));
            QElapsedTimer timer;
            timer.start();
            if (!BareImport(target->database(), importFile)) {
                std::fprintf(stderr, "bare import failed\n");
                return 1;
            }
            bareTimes.push_back(Ms(timer));
        }
    }
    const double importMs = Median(importTimes);
    std::printf("import of %d products with codes (%.1f MB file), median of %d runs, each on a "
                "new store:\n",
                kProducts, QFileInfo(importFile).size() / 1048576.0, runs);
    std::printf("  ImportProductFile   %8.1f ms   (limit %.0f ms)\n", importMs, kImportLimitMs);
    std::printf("  bare inserts        %8.1f ms   ratio %.2f\n", Median(bareTimes),
                importMs / Median(bareTimes));
    withinLimits = withinLimits && importMs <= kImportLimitMs;
    return withinLimits ? 0 : 1;
}
