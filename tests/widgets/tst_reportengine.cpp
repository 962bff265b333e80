#include "modaldialoghandler.h"
#include "pdftools.h"
#include "testenvironment.h"
#include "urlcatcher.h"

#include "core/printrouting.h"
#include "core/reportlayout.h"
#include "core/reporttemplate.h"
#include "core/utility.h"
#include "widgets/reportengine.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QUrl>

static void initResources()
{
    Q_INIT_RESOURCE(merchora);
}

namespace {

using BandType = ReportBand::Type;
const QString kReceipt = QStringLiteral(":/xml/reports/sales_receipt.xml");

// A small template with an aggregate, a hidden field and page numbers in the page footer.
const char kTotalsTemplate[] = R"xml(<?xml version="1.0" encoding="utf-8"?>
<Reports>
  <Report pageWidth="840" pageHeight="1188" marginsLeft="80" marginsRight="80" marginsTop="40" marginsBottom="200" orientation="0">
    <ReportBand type="ReportTitle" height="60">
      <TContainerField type="label" value="TOTALS OF [customer_name]" left="0" top="0" width="600" height="40" fontFamily="Sans" fontSize="14" aligmentH="hLeft" aligmentV="vCenter" borderTop="rgba(0,0,0,255)" borderBottom="rgba(255,255,255,0)" borderLeft="rgba(255,255,255,0)" borderRight="rgba(255,255,255,0)" borderStyle="dashed" borderWidth="2px" printing="1"/>
      <TContainerField type="label" value="HIDDEN TEXT" left="0" top="40" width="600" height="20" fontFamily="Sans" fontSize="10" printing="0"/>
    </ReportBand>
    <ReportBand type="MasterData" height="30">
      <TContainerField type="label" value="[Product]" left="0" top="0" width="300" height="30" fontFamily="Sans" fontSize="10" aligmentH="hLeft" aligmentV="vCenter" backgroundColor="rgba(230,230,230,255)" printing="1"/>
      <TContainerField type="label" value="[Total]" left="400" top="0" width="200" height="30" fontFamily="Sans" fontSize="10" aligmentH="hRight" aligmentV="vCenter" printing="1"/>
    </ReportBand>
    <ReportBand type="ReportSummary" height="40">
      <TContainerField type="label" value="Sum &lt;Sum([Total])&gt;" left="0" top="0" width="600" height="40" fontFamily="Sans" fontSize="10" aligmentH="hLeft" aligmentV="vCenter" printing="1"/>
    </ReportBand>
    <ReportBand type="PageFooter" height="30">
      <TContainerField type="label" value="Page &lt;Page&gt; of &lt;TotalPages&gt;" left="0" top="0" width="600" height="30" fontFamily="Sans" fontSize="10" aligmentH="hLeft" aligmentV="vCenter" printing="1"/>
    </ReportBand>
  </Report>
</Reports>
)xml";

ReportTemplate receiptTemplate()
{
    ReportTemplate t;
    ReadReportTemplate(kReceipt, &t);
    return t;
}

} // namespace

// Answers the engine's value signals like a sales screen with a list of sale lines.
class ReceiptSource : public QObject
{
    Q_OBJECT

public:
    QStringList asked;
    int askedForRow(int row) const { return m_askedRows.value(row); }

public Q_SLOTS:
    void value(int& recNo, QString& name, QVariant& value, int reportPage)
    {
        Q_UNUSED(reportPage)
        asked.append(name);
        if (name == QLatin1String("Product")) {
            ++m_askedRows[recNo];
            value = QStringLiteral("Item%1").arg(recNo + 1, 2, 10, QLatin1Char('0'));
        } else if (name == QLatin1String("Total")) {
            value = (recNo + 1) * 1.5;
        } else if (name == QLatin1String("SN")) {
            value = recNo + 1;
        } else {
            static const QHash<QString, QString> fixed = {
                {QStringLiteral("customer_name"), QStringLiteral("Ada Lovelace")},
                {QStringLiteral("company_name"), QStringLiteral("Corner Shop")},
                {QStringLiteral("company_address"), QStringLiteral("12 Market Street")},
                {QStringLiteral("receipt"), QStringLiteral("1042")},
                {QStringLiteral("date"), QStringLiteral("07.12.2026")},
                {QStringLiteral("Items"), QStringLiteral("1")},
                {QStringLiteral("Price/Item"), QStringLiteral("2.50")},
                {QStringLiteral("grand_total"), QStringLiteral("777.25")}};
            // Anything else stays null and prints as empty text.
            if (fixed.contains(name))
                value = fixed.value(name);
        }
    }
    void image(int& recNo, QString& name, QImage& value, int reportPage)
    {
        Q_UNUSED(recNo)
        Q_UNUSED(reportPage)
        if (name == QLatin1String("image")) {
            value = QImage(40, 40, QImage::Format_ARGB32);
            value.fill(Qt::darkBlue);
        }
    }

private:
    QHash<int, int> m_askedRows;
};

class ReportEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void receiptPageBreaks_data();
    void receiptPageBreaks();
    void continuationPagesRepeatMasterHeader();
    void scaleAndFieldRectangles();

    void printsReceiptToPdf();
    void printsAggregatesAndSkipsHiddenFields();
    void longReceiptTakesTwoPages();
    void missingTemplatePaintsNothing();

    void printToTargetRoutesToPdfWithNotice();
    void previewOpensAndClosesItself();

private:
    QString printReceipt(ReportEngine& engine, ReceiptSource& source, int rows,
                         const QString& templatePath = kReceipt);

    TestSupport::ModalDialogHandler m_dialogs;
    TestSupport::UrlCatcher m_urls;
    QTemporaryDir m_dir;
};

void ReportEngineTest::initTestCase()
{
    initResources();
    m_urls.start();
    QVERIFY(m_dir.isValid());
}

void ReportEngineTest::cleanupTestCase()
{
    m_urls.stop();
}

void ReportEngineTest::init()
{
    TestSupport::resetSettings();
    m_dialogs.finish();
    m_urls.urls.clear();
}

void ReportEngineTest::cleanup()
{
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

QString ReportEngineTest::printReceipt(ReportEngine& engine, ReceiptSource& source, int rows,
                                       const QString& templatePath)
{
    engine.rowCounts.append(rows);
    if (!engine.openTemplate(templatePath))
        return QString();
    connect(&engine, &ReportEngine::setValue, &source, &ReceiptSource::value, Qt::DirectConnection);
    connect(&engine, &ReportEngine::setValueImage, &source, &ReceiptSource::image,
            Qt::DirectConnection);
    engine.printToPdfFile();
    return PrintPdfPath();
}

// Usable height 948: the title (145) and master header (24) put row 1 at y 169, rows are 20
// high, and the summary (61) must fit twice its height.
void ReportEngineTest::receiptPageBreaks_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("lastRowPage");
    QTest::addColumn<int>("lastRowY");
    QTest::addColumn<int>("summaryPage");
    QTest::addColumn<int>("summaryY");

    QTest::newRow("no rows") << 0 << 0 << 0 << 1 << 169;
    QTest::newRow("3 rows") << 3 << 1 << 209 << 1 << 229;
    QTest::newRow("32 rows, summary still fits") << 32 << 1 << 789 << 1 << 809;
    QTest::newRow("33 rows, summary moves") << 33 << 1 << 809 << 2 << 0;
    QTest::newRow("38 rows fill page 1") << 38 << 1 << 909 << 2 << 0;
    QTest::newRow("39th row starts page 2") << 39 << 2 << 24 << 2 << 44;
}

void ReportEngineTest::receiptPageBreaks()
{
    QFETCH(int, rows);
    QFETCH(int, lastRowPage);
    QFETCH(int, lastRowY);
    QFETCH(int, summaryPage);
    QFETCH(int, summaryY);

    const ReportTemplate receipt = receiptTemplate();
    QCOMPARE(receipt.pages.size(), 1);
    QCOMPARE(receipt.pages.first().usableHeight(), 948);
    const ReportLayout layout = LayoutReport(receipt, {rows});

    const QVector<ReportPlacement> data = layout.placementsOf(BandType::MasterData);
    QCOMPARE(data.size(), rows);
    if (rows > 0) {
        QCOMPARE(data.last().page, lastRowPage);
        QCOMPARE(data.last().y, lastRowY);
        QCOMPARE(data.last().record, rows - 1);
        for (int i = 0; i < rows; ++i)
            QCOMPARE(data.at(i).page, i < 38 ? 1 : 2);
    }
    const QVector<ReportPlacement> summary = layout.placementsOf(BandType::ReportSummary);
    QCOMPARE(summary.size(), 1);
    QCOMPARE(summary.first().page, summaryPage);
    QCOMPARE(summary.first().y, summaryY);
    QCOMPARE(layout.totalPages, summaryPage);

    const QVector<ReportPlacement> title = layout.placementsOf(BandType::ReportTitle);
    QCOMPARE(title.size(), 1);
    QCOMPARE(title.first().page, 1);
    QCOMPARE(title.first().y, 0);
}

