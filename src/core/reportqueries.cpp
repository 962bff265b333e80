#include "core/reportqueries.h"

#include "core/DBManager.h"
#include "core/money.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const char kSqlDate[] = "yyyy-MM-dd";

const char kSums[] = "SUM(si.SUB_TOTAL) AS 'SALES', SUM(si.DISCOUNT) AS 'DISCOUNT', "
                     "SUM(si.PURCHASE_SUB_TOTAL) AS 'PURCHASE COST' ";

// The join runs from the sales of the period (found through the time-stamp index) to their
// lines (through the index on TRANSACTION_ID).
const char kSalesJoin[] = "FROM tblSalesTransactions as st "
                          "JOIN tblSalesInvoice as si ON si.TRANSACTION_ID = st.ID ";

const char kStockSelect[] =
    "SELECT p.NAME as PRODUCT, v.NAME as VENDOR, i.BAR_CODE, i.BATCH_NUMBER, %1, "
    "i.STORAGE_LOCATION, i.QUANTITY FROM tblInventory as i, tblProducts as p , tblVendors as v "
    "WHERE i.PRODUCT_ID = p.ID AND i.VENDOR_ID = v.ID AND ";

QString StockSelect(const QString& expiryColumn)
{
    return QString::fromLatin1(kStockSelect).arg(expiryColumn);
}

// A money sum as the report shows it; NULL (no rows) is empty.
QString SumText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    bool ok = false;
    const Money amount = Money::FromDouble(value.toDouble(), &ok);
    return ok ? amount.ToString() : value.toString();
}

} // namespace

namespace ReportPeriods {

ReportPeriod Yesterday(const QDate& today)
{
    return {today.addDays(-1), today.addDays(-1)};
}

ReportPeriod LastSevenDays(const QDate& today)
{
    return {today.addDays(-8), today.addDays(-1)};
}

ReportPeriod LastThirtyDays(const QDate& today)
{
    return {today.addDays(-31), today.addDays(-1)};
}

} // namespace ReportPeriods

QString PeriodCondition(const QString& column, const ReportPeriod& period, QVariantList* values)
{
    // A bare day sorts before every time of that day, so "< the next day" keeps the whole end day.
    values->append(period.start.toString(QString::fromLatin1(kSqlDate)));
    values->append(period.end.addDays(1).toString(QString::fromLatin1(kSqlDate)));
    return QStringLiteral("%1 >= ? AND %1 < ?").arg(column);
}

namespace SalesReport {

BoundStatement Totals(const ReportPeriod& period)
{
    BoundStatement statement;
    statement.text = QStringLiteral("SELECT SUM(si.SUB_TOTAL) AS 'TOTAL SALES', "
                                    "SUM(si.DISCOUNT) AS 'TOTAL DISCOUNT', "
                                    "SUM(si.PURCHASE_SUB_TOTAL) AS 'TOTAL PURCHASE COST' ") +
                     QLatin1String(kSalesJoin) + QStringLiteral("WHERE ") +
                     PeriodCondition(QStringLiteral("st.TIME_STAMP"), period, &statement.values);
    return statement;
}

BoundStatement Grouped(SalesGrouping grouping, const ReportPeriod& period,
                       const QString& dateColumn)
{
    QString key;
    QString select;
    switch (grouping) {
    case SalesGrouping::Product:
        key = select = QStringLiteral("si.PRODUCT_NAME");
        break;
    case SalesGrouping::Customer:
        key = select = QStringLiteral("st.CUSTOMER_ID");
        break;
    case SalesGrouping::User:
        key = select = QStringLiteral("st.USER_ID");
        break;
    case SalesGrouping::Date:
        // One row per calendar day, whatever the times of its sales.
        key = QStringLiteral("date(st.TIME_STAMP)");
        select = dateColumn;
        break;
    }
    BoundStatement statement;
    statement.text = QStringLiteral("SELECT %1, ").arg(select) + QLatin1String(kSums) +
                     QLatin1String(kSalesJoin) + QStringLiteral("WHERE ") +
                     PeriodCondition(QStringLiteral("st.TIME_STAMP"), period, &statement.values) +
                     QStringLiteral(" GROUP BY %1 ORDER BY SUM(si.SUB_TOTAL) DESC, %1").arg(key);
    return statement;
}

QString GroupingCaption(SalesGrouping grouping)
{
    switch (grouping) {
    case SalesGrouping::Product:
        return QCoreApplication::translate("SalesReport", "RESULTS GROUPED BY PRODUCT");
    case SalesGrouping::Customer:
        return QCoreApplication::translate("SalesReport", "RESULTS GROUPED BY CUSTOMER");
    case SalesGrouping::Date:
        return QCoreApplication::translate("SalesReport", "RESULTS GROUPED BY DATE");
    case SalesGrouping::User:
        return QCoreApplication::translate("SalesReport", "RESULTS GROUPED BY USER");
    }
    return QString();
}

} // namespace SalesReport

SalesTotals LoadSalesTotals(const QSqlDatabase& sales, const ReportPeriod& period)
{
    const BoundStatement statement = SalesReport::Totals(period);
    QSqlQuery query(sales);
    query.setForwardOnly(true);
    if (!query.prepare(statement.text)) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        return {};
    }
    for (const QVariant& value : statement.values)
        query.addBindValue(value);
    if (!query.exec() || !query.next()) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        return {};
    }
    return {SumText(query.value(0)), SumText(query.value(1)), SumText(query.value(2))};
}

QString ProfitText(const QString& totalSales, const QString& totalPurchaseCost)
{
    const Money sales = Money::FromDouble(totalSales.toDouble());
    const Money cost = Money::FromDouble(totalPurchaseCost.toDouble());
    return (sales - cost).ToString();
}

namespace StockReport {

BoundStatement LowStock(int threshold)
{
    return {StockSelect(QStringLiteral("i.EXPIRY_DATE")) + QStringLiteral("i.QUANTITY < ?"),
            {threshold}};
}

BoundStatement Expiring(const QDate& limit, const QString& dateColumn)
{
    return {StockSelect(dateColumn) +
                QStringLiteral("strftime('%s', i.EXPIRY_DATE) <  strftime('%s', ?)"),
            {limit.toString(QString::fromLatin1(kSqlDate))}};
}

BoundStatement OutOfStock()
{
    return {StockSelect(QStringLiteral("i.EXPIRY_DATE")) + QStringLiteral("i.QUANTITY == 0"), {}};
}

} // namespace StockReport

bool ParseStockThreshold(const QString& text, int* threshold, QString* message)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    const QString trimmed = text.trimmed();
    bool ok = digits.match(trimmed).hasMatch();
    const int value = ok ? trimmed.toInt(&ok) : 0;
    if (!ok) {
        *message = QCoreApplication::translate(
            "StockReport", "Please enter the threshold as a whole number of units, for example 5.");
        return false;
    }
    *threshold = value;
    return true;
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::TextAlignmentRole) {
        const QVariant value = QSqlQueryModel::data(index, Qt::DisplayRole);
        if (value.type() == QVariant::Double)
            return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    const QVariant value = QSqlQueryModel::data(index, role);
    if (role == Qt::DisplayRole && value.type() == QVariant::Double)
        return SumText(value);
    return value;
}
