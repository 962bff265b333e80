#ifndef REPORTVIEWER_H
#define REPORTVIEWER_H

#include "core/reportqueries.h"
#include "widgets/merchoradialog.h"

#include <QDate>
#include <QString>

class QPrinter;
class QTextDocument;

namespace Ui {
class ReportViewer;
}

// Shows the result of a stock or sales report under its heading, regroups a sales report by
// product, customer, date or user, and prints it, or writes it to "report.pdf", as an HTML
// document.
class ReportViewer : public MerchoraDialog
{
    Q_OBJECT

public:
    explicit ReportViewer(QWidget* parent = nullptr);
    ~ReportViewer() override;

    void setHeading(const QString& heading);
    // The statement whose rows are shown first; it runs when the dialog is shown.
    void setStatement(const BoundStatement& statement);
    // Sales reports run on the sales database and can be grouped; stock reports run on the
    // inventory database.
    void setSalesReport(bool salesReport);
    void setPeriod(const QDate& start, const QDate& end);
    // The period totals as texts; the profit is computed from the first two.
    void setTotals(const QString& totalSales, const QString& totalPurchaseCost,
                   const QString& totalDiscount);

    // The printed document: every row of the table as it now stands, fetched first.
    QString DocumentHtml();

protected:
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void on_buttonPrint_clicked();
    void on_buttonClose_clicked();
    void on_radioProduct_toggled(bool checked);
    void on_radioCustomer_toggled(bool checked);
    void on_radioUser_clicked();
    void on_radioUser_toggled(bool checked);
    void on_radioDate_toggled(bool checked);
    void on_pushPrintToPDF_clicked();

private:
    void ShowGrouping(SalesGrouping grouping);
    void FitColumns();
    SalesGrouping CheckedGrouping() const;
    // Prints the document on the printer with a progress dialog; false when nothing was printed.
    bool PrintDocument(QPrinter* printer);
    void PrintToPdf();

    Ui::ReportViewer* ui;
    ReportTableModel* m_model;
    QString m_heading;
    BoundStatement m_statement;
    bool m_isSalesReport = false;
    bool m_shown = false;
    QDate m_start;
    QDate m_end;
};

#endif // REPORTVIEWER_H
