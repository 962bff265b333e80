#include "reporting/reportsmanagement.h"
#include "ui_reportsmanagement.h"

#include "core/DBManager.h"
#include "core/reportqueries.h"
#include "core/utility.h"
#include "reporting/reportparameterdialog.h"
#include "reporting/reportviewer.h"

#include <QDebug>
#include <QMessageBox>
#include <QScroller>

ReportsManagement::ReportsManagement(QWidget* parent)
    : QScrollArea(parent), ui(new Ui::ReportsManagement)
{
    ui->setupUi(this);
    QScroller::grabGesture(viewport(), QScroller::LeftMouseButtonGesture);
}

ReportsManagement::~ReportsManagement()
{
    delete ui;
}

QDate ReportsManagement::Today() const
{
    return m_today.isValid() ? m_today : QDate::currentDate();
}

void ReportsManagement::on_buttonInventoryView_clicked()
{
    QWidget* owner = window();
    BoundStatement statement;
    QString heading;
    if (ui->radioLowStock->isChecked()) {
        ReportParameterDialog parameter(owner, false);
        parameter.SetPrompt(tr("Low Items Threshold"));
        parameter.exec();
        int threshold = 0;
        QString message;
        // The threshold is bound as a number; text that is none would give an empty report.
        if (!ParseStockThreshold(parameter.Value(), &threshold, &message)) {
            QMessageBox::warning(owner, tr("Low Items Threshold"), message);
            return;
        }
        statement = StockReport::LowStock(threshold);
        heading = tr("ITEMS HAVING STOCK LEVEL LESS THAN (%1)").arg(threshold);
    } else if (ui->radioSixMonths->isChecked()) {
        ReportParameterDialog parameter(owner, false);
        parameter.SetPrompt(tr("Expiration Value in Days"));
        parameter.exec();
        const QString days = parameter.Value();
        const QDate limit = Today().addDays(days.toInt());
        statement = StockReport::Expiring(
            limit, Utility::GetInstance()->GetSqlDateColumn(QStringLiteral("i.EXPIRY_DATE"),
                                                            QStringLiteral("Expiry Date")));
        qDebug() << "Expiry Statement: " << statement.text << statement.values;
        heading = tr("EXPIRING ITEMS IN (%1) DAYS REPORT").arg(days);
    } else if (ui->radioOutofStock->isChecked()) {
        statement = StockReport::OutOfStock();
        qDebug() << "OutofStock Statement: " << statement.text;
        heading = tr("OUT OF STOCK ITEMS REPORT");
    } else {
        return;
    }

    ReportViewer viewer(owner);
    viewer.setHeading(heading);
    viewer.setStatement(statement);
    viewer.setSalesReport(false);
    viewer.exec();
}

void ReportsManagement::on_buttonSaleView_clicked()
{
    QWidget* owner = window();
    ReportPeriod period;
    QString heading;
    if (ui->radioLastSevenDays->isChecked()) {
        period = ReportPeriods::LastSevenDays(Today());
        heading = tr("SALES & PURCHASE COST REPORT (LAST 7 DAYS)");
    } else if (ui->radioLastThirtyDays->isChecked()) {
        period = ReportPeriods::LastThirtyDays(Today());
        heading = tr("SALES & PURCHASE COST REPORT (LAST 30 DAYS)");
    } else if (ui->radioDateRange->isChecked()) {
        ReportParameterDialog parameter(owner, true);
        parameter.exec();
        period = {parameter.StartDate(), parameter.EndDate()};
        const QString format = Utility::GetInstance()->GetDateFormat();
        heading = tr("SALES & PURCHASE COST REPORT FROM %1 TO %2")
                      .arg(period.start.toString(format), period.end.toString(format));
    } else {
        return;
    }

    const SalesTotals totals =
        LoadSalesTotals(CDBManager::GetInstance()->GetSalesDataBase(), period);
    ReportViewer viewer(owner);
    viewer.setTotals(totals.sales, totals.purchaseCost, totals.discount);
    viewer.setHeading(heading);
    viewer.setStatement(SalesReport::Totals(period));
    viewer.setPeriod(period.start, period.end);
    viewer.setSalesReport(true);
    viewer.exec();
}
