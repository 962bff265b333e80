#ifndef CONTACTDIRECTORY_H
#define CONTACTDIRECTORY_H

#include "core/sqlsearch.h"
#include "widgets/merchoradialog.h"

#include <QModelIndex>
#include <QString>
#include <QVariant>

class QAbstractItemModel;
class QPushButton;
class QTableView;

namespace Ui {
class ContactDirectory;
}

namespace Directory {

// True when the text holds nothing but blanks (" "); a tab or any other character counts.
bool IsBlankText(const QString& text);

// The table of a directory dialog: shows the model with its ID column (0) hidden, one whole row
// selectable at a time, no editing in place, the last column stretched and kinetic scrolling.
void SetUpTable(QTableView* view, QAbstractItemModel* model);

// Sizes the visible columns to their contents; when together they are wider than the table,
// the widest ones are narrowed to an equal share so that every column stays in view.
void FitColumns(QTableView* view);

} // namespace Directory

// The form, table and filter that the vendor and customer directories share: a name, address,
// email and contact number per row of a table of the inventory database. The dialogs built on
// it add their own checks, texts and slots.
class ContactDirectory : public MerchoraDialog
{
    Q_OBJECT

public:
    ~ContactDirectory() override;

protected:
    // The dialog on the table; the details box carries the given title.
    ContactDirectory(const QString& table, const QString& detailsTitle, QWidget* parent);

    // The values typed into the form.
    struct Entry
    {
        QString name;
        QString address;
        QString email;
        QString contact;
    };
    Entry FormEntry() const;

    QTableView* Table() const;
    QPushButton* UpdateButton() const;
    QPushButton* DeleteButton() const;
    QPushButton* SelectButton() const;

    // True when the name holds nothing but blanks.
    bool IsNameBlank() const;
    // Adds a row from the form and clears it; a blank name adds nothing.
    void AddEntry();
    // Fills the form from the row and enables Update and Delete; false for an invalid index.
    bool ShowEntry(const QModelIndex& current);
    // Writes the form into the current row; nothing with a blank name or no current row.
    void UpdateEntry();
    // Removes the current row; a row the database refuses to drop shows again.
    void RemoveEntry();
    // Shows the rows whose name, address, email or contact number hold the filter text.
    void ApplyFilter();
    void ClearForm();

    // The ID of the current row, or a null value when no row is current.
    QVariant CurrentId() const;

    // Fits the columns again whenever the table changes its width.
    bool eventFilter(QObject* watched, QEvent* event) override;

    BoundFilterTableModel* m_model = nullptr;

private:
    Ui::ContactDirectory* ui;

    void WriteRow(int row);
    void Reload();
};

#endif // CONTACTDIRECTORY_H
