#include "testenvironment.h"

#include "core/printrouting.h"
#include "core/utility.h"
#include "reporting/printersettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QScroller>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <memory>

namespace {

template <typename T> T* child(QWidget* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qWarning() << "no child" << name;
    return widget;
}

QSettings* settings()
{
    return Utility::GetInstance()->GetSettings();
}

int spin(QWidget* panel, const char* name)
{
    return child<QSpinBox>(panel, name)->value();
}

bool checked(QWidget* panel, const char* name)
{
    return child<QCheckBox>(panel, name)->isChecked();
}

QStringList comboItems(QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class PrinterSettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void loadsDefaultsWithoutSettings();
    void loadsSavedValues();
    void spinBoxRanges_data();
    void spinBoxRanges();
    void savesEveryKeyInOrder();
    void printerCombos_data();
    void printerCombos();
    void nothingWrittenBeforeSave();
    void listsInstalledPrinters();
    void routeFor_data();
    void routeFor();
    void printPdfPathCreatesFolder();

    void screenshots();
};

void PrinterSettingsTest::init()
{
    TestSupport::resetSettings();
}

void PrinterSettingsTest::loadsDefaultsWithoutSettings()
{
    PrinterSettings panel(QStringList(), nullptr);
    QVERIFY(checked(&panel, "checkReceiptPrintToPDF"));
    QVERIFY(checked(&panel, "checkReportPrintToPDF"));
    QVERIFY(checked(&panel, "checkPrintLogo"));
    QCOMPARE(spin(&panel, "spinBoxLogoSize"), 10);
    QCOMPARE(spin(&panel, "spinWidth"), 57);
    // The stored default of 101 is beyond the box's maximum.
    QCOMPARE(spin(&panel, "spinHeight"), 99);
    QCOMPARE(spin(&panel, "spinMarginLeft"), 5);
    QCOMPARE(spin(&panel, "spinMarginTop"), 17);
    QCOMPARE(spin(&panel, "spinMarginRight"), 5);
    QCOMPARE(spin(&panel, "spinMarginBottom"), 0);
    QCOMPARE(QScroller::hasScroller(panel.viewport()), true);
}

void PrinterSettingsTest::loadsSavedValues()
{
    settings()->setValue(QStringLiteral("ReceiptPrintToPDF"), false);
    settings()->setValue(QStringLiteral("ReportPrintToPDF"), QStringLiteral("false"));
    settings()->setValue(QStringLiteral("printLogo"), false);
    settings()->setValue(QStringLiteral("logoSize"), 17);
    settings()->setValue(QStringLiteral("paperWidth"), 80);
    settings()->setValue(QStringLiteral("paperHeight"), QStringLiteral("42"));
    settings()->setValue(QStringLiteral("marginLeft"), 1);
    settings()->setValue(QStringLiteral("marginTop"), 2);
    settings()->setValue(QStringLiteral("marginRight"), 3);
    settings()->setValue(QStringLiteral("marginBottom"), 4);

    PrinterSettings panel(QStringList(), nullptr);
    QVERIFY(!checked(&panel, "checkReceiptPrintToPDF"));
    QVERIFY(!checked(&panel, "checkReportPrintToPDF"));
    QVERIFY(!checked(&panel, "checkPrintLogo"));
    QCOMPARE(spin(&panel, "spinBoxLogoSize"), 17);
    QCOMPARE(spin(&panel, "spinWidth"), 80);
    QCOMPARE(spin(&panel, "spinHeight"), 42);
    QCOMPARE(spin(&panel, "spinMarginLeft"), 1);
    QCOMPARE(spin(&panel, "spinMarginTop"), 2);
    QCOMPARE(spin(&panel, "spinMarginRight"), 3);
    QCOMPARE(spin(&panel, "spinMarginBottom"), 4);
}

void PrinterSettingsTest::spinBoxRanges_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    for (const char* name : {"spinWidth", "spinHeight", "spinMarginLeft", "spinMarginTop",
                             "spinMarginRight", "spinMarginBottom"})
        QTest::newRow(name) << QString::fromLatin1(name) << 0 << 99;
    QTest::newRow("spinBoxLogoSize") << QStringLiteral("spinBoxLogoSize") << 1 << 20;
}

