#include "catalogue/addnewitemsbatch.h"
#include "ui_addnewitemsbatch.h"

#include "catalogue/managevendors.h"
#include "catalogue/productmanagement.h"
#include "core/DBManager.h"
#include "core/money.h"
#include "core/utility.h"
#include "core/valuelimits.h"

#include <QRegularExpression>
#include <QScroller>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>

namespace {

bool MatchesWhole(const QString& pattern, const QString& text)
{
    const QRegularExpression expression(QRegularExpression::anchoredPattern(pattern));
    return expression.match(text).hasMatch();
}

const char PRICE_PATTERN[] = "[0-9]{1,20}(\\.[0-9]{1,2})?";
const char COUNT_PATTERN[] = "[0-9]{1,10}";

bool CountTooLarge(const QString& count)
{
    return count.toLongLong(nullptr, 10) > ValueLimits::MAX_STOCK_COUNT;
}

bool PriceTooLarge(const QString& price)
{
    bool ok = false;
    const Money amount = Money::Parse(price, &ok);
    return !ok || amount.Cents() > ValueLimits::MAX_PRICE_CENTS;
}

} // namespace

bool IsValidBatchBarCode(const QString& barCode)
{
    return MatchesWhole(QStringLiteral("[a-zA-Z0-9_]{1,20}"), barCode);
}

QString CheckBatchFields(const BatchFields& fields)
{
    const QString maxCount = QString::number(ValueLimits::MAX_STOCK_COUNT);
    const QString maxPrice = Money::FromCents(ValueLimits::MAX_PRICE_CENTS).ToString();
    if (!fields.expiry.isValid())
        return CAddNewItemsBatch::tr("Error: Please select valid expiry date.");
    if (!MatchesWhole(QString::fromLatin1(COUNT_PATTERN), fields.quantity))
        return CAddNewItemsBatch::tr("Error: Please enter numeric value for Quantity.");
    if (CountTooLarge(fields.quantity))
        return CAddNewItemsBatch::tr("Error: Quantity can not be more than %1.").arg(maxCount);
    if (!MatchesWhole(QString::fromLatin1(PRICE_PATTERN), fields.salePrice))
        return CAddNewItemsBatch::tr("Error: Please enter valid value for Sale price.");
    if (PriceTooLarge(fields.salePrice))
        return CAddNewItemsBatch::tr("Error: Sale price can not be more than %1.").arg(maxPrice);
    if (!MatchesWhole(QString::fromLatin1(PRICE_PATTERN), fields.purchasePrice))
        return CAddNewItemsBatch::tr("Error: Please enter valid value for Purchase price.");
    if (PriceTooLarge(fields.purchasePrice))
        return CAddNewItemsBatch::tr("Error: Purchase price can not be more than %1.")
            .arg(maxPrice);
    if (!MatchesWhole(QStringLiteral("[0-9]{1,2}(\\.[0-9]{1,2})?"), fields.discount))
        return CAddNewItemsBatch::tr(
            "Discount is invalid. Please enter numeric value (0 to 99.99).");
    if (fields.vendorIndex == -1)
        return CAddNewItemsBatch::tr("Please select vendor from existing list or add new vendor.");
    if (!MatchesWhole(QString::fromLatin1(COUNT_PATTERN), fields.subItems))
        return CAddNewItemsBatch::tr("Please enter numeric value for sub items.");
    if (CountTooLarge(fields.subItems))
        return CAddNewItemsBatch::tr("Sub items can not be more than %1.").arg(maxCount);
    return QString();
}

CAddNewItemsBatch::CAddNewItemsBatch(QWidget* parent)
    : MerchoraDialog(parent), ui(new Ui::CAddNewItemsBatch)
{
    ui->setupUi(this);
    QScroller::grabGesture(ui->scrollArea->viewport(), QScroller::LeftMouseButtonGesture);

    m_vendors = new QSqlTableModel(this, CDBManager::GetInstance()->GetInventoryDataBase());
    m_vendors->setTable(QStringLiteral("tblVendors"));
    ui->comboBoxVendors->setModel(m_vendors);
    ui->comboBoxVendors->setModelColumn(1);

    ui->dateEditExpiryDate->setDisplayFormat(Utility::GetInstance()->GetDateFormat());
    ui->dateEditExpiryDate->setDate(QDate::currentDate());

    ui->editSubItems->setText(QStringLiteral("0"));
    ui->lineEditDiscount->setText(QStringLiteral("0"));

    if (Utility::GetInstance()->IsSubItemsMode()) {
        ui->editSubItems->setEnabled(true);
    } else {
        ui->editSubItems->hide();
        ui->labelSubItems->hide();
    }

    ReloadVendors();
    ui->pushButtonRetrieve->hide();
    resize(900, 600);
}

CAddNewItemsBatch::~CAddNewItemsBatch()
{
    delete ui;
}

