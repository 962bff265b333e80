#include "purchasing/addeditpurchaseorder.h"
#include "ui_addeditpurchaseorder.h"

#include "catalogue/productpicker.h"
#include "catalogue/vendordirectory.h"
#include "core/DBManager.h"
#include "core/columnheadings.h"
#include "core/utility.h"
#include "widgets/reportengine.h"

#include <QDateTime>
#include <QDebug>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScroller>
#include <QSqlError>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QSqlTableModel>

namespace {

const char RECEIVED[] = "RECEIVED";

// Columns of the item query.
enum ItemColumn
{
    ItemId = 0,
    ItemOrderId = 1,
    ItemCode = 2,
    ItemQuantity = 3,
    ItemName = 4,
    ItemUnitPrice = 5,
    ItemLineTotal = 6,
    ItemSalePrice = 7,
    ItemBatch = 8,
    ItemExpiry = 9,
    ItemStorage = 10
};

// Columns of tblVendors.
enum VendorColumn
{
    VendorId = 0,
    VendorName = 1,
    VendorAddress = 2,
    VendorContact = 4
};

QSqlDatabase Inventory()
{
    return CDBManager::GetInstance()->GetInventoryDataBase();
}

QString Setting(const char* key)
{
    return Utility::GetInstance()->ReadString(QString::fromLatin1(key));
}

// A stored price as the printed order shows it: two decimals for whole cents, every digit of a
// finer price.
QString PriceText(const QVariant& value)
{
    const double price = value.toDouble();
    const Money cents = Money::FromDouble(price);
    if (qAbs(cents.ToDouble() - price) < 1e-9)
        return cents.ToString();
    return QString::number(price, 'g', 15);
}

// The ordered items, prices shown as PriceText gives them and numbers aligned right; the records
// keep the stored values.
class OrderItemsModel : public QSqlQueryModel
{
public:
    using QSqlQueryModel::QSqlQueryModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const int column = index.column();
        const bool price =
            column == ItemUnitPrice || column == ItemLineTotal || column == ItemSalePrice;
        if (role == Qt::TextAlignmentRole && (price || column == ItemQuantity))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role == Qt::DisplayRole && price)
            return PriceText(QSqlQueryModel::data(index, role));
        return QSqlQueryModel::data(index, role);
    }
};

} // namespace

AddEditPurchaseOrder::AddEditPurchaseOrder(QWidget* parent, const QSqlRecord* record)
    : MerchoraDialog(parent), ui(new Ui::AddEditPurchaseOrder)
{
    ui->setupUi(this);
    QScroller::grabGesture(ui->scrollArea->viewport(), QScroller::LeftMouseButtonGesture);
    QScroller::grabGesture(ui->tableView->viewport(), QScroller::LeftMouseButtonGesture);

    const QString dateFormat = Utility::GetInstance()->GetDateFormat();
    for (QDateEdit* edit : {ui->dateSent, ui->dateDeliver, ui->dateExpiry})
        edit->setDisplayFormat(dateFormat);
    ui->dateExpiry->setDate(QDate::currentDate());
    m_dateColumn = Utility::GetInstance()->GetSqlDateColumn(QStringLiteral("EXPIRY_DATE"),
                                                            QStringLiteral("EXPIRY DATE"));

    LoadPurchaseOrder(record);
    ui->pushDeleteItem->setEnabled(false);
    connect(ui->tableView, &QAbstractItemView::clicked, this,
            &AddEditPurchaseOrder::OnItemSelected);

    ReadPrintingValues();
    resize(950, 650);
}

AddEditPurchaseOrder::~AddEditPurchaseOrder()
{
    delete ui;
}

