// Measures the report engine: a long sales receipt rendered to a PDF file, against a plain
// QPainter loop that draws the same cells onto the same kind of PDF printer. Not a test; run by
// hand (offscreen):
//
//   merchora_bench_report [--rows N] [--runs N] [--keep DIR]
//
// --rows: data rows of the receipt (10000); --runs: timed runs of each, the median counts (5);
// --keep: copy the two PDF files of the last run into DIR. Exits with 1 when the engine takes
// more than 3 times as long as the loop.

#include "testenvironment.h"

#include "core/reportlayout.h"
#include "core/reporttemplate.h"
#include "widgets/reportengine.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QPrinter>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QString kReceipt = QStringLiteral(":/xml/reports/sales_receipt.xml");
constexpr double kLimit = 3.0;

// Every value the receipt asks for, computed before any timing so the source costs next to
// nothing: a hash look-up per placeholder.
struct ReceiptValues
{
    explicit ReceiptValues(int rows)
    {
        const QStringList names = {QStringLiteral("SN"),         QStringLiteral("Product"),
                                   QStringLiteral("Items"),      QStringLiteral("SubItems"),
                                   QStringLiteral("Price/Item"), QStringLiteral("Discount"),
                                   QStringLiteral("Total")};
        for (int i = 0; i < names.size(); ++i)
            column.insert(names.at(i), i);
        cells.reserve(rows * names.size());
        for (int r = 0; r < rows; ++r) {
            const int items = 1 + r % 5;
            const double price = 0.5 + (r % 40) * 0.25;
            const double discount = r % 7 == 0 ? 0.5 : 0;
            cells << QString::number(r + 1)
                  << QStringLiteral("Article %1 %2")
                         .arg(r % 997)
                         .arg(QLatin1String(r % 3 == 0 ? "large pack"
                                                       : (r % 3 == 1 ? "loose" : "bottle, 0.5 l")))
                  << QString::number(items) << QStringLiteral("0") << QString::number(price, 'f', 2)
                  << QString::number(discount, 'f', 2)
                  << QString::number(items * price - discount, 'f', 2);
        }
        fixed = {{QStringLiteral("company_name"), QStringLiteral("Corner Shop")},
                 {QStringLiteral("company_address"), QStringLiteral("12 Market Street")},
                 {QStringLiteral("company_contact"), QStringLiteral("+49 30 1234567")},
                 {QStringLiteral("customer_name"), QStringLiteral("Ada Lovelace")},
                 {QStringLiteral("customer_address"), QStringLiteral("3 Analytical Row")},
                 {QStringLiteral("customer_contact"), QStringLiteral("ada@example.org")},
                 {QStringLiteral("date"), QStringLiteral("07.12.2026")},
                 {QStringLiteral("receipt"), QStringLiteral("1042")},
                 {QStringLiteral("report_message"), QStringLiteral("Thank you for shopping!")},
                 {QStringLiteral("sub_total"), QStringLiteral("61234.50")},
                 {QStringLiteral("Tax_Name"), QStringLiteral("VAT")},
                 {QStringLiteral("tax"), QStringLiteral("11634.56")},
                 {QStringLiteral("grand_total"), QStringLiteral("72869.06")},
                 {QStringLiteral("paid"), QStringLiteral("72870.00")},
                 {QStringLiteral("change"), QStringLiteral("0.94")}};
        logo = QImage(64, 64, QImage::Format_ARGB32);
        logo.fill(QColor(30, 90, 160));
    }

    QString value(int row, const QString& name) const
    {
        const auto it = column.constFind(name);
        if (it != column.constEnd())
            return cells.at(row * column.size() + it.value());
        return fixed.value(name);
    }

    // "[name]" replaced by its value; the receipt uses nothing else.
    QString expand(int row, const QString& text) const
    {
        QString result;
        int i = 0;
        while (i < text.size()) {
            const int open = text.indexOf(QLatin1Char('['), i);
            const int close = open < 0 ? -1 : text.indexOf(QLatin1Char(']'), open);
            if (close < 0) {
                result += text.midRef(i);
                break;
            }
            result += text.midRef(i, open - i);
            result += value(row, text.mid(open + 1, close - open - 1));
            i = close + 1;
        }
        return result;
    }

