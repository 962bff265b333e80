#include "core/productdata.h"

#include "core/DBManager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextCodec>

#include <memory>

namespace {

// The messages of an import or export, shown to the user.
class ProductDataText
{
    Q_DECLARE_TR_FUNCTIONS(ProductData)
};

// Files are read and written in pieces of this size.
const int CHUNK_BYTES = 256 * 1024;
// Progress is reported at most this often, and the clock is looked at every so many records.
const qint64 PROGRESS_INTERVAL_MS = 50;
const int RECORDS_BETWEEN_CLOCK_CHECKS = 256;

// The page cache of an export: enough for the products table of a large shop (100,000 products
// take about 10 MB) without growing the program by more than that.
const int EXPORT_PAGE_CACHE_KIB = 12 * 1024;

// Code of a new product until its ID is known and becomes its code.
const char CODE_PLACEHOLDER[] = "AAAAAAAAAAAAAAAAAAAA";

// Passes progress on now and then, by time, so that the window can repaint without the work
// being slowed down by it.
class ProgressThrottle
{
public:
    explicit ProgressThrottle(const ProductDataProgress& callback) : m_callback(callback)
    {
        m_clock.start();
    }

    // One more record or row; reports when enough time has passed.
    void Step(qint64 done, qint64 total)
    {
        if (++m_steps < RECORDS_BETWEEN_CLOCK_CHECKS)
            return;
        m_steps = 0;
        Report(done, total, false);
    }

    void Report(qint64 done, qint64 total, bool always)
    {
        if (!m_callback || (!always && m_clock.elapsed() < PROGRESS_INTERVAL_MS))
            return;
        m_clock.restart();
        m_callback(done, total);
    }

private:
    const ProductDataProgress& m_callback;
    QElapsedTimer m_clock;
    int m_steps = 0;
};

// The first few line numbers, for the closing message.
QString LineList(const QList<int>& lines, int count)
{
    QStringList shown;
    for (int line : lines)
        shown << QString::number(line);
    QString list = shown.join(QStringLiteral(", "));
    if (count > lines.size())
        list += QStringLiteral(", ...");
    return count == 1 ? ProductDataText::tr("line %1").arg(list)
                      : ProductDataText::tr("lines %1").arg(list);
}

// Stores the records of one import inside the transaction that the caller opened.
class ProductImporter
{
public:
    ProductImporter(QSqlDatabase& db, bool withCodes, const QString& fileName)
        : m_withCodes(withCodes), m_fileName(fileName), m_findCategory(db), m_addCategory(db),
          m_findCode(db), m_addProduct(db), m_setCode(db), m_removeProduct(db), m_removeCategory(db)
    {
    }

    bool Prepare()
    {
        const bool prepared =
            Prepare(m_findCategory, "SELECT ID FROM tblProductCategories "
                                    "WHERE lower(NAME) = lower(?) ORDER BY ID LIMIT 1") &&
            Prepare(m_addCategory, "INSERT INTO tblProductCategories (NAME) VALUES (?)") &&
            Prepare(m_findCode, "SELECT 1 FROM tblProducts WHERE PRODUCT_CODE = ?") &&
            Prepare(m_addProduct, "INSERT INTO tblProducts (CATEGORY_ID, PRODUCT_CODE, NAME, "
                                  "ITEMS_PER_UNIT, TAX_RATE) VALUES (?, ?, ?, 1, 0)") &&
            Prepare(m_setCode, "UPDATE tblProducts SET PRODUCT_CODE = ? WHERE ID = ?") &&
            Prepare(m_removeProduct, "DELETE FROM tblProducts WHERE ID = ?") &&
            Prepare(m_removeCategory, "DELETE FROM tblProductCategories WHERE ID = ?");
        return prepared && (m_withCodes || ChoosePlaceholder());
    }

    // Stores one record or counts it as skipped; false once the database has failed.
    bool Store(const QStringList& fields, int line)
    {
        if (m_failed)
            return false;
        const int expected = m_withCodes ? 3 : 2;
        if (fields.size() != expected) {
            Skip(m_result.wrongFieldCount, m_wrongFieldLines, line,
                 QStringLiteral("%1 fields instead of %2").arg(fields.size()).arg(expected));
            return true;
        }
        const QString& category = fields.at(0);
        const QString& name = fields.at(1);
        if (category.isEmpty() || name.isEmpty()) {
            Skip(m_result.emptyName, m_emptyNameLines, line,
                 name.isEmpty() ? QStringLiteral("empty product name")
                                : QStringLiteral("empty category name"));
            return true;
        }
        if (m_withCodes)
            StoreWithCode(category, name, fields.at(2), line);
        else
            StoreWithOwnId(category, name, line);
        return !m_failed;
    }

