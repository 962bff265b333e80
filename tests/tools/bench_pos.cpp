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
#include "core/pendingsales.h"
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

// An empty pending sale for the bare work's lines, held so that no screen offers it; its ID.
qint64 NewPendingSale()
{
    QSqlQuery insert(CDBManager::GetInstance()->GetInventoryDataBase());
    insert.prepare(QStringLiteral(
        "INSERT INTO tblPendingSales (STARTED, USER_ID, CUSTOMER_ID, PARKED) VALUES (?, ?, NULL, "
        "?)"));
    const QString now =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    insert.addBindValue(now);
    insert.addBindValue(QStringLiteral("NO LOGGED IN USER"));
    insert.addBindValue(now);
    insert.exec();
    return insert.lastInsertId().toLongLong();
}

const char PENDING_LINE_INSERT[] =
    "INSERT INTO tblPendingLines (PENDING_SALE_ID, BATCH_ID, RETURNED, PRODUCT_NAME, QUANTITY, "
    "SUB_ITEMS, SALE_PRICE, DISCOUNT, SUB_TOTAL, PURCHASE_PRICE, PURCHASE_SUB_TOTAL, TAX_UNITS) "
    "VALUES (:sale, :batch, 0, :name, :quantity, :sub_items, :price, :discount, :sub_total, "
    ":purchase_price, :purchase_sub_total, :tax_units)";

// Binds a pending line of the texts of a till line.
void BindPendingLine(QSqlQuery& insert, qint64 sale, const QVariant& batch,
                     const QStringList& texts)
{
    insert.bindValue(QStringLiteral(":sale"), sale);
    insert.bindValue(QStringLiteral(":batch"), batch);
    insert.bindValue(QStringLiteral(":name"), texts.value(1));
    insert.bindValue(QStringLiteral(":quantity"), texts.value(2));
    insert.bindValue(QStringLiteral(":sub_items"), texts.value(3));
    insert.bindValue(QStringLiteral(":price"), texts.value(4));
    insert.bindValue(QStringLiteral(":discount"), texts.value(5));
    insert.bindValue(QStringLiteral(":sub_total"), texts.value(6));
    insert.bindValue(QStringLiteral(":purchase_price"), texts.value(7));
    insert.bindValue(QStringLiteral(":purchase_sub_total"), texts.value(8));
    insert.bindValue(QStringLiteral(":tax_units"), 0);
}

