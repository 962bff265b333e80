#include "modaldialoghandler.h"
#include "pdftools.h"
#include "salesscreenhost.h"
#include "testenvironment.h"
#include "urlcatcher.h"

#include "core/utility.h"
#include "pos/pos.h"
#include "settings/settings.h"
#include "widgets/qposdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTextEdit>
#include <QUrl>

namespace {
QSettings* settings()
{
    return Utility::GetInstance()->GetSettings();
}

template <typename T> T* child(QWidget* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

void pressOk(QWidget* dialog)
{
    child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
}
} // namespace

// The settings dialog: what it loads, the order in which it stores and the refusal of a bad tax
// rate, cancelling, and company details reaching the printed receipts.
class SettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void invalidRateKeepsDialogOnTaxTab_data();
    void invalidRateKeepsDialogOnTaxTab();
    void validRatesStoredAndDialogCloses();
    void dateFormatFromLocale_data();
    void dateFormatFromLocale();
    void smallReceiptByDefault();
    void cancelStoresNothing();
    void companyDetailsReachReceipts();
    void screenshots();

private:
    TestSupport::ModalDialogHandler m_dialogs;
};

void SettingsTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
}

void SettingsTest::cleanup()
{
    TestSupport::resetDatabases();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

void SettingsTest::invalidRateKeepsDialogOnTaxTab_data()
{
    QTest::addColumn<QStringList>("rates");
    QTest::addColumn<QString>("message");
    QTest::newRow("b too big") << QStringList{"5", "100", "7.5"}
                               << "Tax rate B is invalid. Please enter numeric (0 to 99.99) value.";
    QTest::newRow("a empty, c bad")
        << QStringList{"", "5", "7,5"}
        << "Tax rate A is invalid. Please enter numeric (0 to 99.99) value.";
}

// Company details and theme are stored before the tax page is checked; the tax keys are not.
void SettingsTest::invalidRateKeepsDialogOnTaxTab()
{
    QFETCH(QStringList, rates);
    QFETCH(QString, message);
    Settings dialog;
    dialog.show();
    child<QLineEdit>(&dialog, "editCompanyName")->setText(QStringLiteral("Corner Shop"));
    child<QRadioButton>(&dialog, "radioDarkTheme")->setChecked(true);
    child<QLineEdit>(&dialog, "editTaxName")->setText(QStringLiteral("VAT"));
    child<QCheckBox>(&dialog, "checkEnableTax")->setChecked(false);
    child<QLineEdit>(&dialog, "editTaxRateA")->setText(rates.at(0));
    child<QLineEdit>(&dialog, "editTaxRateB")->setText(rates.at(1));
    child<QLineEdit>(&dialog, "editTaxRateC")->setText(rates.at(2));

    QString text;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    pressOk(&dialog);
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(title, QStringLiteral("Settings"));
    QCOMPARE(text, message);

    QVERIFY(dialog.isVisible());
    QCOMPARE(child<QTabWidget>(&dialog, "tabWidget")->currentIndex(), int(Settings::TaxTab));
    QCOMPARE(settings()->value(QStringLiteral("REPORT_COMPANY_NAME")).toString(),
             QStringLiteral("Corner Shop"));
    QCOMPARE(settings()->value(QStringLiteral("theme")).toString(), QStringLiteral("dark"));
    QCOMPARE(settings()->value(QStringLiteral("IMAGES_FOLDER")).toString(), QString());
    for (const char* key : {"SALES_TAX_RATE_A", "SALES_TAX_RATE_B", "SALES_TAX_RATE_C",
                            "SALES_TAX_NAME", "enable_tax"})
        QVERIFY2(!settings()->contains(QLatin1String(key)), key);
}

void SettingsTest::validRatesStoredAndDialogCloses()
{
    Settings dialog;
    dialog.show();
    // A fresh installation: tax on, rates 0, no name.
    QVERIFY(child<QCheckBox>(&dialog, "checkEnableTax")->isChecked());
    QCOMPARE(child<QLineEdit>(&dialog, "editTaxName")->text(), QString());
    child<QLineEdit>(&dialog, "editTaxRateB")->setText(QStringLiteral("12.25"));
    // The currency symbol takes 4 characters at most.
    QTest::keyClicks(child<QLineEdit>(&dialog, "editCurrencySymbol"), QStringLiteral("EURO$"));
    pressOk(&dialog);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(settings()->value(QStringLiteral("SALES_TAX_RATE_A")).toString(), QStringLiteral("0"));
    QCOMPARE(settings()->value(QStringLiteral("SALES_TAX_RATE_B")).toString(),
             QStringLiteral("12.25"));
    QCOMPARE(settings()->value(QStringLiteral("SALES_TAX_RATE_C")).toString(), QStringLiteral("0"));
    QCOMPARE(settings()->value(QStringLiteral("SALES_TAX_NAME")).toString(), QString());
    QCOMPARE(settings()->value(QStringLiteral("enable_tax")).toBool(), true);
    QCOMPARE(settings()->value(QStringLiteral("CURRENCY_SYMBOL")).toString(),
             QStringLiteral("EURO"));
}

void SettingsTest::dateFormatFromLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("stored");
    // The mapping of every date order is tested with Utility; here the dialog's use of it.
    QTest::newRow("day first") << QLocale(QLocale::German, QLocale::Germany) << "DD/MM/YYYY";
}

