#ifndef MANAGECUSTOMERS_H
#define MANAGECUSTOMERS_H

#include "widgets/contactdirectory.h"

// The customers of the inventory database: adds, changes, removes and filters them. Opened in
// select mode it also hands the chosen customer back to the sales screen.
class ManageCustomers : public ContactDirectory
{
    Q_OBJECT

public:
    explicit ManageCustomers(QWidget* parent = nullptr, bool selectMode = false);

    // The customer chosen with Select: its ID and the texts of the form. Without a choice the
    // arguments keep their values.
    void GetSelectedCustomer(QString& id, QString& name, QString& address, QString& email,
                             QString& contact);

public Q_SLOTS:
    void on_pushButtonClose_clicked();
    void on_pushButtonAdd_clicked();
    void OnCustomerSelected(const QModelIndex& current, const QModelIndex& previous);
    void OnPushButtonDeleteClicked();
    void OnPushButtonUpdateClicked();
    // True when the name holds nothing but blanks.
    bool IsEmptyText();
    void on_pushFilter_clicked();
    void on_lineEditFilter_textChanged(const QString& text);
    void on_pushSelect_clicked();

private:
    bool m_selected = false;
    QString m_selectedId;
};

#endif // MANAGECUSTOMERS_H
