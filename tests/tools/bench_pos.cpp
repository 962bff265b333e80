// Measures the sales screen on a large store, e.g. one made by merchora_make_store, and compares
// it with the bare database work it has to do. Not a test; run by hand:
//
//   merchora_bench_pos STORE.mercdb [--runs N]
//
// Runs offscreen in a temporary home folder on a copy of the store, so neither the store nor any
// real settings are changed.

#include "salesscreenhost.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/itemtransactionsmodel.h"
#include "core/salepricing.h"
#include "core/utility.h"
#include "pos/pos.h"
#include "widgets/qposdialog.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Stats
{
    double median = 0;
    double p99 = 0;
    double total = 0;
};

Stats Summarise(std::vector<double> times)
{
    Stats stats;
    if (times.empty())
        return stats;
    for (double t : times)
        stats.total += t;
    std::sort(times.begin(), times.end());
    stats.median = times[times.size() / 2];
    // Nearest rank.
    stats.p99 = times[std::min(times.size() - 1, size_t(std::ceil(0.99 * times.size())) - 1)];
    return stats;
}

double Ms(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// The screen in its dialog, as the main window shows it.
struct Screen
{
    Screen()
    {
        host.reset(new QPOSDialog(nullptr, false));
        auto* layout = new QGridLayout(host.get());
        layout->setContentsMargins(0, 0, 0, 0);
        pos = new CPOS(host.get());
        layout->addWidget(pos);
        host->resize(1366, 768);
        host->show();
        QApplication::processEvents();
        barCode = pos->findChild<QLineEdit*>(QStringLiteral("lineEditBarCode"));
        paid = pos->findChild<QLineEdit*>(QStringLiteral("lineEditPaid"));
    }
    std::unique_ptr<QPOSDialog> host;
    CPOS* pos = nullptr;
    QLineEdit* barCode = nullptr;
    QLineEdit* paid = nullptr;
};

// Barcodes of batches with enough stock for every sale of the run, drawn at random.
QStringList PickBarCodes(int count, qint64 batches)
{
    QStringList codes;
    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    query.prepare(QStringLiteral("SELECT i.BAR_CODE, i.QUANTITY, p.ITEMS_PER_UNIT FROM "
                                 "tblInventory as i, tblProducts as p WHERE p.ID = i.PRODUCT_ID "
                                 "AND i.ID = ?"));
    QRandomGenerator random(20240601);
    int guard = 0;
    while (codes.size() < count && guard++ < count * 50) {
        query.addBindValue(qint64(random.bounded(quint32(batches))) + 1);
        if (!query.exec() || !query.next())
            continue;
        const QString code = query.value(0).toString();
        if (query.value(1).toInt() >= 100 && query.value(2).toInt() > 0 && !codes.contains(code))
            codes << code;
    }
    return codes;
}

// The bare work of one entry: the same look-up and stock write-back through prepared queries.
class RawEntry
{
public:
    RawEntry()
        : m_lookUp(CDBManager::GetInstance()->GetInventoryDataBase()),
          m_update(CDBManager::GetInstance()->GetInventoryDataBase())
    {
        m_lookUp.prepare(QStringLiteral(
            "SELECT i.ID, p.NAME, p.ITEMS_PER_UNIT, i.EXPIRY_DATE,  i.SALE_PRICE, "
            "i.PURCHASE_PRICE, i.QUANTITY, i.SUB_ITEMS, p.IMAGE_FILE, p.TAX_RATE, i.DISCOUNT FROM "
            "tblInventory as i, tblProducts as p WHERE p.ID = i.PRODUCT_ID AND i.BAR_CODE = "
            ":bar_code"));
        m_update.prepare(QStringLiteral(" UPDATE tblInventory SET QUANTITY = :quantity , "
                                        "SUB_ITEMS = :sub_items WHERE ID = :id"));
    }

    // Sells one unit of the batch; the time in ms, or a negative value when it failed.
    double Run(const QString& code)
    {
        QElapsedTimer timer;
        timer.start();
        m_lookUp.bindValue(QStringLiteral(":bar_code"), code);
        if (!m_lookUp.exec() || !m_lookUp.next())
            return -1;
        const int u = m_lookUp.value(2).toInt();
        const int total = u * m_lookUp.value(6).toInt() + m_lookUp.value(7).toInt() - u;
        const QVariant id = m_lookUp.value(0);
        m_lookUp.finish();
        m_update.bindValue(QStringLiteral(":quantity"), total / u);
        m_update.bindValue(QStringLiteral(":sub_items"), total % u);
        m_update.bindValue(QStringLiteral(":id"), id);
        if (!m_update.exec())
            return -1;
        return Ms(timer);
    }

private:
    QSqlQuery m_lookUp;
    QSqlQuery m_update;
};

// Enters the barcodes on the screen one by one, each followed by the bare work for another
// barcode, so that both meet the same disk conditions. Returns the times of both in ms, and
// optionally the time of each entry including the repaint that follows it.
void EnterAll(Screen& screen, const QStringList& codes, const QStringList& rawCodes,
              std::vector<double>* times, std::vector<double>* rawTimes, int* refused,
              std::vector<double>* repainted = nullptr)
{
    RawEntry raw;
    const int before = screen.pos->GetModel()->rowCount();
    for (int i = 0; i < codes.size(); ++i) {
        screen.barCode->setText(codes.at(i));
        QElapsedTimer timer;
        timer.start();
        screen.pos->on_pushEnter_clicked();
        times->push_back(Ms(timer));
        // Let the screen repaint between scans, as it does at the till.
        QApplication::processEvents();
        if (repainted)
            repainted->push_back(Ms(timer));
        if (rawTimes && i < rawCodes.size()) {
            const double ms = raw.Run(rawCodes.at(i));
            if (ms >= 0)
                rawTimes->push_back(ms);
        }
    }
    *refused = codes.size() - (screen.pos->GetModel()->rowCount() - before);
}

// The bare work of a payment: one sale row and its line rows in one transaction.
double RawPayment(const CItemTransactionsModel* model, Money grandTotal)
{
    QSqlDatabase& db = CDBManager::GetInstance()->GetSalesDataBase();
    QElapsedTimer timer;
    timer.start();
    db.transaction();
    QSqlQuery sale(db);
    sale.prepare(QStringLiteral(
        "INSERT INTO tblSalesTransactions ( USER_ID, CUSTOMER_ID, TIME_STAMP, GRAND_TOTAL, PAID, "
        "RETURN ) VALUES ( :user_id, :customer_id, :time_stamp, :grand_total, :paid, :return )"));
    sale.bindValue(QStringLiteral(":user_id"), QStringLiteral("NO LOGGED IN USER"));
    sale.bindValue(QStringLiteral(":customer_id"), QStringLiteral("NOT SELECTED"));
    sale.bindValue(QStringLiteral(":time_stamp"),
                   QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    sale.bindValue(QStringLiteral(":grand_total"), MoneyText(grandTotal));
    sale.bindValue(QStringLiteral(":paid"), (grandTotal + Money::FromCents(100)).ToDouble());
    sale.bindValue(QStringLiteral(":return"), -1.0);
    sale.exec();
    const qlonglong id = sale.lastInsertId().toLongLong();
    QSqlQuery line(db);
    line.prepare(QStringLiteral(
        "INSERT INTO tblSalesInvoice ( TRANSACTION_ID, ITEM_INDEX, PRODUCT_NAME, QUANTITY, "
        "PURCHASE_PRICE, SALE_PRICE,  SUB_ITEMS, DISCOUNT, SUB_TOTAL, PURCHASE_SUB_TOTAL ) VALUES "
        "( :trans_id, :index, :name, :quantity, :purchase_price, :sale_price,  :sub_items, "
        ":discount, :sub_total, :purchase_sub_total )"));
    for (int row = 0; row < model->rowCount(); ++row) {
        line.bindValue(QStringLiteral(":trans_id"), id);
        line.bindValue(QStringLiteral(":index"), model->Text(row, 0).toInt());
        line.bindValue(QStringLiteral(":name"), model->Text(row, 1));
        line.bindValue(QStringLiteral(":quantity"), model->Text(row, 2).toInt());
        line.bindValue(QStringLiteral(":purchase_price"), model->Text(row, 7).toDouble());
        line.bindValue(QStringLiteral(":sale_price"), model->Text(row, 4).toDouble());
        line.bindValue(QStringLiteral(":sub_items"), model->Text(row, 3).toInt());
        line.bindValue(QStringLiteral(":discount"), model->Text(row, 5).toDouble());
        line.bindValue(QStringLiteral(":sub_total"), model->Text(row, 6).toDouble());
        line.bindValue(QStringLiteral(":purchase_sub_total"), model->Text(row, 8).toDouble());
        line.exec();
    }
    db.commit();
    return Ms(timer);
}

void PrintSale(const char* what, int lines, const Stats& stats)
{
    std::printf("%-34s lines %5d  median %7.3f ms  p99 %7.3f ms  total %9.1f ms  "
                "total/line %6.3f ms\n",
                what, lines, stats.median, stats.p99, stats.total, stats.total / lines);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    TestSupport::IsolatedEnvironment environment;
    QApplication app(argc, argv);

    QString store;
    int runs = 7;
    const bool named = TestSupport::readBenchmarkArguments(app.arguments(), &store, &runs);
    if (!named) {
        std::fprintf(stderr, "usage: merchora_bench_pos STORE.mercdb [--runs N]\n");
        return 2;
    }

    // Work on a copy: every entry writes stock back.
    const QString copy = TestSupport::homePath() + QStringLiteral("/bench-inventory.mercdb");
    QElapsedTimer copying;
    copying.start();
    if (!QFile::copy(store, copy)) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(store));
        return 1;
    }
    QSettings* settings = Utility::GetInstance()->GetSettings();
    settings->setValue(QString::fromLatin1(SettingKey::INVENTORY_DATA_FOLDER_PATH),
                       TestSupport::homePath());
    settings->setValue(QString::fromLatin1(SettingKey::ACTIVE_INVENTORY_DB),
                       QStringLiteral("bench-inventory.mercdb"));
    {
        TestSupport::StoreBuilder sales(TestSupport::StoreBuilder::Kind::Sales,
                                        TestSupport::homePath() +
                                            QStringLiteral("/bench-sales.mercdb"));
        sales.activate();
    }
    QSqlDatabase& inventory = CDBManager::GetInstance()->GetInventoryDataBase();
    if (!inventory.isOpen() || !CDBManager::GetInstance()->GetSalesDataBase().isOpen()) {
        std::fprintf(stderr, "%s is not a valid inventory store\n", qPrintable(store));
        return 1;
    }

    qint64 batches = 0;
    {
        QSqlQuery count(inventory);
        count.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM tblInventory), "
                                  "(SELECT COUNT(*) FROM tblProducts), "
                                  "(SELECT COUNT(*) FROM tblInventory WHERE SHOW_ON_POS = 1)"));
        count.next();
        batches = count.value(0).toLongLong();
        std::printf("store %s: %lld batches, %lld products, %lld product buttons, %.1f MB "
                    "(copied in %.0f ms)\n",
                    qPrintable(QFileInfo(store).fileName()), batches, count.value(1).toLongLong(),
                    count.value(2).toLongLong(), QFileInfo(store).size() / 1048576.0, Ms(copying));
    }

    const QList<int> saleSizes{250, 500, 1000};
    int needed = 0;
    for (int size : saleSizes)
        needed += 2 * size;
    needed += runs * 100;
    const QStringList codes = PickBarCodes(needed, batches);
    if (codes.size() < needed) {
        std::fprintf(stderr, "only %d batches with stock found\n", int(codes.size()));
        return 1;
    }
    int next = 0;
    const auto take = [&codes, &next](int count) {
        const QStringList part = codes.mid(next, count);
        next += count;
        return part;
    };

    {
        QElapsedTimer timer;
        timer.start();
        Screen screen;
        std::printf("screen construction (buttons loaded, shown): %.1f ms\n", Ms(timer));
    }

    // Entries on the screen for growing sales, each paired with the bare work.
    Stats thousand;
    Stats thousandRaw;
    for (int size : saleSizes) {
        Screen screen;
        int refused = 0;
        std::vector<double> times;
        std::vector<double> rawTimes;
        std::vector<double> repainted;
        const QStringList screenCodes = take(size);
        EnterAll(screen, screenCodes, take(size), &times, &rawTimes, &refused, &repainted);
        const Stats stats = Summarise(times);
        const Stats raw = Summarise(rawTimes);
        PrintSale("screen entry", size, stats);
        PrintSale("  screen entry + repaint", size, Summarise(repainted));
        PrintSale("  raw look-up + stock update", int(rawTimes.size()), raw);
        if (refused)
            std::printf("  (%d entries refused)\n", refused);
        if (size == 1000) {
            thousand = stats;
            thousandRaw = raw;
        }
    }

    // Payment of a 100-line sale against the same rows written directly.
    std::vector<double> payments;
    std::vector<double> rawPayments;
    for (int run = 0; run < runs; ++run) {
        Screen screen;
        int refused = 0;
        std::vector<double> unused;
        EnterAll(screen, take(100), QStringList(), &unused, nullptr, &refused);
        screen.paid->setText((screen.pos->GetGrandTotal() + Money::FromCents(100)).ToString());
        QElapsedTimer timer;
        timer.start();
        screen.pos->on_pushButtonPay_clicked();
        payments.push_back(Ms(timer));
        if (screen.pos->GetSaleState() != CPOS::Paid)
            std::printf("  payment %d not stored\n", run);
        rawPayments.push_back(RawPayment(screen.pos->GetModel(), screen.pos->GetGrandTotal()));
    }
    const Stats pay = Summarise(payments);
    const Stats rawPay = Summarise(rawPayments);
    std::printf("payment of a 100-line sale          median %7.3f ms over %d runs\n", pay.median,
                runs);
    std::printf("raw sale + 100 lines, 1 transaction median %7.3f ms over %d runs\n", rawPay.median,
                runs);

    const double entryRatio = thousand.median / thousandRaw.median;
    const double payRatio = pay.median / rawPay.median;
    std::printf("\nratio screen entry / raw look-up+update: %.2f (limit 1.5) %s\n", entryRatio,
                entryRatio <= 1.5 ? "ok" : "ABOVE");
    std::printf("ratio payment / raw transaction:         %.2f (limit 1.2) %s\n", payRatio,
                payRatio <= 1.2 ? "ok" : "ABOVE");
    return (entryRatio <= 1.5 && payRatio <= 1.2) ? 0 : 3;
}
