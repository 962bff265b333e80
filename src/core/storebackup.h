#ifndef STOREBACKUP_H
#define STOREBACKUP_H

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Choosing store files and copying the data folders: the checks and the copy plan, without any
// window. The dialogs ask the user; everything they decide on is here.
namespace StoreBackup {

inline constexpr char STORE_SUFFIX[] = ".mercdb";

enum class StoreCheck
{
    Valid,
    WrongVersion, // not a store, another kind of store, or a missing file
    Damaged       // the right stamp, but the file fails the integrity check
};

// Whether the file can be used as a store of the expected version: its stamp first, then the whole
// file through PRAGMA integrity_check.
StoreCheck CheckStoreFile(const QString& path, const QString& expectedVersion);

// The absolute path of a folder typed by the user; an empty text is the current folder.
QString AbsoluteFolder(const QString& typed);

// The data folders to copy, each once: both settings may name the same folder.
QStringList FoldersToBackUp(const QString& inventoryFolder, const QString& salesFolder);

struct FileToCopy
{
    QString source;   // full path, native separators
    QString relative; // path below the source folder, native separators
};

// Every file below the folder, recursively, except the journal files that SQLite keeps beside a
// store ("-journal", "-wal", "-shm"): the store's copy is made through SQLite and needs none.
QList<FileToCopy> FilesToCopy(const QString& sourceFolder);

// Copies one file to target, creating the folders it needs. A store is copied through SQLite
// (VACUUM INTO), so that an open store is copied as a consistent whole, and the copy is checked
// (integrity and the source's stamp); other files are copied as they are. An existing target is
// never overwritten, and a failed copy leaves nothing of what this call created. On failure the
// reason is written to error when given.
bool CopyFile(const QString& source, const QString& target, QString* error = nullptr);

enum class Answer
{
    Skip,    // go on without this file
    SkipAll, // go on, and skip every later failure without asking
    Abort    // stop the backup
};

enum class Outcome
{
    Completed,
    Cancelled, // the progress callback asked to stop
    Aborted    // the failure question was answered with Abort
};

struct CopyCallbacks
{
    // Before each file (number starting at 1, of total); false stops the copy.
    std::function<bool(int number, int total)> progress;
    // A file could not be copied; asked until SkipAll is answered.
    std::function<Answer(const QString& source, const QString& target)> failed;
};

// Copies every file of the folder (FilesToCopy) below destination. Files copied before a stop
// stay where they are.
Outcome CopyFolder(const QString& sourceFolder, const QString& destination,
                   const CopyCallbacks& callbacks);

} // namespace StoreBackup

#endif // STOREBACKUP_H
