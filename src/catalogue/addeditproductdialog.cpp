#include "catalogue/addeditproductdialog.h"
#include "ui_addeditproductdialog.h"

#include "core/DBManager.h"
#include "core/productstore.h"
#include "core/productvalidation.h"
#include "core/utility.h"
#include "widgets/errordialog.h"

#include <QFileDialog>
#include <QPixmap>
#include <QScroller>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlRelationalTableModel>
#include <QSqlTableModel>

namespace {

const char NO_IMAGE[] = ":/resources/images/NoImageAvailable.jpg";

QString BorderImageSheet(const QString& path)
{
    // Quoted, so that folders with blanks or brackets in their names still show.
    QString quoted = path;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QStringLiteral("QLabel {border-image:url(\"") + quoted + QStringLiteral("\"); }");
}

} // namespace

AddEditProductDialog::AddEditProductDialog(QWidget* parent)
    : MerchoraDialog(parent), ui(new Ui::AddEditProductDialog)
{
    ui->setupUi(this);
    ui->editItemsPerUnit->setText(QStringLiteral("1"));
    QScroller::grabGesture(ui->scrollArea->viewport(), QScroller::LeftMouseButtonGesture);

    m_categories = new QSqlTableModel(this, CDBManager::GetInstance()->GetInventoryDataBase());
    m_categories->setTable(QStringLiteral("tblProductCategories"));
    ui->comboCategory->setModel(m_categories);
    ui->comboCategory->setModelColumn(1);
    if (!m_categories->select())
        MERCHORA_LOG_DB_ERROR(m_categories->lastError());

    m_imagePath = QString::fromLatin1(NO_IMAGE);
    ShowImageFile(m_imagePath);

    const Utility* utility = Utility::GetInstance();
    const struct
    {
        char letter;
        const char* key;
    } rates[] = {{'A', SettingKey::SALES_TAX_RATE_A},
                 {'B', SettingKey::SALES_TAX_RATE_B},
                 {'C', SettingKey::SALES_TAX_RATE_C}};
    for (const auto& rate : rates) {
        const QString text = utility->ReadString(QString::fromLatin1(rate.key));
        m_taxRates.insert(TaxRateLabel(QLatin1Char(rate.letter), text), text.toFloat());
    }
    ui->comboTaxRates->addItems(m_taxRates.keys());
    ui->comboTaxRates->setCurrentIndex(0);
    ui->lineEditCustomRate->setEnabled(false);

    m_taxEnabled = utility->ReadBool(QString::fromLatin1(SettingKey::ENABLE_TAX));
    if (!m_taxEnabled) {
        // Without tax every product is saved with the rate 0.
        ui->checkBoxCustomRate->setChecked(true);
        ui->lineEditCustomRate->setText(QStringLiteral("0"));
        ui->labelTaxRate->hide();
        ui->comboTaxRates->hide();
        ui->checkBoxCustomRate->hide();
        ui->lineEditCustomRate->hide();
    }
}

AddEditProductDialog::~AddEditProductDialog()
{
    delete ui;
}

void AddEditProductDialog::ShowImageFile(const QString& path)
{
    ui->labelImage->setPixmap(QPixmap());
    ui->labelImage->setStyleSheet(BorderImageSheet(path));
}

void AddEditProductDialog::SetProductForEdit(QSqlRelationalTableModel* model,
                                             const QModelIndex& index)
{
    m_productModel = model;
    m_editIndex = index;
    m_editMode = true;
    ui->buttonAdd->setText(tr("Update"));

    const auto column = [model, &index](int column) {
        return model->index(index.row(), column).data();
    };
    ui->editCode->setText(column(ProductColumn::Code).toString());
    ui->editName->setText(column(ProductColumn::Name).toString());
    ui->editItemsPerUnit->setText(column(ProductColumn::ItemsPerUnit).toString());
    ui->editDescription->setText(column(ProductColumn::Description).toString());
    ui->comboCategory->setCurrentText(column(ProductColumn::Category).toString());
    m_imagePath = column(ProductColumn::ImageFile).toString();

    QPixmap picture;
    if (m_imagePath.isEmpty() || !picture.load(m_imagePath))
        picture.load(QString::fromLatin1(NO_IMAGE));
    ui->labelImage->setStyleSheet(QString());
    ui->labelImage->setPixmap(picture.scaled(ui->labelImage->minimumSize(), Qt::KeepAspectRatio,
                                             Qt::SmoothTransformation));

    // With tax switched off the hidden custom rate stays 0, whatever the product had.
    if (!m_taxEnabled)
        return;
    const QString storedRate = column(ProductColumn::TaxRate).toString();
    ui->comboTaxRates->setCurrentIndex(-1);
    const int match = MatchingTaxRate(m_taxRates.values(), storedRate);
    if (match >= 0)
        ui->comboTaxRates->setCurrentIndex(match);
    if (ui->comboTaxRates->currentText().isEmpty()) {
        ui->checkBoxCustomRate->setChecked(true);
        ui->lineEditCustomRate->setText(storedRate);
    }
}

