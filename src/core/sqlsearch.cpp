#include "core/sqlsearch.h"

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
