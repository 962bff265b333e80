#include "core/reporttemplate.h"

#include <QBuffer>
#include <QDebug>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QScriptContext>
#include <QScriptEngine>
#include <QScriptValue>
#include <QThread>
#include <QTimer>

#include <cmath>

namespace {

const QString kNoEdge = QStringLiteral("rgba(255,255,255,0)");

int intAttribute(const QDomElement& element, const QString& name, int fallback = 0)
{
    if (!element.hasAttribute(name))
        return fallback;
    return element.attribute(name).toInt(); // not a number -> 0
}

bool flagAttribute(const QDomElement& element, const QString& name)
{
    return intAttribute(element, name) != 0;
}

ReportField::Type fieldType(const QString& text)
{
    if (text == QLatin1String("label"))
        return ReportField::Type::Label;
    if (text == QLatin1String("labelImage"))
        return ReportField::Type::LabelImage;
    if (text == QLatin1String("image"))
        return ReportField::Type::Image;
    return ReportField::Type::Other;
}

ReportField readField(const QDomElement& e)
{
    ReportField f;
    f.typeName = e.attribute(QStringLiteral("type"), QStringLiteral("label"));
    f.type = fieldType(f.typeName);
    f.value = e.attribute(QStringLiteral("value"));
    f.picture = e.attribute(QStringLiteral("picture"), QStringLiteral("text"));
    f.left = intAttribute(e, QStringLiteral("left"));
    f.top = intAttribute(e, QStringLiteral("top"));
    f.width = intAttribute(e, QStringLiteral("width"));
    f.height = intAttribute(e, QStringLiteral("height"));
    f.fontFamily = e.attribute(QStringLiteral("fontFamily"));
    f.fontSize = intAttribute(e, QStringLiteral("fontSize"));
    f.fontBold = flagAttribute(e, QStringLiteral("fontBold"));
    f.fontItalic = flagAttribute(e, QStringLiteral("fontItalic"));
    f.fontUnderline = flagAttribute(e, QStringLiteral("fontUnderline"));
    f.fontColorText = e.attribute(QStringLiteral("fontColor"));
    f.fontColor = ParseReportColor(f.fontColorText);
    f.backgroundColorText = e.attribute(QStringLiteral("backgroundColor"));
    f.backgroundColor = ParseReportColor(f.backgroundColorText);
    f.alignment = ParseReportAlignment(e.attribute(QStringLiteral("aligmentH")),
                                       e.attribute(QStringLiteral("aligmentV")));

    const QString top = e.attribute(QStringLiteral("borderTop"));
    const QString bottom = e.attribute(QStringLiteral("borderBottom"));
    const QString left = e.attribute(QStringLiteral("borderLeft"));
    const QString right = e.attribute(QStringLiteral("borderRight"));
    f.borderTop = ParseReportColor(top);
    f.borderBottom = ParseReportColor(bottom);
    f.borderLeft = ParseReportColor(left);
    f.borderRight = ParseReportColor(right);
    // Only this exact text suppresses an edge; other transparent colours still draw it.
    f.drawTop = top != kNoEdge;
    f.drawBottom = bottom != kNoEdge;
    f.drawLeft = left != kNoEdge;
    f.drawRight = right != kNoEdge;

    f.borderWidth = e.hasAttribute(QStringLiteral("borderWidth"))
                        ? ParseReportBorderWidth(e.attribute(QStringLiteral("borderWidth")))
                        : 1;
    f.borderStyle = ParseReportBorderStyle(e.attribute(QStringLiteral("borderStyle")));
    f.printing = e.attribute(QStringLiteral("printing"), QStringLiteral("1"));
    f.highlighting = e.attribute(QStringLiteral("highlighting"));
    return f;
}

ReportPage readPage(const QDomElement& report)
{
    ReportPage page;
    page.pageWidth = intAttribute(report, QStringLiteral("pageWidth"));
    page.pageHeight = intAttribute(report, QStringLiteral("pageHeight"));
    page.marginsLeft = intAttribute(report, QStringLiteral("marginsLeft"));
    page.marginsRight = intAttribute(report, QStringLiteral("marginsRight"));
    page.marginsTop = intAttribute(report, QStringLiteral("marginsTop"));
    page.marginsBottom = intAttribute(report, QStringLiteral("marginsBottom"));
    page.landscape = report.attribute(QStringLiteral("orientation")) == QLatin1String("1");

    for (QDomElement b = report.firstChildElement(); !b.isNull(); b = b.nextSiblingElement()) {
        if (b.tagName() != QLatin1String("ReportBand"))
            continue;
        const std::optional<ReportBand::Type> type =
            ParseReportBandType(b.attribute(QStringLiteral("type")));
        if (!type)
            continue;
        std::optional<ReportBand>& slot = page.bands[static_cast<int>(*type)];
        if (slot)
            continue;
        ReportBand band;
        band.type = *type;
        band.height = intAttribute(b, QStringLiteral("height"));
        band.name = b.attribute(QStringLiteral("name"));
        for (QDomElement f = b.firstChildElement(); !f.isNull(); f = f.nextSiblingElement()) {
            if (f.tagName() == QLatin1String("TContainerField"))
                band.fields.append(readField(f));
        }
        slot = band;
    }
    return page;
}

bool readDocument(const QDomDocument& document, ReportTemplate* out)
{
    ReportTemplate result;
    const QDomElement root = document.documentElement();
    for (QDomElement r = root.firstChildElement(); !r.isNull(); r = r.nextSiblingElement()) {
        if (r.tagName() == QLatin1String("Report"))
            result.pages.append(readPage(r));
    }
    if (out)
        *out = result;
    return true;
}

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('\''), QLatin1String("\\'"));
    // Line breaks end a script string literal; addresses often contain them.
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    escaped.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    escaped.replace(QChar(0x2028), QLatin1String("\\u2028"));
    escaped.replace(QChar(0x2029), QLatin1String("\\u2029"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

// A number as script text: signed values in parentheses so that "5-[x]" with x = -3 stays an
// expression; infinities and NaN by their script names.
QString numberLiteral(const QString& text)
{
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')))
        return QLatin1Char('(') + text + QLatin1Char(')');
    return text;
}

QString numberLiteral(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("(-Infinity)") : QStringLiteral("Infinity");
    return numberLiteral(QString::number(value, 'g', 15));
}

// Whether the integer part of a script result is non-zero. NaN counts as 0; results beyond the
// int range must not be converted to int.
bool integerNonZero(double value)
{
    return !std::isnan(value) && std::trunc(value) != 0;
}

// Array methods that walk every index run natively for as long as the array claims to be long
// (and some crash the engine on lengths near 2^32); they refuse arrays no receipt ever needs.
const char kArrayGuard[] = R"(
(function () {
    var limit = 1000000;
    var names = ['concat', 'every', 'filter', 'forEach', 'indexOf', 'join', 'lastIndexOf', 'map',
                 'reduce', 'reduceRight', 'reverse', 'shift', 'slice', 'some', 'sort', 'splice',
                 'toLocaleString', 'toString', 'unshift'];
    function tooLong(value) {
        return value !== null && value !== undefined && +value.length > limit;
    }
    function guard(original) {
        return function () {
            if (tooLong(this))
                throw new RangeError('Array too long');
            for (var i = 0; i < arguments.length; ++i) {
                if (tooLong(arguments[i]))
                    throw new RangeError('Array too long');
            }
            return original.apply(this, arguments);
        };
    }
    for (var i = 0; i < names.length; ++i) {
        var original = Array.prototype[names[i]];
        if (typeof original == 'function')
            Object.defineProperty(Array.prototype, names[i],
                                  {value: guard(original), writable: true, configurable: true});
    }
})();
)";

} // namespace