void ReportEngineTest::continuationPagesRepeatMasterHeader()
{
    // A page header and footer on top of the receipt's bands: each new page starts with the
    // page header, then the repeated master header; the footer sits at the bottom of each page.
    ReportTemplate report = receiptTemplate();
    ReportPage& page = report.pages.first();
    ReportBand header;
    header.type = BandType::PageHeader;
    header.height = 30;
    ReportBand footer;
    footer.type = BandType::PageFooter;
    footer.height = 40;
    page.bands[static_cast<int>(BandType::PageHeader)] = header;
    page.bands[static_cast<int>(BandType::PageFooter)] = footer;

    const ReportLayout layout = LayoutReport(report, {80});
    QCOMPARE(layout.totalPages, 3);

    const QVector<ReportPlacement> masters = layout.placementsOf(BandType::MasterHeader);
    QCOMPARE(masters.size(), 3);
    QCOMPARE(masters.at(0).y, 145 + 30);
    QCOMPARE(masters.at(1).page, 2);
    QCOMPARE(masters.at(1).y, 30);
    QCOMPARE(masters.at(2).page, 3);

    const QVector<ReportPlacement> headers = layout.placementsOf(BandType::PageHeader);
    QCOMPARE(headers.size(), 3);
    for (int i = 0; i < headers.size(); ++i) {
        QCOMPARE(headers.at(i).page, i + 1);
        QCOMPARE(headers.at(i).y, i == 0 ? 145 : 0);
    }
    const QVector<ReportPlacement> footers = layout.placementsOf(BandType::PageFooter);
    QCOMPARE(footers.size(), 3);
    for (const ReportPlacement& p : footers)
        QCOMPARE(p.y, 948 - 40);

    // Rows stop where they would run into the footer: y + 20 must stay within 948 - 40.
    int lastOnPage1 = 0;
    for (const ReportPlacement& p : layout.placementsOf(BandType::MasterData)) {
        if (p.page == 1)
            lastOnPage1 = p.y;
    }
    QCOMPARE(lastOnPage1, 199 + 20 * 34);
    QVERIFY(lastOnPage1 + 20 <= 908);
    QCOMPARE(layout.placementsOf(BandType::ReportTitle).size(), 1);
}

void ReportEngineTest::scaleAndFieldRectangles()
{
    const ReportPage page = receiptTemplate().pages.first();
    QCOMPARE(page.usableWidth(), 680);
    const ReportScale scale = ScaleForPage(page, QSizeF(1020, 1896));
    QCOMPARE(scale.horizontal, 1.5);
    QCOMPARE(scale.vertical, 2.0);

    ReportField field;
    field.left = 101;
    field.top = 7;
    field.width = 52;
    field.height = 15;
    // (101 * 1.5) = 151.5 and (52 - 1) * 1.5 = 76.5 are truncated; y adds to top before scaling.
    QCOMPARE(MapFieldRect(field, 169, scale), QRect(151, 352, 76, 30));
}

void ReportEngineTest::printsReceiptToPdf()
{
    ReportEngine engine;
    ReceiptSource source;
    const QString pdf = printReceipt(engine, source, 3);
    QVERIFY(!pdf.isEmpty());
    QVERIFY(QFileInfo::exists(pdf));
    QCOMPARE(m_urls.urls, QList<QUrl>{QUrl::fromLocalFile(pdf)});
    QCOMPARE(TestSupport::pdfPageCount(pdf), 1);

    const QString text = TestSupport::pdfText(pdf);
    for (const char* expected : {"SALES RECEIPT", "Ada Lovelace", "Item01", "Item02", "Item03",
                                 "Line Total", "777.25", "Thank you for"})
        QVERIFY2(text.contains(QLatin1String(expected)), expected);
    QVERIFY(!text.contains(QLatin1String("Item04")));
    // Bold headings and the italic thanks keep their own fonts although fonts are reused.
    const QString fonts = TestSupport::runTool(QStringLiteral("pdffonts"), {pdf});
    QVERIFY2(fonts.contains(QLatin1String("Bold")) && (fonts.contains(QLatin1String("Italic")) ||
                                                       fonts.contains(QLatin1String("Oblique"))),
             qPrintable(fonts));
    // Data-row values are asked for in the counting pass and again when painted.
    for (int row = 0; row < 3; ++row)
        QCOMPARE(source.askedForRow(row), 2);
    QCOMPARE(source.asked.count(QStringLiteral("customer_name")), 1);
    QVERIFY(!source.asked.contains(QStringLiteral("image")));
}