    // A record that the file cut short after a final ",".
    void SkipUnfinished(int fields, int line)
    {
        Skip(m_result.wrongFieldCount, m_wrongFieldLines, line,
             QStringLiteral("the file ends after a comma (%1 fields so far)").arg(fields));
    }

    bool Failed() const { return m_failed; }
    int FailedLine() const { return m_failedLine; }

    // Counts and the closing message of an import that was committed.
    ProductImportResult Result() const
    {
        ProductImportResult result = m_result;
        result.ok = true;
        if (result.Skipped() == 0) {
            result.message = result.added == 0
                                 ? ProductDataText::tr("No product data was found in the file %1.")
                                       .arg(QDir::toNativeSeparators(m_fileName))
                                 : ProductDataText::tr("Product data imported successfully.");
            return result;
        }
        QStringList lines;
        lines << ProductDataText::tr("%n product(s) added.", nullptr, result.added)
              << ProductDataText::tr("%n record(s) skipped:", nullptr, result.Skipped());
        const auto addReason = [&](const char* reason, int count, const QList<int>& at) {
            if (count > 0)
                lines << ProductDataText::tr(reason).arg(count).arg(LineList(at, count));
        };
        addReason(QT_TRANSLATE_NOOP("ProductData", "code already used: %1 (%2)"), result.codeUsed,
                  m_codeUsedLines);
        addReason(QT_TRANSLATE_NOOP("ProductData", "wrong number of fields: %1 (%2)"),
                  result.wrongFieldCount, m_wrongFieldLines);
        addReason(QT_TRANSLATE_NOOP("ProductData", "empty name or category: %1 (%2)"),
                  result.emptyName, m_emptyNameLines);
        result.message = lines.join(QLatin1Char('\n'));
        return result;
    }

private:
    static bool Prepare(QSqlQuery& query, const char* sql)
    {
        if (query.prepare(QString::fromLatin1(sql)))
            return true;
        MERCHORA_LOG_DB_ERROR(query.lastError());
        return false;
    }

    bool Run(QSqlQuery& query, int line)
    {
        if (query.exec())
            return true;
        Fail(query.lastError(), line);
        return false;
    }

    void Fail(const QSqlError& error, int line)
    {
        MERCHORA_LOG_DB_ERROR(error);
        m_failed = true;
        m_failedLine = line;
    }

    // The code that a product without one holds until its ID is known. A product may carry the
    // usual placeholder as its real code (a file imported with codes can have it), so the first
    // one nobody uses is taken.
    bool ChoosePlaceholder()
    {
        for (int attempt = 0; attempt < 1000; ++attempt) {
            const QString candidate = QString::fromLatin1(CODE_PLACEHOLDER) +
                                      (attempt == 0 ? QString() : QString::number(attempt));
            bool used = false;
            if (!CodeUsed(candidate, 0, &used))
                return false;
            if (!used) {
                m_placeholder = candidate;
                return true;
            }
        }
        return false;
    }

    bool CodeUsed(const QString& code, int line, bool* used)
    {
        m_findCode.addBindValue(code);
        if (!Run(m_findCode, line))
            return false;
        *used = m_findCode.next();
        m_findCode.finish();
        return true;
    }

    // After a statement was refused: true when the code is taken (the unique code refused it),
    // false with the import failed when the database refused it for any other reason.
    bool RefusedForCode(const QSqlError& error, const QString& code, int line)
    {
        bool used = false;
        if (!CodeUsed(code, line, &used))
            return false;
        if (!used)
            Fail(error, line);
        return used;
    }