// Runs the scripts on a thread of its own. While a script loops, the engine processes that
// thread's events every few milliseconds, so a timer there can abort the loop (even an empty one,
// which offers no other hook) without ever re-entering the events of the GUI thread.
class ReportScriptRunner
{
public:
    ReportScriptRunner()
    {
        m_context.moveToThread(&m_thread);
        m_thread.start();
        run([this] {
            m_engine = new QScriptEngine;
            m_engine->setProcessEventsInterval(20);
            m_engine->evaluate(QString::fromLatin1(kArrayGuard));
            m_engine->clearExceptions();
            m_timer = new QTimer;
            m_timer->setSingleShot(true);
            QObject::connect(m_timer, &QTimer::timeout, [this] {
                m_timedOut = true;
                m_engine->abortEvaluation();
            });
        });
    }

    ~ReportScriptRunner()
    {
        run([this] {
            delete m_timer;
            delete m_engine;
        });
        m_thread.quit();
        m_thread.wait();
    }

    // The result as bool (1/0), number or text; invalid when the script failed or timed out.
    QVariant evaluate(const QString& expression, int timeLimit, bool* timedOut)
    {
        QVariant result;
        run([&] {
            m_timedOut = false;
            m_timer->start(qMax(1, timeLimit));
            QScriptValue value = m_engine->evaluate(expression);
            if (!m_timedOut && !m_engine->hasUncaughtException() && value.isObject() &&
                !value.isError()) {
                // An object becomes text through its own script methods, which may loop too.
                QScriptContext* context = m_engine->pushContext();
                context->activationObject().setProperty(QStringLiteral("value"), value);
                value = m_engine->evaluate(QStringLiteral("String(value)"));
                m_engine->popContext();
            }
            m_timer->stop();
            if (m_timedOut || m_engine->hasUncaughtException() || value.isError())
                m_engine->clearExceptions();
            else if (value.isBool())
                result = value.toBool() ? 1 : 0;
            else if (value.isNumber())
                result = value.toNumber();
            else
                result = value.toString();
        });
        *timedOut = m_timedOut;
        return result;
    }

private:
    template <typename F> void run(F&& job)
    {
        QMetaObject::invokeMethod(&m_context, std::forward<F>(job), Qt::BlockingQueuedConnection);
    }