void AddEditPurchaseOrder::ReadPrintingValues()
{
    m_companyName = Setting(SettingKey::REPORT_COMPANY_NAME);
    if (m_companyName.isEmpty())
        m_companyName = tr("YOUR COMPANY NAME - CUSTOMIZE IN SETTINGS");
    m_companyAddress = Setting(SettingKey::REPORT_COMPANY_ADDRESS);
    if (m_companyAddress.isEmpty())
        m_companyAddress = tr("YOUR COPMANY ADDRESS - CUSTOMIZE IN SETTINGS");
    m_companyContact = Setting(SettingKey::REPORT_PHONE_NUMBER);
    if (m_companyContact.isEmpty())
        m_companyContact = tr("CONTACT: CUSTOMIZE IN SETTINGS");
    QString logoPath = Setting(SettingKey::REPORT_COMPANY_LOGO);
    if (logoPath.isEmpty())
        logoPath = QStringLiteral(":/resources/images/merchora_logo.png");
    m_logo = QImage(logoPath);
    m_currencySymbol = Setting(SettingKey::CURRENCY_SYMBOL);
    m_taxName = Setting(SettingKey::SALES_TAX_NAME);
    // As the till and the home screen name an unnamed tax.
    if (m_taxName.isEmpty())
        m_taxName = QStringLiteral("TAX");
    ui->labelSalesTax->setText(m_taxName);
    m_taxOn = Utility::GetInstance()->ReadBool(QString::fromLatin1(SettingKey::ENABLE_TAX));
    if (!m_taxOn) {
        const std::initializer_list<QWidget*> taxFields = {ui->labelSubTotal, ui->lineSubTotal,
                                                           ui->labelSalesTax, ui->lineTax};
        for (QWidget* widget : taxFields)
            widget->hide();
    }
}

void AddEditPurchaseOrder::LoadPurchaseOrder(const QSqlRecord* record)
{
    // The first status becomes current and is taken as the saved one.
    ui->comboStatus->addItems(
        {QStringLiteral("DRAFT"), QStringLiteral("SENT"), QString::fromLatin1(RECEIVED)});

    m_vendors = new QSqlTableModel(this, Inventory());
    m_vendors->setTable(QStringLiteral("tblVendors"));
    ReloadVendors();
    ui->comboVendors->setModel(m_vendors);
    ui->comboVendors->setModelColumn(VendorName);

    const QString dateFormat = Utility::GetInstance()->GetDateFormat();
    if (record) {
        m_orderId = record->value(0).toString();
        ui->linePoNumber->setText(m_orderId);
        ui->comboVendors->setCurrentText(record->value(1).toString());
        // Saved first, so that loading a received order does not offer the export again.
        m_savedStatus = record->value(2).toString();
        ui->comboStatus->setCurrentText(m_savedStatus);
        ui->dateSent->setDate(QDate::fromString(record->value(3).toString(), dateFormat));
        ui->dateDeliver->setDate(QDate::fromString(record->value(4).toString(), dateFormat));
        m_totals.subTotal = Money::FromDouble(record->value(5).toDouble());
        m_totals.tax = Money::FromDouble(record->value(6).toDouble());
        m_totals.total = Money::FromDouble(record->value(7).toDouble());
        ui->textEditNotes->setPlainText(record->value(8).toString());
    } else {
        ui->comboVendors->setCurrentIndex(-1);
        ui->dateDeliver->setDate(QDate::currentDate());
        ui->dateSent->setDate(QDate::currentDate());
    }
    ShowTotals();

    m_items = new OrderItemsModel(this);
    QTableView* view = ui->tableView;
    view->setModel(m_items);
    RunItemQuery();
    view->hideColumn(ItemId);
    view->hideColumn(ItemOrderId);
}

void AddEditPurchaseOrder::showEvent(QShowEvent* event)
{
    MerchoraDialog::showEvent(event);
    // The theme gives every button a small minimum width, below which a squeezed layout would
    // cut its text; none gets narrower than its text.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setMinimumWidth(button->sizeHint().width());
    // A wrapped label makes the scroll area size the form by its height for the width, taller
    // than the dialog; the hint wraps within the room the layout gives it instead. (QLabel sets
    // the flag again when its font changes, so this follows the theme's polish.)
    QSizePolicy policy = ui->labelInventoryHint->sizePolicy();
    policy.setHeightForWidth(false);
    ui->labelInventoryHint->setSizePolicy(policy);
    // The style sheet the dialog now wears decides the widths its columns need.
    ui->tableView->resizeColumnsToContents();
}

