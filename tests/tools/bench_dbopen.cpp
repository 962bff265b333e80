// Measures what opening a store costs with and without the integrity check that the database
// manager runs on a store that was just chosen or created, or that a crash left with a journal.
// Not a test; run by hand:
//
//   merchora_bench_dbopen STORE.mercdb [--runs N]
//
// Runs in a temporary home folder, so no real settings are read or written. The store is only
// read: the check runs on a read-only connection, and the manager finds the indexes it would
// create already in place on a store made by merchora_make_store.

#include "salesscreenhost.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/utility.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Median of several timed runs in ms, after one untimed run that fills the file cache.
double Median(int runs, const std::function<bool()>& step)
{
    step();
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!step()) {
            std::fprintf(stderr, "the measured step failed\n");
            return -1;
        }
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool QuickCheck(const QString& path)
{
    bool ok = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            ok = query.exec(QStringLiteral("PRAGMA quick_check")) && query.next() &&
                 query.value(0).toString() == QLatin1String("ok");
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    return ok;
}

// The manager opens the store as the inventory or sales database; verified tells it whether the
// file passed the check before.
bool ManagerOpen(bool inventory, const QString& canonicalPath, bool verified)
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    const QString verifiedKey = QString::fromLatin1(inventory ? SettingKey::VERIFIED_INVENTORY_DB
                                                              : SettingKey::VERIFIED_SALES_DB);
    if (verified)
        settings->setValue(verifiedKey, canonicalPath);
    else
        settings->remove(verifiedKey);
    CDBManager* manager = CDBManager::GetInstance();
    const bool open =
        (inventory ? manager->GetInventoryDataBase() : manager->GetSalesDataBase()).isOpen();
    if (inventory)
        manager->CloseInventoryDataBase();
    else
        manager->CloseSalesDataBase();
    return open;
}

} // namespace

int main(int argc, char** argv)
{
    TestSupport::IsolatedEnvironment environment;
    QCoreApplication app(argc, argv);
    QString store;
    int runs = 7;
    if (!TestSupport::readBenchmarkArguments(app.arguments(), &store, &runs)) {
        std::fprintf(stderr, "usage: merchora_bench_dbopen STORE.mercdb [--runs N]\n");
        return 2;
    }
    const QFileInfo info(store);
    const QString path = info.canonicalFilePath();
    CDBManager* manager = CDBManager::GetInstance();
    const bool inventory =
        manager->IsValidDataBase(path, QString::fromLatin1(INVENTORY_DB_VERSION));
    if (!inventory && !manager->IsValidDataBase(path, QString::fromLatin1(SALES_DB_VERSION))) {
        std::fprintf(stderr, "%s is not a store\n", qPrintable(store));
        return 2;
    }
    QSettings* settings = Utility::GetInstance()->GetSettings();
    settings->setValue(QString::fromLatin1(inventory ? SettingKey::INVENTORY_DATA_FOLDER_PATH
                                                     : SettingKey::SALES_DATA_FOLDER_PATH),
                       info.absolutePath());
    settings->setValue(QString::fromLatin1(inventory ? SettingKey::ACTIVE_INVENTORY_DB
                                                     : SettingKey::ACTIVE_SALES_DB),
                       info.fileName());

    std::printf("%s, %.1f MB, %d runs each\n", qPrintable(info.fileName()), info.size() / 1048576.0,
                runs);
    const double check = Median(runs, [&path]() { return QuickCheck(path); });
    std::printf("%-44s median %9.1f ms\n", "PRAGMA quick_check alone", check);
    const double checked =
        Median(runs, [inventory, &path]() { return ManagerOpen(inventory, path, false); });
    std::printf("%-44s median %9.1f ms\n", "manager opens a chosen store (checked)", checked);
    const double known =
        Median(runs, [inventory, &path]() { return ManagerOpen(inventory, path, true); });
    std::printf("%-44s median %9.1f ms\n", "manager opens the verified store", known);

    // The till's check before every barcode entry, on a small sales store in the home folder.
    TestSupport::StoreBuilder sales(TestSupport::StoreBuilder::Kind::Sales,
                                    QDir::home().filePath(QStringLiteral("sales.mercdb")));
    sales.activate();
    const int checks = 10000;
    const double tillChecks = Median(runs, [manager]() {
        bool ok = true;
        for (int i = 0; i < checks && ok; ++i)
            ok = manager->CheckSalesDataBase();
        return ok;
    });
    std::printf("%-44s median %9.2f us\n", "CheckSalesDataBase, one call",
                tillChecks * 1000 / checks);
    return check < 0 || checked < 0 || known < 0 || tillChecks < 0 ? 1 : 0;
}
