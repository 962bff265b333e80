#include "core/pendingsales.h"

#include "core/DBManager.h"
#include "core/itemtransactionsmodel.h"
#include "core/utility.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>

#include <qplatformdefs.h>

namespace {

const char TIME_FORMAT[] = "yyyy-MM-dd hh:mm:ss";

// The statements prepared once per store, in the order of PendingSales::Statement.
const char* const STATEMENTS[] = {
    // UpdateStock: written only over the stock that was read.
    "UPDATE tblInventory SET QUANTITY = :quantity, SUB_ITEMS = :sub_items WHERE ID = :id AND "
    "QUANTITY = :read_quantity AND SUB_ITEMS = :read_sub_items",
    // InsertSale
    "INSERT INTO tblPendingSales (STARTED, USER_ID, CUSTOMER_ID, PARKED) VALUES (:started, "
    ":user_id, :customer_id, NULL)",
    // InsertLine
    "INSERT INTO tblPendingLines (PENDING_SALE_ID, BATCH_ID, RETURNED, PRODUCT_NAME, QUANTITY, "
    "SUB_ITEMS, SALE_PRICE, DISCOUNT, SUB_TOTAL, PURCHASE_PRICE, PURCHASE_SUB_TOTAL, TAX_UNITS) "
    "VALUES (:sale, :batch, :returned, :name, :quantity, :sub_items, :price, :discount, "
    ":sub_total, :purchase_price, :purchase_sub_total, :tax_units)",
    // ReadLineForVoid
    "SELECT l.PENDING_SALE_ID, l.BATCH_ID, l.RETURNED, l.PRODUCT_NAME, l.QUANTITY, l.SUB_ITEMS, "
    "l.SUB_TOTAL, i.QUANTITY, i.SUB_ITEMS, p.ITEMS_PER_UNIT FROM tblPendingLines AS l "
    "JOIN tblInventory AS i ON i.ID = l.BATCH_ID JOIN tblProducts AS p ON p.ID = i.PRODUCT_ID "
    "WHERE l.ID = :line",
    // InsertVoid
    "INSERT INTO tblPendingVoids (PENDING_SALE_ID, ITEM_INDEX, PRODUCT_NAME, QUANTITY, SUB_ITEMS, "
    "SUB_TOTAL, USER_ID, TIME_STAMP) VALUES (:sale, :index, :name, :quantity, :sub_items, "
    ":sub_total, :user_id, :time_stamp)",
    // DeleteLine
    "DELETE FROM tblPendingLines WHERE ID = :line",
    // ReadLines
    "SELECT ID, BATCH_ID, RETURNED, PRODUCT_NAME, QUANTITY, SUB_ITEMS, SALE_PRICE, DISCOUNT, "
    "SUB_TOTAL, PURCHASE_PRICE, PURCHASE_SUB_TOTAL, TAX_UNITS FROM tblPendingLines WHERE "
    "PENDING_SALE_ID = :sale ORDER BY ID",
};
static_assert(sizeof(STATEMENTS) / sizeof(STATEMENTS[0]) == 7, "one text per statement");

// Journal modes in which SQLite commits a transaction over attached files atomically.
bool IsRollbackJournal(const QString& mode)
{
    const QString lower = mode.toLower();
    return lower == QLatin1String("delete") || lower == QLatin1String("truncate") ||
           lower == QLatin1String("persist");
}

StoredSale PaymentFailure(StoredSale::Failure failure, const QSqlError& error)
{
    StoredSale result;
    result.failure = failure;
    result.error = error;
    return result;
}

QSqlError OwnError(const QString& text)
{
    return QSqlError(text, QString(), QSqlError::TransactionError);
}

} // namespace

SaleLinePrice PendingLine::Price() const
{
    SaleLinePrice price;
    price.valid = true;
    price.discountText = texts.value(CItemTransactionsModel::ColDiscount);
    price.lineTotalText = texts.value(CItemTransactionsModel::ColLineTotal);
    price.purchaseTotalText = texts.value(CItemTransactionsModel::ColPurchaseTotal);
    price.discount = Money::Parse(price.discountText);
    price.lineTotal = Money::Parse(price.lineTotalText);
    price.purchaseTotal = Money::Parse(price.purchaseTotalText);
    price.taxUnits = taxUnits;
    return price;
}

