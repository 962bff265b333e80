#ifndef LOGINDIALOG_H
#define LOGINDIALOG_H

#include "widgets/merchoradialog.h"

#include <QSqlDatabase>
#include <QString>

class QTimer;

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

// Asks for user name and password and checks them against the inventory database. Repeated
// failures are answered late (LoginThrottle): meanwhile the dialog counts the wait down and Login
// is disabled.
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
    // Counts the failed attempt and returns the text with the count put in for %1.
    QString CountFailure(const QString& textWithCount);
    // Disables Login and counts the process's login wait down; answer is shown when it ends.
    void StartWait(const QString& answer);
    // One step of the count-down: shows the seconds left, or ends the wait.
    void OnWaitTimeout();

    Ui::LoginDialog* ui;
    LoginResult* m_result = nullptr;
    int m_attempts = 0;
    QTimer* m_waitTimer = nullptr;
    QString m_pendingAnswer;
};

#endif // LOGINDIALOG_H
