#include "core/storebackup.h"

#include "core/DBManager.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <algorithm>

namespace StoreBackup {

namespace {

const char kSourceConnection[] = "STORE_COPY_SOURCE";
const char kCheckConnection[] = "STORE_CHECK";

// A connection on an existing file that SQLite never creates; read-only unless writable is set.
QSqlDatabase OpenExisting(const QString& path, const char* connectionName, bool writable)
{
    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QString::fromLatin1(connectionName));
    db.setDatabaseName(
        QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
        (writable ? QStringLiteral("?mode=rw") : QStringLiteral("?mode=ro")));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.open();
    return db;
}

// The stamp of tblMerchora, or a null string when the file has none.
QString StampOf(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("SELECT DB_VERSION FROM tblMerchora")) && query.next())
        return query.value(0).toString();
    return QString();
}

enum class Integrity
{
    Sound,
    Damaged,
    Busy
};

Integrity IntegrityOf(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA integrity_check(1)"))) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        // SQLITE_BUSY and SQLITE_LOCKED: another program holds the file, which says nothing
        // about its state.
        const int code = query.lastError().nativeErrorCode().toInt() & 0xff;
        return code == 5 || code == 6 ? Integrity::Busy : Integrity::Damaged;
    }
    return query.next() && query.value(0).toString() == QLatin1String("ok") ? Integrity::Sound
                                                                            : Integrity::Damaged;
}

bool IsStore(const QString& fileName)
{
    return fileName.endsWith(QLatin1String(STORE_SUFFIX), Qt::CaseInsensitive);
}

// "-journal", "-wal" or "-shm" beside a store file.
bool IsStoreJournal(const QString& fileName)
{
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const QLatin1String tail(suffix);
        if (fileName.endsWith(tail) && IsStore(fileName.left(fileName.size() - tail.size())))
            return true;
    }
    return false;
}

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

bool CopyStore(const QString& source, const QString& target, QString* error)
{
    QString stamp;
    bool copied = false;
    {
        QSqlDatabase db = OpenExisting(source, kSourceConnection, false);
        if (db.isOpen()) {
            stamp = StampOf(db);
            QSqlQuery query(db);
            query.prepare(QStringLiteral("VACUUM INTO ?"));
            query.addBindValue(target);
            copied = query.exec();
            if (!copied) {
                MERCHORA_LOG_DB_ERROR(query.lastError());
                SetError(error, query.lastError().text());
            }
        } else {
            SetError(error, db.lastError().text());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(kSourceConnection));
    if (!copied)
        return false;

    bool sound = false;
    {
        QSqlDatabase db = OpenExisting(target, kCheckConnection, false);
        sound = db.isOpen() && IntegrityOf(db) == Integrity::Sound && StampOf(db) == stamp;
        db.close();
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(kCheckConnection));
    if (!sound)
        SetError(error, QStringLiteral("The copy failed its check"));
    return sound;
}

} // namespace

StoreCheck CheckStoreFile(const QString& path, const QString& expectedVersion)
{
    if (!CDBManager::GetInstance()->IsValidDataBase(path, expectedVersion))
        return StoreCheck::WrongVersion;
    Integrity integrity = Integrity::Damaged;
    {
        QSqlDatabase db = OpenExisting(path, kCheckConnection, false);
        if (db.isOpen())
            integrity = IntegrityOf(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(kCheckConnection));
    // A file held by another program is checked again when it is opened.
    return integrity == Integrity::Damaged ? StoreCheck::Damaged : StoreCheck::Valid;
}

QString AbsoluteFolder(const QString& typed)
{
    return QDir(typed.trimmed()).absolutePath();
}

QStringList FoldersToBackUp(const QString& inventoryFolder, const QString& salesFolder)
{
    QStringList folders;
    QStringList seen;
    for (const QString& folder : {inventoryFolder, salesFolder}) {
        if (folder.isEmpty())
            continue;
        const QFileInfo info(folder);
        const QString key = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
        if (seen.contains(key))
            continue;
        seen << key;
        folders << folder;
    }
    return folders;
}

QList<FileToCopy> FilesToCopy(const QString& sourceFolder)
{
    QList<FileToCopy> files;
    const QDir source(sourceFolder);
    QDirIterator it(sourceFolder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (IsStoreJournal(it.fileName()))
            continue;
        files.append({QDir::toNativeSeparators(path),
                      QDir::toNativeSeparators(source.relativeFilePath(path))});
    }
    std::sort(files.begin(), files.end(),
              [](const FileToCopy& a, const FileToCopy& b) { return a.relative < b.relative; });
    return files;
}

bool CopyFile(const QString& source, const QString& target, QString* error)
{
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() || targetInfo.isSymLink()) {
        SetError(error, QStringLiteral("The target exists"));
        return false;
    }
    if (!QDir().mkpath(targetInfo.absolutePath())) {
        SetError(error, QStringLiteral("The target folder can not be created"));
        return false;
    }
    const bool copied =
        IsStore(source) ? CopyStore(source, target, error) : QFile::copy(source, target);
    if (!copied) {
        // Whatever this call left at the target is its own: the target did not exist before.
        QFile::remove(target);
        if (error && error->isEmpty())
            *error = QStringLiteral("The file could not be copied");
    }
    return copied;
}

Outcome CopyFolder(const QString& sourceFolder, const QString& destination,
                   const CopyCallbacks& callbacks)
{
    const QList<FileToCopy> files = FilesToCopy(sourceFolder);
    bool asking = true;
    for (int i = 0; i < files.size(); ++i) {
        if (callbacks.progress && !callbacks.progress(i + 1, files.size()))
            return Outcome::Cancelled;
        const QString target = QDir::toNativeSeparators(
            destination + QLatin1Char('/') + QDir::fromNativeSeparators(files[i].relative));
        if (CopyFile(files[i].source, target) || !asking || !callbacks.failed)
            continue;
        switch (callbacks.failed(files[i].source, target)) {
        case Answer::Skip:
            break;
        case Answer::SkipAll:
            asking = false;
            break;
        case Answer::Abort:
            return Outcome::Aborted;
        }
    }
    return Outcome::Completed;
}

} // namespace StoreBackup
