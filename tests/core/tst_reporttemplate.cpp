#include "testenvironment.h"

#include "core/reporttemplate.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <limits>

static void initResources()
{
    Q_INIT_RESOURCE(merchora);
}

namespace {

const QString kNone = QStringLiteral("rgba(255,255,255,0)");
using BandType = ReportBand::Type;

} // namespace

class ReportTemplateTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }

    void embeddedTemplates_data();
    void embeddedTemplates();
    void defaultsAndNonNumbers();
    void skipsUnknownContent();
    void unreadableFiles_data();
    void unreadableFiles();
    void colours_data();
    void colours();
    void bordersAndAlignment();
    void expandValue_data();
    void expandValue();
    void printing_data();
    void printing();
    void highlighting();
    void runawayScripts_data();
    void runawayScripts();
    void runawayBudget();
};

void ReportTemplateTest::embeddedTemplates_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QVector<int>>("fieldCounts"); // title, heading, data, summary
    QTest::addColumn<QVector<int>>("bandTops");    // not interpreted, checked as written
    QTest::newRow("receipt") << "sales_receipt" << QVector<int>{12, 7, 7, 11}
                             << QVector<int>{40, 250, 270, 800};
    QTest::newRow("receipt no tax")
        << "sales_receipt_no_tax" << QVector<int>{12, 7, 7, 7} << QVector<int>{40, 250, 270, 800};
    QTest::newRow("receipt no sub-items")
        << "sales_receipt_no_subitems" << QVector<int>{12, 6, 6, 11}
        << QVector<int>{40, 250, 270, 800};
    QTest::newRow("receipt no sub-items no tax")
        << "sales_receipt_no_subitems_no_tax" << QVector<int>{12, 6, 6, 7}
        << QVector<int>{40, 250, 270, 800};
    QTest::newRow("purchase order")
        << "purchase_order" << QVector<int>{13, 5, 5, 8} << QVector<int>{40, 300, 325, 800};
    QTest::newRow("purchase order no tax")
        << "purchase_order_no_tax" << QVector<int>{13, 5, 5, 4} << QVector<int>{40, 300, 325, 800};
}

void ReportTemplateTest::embeddedTemplates()
{
    QFETCH(QString, file);
    QFETCH(QVector<int>, fieldCounts);
    QFETCH(QVector<int>, bandTops);
    const QString path = QStringLiteral(":/xml/reports/%1.xml").arg(file);

    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(bytes.endsWith("\r\n"));

    ReportTemplate tpl;
    QVERIFY(ReadReportTemplate(path, &tpl));
    QCOMPARE(tpl.pages.size(), 1);
    const ReportPage& p = tpl.pages.first();
    QCOMPARE(p.usableHeight(), 948);
    QCOMPARE(p.usableWidth(), 680);
    QCOMPARE(p.pageSizeMm(), QSizeF(210, 297));
    QCOMPARE(p.marginsMm(), QMarginsF(20, 10, 20, 50));
    QVERIFY(!p.landscape);

    const BandType types[] = {BandType::ReportTitle, BandType::MasterHeader, BandType::MasterData,
                              BandType::ReportSummary};
    const int heights[] = {145, 24, 20, 61};
    for (int i = 0; i < 4; ++i) {
        const ReportBand* band = p.band(types[i]);
        QVERIFY(band);
        QCOMPARE(band->height, heights[i]);
        QCOMPARE(band->fields.size(), fieldCounts.at(i));
    }
    for (BandType absent : {BandType::PageHeader, BandType::MasterFooter, BandType::PageFooter})
        QVERIFY(!p.band(absent));

    // Band positions are carried in the file only; check them as written.
    QDomDocument document;
    raw.seek(0);
    QVERIFY(document.setContent(&raw));
    const QDomNodeList bands = document.elementsByTagName(QStringLiteral("ReportBand"));
    QCOMPARE(bands.size(), 4);
    for (int i = 0; i < 4; ++i) {
        const QDomElement b = bands.at(i).toElement();
        QCOMPARE(b.attribute(QStringLiteral("top")).toInt(), bandTops.at(i));
        QCOMPARE(b.attribute(QStringLiteral("left")), QStringLiteral("40"));
        QCOMPARE(b.attribute(QStringLiteral("width")), QStringLiteral("760"));
    }

    // Attributes shared by every field, and the three consistent styles.
    int images = 0;
    for (const std::optional<ReportBand>& band : p.bands) {
        if (!band)
            continue;
        for (const ReportField& f : band->fields) {
            QCOMPARE(f.fontFamily, QStringLiteral("MS Shell Dlg 2"));
            QCOMPARE(f.fontColor, QColor(0, 0, 0, 255));
            QVERIFY(!f.fontUnderline);
            QCOMPARE(f.borderWidth, 1);
            QCOMPARE(f.borderStyle, ReportBorderStyle::Solid);
            QCOMPARE(f.printing, QStringLiteral("1"));
            QVERIFY(f.highlighting.isEmpty());
            QVERIFY(f.alignment & Qt::AlignVCenter);
            const bool cell = f.drawTop;
            QCOMPARE(f.drawBottom, cell);
            QCOMPARE(f.drawLeft, cell);
            QCOMPARE(f.drawRight, cell);
            QCOMPARE(f.alignment & Qt::AlignHorizontal_Mask,
                     cell ? Qt::AlignHCenter : Qt::AlignLeft);
            if (!cell)
                QCOMPARE(f.backgroundColorText, kNone);
            if (f.type == ReportField::Type::LabelImage)
                ++images;
            else
                QCOMPARE(f.type, ReportField::Type::Label);
        }
    }
    QCOMPARE(images, 1);
}

