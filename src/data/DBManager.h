#ifndef DBMANAGER_H
#define DBMANAGER_H

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>

class QFile;
class QSqlError;
class QSqlQuery;
class QTextStream;

// Connection names of the two store databases and of the short-lived helper connections.
inline constexpr char INVENTORY_CONNECTION[] = "INVENTORY_DB";
inline constexpr char SALES_CONNECTION[] = "SALES_DB";
inline constexpr char TEST_CONNECTION[] = "TEST";
inline constexpr char CREATE_CONNECTION[] = "DB";

// Embedded sample scripts.
inline constexpr char SAMPLE_INVENTORY_SCRIPT[] = ":/resources/docs/sample_inventory_tables.sql";
inline constexpr char SAMPLE_SALES_SCRIPT[] = ":/resources/docs/sample_sales_tables.sql";

// Receives every change of the two connection states; the main window implements it to drive
// its database status buttons.
class DataBaseStatusListener
{
public:
    virtual ~DataBaseStatusListener() = default;
    virtual void UpdateDataBaseStatus(bool inventoryConnected, bool salesConnected) = 0;
};

// Writes a database error to the debug log as "database text, four blanks, driver text",
// prefixed with the place of the failing call.
void LogDatabaseError(const QSqlError& error, const char* file, int line, const char* function);
#define MERCHORA_LOG_DB_ERROR(error) LogDatabaseError((error), __FILE__, __LINE__, Q_FUNC_INFO)

// Splits an SQL script into statements, line by line: each line is trimmed and cut at the first
// "--"; empty lines and lines beginning with "DROP" are skipped; the other lines are joined
// without a separator until one ends with ";". A line beginning with "COMMIT" completes the
// statement and ends the script; so does the end of the input.
class SqlScriptReader
{
public:
    explicit SqlScriptReader(QTextStream* stream) : m_stream(stream) {}
    // The next statement (possibly empty text when only skipped lines were read), or false once
    // the script has ended.
    bool Next(QString* statement);

private:
    QTextStream* m_stream;
    bool m_finished = false;
};

// Runs a script statement by statement on the query's connection; a failing statement is logged
// and the script goes on. Returns the number of statements that failed.
int executeQueriesFromFile(QFile* file, QSqlQuery* query);

// The single owner of the inventory and sales database connections.
class CDBManager
{
    Q_DECLARE_TR_FUNCTIONS(CDBManager)

public:
    static CDBManager* GetInstance();

    // The database named by the settings, opened and checked on first use.
    QSqlDatabase& GetInventoryDataBase();
    QSqlDatabase& GetSalesDataBase();

    void CloseInventoryDataBase();
    void CloseSalesDataBase();

    // A new empty database file in the configured folder, made the active one.
    bool CreateInventoryDB();
    bool CreateSalesDB();

    // The sample database from the embedded script in ~/.merchoralite, made the active one.
    void CreateSampleInventoryDB();
    void CreateSampleSalesDB();

    // True when the file exists, opens as SQLite and its version stamp equals the expected one.
    // The file is opened read-only and never created.
    bool IsValidDataBase(const QString& path, const QString& expectedVersion);

    void SetMainWindow(DataBaseStatusListener* window) { m_mainWindow = window; }
    DataBaseStatusListener* GetMainWindow() const { return m_mainWindow; }

    bool IsInventoryConnected() const { return m_inventoryConnected; }
    bool IsSalesConnected() const { return m_salesConnected; }

    // Full path of the configured inventory / sales database file.
    static QString InventoryDataBasePath();
    static QString SalesDataBasePath();
    // Folder of the sample databases.
    static QString SampleFolderPath();

    CDBManager(const CDBManager&) = delete;
    CDBManager& operator=(const CDBManager&) = delete;

private:
    CDBManager() = default;
    ~CDBManager();
    static void DestroyInstance();

    struct Kind;
    static const Kind& InventoryKind();
    static const Kind& SalesKind();
    QSqlDatabase& OpenDataBase(const Kind& kind, QSqlDatabase*& connection, bool& connected);
    void CloseDataBase(QSqlDatabase*& connection, const char* connectionName);
    bool CreateEmptyDataBase(const Kind& kind);
    void CreateSampleDataBase(const Kind& kind);
    void ReportStatus();

    QSqlDatabase* m_inventory = nullptr;
    QSqlDatabase* m_sales = nullptr;
    bool m_inventoryConnected = false;
    bool m_salesConnected = false;
    DataBaseStatusListener* m_mainWindow = nullptr;

    static CDBManager* s_instance;
};

#endif // DBMANAGER_H
