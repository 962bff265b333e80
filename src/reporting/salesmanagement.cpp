#include "reporting/salesmanagement.h"
#include "ui_salesmanagement.h"

#include "core/DBManager.h"
#include "core/columnheadings.h"
#include "core/reportqueries.h"
#include "core/utility.h"
#include "widgets/errordialog.h"

#include <QHeaderView>
#include <QMessageBox>
#include <QScroller>
#include <QSqlError>
#include <QSqlQuery>
#include <QStyledItemDelegate>

namespace {

const char SALES_TABLE[] = "tblSalesTransactions";
const char LINES_TABLE[] = "tblSalesInvoice";
const char VOIDS_TABLE[] = "tblSalesVoids";
const char NO_ROWS_FILTER[] = "ID = -1";

// Shows the stored sale time with the program's display date format.
class SaleTimeDelegate : public QStyledItemDelegate
{
public:
    SaleTimeDelegate(const QString& displayFormat, QObject* parent)
        : QStyledItemDelegate(parent), m_displayFormat(displayFormat)
    {
    }

    QString displayText(const QVariant& value, const QLocale& locale) const override
    {
        Q_UNUSED(locale)
        return SaleTimeText(value, m_displayFormat);
    }

private:
    QString m_displayFormat;
};

} // namespace

SalesSearch SalesSearchFor(const QString& number, const QDate& date)
{
    SalesSearch search;
    if (!number.isEmpty()) {
        // Bound as typed: text that is not a number matches no sale.
        search.kind = SalesSearch::Kind::ByNumber;
        search.filter = QStringLiteral("ID = ?");
        search.values = {number};
    } else if (date.isValid()) {
        // All sales of that calendar day, whatever their time of day.
        search.kind = SalesSearch::Kind::ByDate;
        search.filter = PeriodCondition(QStringLiteral("TIME_STAMP"), {date, date}, &search.values);
    } else {
        search.filter = QString::fromLatin1(NO_ROWS_FILTER);
    }
    return search;
}

bool DeleteSaleRecords(QSqlDatabase db, const QVariant& saleId)
{
    if (!db.transaction()) {
        MERCHORA_LOG_DB_ERROR(db.lastError());
        return false;
    }
    const QString statements[] = {
        QStringLiteral("DELETE from tblSalesVoids WHERE TRANSACTION_ID = ?"),
        QStringLiteral("DELETE from tblSalesInvoice WHERE TRANSACTION_ID = ?"),
        QStringLiteral("DELETE from tblSalesTransactions WHERE ID = ?")};
    QSqlQuery query(db);
    for (const QString& statement : statements) {
        if (!query.prepare(statement)) {
            MERCHORA_LOG_DB_ERROR(query.lastError());
            db.rollback();
            return false;
        }
        query.addBindValue(saleId);
        if (!query.exec()) {
            MERCHORA_LOG_DB_ERROR(query.lastError());
            db.rollback();
            return false;
        }
    }
    query.finish();
    if (!db.commit()) {
        MERCHORA_LOG_DB_ERROR(db.lastError());
        db.rollback();
        return false;
    }
    return true;
}

QString SaleTimeText(const QVariant& stored, const QString& displayFormat)
{
    const QString text = stored.toString();
    if (displayFormat.isEmpty() || text.size() < 10)
        return text;
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid())
        return text;
    const QString rest = text.mid(10);
    if (rest.isEmpty())
        return date.toString(displayFormat);
    // A time of day follows the date after a blank or a "T".
    if (rest.at(0) != QLatin1Char(' ') && rest.at(0) != QLatin1Char('T'))
        return text;
    return date.toString(displayFormat) + QLatin1Char(' ') + rest.mid(1);
}

SalesManagement::SalesManagement(QWidget* parent, bool asDialog)
    : QScrollArea(parent), ui(new Ui::SalesManagement)
{
    ui->setupUi(this);

    ui->buttonAddNew->hide();
    ui->buttonEdit->hide();
    // At the point of sale a cashier may look sales up but not delete them.
    ui->buttonDelete->setVisible(!asDialog);
    ui->pushClose->setVisible(asDialog);

    const QString displayFormat = Utility::GetInstance()->GetDateFormat();
    ui->dateEdit->setDisplayFormat(displayFormat);
    ui->dateEdit->setDate(QDate::currentDate());

    QSqlDatabase& db = CDBManager::GetInstance()->GetSalesDataBase();

    // The models fetch rows as the views scroll, so years of sales open at once.
    m_salesModel = new SalesTableModel(this, db);
    m_salesModel->setTable(QString::fromLatin1(SALES_TABLE));
    SetUpView(ui->tableViewSales, m_salesModel);
    const int timeColumn = m_salesModel->fieldIndex(QStringLiteral("TIME_STAMP"));
    if (timeColumn >= 0)
        ui->tableViewSales->setItemDelegateForColumn(timeColumn,
                                                     new SaleTimeDelegate(displayFormat, this));
    Reselect(m_salesModel, ui->tableViewSales);

    m_linesModel = new SalesTableModel(this, db);
    m_linesModel->setTable(QString::fromLatin1(LINES_TABLE));
    m_linesModel->setFilter(QString::fromLatin1(NO_ROWS_FILTER));
    SetUpView(ui->tableViewDetails, m_linesModel);
    ui->tableViewDetails->hideColumn(0);
    ui->tableViewDetails->hideColumn(1);
    Reselect(m_linesModel, ui->tableViewDetails);

    m_voidsModel = new SalesTableModel(this, db);
    m_voidsModel->setTable(QString::fromLatin1(VOIDS_TABLE));
    m_voidsModel->setFilter(QString::fromLatin1(NO_ROWS_FILTER));
    SetUpView(ui->tableViewVoids, m_voidsModel);
    ui->tableViewVoids->hideColumn(0);
    ui->tableViewVoids->hideColumn(1);
    Reselect(m_voidsModel, ui->tableViewVoids);
    ShowVoidCount();

    QScroller::grabGesture(viewport(), QScroller::LeftMouseButtonGesture);
    QScroller::grabGesture(ui->tableViewSales->viewport(), QScroller::LeftMouseButtonGesture);
    QScroller::grabGesture(ui->tableViewDetails->viewport(), QScroller::LeftMouseButtonGesture);
    QScroller::grabGesture(ui->tableViewVoids->viewport(), QScroller::LeftMouseButtonGesture);

    connect(ui->tableViewSales, &QTableView::clicked, this, &SalesManagement::OnItemSelected);
    connect(ui->tableViewSales, &QTableView::doubleClicked, this,
            &SalesManagement::OnRowDoubleClicked);
}