    QThread m_thread;
    QObject m_context; // lives in m_thread; jobs run in its thread
    QScriptEngine* m_engine = nullptr;
    QTimer* m_timer = nullptr;
    bool m_timedOut = false;
};

Qt::PenStyle ReportField::penStyle() const
{
    switch (borderStyle) {
    case ReportBorderStyle::Dashed:
        return Qt::DashLine;
    case ReportBorderStyle::Dotted:
        return Qt::DotLine;
    case ReportBorderStyle::DotDash:
        return Qt::DashDotLine;
    case ReportBorderStyle::DotDotDash:
        return Qt::DashDotDotLine;
    case ReportBorderStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

const ReportBand* ReportPage::band(ReportBand::Type type) const
{
    const std::optional<ReportBand>& slot = bands[static_cast<int>(type)];
    return slot ? &*slot : nullptr;
}

QSizeF ReportPage::pageSizeMm() const
{
    return QSizeF(pageWidth / 4, pageHeight / 4);
}

QMarginsF ReportPage::marginsMm() const
{
    return QMarginsF(marginsLeft / 4, marginsTop / 4, marginsRight / 4, marginsBottom / 4);
}

bool ReadReportTemplate(QIODevice* device, ReportTemplate* out)
{
    QDomDocument document;
    if (!device || !device->isOpen() || !document.setContent(device)) {
        qDebug() << "Report's file not found";
        return false;
    }
    return readDocument(document, out);
}

bool ReadReportTemplate(const QString& path, ReportTemplate* out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "Report's file not found";
        return false;
    }
    return ReadReportTemplate(&file, out);
}

bool ReadReportTemplateFromXml(const QByteArray& xml, ReportTemplate* out)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    return ReadReportTemplate(&buffer, out);
}

QColor ParseReportColor(const QString& text)
{
    int parts[4] = {0, 0, 0, 0};
    const int open = text.indexOf(QLatin1Char('('));
    if (open >= 0) {
        const int close = text.indexOf(QLatin1Char(')'), open + 1);
        const QString inner =
            close >= 0 ? text.mid(open + 1, close - open - 1) : text.mid(open + 1);
        const QStringList items = inner.split(QLatin1Char(','));
        for (int i = 0; i < 4 && i < items.size(); ++i)
            parts[i] = qBound(0, items.at(i).toInt(), 255);
    }
    return QColor(parts[0], parts[1], parts[2], parts[3]);
}

int ParseReportBorderWidth(const QString& text)
{
    QString number = text;
    number.remove(QLatin1String("px"));
    return number.toInt();
}

ReportBorderStyle ParseReportBorderStyle(const QString& text)
{
    if (text == QLatin1String("dashed"))
        return ReportBorderStyle::Dashed;
    if (text == QLatin1String("dotted"))
        return ReportBorderStyle::Dotted;
    if (text == QLatin1String("dot-dash"))
        return ReportBorderStyle::DotDash;
    if (text == QLatin1String("dot-dot-dash"))
        return ReportBorderStyle::DotDotDash;
    return ReportBorderStyle::Solid;
}

