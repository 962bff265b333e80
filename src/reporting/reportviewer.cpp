#include "reporting/reportviewer.h"
#include "ui_reportviewer.h"

#include "core/DBManager.h"
#include "core/columnheadings.h"
#include "core/printrouting.h"
#include "core/reportdocument.h"
#include "core/utility.h"
#include "widgets/errordialog.h"
#include "widgets/progress.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPrinter>
#include <QScroller>
#include <QTextDocument>
#include <QUrl>

namespace {

// Rows are fetched in steps of 256; the progress is shown every few thousand.
constexpr int kRowsPerProgressStep = 4096;

void KeepResponsive()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

ReportViewer::ReportViewer(QWidget* parent)
    : MerchoraDialog(parent), ui(new Ui::ReportViewer), m_model(new ReportTableModel(this))
{
    ui->setupUi(this);
    resize(800, 600);
    QScroller::grabGesture(ui->scrollArea->viewport(), QScroller::LeftMouseButtonGesture);
    QScroller::grabGesture(ui->tableViewItems->viewport(), QScroller::LeftMouseButtonGesture);
    ui->tableViewItems->setSortingEnabled(false);
    ui->tableViewItems->horizontalHeader()->setSortIndicatorShown(false);
}

ReportViewer::~ReportViewer()
{
    delete ui;
}

void ReportViewer::setHeading(const QString& heading)
{
    m_heading = heading;
    ui->labelHeading->setText(heading);
}

void ReportViewer::setStatement(const BoundStatement& statement)
{
    m_statement = statement;
}

void ReportViewer::setSalesReport(bool salesReport)
{
    m_isSalesReport = salesReport;
}

void ReportViewer::setPeriod(const QDate& start, const QDate& end)
{
    m_start = start;
    m_end = end;
}

void ReportViewer::setTotals(const QString& totalSales, const QString& totalPurchaseCost,
                             const QString& totalDiscount)
{
    ui->lineTotalSales->setText(totalSales);
    ui->linePurchaseCost->setText(totalPurchaseCost);
    ui->lineDiscount->setText(totalDiscount);
    ui->lineProfit->setText(ProfitText(totalSales, totalPurchaseCost));
}

void ReportViewer::showEvent(QShowEvent* event)
{
    MerchoraDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;

    CDBManager* manager = CDBManager::GetInstance();
    SetBoundQuery(m_model,
                  m_isSalesReport ? manager->GetSalesDataBase() : manager->GetInventoryDataBase(),
                  m_statement);
    ColumnHeadings::Translate(m_model);
    QTableView* view = ui->tableViewItems;
    view->setModel(m_model);
    FitColumns();
    view->show();

    ui->groupGroupBy->setVisible(m_isSalesReport);
    if (m_isSalesReport) {
        // Checking a button that is checked already emits nothing, so the grouping runs here.
        const QSignalBlocker blocker(ui->radioProduct);
        ui->radioProduct->setChecked(true);
        ShowGrouping(SalesGrouping::Product);
    }
}

void ReportViewer::FitColumns()
{
    // Sized to the rows fetched so far, not the whole result; the last column fills the rest.
    QHeaderView* header = ui->tableViewItems->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    ui->tableViewItems->resizeColumnsToContents();
    header->setStretchLastSection(true);
    if (m_model->columnCount() > 0)
        header->setSectionResizeMode(m_model->columnCount() - 1, QHeaderView::Stretch);
}

void ReportViewer::ShowGrouping(SalesGrouping grouping)
{
    const QString dateColumn = Utility::GetInstance()->GetSqlDateColumn(
        QStringLiteral("st.TIME_STAMP"), QStringLiteral("DATE"));
    SetBoundQuery(m_model, CDBManager::GetInstance()->GetSalesDataBase(),
                  SalesReport::Grouped(grouping, {m_start, m_end}, dateColumn));
    ColumnHeadings::Translate(m_model);
    FitColumns();
}

SalesGrouping ReportViewer::CheckedGrouping() const
{
    if (ui->radioCustomer->isChecked())
        return SalesGrouping::Customer;
    if (ui->radioDate->isChecked())
        return SalesGrouping::Date;
    if (ui->radioUser->isChecked())
        return SalesGrouping::User;
    return SalesGrouping::Product;
}

void ReportViewer::on_radioProduct_toggled(bool checked)
{
    if (checked)
        ShowGrouping(SalesGrouping::Product);
}

void ReportViewer::on_radioCustomer_toggled(bool checked)
{
    if (checked)
        ShowGrouping(SalesGrouping::Customer);
}

void ReportViewer::on_radioUser_clicked() {}

void ReportViewer::on_radioUser_toggled(bool checked)
{
    if (checked)
        ShowGrouping(SalesGrouping::User);
}

void ReportViewer::on_radioDate_toggled(bool checked)
{
    if (checked)
        ShowGrouping(SalesGrouping::Date);
}

void ReportViewer::on_buttonClose_clicked()
{
    close();
}

QString ReportViewer::DocumentHtml()
{
    while (m_model->canFetchMore())
        m_model->fetchMore();

    QList<int> columns;
    QStringList headings;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        if (ui->tableViewItems->isColumnHidden(column))
            continue;
        columns << column;
        headings << m_model->headerData(column, Qt::Horizontal).toString();
    }

