#include "testenvironment.h"

#include "core/reporttemplate.h"

#include <QFile>

// Every field of the six receipt and purchase-order templates the program carries: value,
// place, size, font and cell style, compared with the designed layout below.

static void initResources()
{
    Q_INIT_RESOURCE(merchora);
}

namespace {

using BandType = ReportBand::Type;

enum class Style
{
    Plain,
    Cell,
    Header
};

struct Field
{
    BandType band;
    QString value;
    int left, top, width, height;
    int fontSize;
    bool bold;
    bool italic;
    Style style;

    QString describe() const
    {
        return QStringLiteral("band %1 \"%2\" at %3,%4 %5x%6 size %7%8%9 style %10")
            .arg(int(band))
            .arg(value)
            .arg(left)
            .arg(top)
            .arg(width)
            .arg(height)
            .arg(fontSize)
            .arg(bold ? QStringLiteral(" bold") : QString())
            .arg(italic ? QStringLiteral(" italic") : QString())
            .arg(int(style));
    }
};

struct Column
{
    const char* heading;
    const char* placeholder;
    int left;
    int width;
};

// The designed layout of one template.
QVector<Field> designedFields(bool purchaseOrder, bool subItems, bool tax, bool lowerReceiptNr)
{
    QVector<Field> fields;
    const auto add = [&fields](BandType band, const QString& value, int left, int top, int width,
                               int height, int size, bool bold, bool italic, Style style) {
        fields.append({band, value, left, top, width, height, size, bold, italic, style});
    };
    const auto title = [&](const char* value, int left, int top, int width, bool bold) {
        add(BandType::ReportTitle, QString::fromUtf8(value), left, top, width, 30, 8, bold, false,
            Style::Plain);
    };

    // Title band, shared layout.
    add(BandType::ReportTitle, QStringLiteral("[image]"), 0, 50, 50, 50, 12, false, false,
        Style::Plain);
    title("[company_name]", 0, 100, 300, true);
    title("[company_address]", 0, 130, 300, true);
    title("[company_contact]", 0, 155, 300, true);
    title("Date : [date]", 0, 175, 300, false);
    const char* party = purchaseOrder ? "vendor" : "customer";
    title(purchaseOrder ? "Vendor:" : "Customer:", purchaseOrder ? 400 : 380, 130, 100, true);
    int top = 130;
    for (const char* part : {"name", "address", "contact"}) {
        title(QStringLiteral("[%1_%2]").arg(QLatin1String(party), QLatin1String(part)).toUtf8(),
              450, top, 300, false);
        top += 30;
    }
    if (purchaseOrder) {
        add(BandType::ReportTitle, QStringLiteral("PURCHASE ORDER"), 275, 50, 640, 60, 30, true,
            false, Style::Plain);
        title("Purchase Order Nr: [porder]", 0, 190, 300, false);
        title("[empty]", 0, 215, 760, false);
        title("[report_message]", 0, 225, 760, false);
    } else {
        add(BandType::ReportTitle, QStringLiteral("SALES RECEIPT"), 340, 50, 600, 60, 30, true,
            false, Style::Plain);
        title("Receipt Nr : [receipt]", 0, lowerReceiptNr ? 195 : 190, 300, false);
        title("[report_message]", 0, 215, 760, false);
    }

    // Column headings and data cells.
    QVector<Column> columns;
    if (purchaseOrder)
        columns = {{"Qty", "[Qty]", 0, 75},
                   {"Item#", "[Code]", 75, 125},
                   {"Name", "[Name]", 200, 275},
                   {"Unit Price", "[UnitPrice]", 475, 100},
                   {"Line Total", "[LineTotal]", 575, 100}};
    else if (subItems)
        columns = {{"SN", "[SN]", 0, 50},
                   {"Product", "[Product]", 50, 252},
                   {"Items", "[Items]", 302, 60},
                   {"Sub Items", "[SubItems]", 362, 80},
                   {"Price", "[Price/Item]", 442, 60},
                   {"Discount", "[Discount]", 502, 60},
                   {"Line Total", "[Total]", 562, 100}};
    else
        columns = {{"SN", "[SN]", 0, 50},
                   {"Product", "[Product]", 50, 242},
                   {"Items", "[Items]", 292, 70},
                   {"Price", "[Price/Item]", 362, 88},
                   {"Discount", "[Discount]", 450, 88},
                   {"Line Total", "[Total]", 538, 124}};
    for (const Column& c : columns) {
        add(BandType::MasterHeader, QString::fromUtf8(c.heading), c.left, 100, c.width, 20, 8, true,
            false, Style::Header);
        add(BandType::MasterData, QString::fromUtf8(c.placeholder), c.left, 100, c.width, 20, 8,
            false, false, Style::Cell);
    }

    // Summary: label and value cells stacked 20 units apart, then the plain italic notes.
    QVector<QPair<QString, QString>> rows;
    if (tax)
        rows << qMakePair(QStringLiteral("Sub Total"), QStringLiteral("[sub_total]"))
             << qMakePair(QStringLiteral("[Tax_Name]"), QStringLiteral("[tax]"));
    if (purchaseOrder) {
        rows << qMakePair(QStringLiteral("Total"), QStringLiteral("[total]"));
    } else {
        rows << qMakePair(QStringLiteral("Total"), QStringLiteral("[grand_total]"))
             << qMakePair(QStringLiteral("Paid"), QStringLiteral("[paid]"))
             << qMakePair(QStringLiteral("Change"), QStringLiteral("[change]"));
    }
    int labelLeft = 442, labelWidth = 120, valueLeft = 562, valueWidth = 100;
    if (purchaseOrder) {
        labelLeft = 475, labelWidth = 100, valueLeft = 575, valueWidth = 100;
    } else if (!subItems) {
        labelLeft = 450, labelWidth = 88, valueLeft = 538, valueWidth = 124;
    }
    top = 100;
    for (const auto& row : rows) {
        add(BandType::ReportSummary, row.first, labelLeft, top, labelWidth, 20, 8, true, false,
            Style::Cell);
        add(BandType::ReportSummary, row.second, valueLeft, top, valueWidth, 20, 8, false, false,
            Style::Cell);
        top += 20;
    }
    const auto note = [&](const char* value, int top, int width) {
        add(BandType::ReportSummary, QString::fromUtf8(value), 6, top, width, 30, 8, false, true,
            Style::Plain);
    };
    if (purchaseOrder) {
        note("1. Delivery Date: [deliver_date]", 120, 400);
        note("2. Please notify us immediately if you are unable to ship as specified.", 140, 400);
    } else {
        note("Thank you for doing business with us", 140, 200);
    }
    return fields;
}

Style styleOf(const ReportField& f)
{
    const QColor none(255, 255, 255, 0);
    if (!f.drawTop && !f.drawBottom && !f.drawLeft && !f.drawRight && f.backgroundColor == none &&
        (f.alignment & Qt::AlignHorizontal_Mask) == Qt::AlignLeft)
        return Style::Plain;
    const QColor black(0, 0, 0, 255);
    const bool edges = f.drawTop && f.drawBottom && f.drawLeft && f.drawRight &&
                       f.borderTop == black && f.borderBottom == black && f.borderLeft == black &&
                       f.borderRight == black;
    if (edges && (f.alignment & Qt::AlignHorizontal_Mask) == Qt::AlignHCenter) {
        if (f.backgroundColor == none)
            return Style::Cell;
        if (f.backgroundColor == QColor(85, 255, 127, 255))
            return Style::Header;
    }
    return Style(-1);
}

} // namespace

class EmbeddedTemplatesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }
    void everyFieldAsDesigned_data();
    void everyFieldAsDesigned();
};

void EmbeddedTemplatesTest::everyFieldAsDesigned_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("purchaseOrder");
    QTest::addColumn<bool>("subItems");
    QTest::addColumn<bool>("tax");
    QTest::newRow("receipt") << "sales_receipt" << false << true << true;
    QTest::newRow("receipt no tax") << "sales_receipt_no_tax" << false << true << false;
    QTest::newRow("receipt no sub-items") << "sales_receipt_no_subitems" << false << false << true;
    QTest::newRow("receipt no sub-items no tax")
        << "sales_receipt_no_subitems_no_tax" << false << false << false;
    QTest::newRow("purchase order") << "purchase_order" << true << false << true;
    QTest::newRow("purchase order no tax") << "purchase_order_no_tax" << true << false << false;
}

void EmbeddedTemplatesTest::everyFieldAsDesigned()
{
    QFETCH(QString, file);
    QFETCH(bool, purchaseOrder);
    QFETCH(bool, subItems);
    QFETCH(bool, tax);

    ReportTemplate tpl;
    QVERIFY(ReadReportTemplate(QStringLiteral(":/xml/reports/%1.xml").arg(file), &tpl));
    QCOMPARE(tpl.pages.size(), 1);
    QVector<Field> expected = designedFields(
        purchaseOrder, subItems, tax, file == QLatin1String("sales_receipt_no_subitems_no_tax"));

    for (const std::optional<ReportBand>& band : tpl.pages.first().bands) {
        if (!band)
            continue;
        for (const ReportField& f : band->fields) {
            QCOMPARE(f.type, f.value == QLatin1String("[image]") ? ReportField::Type::LabelImage
                                                                 : ReportField::Type::Label);
            const Field actual{band->type, f.value,    f.left,     f.top,        f.width,
                               f.height,   f.fontSize, f.fontBold, f.fontItalic, styleOf(f)};
            const auto match = std::find_if(expected.begin(), expected.end(), [&](const Field& e) {
                return e.describe() == actual.describe();
            });
            QVERIFY2(match != expected.end(),
                     qPrintable(QStringLiteral("not in the design: ") + actual.describe()));
            expected.erase(match);
        }
    }
    QVERIFY2(expected.isEmpty(),
             qPrintable(QStringLiteral("missing: ") +
                        (expected.isEmpty() ? QString() : expected.first().describe())));
}

MERCHORA_TEST_GUILESS_MAIN(EmbeddedTemplatesTest)
#include "tst_embeddedtemplates.moc"
