#ifndef MANAGEDATABASES_H
#define MANAGEDATABASES_H

#include "widgets/merchoradialog.h"

class QLineEdit;

namespace Ui {
class ManageDatabases;
}

// Shows the active inventory and sales database files, creates a new empty one of either kind in
// a chosen folder, or makes an existing file the active one once it has passed its checks.
class ManageDatabases : public MerchoraDialog
{
    Q_OBJECT

public:
    explicit ManageDatabases(QWidget* parent = nullptr);
    ~ManageDatabases() override;

public Q_SLOTS:
    void InitializeDataBaseInfo();
    void on_pushButtonSelect_clicked();
    void on_pushInventoryFolderSelect_clicked();
    // Creates a new sales database.
    void on_pushButtonBackup_clicked();
    void on_pushCreateInventoryDB_clicked();
    void on_pushSelectSalesDB_clicked();
    void on_pushSelectInventoryDB_clicked();
    void on_pushButtonClose_clicked();

private:
    void SelectExisting(bool inventory);

    Ui::ManageDatabases* ui;
};

// A folder chooser starting at "RECENT_LOCATION"; the chosen folder goes into the line edit and
// becomes the recent location. Shared by the database and backup dialogs.
void ChooseFolderInto(QWidget* parent, QLineEdit* edit);

#endif // MANAGEDATABASES_H
