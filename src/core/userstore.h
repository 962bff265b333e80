#ifndef USERSTORE_H
#define USERSTORE_H

#include <QSqlDatabase>
#include <QtGlobal>

// The two roles of tblUsers.ROLE. Logging in is only offered while a row with ROLE_ADMIN exists.
inline constexpr char ROLE_ADMIN[] = "ADMIN";
inline constexpr char ROLE_SALES_PERSON[] = "SALES PERSON";

// Replaces every non-empty PASSWORD of tblUsers that is not a hash yet by its hash, all rows in
// one transaction. Returns the number of rows converted, or -1 (logged, nothing changed) when a
// statement fails. Hashed and empty values are left as they are.
int UpgradePlainPasswords(const QSqlDatabase& inventory);

// True when the user with this ID has the role ADMIN and no other user has it, i.e. when deleting
// the user or giving it another role would leave no administrator. A failing query counts as
// true, so that nothing is removed on a guess.
bool IsLastAdmin(const QSqlDatabase& inventory, qint64 userId);

#endif // USERSTORE_H
