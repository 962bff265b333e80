#ifndef INVENTORYMANAGEMENT_H
#define INVENTORYMANAGEMENT_H

#include "core/sqlsearch.h"

#include <QModelIndex>
#include <QScrollArea>
#include <QString>
#include <QVariantList>

class QSqlQueryModel;

namespace Ui {
class InventoryManagement;
}

// The statements of the inventory list: every batch joined with its product and vendor, and the
// searches that narrow it. Typed text is always a bound value.
namespace InventoryQuery {
// The select list and join; dateColumn is the formatted expiry column.
BoundStatement Base(const QString& dateColumn);
// The select list with a condition that matches nothing.
BoundStatement Empty(const QString& dateColumn);
// The base statement narrowed to batches whose product name contains the text.
BoundStatement ByProductName(const QString& dateColumn, const QString& text);
// The base statement narrowed to batches whose barcode contains the text.
BoundStatement ByBarCode(const QString& dateColumn, const QString& text);
} // namespace InventoryQuery

// Lists the stock batches with product and vendor, searches them, and adds, edits and deletes
// them. In selection mode it is the stock picker: a double-click chooses a batch's barcode.
class InventoryManagement : public QScrollArea
{
    Q_OBJECT

public:
    explicit InventoryManagement(QWidget* parent, bool selectionMode = false);
    ~InventoryManagement() override;

    QString GetSelectedBarCode() const { return m_selectedBarCode; }

    // Runs the stock picker over the given window (the main window when none is given); the
    // chosen barcode, or "" when closed. A full-screen window that opens the picker must pass
    // itself, or the picker opens behind it.
    static QString PickBarCode(QWidget* parent = nullptr);

public Q_SLOTS:
    void OnItemSeleted();
    void on_buttonSearch_clicked();
    void on_buttonShowAll_clicked();
    void on_buttonAddNew_clicked();
    void on_buttonEdit_clicked();
    void on_buttonDelete_clicked();
    void OnRowDoubleClicked(const QModelIndex& index);
    void on_pushClose_clicked();

private:
    // Gives the current statement to the model and fits the columns.
    void RunCurrentQuery();
    // Fits the shown columns to the loaded rows.
    void FitColumns();

    Ui::InventoryManagement* ui;
    bool m_selectionMode = false;
    QString m_dateColumn;
    BoundStatement m_baseQuery;
    BoundStatement m_currentQuery;
    QString m_selectedBarCode;
    QSqlQueryModel* m_model = nullptr;
};

#endif // INVENTORYMANAGEMENT_H
