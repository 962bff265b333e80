#include "catalogue/managecategories.h"
#include "ui_managecategories.h"

#include "core/DBManager.h"
#include "widgets/contactdirectory.h"

#include <QItemSelectionModel>
#include <QMessageBox>
#include <QScroller>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlTableModel>

namespace {
const int ID_COLUMN = 0;
const int NAME_COLUMN = 1;
} // namespace

ManageCategories::ManageCategories(QWidget* parent)
    : MerchoraDialog(parent), ui(new Ui::ManageCategories)
{
    ui->setupUi(this);
    resize(534, 456);

    m_model = new QSqlTableModel(this, CDBManager::GetInstance()->GetInventoryDataBase());
    m_model->setTable(QStringLiteral("tblProductCategories"));
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    m_model->setHeaderData(NAME_COLUMN, Qt::Horizontal, tr("Product Categories"));
    Directory::SetUpTable(ui->tableView, m_model);
    QScroller::grabGesture(ui->scrollArea->viewport(), QScroller::LeftMouseButtonGesture);
    Reload();
    ui->lineEdit->setFocus();

    connect(ui->tableView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ManageCategories::OnCategorySelected);
    connect(ui->pushButtonDelete, &QPushButton::clicked, this,
            &ManageCategories::OnPushButtonDeleteClicked);
    connect(ui->pushButtonUpdate, &QPushButton::clicked, this,
            &ManageCategories::OnPushButtonUpdateClicked);
}

ManageCategories::~ManageCategories()
{
    delete ui;
}

void ManageCategories::Reload()
{
    if (!m_model->select())
        MERCHORA_LOG_DB_ERROR(m_model->lastError());
}

QVariant ManageCategories::CurrentId() const
{
    const QModelIndex current = ui->tableView->currentIndex();
    if (!current.isValid())
        return QVariant();
    return m_model->index(current.row(), ID_COLUMN).data();
}

void ManageCategories::on_pushButtonClose_clicked()
{
    close();
}

void ManageCategories::on_pushButtonAdd_clicked()
{
    if (IsEmptyText() || IsSameText())
        return;

    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    query.prepare(QStringLiteral("INSERT INTO tblProductCategories (NAME) VALUES (?)"));
    query.addBindValue(ui->lineEdit->text());
    if (!query.exec())
        MERCHORA_LOG_DB_ERROR(query.lastError());
    Reload();
    ui->lineEdit->clear();
}

void ManageCategories::OnCategorySelected(const QModelIndex& current, const QModelIndex& previous)
{
    Q_UNUSED(previous)
    if (!current.isValid())
        return;
    ui->lineEdit->setText(m_model->index(current.row(), NAME_COLUMN).data().toString());
    ui->pushButtonUpdate->setEnabled(true);
    ui->pushButtonDelete->setEnabled(true);
}

void ManageCategories::OnPushButtonDeleteClicked()
{
    const QVariant id = CurrentId();
    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    query.prepare(QStringLiteral("SELECT Count(*) FROM tblProducts WHERE CATEGORY_ID = ?"));
    query.addBindValue(id);
    if (!query.exec() || !query.next()) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        return;
    }
    if (query.value(0).toInt() != 0) {
        QMessageBox::warning(this, tr("Error"),
                             tr("Category can not be deleted because products exist for this "
                                "category in the system"),
                             QMessageBox::Ok);
        return;
    }
    if (!id.isValid())
        return;

    QSqlQuery remove(CDBManager::GetInstance()->GetInventoryDataBase());
    remove.prepare(QStringLiteral("DELETE FROM tblProductCategories WHERE ID = ?"));
    remove.addBindValue(id);
    if (!remove.exec())
        MERCHORA_LOG_DB_ERROR(remove.lastError());
    ui->lineEdit->clear();
    Reload();
}

void ManageCategories::OnPushButtonUpdateClicked()
{
    if (IsEmptyText() || IsSameText())
        return;
    const QVariant id = CurrentId();
    if (!id.isValid())
        return;

    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    query.prepare(QStringLiteral("UPDATE tblProductCategories SET NAME = ? WHERE ID = ?"));
    query.addBindValue(ui->lineEdit->text());
    query.addBindValue(id);
    if (!query.exec())
        MERCHORA_LOG_DB_ERROR(query.lastError());
    Reload();
    ui->lineEdit->clear();
}

bool ManageCategories::IsEmptyText()
{
    return Directory::IsBlankText(ui->lineEdit->text());
}

bool ManageCategories::IsSameText()
{
    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    query.prepare(
        QStringLiteral("SELECT Count(*) from tblProductCategories WHERE lower(name) = lower(?)"));
    query.addBindValue(ui->lineEdit->text());
    if (!query.exec() || !query.next()) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        return true;
    }
    if (query.value(0).toInt() != 0) {
        QMessageBox::warning(this, tr("Error"), tr("Category already exists in the system"),
                             QMessageBox::Ok);
        return true;
    }
    return false;
}