    // The ID of the category, found by name whatever the letter case or else created (*created).
    bool CategoryId(const QString& name, int line, qint64* id, bool* created)
    {
        *created = false;
        const auto cached = m_categories.constFind(name);
        if (cached != m_categories.constEnd()) {
            *id = cached.value();
            return true;
        }
        m_findCategory.addBindValue(name);
        if (!Run(m_findCategory, line))
            return false;
        if (m_findCategory.next()) {
            *id = m_findCategory.value(0).toLongLong();
            m_findCategory.finish();
        } else {
            m_findCategory.finish();
            m_addCategory.addBindValue(name);
            if (!Run(m_addCategory, line))
                return false;
            *id = m_addCategory.lastInsertId().toLongLong();
            *created = true;
        }
        m_categories.insert(name, *id);
        return true;
    }

    // A record skipped after its category was created for it: the category goes again, so a
    // skipped record leaves nothing behind.
    void SkipCodeUsed(const QString& category, qint64 categoryId, bool created, int line,
                      const QString& reason)
    {
        if (created) {
            m_removeCategory.addBindValue(categoryId);
            if (!Run(m_removeCategory, line))
                return;
            m_categories.remove(category);
        }
        Skip(m_result.codeUsed, m_codeUsedLines, line, reason);
    }

    // Most codes are new: the insert is tried first, and only a refused one is looked into.
    void StoreWithCode(const QString& category, const QString& name, const QString& code, int line)
    {
        qint64 categoryId = 0;
        bool created = false;
        if (!CategoryId(category, line, &categoryId, &created))
            return;
        m_addProduct.addBindValue(categoryId);
        m_addProduct.addBindValue(code);
        m_addProduct.addBindValue(name);
        if (m_addProduct.exec()) {
            ++m_result.added;
        } else if (RefusedForCode(m_addProduct.lastError(), code, line)) {
            SkipCodeUsed(category, categoryId, created, line,
                         QStringLiteral("code \"%1\" is already used").arg(code));
        }
    }

    // The product is stored with the placeholder code, then gets its own ID as code. When some
    // other product already has that ID as its code, the new row goes again.
    void StoreWithOwnId(const QString& category, const QString& name, int line)
    {
        qint64 categoryId = 0;
        bool created = false;
        if (!CategoryId(category, line, &categoryId, &created))
            return;
        m_addProduct.addBindValue(categoryId);
        m_addProduct.addBindValue(m_placeholder);
        m_addProduct.addBindValue(name);
        if (!Run(m_addProduct, line))
            return;
        const QVariant id = m_addProduct.lastInsertId();
        const QString code = id.toString();
        m_setCode.addBindValue(code);
        m_setCode.addBindValue(id);
        if (m_setCode.exec()) {
            ++m_result.added;
        } else if (RefusedForCode(m_setCode.lastError(), code, line)) {
            m_removeProduct.addBindValue(id);
            if (Run(m_removeProduct, line))
                SkipCodeUsed(category, categoryId, created, line,
                             QStringLiteral("its ID %1 is another product's code").arg(code));
        }
    }

    void Skip(int& counter, QList<int>& lines, int line, const QString& reason)
    {
        ++counter;
        if (lines.size() < 5)
            lines << line;
        qInfo().noquote() << QStringLiteral("Import of %1, line %2 skipped: %3")
                                 .arg(QDir::toNativeSeparators(m_fileName))
                                 .arg(line)
                                 .arg(reason);
    }

    bool m_withCodes;
    QString m_fileName;
    QSqlQuery m_findCategory;
    QSqlQuery m_addCategory;
    QSqlQuery m_findCode;
    QSqlQuery m_addProduct;
    QSqlQuery m_setCode;
    QSqlQuery m_removeProduct;
    QSqlQuery m_removeCategory;
    QString m_placeholder;
    QHash<QString, qint64> m_categories;
    ProductImportResult m_result;
    QList<int> m_codeUsedLines;
    QList<int> m_wrongFieldLines;
    QList<int> m_emptyNameLines;
    bool m_failed = false;
    int m_failedLine = 0;
};

// Raises the page cache of the connection while it lives, and sets it back afterwards. The
// export looks up each batch's product by its ID, all over the products table; with the default
// cache of 2 MB most of those look-ups read their page from the file again.
class LargerPageCache
{
public:
    LargerPageCache(QSqlDatabase& db, int kibibytes) : m_query(db)
    {
        if (m_query.exec(QStringLiteral("PRAGMA cache_size")) && m_query.next())
            m_previous = m_query.value(0);
        m_query.finish();
        if (m_previous.isValid())
            m_query.exec(QStringLiteral("PRAGMA cache_size = -%1").arg(kibibytes));
    }
    ~LargerPageCache()
    {
        if (m_previous.isValid())
            m_query.exec(QStringLiteral("PRAGMA cache_size = %1").arg(m_previous.toLongLong()));
    }