void AddEditPurchaseOrder::RunItemQuery()
{
    SetBoundQuery(m_items, Inventory(), PurchaseOrderStore::ItemsQuery(m_orderId, m_dateColumn));
    ColumnHeadings::Translate(m_items);
    ui->tableView->resizeColumnsToContents();
    // The rows are new: no item is selected any more.
    m_selectedItemId.clear();
    ui->pushDeleteItem->setEnabled(false);
}

void AddEditPurchaseOrder::ReloadVendors()
{
    if (!m_vendors->select())
        MERCHORA_LOG_DB_ERROR(m_vendors->lastError());
    // Every vendor, so that any of them can be chosen and found by name.
    while (m_vendors->canFetchMore())
        m_vendors->fetchMore();
}

void AddEditPurchaseOrder::ShowTotals()
{
    ui->lineSubTotal->setText(m_totals.subTotal.ToString());
    ui->lineTax->setText(m_totals.tax.ToString());
    ui->lineTotal->setText(m_totals.total.ToString());
}

void AddEditPurchaseOrder::ShowLineTotal()
{
    ui->lineLineTotal->setText(
        PurchaseOrderMath::LineTotal(ui->lineUnitPrice->text(), ui->lineOrderQuantity->text())
            .ToString());
}

void AddEditPurchaseOrder::ClearItemFields()
{
    ui->lineBarCode->clear();
    ui->lineItemName->clear();
    ui->lineLineTotal->clear();
    ui->lineOrderQuantity->clear();
    ui->lineAvailableStock->clear();
    ui->lineTaxStatus->clear();
    ui->lineSalePrice->clear();
    ui->lineUnitPrice->clear();
    ui->lineBatch->clear();
    ui->lineStorage->clear();
    ui->dateExpiry->setDate(QDate::currentDate());
}

PurchaseOrderHeader AddEditPurchaseOrder::Header() const
{
    PurchaseOrderHeader header;
    header.id = m_orderId;
    header.vendorId = m_vendorId;
    header.status = ui->comboStatus->currentText();
    header.sentDate = ui->dateSent->date();
    header.deliveryDate = ui->dateDeliver->date();
    header.subTotal = m_totals.subTotal;
    header.tax = m_totals.tax;
    header.total = m_totals.total;
    header.notes = ui->textEditNotes->toPlainText();
    return header;
}

PurchaseOrderItem AddEditPurchaseOrder::ItemFromFields() const
{
    PurchaseOrderItem item;
    item.code = ui->lineBarCode->text();
    item.quantity = ui->lineOrderQuantity->text().toInt(nullptr, 10);
    item.name = ui->lineItemName->text();
    item.unitPrice = ui->lineUnitPrice->text().toDouble();
    item.lineTotal =
        PurchaseOrderMath::LineTotal(ui->lineUnitPrice->text(), ui->lineOrderQuantity->text());
    item.salePrice = ui->lineSalePrice->text().toDouble();
    item.batch = ui->lineBatch->text();
    item.expiry = ui->dateExpiry->date();
    item.storage = ui->lineStorage->text();
    return item;
}

bool AddEditPurchaseOrder::SaveHeader()
{
    PurchaseOrderHeader header = Header();
    if (!PurchaseOrderStore::SaveHeader(Inventory(), &header)) {
        ui->labelStatus->setText(tr("Error occurred while saving purchase order."));
        return false;
    }
    m_orderId = header.id;
    ui->linePoNumber->setText(m_orderId);
    ui->labelStatus->setText(tr("Purchase order saved successfully."));
    return true;
}

bool AddEditPurchaseOrder::ValidateItemData()
{
    QString problem;
    if (ui->lineItemName->text().isEmpty())
        problem = tr("Please enter valid product item code");
    else if (ui->lineUnitPrice->text().isEmpty())
        problem = tr("Please enter valid unit price of product item");
    else if (ui->lineOrderQuantity->text().isEmpty())
        problem = tr("Please enter valid order quantity");
    if (problem.isEmpty())
        return true;
    ui->labelStatus->setText(problem);
    return false;
}

