#include "core/schema.h"

namespace Schema {

QString CreateProductCategories()
{
    return QStringLiteral("CREATE TABLE [tblProductCategories] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[NAME] VARCHAR(50)  UNIQUE NOT NULL)");
}

QString CreateProducts()
{
    return QStringLiteral("CREATE TABLE [tblProducts] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[CATEGORY_ID] INTEGER  NOT NULL, "
                          "[PRODUCT_CODE] VARCHAR(50)  UNIQUE NOT NULL, "
                          "[NAME] VARCHAR(150)  NOT NULL, "
                          "[ITEMS_PER_UNIT] INTEGER  NOT NULL, "
                          "[DESCRIPTION] VARCHAR(250)  NULL, "
                          "[IMAGE_FILE] VARCHAR(150)  NULL, "
                          "[TAX_RATE] REAL  NOT NULL, "
                          "FOREIGN KEY (CATEGORY_ID) REFERENCES tblProductCategories)");
}

QString CreateVendors()
{
    return QStringLiteral("CREATE TABLE [tblVendors] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[NAME] VARCHAR(50)  NOT NULL, "
                          "[ADDRESS] VARCHAR(200)  NULL, "
                          "[EMAIL] VARCHAR(200)  NULL, "
                          "[CONTACT_NUMBER] VARCHAR(50)  NULL)");
}

QString CreateCustomers()
{
    return QStringLiteral("CREATE TABLE [tblCustomers] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[NAME] VARCHAR(50)  NOT NULL, "
                          "[ADDRESS] VARCHAR(200)  NULL, "
                          "[EMAIL] VARCHAR(200)  NULL, "
                          "[CONTACT_NUMBER] VARCHAR(50)  NULL)");
}

QString CreateInventory()
{
    return QStringLiteral("CREATE TABLE [tblInventory] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[PRODUCT_ID] INTEGER  NOT NULL, "
                          "[VENDOR_ID] INTEGER  NOT NULL, "
                          "[BAR_CODE] VARCHAR(100)  UNIQUE NOT NULL, "
                          "[BATCH_NUMBER] VARCHAR(100)  NOT NULL, "
                          "[EXPIRY_DATE] DATE  NOT NULL, "
                          "[STORAGE_LOCATION] VARCHAR(50)  NULL, "
                          "[PURCHASE_PRICE] REAL  NOT NULL, "
                          "[SALE_PRICE] REAL  NOT NULL, "
                          "[QUANTITY] INTEGER  NOT NULL, "
                          "[SUB_ITEMS] INTEGER  NOT NULL, "
                          "[SHOW_ON_POS] INTEGER  NOT NULL, "
                          "[DISCOUNT] REAL  NOT NULL, "
                          "FOREIGN KEY (PRODUCT_ID) REFERENCES tblProducts, "
                          "FOREIGN KEY (VENDOR_ID) REFERENCES tblVendors)");
}

QString CreateUsers()
{
    return QStringLiteral("CREATE TABLE [tblUsers] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[FIRST_NAME] VARCHAR(50)  NOT NULL, "
                          "[LAST_NAME] VARCHAR(50)  NOT NULL, "
                          "[LOGIN_NAME] VARCHAR(50)  UNIQUE NOT NULL, "
                          "[PASSWORD] VARCHAR(8)  NOT NULL, "
                          "[ROLE] VARCHAR(50)  NOT NULL)");
}

QString CreatePOrders()
{
    return QStringLiteral("CREATE TABLE [tblPOrders] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[VENDOR_ID] INTEGER  NOT NULL, "
                          "[STATUS] VARCHAR(20)  NOT NULL, "
                          "[SENT_DATE] DATE, "
                          "[DELIVERY_DATE] DATE, "
                          "[SUB_TOTAL] REAL, "
                          "[SALES_TAX] REAL, "
                          "[TOTAL] REAL, "
                          "[NOTES] VARCHAR(250)  NULL, "
                          "FOREIGN KEY (VENDOR_ID) REFERENCES tblVendors)");
}

QString CreatePODetails()
{
    return QStringLiteral("CREATE TABLE [tblPODetails] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[PORDER_ID] INTEGER  NOT NULL, "
                          "[ITEM_CODE] VARCHAR(50)  NOT NULL, "
                          "[QUANTITY] INTEGER  NOT NULL, "
                          "[ITEM_NAME] VARCHAR(250)  NOT NULL, "
                          "[UNIT_PRICE] REAL  NOT NULL, "
                          "[LINE_TOTAL] REAL  NOT NULL, "
                          "[SALE_PRICE] REAL  NOT NULL, "
                          "[BATCH_NUMBER] VARCHAR(100)  NOT NULL, "
                          "[EXPIRY_DATE] DATE  NOT NULL, "
                          "[STORAGE_LOCATION] VARCHAR(50)  NULL, "
                          "FOREIGN KEY (PORDER_ID) REFERENCES tblPOrders)");
}

QString CreateMerchora()
{
    return QStringLiteral("CREATE TABLE [tblMerchora] ( [ID] INTEGER  PRIMARY KEY AUTOINCREMENT "
                          "NOT NULL, [DB_VERSION] VARCHAR(50)  UNIQUE NOT NULL)");
}

QString CreateSalesTransactions()
{
    return QStringLiteral("CREATE TABLE [tblSalesTransactions] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[USER_ID] VARCHAR(50)  NOT NULL, "
                          "[CUSTOMER_ID] VARCHAR(100)  NULL, "
                          "[TIME_STAMP] DATE  NOT NULL, "
                          "[GRAND_TOTAL] REAL  NOT NULL, "
                          "[PAID] REAL  NOT NULL, "
                          "[RETURN] REAL  NOT NULL)");
}

QString CreateSalesInvoice()
{
    return QStringLiteral("CREATE TABLE [tblSalesInvoice] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[TRANSACTION_ID] INTEGER  NOT NULL, "
                          "[ITEM_INDEX] INTEGER  NOT NULL, "
                          "[PRODUCT_NAME] VARCHAR(50)  NOT NULL, "
                          "[QUANTITY] INTEGER  NOT NULL, "
                          "[PURCHASE_PRICE] REAL  NOT NULL, "
                          "[SALE_PRICE] REAL  NOT NULL, "
                          "[SUB_ITEMS] VARCHAR(8)  NOT NULL, "
                          "[DISCOUNT] REAL  NOT NULL, "
                          "[SUB_TOTAL] REAL  NOT NULL, "
                          "[PURCHASE_SUB_TOTAL] REAL  NOT NULL, "
                          "FOREIGN KEY (TRANSACTION_ID) REFERENCES tblSalesTransactions)");
}

QString CreatePendingSales()
{
    return QStringLiteral("CREATE TABLE IF NOT EXISTS [tblPendingSales] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[STARTED] DATE  NOT NULL, "
                          "[USER_ID] VARCHAR(50)  NOT NULL, "
                          "[CUSTOMER_ID] VARCHAR(100)  NULL, "
                          "[PARKED] DATE  NULL)");
}

QString CreatePendingLines()
{
    return QStringLiteral("CREATE TABLE IF NOT EXISTS [tblPendingLines] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[PENDING_SALE_ID] INTEGER  NOT NULL, "
                          "[BATCH_ID] INTEGER  NOT NULL, "
                          "[RETURNED] INTEGER  NOT NULL, "
                          "[PRODUCT_NAME] VARCHAR(150)  NOT NULL, "
                          "[QUANTITY] VARCHAR(8)  NOT NULL, "
                          "[SUB_ITEMS] VARCHAR(8)  NOT NULL, "
                          "[SALE_PRICE] VARCHAR(50)  NOT NULL, "
                          "[DISCOUNT] VARCHAR(50)  NOT NULL, "
                          "[SUB_TOTAL] VARCHAR(50)  NOT NULL, "
                          "[PURCHASE_PRICE] VARCHAR(50)  NOT NULL, "
                          "[PURCHASE_SUB_TOTAL] VARCHAR(50)  NOT NULL, "
                          "[TAX_UNITS] INTEGER  NOT NULL, "
                          "FOREIGN KEY (PENDING_SALE_ID) REFERENCES tblPendingSales, "
                          "FOREIGN KEY (BATCH_ID) REFERENCES tblInventory)");
}

// The columns of a voided line's audit row, after the sale's number.
static QString VoidColumns()
{
    return QStringLiteral("[ITEM_INDEX] INTEGER  NOT NULL, "
                          "[PRODUCT_NAME] VARCHAR(150)  NOT NULL, "
                          "[QUANTITY] VARCHAR(8)  NOT NULL, "
                          "[SUB_ITEMS] VARCHAR(8)  NOT NULL, "
                          "[SUB_TOTAL] REAL  NOT NULL, "
                          "[USER_ID] VARCHAR(50)  NOT NULL, "
                          "[TIME_STAMP] DATE  NOT NULL)");
}

QString CreatePendingVoids()
{
    return QStringLiteral("CREATE TABLE IF NOT EXISTS [tblPendingVoids] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[PENDING_SALE_ID] INTEGER  NOT NULL, ") +
           VoidColumns();
}

QString CreateSalesVoids()
{
    return QStringLiteral("CREATE TABLE IF NOT EXISTS [tblSalesVoids] ( "
                          "[ID] INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, "
                          "[TRANSACTION_ID] INTEGER  NOT NULL, ") +
           VoidColumns();
}

QStringList InventoryTables()
{
    return QStringList{CreateProductCategories(), CreateProducts(),  CreateVendors(),
                       CreateCustomers(),         CreateInventory(), CreateUsers(),
                       CreatePOrders(),           CreatePODetails()} +
           InventoryAdditions() + QStringList{CreateMerchora()};
}

QStringList SalesTables()
{
    return QStringList{CreateSalesTransactions(), CreateSalesInvoice()} + SalesAdditions() +
           QStringList{CreateMerchora()};
}

QStringList InventoryAdditions()
{
    return {CreatePendingSales(), CreatePendingLines(), CreatePendingVoids()};
}

QStringList SalesAdditions()
{
    return {CreateSalesVoids()};
}

QStringList InventoryIndexes()
{
    return {
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS idxProductsCategory ON tblProducts (CATEGORY_ID)"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS idxInventoryProduct ON tblInventory (PRODUCT_ID)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS idxInventoryVendor ON tblInventory (VENDOR_ID)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS idxPOrdersVendor ON tblPOrders (VENDOR_ID)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS idxPODetailsOrder ON tblPODetails (PORDER_ID)"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS idxPendingLinesSale ON tblPendingLines (PENDING_SALE_ID)"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS idxPendingVoidsSale ON tblPendingVoids (PENDING_SALE_ID)")};
}

QStringList SalesIndexes()
{
    return {
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS idxSalesInvoiceSale ON tblSalesInvoice (TRANSACTION_ID)"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS idxSalesTime ON tblSalesTransactions (TIME_STAMP)"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS idxSalesVoidsSale ON tblSalesVoids (TRANSACTION_ID)")};
}

QString InsertVersionStamp()
{
    return QStringLiteral("INSERT INTO tblMerchora (DB_VERSION) VALUES(?)");
}

} // namespace Schema
