#include "app/logindialog.h"
#include "ui_logindialog.h"

#include "core/DBManager.h"
#include "core/loginthrottle.h"
#include "core/passwordhash.h"

#include <QPixmap>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>

bool AuthenticateUser(const QSqlDatabase& db, const QString& loginName, const QString& password,
                      LoginResult* result)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT ID, FIRST_NAME, LAST_NAME, LOGIN_NAME, PASSWORD, ROLE "
                                 "FROM tblUsers WHERE LOGIN_NAME = ?"));
    query.addBindValue(loginName);
    if (!query.exec()) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        return false;
    }
    if (!query.next())
        return false;

    const QString stored = query.value(4).toString();
    if (!PasswordHash::Matches(password, stored))
        return false;

    const QVariant id = query.value(0);
    if (result) {
        result->firstName = query.value(1).toString();
        result->lastName = query.value(2).toString();
        result->loginName = query.value(3).toString();
        result->role = query.value(5).toString();
    }
    query.finish();

    // An old plain-text password is stored as a hash from its first successful login on.
    if (!PasswordHash::IsHashed(stored)) {
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE tblUsers SET PASSWORD = ? WHERE ID = ?"));
        update.addBindValue(PasswordHash::Hash(password));
        update.addBindValue(id);
        if (!update.exec())
            MERCHORA_LOG_DB_ERROR(update.lastError());
    }
    return true;
}

LoginDialog::LoginDialog(QWidget* parent) : MerchoraDialog(parent), ui(new Ui::LoginDialog)
{
    ui->setupUi(this);
    ui->labelLogo->setPixmap(QPixmap(QStringLiteral(":/resources/images/merchora_logo.png"))
                                 .scaled(72, 72, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    // Keep a line for the message so the dialog does not grow on the first failure.
    ui->labelMessage->setMinimumHeight(ui->labelMessage->fontMetrics().height() * 2);
    ui->labelMessage->clear();
    ui->editUserName->setFocus();

    m_waitTimer = new QTimer(this);
    m_waitTimer->setSingleShot(true);
    m_waitTimer->setTimerType(Qt::PreciseTimer);
    connect(m_waitTimer, &QTimer::timeout, this, &LoginDialog::OnWaitTimeout);
    // A wait that an earlier dialog started goes on here.
    if (LoginThrottle::Process().RemainingMs() > 0)
        StartWait(QString());
}

LoginDialog::~LoginDialog()
{
    delete ui;
}

void LoginDialog::on_buttonLogin_clicked()
{
    LoginThrottle& throttle = LoginThrottle::Process();
    if (m_waitTimer->isActive() || throttle.RemainingMs() > 0)
        return;
    ui->labelMessage->clear();

    const QString userName = ui->editUserName->text();
    const QString password = ui->editPassword->text();
    if (userName.isEmpty() || password.isEmpty()) {
        // Nothing was checked, so this is no guess and does not count towards the wait.
        ui->labelMessage->setText(
            CountFailure(tr("Please enter valid User Name or Password (%1)")));
        return;
    }

    CDBManager* manager = CDBManager::GetInstance();
    LoginResult found;
    if (!AuthenticateUser(manager->GetInventoryDataBase(), userName, password, &found)) {
        const QString answer = CountFailure(tr("Login failed. Please try again (%1)"));
        // The next attempt opens the database afresh, e.g. after it was replaced.
        manager->CloseInventoryDataBase();
        if (throttle.RecordFailure() > 0)
            StartWait(answer);
        else
            ui->labelMessage->setText(answer);
        return;
    }
    throttle.RecordSuccess();

    if (m_result) {
        m_result->firstName = found.firstName;
        m_result->lastName = found.lastName;
        m_result->loginName = found.loginName;
        m_result->role = found.role;
        m_result->cancelled = false;
    }
    accept();
}

void LoginDialog::on_buttonCancel_clicked()
{
    if (m_result)
        m_result->cancelled = true;
    reject();
}

QString LoginDialog::CountFailure(const QString& textWithCount)
{
    ++m_attempts;
    return textWithCount.arg(m_attempts);
}

void LoginDialog::StartWait(const QString& answer)
{
    m_pendingAnswer = answer;
    ui->buttonLogin->setEnabled(false);
    OnWaitTimeout();
}

void LoginDialog::OnWaitTimeout()
{
    const LoginThrottle& throttle = LoginThrottle::Process();
    const qint64 remaining = throttle.RemainingMs();
    if (remaining <= 0) {
        ui->buttonLogin->setEnabled(true);
        ui->labelMessage->setText(m_pendingAnswer);
        m_pendingAnswer.clear();
        return;
    }
    const int seconds = throttle.RemainingSeconds();
    ui->labelMessage->setText(seconds == 1 ? tr("Please wait 1 second...")
                                           : tr("Please wait %1 seconds...").arg(seconds));
    // Wake up when the shown number of seconds changes.
    const qint64 untilNext = remaining - qint64(seconds - 1) * throttle.SecondLength();
    m_waitTimer->start(int(qMax<qint64>(1, untilNext)));
}
