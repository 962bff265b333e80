#include "pos/managecustomers.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>

ManageCustomers::ManageCustomers(QWidget* parent, bool selectMode)
    : ContactDirectory(QStringLiteral("tblCustomers"), tr("Customer"), parent)
{
    setWindowTitle(tr("Manage Customers"));
    SelectButton()->setVisible(selectMode);

    QTableView* view = Table();
    view->setTabKeyNavigation(false);
    view->horizontalHeader()->setSortIndicatorShown(true);
    view->setSortingEnabled(true);
    // Oldest customer first until a header is clicked.
    view->sortByColumn(0, Qt::AscendingOrder);
    Directory::FitColumns(view);

    // The form was set up before this class existed; its on_... slots are connected now.
    QMetaObject::connectSlotsByName(this);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ManageCustomers::OnCustomerSelected);
    connect(DeleteButton(), &QPushButton::clicked, this,
            &ManageCustomers::OnPushButtonDeleteClicked);
    connect(UpdateButton(), &QPushButton::clicked, this,
            &ManageCustomers::OnPushButtonUpdateClicked);
}

void ManageCustomers::GetSelectedCustomer(QString& id, QString& name, QString& address,
                                          QString& email, QString& contact)
{
    if (!m_selected)
        return;
    const Entry entry = FormEntry();
    id = m_selectedId;
    name = entry.name;
    address = entry.address;
    email = entry.email;
    contact = entry.contact;
}

void ManageCustomers::on_pushButtonClose_clicked()
{
    close();
}

void ManageCustomers::on_pushButtonAdd_clicked()
{
    if (IsEmptyText())
        return;
    AddEntry();
}

void ManageCustomers::OnCustomerSelected(const QModelIndex& current, const QModelIndex& previous)
{
    Q_UNUSED(previous)
    if (!current.isValid())
        return;
    m_selectedId = m_model->index(current.row(), 0).data().toString();
    ShowEntry(current);
}

void ManageCustomers::OnPushButtonDeleteClicked()
{
    RemoveEntry();
}

void ManageCustomers::OnPushButtonUpdateClicked()
{
    UpdateEntry();
}

bool ManageCustomers::IsEmptyText()
{
    return IsNameBlank();
}

void ManageCustomers::on_pushFilter_clicked()
{
    ApplyFilter();
}

void ManageCustomers::on_lineEditFilter_textChanged(const QString& text)
{
    Q_UNUSED(text)
    ApplyFilter();
}

void ManageCustomers::on_pushSelect_clicked()
{
    OnCustomerSelected(Table()->currentIndex(), QModelIndex());
    m_selected = true;
    close();
}
