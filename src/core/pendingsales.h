#ifndef PENDINGSALES_H
#define PENDINGSALES_H

#include "core/salepricing.h"
#include "core/salestore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include <memory>

class QSqlQuery;

// One line of an unpaid sale: the batch its stock came from and the line as the till shows it.
struct PendingLine
{
    qint64 id = -1; // tblPendingLines.ID once stored
    qint64 batchId = -1;
    bool returned = false; // entered in return mode: the stock went to the batch
    // The nine texts of the line's columns (CItemTransactionsModel); the index column is not
    // stored, a line's index being its position in the sale.
    QStringList texts;
    qint64 taxUnits = 0;   // the line's exact tax, as priced
    SaleLineRecord record; // the texts as they are stored, read once (SetTexts)

    void SetTexts(const QStringList& lineTexts);

    // The line's share of the sale's sums, exactly as when it was priced.
    SaleLinePrice Price() const;
};

// The lines as they are stored, in order.
QList<SaleLineRecord> SaleLinesOf(const QList<PendingLine>& lines);

// A sale whose stock is taken and that is not paid yet: on the till, or held.
struct PendingSale
{
    qint64 id = -1;
    QDateTime started;
    QDateTime parked; // null while the sale is on the till
    QString userId;
    QString customerId; // tblCustomers.ID of the chosen customer, empty when none
    QList<PendingLine> lines;

    SaleSums Sums() const;
};

// The stock write-back of an entry: the batch, its stock as the look-up read it, and as it is to
// be. A stock that changed in between refuses the write instead of overwriting the change.
struct StockWrite
{
    qint64 batchId = -1;
    qint64 readQuantity = 0;
    qint64 readSubItems = 0;
    qint64 newQuantity = 0;
    qint64 newSubItems = 0;
};

// The unpaid sales of the till, kept in the inventory store with the stock their lines took, so
// that no unit of stock is lost to a crash, a power cut or a till closed without payment. Each
// operation is one transaction: an entry's stock and its line, a void's stock and its audit row,
// and the payment, which stores the sale in the sales store and clears its pending records in
// one commit over both files (the sales store attached to the inventory connection; SQLite
// commits such a transaction atomically in rollback-journal mode).
class PendingSales
{
    Q_DECLARE_TR_FUNCTIONS(PendingSales)

public:
    explicit PendingSales(const QSqlDatabase& inventory);
    ~PendingSales();

    PendingSales(const PendingSales&) = delete;
    PendingSales& operator=(const PendingSales&) = delete;

    // False once the connection it was built on has been closed.
    bool IsOpen() const;

    // Writes the entry's stock and its line. A *saleId of -1 starts a new pending sale by user
    // for the customer, and receives its ID; line->id receives the line's ID. Nothing is written
    // when anything fails.
    bool Enter(qint64* saleId, const QString& user, const QString& customerId,
               const StockWrite& stock, PendingLine* line);
    // Gives the line's stock back to its batch (takes it again for a returned line), records who
    // voided it and when, under its position index, and removes it. Empty when done; otherwise
    // why not, and nothing changed.
    QString VoidLine(qint64 lineId, int index, const QString& user);
    // Voids every line of the sale as above and removes the sale.
    QString VoidSale(qint64 saleId, const QString& user);

    // Holds the sale (it leaves the till, its stock stays taken), or brings it back to the till.
    bool Park(qint64 saleId);
    bool Unpark(qint64 saleId);
    bool SetCustomer(qint64 saleId, const QString& customerId);
    // Removes the sale when it has no line left (it holds no stock then).
    bool DropIfEmpty(qint64 saleId);

    // The sales that were on the till when it closed or stopped, newest first. Sales without a
    // line are dropped on the way.
    QList<PendingSale> OnTill();
    // The held sales, oldest first.
    QList<PendingSale> Held();
    // One sale with its lines; id -1 when there is no such sale.
    PendingSale Load(qint64 saleId);

    // Stores the sale with its lines (the till's lines, as many as the sale has pending records,
    // else nothing is stored), moves its void audit rows under the new sale number, and removes
    // its pending records, all in one commit over the inventory store and the sales store at
    // salesPath. The sales store stays attached to the inventory connection for the
    // next payment while it is the same file; it is let go after a failure and by the destructor.
    StoredSale Pay(qint64 saleId, const SaleRecord& sale, const QString& salesPath);

    QSqlError LastError() const { return m_error; }

private:
    enum Statement
    {
        UpdateStock,
        InsertSale,
        InsertLine,
        ReadLineForVoid,
        InsertVoid,
        DeleteLine,
        ReadLines,
        StatementCount
    };
    QSqlQuery& Prepared(Statement statement);
    bool Run(QSqlQuery& query);
    bool Exec(const QString& sql, const QVariantList& values = QVariantList());
    QString VoidLineInTransaction(qint64 lineId, int index, const QString& user,
                                  const QString& when);
    // Attaches the sales store at salesPath as "sales", or keeps it attached when it is still
    // the same file; checks a newly attached one.
    bool AttachSales(const QString& salesPath);
    void DetachSales();
    // With the sales store attached: it is one, and both files commit atomically together.
    bool CheckAttachedStores();
    // The payment's transaction.
    StoredSale StoreAndClear(qint64 saleId, const SaleRecord& sale);
    QList<PendingSale> Sales(bool held);
    QList<PendingLine> Lines(qint64 saleId);
    bool Begin();
    bool Commit();
    void Rollback();

    QSqlDatabase m_db;
    std::unique_ptr<QSqlQuery> m_statements[StatementCount];
    QSqlError m_error;
    bool m_attached = false;
    QString m_attachedPath;
    QPair<quint64, quint64> m_attachedFile; // device and inode of the attached file
};

#endif // PENDINGSALES_H
