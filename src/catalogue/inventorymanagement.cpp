#include "catalogue/inventorymanagement.h"
#include "ui_inventorymanagement.h"

#include "catalogue/addnewitemsbatch.h"
#include "core/DBManager.h"
#include "core/columnheadings.h"
#include "core/sqlsearch.h"
#include "core/utility.h"
#include "widgets/merchoradialog.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QScroller>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>

namespace InventoryQuery {

static QString SelectList(const QString& dateColumn)
{
    return QStringLiteral("SELECT i.ID, i.PRODUCT_ID, i.VENDOR_ID, i.BAR_CODE, i.BATCH_NUMBER, "
                          "p.NAME, v.NAME, ") +
           dateColumn +
           QStringLiteral(" , i.STORAGE_LOCATION, i.QUANTITY, i.SUB_ITEMS, i.PURCHASE_PRICE, "
                          "i.SALE_PRICE, p.PRODUCT_CODE, i.SHOW_ON_POS, i.DISCOUNT FROM "
                          "tblInventory as i, tblProducts as p , tblVendors as v WHERE ");
}

BoundStatement Base(const QString& dateColumn)
{
    return {SelectList(dateColumn) + QStringLiteral("i.PRODUCT_ID = p.ID AND i.VENDOR_ID = v.ID"),
            {}};
}

BoundStatement Empty(const QString& dateColumn)
{
    return {SelectList(dateColumn) + QStringLiteral("i.ID = -1"), {}};
}

BoundStatement ByProductName(const QString& dateColumn, const QString& text)
{
    // The matching products are found first and their batches through the index on PRODUCT_ID;
    // testing the name batch by batch would visit every batch of a large store.
    BoundStatement statement = Base(dateColumn);
    statement.text += QStringLiteral(" AND i.PRODUCT_ID IN (SELECT ID FROM tblProducts WHERE ") +
                      SqlSearch::LikeCondition(QStringLiteral("NAME")) + QLatin1Char(')');
    statement.values << SqlSearch::ContainsPattern(text);
    return statement;
}

BoundStatement ByBarCode(const QString& dateColumn, const QString& text)
{
    BoundStatement statement = Base(dateColumn);
    statement.text +=
        QStringLiteral(" AND ") + SqlSearch::LikeCondition(QStringLiteral("i.BAR_CODE"));
    statement.values << SqlSearch::ContainsPattern(text);
    return statement;
}

} // namespace InventoryQuery

namespace {

enum Column
{
    ColumnId = 0,
    ColumnProductId = 1,
    ColumnVendorId = 2,
    ColumnShowOnPos = 14
};

// Rows measured when the columns are fitted to their contents.
const int RESIZE_ROWS = 64;
// Pixels added to the fitted width of every column.
const int COLUMN_AIR = 10;

} // namespace

InventoryManagement::InventoryManagement(QWidget* parent, bool selectionMode)
    : QScrollArea(parent), ui(new Ui::InventoryManagement), m_selectionMode(selectionMode)
{
    ui->setupUi(this);
    ui->frameCloseButton->hide();
    QScroller::grabGesture(viewport(), QScroller::LeftMouseButtonGesture);
    QScroller::grabGesture(ui->tableViewItems->viewport(), QScroller::LeftMouseButtonGesture);

    m_dateColumn = Utility::GetInstance()->GetSqlDateColumn(QStringLiteral("i.EXPIRY_DATE"),
                                                            QStringLiteral("Expiry Date"));
    m_baseQuery = InventoryQuery::Base(m_dateColumn);
    m_currentQuery = InventoryQuery::Empty(m_dateColumn);

    m_model = new QSqlQueryModel(this);
    RunCurrentQuery();

    QTableView* view = ui->tableViewItems;
    view->setModel(m_model);
    for (const int column : {ColumnId, ColumnProductId, ColumnVendorId, ColumnShowOnPos})
        view->hideColumn(column);
    const struct
    {
        int column;
        const char* title;
    } headers[] = {{3, QT_TR_NOOP("Bar Code")},        {4, QT_TR_NOOP("Batch Number")},
                   {5, QT_TR_NOOP("Product")},         {6, QT_TR_NOOP("Vendor")},
                   {7, QT_TR_NOOP("Expiry")},          {8, QT_TR_NOOP("Storage Location")},
                   {9, QT_TR_NOOP("Quantity")},        {10, QT_TR_NOOP("Sub Quantity/Items")},
                   {11, QT_TR_NOOP("Purchase Price")}, {12, QT_TR_NOOP("Sale Price")},
                   {13, QT_TR_NOOP("Product Code")}};
    // The columns never change, and the model keeps its headers from one search to the next.
    ColumnHeadings::Translate(m_model);
    for (const auto& header : headers)
        m_model->setHeaderData(header.column, Qt::Horizontal, tr(header.title));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->horizontalHeader()->setStretchLastSection(true);
    // Column widths follow the first rows only: measuring every loaded row costs more than the
    // query itself.
    view->horizontalHeader()->setResizeContentsPrecision(RESIZE_ROWS);

    connect(view, &QAbstractItemView::doubleClicked, this,
            &InventoryManagement::OnRowDoubleClicked);

    if (m_selectionMode) {
        ui->groupBoxButtons->hide();
        ui->frameCloseButton->show();
        ui->labelStatus->setText(
            tr("PLEASE DOUBLE CLICK TABLE ROW TO SELECT THE PRODUCT AND BARCODE"));
    } else {
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &InventoryManagement::OnItemSeleted);
    }

    view->setSortingEnabled(true);
    // The rows come in the order the query gives them, so no header shows a sort arrow that
    // would suggest otherwise.
    view->horizontalHeader()->setSortIndicatorShown(false);
    // The theme of the parent decides the widths the columns need.
    ensurePolished();
    // Lists every batch; the columns are fitted there already.
    on_buttonShowAll_clicked();
}