void ReportTemplateTest::defaultsAndNonNumbers()
{
    ReportTemplate tpl;
    QVERIFY(ReadReportTemplateFromXml(
        "<Reports><Report pageWidth=\"wide\" marginsTop=\"12\" orientation=\"1\">"
        "<ReportBand type=\"MasterData\" height=\"x20\"><TContainerField/>"
        "<TContainerField left=\"7\" top=\"-3\" width=\"abc\" fontSize=\"9pt\" fontBold=\"1\" "
        "borderWidth=\"3px\" borderTop=\"rgba(255,255,255,0)\" borderLeft=\"\"/>"
        "</ReportBand></Report></Reports>",
        &tpl));
    QCOMPARE(tpl.pages.size(), 1);
    const ReportPage& p = tpl.pages.first();
    QCOMPARE(p.pageWidth, 0);
    QCOMPARE(p.marginsTop, 12);
    QCOMPARE(p.marginsMm().top(), 3.0);
    QVERIFY(p.landscape);
    const ReportBand* band = p.band(BandType::MasterData);
    QVERIFY(band);
    QCOMPARE(band->height, 0);
    QCOMPARE(band->fields.size(), 2);

    const ReportField& d = band->fields.at(0);
    QCOMPARE(d.type, ReportField::Type::Label);
    QVERIFY(d.value.isEmpty());
    QCOMPARE(d.picture, QStringLiteral("text"));
    QCOMPARE((QVector<int>{d.left, d.top, d.width, d.height, d.fontSize}), QVector<int>(5, 0));
    QVERIFY(!d.fontBold && !d.fontItalic && !d.fontUnderline);
    QCOMPARE(d.fontColor, QColor(0, 0, 0, 0));
    QCOMPARE(d.backgroundColor, QColor(0, 0, 0, 0));
    QCOMPARE(d.alignment, Qt::Alignment());
    QCOMPARE(d.borderWidth, 1);
    QCOMPARE(d.borderStyle, ReportBorderStyle::Solid);
    QCOMPARE(d.printing, QStringLiteral("1"));
    QVERIFY(d.highlighting.isEmpty());
    // Absent edges read as transparent but are still drawn.
    QVERIFY(d.drawTop && d.drawBottom && d.drawLeft && d.drawRight);
    QCOMPARE(d.borderTop.alpha(), 0);

    const ReportField& g = band->fields.at(1);
    QCOMPARE((QVector<int>{g.left, g.top, g.width, g.fontSize}), (QVector<int>{7, -3, 0, 0}));
    QVERIFY(g.fontBold);
    QCOMPARE(g.borderWidth, 3);
    QVERIFY(!g.drawTop);
    QVERIFY(g.drawLeft);

    ReportPage extreme;
    extreme.pageWidth = std::numeric_limits<int>::min();
    extreme.marginsRight = 1;
    extreme.pageHeight = std::numeric_limits<int>::max();
    extreme.marginsTop = -1;
    QCOMPARE(extreme.usableWidth(), std::numeric_limits<int>::min());
    QCOMPARE(extreme.usableHeight(), std::numeric_limits<int>::max());
}

