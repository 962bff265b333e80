// Measures the sales-report statements on a big sales store: the statements that compare the
// stored time stamp with a half-open range of bound days, against the older ones that apply
// date() to the column and so read every sale. Not a test; run by hand (offscreen):
//
//   merchora_bench_salesreport SALES.mercdb [--runs N]
//
// The store is opened as the program opens it (settings in a temporary home). The period is the
// last 30 days of the data: "today" is the day after the last sale. Each statement runs once
// untimed, then N times (15) with old and new taking turns, so both see the same cache; medians
// and 90th percentiles are printed. Exits with 1 when old and new give different results, or when
// the new totals are less than 10 times and the new product grouping less than 9 times as fast as
// the old ones.

#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/reportqueries.h"
#include "core/utility.h"
#include "reporting/salesmanagement.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Rows = QVector<QVariantList>;
// Compares the rows of the old and the new statement (or checks the new ones alone when there is
// no old statement); returns an empty text when they agree, else what differs.
using Check = std::function<QString(const Rows& oldRows, const Rows& newRows)>;

constexpr double kTotalsLimit = 10.0;
constexpr double kGroupingLimit = 9.0;

// The statements the reports and the sales history used before, dates spliced in as the program
// did. They are kept here only as the reference to compare against.
const char kOldTotals[] =
    "SELECT SUM(SUB_TOTAL) AS 'TOTAL SALES', SUM(DISCOUNT) AS 'TOTAL DISCOUNT',  "
    "SUM(PURCHASE_SUB_TOTAL) AS 'TOTAL PURCHASE COST' FROM tblSalesInvoice as si, "
    "tblSalesTransactions as st WHERE date(st.TIME_STAMP) BETWEEN date('%1') AND date('%2') AND "
    "si.TRANSACTION_ID = st.ID";
const char kOldProductGrouping[] =
    "SELECT si.PRODUCT_NAME, SUM(SUB_TOTAL) AS 'SALES', SUM(DISCOUNT) AS 'DISCOUNT', "
    "SUM(PURCHASE_SUB_TOTAL) AS 'PURCHASE COST' FROM tblSalesInvoice as si LEFT JOIN "
    "tblSalesTransactions as st ON st.ID =si.TRANSACTION_ID  WHERE date(st.TIME_STAMP) BETWEEN "
    "date('%1') AND date('%2') GROUP BY si.PRODUCT_NAME  ORDER BY 'SALES' DESC ";
const char kOldHistoryDay[] =
    "SELECT * FROM tblSalesTransactions WHERE date(TIME_STAMP) = date('%1')";

struct Item
{
    const char* name;
    BoundStatement oldStatement; // empty text: measured new only
    BoundStatement newStatement;
    int maxRows; // rows read of each result; -1 reads them all
    Check check;
    double limit; // least acceptable old/new ratio; 0 for none
};

struct Measurement
{
    std::vector<double> oldTimes;
    std::vector<double> newTimes;
    QString difference;
};

QString Day(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

qint64 Cents(const QVariant& value)
{
    return qRound64(value.toDouble() * 100.0);
}

// Prepares, binds and runs the statement, then reads up to maxRows rows into rows. Returns the
// milliseconds all of that took, or -1 when the statement failed.
double Run(const QSqlDatabase& db, const BoundStatement& statement, int maxRows, Rows* rows)
{
    rows->clear();
    QElapsedTimer timer;
    timer.start();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement.text)) {
        std::fprintf(stderr, "prepare failed: %s\n%s\n", qPrintable(query.lastError().text()),
                     qPrintable(statement.text));
        return -1;
    }
    for (const QVariant& value : statement.values)
        query.addBindValue(value);
    if (!query.exec()) {
        std::fprintf(stderr, "exec failed: %s\n", qPrintable(query.lastError().text()));
        return -1;
    }
    const int columns = query.record().count();
    while ((maxRows < 0 || rows->size() < maxRows) && query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int column = 0; column < columns; ++column)
            row.append(query.value(column));
        rows->append(row);
    }
    return timer.nsecsElapsed() / 1e6;
}

void PrintPlan(const QSqlDatabase& db, const char* label, const BoundStatement& statement)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + statement.text);
    for (const QVariant& value : statement.values)
        query.addBindValue(value);
    std::printf("  %s:\n", label);
    if (!query.exec()) {
        std::printf("    (no plan: %s)\n", qPrintable(query.lastError().text()));
        return;
    }
    while (query.next())
        std::printf("    %s\n", qPrintable(query.value(3).toString()));
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