    LargerPageCache(const LargerPageCache&) = delete;
    LargerPageCache& operator=(const LargerPageCache&) = delete;

private:
    QSqlQuery m_query;
    QVariant m_previous;
};

ProductImportResult ImportFailure(const QString& message)
{
    ProductImportResult result;
    result.message = message;
    return result;
}

} // namespace

CsvRecordReader::CsvRecordReader(RecordHandler handler) : m_handler(std::move(handler)) {}

void CsvRecordReader::Feed(QStringView text)
{
    const QChar* it = text.begin();
    const QChar* const end = text.end();
    if (m_atStart && it != end) {
        m_atStart = false;
        if (it->unicode() == 0xFEFF)
            ++it;
    }
    while (it != end) {
        // Ordinary characters are taken as one run.
        const QChar* run = it;
        while (it != end && *it != QLatin1Char(',') && *it != QLatin1Char('\n') &&
               *it != QLatin1Char('\r'))
            ++it;
        if (it != run) {
            m_field.append(run, int(it - run));
            m_afterCarriageReturn = false;
        }
        if (it == end)
            break;
        const QChar separator = *it++;
        if (separator == QLatin1Char(',')) {
            m_fields.append(m_field);
            m_field.clear();
            m_afterCarriageReturn = false;
            continue;
        }
        // The "\n" of a "\r\n" belongs to the line end the "\r" already made.
        if (separator == QLatin1Char('\n') && m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            continue;
        }
        m_afterCarriageReturn = separator == QLatin1Char('\r');
        if (!m_field.isEmpty())
            EndRecord();
        ++m_line;
    }
}

QStringList CsvRecordReader::Finish()
{
    if (!m_field.isEmpty())
        EndRecord();
    QStringList unfinished;
    unfinished.swap(m_fields);
    return unfinished;
}

void CsvRecordReader::EndRecord()
{
    m_fields.append(m_field);
    m_field.clear();
    m_handler(m_fields, m_line);
    m_fields.clear();
}

ProductImportResult ImportProductFile(QSqlDatabase& inventory, const QString& fileName,
                                      bool withCodes, const ProductDataProgress& progress)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return ImportFailure(ProductDataText::tr("The file %1 could not be opened: %2")
                                 .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    }
    const QString databaseFailure = ProductDataText::tr(
        "Product data could not be imported because of a database error. Nothing was "
        "changed.");

    // The pragma does nothing inside a transaction, so it comes first.
    QSqlQuery pragma(inventory);
    if (!pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON")))
        MERCHORA_LOG_DB_ERROR(pragma.lastError());
    if (!inventory.transaction()) {
        MERCHORA_LOG_DB_ERROR(inventory.lastError());
        return ImportFailure(databaseFailure);
    }

    ProductImporter importer(inventory, withCodes, fileName);
    if (!importer.Prepare()) {
        inventory.rollback();
        return ImportFailure(databaseFailure);
    }

    const qint64 size = file.size();
    qint64 bytesRead = 0;
    ProgressThrottle throttle(progress);
    throttle.Report(0, size, true);
    CsvRecordReader reader([&](const QStringList& fields, int line) {
        importer.Store(fields, line);
        throttle.Step(bytesRead, size);
    });

    // A stateful decoder: a character split between two pieces is still read whole. It skips a
    // byte order mark at the start.
    const std::unique_ptr<QTextDecoder> decoder(QTextCodec::codecForName("UTF-8")->makeDecoder());
    QByteArray chunk(CHUNK_BYTES, Qt::Uninitialized);
    bool readFailed = false;
    while (!importer.Failed()) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0)
            readFailed = true;
        if (got <= 0)
            break;
        bytesRead += got;
        reader.Feed(decoder->toUnicode(chunk.constData(), int(got)));
        throttle.Report(bytesRead, size, false);
    }
    const QStringList unfinished = importer.Failed() ? QStringList() : reader.Finish();
    if (!unfinished.isEmpty())
        importer.SkipUnfinished(unfinished.size(), reader.Line());
    if (decoder->hasFailure()) {
        qWarning().noquote() << QStringLiteral("Import of %1: the file is not valid UTF-8; "
                                               "unreadable bytes were replaced")
                                    .arg(QDir::toNativeSeparators(fileName));
    }

    if (readFailed) {
        inventory.rollback();
        return ImportFailure(ProductDataText::tr("The file %1 could not be read: %2")
                                 .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    }
    if (importer.Failed()) {
        inventory.rollback();
        return ImportFailure(
            ProductDataText::tr("Product data could not be imported because of a database error "
                                "at line %1 of the file. Nothing was changed.")
                .arg(importer.FailedLine()));
    }
    if (!inventory.commit()) {
        MERCHORA_LOG_DB_ERROR(inventory.lastError());
        inventory.rollback();
        return ImportFailure(databaseFailure);
    }
    throttle.Report(size, size, true);
    return importer.Result();
}