SalesManagement::~SalesManagement()
{
    delete ui;
}

void SalesManagement::SetUpView(QTableView* view, SalesTableModel* model)
{
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->horizontalHeader()->setStretchLastSection(true);
}

void SalesManagement::Requery(SalesTableModel* model, QTableView* view, const QString& filter,
                              const QVariantList& values)
{
    // A model that holds rows already runs its query again when its filter changes.
    const bool selectsItself = model->query().isActive();
    model->SetBoundFilter(filter, values);
    if (!selectsItself)
        model->select();
    if (model->lastError().isValid())
        MERCHORA_LOG_DB_ERROR(model->lastError());
    ColumnHeadings::Translate(model);
    view->resizeColumnsToContents();
}

void SalesManagement::Reselect(SalesTableModel* model, QTableView* view)
{
    if (!model->select())
        MERCHORA_LOG_DB_ERROR(model->lastError());
    ColumnHeadings::Translate(model);
    view->resizeColumnsToContents();
}

bool SalesManagement::ShowLinesOf(const QModelIndex& index)
{
    if (!index.isValid() || index.model() != m_salesModel)
        return false;
    const QVariant saleId = m_salesModel->index(index.row(), 0).data();
    Requery(m_linesModel, ui->tableViewDetails, QStringLiteral("TRANSACTION_ID = ?"), {saleId});
    ui->tableViewDetails->show();
    Requery(m_voidsModel, ui->tableViewVoids, QStringLiteral("TRANSACTION_ID = ?"), {saleId});
    ShowVoidCount();
    return true;
}

void SalesManagement::ShowVoidCount()
{
    // A sale has few voided lines, all fetched at once; the tab says how many.
    const int count = m_voidsModel->rowCount();
    ui->tabWidget->setTabText(ui->tabWidget->indexOf(ui->tabVoids),
                              count > 0 ? tr("Voided Lines (%1)").arg(count) : tr("Voided Lines"));
}

void SalesManagement::on_buttonShowAll_clicked()
{
    ui->editSalesID->clear();
    ui->dateEdit->clear();
    Requery(m_salesModel, ui->tableViewSales, QString());
}

void SalesManagement::OnItemSelected(const QModelIndex& index)
{
    if (!ShowLinesOf(index))
        return;
    ErrorDialog advice(QStringLiteral("err_msg_12"), tr("Sale Details"),
                       tr("Please click on 'Sales Details' tab to view details of this sale. All "
                          "individual items are listed on this tab. You can double click on the "
                          "row to go directly to details page as well. "),
                       this);
    advice.exec();
    ui->buttonDelete->setEnabled(true);
}

void SalesManagement::on_buttonSearch_clicked()
{
    // A cleared date box keeps its last date but shows none.
    const QDate shownDate = ui->dateEdit->hasAcceptableInput() ? ui->dateEdit->date() : QDate();
    const SalesSearch search = SalesSearchFor(ui->editSalesID->text(), shownDate);
    switch (search.kind) {
    case SalesSearch::Kind::ByNumber:
        ui->labelStatus->setText(tr("Search results based on Sales/Receipt ID "));
        break;
    case SalesSearch::Kind::ByDate:
        ui->labelStatus->setText(tr("Search results based on Date"));
        break;
    case SalesSearch::Kind::None:
        ui->labelStatus->setText(tr("No search criteria specified."));
        break;
    }
    Requery(m_salesModel, ui->tableViewSales, search.filter, search.values);
    ui->tableViewSales->show();
}

void SalesManagement::on_pushClose_clicked()
{
    window()->close();
}

void SalesManagement::on_buttonDelete_clicked()
{
    const QModelIndex current = ui->tableViewSales->currentIndex();
    if (!current.isValid()) {
        QMessageBox::information(this, tr("Delete Sale"),
                                 tr("Please select row from sales table, and then press delete."),
                                 QMessageBox::Ok);
        return;
    }
    if (QMessageBox::question(this, tr("Delete Sale"),
                              tr("Do you really want to delete this sale and associated details?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    const QVariant saleId = m_salesModel->index(current.row(), 0).data();
    // A failed deletion leaves the sale whole; it is logged, and the lists are refreshed anyway.
    DeleteSaleRecords(CDBManager::GetInstance()->GetSalesDataBase(), saleId);
    Reselect(m_salesModel, ui->tableViewSales);
    Requery(m_linesModel, ui->tableViewDetails, QString::fromLatin1(NO_ROWS_FILTER));
    Requery(m_voidsModel, ui->tableViewVoids, QString::fromLatin1(NO_ROWS_FILTER));
    ShowVoidCount();
}

void SalesManagement::OnRowDoubleClicked(const QModelIndex& index)
{
    if (!ShowLinesOf(index))
        return;
    ui->tabWidget->setCurrentIndex(1);
}
