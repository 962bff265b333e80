#ifndef PURCHASEMANAGEMENT_H
#define PURCHASEMANAGEMENT_H

#include "core/purchaseorders.h"
#include "core/sqlsearch.h"

#include <QModelIndex>
#include <QScrollArea>
#include <QString>

class QSqlQueryModel;

namespace Ui {
class PurchaseManagement;
}

// Lists the purchase orders with their vendors, searches them by vendor name or status, opens
// them in the purchase order editor and deletes them with their items.
class PurchaseManagement : public QScrollArea
{
    Q_OBJECT

public:
    explicit PurchaseManagement(QWidget* parent = nullptr);
    ~PurchaseManagement() override;

public Q_SLOTS:
    void OnItemSeleted();
    void on_buttonSearch_clicked();
    void on_buttonShowAll_clicked();
    void on_buttonAddNew_clicked();
    void on_buttonEdit_clicked();
    void on_buttonDelete_clicked();
    void OnRowDoubleClicked(const QModelIndex& index);

private:
    // Gives the current statement to the model, shows the table and fits the columns.
    void RunCurrentQuery();
    BoundStatement ListQuery(PurchaseOrderStore::ListSearch search,
                             const QString& text = QString()) const;

    Ui::PurchaseManagement* ui;
    QString m_sentDateColumn;
    QString m_deliveryDateColumn;
    BoundStatement m_baseQuery;
    BoundStatement m_currentQuery;
    QSqlQueryModel* m_model = nullptr;
};

#endif // PURCHASEMANAGEMENT_H