void PrinterSettingsTest::spinBoxRanges()
{
    QFETCH(QString, name);
    QFETCH(int, minimum);
    QFETCH(int, maximum);

    PrinterSettings panel(QStringList(), nullptr);
    auto* box = panel.findChild<QSpinBox*>(name);
    QVERIFY(box);
    QCOMPARE(box->minimum(), minimum);
    QCOMPARE(box->maximum(), maximum);

    // Typing past the limits leaves the box within them.
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("120"));
    QVERIFY(box->value() <= maximum);
    box->setValue(120);
    QCOMPARE(box->value(), maximum);
    box->setValue(-3);
    QCOMPARE(box->value(), minimum);
}

void PrinterSettingsTest::savesEveryKeyInOrder()
{
    PrinterSettings panel(QStringList{QStringLiteral("Kitchen"), QStringLiteral("Front Desk")},
                          nullptr);
    child<QComboBox>(&panel, "comboReceiptPrinter")->setCurrentIndex(1);
    child<QCheckBox>(&panel, "checkReceiptPrintToPDF")->setChecked(false);
    child<QCheckBox>(&panel, "checkPrintLogo")->setChecked(false);
    child<QSpinBox>(&panel, "spinBoxLogoSize")->setValue(3);
    child<QSpinBox>(&panel, "spinWidth")->setValue(80);
    child<QSpinBox>(&panel, "spinMarginTop")->setValue(9);

    QStringList keys;
    for (const auto& value : panel.ValuesToSave())
        keys << value.first;
    QCOMPARE(keys, (QStringList{QStringLiteral("reportPrinter"), QStringLiteral("receiptPrinter"),
                                QStringLiteral("printLogo"), QStringLiteral("logoSize"),
                                QStringLiteral("paperWidth"), QStringLiteral("paperHeight"),
                                QStringLiteral("marginLeft"), QStringLiteral("marginTop"),
                                QStringLiteral("marginRight"), QStringLiteral("marginBottom"),
                                QStringLiteral("ReceiptPrintToPDF"),
                                QStringLiteral("ReportPrintToPDF")}));

    panel.Save();
    settings()->sync();
    Utility* utility = Utility::GetInstance();
    QCOMPARE(utility->ReadString(QStringLiteral("reportPrinter")), QStringLiteral("Kitchen"));
    QCOMPARE(utility->ReadString(QStringLiteral("receiptPrinter")), QStringLiteral("Front Desk"));
    QCOMPARE(utility->ReadBool(QStringLiteral("ReceiptPrintToPDF")), false);
    QCOMPARE(utility->ReadBool(QStringLiteral("ReportPrintToPDF")), true);
    QCOMPARE(utility->ReadBool(QStringLiteral("printLogo")), false);
    QCOMPARE(utility->ReadInt(QStringLiteral("logoSize")), 3);
    QCOMPARE(utility->ReadInt(QStringLiteral("paperWidth")), 80);
    QCOMPARE(utility->ReadInt(QStringLiteral("paperHeight")), 99);
    QCOMPARE(utility->ReadInt(QStringLiteral("marginLeft")), 5);
    QCOMPARE(utility->ReadInt(QStringLiteral("marginTop")), 9);
    QCOMPARE(utility->ReadInt(QStringLiteral("marginRight")), 5);
    QCOMPARE(utility->ReadInt(QStringLiteral("marginBottom")), 0);
    QCOMPARE(settings()->allKeys().size(), 12);

    // What was saved loads back unchanged.
    PrinterSettings again(QStringList{QStringLiteral("Kitchen"), QStringLiteral("Front Desk")},
                          nullptr);
    QCOMPARE(again.ValuesToSave(), panel.ValuesToSave());
}

