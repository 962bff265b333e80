#ifndef BACKUPDIALOG_H
#define BACKUPDIALOG_H

#include "widgets/merchoradialog.h"

namespace Ui {
class Backupdialog;
}

// Copies the inventory and sales data folders into a chosen folder, with a progress dialog that
// can cancel and a question for every file that can not be copied.
class Backupdialog : public MerchoraDialog
{
    Q_OBJECT

public:
    explicit Backupdialog(QWidget* parent = nullptr);
    ~Backupdialog() override;

public Q_SLOTS:
    void on_pushButtonSelect_clicked();
    void on_pushButtonBackup_clicked();
    void on_pushButtonClose_clicked();

private:
    // Copies one folder below the destination; true when the copy ran to its end.
    bool CopyFolder(const QString& folder, const QString& destination);

    Ui::Backupdialog* ui;
};

#endif // BACKUPDIALOG_H
