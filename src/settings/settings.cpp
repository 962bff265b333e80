#include "settings/settings.h"
#include "ui_settings.h"

#include "core/settingsrules.h"
#include "core/translations.h"
#include "core/utility.h"
#include "pos/possettingspanel.h"
#include "reporting/printersettingspanel.h"
#include "settings/taxsettings.h"
#include "widgets/errordialog.h"

#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QScroller>
#include <QSettings>

namespace {
QString key(const char* name)
{
    return QString::fromLatin1(name);
}
} // namespace

Settings::Settings(QWidget* parent) : MerchoraDialog(parent), ui(new Ui::Settings)
{
    ui->setupUi(this);
    QScroller::grabGesture(ui->scrollArea->viewport(), QScroller::LeftMouseButtonGesture);
    Load();
}

Settings::~Settings()
{
    delete ui;
}

void Settings::Load()
{
    QSettings* settings = Utility::GetInstance()->GetSettings();

    // Each language under its own name, so that it can be found whatever language is shown.
    for (const QString& code : Translations::Available())
        ui->comboLanguage->addItem(Translations::NativeName(code), code);
    ui->comboLanguage->setCurrentIndex(
        ui->comboLanguage->findData(Translations::ChooseForThisUser()));
    ui->comboDateFormat->addItems({key(DateFormatName::YEAR_MONTH_DAY),
                                   key(DateFormatName::MONTH_DAY_YEAR),
                                   key(DateFormatName::DAY_MONTH_YEAR)});

    // The first opening takes the date order of the user's locale, and keeps it at once.
    if (!settings->contains(key(SettingKey::DATE_FORMAT))) {
        settings->setValue(
            key(SettingKey::DATE_FORMAT),
            Utility::DateFormatNameForLocale(QLocale().dateFormat(QLocale::ShortFormat)));
    }
    ui->comboDateFormat->setCurrentIndex(
        ui->comboDateFormat->findText(settings->value(key(SettingKey::DATE_FORMAT)).toString()));

    ui->groupMySql->hide();
    ui->groupImagesFolder->hide();

    m_taxPage = new TaxSettings(this);
    m_printerPage = CreatePrinterSettingsPanel(this);
    m_posPage = CreatePosSettingsPanel(this);
    ui->tabWidget->insertTab(TaxTab, m_taxPage, tr("Tax Settings"));
    ui->tabWidget->insertTab(PrinterTab, m_printerPage, tr("Printer Settings"));
    ui->tabWidget->insertTab(PosTab, m_posPage, tr("POS Settings"));
    ui->tabWidget->setCurrentIndex(GeneralTab);
    setSizeGripEnabled(true);

    if (settings->contains(key(SettingKey::REPORT_COMPANY_NAME)))
        ui->editCompanyName->setText(
            settings->value(key(SettingKey::REPORT_COMPANY_NAME)).toString());
    if (settings->contains(key(SettingKey::REPORT_COMPANY_ADDRESS)))
        ui->textCompanyAddress->setPlainText(
            settings->value(key(SettingKey::REPORT_COMPANY_ADDRESS)).toString());
    if (settings->contains(key(SettingKey::REPORT_PHONE_NUMBER)))
        ui->editPhoneNumber->setText(
            settings->value(key(SettingKey::REPORT_PHONE_NUMBER)).toString());
    if (settings->contains(key(SettingKey::REPORT_COMPANY_LOGO)))
        ui->editCompanyLogo->setText(
            settings->value(key(SettingKey::REPORT_COMPANY_LOGO)).toString());
    if (settings->contains(key(SettingKey::SUB_ITEMS_MODE)))
        ui->enableSubItemsMode->setChecked(Utility::GetInstance()->IsSubItemsMode());
    if (settings->contains(key(SettingKey::CURRENCY_SYMBOL)))
        ui->editCurrencySymbol->setText(
            settings->value(key(SettingKey::CURRENCY_SYMBOL)).toString());

    const bool small = settings->value(key(SettingKey::SMALL_RECEIPT), 1).toInt() != 0;
    ui->radioSmallReceipt->setChecked(small);
    ui->radioLargeReceipt->setChecked(!small);

    const bool dark = settings->value(key(SettingKey::THEME)).toString() == QLatin1String("dark");
    ui->radioDarkTheme->setChecked(dark);
    ui->radioLightTheme->setChecked(!dark);

    ui->lineImagesFolder->setText(
        settings->value(key(SettingKey::IMAGES_FOLDER), QString()).toString());
}

