#include "reporting/printersettings.h"
#include "ui_printersettings.h"

#include "core/utility.h"

#include <QPrinterInfo>
#include <QScroller>
#include <QSettings>

PrinterSettings::PrinterSettings(QWidget* parent) : PrinterSettings(InstalledPrinterNames(), parent)
{
}

PrinterSettings::PrinterSettings(const QStringList& printerNames, QWidget* parent)
    : QScrollArea(parent), ui(new Ui::PrinterSettings)
{
    ui->setupUi(this);
    QScroller::grabGesture(viewport(), QScroller::LeftMouseButtonGesture);
    Load(printerNames);
}

PrinterSettings::~PrinterSettings()
{
    delete ui;
}

QStringList PrinterSettings::InstalledPrinterNames()
{
    QStringList names;
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    for (const QPrinterInfo& printer : printers)
        names << printer.printerName();
    return names;
}

void PrinterSettings::Load(const QStringList& printerNames)
{
    using namespace SettingKey;
    const Utility* utility = Utility::GetInstance();
    const auto readBool = [utility](const char* key) {
        return utility->ReadBool(QString::fromLatin1(key));
    };
    const auto readInt = [utility](const char* key) {
        return utility->ReadInt(QString::fromLatin1(key));
    };

    const QString receiptPrinter = utility->ReadString(QString::fromLatin1(RECEIPT_PRINTER));
    const QString reportPrinter = utility->ReadString(QString::fromLatin1(REPORT_PRINTER));
    // A saved printer that is no longer installed leaves the combo on its first printer.
    for (const QString& name : printerNames) {
        ui->comboReportPrinter->addItem(name);
        ui->comboReceiptPrinter->addItem(name);
        if (name == receiptPrinter)
            ui->comboReceiptPrinter->setCurrentIndex(ui->comboReceiptPrinter->count() - 1);
        if (name == reportPrinter)
            ui->comboReportPrinter->setCurrentIndex(ui->comboReportPrinter->count() - 1);
    }

    ui->checkReceiptPrintToPDF->setChecked(readBool(RECEIPT_PRINT_TO_PDF));
    ui->checkReportPrintToPDF->setChecked(readBool(REPORT_PRINT_TO_PDF));
    ui->checkPrintLogo->setChecked(readBool(PRINT_LOGO));
    // The spin boxes clamp stored values to their ranges (a paper height of 101 shows as 99).
    ui->spinBoxLogoSize->setValue(readInt(LOGO_SIZE));
    ui->spinWidth->setValue(readInt(PAPER_WIDTH));
    ui->spinHeight->setValue(readInt(PAPER_HEIGHT));
    ui->spinMarginLeft->setValue(readInt(MARGIN_LEFT));
    ui->spinMarginTop->setValue(readInt(MARGIN_TOP));
    ui->spinMarginRight->setValue(readInt(MARGIN_RIGHT));
    ui->spinMarginBottom->setValue(readInt(MARGIN_BOTTOM));
}

QVector<QPair<QString, QVariant>> PrinterSettings::ValuesToSave() const
{
    using namespace SettingKey;
    const auto entry = [](const char* key, const QVariant& value) {
        return qMakePair(QString::fromLatin1(key), value);
    };
    return {
        entry(REPORT_PRINTER, ui->comboReportPrinter->currentText()),
        entry(RECEIPT_PRINTER, ui->comboReceiptPrinter->currentText()),
        entry(PRINT_LOGO, ui->checkPrintLogo->isChecked()),
        entry(LOGO_SIZE, ui->spinBoxLogoSize->value()),
        entry(PAPER_WIDTH, ui->spinWidth->value()),
        entry(PAPER_HEIGHT, ui->spinHeight->value()),
        entry(MARGIN_LEFT, ui->spinMarginLeft->value()),
        entry(MARGIN_TOP, ui->spinMarginTop->value()),
        entry(MARGIN_RIGHT, ui->spinMarginRight->value()),
        entry(MARGIN_BOTTOM, ui->spinMarginBottom->value()),
        entry(RECEIPT_PRINT_TO_PDF, ui->checkReceiptPrintToPDF->isChecked()),
        entry(REPORT_PRINT_TO_PDF, ui->checkReportPrintToPDF->isChecked()),
    };
}

void PrinterSettings::Save()
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    const QVector<QPair<QString, QVariant>> values = ValuesToSave();
    for (const auto& value : values)
        settings->setValue(value.first, value.second);
}
