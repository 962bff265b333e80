#include "app/manageusers.h"
#include "ui_manageusers.h"

#include "core/DBManager.h"
#include "core/passwordhash.h"
#include "core/userstore.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QScroller>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>

UserInputProblem CheckUserInput(const UserInput& input)
{
    if (input.firstName.isEmpty() || input.lastName.isEmpty() || input.loginName.isEmpty() ||
        input.password.isEmpty() || input.role.isEmpty())
        return UserInputProblem::EmptyField;
    if (input.password != input.repeatPassword)
        return UserInputProblem::PasswordMismatch;
    // A stored plain-text password must never look like a hash.
    if (PasswordHash::IsHashed(input.password))
        return UserInputProblem::PasswordLooksHashed;
    return UserInputProblem::None;
}

ManageUsers::ManageUsers(QWidget* parent) : MerchoraDialog(parent), ui(new Ui::ManageUsers)
{
    ui->setupUi(this);

    ui->comboRole->addItem(QString::fromLatin1(ROLE_ADMIN));
    ui->comboRole->addItem(QString::fromLatin1(ROLE_SALES_PERSON));
    ui->comboRole->setCurrentIndex(-1);

    m_model = new QSqlTableModel(this, CDBManager::GetInstance()->GetInventoryDataBase());
    m_model->setTable(QStringLiteral("tblUsers"));
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    const struct
    {
        const char* column;
        const char* title;
    } headers[] = {{"FIRST_NAME", QT_TR_NOOP("First Name")},
                   {"LAST_NAME", QT_TR_NOOP("Last Name")},
                   {"LOGIN_NAME", QT_TR_NOOP("Login Name")},
                   {"ROLE", QT_TR_NOOP("Role")}};
    for (const auto& header : headers) {
        const int column = m_model->fieldIndex(QString::fromLatin1(header.column));
        if (column >= 0)
            m_model->setHeaderData(column, Qt::Horizontal, tr(header.title));
    }
    if (!m_model->select())
        MERCHORA_LOG_DB_ERROR(m_model->lastError());

    QTableView* view = ui->tableViewUsers;
    view->setModel(m_model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->hideColumn(m_model->fieldIndex(QStringLiteral("ID")));
    view->hideColumn(m_model->fieldIndex(QStringLiteral("PASSWORD")));
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setSortIndicatorShown(true);
    view->setSortingEnabled(true);
    // Oldest user first until a header is clicked.
    view->sortByColumn(m_model->fieldIndex(QStringLiteral("ID")), Qt::AscendingOrder);
    view->resizeColumnsToContents();

    QScroller::grabGesture(view->viewport(), QScroller::LeftMouseButtonGesture);
    QScroller::grabGesture(ui->scrollArea->viewport(), QScroller::LeftMouseButtonGesture);

    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ManageUsers::OnUserSelected);
    connect(ui->pushButtonDelete, &QPushButton::clicked, this,
            &ManageUsers::OnPushButtonDeleteClicked);
    connect(ui->pushButtonUpdate, &QPushButton::clicked, this,
            &ManageUsers::OnPushButtonUpdateClicked);
}

ManageUsers::~ManageUsers()
{
    delete ui;
}

bool ManageUsers::IsEmptyText()
{
    return ui->editFirstName->text().isEmpty() || ui->editLastName->text().isEmpty() ||
           ui->editLoginName->text().isEmpty() || ui->editPassword->text().isEmpty() ||
           ui->comboRole->currentText().isEmpty();
}

UserInput ManageUsers::Input() const
{
    UserInput input;
    input.firstName = ui->editFirstName->text();
    input.lastName = ui->editLastName->text();
    input.loginName = ui->editLoginName->text();
    input.password = ui->editPassword->text();
    input.repeatPassword = ui->editRepeastPassword->text();
    input.role = ui->comboRole->currentText();
    return input;
}

bool ManageUsers::AcceptInput(const QString& emptyFieldText)
{
    switch (CheckUserInput(Input())) {
    case UserInputProblem::EmptyField:
        QMessageBox::warning(this, tr("Error"), emptyFieldText, QMessageBox::Ok);
        return false;
    case UserInputProblem::PasswordMismatch:
        QMessageBox::warning(this, tr("Error"),
                             tr("Password does not match with the 'Repeat Password'. Please "
                                "double check the value."),
                             QMessageBox::Ok);
        return false;
    case UserInputProblem::PasswordLooksHashed:
        QMessageBox::warning(this, tr("Error"), tr("Please choose another password."),
                             QMessageBox::Ok);
        return false;
    case UserInputProblem::None:
        break;
    }

    if (ui->comboRole->currentText() == QLatin1String(ROLE_ADMIN)) {
        QMessageBox::information(this, tr("Password"),
                                 tr("Please make a note of your password. In the next \n LOGIN "
                                    "session you would need to enter this password."),
                                 QMessageBox::Ok);
    }
    return true;
}

