#include "core/DBManager.h"

#include "core/schema.h"
#include "core/userstore.h"
#include "core/utility.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QResource>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QUrl>

#include <qplatformdefs.h>

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

// What an existing store gets when it is opened: the tables added since it was made (the version
// stamp stays), the indexes, and the rollback journal that a payment's commit over both stores
// needs to be atomic; a file that cannot take them (read-only, say) is used as it is.
static void UpgradeOpenedStore(const QSqlDatabase& db, bool inventory)
{
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next() &&
        query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0) {
        query.finish();
        if (!query.exec(QStringLiteral("PRAGMA journal_mode = DELETE")))
            MERCHORA_LOG_DB_ERROR(query.lastError());
    }
    query.finish();
    const QStringList additions =
        inventory ? Schema::InventoryAdditions() : Schema::SalesAdditions();
    for (const QString& statement : additions) {
        if (!query.exec(statement))
            MERCHORA_LOG_DB_ERROR(query.lastError());
    }
    CreateIndexes(db, inventory);
}

QString NoCreateUri(const QString& path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
           QStringLiteral("?mode=rw");
}

// The connect options and database name that open an existing file for reading and writing and
// never create one: an SQLite URI with "mode=rw". QUrl percent-encodes the path, so blanks, '#',
// '?' and '%' in folder and file names stay part of the path. A write-protected file still opens,
// read-only.
static void SetNoCreatePath(QSqlDatabase& db, const QString& path)
{
    db.setDatabaseName(NoCreateUri(path));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
}

// A crash in the middle of a write leaves the journal of the unfinished transaction beside the
// file; SQLite rolls it back on the next read through a writable connection.
static bool HasHotJournal(const QString& path)
{
    const QFileInfo journal(path + QStringLiteral("-journal"));
    return journal.isFile() && journal.size() > 0;
}

enum class Integrity
{
    Sound,
    Damaged,
    Unknown
};

// PRAGMA quick_check: every page and b-tree of the file is read and checked (indexes are not
// compared with their tables). A damaged file fails the statement or answers other than "ok"; a
// file that another program keeps locked could not be checked and is not called damaged.
static Integrity CheckIntegrity(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check(1)"))) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        // SQLITE_BUSY and SQLITE_LOCKED, also as extended result codes.
        const int code = query.lastError().nativeErrorCode().toInt() & 0xff;
        const bool locked = code == 5 || code == 6;
        return locked ? Integrity::Unknown : Integrity::Damaged;
    }
    const QString answer = query.next() ? query.value(0).toString() : QString();
    if (answer != QLatin1String("ok")) {
        qWarning().noquote() << db.databaseName() << "failed the integrity check:" << answer;
        return Integrity::Damaged;
    }
    return Integrity::Sound;
}

// Whether this program may write to the file or folder that info describes. A file without any
// write permission counts as read-only even for an account that could override it: the shop
// keeper marked it so.
static bool IsWritable(const QByteArray& nativePath, const QT_STATBUF& info)
{
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
           QT_ACCESS(nativePath.constData(), W_OK) == 0;
}

struct CDBManager::Kind
{
    const char* connectionName;
    const char* version;
    const char* activeKey;
    const char* folderKey;
    const char* verifiedKey;
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
                                       SettingKey::VERIFIED_INVENTORY_DB,
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
                                       SettingKey::VERIFIED_SALES_DB,
                                       "merchorasales",
                                       "SAMPLE_SALES_DB_",
                                       SAMPLE_SALES_SCRIPT,
                                       false};
    return kind;
}

QSqlDatabase& CDBManager::GetInventoryDataBase()
{
    return OpenDataBase(InventoryKind(), m_inventory, m_inventoryConnected, m_inventoryFile);
}

QSqlDatabase& CDBManager::GetSalesDataBase()
{
    return OpenDataBase(SalesKind(), m_sales, m_salesConnected, m_salesFile);
}

CDBManager::FileIdentity CDBManager::IdentityOf(const QString& path)
{
    FileIdentity identity;
    QT_STATBUF info;
    if (QT_STAT(QFile::encodeName(path).constData(), &info) == 0) {
        identity.device = quint64(info.st_dev);
        identity.inode = quint64(info.st_ino);
        identity.valid = true;
    }
    return identity;
}

