#ifndef MANAGECATEGORIES_H
#define MANAGECATEGORIES_H

#include "widgets/merchoradialog.h"

#include <QModelIndex>
#include <QVariant>

class QSqlTableModel;

namespace Ui {
class ManageCategories;
}

// The product categories of the inventory database: adds, renames and removes them. Names are
// unique regardless of letter case; a category still used by a product stays.
class ManageCategories : public MerchoraDialog
{
    Q_OBJECT

public:
    explicit ManageCategories(QWidget* parent = nullptr);
    ~ManageCategories() override;

public Q_SLOTS:
    void on_pushButtonClose_clicked();
    void on_pushButtonAdd_clicked();
    void OnCategorySelected(const QModelIndex& current, const QModelIndex& previous);
    void OnPushButtonDeleteClicked();
    void OnPushButtonUpdateClicked();
    // True when the name holds nothing but blanks.
    bool IsEmptyText();
    // True, after telling the user, when a category of that name exists in any letter case;
    // also true when the check itself fails.
    bool IsSameText();

private:
    QVariant CurrentId() const;
    void Reload();

    Ui::ManageCategories* ui;
    QSqlTableModel* m_model = nullptr;
};

#endif // MANAGECATEGORIES_H