void Settings::on_buttonBox_accepted()
{
    GeneralSettingsInput input;
    input.companyName = ui->editCompanyName->text();
    input.companyAddress = ui->textCompanyAddress->toPlainText();
    input.phoneNumber = ui->editPhoneNumber->text();
    input.companyLogo = ui->editCompanyLogo->text();
    input.subItemsMode = ui->enableSubItemsMode->isChecked();
    input.currencySymbol = ui->editCurrencySymbol->text();
    input.dateFormat = ui->comboDateFormat->currentText();
    input.smallReceipt = ui->radioSmallReceipt->isChecked();
    input.darkTheme = ui->radioDarkTheme->isChecked();
    input.imagesFolder = ui->lineImagesFolder->text();

    Utility* utility = Utility::GetInstance();
    QSettings* settings = utility->GetSettings();
    for (const auto& value : SettingsValuesBeforePages(input)) {
        settings->setValue(value.first, value.second);
        if (value.first == key(SettingKey::DATE_FORMAT))
            utility->ReloadDateFormat();
    }
    SavePrinterSettingsPanel(m_printerPage);
    SavePosSettingsPanel(m_posPage);
    for (const auto& value : SettingsValuesAfterPages(input))
        settings->setValue(value.first, value.second);
    SaveLanguage();

    // A rejected tax rate keeps the dialog open on its page; what came before stays stored.
    if (m_taxPage->ValidateAndSave())
        accept();
    else
        ui->tabWidget->setCurrentIndex(TaxTab);
}

// The language is stored only when it differs from what would be chosen anyway, so that without a
// choice the system's language keeps deciding. Open windows keep their texts until the next start.
void Settings::SaveLanguage()
{
    const QString code = ui->comboLanguage->currentData().toString();
    if (code == Translations::ChooseForThisUser())
        return;
    Utility::GetInstance()->GetSettings()->setValue(key(SettingKey::LANGUAGE), code);
    if (code != Translations::Current()) {
        QMessageBox::information(this, tr("Language"),
                                 tr("The program shows its texts in %1 from its next start.")
                                     .arg(Translations::NativeName(code)));
    }
}

void Settings::on_buttonBox_rejected()
{
    reject();
}

void Settings::on_selectImage_clicked()
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    const QString file = QFileDialog::getOpenFileName(
        this, tr("Select Product Image"),
        settings->value(key(SettingKey::RECENT_LOCATION), QString()).toString(),
        tr("Image Files (*.png *.jpg *.bmp)"));
    if (file.isEmpty())
        return;
    ui->editCompanyLogo->setText(file);
    settings->setValue(key(SettingKey::RECENT_LOCATION), file);
}

// Help is always shown: it has no key under which it could be silenced.
void Settings::on_pudhWhatIsSubItemsMode_clicked()
{
    ErrorDialog help(
        QString(), tr("Sub Items Help"),
        tr("This mode is useful when you want to sell individual items or small custom "
           "quantities. For example, if you are buying a pack of six bottles, and want to sell "
           "one bottle each. If this mode is enabled then the price for one bottle will be "
           "calcualted automatically. Another example would be selling items which require "
           "price calculation from weight. For example you can add the  price of 1Kg of sugar "
           "in the system. If this mode is enabled then price of any weight of sugar will be "
           "calculated  automatically by the system."),
        this, true);
    help.setModal(true);
    help.exec();
}

void Settings::on_pushConfigure_clicked() {}

void Settings::on_pushDatabases_clicked() {}

// The images folder is never shown; its button stays for the form's sake and chooses a folder.
void Settings::on_pushSelectImagesFolder_clicked()
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    ErrorDialog notice(QStringLiteral("err_msg_10"), tr("Product Images"),
                       tr("Select the folder that holds the product images."), this);
    notice.exec();
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Product Images"),
        settings->value(key(SettingKey::RECENT_LOCATION), QString()).toString());
    if (folder.isEmpty())
        return;
    ui->lineImagesFolder->setText(folder);
    settings->setValue(key(SettingKey::RECENT_LOCATION), folder);
}