    ReportSummary summary;
    if (m_isSalesReport) {
        summary.caption = SalesReport::GroupingCaption(CheckedGrouping());
        summary.currencySymbol =
            Utility::GetInstance()->ReadString(QString::fromLatin1(SettingKey::CURRENCY_SYMBOL));
        summary.totalSales = ui->lineTotalSales->text();
        summary.totalPurchase = ui->linePurchaseCost->text();
        summary.totalProfit = ui->lineProfit->text();
        summary.totalDiscount = ui->lineDiscount->text();
    }
    ReportHtmlWriter writer(m_heading, QDateTime::currentDateTime().toString(Qt::TextDate),
                            m_isSalesReport ? &summary : nullptr, headings);
    QStringList cells;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        cells.clear();
        for (int column : qAsConst(columns))
            cells << m_model->index(row, column).data().toString();
        writer.AddRow(cells);
    }
    return writer.Finish();
}

bool ReportViewer::PrintDocument(QPrinter* printer)
{
    Progress progress(this, tr("Preparing the report..."));
    progress.show();
    KeepResponsive();

    QTextDocument document;
    document.setHtml(DocumentHtml());
    progress.SetStep(tr("Laying out %n row(s)...", nullptr, m_model->rowCount()));
    KeepResponsive();

    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    return PrintPaged(&document, printer, [&](int page, int pageCount) {
        // Repainting after every page would cost more than the page itself on long reports.
        if (page == pageCount || sinceRepaint.elapsed() >= 100) {
            progress.SetStep(tr("Printing page %1 of %2").arg(page).arg(pageCount), page,
                             pageCount);
            KeepResponsive();
            sinceRepaint.restart();
        }
    });
}

void ReportViewer::on_buttonPrint_clicked()
{
    const PrintRoute route = RouteFor(PrintJob::Report);
    if (route.toPdf) {
        ErrorDialog notice(QStringLiteral("err_msg_2"), tr("Print to PDF"),
                           tr("Please change Report Printer settings from Settings dialog. "
                              "Currently it is configured to print to PDF file."),
                           this);
        notice.exec();
        PrintToPdf();
        return;
    }
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPrinterName(route.printerName);
    // Without a usable printer Qt falls back to PDF: write the file that is opened afterwards.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFileName(ReportPdfPath());
    if (PrintDocument(&printer) && printer.outputFormat() == QPrinter::PdfFormat)
        QDesktopServices::openUrl(QUrl::fromLocalFile(ReportPdfPath()));
}

void ReportViewer::on_pushPrintToPDF_clicked()
{
    PrintToPdf();
}

void ReportViewer::PrintToPdf()
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = ReportPdfPath();
    printer.setOutputFileName(path);
    if (PrintDocument(&printer))
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