Qt::Alignment ParseReportAlignment(const QString& horizontal, const QString& vertical)
{
    Qt::Alignment alignment;
    if (horizontal == QLatin1String("hLeft"))
        alignment |= Qt::AlignLeft;
    else if (horizontal == QLatin1String("hRight"))
        alignment |= Qt::AlignRight;
    else if (horizontal == QLatin1String("hCenter"))
        alignment |= Qt::AlignHCenter;
    else if (horizontal == QLatin1String("hJustify"))
        alignment |= Qt::AlignJustify;
    if (vertical == QLatin1String("vTop"))
        alignment |= Qt::AlignTop;
    else if (vertical == QLatin1String("vBottom"))
        alignment |= Qt::AlignBottom;
    else if (vertical == QLatin1String("vCenter"))
        alignment |= Qt::AlignVCenter;
    return alignment;
}

std::optional<ReportBand::Type> ParseReportBandType(const QString& text)
{
    static const char* const names[ReportBand::TypeCount] = {
        "ReportTitle",  "PageHeader",    "MasterHeader", "MasterData",
        "MasterFooter", "ReportSummary", "PageFooter"};
    for (int i = 0; i < ReportBand::TypeCount; ++i) {
        if (text == QLatin1String(names[i]))
            return static_cast<ReportBand::Type>(i);
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------------

ReportExpressions::ReportExpressions(ValueProvider provider) : m_provider(std::move(provider)) {}

ReportExpressions::~ReportExpressions() = default;

void ReportExpressions::setDateTime(const QDate& date, const QTime& time)
{
    m_date = date;
    m_time = time;
}

void ReportExpressions::collect(const QString& name, const QVariant& value)
{
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    if (ok)
        m_collected[name].append(number);
}

QString ReportExpressions::builtin(const QString& word) const
{
    if (word == QLatin1String("Date"))
        return (m_date.isValid() ? m_date : QDate::currentDate())
            .toString(QStringLiteral("dd.MM.yyyy"));
    if (word == QLatin1String("Time"))
        return (m_time.isValid() ? m_time : QTime::currentTime())
            .toString(QStringLiteral("HH:mm:ss"));
    if (word == QLatin1String("Page"))
        return QString::number(m_page);
    if (word == QLatin1String("TotalPages"))
        return QString::number(m_totalPages);
    if (word == QLatin1String("LineNo"))
        return QString::number(m_lineNo);
    return QString();
}

QString ReportExpressions::placeholderText(const QString& name) const
{
    static const char* const builtins[] = {"Date", "Time", "Page", "TotalPages", "LineNo"};
    for (const char* word : builtins) {
        if (name.contains(QLatin1String(word)))
            return builtin(QLatin1String(word));
    }
    return m_provider ? m_provider(name).toString() : QString();
}

QString ReportExpressions::substitute(const QString& expression, bool aggregates) const
{
    QString result;
    // Openings after the last closing are plain text; knowing that keeps the scan linear.
    const int lastAggregateClose = aggregates ? expression.lastIndexOf(QLatin1String("])")) : -1;
    const int lastBracket = expression.lastIndexOf(QLatin1Char(']'));
    int i = 0;
    while (i < expression.size()) {
        if (aggregates && i < lastAggregateClose) {
            bool matched = false;
            // The function names are matched in any letter case: SUM([x]) is Sum([x]).
            for (const QString& fn :
                 {QStringLiteral("Sum(["), QStringLiteral("Avg(["), QStringLiteral("Count([")}) {
                if (!expression.midRef(i).startsWith(fn, Qt::CaseInsensitive))
                    continue;
                const int close = expression.indexOf(QLatin1String("])"), i + fn.size());
                if (close < 0)
                    break;
                const QString name = expression.mid(i + fn.size(), close - i - fn.size());
                const QVector<double> values = m_collected.value(name);
                double sum = 0;
                for (double v : values)
                    sum += v;
                double value = sum;
                if (fn.startsWith(QLatin1String("Avg")))
                    value = values.isEmpty() ? 0 : sum / values.size();
                else if (fn.startsWith(QLatin1String("Count")))
                    value = values.size();
                result += numberLiteral(value);
                i = close + 2;
                matched = true;
                break;
            }
            if (matched)
                continue;
        }
        const QChar c = expression.at(i);
        if (c == QLatin1Char('[') && i < lastBracket) {
            const int close = expression.indexOf(QLatin1Char(']'), i + 1);
            if (close > i) {
                const QString text = placeholderText(expression.mid(i + 1, close - i - 1));
                bool number = false;
                const double v = text.trimmed().toDouble(&number);
                // "inf" and "nan" convert too but are no script numbers: quote them as text.
                result += number && std::isfinite(v) ? numberLiteral(text.trimmed()) : quoted(text);
                i = close + 1;
                continue;
            }
        }
        result += c;
        ++i;
    }
    return result;
}

QVariant ReportExpressions::evaluate(const QString& source, const QString& expression,
                                     bool* ok) const
{
    *ok = false;
    // A template with several runaway expressions is broken: stop running its scripts at all,
    // so that a print with many rows still ends in reasonable time.
    if (!m_runaway.isEmpty() && (m_runaway.size() >= 3 || m_runaway.contains(source)))
        return QVariant();
    if (QScriptEngine::checkSyntax(expression).state() != QScriptSyntaxCheckResult::Valid)
        return QVariant();
    if (!m_runner)
        m_runner = std::make_unique<ReportScriptRunner>();
    bool timedOut = false;
    const QVariant value = m_runner->evaluate(expression, m_timeLimit, &timedOut);
    if (timedOut) {
        qWarning() << "Report expression aborted after" << m_timeLimit << "ms:" << source;
        m_runaway.insert(source);
    }
    *ok = value.isValid();
    return value;
}

QString ReportExpressions::expandValue(const QString& value) const
{
    QString result;
    // Openings after the last closing are plain text; knowing that keeps the scan linear.
    const int lastBracket = value.lastIndexOf(QLatin1Char(']'));
    const int lastAngle = value.lastIndexOf(QLatin1Char('>'));
    int i = 0;
    while (i < value.size()) {
        const QChar c = value.at(i);
        if ((c == QLatin1Char('[') && i < lastBracket) ||
            (c == QLatin1Char('<') && i < lastAngle)) {
            const QChar closing = c == QLatin1Char('[') ? QLatin1Char(']') : QLatin1Char('>');
            const int close = value.indexOf(closing, i + 1);
            if (close > i) {
                const QString inner = value.mid(i + 1, close - i - 1);
                i = close + 1;
                if (c == QLatin1Char('[')) {
                    result += placeholderText(inner);
                } else if (!builtin(inner).isEmpty()) {
                    result += builtin(inner);
                } else {
                    bool ok = false;
                    const QVariant v = evaluate(inner, substitute(inner, true), &ok);
                    // A formula that fails to evaluate prints nothing.
                    if (ok)
                        result += v.type() == QVariant::Double
                                      ? QString::number(v.toDouble(), 'g', 15)
                                      : v.toString();
                }
                continue;
            }
        }
        result += c;
        ++i;
    }
    return result;
}

bool ReportExpressions::isPrinted(const QString& printing) const
{
    if (printing.isEmpty())
        return true;
    if (printing.size() == 1)
        return printing.toInt() != 0;
    bool ok = false;
    const QVariant v = evaluate(printing, substitute(printing, false), &ok);
    if (!ok)
        return true; // a broken condition prints the field, as if it were absent
    return integerNonZero(v.toDouble());
}

QString ReportExpressions::highlightRule(const QString& highlighting, const QString& keyword,
                                         QString* condition) const
{
    const QStringList items = highlighting.split(QLatin1Char(';'));
    if (items.size() < 2)
        return QString();
    *condition = items.first();
    const QString prefix = keyword + QLatin1Char('=');
    for (int i = 1; i < items.size(); ++i) {
        if (items.at(i).startsWith(prefix))
            return items.at(i).mid(prefix.size());
    }
    return QString();
}

bool ReportExpressions::highlightFlag(const QString& highlighting, const QString& keyword,
                                      bool plain) const
{
    QString condition;
    const QString rule = highlightRule(highlighting, keyword, &condition);
    if (rule.isEmpty())
        return plain;
    bool ok = false;
    const QVariant v = evaluate(condition + rule, substitute(condition + rule, false), &ok);
    if (!ok)
        return plain;
    return integerNonZero(v.toDouble());
}

QString ReportExpressions::highlightColor(const QString& highlighting, const QString& keyword,
                                          const QString& plain) const
{
    QString condition;
    QString rule = highlightRule(highlighting, keyword, &condition);
    if (rule.isEmpty())
        return plain;
    rule.insert(1, QLatin1Char('\''));
    const QString expression =
        substitute(condition + rule, false) + QLatin1String("':'") + plain + QLatin1Char('\'');
    bool ok = false;
    const QVariant v = evaluate(condition + rule + plain, expression, &ok);
    return ok ? v.toString() : plain;
}