InventoryManagement::~InventoryManagement()
{
    delete ui;
}

QString InventoryManagement::PickBarCode(QWidget* parent)
{
    ScreenDialog dialog(parent, tr("Select Stock Item"), QSize(800, 600));
    auto* picker = dialog.SetScreen(new InventoryManagement(&dialog, true));
    dialog.exec();
    return picker->GetSelectedBarCode();
}

void InventoryManagement::RunCurrentQuery()
{
    // The model reads rows as the view needs them, so a large store opens at once.
    SetBoundQuery(m_model, CDBManager::GetInstance()->GetInventoryDataBase(), m_currentQuery);
}

void InventoryManagement::FitColumns()
{
    QTableView* view = ui->tableViewItems;
    view->resizeColumnsToContents();
    // A little air between a column's longest text and the next column.
    for (int column = 0; column < m_model->columnCount(); ++column) {
        if (!view->isColumnHidden(column))
            view->setColumnWidth(column, view->columnWidth(column) + COLUMN_AIR);
    }
}

void InventoryManagement::OnItemSeleted()
{
    ui->buttonEdit->setEnabled(true);
    ui->buttonDelete->setEnabled(true);
}

void InventoryManagement::on_buttonSearch_clicked()
{
    const QString name = ui->editName->text();
    const QString code = ui->editCode->text();
    if (!name.isEmpty()) {
        m_currentQuery = InventoryQuery::ByProductName(m_dateColumn, name);
        ui->labelStatus->setText(tr("Search results based on Name. "));
    } else if (!code.isEmpty()) {
        m_currentQuery = InventoryQuery::ByBarCode(m_dateColumn, code);
        ui->labelStatus->setText(tr("Search results based on Bar Code."));
    } else {
        m_currentQuery = m_baseQuery;
        m_currentQuery.text += QStringLiteral(" AND i.ID = -1");
        ui->labelStatus->setText(tr("No search criteria specified."));
    }
    RunCurrentQuery();
    ui->tableViewItems->show();
    FitColumns();
}

void InventoryManagement::on_buttonShowAll_clicked()
{
    m_currentQuery = m_baseQuery;
    RunCurrentQuery();
    ui->tableViewItems->show();
    FitColumns();
}

void InventoryManagement::on_buttonAddNew_clicked()
{
    {
        CAddNewItemsBatch dialog(Utility::GetInstance()->GetMainWindow());
        dialog.setModal(true);
        dialog.exec();
    }
    RunCurrentQuery();
    FitColumns();
}

void InventoryManagement::on_buttonEdit_clicked()
{
    CAddNewItemsBatch dialog(Utility::GetInstance()->GetMainWindow());
    const QModelIndex current = ui->tableViewItems->currentIndex();
    if (!current.isValid())
        return;
    dialog.SetBatchForEdit(m_model->record(current.row()));
    dialog.setModal(true);
    dialog.exec();
    RunCurrentQuery();
    FitColumns();
}

void InventoryManagement::on_buttonDelete_clicked()
{
    const QModelIndex current = ui->tableViewItems->currentIndex();
    if (!current.isValid())
        return;
    if (QMessageBox::question(this, tr("Delete Inventory Item"),
                              tr("Do you really want to delete this stock item?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    query.prepare(QStringLiteral("DELETE FROM tblInventory WHERE ID = ?"));
    query.addBindValue(m_model->record(current.row()).value(ColumnId));
    if (!query.exec())
        MERCHORA_LOG_DB_ERROR(query.lastError());

    RunCurrentQuery();
    ui->tableViewItems->show();
}

void InventoryManagement::OnRowDoubleClicked(const QModelIndex& index)
{
    if (!m_selectionMode) {
        on_buttonEdit_clicked();
        return;
    }
    if (!index.isValid())
        return;
    m_selectedBarCode = m_model->record(index.row()).value(QStringLiteral("BAR_CODE")).toString();
    if (QWidget* picker = parentWidget())
        picker->close();
}

void InventoryManagement::on_pushClose_clicked()
{
    if (QWidget* picker = parentWidget())
        picker->close();
}