bool CDBManager::IsUsableForWriting(const QString& path, const FileIdentity& opened)
{
    const QByteArray file = QFile::encodeName(path);
    QT_STATBUF info;
    if (QT_STAT(file.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const FileIdentity now{quint64(info.st_dev), quint64(info.st_ino), true};
    if (!(now == opened) || !IsWritable(file, info))
        return false;
    // The folder takes the journal of every write.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    return QT_STAT(folder.constData(), &info) == 0 && IsWritable(folder, info);
}

bool CDBManager::NeedsIntegrityCheck(const Kind& kind, const QString& path, bool hotJournal) const
{
    if (hotJournal)
        return true;
    // The check reads the whole file; on a store of up to this size it takes well under 300 ms
    // (about 3 ms a megabyte), so such a store is checked at every opening.
    constexpr qint64 ALWAYS_CHECKED_BYTES = 32 * 1024 * 1024;
    if (QFileInfo(path).size() <= ALWAYS_CHECKED_BYTES)
        return true;
    // A file that has not passed before was chosen or created since: check it once.
    const QString verified = Utility::GetInstance()
                                 ->GetSettings()
                                 ->value(QString::fromLatin1(kind.verifiedKey), QString())
                                 .toString();
    return verified.isEmpty() || verified != QFileInfo(path).canonicalFilePath();
}

QSqlDatabase& CDBManager::OpenDataBase(const Kind& kind, QSqlDatabase*& connection, bool& connected,
                                       FileIdentity& identity, bool quiet)
{
    if (connection)
        return *connection;

    QSettings* settings = Utility::GetInstance()->GetSettings();
    const QString fileName =
        settings->value(QString::fromLatin1(kind.activeKey), QString()).toString();
    const QString path = DataBasePath(kind.folderKey, kind.activeKey);

    connection = new QSqlDatabase(QSqlDatabase::addDatabase(
        QStringLiteral("QSQLITE"), QString::fromLatin1(kind.connectionName)));
    identity = FileIdentity();
    connected = false;

    // Looked at before the version check, whose read rolls the journal back.
    const bool hotJournal = HasHotJournal(path);
    if (!IsValidDataBase(path, QString::fromLatin1(kind.version))) {
        if (!fileName.isEmpty() && !quiet) {
            ReportProblem(tr("Error"),
                          fileName +
                              tr(" is not a valid database for this version.  Please create a "
                                 "new database, or select a valid database."));
        }
        ReportStatus();
        return *connection;
    }

    SetNoCreatePath(*connection, path);
    if (!connection->open()) {
        MERCHORA_LOG_DB_ERROR(connection->lastError());
        ReportStatus();
        return *connection;
    }

    // Nothing may write to a damaged file, not even the index creation below; the check reads
    // the whole file, so a file that passed once is only checked again after a crash.
    const QString verifiedKey = QString::fromLatin1(kind.verifiedKey);
    if (NeedsIntegrityCheck(kind, path, hotJournal)) {
        const Integrity integrity = CheckIntegrity(*connection);
        if (integrity == Integrity::Damaged) {
            connection->close();
            settings->remove(verifiedKey);
            if (!quiet) {
                ReportProblem(tr("Error"),
                              fileName + tr(" is damaged and can not be used. Please restore it "
                                            "from a backup, or select another database."));
            }
            ReportStatus();
            return *connection;
        }
        if (integrity == Integrity::Sound)
            settings->setValue(verifiedKey, QFileInfo(path).canonicalFilePath());
    }

    QSqlQuery pragma(*connection);
    const bool foreignKeysOn = pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    if (!foreignKeysOn)
        MERCHORA_LOG_DB_ERROR(pragma.lastError());
    connected = kind.inventory ? foreignKeysOn : true;
    identity = IdentityOf(path);
    UpgradeOpenedStore(*connection, kind.inventory);
    // Old plain-text passwords do not wait for their user's next login to be hashed.
    if (kind.inventory && connected && UpgradePlainPasswords(*connection) < 0)
        qWarning() << "Plain-text passwords could not be converted";
    // A quiet reopen comes from the till, which needs a file it can write a sale to.
    if (quiet && connected)
        connected = IsUsableForWriting(path, identity);
    ReportStatus();
    return *connection;
}

bool CDBManager::CheckSalesDataBase()
{
    if (m_sales && m_salesConnected && m_sales->isOpen() &&
        IsUsableForWriting(SalesDataBasePath(), m_salesFile))
        return true;
    CloseSalesDataBase();
    OpenDataBase(SalesKind(), m_sales, m_salesConnected, m_salesFile, true);
    return m_salesConnected;
}

void CDBManager::ReportWriteFailure(bool inventory)
{
    if (inventory) {
        CloseInventoryDataBase();
        m_inventoryConnected = false;
    } else {
        CloseSalesDataBase();
        m_salesConnected = false;
    }
    ReportStatus();
}

void CDBManager::CloseInventoryDataBase()
{
    CloseDataBase(m_inventory, INVENTORY_CONNECTION);
    m_inventoryFile = FileIdentity();
}

void CDBManager::CloseSalesDataBase()
{
    CloseDataBase(m_sales, SALES_CONNECTION);
    m_salesFile = FileIdentity();
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
    // Only an existing regular file can be a store.
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return false;

    bool valid = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QString::fromLatin1(TEST_CONNECTION));
        // Never created, even if the file vanishes after the look above; opened for writing so
        // that a journal left by a crash is rolled back instead of refusing a healthy store.
        // Reading the stamp writes nothing else.
        SetNoCreatePath(db, path);
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

void CDBManager::ReportProblem(const QString& title, const QString& text)
{
    if (m_mainWindow)
        m_mainWindow->ReportDataBaseProblem(title, text);
}