void ReportTemplateTest::skipsUnknownContent()
{
    ReportTemplate tpl;
    QVERIFY(ReadReportTemplateFromXml(
        "<Reports><Comment/><Report marginsLeft=\"4\">"
        "<Note/><ReportBand type=\"reporttitle\" height=\"5\"/>"
        "<ReportBand type=\"Detail\" height=\"6\"/>"
        "<ReportBand type=\"PageFooter\" height=\"7\"><Extra/>"
        "<TContainerField value=\"a\"/><Image/><TContainerField value=\"b\"/></ReportBand>"
        "<ReportBand type=\"PageFooter\" height=\"99\"/>"
        "</Report><Report/></Reports>",
        &tpl));
    QCOMPARE(tpl.pages.size(), 2);
    const ReportPage& p = tpl.pages.first();
    QCOMPARE(p.marginsLeft, 4);
    QVERIFY(!p.band(BandType::ReportTitle)); // band types are case-sensitive
    int present = 0;
    for (const std::optional<ReportBand>& b : p.bands)
        present += b ? 1 : 0;
    QCOMPARE(present, 1);
    const ReportBand* footer = p.band(BandType::PageFooter);
    QVERIFY(footer);
    QCOMPARE(footer->height, 7); // only the first band of a type counts
    QCOMPARE(footer->fields.size(), 2);
    QCOMPARE(footer->fields.at(1).value, QStringLiteral("b"));
    QVERIFY(!tpl.pages.at(1).band(BandType::MasterData));
}

void ReportTemplateTest::unreadableFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not closed") << QByteArray("<Reports><Report></Reports>");
    QTest::newRow("not xml") << QByteArray("pageWidth=840");
}

void ReportTemplateTest::unreadableFiles()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("report.xml"));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    ReportTemplate tpl;
    tpl.pages.resize(3);
    QTest::ignoreMessage(QtDebugMsg, "Report's file not found");
    QVERIFY(!ReadReportTemplate(path, &tpl));
    QCOMPARE(tpl.pages.size(), 3); // left untouched
}

void ReportTemplateTest::colours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("full") << "rgba(85,255,127,255)" << QColor(85, 255, 127, 255);
    QTest::newRow("no alpha") << "rgba(10,20,30)" << QColor(10, 20, 30, 0);
    QTest::newRow("one part") << "rgba(200)" << QColor(200, 0, 0, 0);
    QTest::newRow("non-number part") << "rgba(1,x,3,4)" << QColor(1, 0, 3, 4);
    QTest::newRow("empty") << "" << QColor(0, 0, 0, 0);
    QTest::newRow("no parentheses") << "black" << QColor(0, 0, 0, 0);
    QTest::newRow("text after") << "rgba(1,2,3,4) (9,9)" << QColor(1, 2, 3, 4);
}

void ReportTemplateTest::colours()
{
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QCOMPARE(ParseReportColor(text), colour);
}

