// Measures "Print to PDF" of the report viewer on a long sales report: a product grouping of
// 10,000 names, against QTextDocument::print of the same HTML on the same kind of printer. Not a
// test; run by hand (offscreen):
//
//   merchora_bench_reportprint [--rows N] [--runs N] [--keep DIR]
//
// --rows: distinct products sold in the period, one row each (10000); --runs: timed runs of each,
// taking turns, the median counts (3); --keep: copy the two PDF files of the last run into DIR.
// Both times include fetching the rows and building the HTML. Exits with 1 when the viewer takes
// more than 1.2 times as long as the plain print, or when the two PDF files have different page
// counts.

#include "pdftools.h"
#include "storebuilder.h"
#include "testenvironment.h"
#include "urlcatcher.h"

#include "core/DBManager.h"
#include "core/printrouting.h"
#include "core/reportqueries.h"
#include "reporting/reportviewer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kLimit = 1.2;
const ReportPeriod kPeriod{QDate(2026, 11, 1), QDate(2026, 11, 30)};

// One sale line for each of rows distinct product names, five lines a sale, spread over the
// period in shop hours.
bool BuildStore(TestSupport::StoreBuilder* store, int rows)
{
    const QStringList kinds = {
        QStringLiteral("Green Tea 500g"), QStringLiteral("Rye Bread"),
        QStringLiteral("Olive Oil 1l"),   QStringLiteral("Dish Soap 500ml"),
        QStringLiteral("Cheddar 250g"),   QStringLiteral("Coffee Beans 1kg")};
    if (!store->exec(QStringLiteral("BEGIN")))
        return false;
    const int days = kPeriod.start.daysTo(kPeriod.end) + 1;
    qint64 sale = -1;
    for (int row = 0; row < rows; ++row) {
        const int quantity = 1 + row % 4;
        const double price = 0.75 + (row % 97) * 0.25;
        if (row % 5 == 0) {
            const int index = row / 5;
            const QDateTime when(kPeriod.start.addDays(index % days),
                                 QTime(8, 0).addSecs((index * 137) % (12 * 3600)));
            sale = store->insert(
                QStringLiteral("tblSalesTransactions"),
                {{QStringLiteral("USER_ID"), QStringLiteral("cashier%1").arg(index % 3 + 1)},
                 {QStringLiteral("CUSTOMER_ID"), index % 4 == 0 ? index % 50 + 1 : 0},
                 {QStringLiteral("TIME_STAMP"),
                  when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))},
                 {QStringLiteral("GRAND_TOTAL"), 0.0},
                 {QStringLiteral("PAID"), 0.0},
                 {QStringLiteral("RETURN"), 0.0}});
            if (sale <= 0)
                return false;
        }
        const QString name = QStringLiteral("Article %1 %2")
                                 .arg(row + 1, 5, 10, QLatin1Char('0'))
                                 .arg(kinds.at(row % kinds.size()));
        if (store->addSaleLine(sale, row % 5, name, quantity, price, price * 0.7,
                               row % 9 == 0 ? 0.5 : 0.0) <= 0)
            return false;
    }
    return store->exec(QStringLiteral("COMMIT"));
}

double TimeViewer(ReportViewer* viewer, TestSupport::UrlCatcher* catcher)
{
    QFile::remove(ReportPdfPath());
    const int opened = catcher->urls.size();
    QElapsedTimer timer;
    timer.start();
    QMetaObject::invokeMethod(viewer, "on_pushPrintToPDF_clicked");
    const double ms = timer.nsecsElapsed() / 1e6;
    return catcher->urls.size() == opened + 1 && QFileInfo(ReportPdfPath()).size() > 0 ? ms : -1;
}

