#ifndef REPORTTEMPLATE_H
#define REPORTTEMPLATE_H

// Report templates: the XML page/band/field description that printed receipts and purchase orders
// are laid out from, the reader that turns a template into plain structs, and the expansion of
// field values, printing conditions and highlighting rules.

#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QHash>
#include <QMarginsF>
#include <QSet>
#include <QSizeF>
#include <QString>
#include <QTime>
#include <QVariant>
#include <QVector>

#include <array>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

class QIODevice;
class ReportScriptRunner;

enum class ReportBorderStyle
{
    Solid,
    Dashed,
    Dotted,
    DotDash,
    DotDotDash
};

struct ReportField
{
    enum class Type
    {
        Label,
        LabelImage,
        Image,
        Other
    };

    Type type = Type::Label;
    QString typeName = QStringLiteral("label");
    QString value;
    QString picture = QStringLiteral("text");
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QString fontFamily;
    int fontSize = 0;
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    // The colour texts are kept next to the parsed colours: highlighting rules quote them.
    QString fontColorText;
    QColor fontColor = QColor(0, 0, 0, 0);
    QString backgroundColorText;
    QColor backgroundColor = QColor(0, 0, 0, 0);
    Qt::Alignment alignment;
    QColor borderTop = QColor(0, 0, 0, 0);
    QColor borderBottom = QColor(0, 0, 0, 0);
    QColor borderLeft = QColor(0, 0, 0, 0);
    QColor borderRight = QColor(0, 0, 0, 0);
    bool drawTop = true;
    bool drawBottom = true;
    bool drawLeft = true;
    bool drawRight = true;
    int borderWidth = 1;
    ReportBorderStyle borderStyle = ReportBorderStyle::Solid;
    QString printing = QStringLiteral("1");
    QString highlighting;

    Qt::PenStyle penStyle() const;
};

struct ReportBand
{
    enum class Type
    {
        ReportTitle,
        PageHeader,
        MasterHeader,
        MasterData,
        MasterFooter,
        ReportSummary,
        PageFooter
    };
    static constexpr int TypeCount = 7;

    Type type = Type::ReportTitle;
    int height = 0;
    QString name;
    QVector<ReportField> fields;
};

struct ReportPage
{
    int pageWidth = 0;
    int pageHeight = 0;
    int marginsLeft = 0;
    int marginsRight = 0;
    int marginsTop = 0;
    int marginsBottom = 0;
    bool landscape = false;
    // The first band of each type; later bands of the same type are ignored.
    std::array<std::optional<ReportBand>, ReportBand::TypeCount> bands;

    const ReportBand* band(ReportBand::Type type) const;
    int usableWidth() const { return clampedDifference(pageWidth, marginsRight, marginsLeft); }
    int usableHeight() const { return clampedDifference(pageHeight, marginsBottom, marginsTop); }
    // One unit is a quarter of a millimetre, rounded down to whole millimetres.
    QSizeF pageSizeMm() const;
    QMarginsF marginsMm() const;

private:
    // Attribute values span the whole int range; the difference must not overflow.
    static int clampedDifference(int whole, int a, int b)
    {
        const qint64 d = qint64(whole) - a - b;
        return int(
            qBound<qint64>(std::numeric_limits<int>::min(), d, std::numeric_limits<int>::max()));
    }
};

struct ReportTemplate
{
    QVector<ReportPage> pages;
};

bool ReadReportTemplate(const QString& path, ReportTemplate* out);
bool ReadReportTemplate(QIODevice* device, ReportTemplate* out);
bool ReadReportTemplateFromXml(const QByteArray& xml, ReportTemplate* out);

// "rgba(r,g,b,a)"; missing or non-numeric parts read as 0, so an empty text is fully transparent.
QColor ParseReportColor(const QString& text);
// "2px" -> 2; absent -> 1.
int ParseReportBorderWidth(const QString& text);
ReportBorderStyle ParseReportBorderStyle(const QString& text);
Qt::Alignment ParseReportAlignment(const QString& horizontal, const QString& vertical);
std::optional<ReportBand::Type> ParseReportBandType(const QString& text);

// Expands field values and evaluates printing conditions and highlighting rules. Placeholder
// values come from the caller's callback; built-ins (date, time, page, line number) and
// aggregates over collected data-row values are answered here. Script errors never escape, and a
// script that runs longer than the time limit is aborted and counts as one that does not evaluate.
class ReportExpressions
{
public:
    using ValueProvider = std::function<QVariant(const QString& name)>;

    explicit ReportExpressions(ValueProvider provider);
    ~ReportExpressions();

    void setPageNumber(int page) { m_page = page; }
    void setTotalPages(int pages) { m_totalPages = pages; }
    void setLineNumber(int line) { m_lineNo = line; }
    // Fixes the date and time the built-ins report; unset, the current clock is used.
    void setDateTime(const QDate& date, const QTime& time);
    // Milliseconds one script evaluation may take before it is aborted.
    void setScriptTimeLimit(int msecs) { m_timeLimit = msecs; }
    int scriptTimeLimit() const { return m_timeLimit; }

    // Collects one data row's value of a placeholder for Sum/Avg/Count.
    void collect(const QString& name, const QVariant& value);
    void clearCollected() { m_collected.clear(); }

    QString placeholderText(const QString& name) const;
    QString expandValue(const QString& value) const;
    bool isPrinted(const QString& printing) const;
    // keyword: "bold", "italic" or "underline".
    bool highlightFlag(const QString& highlighting, const QString& keyword, bool plain) const;
    // keyword: "fontColor" or "backgroundColor"; returns the colour text to use.
    QString highlightColor(const QString& highlighting, const QString& keyword,
                           const QString& plain) const;

private:
    // source: the expression as written in the template, remembered when it had to be aborted.
    QVariant evaluate(const QString& source, const QString& expression, bool* ok) const;
    QString substitute(const QString& expression, bool aggregates) const;
    QString builtin(const QString& word) const;
    QString highlightRule(const QString& highlighting, const QString& keyword,
                          QString* condition) const;

    ValueProvider m_provider;
    // Started with the first script; templates without expressions never need it.
    mutable std::unique_ptr<ReportScriptRunner> m_runner;
    // Expressions that ran out of time are not run again for the rest of the print.
    mutable QSet<QString> m_runaway;
    int m_timeLimit = 1000;
    int m_page = 1;
    int m_totalPages = 1;
    int m_lineNo = 1;
    QDate m_date;
    QTime m_time;
    QHash<QString, QVector<double>> m_collected;
};

#endif // REPORTTEMPLATE_H
