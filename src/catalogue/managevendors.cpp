#include "catalogue/managevendors.h"

#include "core/DBManager.h"

#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>

ManageVendors::ManageVendors(QWidget* parent)
    : ContactDirectory(QStringLiteral("tblVendors"), tr("Vendor"), parent)
{
    setWindowTitle(tr("Manage Vendors"));

    // The form was set up before this class existed; its on_... slots are connected now.
    QMetaObject::connectSlotsByName(this);
    connect(Table()->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ManageVendors::OnVendorSelected);
    connect(DeleteButton(), &QPushButton::clicked, this, &ManageVendors::OnPushButtonDeleteClicked);
    connect(UpdateButton(), &QPushButton::clicked, this, &ManageVendors::OnPushButtonUpdateClicked);
}

void ManageVendors::on_pushButtonClose_clicked()
{
    close();
}

void ManageVendors::on_pushButtonAdd_clicked()
{
    if (IsEmptyText())
        return;
    AddEntry();
}

void ManageVendors::OnVendorSelected(const QModelIndex& current, const QModelIndex& previous)
{
    Q_UNUSED(previous)
    ShowEntry(current);
}

void ManageVendors::OnPushButtonDeleteClicked()
{
    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    query.prepare(QStringLiteral("SELECT Count(*) FROM tblInventory WHERE VENDOR_ID = ?"));
    query.addBindValue(CurrentId());
    if (!query.exec() || !query.next()) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        return;
    }
    if (query.value(0).toInt() != 0) {
        QMessageBox::warning(
            this, tr("Error"),
            tr("Can not delete this vendor as sotck Items exist from this vendor."),
            QMessageBox::Ok);
        return;
    }
    RemoveEntry();
}

void ManageVendors::OnPushButtonUpdateClicked()
{
    UpdateEntry();
}

bool ManageVendors::IsEmptyText()
{
    return IsNameBlank();
}

bool ManageVendors::IsSameText()
{
    return false;
}

void ManageVendors::on_pushFilter_clicked()
{
    ApplyFilter();
}

void ManageVendors::on_lineEditFilter_textChanged(const QString& text)
{
    Q_UNUSED(text)
    ApplyFilter();
}