// Nearest rank: the smallest time that at least 90 % of the runs did not exceed.
double P90(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const size_t rank = size_t(std::ceil(0.9 * double(times.size())));
    return times[std::max<size_t>(rank, 1) - 1];
}

// Sales, discount and purchase cost of the three sums of a totals row, in cents.
QString CompareTotals(const Rows& oldRows, const Rows& newRows)
{
    if (oldRows.size() != 1 || newRows.size() != 1)
        return QStringLiteral("not one row each");
    for (int column = 0; column < 3; ++column) {
        if (Cents(oldRows[0].value(column)) != Cents(newRows[0].value(column)))
            return QStringLiteral("sum %1: %2 against %3")
                .arg(column + 1)
                .arg(oldRows[0].value(column).toString(), newRows[0].value(column).toString());
    }
    return QString();
}

// The total of the sales column over all groups, in cents.
qint64 GroupedSales(const Rows& rows)
{
    double sum = 0;
    for (const QVariantList& row : rows)
        sum += row.value(1).toDouble();
    return qRound64(sum * 100.0);
}

// Every group key once, largest sales first.
QString CheckGroups(const Rows& rows, qint64 totalSalesCents)
{
    QSet<QString> keys;
    for (int i = 0; i < rows.size(); ++i) {
        const QString key = rows[i].value(0).toString();
        if (keys.contains(key))
            return QStringLiteral("group %1 twice").arg(key);
        keys.insert(key);
        if (i > 0 && Cents(rows[i].value(1)) > Cents(rows[i - 1].value(1)))
            return QStringLiteral("not ordered by sales at row %1").arg(i + 1);
    }
    const qint64 grouped = GroupedSales(rows);
    if (std::llabs(grouped - totalSalesCents) > 1)
        return QStringLiteral("groups add up to %1 cents, the totals to %2")
            .arg(grouped)
            .arg(totalSalesCents);
    return QString();
}

Rows SortedByKey(Rows rows)
{
    std::sort(rows.begin(), rows.end(), [](const QVariantList& a, const QVariantList& b) {
        return a.value(0).toString() < b.value(0).toString();
    });
    return rows;
}

QString CompareGroupings(const Rows& oldRows, const Rows& newRows, qint64 totalSalesCents)
{
    const QString groups = CheckGroups(newRows, totalSalesCents);
    if (!groups.isEmpty())
        return groups;
    const Rows a = SortedByKey(oldRows);
    const Rows b = SortedByKey(newRows);
    if (a.size() != b.size())
        return QStringLiteral("%1 rows against %2").arg(a.size()).arg(b.size());
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].value(0).toString() != b[i].value(0).toString())
            return QStringLiteral("row %1: %2 against %3")
                .arg(i + 1)
                .arg(a[i].value(0).toString(), b[i].value(0).toString());
        for (int column = 1; column < 4; ++column) {
            if (Cents(a[i].value(column)) != Cents(b[i].value(column)))
                return QStringLiteral("%1, column %2: %3 against %4")
                    .arg(a[i].value(0).toString())
                    .arg(column + 1)
                    .arg(a[i].value(column).toString(), b[i].value(column).toString());
        }
    }
    return QString();
}

QString CompareIds(const Rows& oldRows, const Rows& newRows)
{
    const auto ids = [](const Rows& rows) {
        std::vector<qint64> list;
        for (const QVariantList& row : rows)
            list.push_back(row.value(0).toLongLong());
        std::sort(list.begin(), list.end());
        return list;
    };
    const std::vector<qint64> a = ids(oldRows);
    const std::vector<qint64> b = ids(newRows);
    if (a.empty())
        return QStringLiteral("no sales that day");
    return a == b ? QString() : QStringLiteral("%1 sales against %2").arg(a.size()).arg(b.size());
}

qint64 ScalarOf(const QSqlDatabase& db, const QString& text, const QVariantList& values = {})
{
    QSqlQuery query(db);
    if (!query.prepare(text))
        return -1;
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec() && query.next() ? query.value(0).toLongLong() : -1;
}

bool OpenStore(const QString& path)
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    const QFileInfo info(path);
    settings->setValue(QString::fromLatin1(SettingKey::SALES_DATA_FOLDER_PATH),
                       info.absolutePath());
    settings->setValue(QString::fromLatin1(SettingKey::ACTIVE_SALES_DB), info.fileName());
    CDBManager::GetInstance()->GetSalesDataBase();
    return CDBManager::GetInstance()->IsSalesConnected();
}

} // namespace