// The bare work of one entry: the same look-up, then the stock write-back and the pending line
// in one transaction, through statements prepared once.
class RawEntry
{
public:
    RawEntry()
        : m_db(CDBManager::GetInstance()->GetInventoryDataBase()), m_lookUp(m_db), m_update(m_db),
          m_line(m_db), m_sale(NewPendingSale())
    {
        m_lookUp.prepare(QStringLiteral(
            "SELECT i.ID, p.NAME, p.ITEMS_PER_UNIT, i.EXPIRY_DATE,  i.SALE_PRICE, "
            "i.PURCHASE_PRICE, i.QUANTITY, i.SUB_ITEMS, p.IMAGE_FILE, p.TAX_RATE, i.DISCOUNT FROM "
            "tblInventory as i, tblProducts as p WHERE p.ID = i.PRODUCT_ID AND i.BAR_CODE = "
            ":bar_code"));
        m_update.prepare(QStringLiteral(
            "UPDATE tblInventory SET QUANTITY = :quantity, SUB_ITEMS = :sub_items WHERE ID = :id "
            "AND QUANTITY = :read_quantity AND SUB_ITEMS = :read_sub_items"));
        m_line.prepare(QString::fromLatin1(PENDING_LINE_INSERT));
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
        const int quantity = m_lookUp.value(6).toInt();
        const int subItems = m_lookUp.value(7).toInt();
        const int total = u * quantity + subItems - u;
        const QVariant id = m_lookUp.value(0);
        const QStringList texts{QStringLiteral("0"),          m_lookUp.value(1).toString(),
                                QStringLiteral("1"),          QStringLiteral("0"),
                                m_lookUp.value(4).toString(), QStringLiteral("0.00"),
                                m_lookUp.value(4).toString(), m_lookUp.value(5).toString(),
                                m_lookUp.value(5).toString()};
        m_lookUp.finish();
        m_db.transaction();
        m_update.bindValue(QStringLiteral(":quantity"), total / u);
        m_update.bindValue(QStringLiteral(":sub_items"), total % u);
        m_update.bindValue(QStringLiteral(":id"), id);
        m_update.bindValue(QStringLiteral(":read_quantity"), quantity);
        m_update.bindValue(QStringLiteral(":read_sub_items"), subItems);
        BindPendingLine(m_line, m_sale, id, texts);
        if (!m_update.exec() || !m_line.exec() || !m_db.commit()) {
            m_db.rollback();
            return -1;
        }
        return Ms(timer);
    }

private:
    QSqlDatabase m_db;
    QSqlQuery m_lookUp;
    QSqlQuery m_update;
    QSqlQuery m_line;
    qint64 m_sale;
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

// The bare work of a payment: with the sales store attached to the inventory connection, one
// transaction that stores the sale row and its line rows, moves the sale's void rows and clears
// its pending records. The pending sale is made for it beforehand, untimed, from the screen's
// lines; so is the attachment.
double RawPayment(const CItemTransactionsModel* model, Money grandTotal)
{
    QSqlDatabase& db = CDBManager::GetInstance()->GetInventoryDataBase();
    const qint64 pending = NewPendingSale();
    {
        QSqlQuery line(db);
        line.prepare(QString::fromLatin1(PENDING_LINE_INSERT));
        db.transaction();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList texts;
            for (int column = 0; column < CItemTransactionsModel::ColumnCount; ++column)
                texts << model->Text(row, column);
            BindPendingLine(line, pending, 1, texts);
            line.exec();
        }
        db.commit();
    }
    // The till keeps the sales store attached between payments; so does this.
    QSqlQuery attach(db);
    attach.exec(QStringLiteral("PRAGMA database_list"));
    bool attached = false;
    while (attach.next())
        attached = attached || attach.value(1).toString() == QLatin1String("sales");
    attach.finish();
    if (!attached) {
        attach.prepare(QStringLiteral("ATTACH DATABASE ? AS sales"));
        attach.addBindValue(NoCreateUri(CDBManager::SalesDataBasePath()));
        if (!attach.exec())
            std::printf("  %s\n", qPrintable(attach.lastError().text()));
    }

