#ifndef MANAGEUSERS_H
#define MANAGEUSERS_H

#include "widgets/merchoradialog.h"

#include <QModelIndex>
#include <QString>

class QSqlTableModel;

namespace Ui {
class ManageUsers;
}

// The values of the user form.
struct UserInput
{
    QString firstName;
    QString lastName;
    QString loginName;
    QString password;
    QString repeatPassword;
    QString role;
};

enum class UserInputProblem
{
    None,
    EmptyField,
    PasswordMismatch,
    PasswordLooksHashed
};

// The first reason, in the order the form checks them, why the input cannot be stored.
UserInputProblem CheckUserInput(const UserInput& input);

// Lists the users of the inventory database and adds, changes and removes them.
class ManageUsers : public MerchoraDialog
{
    Q_OBJECT

public:
    explicit ManageUsers(QWidget* parent = nullptr);
    ~ManageUsers() override;

    // True when first name, last name, login name, password or role is empty.
    bool IsEmptyText();

public Q_SLOTS:
    void on_pushButtonAdd_clicked();
    void on_pushButtonClose_clicked();
    void OnUserSelected(const QModelIndex& current, const QModelIndex& previous);
    void OnPushButtonDeleteClicked();
    void OnPushButtonUpdateClicked();

private:
    UserInput Input() const;
    qint64 UserIdAt(int row) const;
    // Shows the message for a problem with the input; false when the input cannot be stored.
    bool AcceptInput(const QString& emptyFieldText);
    void ClearForm();
    void WriteRow(int row, const UserInput& input);
    void Reload();

    Ui::ManageUsers* ui;
    QSqlTableModel* m_model = nullptr;
};

#endif // MANAGEUSERS_H