QString InventoryExportFileName(bool forScanner)
{
    return forScanner ? QStringLiteral("inventory_export_for_scanner.csv")
                      : QStringLiteral("inventory_export.csv");
}

int InventoryExportPageCacheKiB()
{
    return EXPORT_PAGE_CACHE_KIB;
}

InventoryExportResult ExportInventoryFile(QSqlDatabase& inventory, const QString& folder,
                                          bool forScanner, const ProductDataProgress& progress)
{
    InventoryExportResult result;
    result.filePath = QDir(folder).absoluteFilePath(InventoryExportFileName(forScanner));
    const QString databaseFailure = ProductDataText::tr("Error occurred while exporting data.");

    // Written beside the old file and put in its place once whole, so a failed export leaves an
    // earlier file as it was.
    QSaveFile file(result.filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        result.outcome = InventoryExportResult::Outcome::FileError;
        result.message = ProductDataText::tr("The file %1 could not be written: %2")
                             .arg(QDir::toNativeSeparators(result.filePath), file.errorString());
        return result;
    }

    // The total is only for the progress bar: counting the batches alone is quick.
    qint64 total = 0;
    QSqlQuery count(inventory);
    if (count.exec(QStringLiteral("SELECT COUNT(*) FROM tblInventory")) && count.next())
        total = count.value(0).toLongLong();
    count.finish();

    const LargerPageCache cache(inventory, InventoryExportPageCacheKiB());
    // Forward only: the rows go to the file as they come, none is kept.
    QSqlQuery query(inventory);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT p.NAME, i.BAR_CODE FROM tblProducts as p, "
                                   "tblInventory as i WHERE i.PRODUCT_ID = p.ID"))) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        file.cancelWriting();
        result.message = databaseFailure;
        return result;
    }

    ProgressThrottle throttle(progress);
    throttle.Report(0, total, true);
    const QByteArray between = forScanner ? QByteArrayLiteral(",*") : QByteArrayLiteral(",");
    const QByteArray lineEnd = forScanner ? QByteArrayLiteral("*\n") : QByteArrayLiteral("\n");
    QByteArray buffer;
    buffer.reserve(CHUNK_BYTES + 4096);
    buffer += "PRODUCT NAME,BARCODE\n";
    bool written = true;
    while (written && query.next()) {
        buffer += query.value(0).toString().toUtf8();
        buffer += between;
        buffer += query.value(1).toString().toUtf8();
        buffer += lineEnd;
        ++result.rows;
        if (buffer.size() >= CHUNK_BYTES) {
            written = file.write(buffer) == buffer.size();
            buffer.resize(0);
        }
        throttle.Step(result.rows, total);
    }
    if (written)
        written = file.write(buffer) == buffer.size();

    if (query.lastError().isValid()) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        file.cancelWriting();
        result.message = databaseFailure;
        return result;
    }
    if (!written || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        result.outcome = InventoryExportResult::Outcome::FileError;
        result.message = ProductDataText::tr("The file %1 could not be written: %2")
                             .arg(QDir::toNativeSeparators(result.filePath), reason);
        return result;
    }
    throttle.Report(result.rows, total, true);
    result.outcome = InventoryExportResult::Outcome::Written;
    result.message = ProductDataText::tr("Inventory data exported successfully to file %1")
                         .arg(QDir::toNativeSeparators(result.filePath));
    return result;
}