void PrinterSettingsTest::printerCombos_data()
{
    QTest::addColumn<QStringList>("printers");
    QTest::addColumn<QString>("savedReceipt");
    QTest::addColumn<QString>("savedReport");
    QTest::addColumn<QString>("shownReceipt");
    QTest::addColumn<QString>("shownReport");

    const QStringList three{QStringLiteral("Office Laser"), QStringLiteral("POS-58"),
                            QStringLiteral("office laser")};
    QTest::newRow("both saved printers installed") << three << "POS-58"
                                                   << "office laser"
                                                   << "POS-58"
                                                   << "office laser";
    QTest::newRow("names compared case-sensitively") << three << "pos-58"
                                                     << "Office Laser"
                                                     << "Office Laser"
                                                     << "Office Laser";
    QTest::newRow("uninstalled printers give the first") << three << "Old Thermal"
                                                         << "Gone Inkjet"
                                                         << "Office Laser"
                                                         << "Office Laser";
    QTest::newRow("nothing saved") << three << ""
                                   << ""
                                   << "Office Laser"
                                   << "Office Laser";
    QTest::newRow("no printers installed") << QStringList() << "POS-58"
                                           << "Office Laser"
                                           << ""
                                           << "";
}

void PrinterSettingsTest::printerCombos()
{
    QFETCH(QStringList, printers);
    QFETCH(QString, savedReceipt);
    QFETCH(QString, savedReport);
    QFETCH(QString, shownReceipt);
    QFETCH(QString, shownReport);

    if (!savedReceipt.isEmpty())
        settings()->setValue(QStringLiteral("receiptPrinter"), savedReceipt);
    if (!savedReport.isEmpty())
        settings()->setValue(QStringLiteral("reportPrinter"), savedReport);

    PrinterSettings panel(printers, nullptr);
    auto* receipt = child<QComboBox>(&panel, "comboReceiptPrinter");
    auto* report = child<QComboBox>(&panel, "comboReportPrinter");
    QCOMPARE(comboItems(receipt), printers);
    QCOMPARE(comboItems(report), printers);
    QCOMPARE(receipt->currentText(), shownReceipt);
    QCOMPARE(report->currentText(), shownReport);

    // Saving replaces a printer that is gone with the one shown, or with nothing.
    panel.Save();
    QCOMPARE(settings()->value(QStringLiteral("receiptPrinter")).toString(), shownReceipt);
    QCOMPARE(settings()->value(QStringLiteral("reportPrinter")).toString(), shownReport);
    QVERIFY(settings()->contains(QStringLiteral("receiptPrinter")));
    QVERIFY(settings()->contains(QStringLiteral("reportPrinter")));
}

void PrinterSettingsTest::nothingWrittenBeforeSave()
{
    {
        PrinterSettings panel(QStringList{QStringLiteral("POS-58")}, nullptr);
        child<QCheckBox>(&panel, "checkReportPrintToPDF")->setChecked(false);
        child<QSpinBox>(&panel, "spinWidth")->setValue(70);
        child<QSpinBox>(&panel, "spinBoxLogoSize")->setValue(20);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.close();
    }
    settings()->sync();
    QCOMPARE(settings()->allKeys(), QStringList());
}

void PrinterSettingsTest::listsInstalledPrinters()
{
    // Whatever this machine has installed (usually nothing here) fills both combos.
    const QStringList installed = PrinterSettings::InstalledPrinterNames();
    PrinterSettings panel;
    QCOMPARE(comboItems(child<QComboBox>(&panel, "comboReceiptPrinter")), installed);
    QCOMPARE(comboItems(child<QComboBox>(&panel, "comboReportPrinter")), installed);
}

