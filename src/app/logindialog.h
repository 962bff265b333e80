#ifndef LOGINDIALOG_H
#define LOGINDIALOG_H

#include "merchoradialog.h"

#include <QSqlDatabase>
#include <QString>

namespace Ui {
class LoginDialog;
}

// What a login produced. The caller owns it and sets cancelled before running the dialog; only a
// successful login clears it.
struct LoginResult
{
    bool cancelled = true;
    QString firstName;
    QString lastName;
    QString loginName;
    QString role;
};

// Looks the login name up in tblUsers (exact, case-sensitive) and checks the password. On a
// match the row is copied into result (when given); an old plain-text password is replaced by
// its hash on the way.
bool AuthenticateUser(const QSqlDatabase& db, const QString& loginName, const QString& password,
                      LoginResult* result);

// Asks for user name and password and checks them against the inventory database.
class LoginDialog : public MerchoraDialog
{
    Q_OBJECT

public:
    explicit LoginDialog(QWidget* parent = nullptr);
    ~LoginDialog() override;

    void SetLoginResult(LoginResult* result) { m_result = result; }

public Q_SLOTS:
    void on_buttonLogin_clicked();
    void on_buttonCancel_clicked();

private:
    // Counts the failed attempt and shows the text with the count put in for %1.
    void ShowFailure(const QString& textWithCount);

    Ui::LoginDialog* ui;
    LoginResult* m_result = nullptr;
    int m_attempts = 0;
};

#endif // LOGINDIALOG_H
