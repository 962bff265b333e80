#include "settings/taxsettings.h"
#include "ui_taxsettings.h"

#include "core/settingsrules.h"
#include "core/utility.h"

#include <QMessageBox>
#include <QSettings>

TaxSettings::TaxSettings(QWidget* parent) : QScrollArea(parent), ui(new Ui::TaxSettings)
{
    ui->setupUi(this);
    const Utility* utility = Utility::GetInstance();
    QSettings* settings = utility->GetSettings();
    ui->checkEnableTax->setChecked(
        settings->value(QString::fromLatin1(SettingKey::ENABLE_TAX), true).toBool());
    ui->editTaxName->setText(
        settings->value(QString::fromLatin1(SettingKey::SALES_TAX_NAME), QString()).toString());
    ui->editTaxRateA->setText(
        settings->value(QString::fromLatin1(SettingKey::SALES_TAX_RATE_A), 0).toString());
    ui->editTaxRateB->setText(
        settings->value(QString::fromLatin1(SettingKey::SALES_TAX_RATE_B), 0).toString());
    ui->editTaxRateC->setText(
        settings->value(QString::fromLatin1(SettingKey::SALES_TAX_RATE_C), 0).toString());
}

TaxSettings::~TaxSettings()
{
    delete ui;
}

bool TaxSettings::ValidateAndSave()
{
    const QStringList rates{ui->editTaxRateA->text(), ui->editTaxRateB->text(),
                            ui->editTaxRateC->text()};
    const int invalid = FirstInvalidTaxRate(rates);
    if (invalid >= 0) {
        const QString letter = QString(QLatin1Char(char('A' + invalid)));
        QMessageBox::information(
            this, tr("Settings"),
            tr("Tax rate %1 is invalid. Please enter numeric (0 to 99.99) value.").arg(letter),
            QMessageBox::Ok);
        return false;
    }

    QSettings* settings = Utility::GetInstance()->GetSettings();
    settings->setValue(QString::fromLatin1(SettingKey::SALES_TAX_RATE_A), rates.at(0));
    settings->setValue(QString::fromLatin1(SettingKey::SALES_TAX_RATE_B), rates.at(1));
    settings->setValue(QString::fromLatin1(SettingKey::SALES_TAX_RATE_C), rates.at(2));
    settings->setValue(QString::fromLatin1(SettingKey::SALES_TAX_NAME), ui->editTaxName->text());
    settings->setValue(QString::fromLatin1(SettingKey::ENABLE_TAX),
                       ui->checkEnableTax->isChecked());
    return true;
}
