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
// its database status buttons. The data layer opens no windows: a problem the user has to know
// about (a refused or damaged file) is handed to the listener, which decides how to show it.
class DataBaseStatusListener
{
public:
    virtual ~DataBaseStatusListener() = default;
    virtual void UpdateDataBaseStatus(bool inventoryConnected, bool salesConnected) = 0;
    virtual void ReportDataBaseProblem(const QString& title, const QString& text)
    {
        Q_UNUSED(title)
        Q_UNUSED(text)
    }
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

// The SQLite URI that opens the existing file at path for reading and writing and never creates
// it ("file:...?mode=rw", the path percent-encoded); for a connection opened with
// QSQLITE_OPEN_URI and for the databases it attaches.
QString NoCreateUri(const QString& path);

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
    // The file is never created; it is opened for writing when it allows it, so that SQLite can
    // roll back the journal a crash left beside it.
    bool IsValidDataBase(const QString& path, const QString& expectedVersion);

    // True when the sales database can take a sale now: connected, the configured file is still
    // the very file that was opened, and the file and its folder are writable. Otherwise the
    // connection is closed and opened again without any message, both states are reported, and
    // the outcome of that new attempt is returned. Costs a few stat calls when all is well.
    bool CheckSalesDataBase();
    // A write on that database failed: close it and report it disconnected, so that the next
    // request opens it again.
    void ReportWriteFailure(bool inventory);

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
    // A file as the device and inode it lives on; a replaced file gets another one.
    struct FileIdentity
    {
        quint64 device = 0;
        quint64 inode = 0;
        bool valid = false;
        bool operator==(const FileIdentity& other) const
        {
            return valid && other.valid && device == other.device && inode == other.inode;
        }
    };
    QSqlDatabase& OpenDataBase(const Kind& kind, QSqlDatabase*& connection, bool& connected,
                               FileIdentity& identity, bool quiet = false);
    bool NeedsIntegrityCheck(const Kind& kind, const QString& path, bool hotJournal) const;
    static FileIdentity IdentityOf(const QString& path);
    // The file at path is the one opened, and it and its folder can be written.
    static bool IsUsableForWriting(const QString& path, const FileIdentity& opened);
    void CloseDataBase(QSqlDatabase*& connection, const char* connectionName);
    bool CreateEmptyDataBase(const Kind& kind);
    void CreateSampleDataBase(const Kind& kind);
    void ReportStatus();
    void ReportProblem(const QString& title, const QString& text);

    QSqlDatabase* m_inventory = nullptr;
    QSqlDatabase* m_sales = nullptr;
    bool m_inventoryConnected = false;
    bool m_salesConnected = false;
    FileIdentity m_inventoryFile;
    FileIdentity m_salesFile;
    DataBaseStatusListener* m_mainWindow = nullptr;

    static CDBManager* s_instance;
};

#endif // DBMANAGER_H
