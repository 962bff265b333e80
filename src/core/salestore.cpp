#include "core/salestore.h"

#include "core/DBManager.h"
#include "core/itemtransactionsmodel.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

// The sales tables are named with the prefix of the database that holds them: empty on the
// sales connection, "sales." when the sales store is attached to another connection.
QString SaleInsert(const QString& schema)
{
    return QStringLiteral("INSERT INTO %1tblSalesTransactions ( USER_ID, CUSTOMER_ID, TIME_STAMP, "
                          "GRAND_TOTAL, PAID, RETURN ) VALUES ( :user_id, :customer_id, "
                          ":time_stamp, :grand_total, :paid, :return )")
        .arg(schema);
}

QString LineInsert(const QString& schema)
{
    return QStringLiteral(
               "INSERT INTO %1tblSalesInvoice ( TRANSACTION_ID, ITEM_INDEX, PRODUCT_NAME, "
               "QUANTITY, PURCHASE_PRICE, SALE_PRICE,  SUB_ITEMS, DISCOUNT, SUB_TOTAL, "
               "PURCHASE_SUB_TOTAL ) VALUES ( :trans_id, :index, :name, :quantity, "
               ":purchase_price, :sale_price,  :sub_items, :discount, :sub_total, "
               ":purchase_sub_total )")
        .arg(schema);
}

StoredSale Failure(StoredSale::Failure failure, const QSqlError& error)
{
    StoredSale result;
    result.failure = failure;
    result.error = error;
    return result;
}

} // namespace

StoredSale InsertSaleRows(const QSqlDatabase& db, const SaleRecord& sale, const QString& schema)
{
    QSqlQuery row(db);
    row.prepare(SaleInsert(schema));
    row.bindValue(QStringLiteral(":user_id"), sale.userId);
    row.bindValue(QStringLiteral(":customer_id"), sale.customer);
    row.bindValue(QStringLiteral(":time_stamp"),
                  sale.timeStamp.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    row.bindValue(QStringLiteral(":grand_total"), sale.grandTotal.ToString());
    row.bindValue(QStringLiteral(":paid"), sale.paid.ToDouble());
    row.bindValue(QStringLiteral(":return"), sale.change.ToDouble());
    if (!row.exec()) {
        MERCHORA_LOG_DB_ERROR(row.lastError());
        return Failure(StoredSale::Failure::Sale, row.lastError());
    }
    const qint64 saleId = row.lastInsertId().toLongLong();
    qDebug().noquote() << QStringLiteral("inserted ID = ") + QString::number(saleId);

    QSqlQuery line(db);
    line.prepare(LineInsert(schema));
    for (const SaleLineRecord& item : sale.lines) {
        line.bindValue(QStringLiteral(":trans_id"), saleId);
        line.bindValue(QStringLiteral(":index"), item.index);
        line.bindValue(QStringLiteral(":name"), item.productName);
        line.bindValue(QStringLiteral(":quantity"), item.quantity);
        line.bindValue(QStringLiteral(":purchase_price"), item.purchasePrice.ToDouble());
        line.bindValue(QStringLiteral(":sale_price"), item.salePrice.ToDouble());
        line.bindValue(QStringLiteral(":sub_items"), item.subItems);
        line.bindValue(QStringLiteral(":discount"), item.discount.ToDouble());
        line.bindValue(QStringLiteral(":sub_total"), item.subTotal.ToDouble());
        line.bindValue(QStringLiteral(":purchase_sub_total"), item.purchaseSubTotal.ToDouble());
        if (!line.exec()) {
            qDebug().noquote() << QStringLiteral("Insering into tblSalesInvoice: ") +
                                      line.lastError().databaseText() + QStringLiteral("    ") +
                                      line.lastError().driverText();
            return Failure(StoredSale::Failure::Line, line.lastError());
        }
    }
    StoredSale result;
    result.id = saleId;
    return result;
}

StoredSale StoreSale(const QSqlDatabase& connection, const SaleRecord& sale)
{
    QSqlDatabase db = connection;
    if (!db.transaction()) {
        MERCHORA_LOG_DB_ERROR(db.lastError());
        return Failure(StoredSale::Failure::Sale, db.lastError());
    }
    StoredSale stored = InsertSaleRows(db, sale);
    if (stored.Ok() && !db.commit()) {
        MERCHORA_LOG_DB_ERROR(db.lastError());
        stored = Failure(StoredSale::Failure::Commit, db.lastError());
    }
    if (!stored.Ok())
        db.rollback();
    return stored;
}

SaleLineRecord SaleLineFromTexts(int index, const QStringList& texts)
{
    const auto cell = [&texts](int column) {
        return texts.value(column);
    };
    SaleLineRecord line;
    line.index = index;
    line.productName = cell(CItemTransactionsModel::ColName);
    line.quantity = cell(CItemTransactionsModel::ColItems).toInt();
    line.subItems = cell(CItemTransactionsModel::ColSubItems).toInt();
    line.salePrice = Money::Parse(cell(CItemTransactionsModel::ColPrice));
    line.purchasePrice = Money::Parse(cell(CItemTransactionsModel::ColPurchasePrice));
    line.discount = Money::Parse(cell(CItemTransactionsModel::ColDiscount));
    line.subTotal = Money::Parse(cell(CItemTransactionsModel::ColLineTotal));
    line.purchaseSubTotal = Money::Parse(cell(CItemTransactionsModel::ColPurchaseTotal));
    return line;
}