void ManageUsers::WriteRow(int row, const UserInput& input)
{
    const auto set = [this, row](const char* column, const QString& value) {
        m_model->setData(m_model->index(row, m_model->fieldIndex(QString::fromLatin1(column))),
                         value);
    };
    set("FIRST_NAME", input.firstName);
    set("LAST_NAME", input.lastName);
    set("LOGIN_NAME", input.loginName);
    set("PASSWORD", PasswordHash::Hash(input.password));
    set("ROLE", input.role);
}

void ManageUsers::ClearForm()
{
    ui->editFirstName->clear();
    ui->editLastName->clear();
    ui->editLoginName->clear();
    ui->editPassword->clear();
    ui->editRepeastPassword->clear();
    ui->comboRole->setCurrentIndex(-1);
}

void ManageUsers::Reload()
{
    if (!m_model->select())
        MERCHORA_LOG_DB_ERROR(m_model->lastError());
    ui->tableViewUsers->resizeColumnsToContents();
}

void ManageUsers::on_pushButtonAdd_clicked()
{
    if (!AcceptInput(tr("Please enter valid data in all input boxes")))
        return;

    const int row = m_model->rowCount();
    m_model->insertRow(row);
    WriteRow(row, Input());
    if (m_model->submitAll()) {
        ClearForm();
        ui->tableViewUsers->resizeColumnsToContents();
        return;
    }

    // Typically a login name that is taken already.
    MERCHORA_LOG_DB_ERROR(m_model->lastError());
    QMessageBox::warning(this, tr("Add User"), tr("This user can not be added to system"),
                         QMessageBox::Ok);
    Reload();
}

void ManageUsers::on_pushButtonClose_clicked()
{
    close();
}

void ManageUsers::OnUserSelected(const QModelIndex& current, const QModelIndex& previous)
{
    Q_UNUSED(previous)
    if (!current.isValid())
        return;

    const QSqlRecord record = m_model->record(current.row());
    ui->editFirstName->setText(record.value(QStringLiteral("FIRST_NAME")).toString());
    ui->editLastName->setText(record.value(QStringLiteral("LAST_NAME")).toString());
    ui->editLoginName->setText(record.value(QStringLiteral("LOGIN_NAME")).toString());
    ui->comboRole->setCurrentIndex(
        ui->comboRole->findText(record.value(QStringLiteral("ROLE")).toString()));
    // The stored value is a hash: a change needs the password typed twice.
    ui->editPassword->clear();
    ui->editRepeastPassword->clear();
    ui->pushButtonUpdate->setEnabled(true);
    ui->pushButtonDelete->setEnabled(true);
}

qint64 ManageUsers::UserIdAt(int row) const
{
    return m_model->record(row).value(QStringLiteral("ID")).toLongLong();
}

void ManageUsers::OnPushButtonDeleteClicked()
{
    // With no ADMIN left the program stops asking for a login and everybody gets full access.
    const QModelIndex selected = ui->tableViewUsers->currentIndex();
    if (selected.isValid() && IsLastAdmin(m_model->database(), UserIdAt(selected.row()))) {
        QMessageBox::warning(
            this, tr("Delete User"),
            tr("This is the last user with the role ADMIN. It can not be deleted."),
            QMessageBox::Ok);
        return;
    }

    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, tr("Delete User"), tr("Are you sure you want to remove this user from system?"),
        QMessageBox::Yes | QMessageBox::No);
    const QModelIndex current = ui->tableViewUsers->currentIndex();
    if (!current.isValid() || answer != QMessageBox::Yes)
        return;

    m_model->removeRow(current.row());
    if (!m_model->submitAll())
        MERCHORA_LOG_DB_ERROR(m_model->lastError());
    Reload();
    ClearForm();
}

void ManageUsers::OnPushButtonUpdateClicked()
{
    if (!AcceptInput(tr("Please enter valid data in all input boxes.")))
        return;

    const QModelIndex current = ui->tableViewUsers->currentIndex();
    if (current.isValid() && Input().role != QLatin1String(ROLE_ADMIN) &&
        IsLastAdmin(m_model->database(), UserIdAt(current.row()))) {
        QMessageBox::warning(
            this, tr("Update User"),
            tr("This is the last user with the role ADMIN. It can not be given another role."),
            QMessageBox::Ok);
        return;
    }
    if (current.isValid()) {
        WriteRow(current.row(), Input());
        if (!m_model->submitAll())
            MERCHORA_LOG_DB_ERROR(m_model->lastError());
        Reload();
    }
    ClearForm();
}