    QElapsedTimer timer;
    timer.start();
    db.transaction();
    {
        QSqlQuery sale(db);
        sale.prepare(QStringLiteral(
            "INSERT INTO sales.tblSalesTransactions ( USER_ID, CUSTOMER_ID, TIME_STAMP, "
            "GRAND_TOTAL, PAID, RETURN ) VALUES ( :user_id, :customer_id, :time_stamp, "
            ":grand_total, :paid, :return )"));
        sale.bindValue(QStringLiteral(":user_id"), QStringLiteral("NO LOGGED IN USER"));
        sale.bindValue(QStringLiteral(":customer_id"), QStringLiteral("NOT SELECTED"));
        sale.bindValue(QStringLiteral(":time_stamp"), QDateTime::currentDateTime().toString(
                                                          QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        sale.bindValue(QStringLiteral(":grand_total"), MoneyText(grandTotal));
        sale.bindValue(QStringLiteral(":paid"), (grandTotal + Money::FromCents(100)).ToDouble());
        sale.bindValue(QStringLiteral(":return"), -1.0);
        sale.exec();
        const qlonglong id = sale.lastInsertId().toLongLong();
        QSqlQuery line(db);
        line.prepare(QStringLiteral(
            "INSERT INTO sales.tblSalesInvoice ( TRANSACTION_ID, ITEM_INDEX, PRODUCT_NAME, "
            "QUANTITY, PURCHASE_PRICE, SALE_PRICE,  SUB_ITEMS, DISCOUNT, SUB_TOTAL, "
            "PURCHASE_SUB_TOTAL ) VALUES ( :trans_id, :index, :name, :quantity, :purchase_price, "
            ":sale_price,  :sub_items, :discount, :sub_total, :purchase_sub_total )"));
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
        QSqlQuery clear(db);
        clear.prepare(QStringLiteral(
            "INSERT INTO sales.tblSalesVoids (TRANSACTION_ID, ITEM_INDEX, PRODUCT_NAME, QUANTITY, "
            "SUB_ITEMS, SUB_TOTAL, USER_ID, TIME_STAMP) SELECT ?, ITEM_INDEX, PRODUCT_NAME, "
            "QUANTITY, SUB_ITEMS, SUB_TOTAL, USER_ID, TIME_STAMP FROM tblPendingVoids WHERE "
            "PENDING_SALE_ID = ?"));
        clear.addBindValue(id);
        clear.addBindValue(pending);
        clear.exec();
        for (const char* statement : {"DELETE FROM tblPendingVoids WHERE PENDING_SALE_ID = ?",
                                      "DELETE FROM tblPendingLines WHERE PENDING_SALE_ID = ?",
                                      "DELETE FROM tblPendingSales WHERE ID = ?"}) {
            clear.prepare(QString::fromLatin1(statement));
            clear.addBindValue(pending);
            clear.exec();
        }
    }
    db.commit();
    const double ms = Ms(timer);
    if (!attached)
        attach.exec(QStringLiteral("DETACH DATABASE sales"));
    return ms;
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
    needed += (runs + 1) * 100;
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
        PrintSale("  raw look-up + stock + pending line", int(rawTimes.size()), raw);
        if (refused)
            std::printf("  (%d entries refused)\n", refused);
        if (size == 1000) {
            thousand = stats;
            thousandRaw = raw;
        }
        // Held, so that the next screen opens without asking about it.
        screen.pos->on_pushHold_clicked();
    }

    // Payment of 100-line sales on one till, as a till takes one sale after the other, against
    // the same rows written directly. The till's first payment also attaches the sales store to
    // the inventory connection; it is kept apart from the others.
    std::vector<double> payments;
    std::vector<double> rawPayments;
    double firstPayment = 0;
    Screen screen;
    for (int run = 0; run <= runs; ++run) {
        screen.pos->on_pushNew_clicked();
        int refused = 0;
        std::vector<double> unused;
        EnterAll(screen, take(100), QStringList(), &unused, nullptr, &refused);
        screen.paid->setText((screen.pos->GetGrandTotal() + Money::FromCents(100)).ToString());
        QElapsedTimer timer;
        timer.start();
        screen.pos->on_pushButtonPay_clicked();
        if (run == 0) {
            firstPayment = Ms(timer);
            continue;
        }
        payments.push_back(Ms(timer));
        if (screen.pos->GetSaleState() != CPOS::Paid)
            std::printf("  payment %d not stored\n", run);
        rawPayments.push_back(RawPayment(screen.pos->GetModel(), screen.pos->GetGrandTotal()));
    }
    const Stats pay = Summarise(payments);
    const Stats rawPay = Summarise(rawPayments);
    std::printf("first payment of the till (attaches the sales store) %7.3f ms\n", firstPayment);
    std::printf("payment of a 100-line sale          median %7.3f ms over %d runs\n", pay.median,
                runs);
    std::printf("raw sale + 100 lines + pending cleared, 1 commit over both stores median %7.3f ms "
                "over %d runs\n",
                rawPay.median, runs);

    const double entryRatio = thousand.median / thousandRaw.median;
    const double payRatio = pay.median / rawPay.median;
    std::printf("\nratio screen entry / raw look-up+update+pending line: %.2f (limit 1.5) %s\n",
                entryRatio, entryRatio <= 1.5 ? "ok" : "ABOVE");
    std::printf("ratio payment / raw transaction:                     %.2f (limit 1.2) %s\n",
                payRatio, payRatio <= 1.2 ? "ok" : "ABOVE");
    return (entryRatio <= 1.5 && payRatio <= 1.2) ? 0 : 3;
}
