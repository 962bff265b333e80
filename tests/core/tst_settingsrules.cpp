#include "testenvironment.h"

#include "core/settingsrules.h"

#include <QStringList>

// The tax-rate rule and the order in which the settings dialog stores its own values.
class SettingsRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void taxRate_data();
    void taxRate();
    void firstInvalidRate_data();
    void firstInvalidRate();
    void valuesInSavingOrder();
};

void SettingsRulesTest::taxRate_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<bool>("valid");
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("one digit") << "5" << true;
    QTest::newRow("two digits") << "99" << true;
    QTest::newRow("one decimal") << "7.5" << true;
    QTest::newRow("two decimals") << "12.25" << true;
    QTest::newRow("hundred") << "100" << false;
    QTest::newRow("ends in point") << "7." << false;
    QTest::newRow("starts with point") << ".5" << false;
    QTest::newRow("three decimals") << "7.125" << false;
    QTest::newRow("negative") << "-5" << false;
    QTest::newRow("decimal comma") << "7,5" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank around") << " 5" << false;
    QTest::newRow("trailing line break") << "5\n" << false;
}

void SettingsRulesTest::taxRate()
{
    QFETCH(QString, rate);
    QFETCH(bool, valid);
    QCOMPARE(IsValidTaxRate(rate), valid);
}

void SettingsRulesTest::firstInvalidRate_data()
{
    QTest::addColumn<QStringList>("rates");
    QTest::addColumn<int>("first");
    QTest::newRow("all valid") << QStringList{"0", "7.5", "12.25"} << -1;
    QTest::newRow("b") << QStringList{"5", "100", "1"} << 1;
    QTest::newRow("a empty and c invalid") << QStringList{"", "5", "x"} << 0;
    QTest::newRow("c") << QStringList{"5", "5", "7.125"} << 2;
}

void SettingsRulesTest::firstInvalidRate()
{
    QFETCH(QStringList, rates);
    QFETCH(int, first);
    QCOMPARE(FirstInvalidTaxRate(rates), first);
}

void SettingsRulesTest::valuesInSavingOrder()
{
    GeneralSettingsInput input;
    input.companyName = QStringLiteral("Corner Shop");
    input.companyAddress = QStringLiteral("3 Mill Lane\nTown");
    input.phoneNumber = QStringLiteral("555 0100");
    input.companyLogo = QStringLiteral("/tmp/logo.png");
    input.subItemsMode = true;
    input.currencySymbol = QStringLiteral("EUR");
    input.dateFormat = QStringLiteral("DD/MM/YYYY");
    input.smallReceipt = false;
    input.darkTheme = true;
    input.imagesFolder = QStringLiteral("/tmp/images");

    const SettingValues before = SettingsValuesBeforePages(input);
    const SettingValues expectedBefore{
        {QStringLiteral("REPORT_COMPANY_NAME"), QStringLiteral("Corner Shop")},
        {QStringLiteral("REPORT_COMPANY_ADDRESS"), QStringLiteral("3 Mill Lane\nTown")},
        {QStringLiteral("REPORT_PHONE_NUMBER"), QStringLiteral("555 0100")},
        {QStringLiteral("REPORT_COMPANY_LOGO"), QStringLiteral("/tmp/logo.png")},
        {QStringLiteral("SUB_ITEMS_MODE"), QStringLiteral("y")},
        {QStringLiteral("CURRENCY_SYMBOL"), QStringLiteral("EUR")},
        {QStringLiteral("DATE_FORMAT"), QStringLiteral("DD/MM/YYYY")},
        {QStringLiteral("SMALL_RECEIPT"), 0}};
    QCOMPARE(before, expectedBefore);
    QCOMPARE(SettingsValuesAfterPages(input),
             (SettingValues{{QStringLiteral("theme"), QStringLiteral("dark")},
                            {QStringLiteral("IMAGES_FOLDER"), QStringLiteral("/tmp/images")}}));
}

MERCHORA_TEST_GUILESS_MAIN(SettingsRulesTest)
#include "tst_settingsrules.moc"
