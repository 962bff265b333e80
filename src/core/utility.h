#ifndef UTILITY_H
#define UTILITY_H

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <cstddef>

class QSettings;
class QWidget;

// Program-wide constants.
// The version is the CMake project version (one place for the program and its package).
inline constexpr char APP_VERSION[] = MERCHORA_VERSION;
inline constexpr char PRODUCT_DISPLAY_NAME[] = "Merchora (Lite)";
inline constexpr char ORGANIZATION_NAME[] = "Quvo Consulting";
inline constexpr char APPLICATION_NAME[] = "MerchoraLite";
inline constexpr char INVENTORY_DB_VERSION[] = "INVENTORY_7.0.0";
inline constexpr char SALES_DB_VERSION[] = "SALES_7.0.0";
inline constexpr char NO_LOGGED_IN_USER[] = "NO LOGGED IN USER";

// Names of the settings keys. Every key the program stores is listed here, and its default is
// in the one table behind Utility::SettingDefault().
namespace SettingKey {
inline constexpr char ACTIVE_INVENTORY_DB[] = "ACTIVE_INVENTORY_DB";
inline constexpr char ACTIVE_SALES_DB[] = "ACTIVE_SALES_DB";
inline constexpr char INVENTORY_DATA_FOLDER_PATH[] = "INVENTORY_DATA_FOLDER_PATH";
inline constexpr char SALES_DATA_FOLDER_PATH[] = "SALES_DATA_FOLDER_PATH";
// Full path of the store file that last passed the integrity check, per kind of store.
inline constexpr char VERIFIED_INVENTORY_DB[] = "VERIFIED_INVENTORY_DB";
inline constexpr char VERIFIED_SALES_DB[] = "VERIFIED_SALES_DB";
inline constexpr char RECENT_LOCATION[] = "RECENT_LOCATION";
inline constexpr char DATE_FORMAT[] = "DATE_FORMAT";
inline constexpr char THEME[] = "theme";
// The language of the texts, "en" or "de"; absent: the system locale's language.
inline constexpr char LANGUAGE[] = "LANGUAGE";
inline constexpr char FIRST_TIME_START[] = "FIRST_TIME_START";
inline constexpr char IMAGES_FOLDER[] = "IMAGES_FOLDER";
inline constexpr char REPORT_COMPANY_NAME[] = "REPORT_COMPANY_NAME";
inline constexpr char REPORT_COMPANY_ADDRESS[] = "REPORT_COMPANY_ADDRESS";
inline constexpr char REPORT_PHONE_NUMBER[] = "REPORT_PHONE_NUMBER";
inline constexpr char REPORT_COMPANY_LOGO[] = "REPORT_COMPANY_LOGO";
inline constexpr char SUB_ITEMS_MODE[] = "SUB_ITEMS_MODE";
inline constexpr char CURRENCY_SYMBOL[] = "CURRENCY_SYMBOL";
inline constexpr char SALES_TAX_RATE_A[] = "SALES_TAX_RATE_A";
inline constexpr char SALES_TAX_RATE_B[] = "SALES_TAX_RATE_B";
inline constexpr char SALES_TAX_RATE_C[] = "SALES_TAX_RATE_C";
inline constexpr char SALES_TAX_NAME[] = "SALES_TAX_NAME";
inline constexpr char ENABLE_TAX[] = "enable_tax";
inline constexpr char SMALL_RECEIPT[] = "SMALL_RECEIPT";
inline constexpr char POS_ROWS[] = "POS_ROWS";
inline constexpr char POS_COLUMNS[] = "POS_COLUMNS";
inline constexpr char RECEIPT_PRINTER[] = "receiptPrinter";
inline constexpr char REPORT_PRINTER[] = "reportPrinter";
inline constexpr char PRINT_LOGO[] = "printLogo";
inline constexpr char LOGO_SIZE[] = "logoSize";
inline constexpr char PAPER_WIDTH[] = "paperWidth";
inline constexpr char PAPER_HEIGHT[] = "paperHeight";
inline constexpr char MARGIN_LEFT[] = "marginLeft";
inline constexpr char MARGIN_TOP[] = "marginTop";
inline constexpr char MARGIN_RIGHT[] = "marginRight";
inline constexpr char MARGIN_BOTTOM[] = "marginBottom";
inline constexpr char RECEIPT_PRINT_TO_PDF[] = "ReceiptPrintToPDF";
inline constexpr char REPORT_PRINT_TO_PDF[] = "ReportPrintToPDF";
} // namespace SettingKey

// The user-facing date format names stored under "DATE_FORMAT".
namespace DateFormatName {
inline constexpr char YEAR_MONTH_DAY[] = "YYYY/MM/DD";
inline constexpr char MONTH_DAY_YEAR[] = "MM/DD/YYYY";
inline constexpr char DAY_MONTH_YEAR[] = "DD/MM/YYYY";
} // namespace DateFormatName

// The shared object of the program: the one settings store, the logged-in user, the display
// date format and the window that parents application-wide message boxes.
class Utility
{
public:
    static Utility* GetInstance();

    QSettings* GetSettings() const { return m_settings; }

    // Display date format in QDate notation, derived from "DATE_FORMAT".
    QString GetDateFormat() const { return m_dateFormat; }
    void ReloadDateFormat();

    // " strftime(<pattern>,<column>) as '<alias>'" for the current "DATE_FORMAT".
    QString GetSqlDateColumn(const QString& column, const QString& alias) const;

    QString GetLoggedInUser() const;
    void SetLoggedInUser(const QString& name) { m_loggedInUser = name; }

    // The main window is only kept and handed back here, never used as a widget, so this class
    // needs no widget headers: the setter is a template, instantiated where the window's class is
    // complete, and the guard forgets the window when it is destroyed.
    QWidget* GetMainWindow() const { return m_mainWindowGuard ? m_mainWindow : nullptr; }
    template <typename Window> void SetMainWindow(Window* window)
    {
        m_mainWindow = window;
        m_mainWindowGuard = window;
    }
    void SetMainWindow(std::nullptr_t)
    {
        m_mainWindow = nullptr;
        m_mainWindowGuard = nullptr;
    }

    // Default of a settings key as listed in the key table; an invalid QVariant for unknown keys.
    static QVariant SettingDefault(const QString& key);

    // Typed readers: an absent key, or a stored value that cannot be read as the key's type,
    // gives the key's default.
    QString ReadString(const QString& key) const;
    int ReadInt(const QString& key) const;
    bool ReadBool(const QString& key) const;
    double ReadNumber(const QString& key) const;
    // "SUB_ITEMS_MODE" counts as on only when it is stored as "y".
    bool IsSubItemsMode() const;

    // Conversions of the stored "DATE_FORMAT" names; an unknown name gives an empty string.
    static QString DisplayFormatFor(const QString& dateFormatName);
    static QString SqlPatternFor(const QString& dateFormatName);
    // The "DATE_FORMAT" name that suits a locale's short date format (first character decides).
    static QString DateFormatNameForLocale(const QString& localeShortDateFormat);

    Utility(const Utility&) = delete;
    Utility& operator=(const Utility&) = delete;

private:
    Utility();
    ~Utility();
    static void DestroyInstance();

    QWidget* m_mainWindow = nullptr;
    QPointer<QObject> m_mainWindowGuard;
    QString m_loggedInUser;
    QString m_dateFormat;
    QSettings* m_settings = nullptr;

    static Utility* s_instance;
};

#endif // UTILITY_H
