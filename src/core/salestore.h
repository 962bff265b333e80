#ifndef SALESTORE_H
#define SALESTORE_H

#include "core/money.h"

#include <QDateTime>
#include <QList>
#include <QSqlError>
#include <QString>

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

#endif // SALESTORE_H
