// Measures how quickly the stock screens answer on a large store, e.g. one made by
// merchora_make_store. Not a test; run by hand:
//
//   merchora_bench_inventory STORE.mercdb [--runs N]
//
// Runs offscreen in a temporary home folder, so no real settings are read or written.

#include "salesscreenhost.h"
#include "testenvironment.h"

#include "catalogue/inventorymanagement.h"
#include "catalogue/productmanagement.h"
#include "core/DBManager.h"
#include "core/utility.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Result
{
    double median = 0;
    double p90 = 0;
    int rows = 0;
};

// Runs the measured step several times; each run reports its time in ms and the rows loaded.
Result Measure(int runs, const std::function<double(int*)>& step)
{
    std::vector<double> times;
    int rows = 0;
    for (int run = 0; run < runs; ++run)
        times.push_back(step(&rows));
    std::sort(times.begin(), times.end());
    Result result;
    result.median = times[times.size() / 2];
    // Nearest rank.
    result.p90 = times[std::min(times.size() - 1, size_t(std::ceil(0.9 * times.size())) - 1)];
    result.rows = rows;
    return result;
}

void Print(const char* what, const Result& result)
{
    std::printf("%-48s median %8.1f ms   p90 %8.1f ms   rows loaded %d\n", what, result.median,
                result.p90, result.rows);
    std::fflush(stdout);
}

QTableView* TableOf(QWidget* screen)
{
    return screen->findChild<QTableView*>(QStringLiteral("tableViewItems"));
}

int LoadedRows(QWidget* screen, const char* tableName)
{
    const auto* view = screen->findChild<QAbstractItemView*>(QString::fromLatin1(tableName));
    return view && view->model() ? view->model()->rowCount() : -1;
}

// Search on a screen built beforehand: the time from the click until the model holds the first
// rows.
Result MeasureSearch(int runs, const QString& name, const QString& code)
{
    InventoryManagement screen(nullptr);
    screen.resize(1100, 650);
    screen.show();
    QApplication::processEvents();
    auto* nameEdit = screen.findChild<QLineEdit*>(QStringLiteral("editName"));
    auto* codeEdit = screen.findChild<QLineEdit*>(QStringLiteral("editCode"));
    return Measure(runs, [&](int* rows) {
        nameEdit->setText(name);
        codeEdit->setText(code);
        QElapsedTimer timer;
        timer.start();
        screen.on_buttonSearch_clicked();
        const double ms = timer.nsecsElapsed() / 1e6;
        *rows = LoadedRows(&screen, "tableViewItems");
        return ms;
    });
}

} // namespace

int main(int argc, char** argv)
{
    TestSupport::IsolatedEnvironment environment;
    QApplication app(argc, argv);

    QString store;
    int runs = 15;
    const bool named = TestSupport::readBenchmarkArguments(app.arguments(), &store, &runs);
    const QFileInfo info(store);
    if (!named) {
        std::fprintf(stderr, "usage: merchora_bench_inventory STORE.mercdb [--runs N]\n");
        return 2;
    }

    QSettings* settings = Utility::GetInstance()->GetSettings();
    settings->setValue(QString::fromLatin1(SettingKey::INVENTORY_DATA_FOLDER_PATH),
                       info.absolutePath());
    settings->setValue(QString::fromLatin1(SettingKey::ACTIVE_INVENTORY_DB), info.fileName());
    if (!CDBManager::GetInstance()->GetInventoryDataBase().isOpen()) {
        std::fprintf(stderr, "%s is not a valid inventory store\n", qPrintable(store));
        return 1;
    }

    {
        QSqlQuery count(CDBManager::GetInstance()->GetInventoryDataBase());
        count.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM tblInventory), "
                                  "(SELECT COUNT(*) FROM tblProducts), "
                                  "(SELECT COUNT(*) FROM tblVendors)"));
        count.next();
        std::printf("store %s: %lld batches, %lld products, %lld vendors; %d runs each\n",
                    qPrintable(info.fileName()), count.value(0).toLongLong(),
                    count.value(1).toLongLong(), count.value(2).toLongLong(), runs);
        // A barcode of the last batch, for the single-match search.
        count.exec(QStringLiteral("SELECT BAR_CODE FROM tblInventory ORDER BY ID DESC LIMIT 1"));
        count.next();
        settings->setValue(QStringLiteral("bench_last_barcode"), count.value(0));
    }
    const QString lastBarCode = settings->value(QStringLiteral("bench_last_barcode")).toString();

    Print("inventory browser: construct (first rows in model)", Measure(runs, [](int* rows) {
              QElapsedTimer timer;
              timer.start();
              InventoryManagement screen(nullptr);
              const double ms = timer.nsecsElapsed() / 1e6;
              *rows = LoadedRows(&screen, "tableViewItems");
              return ms;
          }));

    Print("inventory browser: construct + show + paint", Measure(runs, [](int* rows) {
              QElapsedTimer timer;
              timer.start();
              InventoryManagement screen(nullptr);
              screen.resize(1100, 650);
              screen.show();
              QApplication::processEvents();
              TableOf(&screen)->viewport()->repaint();
              const double ms = timer.nsecsElapsed() / 1e6;
              *rows = LoadedRows(&screen, "tableViewItems");
              return ms;
          }));

    Print("search by name \"Kestrel\" (~1% of products)",
          MeasureSearch(runs, QStringLiteral("Kestrel"), QString()));
    Print("search by name, no match", MeasureSearch(runs, QStringLiteral("Zzyzx"), QString()));
    Print("search by barcode fragment \"4711\"",
          MeasureSearch(runs, QString(), QStringLiteral("4711")));
    Print("search by whole barcode (one match)", MeasureSearch(runs, QString(), lastBarCode));

    Print("product screen: construct", Measure(runs, [](int* rows) {
              QElapsedTimer timer;
              timer.start();
              ProductManagement screen(nullptr);
              const double ms = timer.nsecsElapsed() / 1e6;
              *rows = LoadedRows(&screen, "tableViewProducts");
              return ms;
          }));

    Print("stock picker: open until closed", Measure(runs, [](int* rows) {
              *rows = -1;
              // Closes the picker as soon as its event loop runs.
              QTimer::singleShot(0, [rows]() {
                  if (QWidget* picker = QApplication::activeModalWidget()) {
                      *rows = LoadedRows(picker, "tableViewItems");
                      picker->close();
                  }
              });
              QElapsedTimer timer;
              timer.start();
              InventoryManagement::PickBarCode();
              return timer.nsecsElapsed() / 1e6;
          }));
    return 0;
}