void ReportTemplateTest::bordersAndAlignment()
{
    const struct
    {
        const char* word;
        Qt::PenStyle pen;
    } styles[] = {{"solid", Qt::SolidLine},
                  {"dashed", Qt::DashLine},
                  {"dotted", Qt::DotLine},
                  {"dot-dash", Qt::DashDotLine},
                  {"dot-dot-dash", Qt::DashDotDotLine},
                  {"wavy", Qt::SolidLine},
                  {"Dashed", Qt::SolidLine}};
    for (const auto& s : styles) {
        ReportField f;
        f.borderStyle = ParseReportBorderStyle(QLatin1String(s.word));
        QCOMPARE(f.penStyle(), s.pen);
    }
    QCOMPARE(ParseReportBorderWidth(QStringLiteral("2px")), 2);
    QCOMPARE(ParseReportBorderWidth(QStringLiteral("4")), 4);
    QCOMPARE(ParseReportBorderWidth(QStringLiteral("thick")), 0);

    QCOMPARE(ParseReportAlignment(QStringLiteral("hRight"), QStringLiteral("vBottom")),
             Qt::AlignRight | Qt::AlignBottom);
    QCOMPARE(ParseReportAlignment(QStringLiteral("hJustify"), QStringLiteral("vTop")),
             Qt::AlignJustify | Qt::AlignTop);
    QCOMPARE(ParseReportAlignment(QStringLiteral("left"), QString()), Qt::Alignment());
}

void ReportTemplateTest::expandValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "SALES RECEIPT"
                           << "SALES RECEIPT";
    QTest::newRow("mixed") << "Date : [date]"
                           << "Date : 2026-03-05";
    QTest::newRow("slash in name") << "[Price/Item] each"
                                   << "2.50 each";
    QTest::newRow("unknown name") << "[nothing]"
                                  << "";
    QTest::newRow("page in a name") << "[myPage]"
                                    << "3";
    QTest::newRow("date in a name") << "[dueDate]"
                                    << "05.03.2026";
    QTest::newRow("date") << "<Date>"
                          << "05.03.2026";
    QTest::newRow("time") << "at <Time>"
                          << "at 07:04:09";
    QTest::newRow("pages") << "<Page>/<TotalPages>"
                           << "3/4";
    QTest::newRow("line") << "<LineNo>."
                          << "2.";
    QTest::newRow("sum") << "<Sum([LineTotal])>"
                         << "10.5";
    QTest::newRow("avg") << "<Avg([LineTotal])>"
                         << "3.5";
    QTest::newRow("count") << "<Count([LineTotal])>"
                           << "3";
    QTest::newRow("SUM in capitals") << "<SUM([LineTotal])>"
                                     << "10.5";
    QTest::newRow("avg in small letters") << "<avg([LineTotal])>"
                                          << "3.5";
    QTest::newRow("COUNT in capitals") << "<COUNT([LineTotal])>"
                                       << "3";
    QTest::newRow("nothing collected") << "<Sum([Qty])>+<Count([Qty])>"
                                       << "0+0";
    QTest::newRow("arithmetic") << "<[Qty]*2 + Sum([LineTotal])>"
                                << "16.5";
    QTest::newRow("ternary on text") << "<[name] == 'Bob' ? 'yes' : 'no'>"
                                     << "yes";
    QTest::newRow("script error") << "x<Sum([LineTotal]) +>y"
                                  << "xy";
    QTest::newRow("unclosed") << "a [b"
                              << "a [b";
    QTest::newRow("text with line break") << "<[address] + '!'>"
                                          << "Main St\nTown!";
    QTest::newRow("negative number") << "<5-[neg]>"
                                     << "8";
    QTest::newRow("text reading as nan") << "<[nan] + '!'>"
                                         << "nan!";
    const QString openings = QString(200000, QLatin1Char('[')) + QString(200000, QLatin1Char('<'));
    QTest::newRow("many unclosed openings") << "<Date>" + openings << "05.03.2026" + openings;
}

