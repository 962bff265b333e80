#ifndef SQLSEARCH_H
#define SQLSEARCH_H

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QString>
#include <QVariantList>

class QSqlQueryModel;

// A statement with "?" placeholders and the values bound to them, in order.
struct BoundStatement
{
    QString text;
    QVariantList values;
};

// Prepares the statement on the database, binds its values and hands the result to the model,
// which then reads rows as its views need them. A failure is logged and leaves the model empty.
void SetBoundQuery(QSqlQueryModel* model, const QSqlDatabase& database,
                   const BoundStatement& statement);

// Searching with typed text. The text is always bound as a value, never part of the statement,
// and "%", "_" and "\" typed by the user match themselves.
namespace SqlSearch {

// The LIKE pattern that finds the text anywhere in a column.
QString ContainsPattern(const QString& text);
// "<column> LIKE ? ESCAPE '\'", to be bound with ContainsPattern().
QString LikeCondition(const QString& column);
// The condition that finds the text anywhere in any of the columns, and its bound values.
QString AnyColumnContains(const QStringList& columns, const QString& text, QVariantList* values);

} // namespace SqlSearch

// A table model whose filter may hold "?" placeholders; their values are bound when the model
// selects, so typed text never becomes part of the statement. Base is QSqlTableModel or
// QSqlRelationalTableModel.
template <typename Base> class BoundFilterModel : public Base
{
public:
    using Base::Base;

    // Sets the filter and the values of its placeholders, in order, and selects again when the
    // model holds data already.
    void SetBoundFilter(const QString& filter, const QVariantList& values)
    {
        m_values = values;
        Base::setFilter(filter);
    }

    void setFilter(const QString& filter) override
    {
        m_values.clear();
        Base::setFilter(filter);
    }

    bool select() override
    {
        if (m_values.isEmpty())
            return Base::select();
        const QString statement = this->selectStatement();
        if (statement.isEmpty())
            return false;
        // Unsaved edits are dropped, as a plain select drops them.
        this->revertAll();
        QSqlQuery query(this->database());
        if (query.prepare(statement)) {
            for (const QVariant& value : qAsConst(m_values))
                query.addBindValue(value);
            query.exec();
        }
        this->setQuery(query);
        return query.isActive() && !this->lastError().isValid();
    }

private:
    QVariantList m_values;
};

using BoundFilterTableModel = BoundFilterModel<QSqlTableModel>;

#endif // SQLSEARCH_H