bool AddEditPurchaseOrder::ExportToInventory()
{
    PurchaseOrderHeader header = Header();
    const StockExportResult result = PurchaseOrderStore::ExportToStock(Inventory(), &header);
    if (!result.ok) {
        QMessageBox::warning(this, tr("Export"),
                             tr("Nothing was booked into stock:") + QLatin1Char('\n') +
                                 result.problems.join(QLatin1Char('\n')));
        return false;
    }
    m_orderId = header.id;
    ui->linePoNumber->setText(m_orderId);
    ui->labelStatus->setText(tr("Purchase order saved successfully."));
    QMessageBox::information(this, tr("Export"),
                             tr("Export to inventory finished successfully") +
                                 QStringLiteral("\n\n") +
                                 tr("%n new stock batch(es) added.", nullptr, result.booked));
    return true;
}

void AddEditPurchaseOrder::OnItemSelected(const QModelIndex& current)
{
    if (!current.isValid())
        return;
    const QSqlRecord item = m_items->record(current.row());
    m_selectedItemId = item.value(ItemId).toString();
    // The code first: its look-up fills the product's tax rate and stock.
    ui->lineBarCode->setText(item.value(ItemCode).toString());
    ui->lineOrderQuantity->setText(item.value(ItemQuantity).toString());
    ui->lineItemName->setText(item.value(ItemName).toString());
    ui->lineUnitPrice->setText(item.value(ItemUnitPrice).toString());
    m_selectedLineTotal = Money::FromDouble(item.value(ItemLineTotal).toDouble());
    ui->lineLineTotal->setText(m_selectedLineTotal.ToString());
    m_selectedTaxRate = ui->lineTaxStatus->text();
    ui->lineSalePrice->setText(item.value(ItemSalePrice).toString());
    ui->lineBatch->setText(item.value(ItemBatch).toString());
    ui->dateExpiry->setDate(QDate::fromString(item.value(ItemExpiry).toString(),
                                              Utility::GetInstance()->GetDateFormat()));
    ui->lineStorage->setText(item.value(ItemStorage).toString());
    ui->pushDeleteItem->setEnabled(true);
}

void AddEditPurchaseOrder::on_pushClose_clicked()
{
    close();
}

void AddEditPurchaseOrder::on_pushSearchVendor_clicked()
{
    const QString chosen = ui->comboVendors->currentText();
    OpenVendorDirectory(this);
    ReloadVendors();
    if (chosen.isEmpty())
        ui->comboVendors->setCurrentIndex(-1);
    else
        ui->comboVendors->setCurrentText(chosen);
    // The chosen vendor's address or contact may have been changed in the directory.
    on_comboVendors_currentIndexChanged(ui->comboVendors->currentText());
}

void AddEditPurchaseOrder::on_lineBarCode_returnPressed()
{
    // The look-up runs on every change of the code; a scanner's Enter has nothing left to do.
}

void AddEditPurchaseOrder::on_lineBarCode_textChanged(const QString& text)
{
    if (text.isEmpty())
        return;
    ui->labelStatus->clear();
    ui->lineAvailableStock->clear();

    OrderProduct product;
    if (!PurchaseOrderStore::LookUpProduct(Inventory(), text, &product))
        return;
    if (!product.found) {
        ui->labelStatus->setText(tr("Barcode ( %1 ) does not exist in the inventory").arg(text));
        ui->lineItemName->clear();
        ui->lineAvailableStock->clear();
        ui->lineUnitPrice->clear();
        return;
    }
    ui->lineTaxStatus->setText(product.taxRate);
    ui->lineItemName->setText(product.name);
    ui->lineAvailableStock->setText(product.stock);
}

