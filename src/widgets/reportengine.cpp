#include "widgets/reportengine.h"

#include "core/printrouting.h"
#include "widgets/errordialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QResource>
#include <QScreen>
#include <QToolBar>
#include <QUrl>

namespace {

const QString kTransparent = QStringLiteral("rgba(255,255,255,0)");

} // namespace

ReportEngine::ReportEngine(QWidget* parent)
    : QWidget(parent), m_document(QStringLiteral("Reports")),
      m_expressions([this](const QString& name) { return requestValue(name); })
{
    InstallPrintFontSubstitutes();
}

ReportEngine::~ReportEngine() = default;

bool ReportEngine::openTemplate(const QString& path)
{
    QString filePath = path;
    if (path.startsWith(QLatin1Char(':'))) {
        const QResource resource(path, QLocale());
        if (resource.isValid() && !resource.fileName().isEmpty())
            filePath = resource.fileName();
    }
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray xml = file.readAll();
    QDomDocument document(QStringLiteral("Reports"));
    if (!document.setContent(xml))
        return false;
    ReportTemplate parsed;
    if (!ReadReportTemplateFromXml(xml, &parsed))
        return false;
    m_document = document;
    m_template = parsed;
    return true;
}

QVariant ReportEngine::requestValue(const QString& name)
{
    QString paramName = name;
    QVariant value;
    int recNo = m_recordNo;
    emit setValue(recNo, paramName, value, m_reportPage);
    if (m_counting && m_inDataRow) {
        // Each data-row value counts once for the aggregates, however often it is asked for.
        const QPair<QString, int> key(name, m_recordNo);
        bool number = false;
        value.toString().trimmed().toDouble(&number);
        if (number && !m_collected.contains(key)) {
            m_collected.insert(key);
            m_expressions.collect(name, value);
        }
    }
    return value;
}

