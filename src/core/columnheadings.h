#ifndef COLUMNHEADINGS_H
#define COLUMNHEADINGS_H

class QSqlQueryModel;

// Tables that show the result of a statement as it is take their headings from the statement's
// column names and aliases ("BAR_CODE", 'Expiry Date', 'PURCHASE COST'). The statements keep
// those names in English; the headings are translated where they are shown.
namespace ColumnHeadings {

// Sets the horizontal header of every column of the model from the column's name: its
// translation when it is one of those headings, else the name as it is. Called after each query,
// before any header of the screen's own: a model keeps the headers it was given across queries,
// while its next query may have other columns.
void Translate(QSqlQueryModel* model);

} // namespace ColumnHeadings

#endif // COLUMNHEADINGS_H
