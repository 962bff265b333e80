#include "core/productstore.h"

#include "core/DBManager.h"
#include "core/productvalidation.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// Code of a new row until its ID is known and becomes its code.
const char CODE_PLACEHOLDER[] = "AAAAAAAAAAAAAAAAAAAA";

} // namespace

bool UpdateProductRecord(QSqlDatabase& inventory, const ProductRecord& product, const QVariant& id)
{
    QSqlQuery query(inventory);
    query.prepare(QStringLiteral(
        "UPDATE tblProducts SET CATEGORY_ID = :category_id, PRODUCT_CODE = :code, NAME = :name, "
        "ITEMS_PER_UNIT = :items, DESCRIPTION= :description, IMAGE_FILE= :image_file, "
        "TAX_RATE = :tax_rate WHERE ID = :id"));
    query.bindValue(QStringLiteral(":category_id"), product.categoryId);
    query.bindValue(QStringLiteral(":code"), product.code);
    query.bindValue(QStringLiteral(":name"), product.name);
    query.bindValue(QStringLiteral(":items"), product.itemsPerUnit);
    query.bindValue(QStringLiteral(":description"), product.description);
    query.bindValue(QStringLiteral(":image_file"), product.imageFile);
    query.bindValue(QStringLiteral(":tax_rate"), StoredTaxRate(product.taxRate));
    query.bindValue(QStringLiteral(":id"), id);
    if (query.exec())
        return true;
    MERCHORA_LOG_DB_ERROR(query.lastError());
    return false;
}

bool InsertProductRecord(QSqlDatabase& inventory, const ProductRecord& product,
                         bool autoGenerateCode, QString* code)
{
    QSqlDatabase& db = inventory;
    QSqlQuery query(db);
    // Outside the transaction: inside one SQLite ignores this pragma.
    query.exec(QStringLiteral("PRAGMA foreign_keys = ON;"));

    *code = autoGenerateCode ? QString() : product.code;

    // The insert and the code update stand or fall together, so no placeholder row is left.
    if (!db.transaction()) {
        MERCHORA_LOG_DB_ERROR(db.lastError());
        return false;
    }
    query.prepare(QStringLiteral(
        "INSERT INTO tblProducts (CATEGORY_ID, PRODUCT_CODE, NAME, ITEMS_PER_UNIT, DESCRIPTION, "
        "IMAGE_FILE, TAX_RATE) VALUES (:category_id, :product_code, :name, :items, :description, "
        ":image_file, :tax_rate)"));
    query.bindValue(QStringLiteral(":category_id"), product.categoryId);
    query.bindValue(QStringLiteral(":product_code"),
                    autoGenerateCode ? QString::fromLatin1(CODE_PLACEHOLDER) : product.code);
    query.bindValue(QStringLiteral(":name"), product.name);
    query.bindValue(QStringLiteral(":items"), product.itemsPerUnit);
    query.bindValue(QStringLiteral(":description"), product.description);
    query.bindValue(QStringLiteral(":image_file"), product.imageFile);
    query.bindValue(QStringLiteral(":tax_rate"), StoredTaxRate(product.taxRate));
    bool ok = query.exec();

    if (ok && autoGenerateCode) {
        *code = query.lastInsertId().toString();
        query.prepare(QStringLiteral("UPDATE tblProducts SET PRODUCT_CODE = ? WHERE ID = ?"));
        query.addBindValue(*code);
        query.addBindValue(*code);
        ok = query.exec();
    }
    if (!ok) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        MERCHORA_LOG_DB_ERROR(db.lastError());
        db.rollback();
        return false;
    }
    return true;
}