void AddEditPurchaseOrder::on_pushAddItem_clicked()
{
    if (!ValidateItemData())
        return;
    if (ui->comboVendors->currentIndex() < 0) {
        ui->labelStatus->setText(tr("Please select vendor for this item"));
        return;
    }
    // The first item creates the order.
    if (m_orderId.isEmpty() && !SaveHeader())
        return;

    const PurchaseOrderItem item = ItemFromFields();
    if (!PurchaseOrderStore::AddItem(Inventory(), m_orderId, item)) {
        ui->labelStatus->setText(tr("Error occured while adding purchase item."));
        return;
    }
    RunItemQuery();
    m_totals =
        PurchaseOrderMath::AddLine(m_totals, item.lineTotal, ui->lineTaxStatus->text(), m_taxOn);
    ShowTotals();
    // The stored order's totals follow its items.
    SaveHeader();
    ClearItemFields();
}

void AddEditPurchaseOrder::on_pushDeleteItem_clicked()
{
    if (m_selectedItemId.isEmpty())
        return;
    if (!PurchaseOrderStore::DeleteItem(Inventory(), m_selectedItemId)) {
        ui->labelStatus->setText(tr("Error occurred while deleting purchase item."));
        return;
    }
    m_totals =
        PurchaseOrderMath::RemoveLine(m_totals, m_selectedLineTotal, m_selectedTaxRate, m_taxOn);
    RunItemQuery();
    ShowTotals();
    SaveHeader();
    ClearItemFields();
}

void AddEditPurchaseOrder::on_pushSearchItem_clicked()
{
    ui->lineBarCode->setText(PickProductCode(this, QSize(800, 400)));
}

void AddEditPurchaseOrder::on_comboVendors_currentIndexChanged(const QString& text)
{
    Q_UNUSED(text)
    const int row = ui->comboVendors->currentIndex();
    const QSqlRecord vendor = row >= 0 ? m_vendors->record(row) : QSqlRecord();
    m_vendorId = row >= 0 ? vendor.value(VendorId) : QVariant();
    m_vendorName = vendor.value(VendorName).toString();
    m_vendorAddress = vendor.value(VendorAddress).toString();
    m_vendorContact = vendor.value(VendorContact).toString();
    ui->lineContact->setText(m_vendorContact);
}

void AddEditPurchaseOrder::on_lineOrderQuantity_textChanged(const QString& text)
{
    Q_UNUSED(text)
    ShowLineTotal();
}

void AddEditPurchaseOrder::on_lineUnitPrice_textChanged(const QString& text)
{
    Q_UNUSED(text)
    ShowLineTotal();
}

void AddEditPurchaseOrder::on_pushSave_clicked()
{
    SaveHeader();
}