void PrinterSettingsTest::routeFor_data()
{
    QTest::addColumn<int>("job");
    QTest::addColumn<QVariant>("receiptToPdf"); // invalid: not stored
    QTest::addColumn<QVariant>("reportToPdf");
    QTest::addColumn<bool>("toPdf");
    QTest::addColumn<QString>("printer");

    const auto job = [](PrintJob value) {
        return static_cast<int>(value);
    };
    const QVariant absent;
    const QString receipt = QStringLiteral("POS-58");
    const QString report = QStringLiteral("Office Laser");

    QTest::newRow("large receipt, defaults")
        << job(PrintJob::LargeReceipt) << absent << absent << true << receipt;
    QTest::newRow("large receipt to printer")
        << job(PrintJob::LargeReceipt) << QVariant(false) << QVariant(true) << false << receipt;
    QTest::newRow("small receipt to printer")
        << job(PrintJob::SmallReceipt) << QVariant(false) << QVariant(true) << false << receipt;
    QTest::newRow("small receipt follows the receipt switch")
        << job(PrintJob::SmallReceipt) << QVariant(true) << QVariant(false) << true << receipt;
    QTest::newRow("purchase order to printer")
        << job(PrintJob::PurchaseOrder) << QVariant(true) << QVariant(false) << false << report;
    QTest::newRow("purchase order to PDF")
        << job(PrintJob::PurchaseOrder) << QVariant(false) << absent << true << report;
    QTest::newRow("report to printer")
        << job(PrintJob::Report) << QVariant(true) << QVariant(false) << false << report;
    QTest::newRow("report to PDF") << job(PrintJob::Report) << QVariant(false)
                                   << QVariant(QStringLiteral("true")) << true << report;
    QTest::newRow("preview ignores both switches")
        << job(PrintJob::Preview) << QVariant(true) << QVariant(true) << false << receipt;
}

void PrinterSettingsTest::routeFor()
{
    QFETCH(int, job);
    QFETCH(QVariant, receiptToPdf);
    QFETCH(QVariant, reportToPdf);
    QFETCH(bool, toPdf);
    QFETCH(QString, printer);

    settings()->setValue(QStringLiteral("receiptPrinter"), QStringLiteral("POS-58"));
    settings()->setValue(QStringLiteral("reportPrinter"), QStringLiteral("Office Laser"));
    if (receiptToPdf.isValid())
        settings()->setValue(QStringLiteral("ReceiptPrintToPDF"), receiptToPdf);
    if (reportToPdf.isValid())
        settings()->setValue(QStringLiteral("ReportPrintToPDF"), reportToPdf);

    const PrintRoute route = RouteFor(static_cast<PrintJob>(job));
    QCOMPARE(route.toPdf, toPdf);
    QCOMPARE(route.printerName, printer);
}

void PrinterSettingsTest::printPdfPathCreatesFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    // Only ever remove the isolated test folder.
    QVERIFY2(qEnvironmentVariable("XDG_DATA_HOME") == folder, qPrintable(folder));
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(!QFileInfo::exists(folder));

    const QString path = PrintPdfPath();
    QCOMPARE(path, folder + QStringLiteral("/print.pdf"));
    QVERIFY(QFileInfo(folder).isDir());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Pictures for the documentation, when MERCHORA_SCREENSHOT_DIR names a folder.
void PrinterSettingsTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QDir().mkpath(folder);

    settings()->setValue(QStringLiteral("receiptPrinter"), QStringLiteral("POS-58 Thermal"));
    settings()->setValue(QStringLiteral("ReceiptPrintToPDF"), false);
    QWidget host;
    host.setStyleSheet(TestSupport::themeSheet(false));
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new PrinterSettings(
        QStringList{QStringLiteral("Office Laser"), QStringLiteral("POS-58 Thermal")}, &host));
    host.resize(720, 520);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTest::qWait(50);
    QVERIFY(host.grab().save(folder + QStringLiteral("/printersettings-light.png")));
}

MERCHORA_TEST_MAIN(PrinterSettingsTest)
#include "tst_printersettings.moc"