void AddEditProductDialog::ResetForm()
{
    ui->comboCategory->setCurrentIndex(-1);
    ui->editCode->clear();
    ui->editName->clear();
    ui->editItemsPerUnit->clear();
    ui->editDescription->clear();
    if (m_taxEnabled) {
        ui->lineEditCustomRate->clear();
        ui->checkBoxCustomRate->setChecked(false);
    }
    ShowImageFile(QString::fromLatin1(NO_IMAGE));
    m_imagePath.clear();
}

void AddEditProductDialog::on_buttonClose_clicked()
{
    close();
}

void AddEditProductDialog::on_buttonAdd_clicked()
{
    ProductInput input;
    input.autoGenerateCode = ui->checkAutoGenerate->isChecked();
    input.code = ui->editCode->text();
    input.name = ui->editName->text();
    input.itemsPerUnit = ui->editItemsPerUnit->text();
    input.customRate = ui->checkBoxCustomRate->isChecked();
    input.customRateText = ui->lineEditCustomRate->text();
    input.hasCategory =
        ui->comboCategory->currentIndex() >= 0 && !ui->comboCategory->currentText().isEmpty();
    const QString problem = ProductInputProblem(input);
    if (!problem.isEmpty()) {
        ui->labelStatus->setText(problem);
        return;
    }

    const int categoryId = m_categories->record(ui->comboCategory->currentIndex()).value(0).toInt();
    const float taxRate = input.customRate ? input.customRateText.toFloat()
                                           : m_taxRates.value(ui->comboTaxRates->currentText());

    if (m_editMode) {
        if (!m_editIndex.isValid() || !m_productModel)
            return;
        if (UpdateProduct(categoryId, taxRate))
            ui->labelStatus->setText(
                tr("Product with code ( %1 ) updated successfull").arg(ui->editCode->text()));
        else
            ui->labelStatus->setText(tr("System Error: Can not update the product data"));
        return;
    }

    QString code;
    if (InsertProduct(categoryId, taxRate, &code)) {
        ui->labelStatus->setText(
            tr("Product with code ( %1 ) added successfully to catalogue").arg(code));
        ResetForm();
        ui->editItemsPerUnit->setText(QStringLiteral("1"));
    } else {
        ui->labelStatus->setText(
            tr("System Error: Can not add product with code ( %1 ) to catalogue").arg(code));
    }
}

ProductRecord AddEditProductDialog::FormProduct(int categoryId, float taxRate) const
{
    ProductRecord product;
    product.categoryId = categoryId;
    product.code = ui->editCode->text();
    product.name = ui->editName->text();
    product.itemsPerUnit = ui->editItemsPerUnit->text();
    product.description = ui->editDescription->text();
    product.imageFile = m_imagePath;
    product.taxRate = taxRate;
    return product;
}

bool AddEditProductDialog::UpdateProduct(int categoryId, float taxRate)
{
    return UpdateProductRecord(CDBManager::GetInstance()->GetInventoryDataBase(),
                               FormProduct(categoryId, taxRate),
                               m_productModel->index(m_editIndex.row(), ProductColumn::Id).data());
}

bool AddEditProductDialog::InsertProduct(int categoryId, float taxRate, QString* code)
{
    return InsertProductRecord(CDBManager::GetInstance()->GetInventoryDataBase(),
                               FormProduct(categoryId, taxRate), ui->checkAutoGenerate->isChecked(),
                               code);
}

void AddEditProductDialog::on_buttonSelectImage_clicked()
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    QString start =
        Utility::GetInstance()->ReadString(QString::fromLatin1(SettingKey::RECENT_LOCATION));
    if (start.isEmpty())
        start = QStringLiteral("/home");
    const QString path = QFileDialog::getOpenFileName(this, tr("Select Product Image"), start,
                                                      tr("Image Files (*.png *.jpg *.bmp)"));
    if (path.isEmpty())
        return;
    m_imagePath = path;
    settings->setValue(QString::fromLatin1(SettingKey::RECENT_LOCATION), path);
    ShowImageFile(path);
}

void AddEditProductDialog::on_pushButton_clicked()
{
    ErrorDialog help(
        QString(), tr("Items Per Unit Help"),
        tr("This information is for pricing calculation of the sub items. In most cases this "
           "value would be 1. Products such as mobile phones have no sub items, and would be "
           "sold as whole item. If the product contains sub items, and you want to sell those "
           "sub items as individual items, enter that amount in this box. For example, if the "
           "product is a pack of six bottles, and you want to sell one bottle each, then enter 6 "
           "here in this box.  Another example would be a product of 1Kg of sugar, and you want "
           "to sell in grams. Then you would enter 1000 in this box."),
        this, true);
    help.setModal(true);
    help.exec();
}

void AddEditProductDialog::on_checkBoxCustomRate_toggled(bool checked)
{
    ui->lineEditCustomRate->setEnabled(checked);
    ui->comboTaxRates->setEnabled(!checked);
    ui->comboTaxRates->setCurrentIndex(0);
}