void ReportTemplateTest::expandValue()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    ReportExpressions expressions([](const QString& name) -> QVariant {
        if (name == QLatin1String("date"))
            return QStringLiteral("2026-03-05");
        if (name == QLatin1String("Price/Item"))
            return QStringLiteral("2.50");
        if (name == QLatin1String("Qty"))
            return 3;
        if (name == QLatin1String("name"))
            return QStringLiteral("Bob");
        if (name == QLatin1String("address"))
            return QStringLiteral("Main St\nTown");
        if (name == QLatin1String("neg"))
            return QStringLiteral("-3");
        if (name == QLatin1String("nan"))
            return QStringLiteral("nan");
        return QVariant();
    });
    expressions.setDateTime(QDate(2026, 3, 5), QTime(7, 4, 9));
    expressions.setPageNumber(3);
    expressions.setTotalPages(4);
    expressions.setLineNumber(2);
    for (const char* v : {"2", "3.5", "5", "n/a"})
        expressions.collect(QStringLiteral("LineTotal"), QString::fromLatin1(v));
    QCOMPARE(expressions.expandValue(value), expected);
}

void ReportTemplateTest::printing_data()
{
    QTest::addColumn<QString>("printing");
    QTest::addColumn<bool>("printed");
    QTest::newRow("one") << "1" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("letter") << "x" << false;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("comparison true") << "[Qty] > 2" << true;
    QTest::newRow("comparison false") << "[Qty] > 5" << false;
    QTest::newRow("text quoted") << "[name] == 'Bob'" << true;
    QTest::newRow("text differs") << "[name] != 'Bob'" << false;
    QTest::newRow("number result") << "[Qty] - 3" << false;
    QTest::newRow("syntax error") << "[Qty] >> >" << true;
    QTest::newRow("unknown variable") << "undefinedThing > 1" << true;
    QTest::newRow("beyond int") << "[Qty] * 1e40" << true;
    QTest::newRow("not a number") << "0 / 0" << false;
    QTest::newRow("fraction") << "[Qty] / 4" << false;
}

void ReportTemplateTest::printing()
{
    QFETCH(QString, printing);
    QFETCH(bool, printed);
    ReportExpressions expressions([](const QString& name) -> QVariant {
        return name == QLatin1String("Qty") ? QVariant(3) : QVariant(QStringLiteral("Bob"));
    });
    QCOMPARE(expressions.isPrinted(printing), printed);
}

void ReportTemplateTest::highlighting()
{
    int qty = 8;
    ReportExpressions expressions([&qty](const QString&) -> QVariant { return qty; });
    const QString rules = QStringLiteral(
        "[Qty] > 5;bold=?1:0;;fontColor=?rgba(255,0,0,255);fontColor=?rgba(0,0,255,255)");
    const QString black = QStringLiteral("rgba(0,0,0,255)");

    QVERIFY(expressions.highlightFlag(rules, QStringLiteral("bold"), false));
    QCOMPARE(expressions.highlightColor(rules, QStringLiteral("fontColor"), black),
             QStringLiteral("rgba(255,0,0,255)"));
    // No rule for the attribute: the plain attribute stays.
    QVERIFY(!expressions.highlightFlag(rules, QStringLiteral("italic"), false));
    QCOMPARE(expressions.highlightColor(rules, QStringLiteral("backgroundColor"), black), black);
    QVERIFY(expressions.highlightFlag(QString(), QStringLiteral("bold"), true));

    qty = 2;
    QVERIFY(!expressions.highlightFlag(rules, QStringLiteral("bold"), true));
    QCOMPARE(expressions.highlightColor(rules, QStringLiteral("fontColor"), black), black);

    const QString broken = QStringLiteral("[Qty] >;bold=?1:0;fontColor=?red");
    QVERIFY(expressions.highlightFlag(broken, QStringLiteral("bold"), true));
    QCOMPARE(expressions.highlightColor(broken, QStringLiteral("fontColor"), black), black);
}

