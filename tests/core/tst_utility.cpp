#include "modaldialoghandler.h"
#include "testenvironment.h"

#include "core/utility.h"

#include <QDir>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

enum class Reader
{
    String,
    Int,
    Bool,
    Number
};

QVariant readWith(Reader reader, const QString& key)
{
    const Utility* utility = Utility::GetInstance();
    switch (reader) {
    case Reader::Int:
        return utility->ReadInt(key);
    case Reader::Bool:
        return utility->ReadBool(key);
    case Reader::Number:
        return utility->ReadNumber(key);
    case Reader::String:
        break;
    }
    return utility->ReadString(key);
}

QSettings* settings()
{
    return Utility::GetInstance()->GetSettings();
}

const char DATE_CONNECTION[] = "utility_dates";

} // namespace

Q_DECLARE_METATYPE(Reader)

// The settings store, its typed readers and defaults, the logged-in user and the date formats
// used for display and inside SQL.
class UtilityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void usesOwnSettingsFile();
    void readsDefaultsFromFreshSettings_data();
    void readsDefaultsFromFreshSettings();
    void readsStoredValuesOrFallsBack_data();
    void readsStoredValuesOrFallsBack();
    void subItemsModeOnlyForLowerCaseY_data();
    void subItemsModeOnlyForLowerCaseY();
    void reportsLoggedInUser();
    void appliesKnownDateFormats_data();
    void appliesKnownDateFormats();
    void keepsDateFormatForUnknownName_data();
    void keepsDateFormatForUnknownName();
    void showsIsoDatesWhenStartedWithUnknownName();
    void sqlDateColumnFollowsSettingWithoutReload();
    void picksDateFormatNameForLocale_data();
    void picksDateFormatNameForLocale();

private:
    QString m_formatAtStart;
    TestSupport::ModalDialogHandler m_dialogs;
};

void UtilityTest::initTestCase()
{
    // Store a format name the program does not know before the shared object first reads the
    // settings, to see which display format it starts with.
    {
        QSettings raw(QString::fromLatin1(ORGANIZATION_NAME),
                      QString::fromLatin1(APPLICATION_NAME));
        raw.setValue(QString::fromLatin1(SettingKey::DATE_FORMAT), QStringLiteral("dd.MM.yy"));
        raw.sync();
        QCOMPARE(raw.status(), QSettings::NoError);
    }
    m_formatAtStart = Utility::GetInstance()->GetDateFormat();

    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QString::fromLatin1(DATE_CONNECTION));
    db.setDatabaseName(QStringLiteral(":memory:"));
    QVERIFY2(db.open(), qPrintable(db.lastError().text()));
}

void UtilityTest::cleanupTestCase()
{
    QSqlDatabase::database(QString::fromLatin1(DATE_CONNECTION), false).close();
    QSqlDatabase::removeDatabase(QString::fromLatin1(DATE_CONNECTION));
}

void UtilityTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
}

