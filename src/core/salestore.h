#ifndef SALESTORE_H
#define SALESTORE_H

#include "core/money.h"

#include <QDateTime>
#include <QList>
#include <QSqlError>
#include <QString>
#include <QStringList>

class QSqlDatabase;

// One line of a sale as it is stored in tblSalesInvoice.
struct SaleLineRecord
{
    int index = 0;
    QString productName;
    int quantity = 0;
    int subItems = 0;
    Money salePrice;
    Money purchasePrice;
    Money discount;
    Money subTotal;         // negative for a returned item
    Money purchaseSubTotal; // negative for a returned item
};

// A paid sale: one tblSalesTransactions row and its lines.
struct SaleRecord
{
    QString userId;   // the cashier's login name
    QString customer; // the customer's name, or "NOT SELECTED"
    QDateTime timeStamp;
    Money grandTotal;
    Money paid;
    Money change; // zero or negative
    QList<SaleLineRecord> lines;
};

struct StoredSale
{
    enum class Failure
    {
        None,
        Sale,  // the transaction or the sale row could not be written
        Line,  // a line could not be written
        Commit // the transaction could not be committed
    };
    Failure failure = Failure::None;
    qint64 id = -1; // the new sale's ID when stored
    QSqlError error;

    bool Ok() const { return failure == Failure::None; }
};

// Stores the sale and its lines in one transaction: either all rows are written or none is.
// Amounts are bound as the doubles nearest to their two-decimal values; GRAND_TOTAL as its
// two-decimal text.
StoredSale StoreSale(const QSqlDatabase& sales, const SaleRecord& sale);
// The rows of StoreSale without a transaction of their own, for a caller that stores the sale as
// part of a larger one. schema is the prefix of the database holding the sales tables ("sales."
// when the sales store is attached to another connection; empty on the sales connection).
StoredSale InsertSaleRows(const QSqlDatabase& db, const SaleRecord& sale,
                          const QString& schema = QString());
// A line as the till shows it (the nine texts of its columns) as it is stored; index is its
// position in the sale.
SaleLineRecord SaleLineFromTexts(int index, const QStringList& texts);

#endif // SALESTORE_H