// The first opening stores the date order of the locale; a stored format wins afterwards.
void SettingsTest::dateFormatFromLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, stored);
    const QLocale before;
    QLocale::setDefault(locale);
    {
        Settings dialog;
        QCOMPARE(settings()->value(QStringLiteral("DATE_FORMAT")).toString(), stored);
        QCOMPARE(child<QComboBox>(&dialog, "comboDateFormat")->currentText(), stored);
    }
    settings()->setValue(QStringLiteral("DATE_FORMAT"), stored == QLatin1String("MM/DD/YYYY")
                                                            ? QStringLiteral("DD/MM/YYYY")
                                                            : QStringLiteral("MM/DD/YYYY"));
    const QString kept = settings()->value(QStringLiteral("DATE_FORMAT")).toString();
    {
        Settings dialog;
        QCOMPARE(child<QComboBox>(&dialog, "comboDateFormat")->currentText(), kept);
        QCOMPARE(settings()->value(QStringLiteral("DATE_FORMAT")).toString(), kept);
    }
    QLocale::setDefault(before);
}

void SettingsTest::smallReceiptByDefault()
{
    settings()->setValue(QStringLiteral("theme"), QStringLiteral("something"));
    Settings dialog;
    QVERIFY(child<QRadioButton>(&dialog, "radioSmallReceipt")->isChecked());
    QVERIFY(!child<QRadioButton>(&dialog, "radioLargeReceipt")->isChecked());
    QVERIFY(child<QRadioButton>(&dialog, "radioLightTheme")->isChecked());
    pressOk(&dialog);
    QCOMPARE(settings()->value(QStringLiteral("SMALL_RECEIPT")).toInt(), 1);
    QCOMPARE(settings()->value(QStringLiteral("theme")).toString(), QStringLiteral("light"));
    QCOMPARE(settings()->value(QStringLiteral("SUB_ITEMS_MODE")).toString(), QStringLiteral("n"));
}

void SettingsTest::cancelStoresNothing()
{
    settings()->setValue(QStringLiteral("DATE_FORMAT"), QStringLiteral("YYYY/MM/DD"));
    settings()->setValue(QStringLiteral("REPORT_COMPANY_NAME"), QStringLiteral("Old Name"));
    settings()->sync();
    const QStringList keys = settings()->allKeys();

    Settings dialog;
    dialog.show();
    child<QLineEdit>(&dialog, "editCompanyName")->setText(QStringLiteral("New Name"));
    child<QCheckBox>(&dialog, "enableSubItemsMode")->setChecked(true);
    child<QRadioButton>(&dialog, "radioLargeReceipt")->setChecked(true);
    child<QComboBox>(&dialog, "comboDateFormat")->setCurrentIndex(2);
    child<QLineEdit>(&dialog, "editTaxRateA")->setText(QStringLiteral("5"));
    child<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Cancel)->click();

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(settings()->allKeys(), keys);
    QCOMPARE(settings()->value(QStringLiteral("REPORT_COMPANY_NAME")).toString(),
             QStringLiteral("Old Name"));
    QCOMPARE(settings()->value(QStringLiteral("DATE_FORMAT")).toString(),
             QStringLiteral("YYYY/MM/DD"));
}