void UtilityTest::cleanup()
{
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

void UtilityTest::usesOwnSettingsFile()
{
    QSettings* store = settings();
    QCOMPARE(store->organizationName(), QStringLiteral("Quvo Consulting"));
    QCOMPARE(store->applicationName(), QStringLiteral("MerchoraLite"));

    const QString configHome = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    QVERIFY(!configHome.isEmpty());
    QCOMPARE(QDir::cleanPath(store->fileName()),
             QDir::cleanPath(configHome + QStringLiteral("/Quvo Consulting/MerchoraLite.conf")));

    // What the program stores really lands in that file.
    store->setValue(QString::fromLatin1(SettingKey::THEME), QStringLiteral("light"));
    store->sync();
    QSettings reader(store->fileName(), QSettings::IniFormat);
    QCOMPARE(reader.value(QStringLiteral("theme")).toString(), QStringLiteral("light"));
}

void UtilityTest::readsDefaultsFromFreshSettings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<QVariant>("expected");

    const auto row = [](const char* key, Reader reader, const QVariant& expected) {
        QTest::newRow(key) << QString::fromLatin1(key) << reader << expected;
    };
    row("FIRST_TIME_START", Reader::Int, 1);
    row("theme", Reader::String, QStringLiteral("dark"));
    row("enable_tax", Reader::Bool, true);
    row("POS_ROWS", Reader::Int, 4);
    row("POS_COLUMNS", Reader::Int, 4);
    row("SMALL_RECEIPT", Reader::Int, 1);
    row("paperWidth", Reader::Int, 57);
    row("paperHeight", Reader::Int, 101);
    row("marginLeft", Reader::Int, 5);
    row("marginTop", Reader::Int, 17);
    row("marginRight", Reader::Int, 5);
    row("marginBottom", Reader::Int, 0);
    row("logoSize", Reader::Int, 10);
    row("printLogo", Reader::Bool, true);
    row("ReceiptPrintToPDF", Reader::Bool, true);
    row("ReportPrintToPDF", Reader::Bool, true);
    row("DATE_FORMAT", Reader::String, QStringLiteral("YYYY/MM/DD"));
    row("ACTIVE_INVENTORY_DB", Reader::String, QString());
    row("ACTIVE_SALES_DB", Reader::String, QString());
    row("INVENTORY_DATA_FOLDER_PATH", Reader::String, QString());
    row("CURRENCY_SYMBOL", Reader::String, QString());
    row("SALES_TAX_RATE_A", Reader::Number, 0.0);
    row("SALES_TAX_RATE_C", Reader::Number, 0.0);
    row("err_msg_1", Reader::Bool, false);
    row("err_msg_12", Reader::Bool, false);
}

void UtilityTest::readsDefaultsFromFreshSettings()
{
    QFETCH(QString, key);
    QFETCH(Reader, reader);
    QFETCH(QVariant, expected);

    QVERIFY(settings()->allKeys().isEmpty());
    QCOMPARE(readWith(reader, key), expected);
}

void UtilityTest::readsStoredValuesOrFallsBack_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("expected");

    const QString firstStart = QStringLiteral("FIRST_TIME_START");
    const QString tax = QStringLiteral("enable_tax");
    const QString rows = QStringLiteral("POS_ROWS");
    const QString rate = QStringLiteral("SALES_TAX_RATE_A");
    const QString advisory = QStringLiteral("err_msg_3");

    QTest::newRow("int from letters")
        << firstStart << Reader::Int << QVariant("abc") << QVariant(1);
    QTest::newRow("int from text 0") << firstStart << Reader::Int << QVariant("0") << QVariant(0);
    QTest::newRow("int from empty text") << rows << Reader::Int << QVariant("") << QVariant(4);
    QTest::newRow("int from text 6") << rows << Reader::Int << QVariant("6") << QVariant(6);
    QTest::newRow("int stored as int") << rows << Reader::Int << QVariant(7) << QVariant(7);
    QTest::newRow("bool from maybe") << tax << Reader::Bool << QVariant("maybe") << QVariant(true);
    QTest::newRow("bool from text false")
        << tax << Reader::Bool << QVariant("false") << QVariant(false);
    QTest::newRow("bool stored false") << tax << Reader::Bool << QVariant(false) << QVariant(false);
    QTest::newRow("bool from text 0") << tax << Reader::Bool << QVariant("0") << QVariant(false);
    QTest::newRow("bool from text 1")
        << advisory << Reader::Bool << QVariant("1") << QVariant(true);
    QTest::newRow("bool from text true")
        << advisory << Reader::Bool << QVariant("true") << QVariant(true);
    QTest::newRow("bool stored true")
        << advisory << Reader::Bool << QVariant(true) << QVariant(true);
    QTest::newRow("bool from maybe, default false")
        << advisory << Reader::Bool << QVariant("maybe") << QVariant(false);
    QTest::newRow("bool from empty text")
        << advisory << Reader::Bool << QVariant("") << QVariant(false);
    QTest::newRow("number from letter") << rate << Reader::Number << QVariant("x") << QVariant(0.0);
    QTest::newRow("number from text") << rate << Reader::Number << QVariant("7.5") << QVariant(7.5);
    QTest::newRow("number stored as double")
        << rate << Reader::Number << QVariant(12.25) << QVariant(12.25);
}

void UtilityTest::readsStoredValuesOrFallsBack()
{
    QFETCH(QString, key);
    QFETCH(Reader, reader);
    QFETCH(QVariant, stored);
    QFETCH(QVariant, expected);

    settings()->setValue(key, stored);
    QCOMPARE(readWith(reader, key), expected);
}

