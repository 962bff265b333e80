#include "core/salestore.h"

#include "core/DBManager.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

const char SALE_INSERT[] =
    "INSERT INTO tblSalesTransactions ( USER_ID, CUSTOMER_ID, TIME_STAMP, GRAND_TOTAL, PAID, "
    "RETURN ) VALUES ( :user_id, :customer_id, :time_stamp, :grand_total, :paid, :return )";
const char LINE_INSERT[] =
    "INSERT INTO tblSalesInvoice ( TRANSACTION_ID, ITEM_INDEX, PRODUCT_NAME, QUANTITY, "
    "PURCHASE_PRICE, SALE_PRICE,  SUB_ITEMS, DISCOUNT, SUB_TOTAL, PURCHASE_SUB_TOTAL ) VALUES ( "
    ":trans_id, :index, :name, :quantity, :purchase_price, :sale_price,  :sub_items, :discount, "
    ":sub_total, :purchase_sub_total )";

StoredSale Failed(QSqlDatabase& db, StoredSale::Failure failure, const QSqlError& error)
{
    db.rollback();
    StoredSale result;
    result.failure = failure;
    result.error = error;
    return result;
}

} // namespace

StoredSale StoreSale(const QSqlDatabase& connection, const SaleRecord& sale)
{
    QSqlDatabase db = connection;
    if (!db.transaction()) {
        MERCHORA_LOG_DB_ERROR(db.lastError());
        StoredSale result;
        result.failure = StoredSale::Failure::Sale;
        result.error = db.lastError();
        return result;
    }

    QSqlQuery row(db);
    row.prepare(QString::fromLatin1(SALE_INSERT));
    row.bindValue(QStringLiteral(":user_id"), sale.userId);
    row.bindValue(QStringLiteral(":customer_id"), sale.customer);
    row.bindValue(QStringLiteral(":time_stamp"),
                  sale.timeStamp.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    row.bindValue(QStringLiteral(":grand_total"), sale.grandTotal.ToString());
    row.bindValue(QStringLiteral(":paid"), sale.paid.ToDouble());
    row.bindValue(QStringLiteral(":return"), sale.change.ToDouble());
    if (!row.exec()) {
        MERCHORA_LOG_DB_ERROR(row.lastError());
        return Failed(db, StoredSale::Failure::Sale, row.lastError());
    }
    const qint64 saleId = row.lastInsertId().toLongLong();
    qDebug().noquote() << QStringLiteral("inserted ID = ") + QString::number(saleId);

    QSqlQuery line(db);
    line.prepare(QString::fromLatin1(LINE_INSERT));
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
            return Failed(db, StoredSale::Failure::Line, line.lastError());
        }
    }
    if (!db.commit()) {
        MERCHORA_LOG_DB_ERROR(db.lastError());
        return Failed(db, StoredSale::Failure::Commit, db.lastError());
    }
    StoredSale result;
    result.id = saleId;
    return result;
}
