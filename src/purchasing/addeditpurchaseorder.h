#ifndef ADDEDITPURCHASEORDER_H
#define ADDEDITPURCHASEORDER_H

#include "core/purchaseorders.h"
#include "widgets/merchoradialog.h"

#include <QImage>
#include <QModelIndex>
#include <QString>
#include <QVariant>

class QSqlQueryModel;
class QSqlRecord;
class QSqlTableModel;
class ReportEngine;

namespace Ui {
class AddEditPurchaseOrder;
}

// Writes a purchase order to one vendor, prints it, takes the receiving data of its items and,
// when its status becomes RECEIVED, books the items into stock as new batches. Opened empty for a
// new order or with a row of the purchase order list.
class AddEditPurchaseOrder : public MerchoraDialog
{
    Q_OBJECT

public:
    // record: a row of the purchase order list (ID, vendor name, status, sent and delivery dates
    // in the display format, sub total, tax, total, notes), or none for a new order.
    explicit AddEditPurchaseOrder(QWidget* parent = nullptr, const QSqlRecord* record = nullptr);
    ~AddEditPurchaseOrder() override;

    void LoadPurchaseOrder(const QSqlRecord* record);
    // Checks the item fields before an add; the first problem goes to the status line.
    bool ValidateItemData();
    // Books the items into stock; false (after saying why) when nothing was booked.
    bool ExportToInventory();

    QString GetOrderId() const { return m_orderId; }

public Q_SLOTS:
    void OnItemSelected(const QModelIndex& current);
    void on_pushClose_clicked();
    void on_pushSearchVendor_clicked();
    void on_lineBarCode_returnPressed();
    void on_lineBarCode_textChanged(const QString& text);
    void on_pushAddItem_clicked();
    void on_pushDeleteItem_clicked();
    void on_pushSearchItem_clicked();
    void on_comboVendors_currentIndexChanged(const QString& text);
    void on_lineOrderQuantity_textChanged(const QString& text);
    void on_pushSave_clicked();
    void printReport(bool preview);
    void setValue(int& recNo, QString& paramName, QVariant& paramValue, int reportPage);
    void setValueImage(int& recNo, QString& paramName, QImage& paramValue, int reportPage);
    void on_pushPrint_clicked();
    void on_pushPreview_clicked();
    void on_comboStatus_currentTextChanged(const QString& status);
    void on_lineUnitPrice_textChanged(const QString& text);
    void on_pushUpdateInventoryData_clicked();
    void on_pushPrintToPDF_clicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ReadPrintingValues();
    // Runs the item query of the current order and fits the columns.
    void RunItemQuery();
    void ReloadVendors();
    void ShowTotals();
    void ShowLineTotal();
    void ClearItemFields();
    // Stores the header; false (with the status line saying so) when the database refuses it.
    bool SaveHeader();
    PurchaseOrderHeader Header() const;
    PurchaseOrderItem ItemFromFields() const;
    // A report engine loaded with the template for the tax setting and answered by this dialog.
    void PrepareReport(ReportEngine* report);

    Ui::AddEditPurchaseOrder* ui;
    QString m_orderId;
    QVariant m_vendorId;
    QString m_vendorName;
    QString m_vendorAddress;
    QString m_vendorContact;
    QString m_savedStatus;
    QString m_selectedItemId;
    // The stored line total and the product's tax rate of the selected item: what a delete takes
    // out of the totals, whatever has been typed into the item fields since.
    Money m_selectedLineTotal;
    QString m_selectedTaxRate;
    PurchaseOrderMath::Totals m_totals;

    QString m_companyName;
    QString m_companyAddress;
    QString m_companyContact;
    QString m_currencySymbol;
    QString m_taxName;
    QImage m_logo;
    bool m_taxOn = true;

    QString m_dateColumn;
    QSqlTableModel* m_vendors = nullptr;
    QSqlQueryModel* m_items = nullptr;
};

#endif // ADDEDITPURCHASEORDER_H