void ReportEngineTest::printsAggregatesAndSkipsHiddenFields()
{
    const QString path = m_dir.filePath(QStringLiteral("totals.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kTotalsTemplate);
    file.close();

    ReportEngine engine;
    ReceiptSource source;
    const QString pdf = printReceipt(engine, source, 4, path);
    QVERIFY(!pdf.isEmpty());
    const QString text = TestSupport::pdfText(pdf);
    QVERIFY(text.contains(QLatin1String("TOTALS OF Ada Lovelace")));
    // 1.5 + 3 + 4.5 + 6, each row counted once although asked for twice.
    QVERIFY2(text.contains(QLatin1String("Sum 15")), qPrintable(text));
    QVERIFY(text.contains(QLatin1String("Page 1 of 1")));
    QVERIFY(!text.contains(QLatin1String("HIDDEN")));
}

void ReportEngineTest::longReceiptTakesTwoPages()
{
    ReportEngine engine;
    ReceiptSource source;
    const QString pdf = printReceipt(engine, source, 39);
    QCOMPARE(TestSupport::pdfPageCount(pdf), 2);

    const QString page2 = TestSupport::pdfText(pdf, {QStringLiteral("-f"), QStringLiteral("2")});
    QVERIFY(page2.contains(QLatin1String("Item39")));
    QVERIFY(!page2.contains(QLatin1String("Item38")));
    QVERIFY(page2.contains(QLatin1String("Line Total")));
    QVERIFY(!page2.contains(QLatin1String("SALES RECEIPT")));

    if (!qEnvironmentVariableIsEmpty("MERCHORA_SCREENSHOT_DIR")) {
        // Both pages side by side: receipt-two-pages-1.png and receipt-two-pages-2.png.
        const QString out = QDir(qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR"))
                                .filePath(QStringLiteral("receipt-two-pages"));
        TestSupport::runTool(
            QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf, out});
    }
}

void ReportEngineTest::missingTemplatePaintsNothing()
{
    ReportEngine engine;
    ReceiptSource source;
    engine.rowCounts.append(3);
    QVERIFY(!engine.openTemplate(QStringLiteral(":/xml/reports/no_such_report.xml")));
    const QString broken = m_dir.filePath(QStringLiteral("broken.xml"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Reports><Report>");
    file.close();
    QVERIFY(!engine.openTemplate(broken));

    connect(&engine, &ReportEngine::setValue, &source, &ReceiptSource::value, Qt::DirectConnection);
    engine.printToPdfFile();
    QVERIFY(source.asked.isEmpty());
}

void ReportEngineTest::printToTargetRoutesToPdfWithNotice()
{
    QFile::remove(PrintPdfPath());
    QString title;
    QString text;
    m_dialogs.expect(
        [&](QWidget* dialog) {
            title = dialog->windowTitle();
            if (auto* message = dialog->findChild<QTextEdit*>(QStringLiteral("txtMessage")))
                text = message->toPlainText();
            if (!TestSupport::clickButtonWithText(dialog, QStringLiteral("Close")))
                dialog->close();
        },
        QStringLiteral("print to PDF notice"));

    ReportEngine engine;
    ReceiptSource source;
    engine.rowCounts.append(2);
    QVERIFY(engine.openTemplate(kReceipt));
    connect(&engine, &ReportEngine::setValue, &source, &ReceiptSource::value, Qt::DirectConnection);
    engine.printToTarget(false);

    QCOMPARE(title, QStringLiteral("Print to PDF"));
    QCOMPARE(text, QStringLiteral("Please change Receipt/Ticket Printer settings from Settings "
                                  "dialog. Currently it is configured to print to PDF file."));
    QVERIFY(QFileInfo::exists(PrintPdfPath()));
    QCOMPARE(m_urls.urls, QList<QUrl>{QUrl::fromLocalFile(PrintPdfPath())});
    QCOMPARE(TestSupport::pdfPageCount(PrintPdfPath()), 1);
}

void ReportEngineTest::previewOpensAndClosesItself()
{
    bool hadClose = false;
    m_dialogs.expect(
        [&](QWidget* dialog) {
            QVERIFY(qobject_cast<QPrintPreviewDialog*>(dialog));
            for (QAction* action : dialog->findChildren<QAction*>()) {
                if (action->text() == QLatin1String("&Close...")) {
                    hadClose = true;
                    action->trigger();
                    return;
                }
            }
            dialog->close();
        },
        QStringLiteral("print preview"));

    ReportEngine engine;
    ReceiptSource source;
    engine.rowCounts.append(3);
    QVERIFY(engine.openTemplate(kReceipt));
    connect(&engine, &ReportEngine::setValue, &source, &ReceiptSource::value, Qt::DirectConnection);
    engine.openPreview(nullptr);
    QVERIFY(hadClose);
    QVERIFY(source.asked.contains(QStringLiteral("Product")));
}

MERCHORA_TEST_MAIN(ReportEngineTest)
#include "tst_reportengine.moc"
