#include "core/homeoverview.h"

#include "core/DBManager.h"
#include "core/money.h"
#include "core/reportqueries.h"
#include "core/utility.h"

#include <QCoreApplication>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char kDefaultTaxName[] = "TAX";

QString NotAvailable()
{
    return QCoreApplication::translate("HomeOverview", "NOT AVAILABLE");
}

QString NotSet()
{
    return QCoreApplication::translate("HomeOverview", "NOT SET");
}

// Numbers as the database returns them; fractions without float noise and, up to fifteen
// digits, without exponent.
QString NumberText(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("0");
    if (value.type() == QVariant::Double)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

// A sum of money columns: the stored REAL values add up with binary noise (0.1 + 0.2), so the
// sum is shown rounded to the cent, in its shortest plain form ("0.3", "150").
QString MoneySumText(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("0");
    return Money::FromDouble(value.toDouble()).ToPlainString();
}

QString ScalarOf(QSqlQuery& query, bool money)
{
    if (!query.exec()) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        return NotAvailable();
    }
    if (!query.next())
        return QStringLiteral("0");
    return money ? MoneySumText(query.value(0)) : NumberText(query.value(0));
}

} // namespace

QString HomeOverviewScalar(const QSqlDatabase& database, const QString& sql, bool money)
{
    if (!database.isOpen())
        return NotAvailable();
    QSqlQuery query(database);
    if (!query.prepare(sql)) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        return NotAvailable();
    }
    return ScalarOf(query, money);
}

QString HomeOverviewSales(const QSqlDatabase& sales, const QDate& start, const QDate& end)
{
    if (!sales.isOpen())
        return NotAvailable();
    QSqlQuery query(sales);
    QVariantList values;
    if (!query.prepare(QStringLiteral("SELECT SUM(SUB_TOTAL) AS 'TOTAL SALES' FROM "
                                      "tblSalesTransactions as st, tblSalesInvoice as si WHERE ") +
                       PeriodCondition(QStringLiteral("st.TIME_STAMP"), {start, end}, &values) +
                       QStringLiteral(" AND si.TRANSACTION_ID = st.ID"))) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        return NotAvailable();
    }
    for (const QVariant& value : qAsConst(values))
        query.addBindValue(value);
    return ScalarOf(query, true);
}

HomeOverview ComputeHomeOverview(QSettings* settings, const QSqlDatabase& inventory,
                                 const QSqlDatabase& sales, const QString& currentUser,
                                 const QDate& today)
{
    const auto stored = [settings](const char* key) {
        return settings->value(QString::fromLatin1(key)).toString();
    };

    HomeOverview overview;
    overview.companyName = stored(SettingKey::REPORT_COMPANY_NAME);
    if (overview.companyName.isEmpty())
        overview.companyName =
            QCoreApplication::translate("HomeOverview", "Please set from Settings dialog.");

    overview.currencySymbol = stored(SettingKey::CURRENCY_SYMBOL);
    if (overview.currencySymbol.isEmpty())
        overview.currencySymbol = NotSet();

    QString rate = stored(SettingKey::SALES_TAX_RATE_A);
    if (rate.isEmpty())
        rate = NotSet();
    overview.taxRate = rate + QStringLiteral(" %");

    overview.taxName = stored(SettingKey::SALES_TAX_NAME);
    if (overview.taxName.isEmpty()) {
        overview.taxName = QString::fromLatin1(kDefaultTaxName);
        settings->setValue(QString::fromLatin1(SettingKey::SALES_TAX_NAME), overview.taxName);
    }

    overview.currentUser = currentUser;

    overview.totalProducts =
        HomeOverviewScalar(inventory, QStringLiteral("SELECT COUNT(*) FROM tblProducts"));
    overview.totalInventory =
        HomeOverviewScalar(inventory, QStringLiteral("SELECT COUNT(*) FROM tblInventory"));
    overview.totalVendors =
        HomeOverviewScalar(inventory, QStringLiteral("SELECT COUNT(*) FROM tblVendors"));
    overview.totalCustomers =
        HomeOverviewScalar(inventory, QStringLiteral("SELECT COUNT(*) FROM tblCustomers"));
    overview.purchasedInventory = HomeOverviewScalar(
        inventory, QStringLiteral("SELECT SUM(PURCHASE_PRICE) FROM tblInventory;"), true);

    const ReportPeriod yesterday = ReportPeriods::Yesterday(today);
    const ReportPeriod lastDays = ReportPeriods::LastSevenDays(today);
    overview.yesterdaySales = HomeOverviewSales(sales, yesterday.start, yesterday.end);
    overview.last7DaysSales = HomeOverviewSales(sales, lastDays.start, lastDays.end);
    return overview;
}

HomeOverview LoadHomeOverview()
{
    CDBManager* manager = CDBManager::GetInstance();
    Utility* utility = Utility::GetInstance();
    const QSqlDatabase& inventory = manager->GetInventoryDataBase();
    const QSqlDatabase& sales = manager->GetSalesDataBase();
    return ComputeHomeOverview(utility->GetSettings(), inventory, sales, utility->GetLoggedInUser(),
                               QDate::currentDate());
}