void PendingLine::SetTexts(const QStringList& lineTexts)
{
    texts = lineTexts;
    record = SaleLineFromTexts(0, texts);
}

QList<SaleLineRecord> SaleLinesOf(const QList<PendingLine>& lines)
{
    QList<SaleLineRecord> records;
    records.reserve(lines.size());
    for (int index = 0; index < lines.size(); ++index) {
        records << lines.at(index).record;
        records.last().index = index;
    }
    return records;
}

SaleSums PendingSale::Sums() const
{
    SaleSums sums;
    for (const PendingLine& line : lines)
        AddLineToSums(sums, line.Price());
    return sums;
}

PendingSales::PendingSales(const QSqlDatabase& inventory) : m_db(inventory) {}

PendingSales::~PendingSales()
{
    DetachSales();
}

bool PendingSales::IsOpen() const
{
    return m_db.isValid() && m_db.isOpen();
}

QSqlQuery& PendingSales::Prepared(Statement statement)
{
    std::unique_ptr<QSqlQuery>& query = m_statements[statement];
    if (!query) {
        query.reset(new QSqlQuery(m_db));
        // Rows are read once, in order: no cache of the rows read so far.
        query->setForwardOnly(true);
        if (!query->prepare(QString::fromLatin1(STATEMENTS[statement])))
            MERCHORA_LOG_DB_ERROR(query->lastError());
    }
    return *query;
}

bool PendingSales::Run(QSqlQuery& query)
{
    if (query.exec())
        return true;
    m_error = query.lastError();
    MERCHORA_LOG_DB_ERROR(m_error);
    return false;
}

bool PendingSales::Exec(const QString& sql, const QVariantList& values)
{
    QSqlQuery query(m_db);
    if (!query.prepare(sql)) {
        m_error = query.lastError();
        MERCHORA_LOG_DB_ERROR(m_error);
        return false;
    }
    for (const QVariant& value : values)
        query.addBindValue(value);
    return Run(query);
}

bool PendingSales::Begin()
{
    if (m_db.transaction())
        return true;
    m_error = m_db.lastError();
    MERCHORA_LOG_DB_ERROR(m_error);
    return false;
}

bool PendingSales::Commit()
{
    if (m_db.commit())
        return true;
    m_error = m_db.lastError();
    MERCHORA_LOG_DB_ERROR(m_error);
    m_db.rollback();
    return false;
}

void PendingSales::Rollback()
{
    if (!m_db.rollback())
        MERCHORA_LOG_DB_ERROR(m_db.lastError());
}

