#ifndef HOMEOVERVIEW_H
#define HOMEOVERVIEW_H

#include <QDate>
#include <QString>

class QSettings;
class QSqlDatabase;

// The figures of the home screen's overview, each as the text the screen shows.
struct HomeOverview
{
    QString companyName;
    QString currencySymbol;
    QString taxRate;
    QString taxName;
    QString currentUser;
    QString totalProducts;
    QString totalInventory;
    QString totalVendors;
    QString totalCustomers;
    QString purchasedInventory;
    QString yesterdaySales;
    QString last7DaysSales;
};

// The first column of the first row of a statement as display text: "0" for NULL or no row,
// "NOT AVAILABLE" when the database is not open or the statement fails. A money sum is rounded
// to the cent.
QString HomeOverviewScalar(const QSqlDatabase& database, const QString& sql, bool money = false);

// Total of the sales invoice lines whose transaction falls between the two dates, inclusive.
QString HomeOverviewSales(const QSqlDatabase& sales, const QDate& start, const QDate& end);

// All figures from the settings, the two databases and the logged-in user, relative to the day
// given as today. An empty sales tax name is stored as "TAX".
HomeOverview ComputeHomeOverview(QSettings* settings, const QSqlDatabase& inventory,
                                 const QSqlDatabase& sales, const QString& currentUser,
                                 const QDate& today);

// The figures from the program's settings, databases and logged-in user as of today.
HomeOverview LoadHomeOverview();

#endif // HOMEOVERVIEW_H