void UtilityTest::subItemsModeOnlyForLowerCaseY_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("on");

    QTest::newRow("absent") << QVariant() << false;
    QTest::newRow("y") << QVariant("y") << true;
    QTest::newRow("Y") << QVariant("Y") << false;
    QTest::newRow("yes") << QVariant("yes") << false;
    QTest::newRow("n") << QVariant("n") << false;
    QTest::newRow("empty") << QVariant("") << false;
}

void UtilityTest::subItemsModeOnlyForLowerCaseY()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, on);

    if (stored.isValid())
        settings()->setValue(QString::fromLatin1(SettingKey::SUB_ITEMS_MODE), stored);
    QCOMPARE(Utility::GetInstance()->IsSubItemsMode(), on);
}

void UtilityTest::reportsLoggedInUser()
{
    Utility* utility = Utility::GetInstance();
    QCOMPARE(utility->GetLoggedInUser(), QStringLiteral("NO LOGGED IN USER"));

    utility->SetLoggedInUser(QStringLiteral("alice"));
    QCOMPARE(utility->GetLoggedInUser(), QStringLiteral("alice"));

    utility->SetLoggedInUser(QString());
    QCOMPARE(utility->GetLoggedInUser(), QStringLiteral("NO LOGGED IN USER"));
    utility->SetLoggedInUser(QStringLiteral(""));
    QCOMPARE(utility->GetLoggedInUser(), QStringLiteral("NO LOGGED IN USER"));
}

void UtilityTest::appliesKnownDateFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("shown");

    QTest::newRow("year first") << QStringLiteral("YYYY/MM/DD") << QStringLiteral("yyyy-MM-dd")
                                << QStringLiteral(" strftime('%Y-%m-%d',EXPIRY_DATE) as 'Expiry'")
                                << QStringLiteral("2026-03-05");
    QTest::newRow("month first") << QStringLiteral("MM/DD/YYYY") << QStringLiteral("MM-dd-yyyy")
                                 << QStringLiteral(" strftime('%m-%d-%Y',EXPIRY_DATE) as 'Expiry'")
                                 << QStringLiteral("03-05-2026");
    QTest::newRow("day first") << QStringLiteral("DD/MM/YYYY") << QStringLiteral("dd-MM-yyyy")
                               << QStringLiteral(" strftime('%d-%m-%Y',EXPIRY_DATE) as 'Expiry'")
                               << QStringLiteral("05-03-2026");
}

void UtilityTest::appliesKnownDateFormats()
{
    QFETCH(QString, name);
    QFETCH(QString, display);
    QFETCH(QString, column);
    QFETCH(QString, shown);

    Utility* utility = Utility::GetInstance();
    settings()->setValue(QString::fromLatin1(SettingKey::DATE_FORMAT), name);
    utility->ReloadDateFormat();
    QCOMPARE(utility->GetDateFormat(), display);
    QCOMPARE(QDate(2026, 3, 5).toString(utility->GetDateFormat()), shown);

    const QString expression =
        utility->GetSqlDateColumn(QStringLiteral("EXPIRY_DATE"), QStringLiteral("Expiry"));
    QCOMPARE(expression, column);

    // SQLite formats the stored ISO date the same way the display does.
    QSqlQuery query(QSqlDatabase::database(QString::fromLatin1(DATE_CONNECTION)));
    QVERIFY2(query.exec(QStringLiteral("SELECT") + expression +
                        QStringLiteral(" FROM (SELECT '2026-03-05' AS EXPIRY_DATE)")),
             qPrintable(query.lastError().text()));
    QVERIFY(query.next());
    QCOMPARE(query.record().fieldName(0), QStringLiteral("Expiry"));
    QCOMPARE(query.value(0).toString(), shown);
}

void UtilityTest::keepsDateFormatForUnknownName_data()
{
    QTest::addColumn<QVariant>("stored");

    QTest::newRow("display notation") << QVariant("dd.MM.yy");
    QTest::newRow("number") << QVariant(3);
    QTest::newRow("lower case name") << QVariant("dd/mm/yyyy");
    QTest::newRow("empty") << QVariant("");
}

