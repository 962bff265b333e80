#ifndef MANAGEVENDORS_H
#define MANAGEVENDORS_H

#include "widgets/contactdirectory.h"

// The vendors of the inventory database: adds, changes, removes and filters them. A vendor whose
// stock items are in the inventory cannot be removed.
class ManageVendors : public ContactDirectory
{
    Q_OBJECT

public:
    explicit ManageVendors(QWidget* parent = nullptr);

public Q_SLOTS:
    void on_pushButtonClose_clicked();
    void on_pushButtonAdd_clicked();
    void OnVendorSelected(const QModelIndex& current, const QModelIndex& previous);
    void OnPushButtonDeleteClicked();
    void OnPushButtonUpdateClicked();
    // True when the name holds nothing but blanks.
    bool IsEmptyText();
    // Vendors may share a name, so no name counts as taken.
    bool IsSameText();
    void on_pushFilter_clicked();
    void on_lineEditFilter_textChanged(const QString& text);
};

#endif // MANAGEVENDORS_H
