#ifndef PRODUCTSTORE_H
#define PRODUCTSTORE_H

#include <QString>
#include <QVariant>

class QSqlDatabase;

// The values of one tblProducts row as the product form gives them.
struct ProductRecord
{
    int categoryId = 0;
    QString code;
    QString name;
    QString itemsPerUnit;
    QString description;
    QString imageFile;
    float taxRate = 0;
};

// Updates the product with the given ID; false (and the error logged) when the update fails.
bool UpdateProductRecord(QSqlDatabase& inventory, const ProductRecord& product, const QVariant& id);

// Inserts a product. With autoGenerateCode its ID becomes its code, in the same transaction, so
// no row with a placeholder code is ever left behind. The code the product was stored with (or
// tried with) goes to *code. False (and the error logged) when nothing was stored.
bool InsertProductRecord(QSqlDatabase& inventory, const ProductRecord& product,
                         bool autoGenerateCode, QString* code);

#endif // PRODUCTSTORE_H
