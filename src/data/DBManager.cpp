#include "DBManager.h"

#include "schema.h"
#include "utility.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QResource>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

void LogDatabaseError(const QSqlError& error, const char* file, int line, const char* function)
{
    qWarning().noquote() << QStringLiteral("%1:%2 %3:")
                                .arg(QString::fromUtf8(file))
                                .arg(line)
                                .arg(QString::fromUtf8(function))
                         << error.databaseText() + QStringLiteral("    ") + error.driverText();
}

bool SqlScriptReader::Next(QString* statement)
{
    statement->clear();
    if (m_finished)
        return false;
    while (!m_stream->atEnd()) {
        QString line = m_stream->readLine().trimmed();
        const int comment = line.indexOf(QLatin1String("--"));
        if (comment >= 0)
            line.truncate(comment);
        // Blank lines, comments and DROP lines take no part in any statement.
        if (line.isEmpty() || line.startsWith(QLatin1String("DROP")))
            continue;
        statement->append(line);
        // The COMMIT line ends the script whether or not it carries a ";", so it is checked
        // before the statement end.
        if (line.startsWith(QLatin1String("COMMIT"))) {
            m_finished = true;
            return true;
        }
        // A blank between the statement's end and a trailing comment does not hide the ";".
        int end = line.size();
        while (end > 0 && line.at(end - 1).isSpace())
            --end;
        if (end > 0 && line.at(end - 1) == QLatin1Char(';'))
            return true;
    }
    // End of input without a COMMIT line: the script ends here, with what was read so far.
    m_finished = true;
    return !statement->isEmpty();
}

int executeQueriesFromFile(QFile* file, QSqlQuery* query)
{
    QTextStream stream(file);
    stream.setCodec("UTF-8");
    SqlScriptReader reader(&stream);
    int failures = 0;
    QString statement;
    while (reader.Next(&statement)) {
        if (statement.isEmpty())
            continue;
        query->exec(statement);
        if (!query->isActive()) {
            ++failures;
            qWarning() << QSqlDatabase::drivers();
            MERCHORA_LOG_DB_ERROR(query->lastError());
            qWarning() << "test executed query:" << query->executedQuery();
            qWarning() << "test last query:" << query->lastQuery();
        }
    }
    return failures;
}

// Indexes that keep joins and look-ups fast on large stores. A file that cannot take them (opened
// read-only, say) still works, only slower.
static void CreateIndexes(const QSqlDatabase& db, bool inventory)
{
    QSqlQuery query(db);
    const QStringList statements = inventory ? Schema::InventoryIndexes() : Schema::SalesIndexes();
    for (const QString& statement : statements) {
        if (!query.exec(statement))
            MERCHORA_LOG_DB_ERROR(query.lastError());
    }
}

struct CDBManager::Kind
{
    const char* connectionName;
    const char* version;
    const char* activeKey;
    const char* folderKey;
    const char* newFilePrefix;
    const char* sampleFilePrefix;
    const char* sampleScript;
    bool inventory;
};

CDBManager* CDBManager::s_instance = nullptr;

CDBManager* CDBManager::GetInstance()
{
    if (!s_instance) {
        s_instance = new CDBManager();
        qAddPostRoutine(&CDBManager::DestroyInstance);
    }
    return s_instance;
}

void CDBManager::DestroyInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

CDBManager::~CDBManager()
{
    CloseInventoryDataBase();
    CloseSalesDataBase();
}

static QString DataBasePath(const char* folderKey, const char* activeKey)
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    return settings->value(QString::fromLatin1(folderKey), QString()).toString() +
           QLatin1Char('/') + settings->value(QString::fromLatin1(activeKey), QString()).toString();
}

QString CDBManager::InventoryDataBasePath()
{
    return DataBasePath(SettingKey::INVENTORY_DATA_FOLDER_PATH, SettingKey::ACTIVE_INVENTORY_DB);
}

QString CDBManager::SalesDataBasePath()
{
    return DataBasePath(SettingKey::SALES_DATA_FOLDER_PATH, SettingKey::ACTIVE_SALES_DB);
}

QString CDBManager::SampleFolderPath()
{
    return QDir::homePath() + QStringLiteral("/.merchoralite");
}

const CDBManager::Kind& CDBManager::InventoryKind()
{
    static const CDBManager::Kind kind{INVENTORY_CONNECTION,
                                       INVENTORY_DB_VERSION,
                                       SettingKey::ACTIVE_INVENTORY_DB,
                                       SettingKey::INVENTORY_DATA_FOLDER_PATH,
                                       "merchorainventory",
                                       "SAMPLE_INVENTORY_DB_",
                                       SAMPLE_INVENTORY_SCRIPT,
                                       true};
    return kind;
}

const CDBManager::Kind& CDBManager::SalesKind()
{
    static const CDBManager::Kind kind{SALES_CONNECTION,
                                       SALES_DB_VERSION,
                                       SettingKey::ACTIVE_SALES_DB,
                                       SettingKey::SALES_DATA_FOLDER_PATH,
                                       "merchorasales",
                                       "SAMPLE_SALES_DB_",
                                       SAMPLE_SALES_SCRIPT,
                                       false};
    return kind;
}

QSqlDatabase& CDBManager::GetInventoryDataBase()
{
    return OpenDataBase(InventoryKind(), m_inventory, m_inventoryConnected);
}

QSqlDatabase& CDBManager::GetSalesDataBase()
{
    return OpenDataBase(SalesKind(), m_sales, m_salesConnected);
}