// Name, address and phone typed in the dialog appear on the till ticket and on the A4 receipt.
void SettingsTest::companyDetailsReachReceipts()
{
    TestSupport::ReceiptShop shop;
    QVERIFY(shop.open(QStringLiteral("settings")));
    TestSupport::UrlCatcher pdfs;
    pdfs.start();
    settings()->setValue(QStringLiteral("ReceiptPrintToPDF"), true);
    settings()->setValue(QStringLiteral("printLogo"), false);

    for (bool small : {true, false}) {
        {
            Settings dialog;
            dialog.show();
            child<QLineEdit>(&dialog, "editCompanyName")
                ->setText(QStringLiteral("Willow Pharmacy"));
            child<QPlainTextEdit>(&dialog, "textCompanyAddress")
                ->setPlainText(QStringLiteral("14 Orchard Row\nBramford"));
            child<QLineEdit>(&dialog, "editPhoneNumber")->setText(QStringLiteral("Tel 555 0142"));
            child<QRadioButton>(&dialog, small ? "radioSmallReceipt" : "radioLargeReceipt")
                ->setChecked(true);
            pressOk(&dialog);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }

        CPOS* pos = nullptr;
        std::unique_ptr<QPOSDialog> host(TestSupport::openSalesScreen(&pos));
        QVERIFY(TestSupport::PayTeaAndJuice(pos));
        pdfs.urls.clear();
        // The notice that the receipt went to a PDF file.
        m_dialogs.expect(
            [](QWidget* dialog) {
                if (!TestSupport::clickButtonWithText(dialog, QStringLiteral("Close")))
                    dialog->close();
            },
            QStringLiteral("print to PDF notice"));
        pos->on_pushPrint_clicked();
        QVERIFY(m_dialogs.waitUntilDone());
        QCOMPARE(pdfs.urls.size(), 1);
        const QString text = TestSupport::pdfText(pdfs.urls.first().toLocalFile());
        for (const char* expected :
             {"Willow Pharmacy", "14 Orchard Row", "Bramford", "Tel 555 0142"})
            QVERIFY2(
                text.contains(QLatin1String(expected)),
                qPrintable(QStringLiteral("%1 missing (%2 receipt) in:\n%3")
                               .arg(QLatin1String(expected),
                                    small ? QStringLiteral("small") : QStringLiteral("A4"), text)));
    }
    shop.close();
}

// Pictures of every tab in both themes, when MERCHORA_SCREENSHOT_DIR names a folder.
void SettingsTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QDir().mkpath(folder);
    settings()->setValue(QStringLiteral("REPORT_COMPANY_NAME"), QStringLiteral("Willow Pharmacy"));
    settings()->setValue(QStringLiteral("REPORT_COMPANY_ADDRESS"),
                         QStringLiteral("14 Orchard Row\nBramford"));
    settings()->setValue(QStringLiteral("REPORT_PHONE_NUMBER"), QStringLiteral("Tel 555 0142"));
    settings()->setValue(QStringLiteral("CURRENCY_SYMBOL"), QStringLiteral("$"));
    settings()->setValue(QStringLiteral("SALES_TAX_NAME"), QStringLiteral("VAT"));
    settings()->setValue(QStringLiteral("SALES_TAX_RATE_A"), QStringLiteral("7.5"));

    const char* tabs[] = {"general", "company", "tax", "printer", "pos"};
    for (bool dark : {true, false}) {
        // The theme comes from the parent, as from the main window, keeping the dialog's own sheet.
        QWidget themed;
        themed.setStyleSheet(TestSupport::themeSheet(dark));
        Settings dialog(&themed);
        // Large enough for every tab title and each tab's whole page, as on a maximized dialog.
        dialog.resize(980, 760);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* tabWidget = child<QTabWidget>(&dialog, "tabWidget");
        for (int i = 0; i < tabWidget->count(); ++i) {
            tabWidget->setCurrentIndex(i);
            QTest::qWait(20);
            const QString name = QStringLiteral("/settings-%1-%2.png")
                                     .arg(QLatin1String(tabs[i]),
                                          dark ? QStringLiteral("dark") : QStringLiteral("light"));
            QVERIFY(dialog.grab().save(folder + name));
        }
    }
}

MERCHORA_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"