BatchFields CAddNewItemsBatch::Fields() const
{
    BatchFields fields;
    fields.expiry = ui->dateEditExpiryDate->date();
    fields.quantity = ui->lineQuantity->text();
    fields.salePrice = ui->lineEditSalePrice->text();
    fields.purchasePrice = ui->lineEditPurchasePrice->text();
    fields.discount = ui->lineEditDiscount->text();
    fields.vendorIndex = ui->comboBoxVendors->currentIndex();
    fields.subItems = ui->editSubItems->text();
    return fields;
}

bool CAddNewItemsBatch::ValidateBatchData()
{
    const QString problem = CheckBatchFields(Fields());
    if (problem.isEmpty())
        return true;
    ui->labelStatus->setText(problem);
    return false;
}

void CAddNewItemsBatch::ResetBatchData()
{
    ui->editSubItems->setText(QStringLiteral("0"));
    ui->lineEditDiscount->setText(QStringLiteral("0"));
    ui->editBatch->clear();
    ui->lineEditSalePrice->clear();
    ui->lineEditPurchasePrice->clear();
    ui->lineQuantity->clear();
    ui->lineStorageLocation->clear();
    ui->comboBoxVendors->setCurrentIndex(-1);
}

void CAddNewItemsBatch::LoadProduct(const QString& code)
{
    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    query.prepare(QStringLiteral(
        "SELECT p.ID, p.NAME, p.ITEMS_PER_UNIT, p.DESCRIPTION, p.CATEGORY_ID, c.ID, c.NAME as "
        "C_NAME, p.TAX_RATE FROM tblProducts as p, tblProductCategories as c WHERE "
        "p.PRODUCT_CODE = :product_code AND p.CATEGORY_ID = c.ID"));
    query.bindValue(QStringLiteral(":product_code"), code);
    if (!query.exec()) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        ui->labelStatus->setText(
            tr("System error occurred. Could not find product with code ( %1 )").arg(code));
        return;
    }
    // A code that matches no product leaves every value null: the fields empty, the ID 0.
    const bool found = query.next();
    const auto value = [&query, found](int column) {
        return found ? query.value(column) : QVariant();
    };
    m_productId = value(0).toInt();
    ui->lineName->setText(value(1).toString());
    ui->editItemsPerUnit->setText(value(2).toString());
    ui->lineDescription->setText(value(3).toString());
    ui->lineCategory->setText(value(6).toString());
    ui->lineTaxStatus->setText(value(7).toString());
}

void CAddNewItemsBatch::ReloadVendors()
{
    if (!m_vendors->select())
        MERCHORA_LOG_DB_ERROR(m_vendors->lastError());
    // The whole list, so that every vendor can be chosen and found by name or ID.
    while (m_vendors->canFetchMore())
        m_vendors->fetchMore();
}

bool CAddNewItemsBatch::SelectVendorById(const QVariant& vendorId)
{
    const int idColumn = m_vendors->fieldIndex(QStringLiteral("ID"));
    bool ok = false;
    const qlonglong wanted = vendorId.toLongLong(&ok);
    if (!ok || idColumn < 0)
        return false;
    for (int row = 0; row < m_vendors->rowCount(); ++row) {
        if (m_vendors->index(row, idColumn).data().toLongLong() == wanted) {
            ui->comboBoxVendors->setCurrentIndex(row);
            return true;
        }
    }
    return false;
}

void CAddNewItemsBatch::SetBatchForEdit(const QSqlRecord& record)
{
    m_editMode = true;
    ui->pushButtonAdd->setText(tr("Update"));

    ui->lineEditBarCode->setText(record.value(3).toString());
    LoadProduct(record.value(13).toString());
    m_batchId = record.value(0).toString();

    ui->editBatch->setText(record.value(4).toString());
    // Vendors may share a name; the row's vendor ID tells them apart.
    if (!SelectVendorById(record.value(2)))
        ui->comboBoxVendors->setCurrentText(record.value(6).toString());
    ui->dateEditExpiryDate->setDate(
        QDate::fromString(record.value(7).toString(), Utility::GetInstance()->GetDateFormat()));
    ui->lineStorageLocation->setText(record.value(8).toString());
    ui->lineQuantity->setText(record.value(9).toString());
    ui->editSubItems->setText(record.value(10).toString());
    ui->lineEditPurchasePrice->setText(record.value(11).toString());
    ui->lineEditSalePrice->setText(record.value(12).toString());
    ui->editProductCode->setText(record.value(13).toString());
    ui->checkShowOnPOS->setChecked(record.value(14).toBool());
    ui->lineEditDiscount->setText(record.value(15).toString());

    ui->editItemsPerUnit->setEnabled(false);
    ui->lineName->setEnabled(false);
    ui->lineDescription->setEnabled(false);
    ui->lineCategory->setEnabled(false);
    ui->checkBox->setChecked(true);
    ui->checkBox->setEnabled(true);
}

void CAddNewItemsBatch::on_pushButtonClose_clicked()
{
    close();
}

