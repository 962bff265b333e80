#ifndef PRODUCTMANAGEMENT_H
#define PRODUCTMANAGEMENT_H

#include "core/sqlsearch.h"

#include <QModelIndex>
#include <QScrollArea>
#include <QSize>
#include <QSqlRelationalTableModel>
#include <QString>
#include <QVector>

namespace Ui {
class ProductManagement;
}

using ProductTableModel = BoundFilterModel<QSqlRelationalTableModel>;

// The product screen: a searchable list of the catalogue with adding, editing and deleting.
// Constructed in selection mode it is the product picker, where a double-click chooses a product.
class ProductManagement : public QScrollArea
{
    Q_OBJECT

public:
    explicit ProductManagement(QWidget* parent, bool selectionMode = false);
    ~ProductManagement() override;

    // The code of the product double-clicked in selection mode; empty if none was chosen.
    QString GetSelectedProductCode() const { return m_selectedProductCode; }

    // Shows the product picker over parent (the main window when none is given), modal, at the
    // given size; returns the code of the chosen product, or an empty text when the picker was
    // closed without a choice.
    static QString PickProduct(const QSize& size, QWidget* parent = nullptr);

public Q_SLOTS:
    void OnProductSeleted();
    void on_buttonSearch_clicked();
    void on_buttonAddNew_clicked();
    void on_buttonEdit_clicked();
    void on_buttonDelete_clicked();
    void on_buttonShowAll_clicked();
    void OnRowDoubleClicked(const QModelIndex& index);
    void on_pushButton_clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Selects the model again with its current filter and sizes the columns to the loaded rows.
    void Reload();
    // Sets the column widths from the content widths, narrowing long text columns when the list
    // is too narrow to show every column.
    void FitColumnsToView();

    Ui::ProductManagement* ui;
    bool m_selectionMode;
    QString m_selectedProductCode;
    ProductTableModel* m_model = nullptr;
    QVector<int> m_contentWidths;
};

#endif // PRODUCTMANAGEMENT_H