int main(int argc, char** argv)
{
    TestSupport::IsolatedEnvironment environment;
    QCoreApplication app(argc, argv);

    QString path;
    int runs = 15;
    bool usage = false;
    const QStringList arguments = app.arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--runs") && i + 1 < arguments.size())
            runs = qMax(1, arguments.at(++i).toInt());
        else if (!a.startsWith(QLatin1String("--")) && path.isEmpty())
            path = a;
        else
            usage = true;
    }
    if (usage || path.isEmpty() || !QFileInfo(path).isFile()) {
        std::fprintf(stderr, "usage: merchora_bench_salesreport SALES.mercdb [--runs N]\n");
        return 2;
    }

    QElapsedTimer openTimer;
    openTimer.start();
    if (!OpenStore(path)) {
        std::fprintf(stderr, "cannot open %s as a sales store\n", qPrintable(path));
        return 1;
    }
    const double openMs = openTimer.nsecsElapsed() / 1e6;
    const QSqlDatabase db = CDBManager::GetInstance()->GetSalesDataBase();

    const qint64 sales = ScalarOf(db, QStringLiteral("SELECT COUNT(*) FROM tblSalesTransactions"));
    const qint64 lines = ScalarOf(db, QStringLiteral("SELECT COUNT(*) FROM tblSalesInvoice"));
    QSqlQuery span(db);
    if (!span.exec(QStringLiteral("SELECT MIN(TIME_STAMP), MAX(TIME_STAMP) FROM "
                                  "tblSalesTransactions")) ||
        !span.next() || span.value(1).isNull()) {
        std::fprintf(stderr, "%s holds no sales\n", qPrintable(path));
        return 1;
    }
    const QDate first = QDate::fromString(span.value(0).toString().left(10), Qt::ISODate);
    const QDate last = QDate::fromString(span.value(1).toString().left(10), Qt::ISODate);
    const QDate today = last.addDays(1);
    const ReportPeriod period = ReportPeriods::LastThirtyDays(today);
    const QDate historyDay = first.addDays(first.daysTo(last) / 2);

    std::printf("%s: %lld sales, %lld lines, %s .. %s (opened and checked in %.0f ms)\n",
                qPrintable(path), static_cast<long long>(sales), static_cast<long long>(lines),
                qPrintable(span.value(0).toString()), qPrintable(span.value(1).toString()), openMs);
    const QString start = Day(period.start);
    const QString end = Day(period.end);
    // Counted the old way, as a reference for the checks below.
    const qint64 periodSales =
        ScalarOf(db,
                 QStringLiteral("SELECT COUNT(*) FROM tblSalesTransactions WHERE date(TIME_STAMP) "
                                "BETWEEN date(?) AND date(?)"),
                 {start, end});
    const qint64 periodDays =
        ScalarOf(db,
                 QStringLiteral("SELECT COUNT(DISTINCT date(TIME_STAMP)) FROM tblSalesTransactions "
                                "WHERE date(TIME_STAMP) BETWEEN date(?) AND date(?)"),
                 {start, end});
    std::printf("period %s .. %s: %lld sales on %lld days; history day %s\n", qPrintable(start),
                qPrintable(end), static_cast<long long>(periodSales),
                static_cast<long long>(periodDays), qPrintable(Day(historyDay)));

    const BoundStatement newTotals = SalesReport::Totals(period);
    Rows totalsRows;
    if (Run(db, newTotals, 1, &totalsRows) < 0 || totalsRows.isEmpty())
        return 1;
    const qint64 totalSalesCents = Cents(totalsRows[0].value(0));

    const QString dateColumn = Utility::GetInstance()->GetSqlDateColumn(
        QStringLiteral("st.TIME_STAMP"), QStringLiteral("DATE"));
    const auto grouped = [&](SalesGrouping grouping) {
        return SalesReport::Grouped(grouping, period, dateColumn);
    };
    const auto groupsOnly = [totalSalesCents](const Rows&, const Rows& rows) {
        return CheckGroups(rows, totalSalesCents);
    };
    const SalesSearch history = SalesSearchFor(QString(), historyDay);

    std::vector<Item> items;
    items.push_back({"30-day totals",
                     {QString::fromLatin1(kOldTotals).arg(start, end), {}},
                     newTotals,
                     1,
                     CompareTotals,
                     kTotalsLimit});
    items.push_back({"30-day product grouping",
                     {QString::fromLatin1(kOldProductGrouping).arg(start, end), {}},
                     grouped(SalesGrouping::Product),
                     -1,
                     [totalSalesCents](const Rows& a, const Rows& b) {
                         return CompareGroupings(a, b, totalSalesCents);
                     },
                     kGroupingLimit});
    items.push_back(
        {"30-day customer grouping", {}, grouped(SalesGrouping::Customer), -1, groupsOnly, 0});
    items.push_back({"30-day user grouping", {}, grouped(SalesGrouping::User), -1, groupsOnly, 0});
    items.push_back({"30-day date grouping",
                     {},
                     grouped(SalesGrouping::Date),
                     -1,
                     [totalSalesCents, periodDays](const Rows&, const Rows& rows) {
                         if (rows.size() != periodDays)
                             return QStringLiteral("%1 rows for %2 days with sales")
                                 .arg(rows.size())
                                 .arg(periodDays);
                         return CheckGroups(rows, totalSalesCents);
                     },
                     0});
    items.push_back({"history: sales of one day",
                     {QString::fromLatin1(kOldHistoryDay).arg(Day(historyDay)), {}},
                     {QStringLiteral("SELECT * FROM tblSalesTransactions WHERE ") + history.filter,
                      history.values},
                     -1,
                     CompareIds,
                     0});

    std::printf("\nquery plans (no ANALYZE statistics):\n");
    for (const Item& item : items) {
        std::printf("%s\n", item.name);
        if (!item.oldStatement.text.isEmpty())
            PrintPlan(db, "old", item.oldStatement);
        PrintPlan(db, "new", item.newStatement);
    }
    std::printf("\n");

    bool failed = false;
    std::vector<Measurement> measurements(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        Measurement& m = measurements[i];
        const bool hasOld = !item.oldStatement.text.isEmpty();
        Rows oldRows;
        Rows newRows;
        // The untimed first run of each reads the pages both need and gives the rows compared.
        if ((hasOld && Run(db, item.oldStatement, item.maxRows, &oldRows) < 0) ||
            Run(db, item.newStatement, item.maxRows, &newRows) < 0)
            return 1;
        m.difference = item.check(oldRows, newRows);
        Rows scratch;
        for (int run = 0; run < runs; ++run) {
            // Old first on even runs, new first on odd ones.
            for (int turn = 0; turn < 2; ++turn) {
                const bool old = (run + turn) % 2 == 0;
                double ms = 0;
                if (old && hasOld)
                    m.oldTimes.push_back(ms = Run(db, item.oldStatement, item.maxRows, &scratch));
                else if (!old)
                    m.newTimes.push_back(ms = Run(db, item.newStatement, item.maxRows, &scratch));
                if (ms < 0)
                    return 1;
            }
        }
        std::printf("%-28s %5d rows  %s\n", item.name, newRows.size(),
                    m.difference.isEmpty() ? "results agree" : "RESULTS DIFFER");
        std::fflush(stdout);
        failed = failed || !m.difference.isEmpty();
    }

    std::printf("\n%d runs each; times in ms (prepare, bind, run, read the rows)\n", runs);
    std::printf("%-28s %10s %10s %10s %10s %9s\n", "statement", "old median", "old p90",
                "new median", "new p90", "old/new");
    QStringList verdicts;
    for (size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        const Measurement& m = measurements[i];
        const double newMedian = Median(m.newTimes);
        if (m.oldTimes.empty()) {
            std::printf("%-28s %10s %10s %10.1f %10.1f %9s\n", item.name, "-", "-", newMedian,
                        P90(m.newTimes), "-");
        } else {
            const double oldMedian = Median(m.oldTimes);
            const double ratio = newMedian > 0 ? oldMedian / newMedian : 0;
            std::printf("%-28s %10.1f %10.1f %10.1f %10.1f %8.1fx\n", item.name, oldMedian,
                        P90(m.oldTimes), newMedian, P90(m.newTimes), ratio);
            if (item.limit > 0 && ratio < item.limit) {
                verdicts << QStringLiteral("%1: %2 times as fast, below the target of %3")
                                .arg(QLatin1String(item.name))
                                .arg(ratio, 0, 'f', 1)
                                .arg(item.limit);
                failed = true;
            }
        }
        if (!m.difference.isEmpty())
            verdicts << QStringLiteral("%1: results differ (%2)")
                            .arg(QLatin1String(item.name), m.difference);
    }
    for (const QString& verdict : qAsConst(verdicts))
        std::printf("%s\n", qPrintable(verdict));
    return failed ? 1 : 0;
}
