#ifndef ADDEDITPRODUCTDIALOG_H
#define ADDEDITPRODUCTDIALOG_H

#include "core/productstore.h"
#include "widgets/merchoradialog.h"

#include <QMap>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QString>

class QSqlRelationalTableModel;
class QSqlTableModel;

namespace Ui {
class AddEditProductDialog;
}

// Adds products to the catalogue, any number in one run, or edits one product of the product
// screen's list.
class AddEditProductDialog : public MerchoraDialog
{
    Q_OBJECT

public:
    explicit AddEditProductDialog(QWidget* parent = nullptr);
    ~AddEditProductDialog() override;

    // Loads the row of the product screen's model for editing; saving then updates that product.
    void SetProductForEdit(QSqlRelationalTableModel* model, const QModelIndex& index);
    // Clears the form for the next product after a successful add.
    void ResetForm();

public Q_SLOTS:
    void on_buttonClose_clicked();
    void on_buttonAdd_clicked();
    void on_buttonSelectImage_clicked();
    void on_pushButton_clicked();
    void on_checkBoxCustomRate_toggled(bool checked);

private:
    // The form's values as the row to store.
    ProductRecord FormProduct(int categoryId, float taxRate) const;
    // Shows a picture file as the product picture, drawn as the label's border image.
    void ShowImageFile(const QString& path);
    bool UpdateProduct(int categoryId, float taxRate);
    // Inserts the product (and gives it its ID as code when asked); the code it was stored with
    // goes to *code.
    bool InsertProduct(int categoryId, float taxRate, QString* code);

    Ui::AddEditProductDialog* ui;
    bool m_editMode = false;
    bool m_taxEnabled = true;
    QPersistentModelIndex m_editIndex;
    QPointer<QSqlRelationalTableModel> m_productModel;
    QString m_imagePath;
    // Tax label ("A - 5 %") to its rate in per cent, in the order A, B, C.
    QMap<QString, float> m_taxRates;
    QSqlTableModel* m_categories = nullptr;
};

#endif // ADDEDITPRODUCTDIALOG_H