bool PendingSales::Enter(qint64* saleId, const QString& user, const QString& customerId,
                         const StockWrite& stock, PendingLine* line)
{
    if (!Begin())
        return false;

    QSqlQuery& update = Prepared(UpdateStock);
    update.bindValue(QStringLiteral(":quantity"), stock.newQuantity);
    update.bindValue(QStringLiteral(":sub_items"), stock.newSubItems);
    update.bindValue(QStringLiteral(":id"), stock.batchId);
    update.bindValue(QStringLiteral(":read_quantity"), stock.readQuantity);
    update.bindValue(QStringLiteral(":read_sub_items"), stock.readSubItems);
    if (!Run(update) || update.numRowsAffected() != 1) {
        if (update.isActive())
            m_error = OwnError(QStringLiteral("The stock of the batch changed since it was read"));
        Rollback();
        return false;
    }

    qint64 sale = *saleId;
    if (sale < 0) {
        QSqlQuery& insert = Prepared(InsertSale);
        insert.bindValue(QStringLiteral(":started"),
                         QDateTime::currentDateTime().toString(QLatin1String(TIME_FORMAT)));
        insert.bindValue(QStringLiteral(":user_id"), user);
        insert.bindValue(QStringLiteral(":customer_id"),
                         customerId.isEmpty() ? QVariant(QVariant::String) : QVariant(customerId));
        if (!Run(insert)) {
            Rollback();
            return false;
        }
        sale = insert.lastInsertId().toLongLong();
    }

    const auto text = [line](int column) {
        return line->texts.value(column);
    };
    QSqlQuery& insert = Prepared(InsertLine);
    insert.bindValue(QStringLiteral(":sale"), sale);
    insert.bindValue(QStringLiteral(":batch"), line->batchId);
    insert.bindValue(QStringLiteral(":returned"), line->returned ? 1 : 0);
    insert.bindValue(QStringLiteral(":name"), text(CItemTransactionsModel::ColName));
    insert.bindValue(QStringLiteral(":quantity"), text(CItemTransactionsModel::ColItems));
    insert.bindValue(QStringLiteral(":sub_items"), text(CItemTransactionsModel::ColSubItems));
    insert.bindValue(QStringLiteral(":price"), text(CItemTransactionsModel::ColPrice));
    insert.bindValue(QStringLiteral(":discount"), text(CItemTransactionsModel::ColDiscount));
    insert.bindValue(QStringLiteral(":sub_total"), text(CItemTransactionsModel::ColLineTotal));
    insert.bindValue(QStringLiteral(":purchase_price"),
                     text(CItemTransactionsModel::ColPurchasePrice));
    insert.bindValue(QStringLiteral(":purchase_sub_total"),
                     text(CItemTransactionsModel::ColPurchaseTotal));
    insert.bindValue(QStringLiteral(":tax_units"), line->taxUnits);
    if (!Run(insert)) {
        Rollback();
        return false;
    }
    const qint64 lineId = insert.lastInsertId().toLongLong();
    if (!Commit())
        return false;
    *saleId = sale;
    line->id = lineId;
    return true;
}

QString PendingSales::VoidLineInTransaction(qint64 lineId, int index, const QString& user,
                                            const QString& when)
{
    const QString failed = tr("The line could not be voided.");
    QSqlQuery& read = Prepared(ReadLineForVoid);
    read.bindValue(QStringLiteral(":line"), lineId);
    if (!Run(read))
        return failed;
    if (!read.next()) {
        read.finish();
        m_error = OwnError(QStringLiteral("No such pending line"));
        return failed;
    }
    const QVariant sale = read.value(0);
    const QVariant batch = read.value(1);
    const bool returned = read.value(2).toInt() != 0;
    const QString name = read.value(3).toString();
    const QString quantityText = read.value(4).toString();
    const QString subItemsText = read.value(5).toString();
    const Money subTotal = Money::Parse(read.value(6).toString());
    const qint64 quantity = read.value(7).toLongLong();
    const qint64 subItems = read.value(8).toLongLong();
    const qint64 itemsPerUnit = read.value(9).toLongLong();
    read.finish();

    // Everything in sub-items, as at entry: a sold line's stock goes back to its batch, a
    // returned line's stock is taken from it again.
    if (itemsPerUnit <= 0)
        return tr("This item has no valid items per unit. Please correct the product.");
    const qint64 moved = quantityText.toLongLong() * itemsPerUnit + subItemsText.toLongLong();
    const qint64 stock = quantity * itemsPerUnit + subItems;
    const qint64 remaining = returned ? stock - moved : stock + moved;
    if (remaining < 0)
        return tr("The returned stock of this line has been sold since: it cannot be voided.");

    QSqlQuery& update = Prepared(UpdateStock);
    update.bindValue(QStringLiteral(":quantity"), remaining / itemsPerUnit);
    update.bindValue(QStringLiteral(":sub_items"), remaining % itemsPerUnit);
    update.bindValue(QStringLiteral(":id"), batch);
    update.bindValue(QStringLiteral(":read_quantity"), quantity);
    update.bindValue(QStringLiteral(":read_sub_items"), subItems);
    if (!Run(update) || update.numRowsAffected() != 1)
        return failed;

    QSqlQuery& audit = Prepared(InsertVoid);
    audit.bindValue(QStringLiteral(":sale"), sale);
    audit.bindValue(QStringLiteral(":index"), index);
    audit.bindValue(QStringLiteral(":name"), name);
    audit.bindValue(QStringLiteral(":quantity"), quantityText);
    audit.bindValue(QStringLiteral(":sub_items"), subItemsText);
    audit.bindValue(QStringLiteral(":sub_total"), subTotal.ToDouble());
    audit.bindValue(QStringLiteral(":user_id"), user);
    audit.bindValue(QStringLiteral(":time_stamp"), when);
    if (!Run(audit))
        return failed;

    QSqlQuery& remove = Prepared(DeleteLine);
    remove.bindValue(QStringLiteral(":line"), lineId);
    if (!Run(remove) || remove.numRowsAffected() != 1)
        return failed;
    return QString();
}

