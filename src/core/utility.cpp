#include "core/utility.h"

#include <QCoreApplication>
#include <QHash>
#include <QSettings>

static void InitMerchoraResources()
{
    // The resources are compiled into a static library; referencing them here keeps the linker
    // from dropping them.
    Q_INIT_RESOURCE(merchora);
}

Utility* Utility::s_instance = nullptr;

Utility* Utility::GetInstance()
{
    if (!s_instance) {
        s_instance = new Utility();
        qAddPostRoutine(&Utility::DestroyInstance);
    }
    return s_instance;
}

void Utility::DestroyInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

Utility::Utility()
{
    InitMerchoraResources();
    m_settings = new QSettings(QString::fromLatin1(ORGANIZATION_NAME),
                               QString::fromLatin1(APPLICATION_NAME));
    // Until a known format has been read, dates show in the default (ISO) format rather than
    // as empty text.
    m_dateFormat = DisplayFormatFor(QString::fromLatin1(DateFormatName::YEAR_MONTH_DAY));
    ReloadDateFormat();
}

Utility::~Utility()
{
    delete m_settings;
}

void Utility::ReloadDateFormat()
{
    const QString format =
        DisplayFormatFor(ReadString(QString::fromLatin1(SettingKey::DATE_FORMAT)));
    if (!format.isEmpty())
        m_dateFormat = format;
}

QString Utility::DisplayFormatFor(const QString& dateFormatName)
{
    if (dateFormatName == QLatin1String(DateFormatName::YEAR_MONTH_DAY))
        return QStringLiteral("yyyy-MM-dd");
    if (dateFormatName == QLatin1String(DateFormatName::MONTH_DAY_YEAR))
        return QStringLiteral("MM-dd-yyyy");
    if (dateFormatName == QLatin1String(DateFormatName::DAY_MONTH_YEAR))
        return QStringLiteral("dd-MM-yyyy");
    return QString();
}

QString Utility::SqlPatternFor(const QString& dateFormatName)
{
    if (dateFormatName == QLatin1String(DateFormatName::YEAR_MONTH_DAY))
        return QStringLiteral("'%Y-%m-%d'");
    if (dateFormatName == QLatin1String(DateFormatName::MONTH_DAY_YEAR))
        return QStringLiteral("'%m-%d-%Y'");
    if (dateFormatName == QLatin1String(DateFormatName::DAY_MONTH_YEAR))
        return QStringLiteral("'%d-%m-%Y'");
    return QString();
}

QString Utility::DateFormatNameForLocale(const QString& localeShortDateFormat)
{
    const QChar first = localeShortDateFormat.isEmpty() ? QChar() : localeShortDateFormat.at(0);
    if (first == QLatin1Char('Y') || first == QLatin1Char('y'))
        return QString::fromLatin1(DateFormatName::YEAR_MONTH_DAY);
    if (first == QLatin1Char('M') || first == QLatin1Char('m'))
        return QString::fromLatin1(DateFormatName::MONTH_DAY_YEAR);
    return QString::fromLatin1(DateFormatName::DAY_MONTH_YEAR);
}

QString Utility::GetSqlDateColumn(const QString& column, const QString& alias) const
{
    QString pattern = SqlPatternFor(ReadString(QString::fromLatin1(SettingKey::DATE_FORMAT)));
    if (pattern.isEmpty())
        pattern = SqlPatternFor(QString::fromLatin1(DateFormatName::YEAR_MONTH_DAY));
    // Column and alias are names chosen by the program, never user input.
    return QStringLiteral(" strftime(%1,%2) as '%3'").arg(pattern, column, alias);
}

QString Utility::GetLoggedInUser() const
{
    return m_loggedInUser.isEmpty() ? QString::fromLatin1(NO_LOGGED_IN_USER) : m_loggedInUser;
}

QVariant Utility::SettingDefault(const QString& key)
{
    using namespace SettingKey;
    static const QHash<QString, QVariant> defaults = {
        {ACTIVE_INVENTORY_DB, QString()},
        {ACTIVE_SALES_DB, QString()},
        {INVENTORY_DATA_FOLDER_PATH, QString()},
        {SALES_DATA_FOLDER_PATH, QString()},
        {VERIFIED_INVENTORY_DB, QString()},
        {VERIFIED_SALES_DB, QString()},
        {RECENT_LOCATION, QString()},
        {DATE_FORMAT, QString::fromLatin1(DateFormatName::YEAR_MONTH_DAY)},
        {THEME, QStringLiteral("dark")},
        {FIRST_TIME_START, 1},
        {IMAGES_FOLDER, QString()},
        {REPORT_COMPANY_NAME, QString()},
        {REPORT_COMPANY_ADDRESS, QString()},
        {REPORT_PHONE_NUMBER, QString()},
        {REPORT_COMPANY_LOGO, QString()},
        {SUB_ITEMS_MODE, QStringLiteral("n")},
        {CURRENCY_SYMBOL, QString()},
        {SALES_TAX_RATE_A, QStringLiteral("0")},
        {SALES_TAX_RATE_B, QStringLiteral("0")},
        {SALES_TAX_RATE_C, QStringLiteral("0")},
        {SALES_TAX_NAME, QString()},
        {ENABLE_TAX, true},
        {SMALL_RECEIPT, 1},
        {POS_ROWS, 4},
        {POS_COLUMNS, 4},
        {RECEIPT_PRINTER, QString()},
        {REPORT_PRINTER, QString()},
        {PRINT_LOGO, true},
        {LOGO_SIZE, 10},
        {PAPER_WIDTH, 57},
        {PAPER_HEIGHT, 101},
        {MARGIN_LEFT, 5},
        {MARGIN_TOP, 17},
        {MARGIN_RIGHT, 5},
        {MARGIN_BOTTOM, 0},
        {RECEIPT_PRINT_TO_PDF, true},
        {REPORT_PRINT_TO_PDF, true},
    };
    const auto it = defaults.constFind(key);
    if (it != defaults.constEnd())
        return it.value();
    // The twelve advisory messages are shown until their box is ticked.
    if (key.startsWith(QLatin1String("err_msg_")))
        return false;
    return QVariant();
}

QString Utility::ReadString(const QString& key) const
{
    const QVariant fallback = SettingDefault(key);
    const QVariant value = m_settings->value(key, fallback);
    if (!value.canConvert<QString>())
        return fallback.toString();
    return value.toString();
}

int Utility::ReadInt(const QString& key) const
{
    const QVariant fallback = SettingDefault(key);
    bool ok = false;
    const int result = m_settings->value(key, fallback).toInt(&ok);
    return ok ? result : fallback.toInt();
}

bool Utility::ReadBool(const QString& key) const
{
    const QVariant fallback = SettingDefault(key);
    const QVariant value = m_settings->value(key, fallback);
    if (value.type() == QVariant::Bool)
        return value.toBool();
    // Stored as text (the native format keeps "true"/"false"), or as a number.
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return fallback.toBool();
}

double Utility::ReadNumber(const QString& key) const
{
    const QVariant fallback = SettingDefault(key);
    bool ok = false;
    const double result = m_settings->value(key, fallback).toString().trimmed().toDouble(&ok);
    return ok ? result : fallback.toDouble();
}

bool Utility::IsSubItemsMode() const
{
    return m_settings->value(QString::fromLatin1(SettingKey::SUB_ITEMS_MODE)).toString() ==
           QLatin1String("y");
}
