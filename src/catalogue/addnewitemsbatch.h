#ifndef ADDNEWITEMSBATCH_H
#define ADDNEWITEMSBATCH_H

#include "widgets/merchoradialog.h"

#include <QDate>
#include <QString>

class QSqlRecord;
class QSqlTableModel;

namespace Ui {
class CAddNewItemsBatch;
}

// The batch fields as typed, before they are checked.
struct BatchFields
{
    QDate expiry;
    QString quantity;
    QString salePrice;
    QString purchasePrice;
    QString discount;
    int vendorIndex = -1;
    QString subItems;
};

// True when the barcode is 1 to 20 letters, digits or underscores.
bool IsValidBatchBarCode(const QString& barCode);
// The message of the first check the fields fail, in the order the dialog checks them; empty
// when every check passes.
QString CheckBatchFields(const BatchFields& fields);

// Adds a stock batch of one product from one vendor, or edits a batch chosen in the inventory
// browser.
class CAddNewItemsBatch : public MerchoraDialog
{
    Q_OBJECT

public:
    explicit CAddNewItemsBatch(QWidget* parent = nullptr);
    ~CAddNewItemsBatch() override;

    // Loads a row of the inventory browser's query and switches to editing it.
    void SetBatchForEdit(const QSqlRecord& record);
    // Looks the product up by its code and fills the product fields.
    void LoadProduct(const QString& code);
    bool ValidateBatchData();
    // Clears the batch fields after a save; product, barcode, show-on-POS and expiry stay.
    void ResetBatchData();

public Q_SLOTS:
    void on_pushButtonClose_clicked();
    void on_pushButtonAdd_clicked();
    void on_pushSelectProduct_clicked();
    void on_editProductCode_returnPressed();
    void on_pushVendors_clicked();

private:
    BatchFields Fields() const;
    void ReloadVendors();
    // Makes the vendor with this ID current; false when the list holds no such vendor.
    bool SelectVendorById(const QVariant& vendorId);

    Ui::CAddNewItemsBatch* ui;
    bool m_editMode = false;
    QString m_batchId;
    int m_productId = -1;
    QSqlTableModel* m_vendors = nullptr;
};

#endif // ADDNEWITEMSBATCH_H
