#include "core/userstore.h"

#include "core/DBManager.h"
#include "core/passwordhash.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QVector>

namespace {

struct PlainPassword
{
    qint64 id = 0;
    QString password;
};

// Rolls the open transaction back and reports the failure of the statement that ended it.
int Abandon(QSqlDatabase& db, const QSqlError& error)
{
    MERCHORA_LOG_DB_ERROR(error);
    if (!db.rollback())
        MERCHORA_LOG_DB_ERROR(db.lastError());
    return -1;
}

} // namespace

int UpgradePlainPasswords(const QSqlDatabase& inventory)
{
    QSqlDatabase db = inventory;
    if (!db.transaction()) {
        MERCHORA_LOG_DB_ERROR(db.lastError());
        return -1;
    }

    // Read first, write afterwards: no statement is still stepping through tblUsers while its
    // rows change.
    QVector<PlainPassword> plain;
    {
        QSqlQuery select(db);
        select.setForwardOnly(true);
        if (!select.exec(QStringLiteral("SELECT ID, PASSWORD FROM tblUsers ORDER BY ID")))
            return Abandon(db, select.lastError());
        while (select.next()) {
            const QString password = select.value(1).toString();
            if (!password.isEmpty() && !PasswordHash::IsHashed(password))
                plain.append({select.value(0).toLongLong(), password});
        }
        if (select.lastError().isValid())
            return Abandon(db, select.lastError());
    }

    QSqlQuery update(db);
    if (!update.prepare(QStringLiteral("UPDATE tblUsers SET PASSWORD = ? WHERE ID = ?")))
        return Abandon(db, update.lastError());
    for (const PlainPassword& row : plain) {
        update.bindValue(0, PasswordHash::Hash(row.password));
        update.bindValue(1, row.id);
        if (!update.exec())
            return Abandon(db, update.lastError());
    }
    update.finish();

    if (!db.commit())
        return Abandon(db, db.lastError());
    return plain.size();
}

bool IsLastAdmin(const QSqlDatabase& inventory, qint64 userId)
{
    QSqlQuery query(inventory);
    query.prepare(
        QStringLiteral("SELECT EXISTS (SELECT 1 FROM tblUsers WHERE ID = ? AND ROLE = ?), "
                       "EXISTS (SELECT 1 FROM tblUsers WHERE ID <> ? AND ROLE = ?)"));
    const QString admin = QString::fromLatin1(ROLE_ADMIN);
    query.bindValue(0, userId);
    query.bindValue(1, admin);
    query.bindValue(2, userId);
    query.bindValue(3, admin);
    if (!query.exec() || !query.next()) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        return true;
    }
    return query.value(0).toBool() && !query.value(1).toBool();
}