double TimePlain(ReportViewer* viewer, const QString& file)
{
    QFile::remove(file);
    QElapsedTimer timer;
    timer.start();
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    QTextDocument document;
    document.setHtml(viewer->DocumentHtml());
    document.print(&printer);
    const double ms = timer.nsecsElapsed() / 1e6;
    return QFileInfo(file).size() > 0 ? ms : -1;
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    TestSupport::IsolatedEnvironment environment;
    QApplication app(argc, argv);

    int rows = 10000;
    int runs = 3;
    QString keep;
    const QStringList arguments = app.arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--rows") && i + 1 < arguments.size()) {
            rows = qMax(1, arguments.at(++i).toInt());
        } else if (a == QLatin1String("--runs") && i + 1 < arguments.size()) {
            runs = qMax(1, arguments.at(++i).toInt());
        } else if (a == QLatin1String("--keep") && i + 1 < arguments.size()) {
            keep = arguments.at(++i);
        } else {
            std::fprintf(stderr, "usage: merchora_bench_reportprint [--rows N] [--runs N] "
                                 "[--keep DIR]\n");
            return 2;
        }
    }

    TestSupport::StoreBuilder store(TestSupport::StoreBuilder::Kind::Sales,
                                    TestSupport::homePath() + QStringLiteral("/print.mercdb"));
    if (!store.isOk() || !BuildStore(&store, rows)) {
        std::fprintf(stderr, "cannot build the sales store\n");
        return 1;
    }
    store.activate();
    const SalesTotals totals =
        LoadSalesTotals(CDBManager::GetInstance()->GetSalesDataBase(), kPeriod);

    TestSupport::UrlCatcher catcher;
    catcher.start();

    ReportViewer viewer;
    viewer.setHeading(QStringLiteral("SALES & PURCHASE COST REPORT"));
    viewer.setSalesReport(true);
    viewer.setPeriod(kPeriod.start, kPeriod.end);
    viewer.setStatement(SalesReport::Totals(kPeriod));
    viewer.setTotals(totals.sales, totals.purchaseCost, totals.discount);
    // Showing it runs the product grouping.
    viewer.show();
    QCoreApplication::processEvents();

    const QString plainPdf = TestSupport::homePath() + QStringLiteral("/plain.pdf");
    // An untimed small print loads the fonts and the PDF engine first.
    {
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(plainPdf);
        QTextDocument document;
        document.setHtml(QStringLiteral("<table><tr><td>warm-up</td></tr></table>"));
        document.print(&printer);
    }

    std::vector<double> viewerTimes;
    std::vector<double> plainTimes;
    for (int run = 0; run < runs; ++run) {
        // The viewer goes first on even runs, the plain print on odd ones.
        for (int turn = 0; turn < 2; ++turn) {
            if ((run + turn) % 2 == 0)
                viewerTimes.push_back(TimeViewer(&viewer, &catcher));
            else
                plainTimes.push_back(TimePlain(&viewer, plainPdf));
        }
        std::printf("run %d: viewer %.0f ms, QTextDocument::print %.0f ms\n", run + 1,
                    viewerTimes.back(), plainTimes.back());
        std::fflush(stdout);
    }
    catcher.stop();
    if (*std::min_element(viewerTimes.begin(), viewerTimes.end()) < 0 ||
        *std::min_element(plainTimes.begin(), plainTimes.end()) < 0) {
        std::fprintf(stderr, "a print wrote no PDF file\n");
        return 1;
    }

    const double viewerMs = Median(viewerTimes);
    const double plainMs = Median(plainTimes);
    const double ratio = plainMs > 0 ? viewerMs / plainMs : 0;
    const int viewerPages = TestSupport::pdfPageCount(ReportPdfPath());
    const int plainPages = TestSupport::pdfPageCount(plainPdf);
    std::printf("product grouping with %d rows, median of %d runs\n", rows, runs);
    std::printf("viewer, Print to PDF:      %8.0f ms  %6.2f MB  %d pages\n", viewerMs,
                QFileInfo(ReportPdfPath()).size() / 1e6, viewerPages);
    std::printf("QTextDocument::print:      %8.0f ms  %6.2f MB  %d pages\n", plainMs,
                QFileInfo(plainPdf).size() / 1e6, plainPages);
    std::printf("ratio viewer / print:      %8.2f  (limit %.1f)\n", ratio, kLimit);
    if (!keep.isEmpty()) {
        QDir().mkpath(keep);
        const QString files[][2] = {{ReportPdfPath(), QStringLiteral("viewer.pdf")},
                                    {plainPdf, QStringLiteral("plain.pdf")}};
        for (const auto& file : files) {
            const QString target = QDir(keep).filePath(file[1]);
            QFile::remove(target);
            QFile::copy(file[0], target);
        }
    }
    bool failed = false;
    if (viewerPages <= 0 || viewerPages != plainPages) {
        std::printf("the page counts differ\n");
        failed = true;
    }
    if (ratio > kLimit) {
        std::printf("the viewer takes more than %.1f times as long\n", kLimit);
        failed = true;
    }
    return failed ? 1 : 0;
}