QString PendingSales::VoidLine(qint64 lineId, int index, const QString& user)
{
    if (!Begin())
        return tr("The line could not be voided.");
    const QString refusal = VoidLineInTransaction(
        lineId, index, user, QDateTime::currentDateTime().toString(QLatin1String(TIME_FORMAT)));
    if (!refusal.isEmpty()) {
        Rollback();
        return refusal;
    }
    return Commit() ? QString() : tr("The line could not be voided.");
}

QString PendingSales::VoidSale(qint64 saleId, const QString& user)
{
    const QString failed = tr("The sale could not be voided.");
    if (!Begin())
        return failed;
    const QList<PendingLine> lines = Lines(saleId);
    const QString when = QDateTime::currentDateTime().toString(QLatin1String(TIME_FORMAT));
    for (int index = 0; index < lines.size(); ++index) {
        const QString refusal = VoidLineInTransaction(lines.at(index).id, index, user, when);
        if (!refusal.isEmpty()) {
            Rollback();
            return refusal;
        }
    }
    if (!Exec(QStringLiteral("DELETE FROM tblPendingSales WHERE ID = ?"), {saleId})) {
        Rollback();
        return failed;
    }
    return Commit() ? QString() : failed;
}

bool PendingSales::CheckAttachedStores()
{
    QSqlQuery check(m_db);
    QStringList journals;
    for (const char* schema : {"main", "sales"}) {
        const bool read =
            check.exec(QStringLiteral("PRAGMA %1.journal_mode").arg(QLatin1String(schema))) &&
            check.next();
        journals << (read ? check.value(0).toString() : QString());
    }
    const bool stamped = check.exec(QStringLiteral("SELECT DB_VERSION FROM sales.tblMerchora")) &&
                         check.next() &&
                         check.value(0).toString() == QLatin1String(SALES_DB_VERSION);
    check.finish();
    if (!stamped)
        m_error = OwnError(QStringLiteral("The attached file is not a sales store"));
    // Only with a rollback journal does one commit cover both files atomically.
    else if (!IsRollbackJournal(journals.at(0)) || !IsRollbackJournal(journals.at(1)))
        m_error = OwnError(QStringLiteral("A store is not in rollback-journal mode: ") +
                           journals.join(QLatin1Char('/')));
    else
        return true;
    MERCHORA_LOG_DB_ERROR(m_error);
    return false;
}