void CAddNewItemsBatch::on_pushButtonAdd_clicked()
{
    const QString barCode = ui->lineEditBarCode->text();
    if (!IsValidBatchBarCode(barCode)) {
        ui->labelStatus->setText(
            tr("Barcode ( %1 ) is invalid. Please enter valid Barcode (1 to 20 digits)")
                .arg(barCode));
        return;
    }
    if (!ValidateBatchData())
        return;

    const QString statement =
        m_editMode
            ? QStringLiteral(
                  "UPDATE tblInventory SET PRODUCT_ID = :product_id, VENDOR_ID = :vendor_id, "
                  "BAR_CODE = :bar_code, BATCH_NUMBER = :batch, EXPIRY_DATE = :expiry_date, "
                  "STORAGE_LOCATION = :storage_location , PURCHASE_PRICE = :purchase_price, "
                  "SALE_PRICE = :sale_price, QUANTITY = :quantity, SUB_ITEMS = :sub_items , "
                  "SHOW_ON_POS = :show , DISCOUNT = :discount  WHERE ID = :id")
            : QStringLiteral(
                  "INSERT INTO tblInventory ( PRODUCT_ID, VENDOR_ID, BAR_CODE, BATCH_NUMBER, "
                  "EXPIRY_DATE, STORAGE_LOCATION , PURCHASE_PRICE, SALE_PRICE, QUANTITY, "
                  "SUB_ITEMS, SHOW_ON_POS, DISCOUNT) VALUES ( :product_id, :vendor_id, "
                  ":bar_code, :batch, :expiry_date , :storage_location, :purchase_price, "
                  ":sale_price, :quantity, :sub_items, :show, :discount)");

    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    if (!query.exec(QStringLiteral("PRAGMA foreign_keys = ON;")))
        MERCHORA_LOG_DB_ERROR(query.lastError());
    query.prepare(statement);

    const QSqlRecord vendor = m_vendors->record(ui->comboBoxVendors->currentIndex());
    query.bindValue(QStringLiteral(":vendor_id"), vendor.value(QStringLiteral("ID")).toInt());
    query.bindValue(QStringLiteral(":batch"), ui->editBatch->text());
    query.bindValue(QStringLiteral(":expiry_date"),
                    ui->dateEditExpiryDate->date().toString(QStringLiteral("yyyy-MM-dd")));
    query.bindValue(QStringLiteral(":storage_location"), ui->lineStorageLocation->text());
    // Prices are bound as double, so that a typed 12.34 is stored, shown and sold as 12.34 and
    // not as the nearest single-precision value 12.340000152587891.
    query.bindValue(QStringLiteral(":sale_price"),
                    Money::Parse(ui->lineEditSalePrice->text()).ToDouble());
    query.bindValue(QStringLiteral(":purchase_price"),
                    Money::Parse(ui->lineEditPurchasePrice->text()).ToDouble());
    query.bindValue(QStringLiteral(":quantity"), ui->lineQuantity->text().toLongLong(nullptr, 10));
    query.bindValue(QStringLiteral(":sub_items"), ui->editSubItems->text().toLongLong(nullptr, 10));
    query.bindValue(QStringLiteral(":bar_code"), barCode);
    query.bindValue(QStringLiteral(":product_id"), m_productId);
    if (m_editMode)
        query.bindValue(QStringLiteral(":id"), m_batchId.toInt());
    query.bindValue(QStringLiteral(":show"), ui->checkShowOnPOS->isChecked());
    query.bindValue(QStringLiteral(":discount"), ui->lineEditDiscount->text().toDouble());

    if (query.exec()) {
        ui->labelStatus->setText((m_editMode
                                      ? tr("Batch information (Barcode: %1) updated successfully")
                                      : tr("Batch information (Barcode: %1) added successfully"))
                                     .arg(barCode));
        ResetBatchData();
        return;
    }

    MERCHORA_LOG_DB_ERROR(query.lastError());
    // SQLite reports "UNIQUE constraint failed: tblInventory.BAR_CODE".
    const QString error = query.lastError().text();
    if (error.contains(QLatin1String("BAR_CODE")) && error.contains(QLatin1String("UNIQUE")))
        ui->labelStatus->setText(
            tr("Barcode already exists in inventory. Please choose some other code."));
    else
        ui->labelStatus->setText(
            tr("Error occurred while adding or updating the batch information."));
}

void CAddNewItemsBatch::on_pushSelectProduct_clicked()
{
    const QString code = ProductManagement::PickProduct(QSize(800, 600));
    ui->editProductCode->setText(code);
    if (ui->checkBox->isChecked())
        ui->lineEditBarCode->setText(code);
    LoadProduct(ui->editProductCode->text());
}

void CAddNewItemsBatch::on_editProductCode_returnPressed()
{
    if (ui->checkBox->isChecked())
        ui->lineEditBarCode->setText(ui->editProductCode->text());
    LoadProduct(ui->editProductCode->text());
}

void CAddNewItemsBatch::on_pushVendors_clicked()
{
    const QVariant chosen =
        ui->comboBoxVendors->currentIndex() >= 0
            ? m_vendors->record(ui->comboBoxVendors->currentIndex()).value(QStringLiteral("ID"))
            : QVariant();
    {
        ManageVendors vendors(this);
        vendors.setModal(true);
        vendors.exec();
    }
    ReloadVendors();
    // Keep the vendor that was chosen before, as long as it still exists.
    if (chosen.isValid())
        SelectVendorById(chosen);
}
