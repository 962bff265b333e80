#ifndef REPORTQUERIES_H
#define REPORTQUERIES_H

#include "core/sqlsearch.h"

#include <QCoreApplication>
#include <QDate>
#include <QSqlQueryModel>
#include <QString>

class QSqlDatabase;

// A sales period: whole calendar days, both bounds included.
struct ReportPeriod
{
    QDate start;
    QDate end;
};

// The fixed periods; today is never part of them.
namespace ReportPeriods {
// The day before today.
ReportPeriod Yesterday(const QDate& today);
// The "last 7 days" of the reports and the home screen: today - 8 to today - 1.
ReportPeriod LastSevenDays(const QDate& today);
// The "last 30 days": today - 31 to today - 1.
ReportPeriod LastThirtyDays(const QDate& today);
} // namespace ReportPeriods

// The condition that selects the sales of a period on the stored time stamps
// ("yyyy-MM-dd hh:mm:ss" text): start <= TIME_STAMP < the day after the end. Comparing the column
// itself, not a function of it, lets SQLite use the index on the time stamp. The two bounds are
// appended to values. A start after the end selects nothing.
QString PeriodCondition(const QString& column, const ReportPeriod& period, QVariantList* values);

enum class SalesGrouping
{
    Product,
    Customer,
    Date,
    User
};

// The statements of the sales reports. dateColumn is the display expression of the date grouping
// (Utility::GetSqlDateColumn for "st.TIME_STAMP" as "DATE").
namespace SalesReport {
// Sum of sales, discount and purchase cost of the period, as 'TOTAL SALES', 'TOTAL DISCOUNT' and
// 'TOTAL PURCHASE COST'.
BoundStatement Totals(const ReportPeriod& period);
// One row per product name, customer, calendar day or user with its summed sales, discount and
// purchase cost, largest sales first.
BoundStatement Grouped(SalesGrouping grouping, const ReportPeriod& period,
                       const QString& dateColumn);
// "RESULTS GROUPED BY PRODUCT" and the like, for the printed report.
QString GroupingCaption(SalesGrouping grouping);
} // namespace SalesReport

// The totals of a period as the report shows them: two decimals, empty when there were no sales.
struct SalesTotals
{
    QString sales;
    QString discount;
    QString purchaseCost;
};
SalesTotals LoadSalesTotals(const QSqlDatabase& sales, const ReportPeriod& period);

// Total sales minus total purchase cost in cents, two decimals; an empty text counts 0.
QString ProfitText(const QString& totalSales, const QString& totalPurchaseCost);

// The statements of the stock reports, on the inventory database.
namespace StockReport {
// Batches with fewer units than the threshold.
BoundStatement LowStock(int threshold);
// Batches whose expiry date lies before the limit, already expired ones included. dateColumn is
// the display expression of the expiry date.
BoundStatement Expiring(const QDate& limit, const QString& dateColumn);
// Batches without a unit in stock.
BoundStatement OutOfStock();
} // namespace StockReport

// The low-stock threshold as typed: a whole number of 0 or more, blanks around it allowed.
// Otherwise false, and message holds what to tell the user.
bool ParseStockThreshold(const QString& text, int* threshold, QString* message);

// The model of the report tables: amounts (REAL values, such as the sums of a sales grouping)
// show as two-decimal money, rounded half away from zero, aligned right; other values as they
// are stored.
class ReportTableModel : public QSqlQueryModel
{
public:
    using QSqlQueryModel::QSqlQueryModel;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

#endif // REPORTQUERIES_H