void ReportTemplateTest::runawayScripts_data()
{
    // What is evaluated: "value" a field value, "printing" a printing condition, "bold" and
    // "colour" a highlighting rule; each falls back as for an expression that does not evaluate.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("timesOut");
    QTest::newRow("empty loop") << "value"
                                << "a<while(true){}>b" << true;
    QTest::newRow("empty for") << "value"
                               << "a<for(;;){}>b" << true;
    QTest::newRow("loop in toString") << "value"
                                      << "a<({toString: function () { for (;;) {} }})>b" << true;
    QTest::newRow("recursion") << "value"
                               << "a<function f() { return f() } f()>b" << false;
    QTest::newRow("huge join") << "value"
                               << "a<new Array(1e9).join('x')>b" << false;
    QTest::newRow("huge array as text") << "value"
                                        << "a<String(new Array(4294967295))>b" << false;
    QTest::newRow("huge concat") << "value"
                                 << "a<[].concat(new Array(1e9)).length>b" << false;
    QTest::newRow("printing loop") << "printing"
                                   << "[Qty] > 0 && (function () { while (1) {} })()" << true;
    QTest::newRow("bold loop") << "bold"
                               << "[Qty] > 0;bold=?(function () { while (1) {} })():1" << true;
    QTest::newRow("colour loop")
        << "colour"
        << "[Qty] > 0 && (function () { while (1) {} })();fontColor=?rgba(255,0,0,255)" << true;
}

void ReportTemplateTest::runawayScripts()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(bool, timesOut);
    ReportExpressions expressions([](const QString&) -> QVariant { return 3; });
    expressions.setScriptTimeLimit(100);
    const QString black = QStringLiteral("rgba(0,0,0,255)");
    if (timesOut)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^Report expression aborted")));
    if (kind == QLatin1String("value"))
        QCOMPARE(expressions.expandValue(text), QStringLiteral("ab"));
    else if (kind == QLatin1String("printing"))
        QVERIFY(expressions.isPrinted(text));
    else if (kind == QLatin1String("bold"))
        QVERIFY(!expressions.highlightFlag(text, QStringLiteral("bold"), false));
    else
        QCOMPARE(expressions.highlightColor(text, QStringLiteral("fontColor"), black), black);
    // The engine stays usable afterwards.
    QCOMPARE(expressions.expandValue(QStringLiteral("<[Qty] * 2>")), QStringLiteral("6"));
}

void ReportTemplateTest::runawayBudget()
{
    ReportExpressions expressions([](const QString&) -> QVariant { return 3; });
    expressions.setScriptTimeLimit(100);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Report expression aborted")));
    const QString loop = QStringLiteral("<for (;;) {}>");
    QVERIFY(expressions.expandValue(loop).isEmpty());
    // The same expression on the next rows is not run again: no further abort is reported.
    static int aborts = 0;
    aborts = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
            if (message.startsWith(QLatin1String("Report expression aborted")))
                ++aborts;
        });
    for (int row = 0; row < 20; ++row)
        QVERIFY(expressions.expandValue(loop).isEmpty());
    qInstallMessageHandler(previous);
    QCOMPARE(aborts, 0);
    QCOMPARE(expressions.expandValue(QStringLiteral("<1 + 1>")), QStringLiteral("2"));

    // After three runaway expressions the template's scripts are given up altogether.
    for (const char* other : {"<while (1) {}>", "<do {} while (1)>"}) {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^Report expression aborted")));
        QVERIFY(expressions.expandValue(QLatin1String(other)).isEmpty());
    }
    QVERIFY(expressions.expandValue(QStringLiteral("<1 + 1>")).isEmpty());
    QVERIFY(expressions.isPrinted(QStringLiteral("[Qty] > 5"))); // as for a broken condition
}

MERCHORA_TEST_GUILESS_MAIN(ReportTemplateTest)
#include "tst_reporttemplate.moc"
