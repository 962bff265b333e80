#include "core/purchaseorders.h"

#include "core/DBManager.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <limits>

namespace {

const char kSqlDate[] = "yyyy-MM-dd";

// Barcode of a new batch until its ID is known and becomes its barcode.
const char kBarCodePlaceholder[] = "AAAAAAAAAAAAAAAAAAAA";

// Prices are read to the millionth; a line total is rounded to the cent from that.
constexpr int kPriceDecimals = 6;
constexpr qint64 kPriceScale = 1000000;

// The value bound for an ID typed or read as text: NULL (matching no row) when it is no integer.
QVariant IdValue(const QString& id)
{
    bool ok = false;
    const qlonglong value = id.trimmed().toLongLong(&ok);
    return ok ? QVariant(value) : QVariant(QVariant::LongLong);
}

// The vendor as stored: -1 when none is chosen, which the foreign key then refuses.
QVariant VendorValue(const QVariant& vendorId)
{
    if (vendorId.isNull() || vendorId.toString().trimmed().isEmpty())
        return QVariant(qlonglong(-1));
    return vendorId;
}

// A date column: "yyyy-MM-dd", NULL for no date.
QVariant DateValue(const QDate& date)
{
    return date.isValid() ? QVariant(date.toString(QString::fromLatin1(kSqlDate)))
                          : QVariant(QVariant::String);
}

// Text for a NOT NULL column: an empty field is stored as empty text, not as NULL.
QString NotNullText(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

bool Exec(QSqlQuery& query)
{
    if (query.exec())
        return true;
    MERCHORA_LOG_DB_ERROR(query.lastError());
    return false;
}

// The problems of an export to the stock, shown to the user.
class ExportText
{
    Q_DECLARE_TR_FUNCTIONS(PurchaseOrderStore)
};

// Books one item of an order as a new batch; an empty result means it was booked, otherwise the
// reason why not.
QString BookItem(QSqlDatabase& db, const QSqlQuery& item, const QVariant& vendor)
{
    const QString code = item.value(0).toString();

    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT ID FROM tblProducts WHERE PRODUCT_CODE = ?"));
    query.addBindValue(code);
    if (!Exec(query))
        return query.lastError().text();
    if (!query.next())
        return ExportText::tr("product code %1 is no longer in the catalogue").arg(code);
    const QVariant productId = query.value(0);

    // Also sees the batches this export has added so far: they share its transaction.
    query.prepare(QStringLiteral("SELECT 1 FROM tblInventory WHERE BAR_CODE = ?"));
    query.addBindValue(code);
    if (!Exec(query))
        return query.lastError().text();
    const bool codeTaken = query.next();

    query.prepare(QStringLiteral(
        "INSERT INTO tblInventory (PRODUCT_ID, VENDOR_ID, BAR_CODE, BATCH_NUMBER, EXPIRY_DATE, "
        "STORAGE_LOCATION, PURCHASE_PRICE, SALE_PRICE, QUANTITY, SUB_ITEMS, SHOW_ON_POS, DISCOUNT) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 1, 0)"));
    query.addBindValue(productId);
    query.addBindValue(vendor);
    query.addBindValue(codeTaken ? QString::fromLatin1(kBarCodePlaceholder) : code);
    query.addBindValue(item.value(5)); // batch
    query.addBindValue(item.value(6)); // expiry, "yyyy-MM-dd" as stored
    query.addBindValue(item.value(7)); // storage place
    query.addBindValue(item.value(3)); // unit price becomes the purchase price
    query.addBindValue(item.value(4)); // sale price
    query.addBindValue(item.value(2)); // quantity
    if (!Exec(query))
        return ExportText::tr("the batch could not be stored: %1").arg(query.lastError().text());
    if (!codeTaken)
        return QString();

    // The code names a batch already: the new batch is called by its own ID.
    const QString ownCode = query.lastInsertId().toString();
    query.prepare(QStringLiteral("SELECT 1 FROM tblInventory WHERE BAR_CODE = ?"));
    query.addBindValue(ownCode);
    if (!Exec(query))
        return query.lastError().text();
    if (query.next())
        return ExportText::tr("barcodes %1 and %2 both belong to other batches already")
            .arg(code, ownCode);
    query.prepare(QStringLiteral("UPDATE tblInventory SET BAR_CODE = ? WHERE ID = ?"));
    query.addBindValue(ownCode);
    query.addBindValue(IdValue(ownCode));
    if (!Exec(query))
        return ExportText::tr("the batch could not be stored: %1").arg(query.lastError().text());
    return QString();
}

} // namespace

namespace PurchaseOrderMath {

Money LineTotal(const QString& unitPrice, const QString& quantity)
{
    qint64 price = 0;
    if (!ParseScaledDecimal(unitPrice, kPriceDecimals, std::numeric_limits<qint64>::max(), &price))
        return Money();
    bool ok = false;
    const int count = quantity.toInt(&ok);
    if (!ok)
        return Money();
    // Beyond the program's money amounts counts 0, as for a price that is no number.
    const __int128 product = __int128(price) * count;
    const __int128 limit = __int128(Money::MAX_ABS_CENTS) * (kPriceScale / 100);
    if (product > limit || product < -limit)
        return Money();
    return Money::FromCents(RoundedQuotient(product, kPriceScale / 100));
}

Money LineTax(Money lineTotal, const QString& taxRate, bool taxOn)
{
    bool ok = false;
    const Percent rate = Percent::Parse(taxRate, &ok);
    if (!taxOn || !ok)
        return Money();
    return Money::FromCents(RoundedQuotient(static_cast<__int128>(lineTotal.Cents()) * rate.Units(),
                                            static_cast<__int128>(100) * Percent::SCALE));
}

Totals AddLine(const Totals& totals, Money lineTotal, const QString& taxRate, bool taxOn)
{
    Totals result;
    result.subTotal = totals.subTotal + lineTotal;
    result.tax = totals.tax + LineTax(lineTotal, taxRate, taxOn);
    result.total = result.subTotal + result.tax;
    return result;
}

Totals RemoveLine(const Totals& totals, Money lineTotal, const QString& taxRate, bool taxOn)
{
    return AddLine(totals, -lineTotal, taxRate, taxOn);
}

} // namespace PurchaseOrderMath

namespace PurchaseOrderStore {

bool LookUpProduct(const QSqlDatabase& inventory, const QString& code, OrderProduct* product)
{
    *product = OrderProduct();
    QSqlQuery query(inventory);
    query.prepare(QStringLiteral("SELECT NAME, TAX_RATE FROM tblProducts WHERE PRODUCT_CODE = ?"));
    query.addBindValue(code);
    if (!Exec(query))
        return false;
    if (!query.next())
        return true;
    product->found = true;
    product->name = query.value(0).toString();
    // The stored REAL in its shortest form: 10 reads "10", 8.5 reads "8.5".
    product->taxRate = query.value(1).toString();

    query.prepare(
        QStringLiteral("SELECT SUM(QUANTITY) AS STOCK FROM tblInventory as i, "
                       "tblProducts as p WHERE i.PRODUCT_ID = p.ID AND PRODUCT_CODE = ?"));
    query.addBindValue(code);
    if (!Exec(query))
        return false;
    if (query.next() && !query.value(0).isNull())
        product->stock = query.value(0).toString();
    return true;
}

bool SaveHeader(const QSqlDatabase& inventory, PurchaseOrderHeader* header)
{
    const bool insert = header->id.isEmpty();
    QSqlQuery query(inventory);
    query.prepare(insert ? QStringLiteral("INSERT INTO tblPOrders (VENDOR_ID, STATUS, SENT_DATE, "
                                          "DELIVERY_DATE, SUB_TOTAL, SALES_TAX, TOTAL, NOTES) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                         : QStringLiteral("UPDATE tblPOrders SET VENDOR_ID = ?, STATUS = ?, "
                                          "SENT_DATE = ?, DELIVERY_DATE = ?, SUB_TOTAL = ?, "
                                          "SALES_TAX = ?, TOTAL = ?, NOTES = ? WHERE ID = ?"));
    query.addBindValue(VendorValue(header->vendorId));
    query.addBindValue(NotNullText(header->status));
    query.addBindValue(DateValue(header->sentDate));
    query.addBindValue(DateValue(header->deliveryDate));
    query.addBindValue(header->subTotal.ToDouble());
    query.addBindValue(header->tax.ToDouble());
    query.addBindValue(header->total.ToDouble());
    query.addBindValue(header->notes);
    if (!insert)
        query.addBindValue(IdValue(header->id));
    if (!Exec(query))
        return false;
    if (insert)
        header->id = query.lastInsertId().toString();
    // An update that finds no order (deleted meanwhile) stored nothing.
    return insert || query.numRowsAffected() > 0;
}

bool AddItem(const QSqlDatabase& inventory, const QString& orderId, const PurchaseOrderItem& item)
{
    QSqlQuery query(inventory);
    query.prepare(QStringLiteral(
        "INSERT INTO tblPODetails (PORDER_ID, ITEM_CODE, QUANTITY, ITEM_NAME, UNIT_PRICE, "
        "LINE_TOTAL, SALE_PRICE, BATCH_NUMBER, EXPIRY_DATE, STORAGE_LOCATION) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(IdValue(orderId));
    query.addBindValue(NotNullText(item.code));
    query.addBindValue(item.quantity);
    query.addBindValue(NotNullText(item.name));
    query.addBindValue(item.unitPrice);
    query.addBindValue(item.lineTotal.ToDouble());
    query.addBindValue(item.salePrice);
    query.addBindValue(NotNullText(item.batch));
    query.addBindValue(DateValue(item.expiry));
    query.addBindValue(item.storage);
    return Exec(query);
}

bool UpdateReceiving(const QSqlDatabase& inventory, const QString& itemId,
                     const PurchaseOrderItem& item)
{
    if (itemId.isEmpty())
        return false;
    QSqlQuery query(inventory);
    query.prepare(QStringLiteral("UPDATE tblPODetails SET SALE_PRICE = ?, BATCH_NUMBER = ?, "
                                 "EXPIRY_DATE = ?, STORAGE_LOCATION = ? WHERE ID = ?"));
    query.addBindValue(item.salePrice);
    query.addBindValue(NotNullText(item.batch));
    query.addBindValue(DateValue(item.expiry));
    query.addBindValue(item.storage);
    query.addBindValue(IdValue(itemId));
    return Exec(query) && query.numRowsAffected() > 0;
}

bool DeleteItem(const QSqlDatabase& inventory, const QString& itemId)
{
    if (itemId.isEmpty())
        return false;
    QSqlQuery query(inventory);
    query.prepare(QStringLiteral("DELETE FROM tblPODetails WHERE ID = ?"));
    query.addBindValue(IdValue(itemId));
    return Exec(query) && query.numRowsAffected() > 0;
}

bool DeleteOrder(const QSqlDatabase& inventory, const QString& orderId)
{
    if (orderId.isEmpty())
        return false;
    QSqlDatabase db = inventory;
    if (!db.transaction()) {
        MERCHORA_LOG_DB_ERROR(db.lastError());
        return false;
    }
    // Items first, so that the foreign key from the items never blocks the header.
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM tblPODetails WHERE PORDER_ID = ?"));
    query.addBindValue(IdValue(orderId));
    bool ok = Exec(query);
    if (ok) {
        query.prepare(QStringLiteral("DELETE FROM tblPOrders WHERE ID = ?"));
        query.addBindValue(IdValue(orderId));
        ok = Exec(query) && query.numRowsAffected() > 0;
    }
    if (ok && db.commit())
        return true;
    if (ok)
        MERCHORA_LOG_DB_ERROR(db.lastError());
    db.rollback();
    return false;
}

int ItemCount(const QSqlDatabase& inventory, const QString& orderId)
{
    QSqlQuery query(inventory);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM tblPODetails WHERE PORDER_ID = ?"));
    query.addBindValue(IdValue(orderId));
    if (!Exec(query) || !query.next())
        return -1;
    return query.value(0).toInt();
}

StockExportResult ExportToStock(const QSqlDatabase& inventory, PurchaseOrderHeader* header)
{
    StockExportResult result;
    QSqlDatabase db = inventory;
    if (!db.transaction()) {
        MERCHORA_LOG_DB_ERROR(db.lastError());
        result.problems
            << ExportText::tr("The stock could not be changed: %1").arg(db.lastError().text());
        return result;
    }

    const QString idBefore = header->id;
    int booked = 0;
    QSqlQuery items(db);
    items.setForwardOnly(true);
    items.prepare(QStringLiteral(
        "SELECT ITEM_CODE, ITEM_NAME, QUANTITY, UNIT_PRICE, SALE_PRICE, BATCH_NUMBER, "
        "EXPIRY_DATE, STORAGE_LOCATION FROM tblPODetails WHERE PORDER_ID = ? ORDER BY ID"));
    items.addBindValue(IdValue(header->id));
    if (!Exec(items)) {
        result.problems << ExportText::tr("The items of the order could not be read: %1")
                               .arg(items.lastError().text());
    } else {
        const QVariant vendor = VendorValue(header->vendorId);
        while (items.next()) {
            const QString problem = BookItem(db, items, vendor);
            if (problem.isEmpty())
                ++booked;
            else
                result.problems << ExportText::tr("%1 (%2): %3")
                                       .arg(items.value(0).toString(), items.value(1).toString(),
                                            problem);
        }
    }

    items.finish();
    if (result.problems.isEmpty() && !SaveHeader(db, header))
        result.problems << ExportText::tr("The order could not be stored.");
    if (result.problems.isEmpty() && !db.commit()) {
        MERCHORA_LOG_DB_ERROR(db.lastError());
        result.problems
            << ExportText::tr("The stock could not be changed: %1").arg(db.lastError().text());
    }
    if (!result.problems.isEmpty()) {
        db.rollback();
        header->id = idBefore; // an order inserted by this export is gone with it
        return result;
    }
    result.ok = true;
    result.booked = booked;
    return result;
}

BoundStatement ItemsQuery(const QString& orderId, const QString& dateColumn)
{
    BoundStatement statement;
    statement.text = QStringLiteral("SELECT ID, PORDER_ID, ITEM_CODE, QUANTITY, ITEM_NAME, "
                                    "UNIT_PRICE, LINE_TOTAL, SALE_PRICE, BATCH_NUMBER, ") +
                     dateColumn + QStringLiteral(" , STORAGE_LOCATION FROM tblPODetails WHERE ");
    if (orderId.isEmpty()) {
        statement.text += QStringLiteral("PORDER_ID = -1");
    } else {
        statement.text += QStringLiteral("PORDER_ID = ? ORDER BY ID");
        statement.values << IdValue(orderId);
    }
    return statement;
}

BoundStatement ListQuery(ListSearch search, const QString& text, const QString& sentDateColumn,
                         const QString& deliveryDateColumn)
{
    BoundStatement statement;
    statement.text = QStringLiteral("SELECT po.ID, v.NAME as VENDOR, po.STATUS, ") +
                     sentDateColumn + QStringLiteral(", ") + deliveryDateColumn +
                     QStringLiteral(" , po.SUB_TOTAL, po.SALES_TAX, po.TOTAL, po.NOTES "
                                    "FROM tblPOrders as po, tblVendors as v "
                                    "WHERE po.VENDOR_ID = v.ID");
    switch (search) {
    case ListSearch::All:
        break;
    case ListSearch::ByVendorName:
        statement.text +=
            QStringLiteral(" AND ") + SqlSearch::LikeCondition(QStringLiteral("v.NAME"));
        statement.values << SqlSearch::ContainsPattern(text);
        break;
    case ListSearch::ByStatus:
        statement.text +=
            QStringLiteral(" AND ") + SqlSearch::LikeCondition(QStringLiteral("po.STATUS"));
        statement.values << SqlSearch::ContainsPattern(text.toUpper());
        break;
    case ListSearch::Nothing:
        statement.text += QStringLiteral(" AND po.ID = -1");
        break;
    }
    return statement;
}

} // namespace PurchaseOrderStore