StoredSale PendingSales::StoreAndClear(qint64 saleId, const SaleRecord& sale)
{
    if (!Begin())
        return PaymentFailure(StoredSale::Failure::Sale, m_error);
    StoredSale stored;
    if (sale.lines.isEmpty()) {
        m_error = OwnError(QStringLiteral("The sale has no lines"));
        stored = PaymentFailure(StoredSale::Failure::Sale, m_error);
    } else {
        stored = InsertSaleRows(m_db, sale, QStringLiteral("sales."));
    }
    if (!stored.Ok()) {
        Rollback();
        return stored;
    }

    const QVariantList thisSale{saleId};
    QSqlQuery clearLines(m_db);
    clearLines.prepare(QStringLiteral("DELETE FROM tblPendingLines WHERE PENDING_SALE_ID = ?"));
    clearLines.addBindValue(saleId);
    bool cleared = Run(clearLines);
    // The lines stored are the ones whose records are cleared: as many, or nothing happens.
    // (The count is the connection's last change, so it is read at once.)
    const int clearedLines = cleared ? clearLines.numRowsAffected() : -1;
    if (cleared && clearedLines != sale.lines.size()) {
        m_error = OwnError(QStringLiteral("The sale has %1 lines, its pending records %2")
                               .arg(sale.lines.size())
                               .arg(clearedLines));
        MERCHORA_LOG_DB_ERROR(m_error);
        cleared = false;
    }
    cleared =
        cleared &&
        Exec(QStringLiteral("INSERT INTO sales.tblSalesVoids (TRANSACTION_ID, ITEM_INDEX, "
                            "PRODUCT_NAME, QUANTITY, SUB_ITEMS, SUB_TOTAL, USER_ID, TIME_STAMP) "
                            "SELECT ?, ITEM_INDEX, PRODUCT_NAME, QUANTITY, SUB_ITEMS, SUB_TOTAL, "
                            "USER_ID, TIME_STAMP FROM tblPendingVoids WHERE PENDING_SALE_ID = ? "
                            "ORDER BY ID"),
             {stored.id, saleId}) &&
        Exec(QStringLiteral("DELETE FROM tblPendingVoids WHERE PENDING_SALE_ID = ?"), thisSale) &&
        Exec(QStringLiteral("DELETE FROM tblPendingSales WHERE ID = ?"), thisSale);
    if (!cleared) {
        Rollback();
        return PaymentFailure(StoredSale::Failure::Commit, m_error);
    }
    if (!Commit())
        return PaymentFailure(StoredSale::Failure::Commit, m_error);
    return stored;
}

bool PendingSales::Park(qint64 saleId)
{
    return Exec(QStringLiteral("UPDATE tblPendingSales SET PARKED = ? WHERE ID = ?"),
                {QDateTime::currentDateTime().toString(QLatin1String(TIME_FORMAT)), saleId});
}

bool PendingSales::Unpark(qint64 saleId)
{
    return Exec(QStringLiteral("UPDATE tblPendingSales SET PARKED = NULL WHERE ID = ?"), {saleId});
}

bool PendingSales::SetCustomer(qint64 saleId, const QString& customerId)
{
    return Exec(QStringLiteral("UPDATE tblPendingSales SET CUSTOMER_ID = ? WHERE ID = ?"),
                {customerId.isEmpty() ? QVariant(QVariant::String) : QVariant(customerId), saleId});
}

bool PendingSales::DropIfEmpty(qint64 saleId)
{
    return Exec(QStringLiteral("DELETE FROM tblPendingSales WHERE ID = ? AND NOT EXISTS (SELECT 1 "
                               "FROM tblPendingLines WHERE PENDING_SALE_ID = ?)"),
                {saleId, saleId});
}

QList<PendingLine> PendingSales::Lines(qint64 saleId)
{
    QList<PendingLine> lines;
    QSqlQuery& read = Prepared(ReadLines);
    read.bindValue(QStringLiteral(":sale"), saleId);
    if (!Run(read))
        return lines;
    while (read.next()) {
        PendingLine line;
        line.id = read.value(0).toLongLong();
        line.batchId = read.value(1).toLongLong();
        line.returned = read.value(2).toInt() != 0;
        line.SetTexts(QStringList{
            QString::number(lines.size()), read.value(3).toString(), read.value(4).toString(),
            read.value(5).toString(), read.value(6).toString(), read.value(7).toString(),
            read.value(8).toString(), read.value(9).toString(), read.value(10).toString()});
        line.taxUnits = read.value(11).toLongLong();
        lines << line;
    }
    read.finish();
    return lines;
}

