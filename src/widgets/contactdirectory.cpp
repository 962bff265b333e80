#include "widgets/contactdirectory.h"
#include "ui_contactdirectory.h"

#include "core/DBManager.h"
#include "core/columnheadings.h"

#include <algorithm>

#include <QEvent>
#include <QHeaderView>
#include <QScroller>
#include <QSqlError>
#include <QTableView>

namespace {
// The columns of the form, in the order of the table.
enum Column
{
    ID = 0,
    NAME = 1,
    ADDRESS = 2,
    EMAIL = 3,
    CONTACT_NUMBER = 4
};
} // namespace

namespace Directory {

bool IsBlankText(const QString& text)
{
    QString name = text;
    return name.remove(QLatin1Char(' ')).isEmpty();
}

void SetUpTable(QTableView* view, QAbstractItemModel* model)
{
    view->setModel(model);
    view->hideColumn(0);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->horizontalHeader()->setStretchLastSection(true);
    QScroller::grabGesture(view->viewport(), QScroller::LeftMouseButtonGesture);
}

void FitColumns(QTableView* view)
{
    view->resizeColumnsToContents();
    const int available = view->viewport()->width();
    QList<int> widths;
    for (int column = 0; column < view->model()->columnCount(); ++column) {
        if (!view->isColumnHidden(column))
            widths << view->columnWidth(column);
    }
    int total = 0;
    for (int width : qAsConst(widths))
        total += width;
    if (widths.isEmpty() || total <= available)
        return;

    // The narrow columns keep their width; the others share what is left equally.
    std::sort(widths.begin(), widths.end());
    int remaining = available;
    int cap = 0;
    for (int i = 0; i < widths.size(); ++i) {
        cap = remaining / (widths.size() - i);
        if (widths.at(i) > cap)
            break;
        remaining -= widths.at(i);
    }
    const int minimum = 60;
    cap = qMax(cap, minimum);
    for (int column = 0; column < view->model()->columnCount(); ++column) {
        if (!view->isColumnHidden(column) && view->columnWidth(column) > cap)
            view->setColumnWidth(column, cap);
    }
}

} // namespace Directory

ContactDirectory::ContactDirectory(const QString& table, const QString& detailsTitle,
                                   QWidget* parent)
    : MerchoraDialog(parent), ui(new Ui::ContactDirectory)
{
    ui->setupUi(this);
    ui->groupBoxDetails->setTitle(detailsTitle);

    m_model = new BoundFilterTableModel(this, CDBManager::GetInstance()->GetInventoryDataBase());
    m_model->setTable(table);
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    Directory::SetUpTable(ui->tableView, m_model);
    QScroller::grabGesture(ui->scrollArea->viewport(), QScroller::LeftMouseButtonGesture);
    ui->tableView->viewport()->installEventFilter(this);

    ui->pushSelect->hide();
    resize(800, 600);
    Reload();
    ui->lineEdit->setFocus();
}

ContactDirectory::~ContactDirectory()
{
    ui->tableView->viewport()->removeEventFilter(this);
    delete ui;
}

ContactDirectory::Entry ContactDirectory::FormEntry() const
{
    return {ui->lineEdit->text(), ui->textEditAddress->toPlainText(), ui->lineEditEmail->text(),
            ui->lineEditContact->text()};
}

QTableView* ContactDirectory::Table() const
{
    return ui->tableView;
}

QPushButton* ContactDirectory::UpdateButton() const
{
    return ui->pushButtonUpdate;
}

QPushButton* ContactDirectory::DeleteButton() const
{
    return ui->pushButtonDelete;
}

QPushButton* ContactDirectory::SelectButton() const
{
    return ui->pushSelect;
}

bool ContactDirectory::IsNameBlank() const
{
    return Directory::IsBlankText(ui->lineEdit->text());
}

void ContactDirectory::WriteRow(int row)
{
    const Entry entry = FormEntry();
    m_model->setData(m_model->index(row, NAME), entry.name);
    m_model->setData(m_model->index(row, ADDRESS), entry.address);
    m_model->setData(m_model->index(row, EMAIL), entry.email);
    m_model->setData(m_model->index(row, CONTACT_NUMBER), entry.contact);
}

void ContactDirectory::Reload()
{
    if (!m_model->select())
        MERCHORA_LOG_DB_ERROR(m_model->lastError());
    ColumnHeadings::Translate(m_model);
    Directory::FitColumns(ui->tableView);
}

bool ContactDirectory::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == ui->tableView->viewport())
        Directory::FitColumns(ui->tableView);
    return MerchoraDialog::eventFilter(watched, event);
}

void ContactDirectory::AddEntry()
{
    if (IsNameBlank())
        return;

    const int row = m_model->rowCount();
    m_model->insertRows(row, 1);
    WriteRow(row);
    if (!m_model->submitAll()) {
        MERCHORA_LOG_DB_ERROR(m_model->lastError());
        m_model->revertAll();
    }
    Directory::FitColumns(ui->tableView);
    ClearForm();
}

bool ContactDirectory::ShowEntry(const QModelIndex& current)
{
    if (!current.isValid())
        return false;

    const int row = current.row();
    ui->lineEdit->setText(m_model->index(row, NAME).data().toString());
    ui->textEditAddress->setPlainText(m_model->index(row, ADDRESS).data().toString());
    ui->lineEditEmail->setText(m_model->index(row, EMAIL).data().toString());
    ui->lineEditContact->setText(m_model->index(row, CONTACT_NUMBER).data().toString());
    ui->pushButtonUpdate->setEnabled(true);
    ui->pushButtonDelete->setEnabled(true);
    return true;
}

void ContactDirectory::UpdateEntry()
{
    const QModelIndex current = ui->tableView->currentIndex();
    if (IsNameBlank() || !current.isValid())
        return;

    WriteRow(current.row());
    if (!m_model->submitAll()) {
        MERCHORA_LOG_DB_ERROR(m_model->lastError());
        m_model->revertAll();
    }
    Reload();
    ClearForm();
}

void ContactDirectory::RemoveEntry()
{
    const QModelIndex current = ui->tableView->currentIndex();
    if (!current.isValid())
        return;

    m_model->removeRows(current.row(), 1);
    // A row still named elsewhere is refused by the database and shows again after the reload.
    if (!m_model->submitAll()) {
        MERCHORA_LOG_DB_ERROR(m_model->lastError());
        m_model->revertAll();
    }
    Reload();
    ClearForm();
}

void ContactDirectory::ApplyFilter()
{
    const QString text = ui->lineEditFilter->text();
    if (text.isEmpty()) {
        m_model->setFilter(QString());
    } else {
        QVariantList values;
        const QString condition = SqlSearch::AnyColumnContains(
            {QStringLiteral("NAME"), QStringLiteral("ADDRESS"), QStringLiteral("EMAIL"),
             QStringLiteral("CONTACT_NUMBER")},
            text, &values);
        m_model->SetBoundFilter(condition, values);
    }
    Reload();
    ui->tableView->show();
}

void ContactDirectory::ClearForm()
{
    ui->lineEdit->clear();
    ui->textEditAddress->clear();
    ui->lineEditEmail->clear();
    ui->lineEditContact->clear();
}

QVariant ContactDirectory::CurrentId() const
{
    const QModelIndex current = ui->tableView->currentIndex();
    if (!current.isValid())
        return QVariant();
    return m_model->index(current.row(), ID).data();
}
