#include "core/sqlsearch.h"

#include "core/DBManager.h"

#include <QSqlError>
#include <QSqlQueryModel>

namespace SqlSearch {

QString ContainsPattern(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('%'), QLatin1String("\\%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

QString LikeCondition(const QString& column)
{
    return column + QStringLiteral(" LIKE ? ESCAPE '\\'");
}

QString AnyColumnContains(const QStringList& columns, const QString& text, QVariantList* values)
{
    QStringList conditions;
    for (const QString& column : columns) {
        conditions << LikeCondition(column);
        values->append(ContainsPattern(text));
    }
    return conditions.join(QStringLiteral(" OR "));
}

} // namespace SqlSearch

void SetBoundQuery(QSqlQueryModel* model, const QSqlDatabase& database,
                   const BoundStatement& statement)
{
    QSqlQuery query(database);
    if (query.prepare(statement.text)) {
        for (const QVariant& value : statement.values)
            query.addBindValue(value);
        if (!query.exec())
            MERCHORA_LOG_DB_ERROR(query.lastError());
    } else {
        MERCHORA_LOG_DB_ERROR(query.lastError());
    }
    model->setQuery(query);
    if (model->lastError().isValid())
        MERCHORA_LOG_DB_ERROR(model->lastError());
}