void UtilityTest::keepsDateFormatForUnknownName()
{
    QFETCH(QVariant, stored);

    Utility* utility = Utility::GetInstance();
    const QString key = QString::fromLatin1(SettingKey::DATE_FORMAT);
    settings()->setValue(key, QStringLiteral("DD/MM/YYYY"));
    utility->ReloadDateFormat();
    QCOMPARE(utility->GetDateFormat(), QStringLiteral("dd-MM-yyyy"));

    settings()->setValue(key, stored);
    utility->ReloadDateFormat();
    QCOMPARE(utility->GetDateFormat(), QStringLiteral("dd-MM-yyyy"));

    // SQL has no previous format to keep and uses the ISO pattern.
    QCOMPARE(utility->GetSqlDateColumn(QStringLiteral("EXPIRY_DATE"), QStringLiteral("Expiry")),
             QStringLiteral(" strftime('%Y-%m-%d',EXPIRY_DATE) as 'Expiry'"));
}

void UtilityTest::showsIsoDatesWhenStartedWithUnknownName()
{
    QCOMPARE(m_formatAtStart, QStringLiteral("yyyy-MM-dd"));
}

void UtilityTest::sqlDateColumnFollowsSettingWithoutReload()
{
    Utility* utility = Utility::GetInstance();
    const QString key = QString::fromLatin1(SettingKey::DATE_FORMAT);
    const auto column = [utility]() {
        return utility->GetSqlDateColumn(QStringLiteral("TIME_STAMP"), QStringLiteral("Date"));
    };

    QCOMPARE(column(), QStringLiteral(" strftime('%Y-%m-%d',TIME_STAMP) as 'Date'"));
    settings()->setValue(key, QStringLiteral("MM/DD/YYYY"));
    QCOMPARE(column(), QStringLiteral(" strftime('%m-%d-%Y',TIME_STAMP) as 'Date'"));
    settings()->setValue(key, QStringLiteral("DD/MM/YYYY"));
    QCOMPARE(column(), QStringLiteral(" strftime('%d-%m-%Y',TIME_STAMP) as 'Date'"));
    settings()->remove(key);
    QCOMPARE(column(), QStringLiteral(" strftime('%Y-%m-%d',TIME_STAMP) as 'Date'"));
}

void UtilityTest::picksDateFormatNameForLocale_data()
{
    QTest::addColumn<QString>("localeFormat");
    QTest::addColumn<QString>("name");

    const QString ymd = QStringLiteral("YYYY/MM/DD");
    const QString mdy = QStringLiteral("MM/DD/YYYY");
    const QString dmy = QStringLiteral("DD/MM/YYYY");
    QTest::newRow("yyyy") << QStringLiteral("yyyy-MM-dd") << ymd;
    QTest::newRow("YYYY") << QStringLiteral("YYYY/MM/DD") << ymd;
    QTest::newRow("M") << QStringLiteral("M/d/yy") << mdy;
    QTest::newRow("mm") << QStringLiteral("mm/dd/yyyy") << mdy;
    QTest::newRow("dd") << QStringLiteral("dd.MM.yy") << dmy;
    QTest::newRow("d") << QStringLiteral("d/M/yyyy") << dmy;
    QTest::newRow("empty") << QString() << dmy;
    QTest::newRow("other letter") << QStringLiteral("EEE d MMM") << dmy;

    const auto shortFormat = [](QLocale::Language language, QLocale::Country country) {
        return QLocale(language, country).dateFormat(QLocale::ShortFormat);
    };
    QTest::newRow("en_US locale") << shortFormat(QLocale::English, QLocale::UnitedStates) << mdy;
    QTest::newRow("de_DE locale") << shortFormat(QLocale::German, QLocale::Germany) << dmy;
    QTest::newRow("ja_JP locale") << shortFormat(QLocale::Japanese, QLocale::Japan) << ymd;
}

void UtilityTest::picksDateFormatNameForLocale()
{
    QFETCH(QString, localeFormat);
    QFETCH(QString, name);

    QCOMPARE(Utility::DateFormatNameForLocale(localeFormat), name);
}

MERCHORA_TEST_MAIN(UtilityTest)
#include "tst_utility.moc"
