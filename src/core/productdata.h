#ifndef PRODUCTDATA_H
#define PRODUCTDATA_H

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

class QSqlDatabase;

// Splits the text of a product data file into records. A "," ends a field, also an empty one. A
// line end ends the record when the field being read is not empty; after a "," (or on a blank
// line) it changes nothing, so a line ending in a comma goes on with the next line. The record
// still being read when the text ends counts if its last field is not empty. Fields are taken as
// they stand: no trimming, no quotes. "\r\n", "\n" and a lone "\r" are line ends.
class CsvRecordReader
{
public:
    // Gets each record with the number (from 1) of the line on which it ended.
    using RecordHandler = std::function<void(const QStringList& fields, int line)>;

    explicit CsvRecordReader(RecordHandler handler);

    // The next piece of the text; a record may span any number of pieces.
    void Feed(QStringView text);
    // The end of the text: the record still being read is handed over if its last field is not
    // empty. Returns the fields of a record cut short after a final ",", which never ends.
    QStringList Finish();

    // The line being read, from 1.
    int Line() const { return m_line; }

private:
    void EndRecord();

    RecordHandler m_handler;
    QStringList m_fields;
    QString m_field;
    int m_line = 1;
    bool m_afterCarriageReturn = false;
    bool m_atStart = true;
};

// Called now and then while a file is read or written: work done of the total (bytes of the file
// read, or rows written), for a progress bar.
using ProductDataProgress = std::function<void(qint64 done, qint64 total)>;

// What an import did. ok is false when nothing was stored because the file could not be read or
// the database failed (everything rolled back); message says what happened, for the user.
struct ProductImportResult
{
    bool ok = false;
    int added = 0;
    int codeUsed = 0;        // code already in the store or earlier in the file
    int wrongFieldCount = 0; // not the two or three fields the import takes
    int emptyName = 0;       // empty product or category name
    QString message;

    int Skipped() const { return codeUsed + wrongFieldCount + emptyName; }
};

// Reads a UTF-8 file of "category,name,code" records (withCodes) or "category,name" records and
// stores each as a new product, with one item per unit and tax rate 0. Categories are found by
// name whatever the letter case, or created once. Without codes a product gets its own ID as
// code. Records that cannot be stored are skipped, counted by reason and logged with their line.
// Everything runs in one transaction: a database failure rolls it all back.
ProductImportResult ImportProductFile(QSqlDatabase& inventory, const QString& fileName,
                                      bool withCodes,
                                      const ProductDataProgress& progress = ProductDataProgress());

// What an export did. The file is written whole or left as it was.
struct InventoryExportResult
{
    enum class Outcome
    {
        Written,
        FileError,    // the file could not be created or written
        DatabaseError // the statement failed
    };
    Outcome outcome = Outcome::DatabaseError;
    qint64 rows = 0;
    QString filePath;
    QString message;

    bool ok() const { return outcome == Outcome::Written; }
};

// "inventory_export.csv" or "inventory_export_for_scanner.csv".
QString InventoryExportFileName(bool forScanner);

// Writes the name and bar code of every stock batch to the export file in folder, replacing an
// earlier one: the heading "PRODUCT NAME,BARCODE", then "name,code" per batch, or "name,*code*"
// for a scanner (the start and stop characters of Code 39 fonts). UTF-8 without a byte order
// mark, "\n" line ends, no quoting.
InventoryExportResult
ExportInventoryFile(QSqlDatabase& inventory, const QString& folder, bool forScanner,
                    const ProductDataProgress& progress = ProductDataProgress());

// The page cache, in KiB, that an export gives the connection while it runs.
int InventoryExportPageCacheKiB();

#endif // PRODUCTDATA_H