void ReportEngine::applyPageSettings(QPrinter* printer, int report)
{
    const ReportPage& page = m_template.pages.at(report);
    printer->setPageSize(QPageSize(page.pageSizeMm(), QPageSize::Millimeter));
    const QMarginsF margins = page.marginsMm() + QMarginsF(0.01, 0.01, 0.01, 0.01);
    printer->setPageMargins(margins, QPageLayout::Millimeter);
    printer->setPageOrientation(page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    m_scale = ScaleForPage(page, printer->pageRect(QPrinter::DevicePixel).size());
}

void ReportEngine::render(QPrinter* printer)
{
    QVector<int> counts;
    for (int count : qAsConst(rowCounts))
        counts.append(count);
    const ReportLayout layout = LayoutReport(m_template, counts);

    if (!m_template.pages.isEmpty())
        applyPageSettings(printer, 0);
    if (!m_painter.begin(printer))
        return; // a printer that cannot be opened simply gets nothing
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_fontSet = false;

    // Counting pass: the data-row values are asked for once so the aggregates know them.
    m_counting = true;
    m_totalPages = layout.totalPages;
    for (const ReportPlacement& placement : layout.placements) {
        if (placement.band != ReportBand::Type::MasterData)
            continue;
        m_reportPage = placement.report;
        m_recordNo = placement.record;
        m_currentPage = placement.page;
        m_expressions.setPageNumber(m_currentPage);
        m_expressions.setTotalPages(m_totalPages);
        m_expressions.setLineNumber(m_recordNo + 1);
        m_inDataRow = true;
        const ReportBand* band = m_template.pages.at(placement.report).band(placement.band);
        for (const ReportField& field : band->fields) {
            if (field.type == ReportField::Type::Label && m_expressions.isPrinted(field.printing))
                m_expressions.expandValue(field.value);
        }
        m_inDataRow = false;
    }
    m_counting = false;

    // Drawing pass.
    int report = 0;
    m_currentPage = 1;
    for (const ReportPlacement& placement : layout.placements) {
        if (placement.report != report) {
            report = placement.report;
            applyPageSettings(printer, report);
        }
        if (placement.page != m_currentPage) {
            printer->newPage();
            m_painter.setBackgroundMode(Qt::TransparentMode);
            m_currentPage = placement.page;
        }
        m_reportPage = placement.report;
        m_recordNo = placement.record;
        m_expressions.setPageNumber(m_currentPage);
        m_expressions.setTotalPages(m_totalPages);
        m_expressions.setLineNumber(m_recordNo + 1);
        paintBand(*m_template.pages.at(report).band(placement.band), placement.y);
    }
    m_painter.end();
}

void ReportEngine::applyFont(const FontKey& key)
{
    // A new font on the painter makes the next text look its glyphs up again, so rows in the
    // same font keep the one already set.
    if (m_fontSet && key == m_fontKey)
        return;
    QFont font(key.family);
    if (key.size > 0)
        font.setPointSize(key.size);
    font.setWeight(key.bold ? 75 : 50);
    font.setItalic(key.italic);
    font.setUnderline(key.underline);
    m_painter.setFont(font);
    m_fontKey = key;
    m_fontSet = true;
}

void ReportEngine::paintBand(const ReportBand& band, int y)
{
    for (const ReportField& field : band.fields) {
        if (m_expressions.isPrinted(field.printing))
            paintField(field, y);
    }
}

void ReportEngine::paintField(const ReportField& field, int y)
{
    const QString& rule = field.highlighting;
    // Without highlighting the field's own attributes apply; they were parsed with the template.
    const bool plain = rule.isEmpty();
    FontKey font;
    font.family = field.fontFamily;
    font.size = field.fontSize;
    font.bold = plain ? field.fontBold
                      : m_expressions.highlightFlag(rule, QStringLiteral("bold"), field.fontBold);
    font.italic =
        plain ? field.fontItalic
              : m_expressions.highlightFlag(rule, QStringLiteral("italic"), field.fontItalic);
    font.underline =
        plain ? field.fontUnderline
              : m_expressions.highlightFlag(rule, QStringLiteral("underline"), field.fontUnderline);
    applyFont(font);
    m_painter.setPen(Qt::black);

    const QRect r = MapFieldRect(field, y, m_scale);

    if (plain) {
        if (field.backgroundColorText != kTransparent)
            m_painter.fillRect(r.left() + 1, r.top() + 1, r.width() - 2, r.height() - 2,
                               field.backgroundColor);
    } else {
        const QString background = m_expressions.highlightColor(
            rule, QStringLiteral("backgroundColor"), field.backgroundColorText);
        if (background != kTransparent)
            m_painter.fillRect(r.left() + 1, r.top() + 1, r.width() - 2, r.height() - 2,
                               ParseReportColor(background));
    }

    QPen border(Qt::black, field.borderWidth * 5, field.penStyle());
    const auto edge = [&](bool draw, const QColor& color, int x1, int y1, int x2, int y2) {
        if (!draw)
            return;
        border.setColor(color);
        m_painter.setPen(border);
        m_painter.drawLine(x1, y1, x2, y2);
    };
    const int right = r.left() + r.width();
    const int bottom = r.top() + r.height();
    edge(field.drawTop, field.borderTop, r.left(), r.top(), right, r.top());
    edge(field.drawBottom, field.borderBottom, r.left(), bottom, right, bottom);
    edge(field.drawLeft, field.borderLeft, r.left(), r.top(), r.left(), bottom);
    edge(field.drawRight, field.borderRight, right, r.top(), right, bottom);

    switch (field.type) {
    case ReportField::Type::Label: {
        const QString text = m_expressions.expandValue(field.value);
        m_painter.setPen(plain ? field.fontColor
                               : ParseReportColor(m_expressions.highlightColor(
                                     rule, QStringLiteral("fontColor"), field.fontColorText)));
        m_painter.drawText(QRect(r.left() + 10, r.top(), r.width() - 10, r.height()),
                           static_cast<int>(field.alignment) | Qt::TextWordWrap | Qt::TextDontClip,
                           text);
        break;
    }
    case ReportField::Type::LabelImage: {
        QString name = field.value;
        name.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
        QImage image(500, 500, QImage::Format_ARGB32);
        int recNo = m_recordNo;
        emit setValueImage(recNo, name, image, m_reportPage);
        if (!image.isNull())
            m_painter.drawImage(r, image);
        break;
    }
    case ReportField::Type::Image: {
        const QImage image(field.picture);
        if (!image.isNull())
            m_painter.drawImage(r, image);
        break;
    }
    case ReportField::Type::Other:
        break;
    }
}

QString ReportEngine::pdfPathFor(QPrinter* printer, bool notice, bool useReportPrinter)
{
    if (notice) {
        const QString text =
            useReportPrinter
                ? tr("Please change Report Printer settings from Settings dialog. Currently it "
                     "is configured to print to PDF file.")
                : tr("Please change Receipt/Ticket Printer settings from Settings dialog. "
                     "Currently it is configured to print to PDF file.");
        ErrorDialog dialog(QStringLiteral("err_msg_1"), tr("Print to PDF"), text, parentWidget());
        dialog.exec();
    }
    const QString path = PrintPdfPath();
    QFile::remove(path);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    // The wider left margin lasts until the template's own page settings replace it.
    QMarginsF margins = printer->pageLayout().margins(QPageLayout::Millimeter);
    margins.setLeft(margins.left() + 20);
    printer->setPageMargins(margins, QPageLayout::Millimeter);
    return path;
}

void ReportEngine::printToTarget(bool useReportPrinter)
{
    const PrintRoute route = RouteFor(useReportPrinter ? PrintJob::Report : PrintJob::LargeReceipt);
    QPrinter printer(QPrinter::HighResolution);
    if (route.toPdf)
        pdfPathFor(&printer, true, useReportPrinter);
    else
        printer.setPrinterName(route.printerName);
    render(&printer);
    if (printer.outputFormat() == QPrinter::PdfFormat)
        QDesktopServices::openUrl(QUrl::fromLocalFile(PrintPdfPath()));
}

void ReportEngine::printToPdfFile()
{
    QPrinter printer(QPrinter::HighResolution);
    const QString path = pdfPathFor(&printer, false, false);
    render(&printer);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void ReportEngine::printPreview(QPrinter* printer)
{
    if (printer)
        render(printer);
}

void ReportEngine::closePreview()
{
    if (m_previewDialog)
        m_previewDialog->close();
}

void ReportEngine::openPreview(QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(RouteFor(PrintJob::Preview).printerName);
    auto* dialog = new QPrintPreviewDialog(&printer, parent);
    m_previewDialog = dialog;
    m_previewWidget = dialog->findChild<QPrintPreviewWidget*>();
    if (m_previewWidget)
        m_previewWidget->setZoomMode(QPrintPreviewWidget::FitToWidth);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this, &ReportEngine::printPreview);

    const QList<QToolBar*> bars = dialog->findChildren<QToolBar*>();
    if (!bars.isEmpty()) {
        QAction* close = bars.first()->addAction(
            QIcon(QStringLiteral(":/resources/images/close.png")), tr("&Close..."));
        connect(close, &QAction::triggered, this, &ReportEngine::closePreview);
    }

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        dialog->setGeometry(QRect(QPoint(5, 30), QPoint(area.right() - 6, area.bottom() - 6)));
    }

    m_previewActions = dialog->findChildren<QAction*>();
    if (m_previewWidget)
        m_previewWidget->installEventFilter(this);
    dialog->exec();
    // Stop filtering before the delete: the widget's children send it events while it is being
    // destroyed, when it is no longer a QPrintPreviewWidget.
    if (m_previewWidget)
        m_previewWidget->removeEventFilter(this);
    m_previewActions.clear();
    delete dialog;
}

bool ReportEngine::eventFilter(QObject* watched, QEvent* event)
{
    if (m_previewWidget && watched == m_previewWidget && event->type() == QEvent::Show) {
        // The preview opens on the first page. The action is named by Qt, in Qt's own translation
        // of the language in use (looked up through variables: it is not one of our texts).
        const char* const context = "QPrintPreviewDialog";
        const char* const text = "Previous page";
        const QString previousPage = QCoreApplication::translate(context, text);
        for (QAction* action : qAsConst(m_previewActions)) {
            if (action->text().contains(previousPage, Qt::CaseInsensitive))
                action->trigger();
        }
        m_previewWidget->setCurrentPage(0);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
