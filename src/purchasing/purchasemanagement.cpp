#include "purchasing/purchasemanagement.h"
#include "ui_purchasemanagement.h"

#include "core/DBManager.h"
#include "core/columnheadings.h"
#include "core/reportqueries.h"
#include "core/utility.h"
#include "purchasing/addeditpurchaseorder.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QScroller>
#include <QSqlQueryModel>
#include <QSqlRecord>

namespace {

using PurchaseOrderStore::ListSearch;

// Pixels added to the fitted width of every column.
const int COLUMN_AIR = 10;

} // namespace

PurchaseManagement::PurchaseManagement(QWidget* parent)
    : QScrollArea(parent), ui(new Ui::PurchaseManagement)
{
    ui->setupUi(this);
    QScroller::grabGesture(viewport(), QScroller::LeftMouseButtonGesture);
    QScroller::grabGesture(ui->tableViewItems->viewport(), QScroller::LeftMouseButtonGesture);

    const Utility* utility = Utility::GetInstance();
    m_sentDateColumn =
        utility->GetSqlDateColumn(QStringLiteral("po.SENT_DATE"), QStringLiteral("Sent Date"));
    m_deliveryDateColumn = utility->GetSqlDateColumn(QStringLiteral("po.DELIVERY_DATE"),
                                                     QStringLiteral("Delivery Date"));
    m_baseQuery = ListQuery(ListSearch::All);
    m_currentQuery = ListQuery(ListSearch::Nothing);

    // Amounts show as money, two decimals and aligned right.
    m_model = new ReportTableModel(this);
    QTableView* view = ui->tableViewItems;
    view->setModel(m_model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->horizontalHeader()->setStretchLastSection(true);
    connect(view, &QAbstractItemView::doubleClicked, this, &PurchaseManagement::OnRowDoubleClicked);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PurchaseManagement::OnItemSeleted);
    view->setSortingEnabled(true);
    // The rows come in the order the query gives them, so no header shows a sort arrow that
    // would suggest otherwise.
    view->horizontalHeader()->setSortIndicatorShown(false);

    // The screen opens listing every order.
    on_buttonShowAll_clicked();
}

PurchaseManagement::~PurchaseManagement()
{
    delete ui;
}

BoundStatement PurchaseManagement::ListQuery(ListSearch search, const QString& text) const
{
    return PurchaseOrderStore::ListQuery(search, text, m_sentDateColumn, m_deliveryDateColumn);
}

void PurchaseManagement::RunCurrentQuery()
{
    SetBoundQuery(m_model, CDBManager::GetInstance()->GetInventoryDataBase(), m_currentQuery);
    ColumnHeadings::Translate(m_model);
    // The rows are read anew and none is current: an order is chosen again before it is edited
    // or deleted, never by a row number that may now name another order.
    ui->buttonEdit->setEnabled(false);
    ui->buttonDelete->setEnabled(false);
    QTableView* view = ui->tableViewItems;
    view->show();
    view->resizeColumnsToContents();
    // A little air between a column's longest text and the next column.
    for (int column = 0; column < m_model->columnCount(); ++column)
        view->setColumnWidth(column, view->columnWidth(column) + COLUMN_AIR);
}

void PurchaseManagement::OnItemSeleted()
{
    ui->buttonEdit->setEnabled(true);
    ui->buttonDelete->setEnabled(true);
}

void PurchaseManagement::on_buttonSearch_clicked()
{
    const QString name = ui->editName->text();
    const QString status = ui->lineStatus->text();
    if (!name.isEmpty()) {
        m_currentQuery = ListQuery(ListSearch::ByVendorName, name);
        ui->labelStatus->setText(tr("Search results based on Vendor name. "));
    } else if (!status.isEmpty()) {
        m_currentQuery = ListQuery(ListSearch::ByStatus, status);
        ui->labelStatus->setText(tr("Search results based on Purchase Order Status"));
    } else {
        m_currentQuery = ListQuery(ListSearch::Nothing);
        ui->labelStatus->setText(tr("No search criteria specified."));
    }
    RunCurrentQuery();
}

void PurchaseManagement::on_buttonShowAll_clicked()
{
    m_currentQuery = m_baseQuery;
    RunCurrentQuery();
}

void PurchaseManagement::on_buttonAddNew_clicked()
{
    {
        AddEditPurchaseOrder editor(Utility::GetInstance()->GetMainWindow());
        editor.setModal(true);
        editor.exec();
    }
    RunCurrentQuery();
}

void PurchaseManagement::on_buttonEdit_clicked()
{
    const QModelIndex current = ui->tableViewItems->currentIndex();
    if (!current.isValid())
        return;
    {
        const QSqlRecord record = m_model->record(current.row());
        AddEditPurchaseOrder editor(Utility::GetInstance()->GetMainWindow(), &record);
        editor.setModal(true);
        editor.exec();
    }
    RunCurrentQuery();
}

void PurchaseManagement::on_buttonDelete_clicked()
{
    const QModelIndex current = ui->tableViewItems->currentIndex();
    if (!current.isValid())
        return;
    if (QMessageBox::question(this, tr("Delete"),
                              tr("Do you really want to delete this purchase order?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    // The items go with the order, in one transaction; failures are logged by the store.
    PurchaseOrderStore::DeleteOrder(CDBManager::GetInstance()->GetInventoryDataBase(),
                                    m_model->record(current.row()).value(0).toString());
    RunCurrentQuery();
}

void PurchaseManagement::OnRowDoubleClicked(const QModelIndex& index)
{
    Q_UNUSED(index)
    on_buttonEdit_clicked();
}
