#ifndef PURCHASEORDERS_H
#define PURCHASEORDERS_H

#include "core/money.h"
#include "core/sqlsearch.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

class QSqlDatabase;

// The money arithmetic of a purchase order, in whole cents.
namespace PurchaseOrderMath {

// Unit price x quantity as typed, rounded half away from zero to the cent. The price is read as
// an exact decimal (it may have more than two decimals); text that is no number counts 0.
Money LineTotal(const QString& unitPrice, const QString& quantity);

struct Totals
{
    Money subTotal;
    Money tax;
    Money total;
};

// The tax of a line at a rate in per cent (as typed in the product), rounded to the cent; 0 when
// tax is off or the rate is no number.
Money LineTax(Money lineTotal, const QString& taxRate, bool taxOn);
// The totals with a line added or taken out; the total is always sub total + tax.
Totals AddLine(const Totals& totals, Money lineTotal, const QString& taxRate, bool taxOn);
Totals RemoveLine(const Totals& totals, Money lineTotal, const QString& taxRate, bool taxOn);

} // namespace PurchaseOrderMath

// A product found by its code for an order line.
struct OrderProduct
{
    bool found = false;
    QString name;
    QString taxRate;
    QString stock; // units in all its batches; empty when it has none
};

// The header of an order (a tblPOrders row).
struct PurchaseOrderHeader
{
    QString id; // empty until stored
    QVariant vendorId;
    QString status;
    QDate sentDate;
    QDate deliveryDate;
    Money subTotal;
    Money tax;
    Money total;
    QString notes;
};

// One ordered item (a tblPODetails row) as the editor's fields give it.
struct PurchaseOrderItem
{
    QString code;
    int quantity = 0;
    QString name;
    double unitPrice = 0;
    Money lineTotal;
    double salePrice = 0;
    QString batch;
    QDate expiry;
    QString storage;
};

// What an export of an order's items into stock did.
struct StockExportResult
{
    bool ok = false;      // every item became a batch and the header was stored
    int booked = 0;       // batches added (0 unless ok)
    QStringList problems; // one line per item that could not be booked, with the reason
};

// The statements of purchase orders, on the inventory database. Every value is bound.
namespace PurchaseOrderStore {

// The product with this code, its tax rate and the units of all its batches. False when the
// statement fails (logged); a code that matches nothing gives found = false.
bool LookUpProduct(const QSqlDatabase& inventory, const QString& code, OrderProduct* product);

// Inserts the header when its ID is empty (and sets the ID), otherwise updates it. False when the
// database refuses it (no vendor, for example; logged) or the order to update no longer exists.
bool SaveHeader(const QSqlDatabase& inventory, PurchaseOrderHeader* header);

bool AddItem(const QSqlDatabase& inventory, const QString& orderId, const PurchaseOrderItem& item);
// Stores the receiving data (sale price, batch, expiry, storage place) of one item; false when
// there is no such item.
bool UpdateReceiving(const QSqlDatabase& inventory, const QString& itemId,
                     const PurchaseOrderItem& item);
// False when there is no such item.
bool DeleteItem(const QSqlDatabase& inventory, const QString& itemId);
// Deletes the order and its items in one transaction; false (nothing deleted) when there is no
// such order.
bool DeleteOrder(const QSqlDatabase& inventory, const QString& orderId);

// The number of items of an order: the batches one export adds; -1 when the statement fails.
int ItemCount(const QSqlDatabase& inventory, const QString& orderId);

// Books every item of the order into stock as a new batch (sub-items 0, shown on the sales
// screen, no discount) from the order's vendor, with the item code as barcode, or the batch's own
// ID when a batch with that barcode exists already; then stores the header. All in one
// transaction: either every item becomes a batch or nothing is stored, and the result names
// each item that could not be booked and why.
StockExportResult ExportToStock(const QSqlDatabase& inventory, PurchaseOrderHeader* header);

// The item list of an order (columns ID, PORDER_ID, ITEM_CODE, QUANTITY, ITEM_NAME, UNIT_PRICE,
// LINE_TOTAL, SALE_PRICE, BATCH_NUMBER, the expiry date as dateColumn shows it,
// STORAGE_LOCATION); an empty order ID lists nothing.
BoundStatement ItemsQuery(const QString& orderId, const QString& dateColumn);

enum class ListSearch
{
    All,
    ByVendorName, // the text anywhere in the vendor's name
    ByStatus,     // the text anywhere in the status, upper-cased
    Nothing
};
// The order list (ID, VENDOR, STATUS, sent and delivery dates as the two date columns show them,
// SUB_TOTAL, SALES_TAX, TOTAL, NOTES), narrowed by the search. "%" and "_" typed by the user
// match themselves.
BoundStatement ListQuery(ListSearch search, const QString& text, const QString& sentDateColumn,
                         const QString& deliveryDateColumn);

} // namespace PurchaseOrderStore

#endif // PURCHASEORDERS_H