QList<PendingSale> PendingSales::Sales(bool held)
{
    QList<PendingSale> sales;
    QSqlQuery query(m_db);
    const QString sql =
        held ? QStringLiteral("SELECT ID, STARTED, USER_ID, CUSTOMER_ID, PARKED FROM "
                              "tblPendingSales WHERE PARKED IS NOT NULL ORDER BY "
                              "PARKED, ID")
             : QStringLiteral("SELECT ID, STARTED, USER_ID, CUSTOMER_ID, PARKED FROM "
                              "tblPendingSales WHERE PARKED IS NULL ORDER BY ID DESC");
    if (!query.exec(sql)) {
        m_error = query.lastError();
        MERCHORA_LOG_DB_ERROR(m_error);
        return sales;
    }
    while (query.next()) {
        PendingSale sale;
        sale.id = query.value(0).toLongLong();
        sale.started = QDateTime::fromString(query.value(1).toString(), QLatin1String(TIME_FORMAT));
        sale.userId = query.value(2).toString();
        sale.customerId = query.value(3).toString();
        sale.parked = QDateTime::fromString(query.value(4).toString(), QLatin1String(TIME_FORMAT));
        sales << sale;
    }
    query.finish();
    for (PendingSale& sale : sales)
        sale.lines = Lines(sale.id);
    return sales;
}

QList<PendingSale> PendingSales::OnTill()
{
    QList<PendingSale> sales = Sales(false);
    for (auto sale = sales.begin(); sale != sales.end();) {
        if (sale->lines.isEmpty()) {
            DropIfEmpty(sale->id);
            sale = sales.erase(sale);
        } else {
            ++sale;
        }
    }
    return sales;
}

QList<PendingSale> PendingSales::Held()
{
    return Sales(true);
}

PendingSale PendingSales::Load(qint64 saleId)
{
    PendingSale sale;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral(
        "SELECT ID, STARTED, USER_ID, CUSTOMER_ID, PARKED FROM tblPendingSales WHERE ID = ?"));
    query.addBindValue(saleId);
    if (!Run(query) || !query.next())
        return sale;
    sale.id = query.value(0).toLongLong();
    sale.started = QDateTime::fromString(query.value(1).toString(), QLatin1String(TIME_FORMAT));
    sale.userId = query.value(2).toString();
    sale.customerId = query.value(3).toString();
    sale.parked = QDateTime::fromString(query.value(4).toString(), QLatin1String(TIME_FORMAT));
    query.finish();
    sale.lines = Lines(saleId);
    return sale;
}

bool PendingSales::AttachSales(const QString& salesPath)
{
    // The sales store stays attached from one payment to the next, as long as the path still
    // names the very file that was attached: a file replaced or deleted since is let go.
    QT_STATBUF info;
    const QByteArray native = QFile::encodeName(QFileInfo(salesPath).absoluteFilePath());
    if (QT_STAT(native.constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        DetachSales();
        m_error = OwnError(QStringLiteral("The sales store is missing: ") + salesPath);
        MERCHORA_LOG_DB_ERROR(m_error);
        return false;
    }
    const QPair<quint64, quint64> identity(quint64(info.st_dev), quint64(info.st_ino));
    if (m_attached && m_attachedPath == salesPath && m_attachedFile == identity)
        return true;
    DetachSales();
    // A connection that takes URIs attaches the file so that it is never created, should it
    // vanish in the meantime.
    const bool uri = m_db.connectOptions().contains(QLatin1String("QSQLITE_OPEN_URI"));
    if (!Exec(QStringLiteral("ATTACH DATABASE ? AS sales"),
              {uri ? NoCreateUri(salesPath) : QFileInfo(salesPath).absoluteFilePath()}))
        return false;
    m_attached = true;
    if (!CheckAttachedStores()) {
        DetachSales();
        return false;
    }
    m_attachedPath = salesPath;
    m_attachedFile = identity;
    return true;
}

void PendingSales::DetachSales()
{
    if (!m_attached)
        return;
    m_attached = false;
    if (IsOpen() && !Exec(QStringLiteral("DETACH DATABASE sales")))
        qWarning() << "The sales store stays attached to the inventory connection";
}

StoredSale PendingSales::Pay(qint64 saleId, const SaleRecord& sale, const QString& salesPath)
{
    if (!AttachSales(salesPath))
        return PaymentFailure(StoredSale::Failure::Sale, m_error);
    const StoredSale stored = StoreAndClear(saleId, sale);
    // After a failure the next attempt starts from the file as it is then.
    if (!stored.Ok())
        DetachSales();
    return stored;
}
