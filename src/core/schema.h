#ifndef SCHEMA_H
#define SCHEMA_H

#include <QStringList>

// CREATE TABLE statements of the two store databases, in creation order, as a new empty
// database gets them. The embedded sample scripts carry the same tables.
namespace Schema {

QString CreateProductCategories();
QString CreateProducts();
QString CreateVendors();
QString CreateCustomers();
QString CreateInventory();
QString CreateUsers();
QString CreatePOrders();
QString CreatePODetails();
QString CreateMerchora();
QString CreateSalesTransactions();
QString CreateSalesInvoice();

// Tables added after the first schema. Their statements create nothing when the table exists, so
// they run for a new database and again whenever a database is opened; the version stamps stay
// as they were, so older copies of the program still open the files and ignore these tables.
// Unpaid sales with the stock their lines took, and the audit of lines voided from them.
QString CreatePendingSales();
QString CreatePendingLines();
QString CreatePendingVoids();
// Lines voided from a sale before it was paid, under the paid sale's number.
QString CreateSalesVoids();
QStringList InventoryAdditions();
QStringList SalesAdditions();

// Every table of the inventory database, tblMerchora last.
QStringList InventoryTables();
// Every table of the sales database, tblMerchora last.
QStringList SalesTables();

// Indexes on the columns that joins and look-ups follow. Created with the tables and, for
// databases made before they existed, when a database is opened.
QStringList InventoryIndexes();
QStringList SalesIndexes();

// Insert of the one version-stamp row; the stamp is bound as the only value.
QString InsertVersionStamp();

} // namespace Schema

#endif // SCHEMA_H