QSqlDatabase& CDBManager::OpenDataBase(const Kind& kind, QSqlDatabase*& connection, bool& connected)
{
    if (connection)
        return *connection;

    QSettings* settings = Utility::GetInstance()->GetSettings();
    const QString fileName =
        settings->value(QString::fromLatin1(kind.activeKey), QString()).toString();
    const QString path = DataBasePath(kind.folderKey, kind.activeKey);

    connection = new QSqlDatabase(QSqlDatabase::addDatabase(
        QStringLiteral("QSQLITE"), QString::fromLatin1(kind.connectionName)));

    if (!IsValidDataBase(path, QString::fromLatin1(kind.version))) {
        if (!fileName.isEmpty()) {
            QMessageBox::information(
                Utility::GetInstance()->GetMainWindow(), tr("Error"),
                fileName + tr(" is not a valid database for this version.  Please create a new "
                              "database, or select a valid database."),
                QMessageBox::Ok);
        }
        connected = false;
        ReportStatus();
        return *connection;
    }

    connection->setDatabaseName(path);
    if (!connection->isOpen()) {
        const bool opened = connection->open();
        QSqlQuery pragma(*connection);
        const bool foreignKeysOn =
            opened && pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
        connected = kind.inventory ? foreignKeysOn : opened;
        if (!opened)
            MERCHORA_LOG_DB_ERROR(connection->lastError());
        else if (!foreignKeysOn)
            MERCHORA_LOG_DB_ERROR(pragma.lastError());
        if (opened)
            CreateIndexes(*connection, kind.inventory);
    }
    ReportStatus();
    return *connection;
}

void CDBManager::CloseInventoryDataBase()
{
    CloseDataBase(m_inventory, INVENTORY_CONNECTION);
}

void CDBManager::CloseSalesDataBase()
{
    CloseDataBase(m_sales, SALES_CONNECTION);
}

void CDBManager::CloseDataBase(QSqlDatabase*& connection, const char* connectionName)
{
    if (!connection)
        return;
    connection->close();
    delete connection;
    connection = nullptr;
    QSqlDatabase::removeDatabase(QString::fromLatin1(connectionName));
}

bool CDBManager::IsValidDataBase(const QString& path, const QString& expectedVersion)
{
    // Only an existing regular file can be a store; opening a missing one would create it.
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return false;

    bool valid = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QString::fromLatin1(TEST_CONNECTION));
        db.setDatabaseName(path);
        // Checking a file never writes to it.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("SELECT DB_VERSION FROM tblMerchora")) && query.next())
                valid = query.value(0).toString() == expectedVersion;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(TEST_CONNECTION));
    return valid;
}

bool CDBManager::CreateInventoryDB()
{
    return CreateEmptyDataBase(InventoryKind());
}

bool CDBManager::CreateSalesDB()
{
    return CreateEmptyDataBase(SalesKind());
}

bool CDBManager::CreateEmptyDataBase(const Kind& kind)
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    const QString folder =
        settings->value(QString::fromLatin1(kind.folderKey), QString()).toString();
    if (folder.isEmpty())
        return false;
    const QString fileName =
        QString::fromLatin1(kind.newFilePrefix) +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss")) +
        QStringLiteral(".mercdb");
    const QString path = folder + QLatin1Char('/') + fileName;

    bool created = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QString::fromLatin1(CREATE_CONNECTION));
        db.setDatabaseName(path);
        if (db.open()) {
            db.transaction();
            QSqlQuery query(db);
            const QStringList tables =
                kind.inventory ? Schema::InventoryTables() : Schema::SalesTables();
            for (const QString& statement : tables) {
                if (!query.exec(statement))
                    MERCHORA_LOG_DB_ERROR(query.lastError());
            }
            CreateIndexes(db, kind.inventory);
            query.prepare(Schema::InsertVersionStamp());
            query.addBindValue(QString::fromLatin1(kind.version));
            created = query.exec();
            if (created) {
                created = db.commit();
                if (!created)
                    MERCHORA_LOG_DB_ERROR(db.lastError());
            } else {
                MERCHORA_LOG_DB_ERROR(query.lastError());
                db.rollback();
            }
            db.close();
        } else {
            MERCHORA_LOG_DB_ERROR(db.lastError());
        }
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(CREATE_CONNECTION));

    // Only a database that was really made becomes the active one.
    if (created)
        settings->setValue(QString::fromLatin1(kind.activeKey), fileName);
    return created;
}

void CDBManager::CreateSampleInventoryDB()
{
    CreateSampleDataBase(InventoryKind());
}

void CDBManager::CreateSampleSalesDB()
{
    CreateSampleDataBase(SalesKind());
}

void CDBManager::CreateSampleDataBase(const Kind& kind)
{
    const QResource resource(QString::fromLatin1(kind.sampleScript), QLocale());
    QFile script(resource.absoluteFilePath());
    if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning() << "Cannot open the sample script" << kind.sampleScript;
        return;
    }

    QSettings* settings = Utility::GetInstance()->GetSettings();
    settings->setValue(QString::fromLatin1(kind.activeKey),
                       QString::fromLatin1(kind.sampleFilePrefix) +
                           QString::fromLatin1(APP_VERSION) + QStringLiteral(".mercdb"));
    QDir home = QDir::home();
    if (!home.exists(QStringLiteral(".merchoralite")))
        home.mkdir(QStringLiteral(".merchoralite"));
    settings->setValue(QString::fromLatin1(kind.folderKey),
                       QDir(SampleFolderPath()).absolutePath());

    const QString path = DataBasePath(kind.folderKey, kind.activeKey);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QString::fromLatin1(CREATE_CONNECTION));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            executeQueriesFromFile(&script, &query);
            query.finish();
            db.close();
        } else {
            MERCHORA_LOG_DB_ERROR(db.lastError());
        }
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(CREATE_CONNECTION));
}

void CDBManager::ReportStatus()
{
    if (m_mainWindow)
        m_mainWindow->UpdateDataBaseStatus(m_inventoryConnected, m_salesConnected);
}