    QHash<QString, int> column;
    QStringList cells;
    QHash<QString, QString> fixed;
    QImage logo;
};

void ApplyPage(QPrinter* printer, const ReportPage& page)
{
    printer->setPageSize(QPageSize(page.pageSizeMm(), QPageSize::Millimeter));
    printer->setPageMargins(page.marginsMm() + QMarginsF(0.01, 0.01, 0.01, 0.01),
                            QPageLayout::Millimeter);
    printer->setPageOrientation(page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void PreparePrinter(QPrinter* printer, const QString& file)
{
    QFile::remove(file);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
}

// One painted field of the plain loop, everything computed beforehand.
struct Cell
{
    int page = 1;
    int font = 0;
    QRect rect;
    QColor background;
    bool fill = false;
    bool edges = false;
    bool image = false;
    int flags = 0;
    QString text;
};

struct PlainJob
{
    QVector<QFont> fonts;
    QVector<Cell> cells;
};

// The receipt's cells as the engine places them: same rectangles, fonts, fills, borders and texts.
PlainJob PlainCells(const ReportTemplate& report, int rows, const ReceiptValues& values,
                    const QSizeF& printable)
{
    PlainJob job;
    const ReportPage& page = report.pages.first();
    const ReportScale scale = ScaleForPage(page, printable);
    const ReportLayout layout = LayoutReport(report, {rows});
    for (const ReportPlacement& placement : layout.placements) {
        for (const ReportField& field : page.band(placement.band)->fields) {
            QFont font(field.fontFamily);
            font.setPointSize(field.fontSize);
            font.setWeight(field.fontBold ? 75 : 50);
            font.setItalic(field.fontItalic);
            font.setUnderline(field.fontUnderline);
            Cell cell;
            cell.font = job.fonts.indexOf(font);
            if (cell.font < 0) {
                cell.font = job.fonts.size();
                job.fonts.append(font);
            }
            cell.page = placement.page;
            cell.rect = MapFieldRect(field, placement.y, scale);
            cell.background = field.backgroundColor;
            cell.fill = field.backgroundColorText != QLatin1String("rgba(255,255,255,0)");
            cell.edges = field.drawTop; // the receipt's fields have all four edges or none
            cell.image = field.type == ReportField::Type::LabelImage;
            cell.flags = static_cast<int>(field.alignment) | Qt::TextWordWrap | Qt::TextDontClip;
            if (!cell.image)
                cell.text = values.expand(placement.record, field.value);
            job.cells.append(cell);
        }
    }
    return job;
}

void PaintPlain(QPrinter* printer, const ReportPage& page, const PlainJob& job, const QImage& logo)
{
    ApplyPage(printer, page);
    QPainter painter;
    if (!painter.begin(printer))
        return;
    QPen border(Qt::black, 5, Qt::SolidLine);
    int current = 1;
    int font = -1;
    for (const Cell& cell : job.cells) {
        if (cell.page != current) {
            printer->newPage();
            current = cell.page;
        }
        if (cell.font != font) {
            font = cell.font;
            painter.setFont(job.fonts.at(font));
        }
        const QRect& r = cell.rect;
        if (cell.fill)
            painter.fillRect(r.left() + 1, r.top() + 1, r.width() - 2, r.height() - 2,
                             cell.background);
        if (cell.edges) {
            const int right = r.left() + r.width();
            const int bottom = r.top() + r.height();
            painter.setPen(border);
            painter.drawLine(r.left(), r.top(), right, r.top());
            painter.drawLine(r.left(), bottom, right, bottom);
            painter.drawLine(r.left(), r.top(), r.left(), bottom);
            painter.drawLine(right, r.top(), right, bottom);
        }
        if (cell.image) {
            painter.drawImage(r, logo);
        } else {
            painter.setPen(Qt::black);
            painter.drawText(QRect(r.left() + 10, r.top(), r.width() - 10, r.height()), cell.flags,
                             cell.text);
        }
    }
    painter.end();
}

double RenderWithEngine(int rows, const ReceiptValues& values, const QString& file)
{
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(&printer, file);
    QElapsedTimer timer;
    timer.start();
    ReportEngine engine;
    engine.rowCounts = {rows};
    if (!engine.openTemplate(kReceipt))
        return -1;
    QObject::connect(&engine, &ReportEngine::setValue,
                     [&values](int& recNo, QString& name, QVariant& value, int) {
                         value = values.value(recNo, name);
                     });
    QObject::connect(&engine, &ReportEngine::setValueImage,
                     [&values](int&, QString&, QImage& image, int) { image = values.logo; });
    engine.printPreview(&printer);
    return timer.nsecsElapsed() / 1e6;
}

double RenderPlain(const ReportPage& page, const PlainJob& job, const QImage& logo,
                   const QString& file)
{
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(&printer, file);
    QElapsedTimer timer;
    timer.start();
    PaintPlain(&printer, page, job, logo);
    return timer.nsecsElapsed() / 1e6;
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int PdfPages(const QString& path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished(30000)) {
        info.kill();
        info.waitForFinished();
        return -1;
    }
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    TestSupport::IsolatedEnvironment environment;
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(merchora);

    int rows = 10000;
    int runs = 5;
    QString keep;
    const QStringList arguments = app.arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--rows") && i + 1 < arguments.size()) {
            rows = qMax(0, arguments.at(++i).toInt());
        } else if (a == QLatin1String("--runs") && i + 1 < arguments.size()) {
            runs = qMax(1, arguments.at(++i).toInt());
        } else if (a == QLatin1String("--keep") && i + 1 < arguments.size()) {
            keep = arguments.at(++i);
        } else {
            std::fprintf(stderr, "usage: merchora_bench_report [--rows N] [--runs N] "
                                 "[--keep DIR]\n");
            return 2;
        }
    }

    ReportTemplate report;
    if (!ReadReportTemplate(kReceipt, &report) || report.pages.isEmpty()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(kReceipt));
        return 1;
    }
    const ReportPage& page = report.pages.first();
    const ReceiptValues values(rows);
    const QString enginePdf = TestSupport::homePath() + QStringLiteral("/engine.pdf");
    const QString plainPdf = TestSupport::homePath() + QStringLiteral("/plain.pdf");

    QSizeF printable;
    {
        QPrinter printer(QPrinter::HighResolution);
        PreparePrinter(&printer, plainPdf);
        ApplyPage(&printer, page);
        printable = printer.pageRect(QPrinter::DevicePixel).size();
    }
    const PlainJob job = PlainCells(report, rows, values, printable);

    // One untimed run of each loads the fonts; then they take turns, so both see the same load.
    RenderWithEngine(rows, values, enginePdf);
    RenderPlain(page, job, values.logo, plainPdf);
    std::vector<double> engineTimes;
    std::vector<double> plainTimes;
    for (int run = 0; run < runs; ++run) {
        engineTimes.push_back(RenderWithEngine(rows, values, enginePdf));
        plainTimes.push_back(RenderPlain(page, job, values.logo, plainPdf));
        std::printf("run %d: engine %.0f ms, plain loop %.0f ms\n", run + 1, engineTimes.back(),
                    plainTimes.back());
        std::fflush(stdout);
    }
    if (*std::min_element(engineTimes.begin(), engineTimes.end()) < 0) {
        std::fprintf(stderr, "the engine could not open %s\n", qPrintable(kReceipt));
        return 1;
    }

    const double engine = Median(engineTimes);
    const double plain = Median(plainTimes);
    const double ratio = plain > 0 ? engine / plain : 0;
    std::printf("receipt with %d rows, %d cells, median of %d runs\n", rows, job.cells.size(),
                runs);
    std::printf("engine (two passes):   %8.0f ms  %6.2f MB  %d pages\n", engine,
                QFileInfo(enginePdf).size() / 1e6, PdfPages(enginePdf));
    std::printf("plain QPainter loop:   %8.0f ms  %6.2f MB  %d pages\n", plain,
                QFileInfo(plainPdf).size() / 1e6, PdfPages(plainPdf));
    std::printf("ratio engine / loop:   %8.2f  (limit %.0f)\n", ratio, kLimit);

    if (!keep.isEmpty()) {
        QDir().mkpath(keep);
        for (const QString& file : {enginePdf, plainPdf}) {
            const QString target = keep + QLatin1Char('/') + QFileInfo(file).fileName();
            QFile::remove(target);
            QFile::copy(file, target);
        }
    }
    return ratio > kLimit ? 1 : 0;
}
