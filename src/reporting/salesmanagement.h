#ifndef SALESMANAGEMENT_H
#define SALESMANAGEMENT_H

#include "core/sqlsearch.h"

#include <QDate>
#include <QModelIndex>
#include <QScrollArea>
#include <QSqlDatabase>
#include <QSqlRelationalTableModel>
#include <QString>
#include <QVariantList>

class QTableView;

namespace Ui {
class SalesManagement;
}

// The sales filter for what the search boxes hold. The sale number wins over the date; the typed
// number and the date are bound values, never part of the condition text.
struct SalesSearch
{
    enum class Kind
    {
        ByNumber,
        ByDate,
        None
    };
    Kind kind = Kind::None;
    QString filter;
    QVariantList values;
};

// An invalid date stands for a date box that shows no date.
SalesSearch SalesSearchFor(const QString& number, const QDate& date);

// Removes the item lines of a sale, the record of lines voided from it, and the sale itself in one
// transaction: all go, or none does. Returns false (and logs) when a statement fails.
bool DeleteSaleRecords(QSqlDatabase db, const QVariant& saleId);

// A stored sale time ("yyyy-MM-dd" with an optional time of day) with its date in the display
// format; text that is not such a time is returned as it is.
QString SaleTimeText(const QVariant& stored, const QString& displayFormat);

using SalesTableModel = BoundFilterModel<QSqlRelationalTableModel>;

// Browser of completed sales: lists them, finds a sale by number or date, shows its item lines
// and the lines voided from it before it was paid, and deletes a sale with its lines. Offers Close
// instead of Delete when hosted in a dialog.
class SalesManagement : public QScrollArea
{
    Q_OBJECT

public:
    explicit SalesManagement(QWidget* parent = nullptr, bool asDialog = false);
    ~SalesManagement() override;

public Q_SLOTS:
    void on_buttonShowAll_clicked();
    void OnItemSelected(const QModelIndex& index);
    void on_buttonSearch_clicked();
    void on_pushClose_clicked();
    void on_buttonDelete_clicked();
    void OnRowDoubleClicked(const QModelIndex& index);

private:
    static void SetUpView(QTableView* view, SalesTableModel* model);
    // Applies the filter, runs the query once and sizes the columns.
    static void Requery(SalesTableModel* model, QTableView* view, const QString& filter,
                        const QVariantList& values = QVariantList());
    static void Reselect(SalesTableModel* model, QTableView* view);
    // Fills the lines view with the lines of the sale in the index's row.
    bool ShowLinesOf(const QModelIndex& index);

    Ui::SalesManagement* ui;
    SalesTableModel* m_salesModel = nullptr;
    SalesTableModel* m_linesModel = nullptr;
    SalesTableModel* m_voidsModel = nullptr; // lines voided before the sale was paid
    void ShowVoidCount();
};

#endif // SALESMANAGEMENT_H