void AddEditPurchaseOrder::on_comboStatus_currentTextChanged(const QString& status)
{
    if (status == QLatin1String(RECEIVED) && m_savedStatus != QLatin1String(RECEIVED)) {
        QString question = tr("Do you want to export received items to inventory?");
        const int batches = PurchaseOrderStore::ItemCount(Inventory(), m_orderId);
        if (batches >= 0)
            question +=
                QStringLiteral("\n\n") + tr("This adds %n new stock batch(es).", nullptr, batches);
        if (QMessageBox::question(this, tr("Export"), question,
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes &&
            !ExportToInventory()) {
            // Nothing was booked: the order keeps its former status, so that it is not saved as
            // received and choosing RECEIVED again offers the export again.
            const QSignalBlocker blocker(ui->comboStatus);
            ui->comboStatus->setCurrentText(m_savedStatus);
            return;
        }
    }
    // Moving away from RECEIVED and back offers the export again.
    m_savedStatus = status;
}

void AddEditPurchaseOrder::on_pushUpdateInventoryData_clicked()
{
    if (m_selectedItemId.isEmpty() ||
        !PurchaseOrderStore::UpdateReceiving(Inventory(), m_selectedItemId, ItemFromFields())) {
        ui->labelStatus->setText(tr("Error occured while updating purchase item."));
        return;
    }
    RunItemQuery();
}

// --- printing --------------------------------------------------------------------------------

void AddEditPurchaseOrder::PrepareReport(ReportEngine* report)
{
    // The model reads rows in steps; a long order prints every item.
    while (m_items->canFetchMore())
        m_items->fetchMore();
    report->rowCounts.append(m_items->rowCount());
    const QString path = m_taxOn ? QStringLiteral(":/xml/reports/purchase_order.xml")
                                 : QStringLiteral(":/xml/reports/purchase_order_no_tax.xml");
    if (!report->openTemplate(path))
        qDebug() << "Report's file not found";
    connect(report, &ReportEngine::setValue, this, &AddEditPurchaseOrder::setValue);
    connect(report, &ReportEngine::setValueImage, this, &AddEditPurchaseOrder::setValueImage);
}

void AddEditPurchaseOrder::printReport(bool preview)
{
    // Every row, so that the printed order lists all items.
    while (m_items->canFetchMore())
        m_items->fetchMore();
    ReportEngine report(this);
    PrepareReport(&report);
    if (preview)
        report.openPreview(this);
    else
        report.printToTarget(true);
}

void AddEditPurchaseOrder::on_pushPrintToPDF_clicked()
{
    while (m_items->canFetchMore())
        m_items->fetchMore();
    ReportEngine report(this);
    PrepareReport(&report);
    report.printToPdfFile();
}

void AddEditPurchaseOrder::on_pushPrint_clicked()
{
    printReport(false);
}

void AddEditPurchaseOrder::on_pushPreview_clicked()
{
    printReport(true);
}

void AddEditPurchaseOrder::setValue(int& recNo, QString& paramName, QVariant& paramValue,
                                    int reportPage)
{
    Q_UNUSED(reportPage)
    const QSqlRecord item = m_items->record(recNo);
    const auto cell = [&item](int column) {
        return item.value(column);
    };
    const auto money = [this](const QString& text) {
        return m_currencySymbol + QLatin1Char(' ') + text;
    };
    if (paramName == QLatin1String("Qty"))
        paramValue = cell(ItemQuantity).toString();
    else if (paramName == QLatin1String("Code"))
        paramValue = cell(ItemCode).toString();
    else if (paramName == QLatin1String("Name"))
        paramValue = cell(ItemName).toString();
    else if (paramName == QLatin1String("UnitPrice"))
        paramValue = PriceText(cell(ItemUnitPrice));
    else if (paramName == QLatin1String("LineTotal"))
        paramValue = PriceText(cell(ItemLineTotal));
    else if (paramName == QLatin1String("company_name"))
        paramValue = m_companyName;
    else if (paramName == QLatin1String("company_address"))
        paramValue = m_companyAddress;
    else if (paramName == QLatin1String("company_contact"))
        paramValue = m_companyContact;
    else if (paramName == QLatin1String("report_message"))
        paramValue = QString();
    else if (paramName == QLatin1String("vendor_name"))
        paramValue = m_vendorName;
    else if (paramName == QLatin1String("vendor_address"))
        paramValue = m_vendorAddress;
    else if (paramName == QLatin1String("vendor_contact"))
        paramValue = m_vendorContact;
    else if (paramName == QLatin1String("deliver_date"))
        paramValue = ui->dateDeliver->date().toString(QStringLiteral("dddd, d MMMM yy"));
    else if (paramName == QLatin1String("porder"))
        paramValue = m_orderId;
    else if (paramName == QLatin1String("date"))
        paramValue =
            QDateTime::currentDateTime().toString(QStringLiteral("dddd, d MMMM yy hh:mm:ss"));
    else if (paramName == QLatin1String("total"))
        paramValue = money(ui->lineTotal->text());
    else if (paramName == QLatin1String("tax"))
        paramValue = money(ui->lineTax->text());
    else if (paramName == QLatin1String("sub_total"))
        paramValue = money(ui->lineSubTotal->text());
    else if (paramName == QLatin1String("Tax_Name"))
        paramValue = m_taxName;
}

void AddEditPurchaseOrder::setValueImage(int& recNo, QString& paramName, QImage& paramValue,
                                         int reportPage)
{
    Q_UNUSED(recNo)
    Q_UNUSED(reportPage)
    if (paramName == QLatin1String("image"))
        paramValue = m_logo;
}
