#include "pos/pos.h"
#include "ui_pos.h"

#include "catalogue/stockpicker.h"
#include "core/DBManager.h"
#include "core/itemtransactionsmodel.h"
#include "core/printrouting.h"
#include "core/salestore.h"
#include "core/utility.h"
#include "pos/heldsalesdialog.h"
#include "pos/managecustomers.h"
#include "reporting/saleshistorydialog.h"
#include "widgets/errordialog.h"
#include "widgets/reportengine.h"

#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QScroller>
#include <QSignalBlocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QStyle>
#include <QTimer>
#include <QUrl>

namespace {

const char STATUS_GRAY[] = "QLabel {background-color: gray }";
const char STATUS_RED[] = "QLabel {background-color: red }";
constexpr int BLINK_INTERVAL_MS = 350;
constexpr int STATUS_PADDING = 10; // left and right padding of the status line's style
constexpr int HEADER_PADDING = 24; // room around a column header's words
constexpr int WATCHDOG_INTERVAL_MS = 5000;

const char LOOKUP_QUERY[] =
    "SELECT i.ID, p.NAME, p.ITEMS_PER_UNIT, i.EXPIRY_DATE,  i.SALE_PRICE, i.PURCHASE_PRICE, "
    "i.QUANTITY, i.SUB_ITEMS, p.IMAGE_FILE, p.TAX_RATE, i.DISCOUNT FROM tblInventory as i, "
    "tblProducts as p WHERE p.ID = i.PRODUCT_ID AND i.BAR_CODE = :bar_code";
void SetTextIfChanged(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

QString ErrorLine(const QSqlError& error)
{
    return error.databaseText() + QStringLiteral("    ") + error.driverText();
}

} // namespace

bool CPOS::s_blinkRed = false;

CPOS::CPOS(QWidget* parent)
    : QScrollArea(parent), ui(new Ui::CPOS), m_pages(ReadPosGridRows(), ReadPosGridColumns())
{
    ui->setupUi(this);
    QScroller::grabGesture(viewport(), QScroller::LeftMouseButtonGesture);
    QScroller::grabGesture(ui->tableViewItems->viewport(), QScroller::LeftMouseButtonGesture);
    ui->lineEditPaid->installEventFilter(this);
    // Delete in the empty barcode field voids a line.
    ui->lineEditBarCode->installEventFilter(this);

    ReadSettings();

    if (!m_taxEnabled) {
        ui->labelTax->hide();
        ui->lineEditTax->hide();
    }
    if (!m_subItemsMode) {
        ui->lineEditSubItems->hide();
        ui->labelSubQty->hide();
    }

    ui->labelTax->setText(m_taxName + QLatin1Char(' ') + m_currencySymbol);
    //: caption of the sale's total; %1 is the currency symbol
    ui->labelTotal->setText(tr("TOTAL %1").arg(m_currencySymbol));
    //: caption of the amount paid; %1 is the currency symbol
    ui->labelPaid->setText(tr("PAID %1").arg(m_currencySymbol));
    //: caption of the money given back; %1 is the currency symbol
    ui->labelChange->setText(tr("CHANGE %1").arg(m_currencySymbol));

    m_sums = SaleSums();
    m_saleState = NoLines;
    m_blinkTimer = new QTimer(this);
    m_watchdogTimer = new QTimer(this);
    connect(m_blinkTimer, &QTimer::timeout, this, &CPOS::OnBlinkingTimeout);
    connect(m_watchdogTimer, &QTimer::timeout, this, &CPOS::OnStatusWatchDogTimeout);
    ui->labelStatus->setStyleSheet(QString::fromLatin1(STATUS_GRAY));
    // A long message must never widen the sale area and push the product buttons off the
    // screen; it is set smaller instead (ShowStatusMessage).
    ui->labelStatus->setSizePolicy(QSizePolicy::Ignored,
                                   ui->labelStatus->sizePolicy().verticalPolicy());
    ui->labelStatus->ensurePolished();
    m_statusFont = ui->labelStatus->font();

    // Fourteen buttons share the width of a 1366 pixel screen: a key or caption text never
    // widens its column beyond what the buttons leave it.
    for (QLabel* label : ui->frameFunctionBar->findChildren<QLabel*>())
        label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());

    SetUpTable();
    ResetTotalsDisplay();

    m_categoryModel = new QSqlTableModel(this, CDBManager::GetInstance()->GetInventoryDataBase());
    m_categoryModel->setTable(QStringLiteral("tblProductCategories"));
    {
        // Filling the list must not filter the grid; the buttons are shown below.
        const QSignalBlocker blocker(ui->comboCategory);
        ui->comboCategory->setModel(m_categoryModel);
        ui->comboCategory->setModelColumn(1);
        if (!m_categoryModel->select())
            MERCHORA_LOG_DB_ERROR(m_categoryModel->lastError());
    }

    InitializePosButtons();

    QTimer::singleShot(0, this, &CPOS::SetFocusOnBarCode);
    // Asked once the till is on the screen.
    QTimer::singleShot(0, this, &CPOS::OfferPendingSale);
}

CPOS::~CPOS()
{
    delete ui;
}

void CPOS::ReadSettings()
{
    const Utility* utility = Utility::GetInstance();
    m_companyName = utility->ReadString(QString::fromLatin1(SettingKey::REPORT_COMPANY_NAME));
    if (m_companyName.isEmpty())
        m_companyName = tr("Sample Company");
    m_companyAddress = utility->ReadString(QString::fromLatin1(SettingKey::REPORT_COMPANY_ADDRESS));
    if (m_companyAddress.isEmpty())
        m_companyAddress = tr("Some Address \n32422 Some Street\nSome City");
    m_companyContact = utility->ReadString(QString::fromLatin1(SettingKey::REPORT_PHONE_NUMBER));
    if (m_companyContact.isEmpty())
        m_companyContact = tr("Phone: 1111111111");
    m_subItemsMode = utility->IsSubItemsMode();
    m_currencySymbol = utility->ReadString(QString::fromLatin1(SettingKey::CURRENCY_SYMBOL));
    m_taxEnabled = utility->ReadBool(QString::fromLatin1(SettingKey::ENABLE_TAX));
    m_taxName = utility->ReadString(QString::fromLatin1(SettingKey::SALES_TAX_NAME));
    if (m_taxName.isEmpty())
        m_taxName = QStringLiteral("TAX");
    m_printLogo = utility->ReadBool(QString::fromLatin1(SettingKey::PRINT_LOGO));
    m_logoSize = utility->ReadInt(QString::fromLatin1(SettingKey::LOGO_SIZE));
    m_logoPath = utility->ReadString(QString::fromLatin1(SettingKey::REPORT_COMPANY_LOGO));
    if (m_logoPath.isEmpty())
        m_logoPath = QStringLiteral(":/resources/images/merchora_logo.png");
    m_logo = QImage(m_logoPath);
}

void CPOS::SetUpTable()
{
    QTableView* view = ui->tableViewItems;
    m_model = new CItemTransactionsModel(view);
    view->setModel(m_model);
    view->setFocusPolicy(Qt::NoFocus);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    ConfigureColumns();
}

void CPOS::ConfigureColumns()
{
    QTableView* view = ui->tableViewItems;
    view->setColumnHidden(CItemTransactionsModel::ColPurchasePrice, true);
    view->setColumnHidden(CItemTransactionsModel::ColPurchaseTotal, true);
    view->setColumnHidden(CItemTransactionsModel::ColSubItems, !m_subItemsMode);
    // The product name takes the room the numbers leave, so that the lines fit the screen's
    // width and the table never has to scroll sideways to show a new line's total.
    QHeaderView* header = view->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(CItemTransactionsModel::ColName, QHeaderView::Stretch);
    // With no lines yet every other column is as wide as its header's words: the blanks that
    // pad the header texts would take the name's room. Lines widen a column as they need.
    header->ensurePolished();
    QFont headerFont = header->font();
    headerFont.setBold(true); // as the themes draw the sections
    const QFontMetrics metrics(headerFont);
    for (int column = 0; column < CItemTransactionsModel::ColumnCount; ++column) {
        if (column == CItemTransactionsModel::ColName || view->isColumnHidden(column))
            continue;
        const QString words =
            m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().trimmed();
        view->setColumnWidth(column, metrics.horizontalAdvance(words) + HEADER_PADDING);
    }
}

void CPOS::FitColumnsToRow(int row)
{
    // Only the new line is measured: measuring every line on each entry makes a long sale slow.
    // A cell needs its text width plus the delegate's margins, which are measured once. A number
    // whose widest possible rendering fits is not measured at all; other texts are measured once
    // and remembered.
    QTableView* view = ui->tableViewItems;
    const QHeaderView* header = view->horizontalHeader();
    const QFontMetrics metrics(view->font());
    if (m_widestNumberChar < 0) {
        for (const QChar c : QStringLiteral("0123456789.-"))
            m_widestNumberChar = qMax(m_widestNumberChar, metrics.horizontalAdvance(c));
    }
    if (m_textWidths.size() > 20000)
        m_textWidths.clear();
    for (int column = 0; column < CItemTransactionsModel::ColumnCount; ++column) {
        if (view->isColumnHidden(column) ||
            header->sectionResizeMode(column) == QHeaderView::Stretch)
            continue;
        const QString text = m_model->Text(row, column);
        if (m_cellMargin >= 0 && column != CItemTransactionsModel::ColName &&
            text.size() * m_widestNumberChar + m_cellMargin <= view->columnWidth(column))
            continue;
        auto known = m_textWidths.constFind(text);
        if (known == m_textWidths.constEnd())
            known = m_textWidths.insert(text, metrics.horizontalAdvance(text));
        if (m_cellMargin < 0) {
            const int hint = view->sizeHintForIndex(m_model->index(row, column)).width();
            m_cellMargin = qMax(0, hint - known.value()) + (view->showGrid() ? 1 : 0);
        }
        const int wanted = known.value() + m_cellMargin;
        if (wanted > view->columnWidth(column))
            view->setColumnWidth(column, wanted);
    }
}

void CPOS::ShowStatusMessage(const QString& text)
{
    // A message too long for one line of the status line is set smaller on two lines, so that
    // the cashier reads all of it.
    QLabel* label = ui->labelStatus;
    const int room = label->contentsRect().width() - 2 * STATUS_PADDING;
    const bool longText = QFontMetrics(m_statusFont).horizontalAdvance(text) > room;
    if (label->property("longText").toBool() != longText) {
        label->setProperty("longText", longText);
        label->setWordWrap(longText);
        label->style()->unpolish(label);
        label->style()->polish(label);
    }
    label->setText(text);
    m_blinkTimer->start(BLINK_INTERVAL_MS);
    m_watchdogTimer->start(WATCHDOG_INTERVAL_MS);
}

void CPOS::ClearStatus()
{
    // An empty line needs no repaint; scans come in quick succession.
    if (!ui->labelStatus->text().isEmpty())
        ui->labelStatus->clear();
}

void CPOS::ResetTotalsDisplay()
{
    const QString zero = QStringLiteral("0");
    ui->lineEditTotal->setText(zero);
    ui->lineEditPaid->setText(zero);
    ui->lineEditPaid->selectAll();
    ui->lineEditChange->setText(zero);
    ui->lineEditTax->setText(zero);
}

void CPOS::OnStatusWatchDogTimeout()
{
    m_blinkTimer->stop();
    m_watchdogTimer->stop();
    ui->labelStatus->setStyleSheet(QString::fromLatin1(STATUS_GRAY));
}

void CPOS::OnBlinkingTimeout()
{
    ui->labelStatus->setStyleSheet(QString::fromLatin1(s_blinkRed ? STATUS_RED : STATUS_GRAY));
    s_blinkRed = !s_blinkRed;
}

void CPOS::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
        on_nextButton_clicked();
        break;
    case Qt::Key_PageDown:
        on_previousButton_clicked();
        break;
    case Qt::Key_F11:
        on_pushFavPages_clicked();
        break;
    case Qt::Key_Delete:
        on_pushVoid_clicked();
        break;
    case Qt::Key_F12:
        // A box that has the focus already gets no focus-in event, so select here as well: the
        // amount typed next replaces the one refused before.
        ui->lineEditPaid->setFocus();
        ui->lineEditPaid->selectAll();
        break;
    default:
        break;
    }
    // No key leaves the screen: Escape and Return must never reach the hosting dialog.
    event->accept();
}

bool CPOS::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->lineEditBarCode && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
        ui->lineEditBarCode->text().isEmpty()) {
        on_pushVoid_clicked();
        return true;
    }
    if (watched == ui->lineEditPaid && event->type() == QEvent::FocusIn) {
        ui->lineEditPaid->selectAll();
        // A mouse click places the cursor after the focus event; select again once it is done.
        QTimer::singleShot(0, ui->lineEditPaid, &QLineEdit::selectAll);
    }
    return QScrollArea::eventFilter(watched, event);
}

void CPOS::SetFocusOnBarCode()
{
    ui->lineEditBarCode->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Entry

void CPOS::on_lineEditBarCode_returnPressed()
{
    EnterItem();
}

void CPOS::on_pushEnter_clicked()
{
    EnterItem();
}

void CPOS::PosButtonClicked()
{
    auto* button = qobject_cast<CPosButton*>(sender());
    if (!button)
        return;
    ui->lineEditBarCode->setText(button->GetBarCode());
    EnterItem();
}

bool CPOS::ValidateEntryFields()
{
    const QString problem =
        ::ValidateEntryFields(ui->lineEditBarCode->text(), ui->lineEditDiscount->text(),
                              ui->lineEditItems->text(), ui->lineEditSubItems->text());
    if (problem.isEmpty())
        return true;
    ShowStatusMessage(problem);
    return false;
}

QSqlQuery& CPOS::RunPrepared(std::unique_ptr<QSqlQuery>& statement, const char* sql,
                             const std::function<void(QSqlQuery&)>& bind)
{
    // The statements of an entry are prepared once per screen. Should the connection have been
    // reopened meanwhile, the old statement fails and is prepared again on the current one.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!statement || attempt > 0) {
            statement.reset(new QSqlQuery(CDBManager::GetInstance()->GetInventoryDataBase()));
            if (!statement->prepare(QString::fromLatin1(sql)))
                continue;
        }
        bind(*statement);
        if (statement->exec())
            break;
    }
    return *statement;
}

void CPOS::RefuseEntry(const QString& text)
{
    ShowStatusMessage(text);
    // The refused barcode stays for the cashier to read, selected so that the next scan or
    // typing replaces it instead of being appended to it.
    ui->lineEditBarCode->selectAll();
}

void CPOS::EnterItem()
{
    ClearStatus();

    if (m_saleState == Paid) {
        const QString barCode = ui->lineEditBarCode->text();
        on_pushNew_clicked();
        ui->lineEditBarCode->setText(barCode);
    }

    if (!ValidateEntryFields()) {
        ui->lineEditBarCode->selectAll();
        return;
    }

    const QString barCode = ui->lineEditBarCode->text();
    QSqlQuery& query = RunPrepared(m_lookUp, LOOKUP_QUERY, [&barCode](QSqlQuery& q) {
        q.bindValue(QStringLiteral(":bar_code"), barCode);
    });
    if (!query.isActive()) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        RefuseEntry(tr("Could not retrieve data from inventory"));
        return;
    }
    if (!query.next()) {
        const QString error = query.lastError().text();
        query.finish();
        RefuseEntry(tr("No results found in inventory") + error);
        return;
    }

    const QSqlRecord record = query.record();
    // The row is copied; releasing the statement lets the stock update commit at once.
    query.finish();
    const auto field = [&record](const char* name) {
        return record.value(QString::fromLatin1(name));
    };
    const QString itemsText = ui->lineEditItems->text();
    const QString subItemsText = ui->lineEditSubItems->text();
    const bool returnMode = ui->checkReturnMode->isChecked();

    StockRequest request;
    request.quantity = field("QUANTITY").toLongLong();
    request.subItems = field("SUB_ITEMS").toLongLong();
    request.itemsPerUnit = field("ITEMS_PER_UNIT").toLongLong();
    request.requestedItems = itemsText.toInt();
    request.requestedSubItems = subItemsText.toInt();
    request.returnMode = returnMode;
    const StockOutcome stock = CheckStock(request);
    if (!stock.refusal.isEmpty()) {
        RefuseEntry(stock.refusal);
        return;
    }

    SaleLineInput input;
    input.salePrice = StoredPriceText(field("SALE_PRICE"));
    input.purchasePrice = StoredPriceText(field("PURCHASE_PRICE"));
    input.itemsPerUnit = request.itemsPerUnit;
    input.batchDiscount = Percent::FromDouble(field("DISCOUNT").toDouble());
    input.taxRate = m_taxEnabled ? Percent::FromDouble(field("TAX_RATE").toDouble()) : Percent();
    input.items = itemsText.toInt();
    input.subItems = subItemsText.toInt();
    input.specialDiscount = ui->checkSpecialDiscount->isChecked();
    input.discountText = ui->lineEditDiscount->text();
    input.returnMode = returnMode;
    input.taxEnabled = m_taxEnabled;
    const SaleLinePrice price = PriceSaleLine(input);
    if (!price.valid) {
        RefuseEntry(tr("This item's price is not valid. Please correct the stock batch."));
        return;
    }
    SaleSums sums = m_sums;
    AddLineToSums(sums, price);
    const QString tooLarge = CheckSumsFitTill(sums);
    if (!tooLarge.isEmpty()) {
        RefuseEntry(tooLarge);
        return;
    }

    // Stock leaves the inventory now, so the sale must be storable: a sales database that is
    // missing, replaced or read-only refuses the item before its stock is touched.
    if (!CDBManager::GetInstance()->CheckSalesDataBase()) {
        RefuseEntry(tr("Sales database not available: item not added."));
        return;
    }

    // The stock write-back and the line's pending record go to the store together: a crash or a
    // till closed without payment never loses the stock of a line.
    const int row = m_model->rowCount();
    PendingLine line;
    line.batchId = field("ID").toLongLong();
    line.returned = returnMode;
    line.SetTexts(QStringList{QString::number(row), field("NAME").toString(), itemsText,
                              subItemsText, input.salePrice, price.discountText,
                              price.lineTotalText, input.purchasePrice, price.purchaseTotalText});
    line.taxUnits = price.taxUnits;
    const StockWrite write{line.batchId, request.quantity, request.subItems, stock.newQuantity,
                           stock.newSubItems};
    if (!Store().Enter(&m_pendingSaleId, Utility::GetInstance()->GetLoggedInUser(), m_customer.id,
                       write, &line)) {
        // An item whose stock could not be kept is not sold: the line would leave the stock wrong.
        qDebug().noquote() << QStringLiteral("Updating  tblInventory: ") +
                                  ErrorLine(Store().LastError());
        RefuseEntry(tr("Stock could not be updated: item not added."));
        return;
    }

    m_lines << line;
    m_model->AppendRow(line.texts);
    m_sums = sums;
    // A line selected earlier is not the one a VOID right after this entry is meant for.
    if (ui->tableViewItems->selectionModel()->hasSelection())
        ui->tableViewItems->clearSelection();

    FitColumnsToRow(row);
    // Down to the new line only: scrolling sideways would hide the index and the name.
    ui->tableViewItems->scrollToBottom();

    ShowTotals();

    ui->lineEditBarCode->clear();
    if (!ui->checkOnAllItems->isChecked() && ui->lineEditDiscount->text() != QLatin1String("0"))
        ui->lineEditDiscount->setText(QStringLiteral("0"));

    ui->pushButtonPay->setEnabled(true);
    m_saleState = PaymentPending;
    SetFocusOnBarCode();
}

void CPOS::on_pushButtonLookUp_clicked()
{
    // Every window the screen opens is parented to the full-screen dialog that hosts it: a
    // window parented to the main window opens behind the till, out of reach.
    ui->lineEditBarCode->setText(PickStockBarCode(window()));
    SetFocusOnBarCode();
}

void CPOS::OnProductSeleted(QString& image_file)
{
    Q_UNUSED(image_file)
}

// ---------------------------------------------------------------------------------------------
// Sale

void CPOS::on_pushNew_clicked()
{
    m_customer.Clear();
    ui->pushCustomers->setChecked(false);
    ClearStatus();

    if (m_saleState == PaymentPending) {
        // The sale stays, without its customer.
        if (m_pendingSaleId >= 0)
            Store().SetCustomer(m_pendingSaleId, QString());
        ShowStatusMessage(tr("Payment is pending!"));
        return;
    }
    StartNewSale();
}

void CPOS::StartNewSale()
{
    // A sale whose lines were all voided holds no stock and goes; a held one is not touched.
    if (m_pendingSaleId >= 0)
        Store().DropIfEmpty(m_pendingSaleId);
    m_pendingSaleId = -1;
    m_lines.clear();
    m_customer.Clear();
    ui->pushCustomers->setChecked(false);

    m_sums = SaleSums();
    m_transactionId.clear();
    // The view must never hold a deleted model: the new one is set before the old one goes.
    CItemTransactionsModel* old = m_model;
    m_model = new CItemTransactionsModel(ui->tableViewItems);
    ui->tableViewItems->setModel(m_model);
    delete old;
    ConfigureColumns();

    ui->lineEditBarCode->clear();
    if (!ui->checkOnAllItems->isChecked())
        ui->lineEditDiscount->setText(QStringLiteral("0"));
    ui->lineEditItems->setText(QStringLiteral("1"));
    ui->lineEditSubItems->setText(QStringLiteral("0"));

    ui->pushButtonPay->setEnabled(false);
    m_saleState = NoLines;
    ResetTotalsDisplay();
    ui->pushPrint->setEnabled(true);
    ui->pushPrintPreview->setEnabled(true);
    SetFocusOnBarCode();
}

void CPOS::ShowTotals()
{
    SetTextIfChanged(ui->lineEditTotal, MoneyText(m_sums.GrandTotal()));
    SetTextIfChanged(ui->lineEditTax, MoneyText(m_sums.TaxTotal()));
}

PendingSales& CPOS::Store()
{
    // A connection closed and opened again (another store chosen, a failed write) needs a store
    // on the new one.
    if (!m_pending || !m_pending->IsOpen())
        m_pending.reset(new PendingSales(CDBManager::GetInstance()->GetInventoryDataBase()));
    return *m_pending;
}

void CPOS::ShowSale(const PendingSale& sale)
{
    m_pendingSaleId = sale.id;
    m_lines = sale.lines;
    for (int row = 0; row < m_lines.size(); ++row) {
        QStringList texts = m_lines.at(row).texts;
        texts[CItemTransactionsModel::ColIndex] = QString::number(row);
        m_model->AppendRow(texts);
        FitColumnsToRow(row);
    }
    ui->tableViewItems->scrollToBottom();
    m_sums = sale.Sums();
    ShowTotals();
    RestoreCustomer(sale.customerId);
    if (!m_lines.isEmpty()) {
        ui->pushButtonPay->setEnabled(true);
        m_saleState = PaymentPending;
    }
    SetFocusOnBarCode();
}

void CPOS::RestoreCustomer(const QString& customerId)
{
    m_customer.Clear();
    if (!customerId.isEmpty()) {
        QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
        query.prepare(QStringLiteral("SELECT ID, NAME, ADDRESS, EMAIL, CONTACT_NUMBER FROM "
                                     "tblCustomers WHERE ID = ?"));
        query.addBindValue(customerId);
        if (query.exec() && query.next()) {
            m_customer.id = query.value(0).toString();
            m_customer.name = query.value(1).toString();
            m_customer.address = query.value(2).toString();
            m_customer.email = query.value(3).toString();
            m_customer.contact = query.value(4).toString();
        }
    }
    ui->pushCustomers->setChecked(!m_customer.id.isEmpty());
}

void CPOS::OfferPendingSale()
{
    QList<PendingSale> sales = Store().OnTill();
    if (sales.isEmpty())
        return;
    // One sale fits the screen: any other left on the till (by a second copy of the program,
    // say) is held, so that RECALL offers it; nothing is voided without a question.
    const PendingSale sale = sales.takeFirst();
    for (const PendingSale& other : qAsConst(sales))
        Store().Park(other.id);

    const QString total =
        (m_currencySymbol.isEmpty() ? QString() : m_currencySymbol + QChar(0x00A0)) +
        MoneyText(sale.Sums().GrandTotal());
    const QString started =
        sale.started.toString(Utility::GetInstance()->GetDateFormat() + QStringLiteral(" hh:mm"));
    QMessageBox box(
        QMessageBox::Question, tr("Unpaid Sale"),
        tr("A sale was left unpaid: %1, total %2, started %3.")
            .arg(sale.lines.size() == 1 ? tr("1 line") : tr("%1 lines").arg(sale.lines.size()),
                 total, started),
        QMessageBox::NoButton, window());
    box.setInformativeText(tr("Resume it to take the payment, or void it to give its stock back "
                              "to the inventory."));
    //: button: go on with the unpaid sale
    QPushButton* resume = box.addButton(tr("Resume"), QMessageBox::AcceptRole);
    //: button: cancel the unpaid sale and give its stock back
    QPushButton* voidSale = box.addButton(tr("Void"), QMessageBox::DestructiveRole);
    box.setDefaultButton(resume);
    // Escape loses nothing: the sale comes back.
    box.setEscapeButton(resume);
    box.exec();

    if (box.clickedButton() == voidSale) {
        const QString refusal =
            Store().VoidSale(sale.id, Utility::GetInstance()->GetLoggedInUser());
        if (refusal.isEmpty()) {
            SetFocusOnBarCode();
            return;
        }
        // Not voided as a whole: it comes back so that its lines can be voided or paid.
        ShowSale(sale);
        ShowStatusMessage(refusal);
        return;
    }
    ShowSale(sale);
}

void CPOS::on_pushVoid_clicked()
{
    ClearStatus();
    if (m_saleState != PaymentPending || m_lines.isEmpty()) {
        ShowStatusMessage(tr("There is no unpaid line to void."));
        SetFocusOnBarCode();
        return;
    }
    const QModelIndexList selected = ui->tableViewItems->selectionModel()->selectedRows();
    // A line rung up by mistake is most often the last one.
    const int row = selected.isEmpty() ? m_lines.size() - 1 : selected.first().row();
    const QString question = tr("Void line %1: %2, %3 x %4, line total %5? Its stock is put back.")
                                 .arg(m_model->Text(row, CItemTransactionsModel::ColIndex),
                                      m_model->Text(row, CItemTransactionsModel::ColName),
                                      m_model->Text(row, CItemTransactionsModel::ColItems),
                                      m_model->Text(row, CItemTransactionsModel::ColPrice),
                                      m_model->Text(row, CItemTransactionsModel::ColLineTotal));
    if (QMessageBox::question(window(), tr("Void Line"), question,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
        SetFocusOnBarCode();
        return;
    }
    const QString refusal =
        Store().VoidLine(m_lines.at(row).id, row, Utility::GetInstance()->GetLoggedInUser());
    if (!refusal.isEmpty()) {
        ShowStatusMessage(refusal);
        SetFocusOnBarCode();
        return;
    }
    RemoveLineFromSums(m_sums, m_lines.at(row).Price());
    m_lines.removeAt(row);
    m_model->RemoveRow(row);
    ui->tableViewItems->clearSelection();
    ShowTotals();
    if (m_lines.isEmpty()) {
        // Nothing left to pay; the next item continues the same sale and its void record.
        ui->pushButtonPay->setEnabled(false);
        m_saleState = NoLines;
    }
    SetFocusOnBarCode();
}

void CPOS::on_pushHold_clicked()
{
    ClearStatus();
    if (m_saleState != PaymentPending || m_pendingSaleId < 0) {
        ShowStatusMessage(tr("There is no unpaid sale to hold."));
        SetFocusOnBarCode();
        return;
    }
    if (!Store().Park(m_pendingSaleId)) {
        ShowStatusMessage(tr("The sale could not be held."));
        SetFocusOnBarCode();
        return;
    }
    m_pendingSaleId = -1;
    StartNewSale();
}

void CPOS::on_pushRecall_clicked()
{
    ClearStatus();
    const QList<PendingSale> held = Store().Held();
    if (held.isEmpty()) {
        ShowStatusMessage(tr("There is no held sale to recall."));
        SetFocusOnBarCode();
        return;
    }
    const bool holdsCurrent = m_saleState == PaymentPending;
    HeldSalesDialog dialog(window(), held, m_currencySymbol, holdsCurrent);
    dialog.exec();
    const qint64 chosen = dialog.ChosenSale();
    if (chosen < 0) {
        SetFocusOnBarCode();
        return;
    }
    if (holdsCurrent) {
        if (!Store().Park(m_pendingSaleId)) {
            ShowStatusMessage(tr("The sale could not be held."));
            SetFocusOnBarCode();
            return;
        }
        m_pendingSaleId = -1;
    }
    StartNewSale();
    if (!Store().Unpark(chosen)) {
        ShowStatusMessage(tr("The held sale could not be recalled."));
        return;
    }
    ShowSale(Store().Load(chosen));
}

void CPOS::on_pushButtonPay_clicked()
{
    ClearStatus();
    // PAY is enabled only while a sale waits for payment; a sale is stored at most once.
    if (m_saleState != PaymentPending)
        return;

    const PaymentCheck payment = CheckPayment(ui->lineEditPaid->text(), m_sums.GrandTotal());
    if (!payment.refusal.isEmpty()) {
        ShowStatusMessage(payment.refusal);
        return;
    }
    ui->lineEditChange->setText(MoneyText(payment.change));

    SaleRecord sale;
    sale.userId = Utility::GetInstance()->GetLoggedInUser();
    sale.customer = m_customer.name.isEmpty() ? QStringLiteral("NOT SELECTED") : m_customer.name;
    sale.timeStamp = QDateTime::currentDateTime();
    sale.grandTotal = m_sums.GrandTotal();
    sale.paid = payment.paid;
    sale.change = payment.change;
    sale.lines = SaleLinesOf(m_lines);

    // The sale and its lines are stored, and its pending records cleared, together or not at
    // all, so after a failure the cashier can simply press PAY again. A file deleted or replaced
    // since the last item is found before the sale is written into it; a failed write turns the
    // status red until the next attempt reopens the database.
    CDBManager* manager = CDBManager::GetInstance();
    const bool storable = manager->CheckSalesDataBase();
    const StoredSale stored =
        storable ? Store().Pay(m_pendingSaleId, sale, CDBManager::SalesDataBasePath())
                 : StoredSale();
    if (!storable || !stored.Ok()) {
        if (storable)
            manager->ReportWriteFailure(false);
        ShowStatusMessage(storable && stored.failure == StoredSale::Failure::Line
                              ? tr("Error occurred while logging invoice information")
                              : tr("Error occurred while logging payment information"));
        SetFocusOnBarCode();
        return;
    }

    m_transactionId = QString::number(stored.id);
    m_pendingSaleId = -1;
    m_lines.clear();
    m_saleState = Paid;
    ui->pushButtonPay->setEnabled(false);
    ui->pushPrint->setEnabled(true);
    ui->pushPrintPreview->setEnabled(true);
    SetFocusOnBarCode();
}

void CPOS::on_pushButtonClose_clicked()
{
    QWidget* host = window();
    if (m_saleState == PaymentPending) {
        QMessageBox box(
            QMessageBox::Question, tr("Close POS?"),
            tr("Payment is pending! If you close without payment, sales and inventory will not "
               "be in consistent state. Do you still want to close POS?"),
            QMessageBox::Yes | QMessageBox::No, host);
        // The sale is kept with its stock: it is not lost, only not paid yet.
        box.button(QMessageBox::Yes)->setText(tr("Yes, keep it for later"));
        box.setInformativeText(tr("The unpaid sale keeps its stock and is offered again when the "
                                  "till opens."));
        if (box.exec() != QMessageBox::Yes)
            return;
    } else if (m_pendingSaleId >= 0) {
        Store().DropIfEmpty(m_pendingSaleId);
    }
    host->close();
}

void CPOS::on_checkReturnMode_toggled(bool checked)
{
    if (checked) {
        ErrorDialog notice(
            QStringLiteral("err_msg_4"), tr("Return Mode"),
            tr("Now the system is in \"Items Return\" mode. On performing any sale, items will be "
               "added back to inventory. Please press it again to return to Normal mode. "),
            this);
        notice.exec();
    }
    SetFocusOnBarCode();
}

void CPOS::on_checkOnAllItems_toggled(bool checked)
{
    if (checked) {
        ErrorDialog notice(
            QStringLiteral("err_msg_3"), tr("Discount on All Items"),
            tr("Please make sure the check box is checked. Specail discount will be calculated on "
               "all items being sold. If there is any discount already set on the inventory, that "
               "will be overwritten by this value. Please press it again to disable this "
               "function."),
            this);
        notice.exec();
    }
    SetFocusOnBarCode();
}

void CPOS::on_checkOnAllItems_pressed() {}

void CPOS::on_checkOnAllItems_clicked() {}

void CPOS::on_pushButton_clicked() {}

void CPOS::on_pushCustomers_clicked()
{
    auto* customers = new ManageCustomers(this, true);
    customers->setModal(true);
    customers->exec();

    m_customer.Clear();
    customers->GetSelectedCustomer(m_customer.id, m_customer.name, m_customer.address,
                                   m_customer.email, m_customer.contact);
    delete customers;

    if (!m_customer.id.isEmpty()) {
        ErrorDialog notice(
            QStringLiteral("err_msg_11"), tr("Select Customer"),
            tr("Customer has been selected. Customer data will be printed on the large sales "
               "receipt and stored in database. Please press this button again to select another "
               "customer or deselect existing customer. Existing customer can be deselected by "
               "pressing Customers buttons, and then closing the Customers Dialog without "
               "selecting any customer."),
            this);
        notice.exec();
        ui->pushCustomers->setChecked(true);
    } else {
        ui->pushCustomers->setChecked(false);
    }
    if (m_pendingSaleId >= 0)
        Store().SetCustomer(m_pendingSaleId, m_customer.id);
    SetFocusOnBarCode();
}

void CPOS::on_pushSales_clicked()
{
    ShowSalesHistoryDialog(window());
    SetFocusOnBarCode();
}

void CPOS::on_pushHelpShortCutKeys_clicked()
{
    const QString text =
        tr("HELP TIP: Please hover mouse over different items, after few seconds tooltips will "
           "appear.\n\n"
           "Various keys on your keyboard are assigned to different functions on this screen. "
           "These are called shortcut keys.\n\n"
           "F1     ->   Help on point of sale screen.\n"
           "F2     ->   Reset all and start new sale.\n"
           "F3     ->   Print receipt.\n"
           "F4     ->   Show print preview of receipt.\n"
           "F5     ->   Shortcut to Pay button. After entering amount in PAID box, press this "
           "button.\n"
           "F6     ->   Shortcut to Return button. Press this to return items back to inventory.\n"
           "F7     ->   Shortcut to Search button. Press this to search for products and "
           "inventory levels.\n"
           "F8     ->   Shortcut to Sales button. Press this for viewing and searching sales.\n"
           "F9     ->   Shortcut to Customers button. Press this for selecting and editing "
           "customer.\n"
           "F10    ->   Shortcut to Enter button. Press this after entering barcode.\n"
           "F11    ->   Shortcut to Show All button.\n"
           "F12    ->   Set focus directly to PAID box for entering amount.\n"
           "Shift+F2  ->   Hold button. Keeps the unpaid sale for later and starts a new one.\n"
           "Shift+F3  ->   Recall button. Brings a held sale back.\n"
           "Shift+F6  ->   Void button (or Delete). Removes the selected line, or the last one, "
           "and puts its stock back.\n"
           "PgUp  ->   Shortcut to Next button.\n"
           "PgDn  ->   Shortcut to Previous button.");
    ErrorDialog help(QString(), tr("Shortcut Keys Help"), text, this, true);
    help.resize(800, 400);
    help.exec();
    SetFocusOnBarCode();
}

// ---------------------------------------------------------------------------------------------
// Receipts

SmallReceiptData CPOS::SmallReceipt() const
{
    SmallReceiptData data;
    data.companyName = m_companyName;
    data.companyAddress = m_companyAddress;
    data.companyContact = m_companyContact;
    data.logo = m_logo;
    data.printLogo = m_printLogo;
    data.logoSize = m_logoSize;
    data.transactionId = m_transactionId;
    data.dateTime = QDateTime::currentDateTime();
    data.currencySymbol = m_currencySymbol;
    data.taxEnabled = m_taxEnabled;
    data.taxName = m_taxName;
    data.subItemsMode = m_subItemsMode;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStringList line;
        for (int column = 0; column < CItemTransactionsModel::ColumnCount; ++column)
            line << m_model->Text(row, column);
        data.lines << line;
    }
    data.grandTotalText = ui->lineEditTotal->text();
    data.taxTotalText = ui->lineEditTax->text();
    data.paidText = ui->lineEditPaid->text();
    data.changeText = ui->lineEditChange->text();
    data.discountTotal = m_sums.discountTotal;
    return data;
}

void CPOS::on_pushPrint_clicked()
{
    if (Utility::GetInstance()->ReadInt(QString::fromLatin1(SettingKey::SMALL_RECEIPT)) == 1)
        PrintSmallReceipt(false);
    else
        printReport(false);
    SetFocusOnBarCode();
}

void CPOS::on_pushPrintPreview_clicked()
{
    if (Utility::GetInstance()->ReadInt(QString::fromLatin1(SettingKey::SMALL_RECEIPT)) == 1)
        PrintSmallReceipt(true);
    else
        printReport(true);
    SetFocusOnBarCode();
}

void CPOS::PrintSmallReceipt(bool preview)
{
    const PrintRoute route = RouteFor(PrintJob::SmallReceipt);
    if (route.toPdf) {
        ErrorDialog notice(
            QStringLiteral("err_msg_1"), tr("Print to PDF"),
            tr("Please change Receipt/Ticket Printer settings from Settings dialog. Currently it "
               "is "
               "configured to print to PDF file. Please make sure Adobe Reader is installed, which "
               "is required to view the PDF receipt."),
            this);
        notice.exec();
    }
    if (route.toPdf || preview) {
        // A preview of the till ticket is the PDF file itself.
        const QString path = PrintPdfPath();
        if (PrintSmallReceiptToPdf(SmallReceipt(), path))
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        return;
    }

    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPrinterName(route.printerName);
    ApplySmallReceiptPaper(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    PaintSmallReceipt(painter, printer, SmallReceipt());
    painter.end();
}

void CPOS::printReport(bool preview)
{
    QString path;
    if (m_subItemsMode)
        path = m_taxEnabled ? QStringLiteral(":/xml/reports/sales_receipt.xml")
                            : QStringLiteral(":/xml/reports/sales_receipt_no_tax.xml");
    else
        path = m_taxEnabled ? QStringLiteral(":/xml/reports/sales_receipt_no_subitems.xml")
                            : QStringLiteral(":/xml/reports/sales_receipt_no_subitems_no_tax.xml");

    auto* report = new ReportEngine(this);
    report->rowCounts.append(m_model->rowCount());
    if (!report->openTemplate(path))
        qDebug() << "Report's file not found";
    connect(report, &ReportEngine::setValue, this, &CPOS::setValue);
    connect(report, &ReportEngine::setValueImage, this, &CPOS::setValueImage);

    if (preview)
        report->openPreview(window());
    else
        report->printToTarget(false);
    delete report;
}

void CPOS::setValue(int& recNo, QString& paramName, QVariant& paramValue, int reportPage)
{
    Q_UNUSED(reportPage)
    static const QHash<QString, int> rowColumns = {
        {QStringLiteral("SN"), CItemTransactionsModel::ColIndex},
        {QStringLiteral("Product"), CItemTransactionsModel::ColName},
        {QStringLiteral("Items"), CItemTransactionsModel::ColItems},
        {QStringLiteral("SubItems"), CItemTransactionsModel::ColSubItems},
        {QStringLiteral("Price/Item"), CItemTransactionsModel::ColPrice},
        {QStringLiteral("Discount"), CItemTransactionsModel::ColDiscount},
        {QStringLiteral("Total"), CItemTransactionsModel::ColLineTotal},
    };
    const auto column = rowColumns.constFind(paramName);
    if (column != rowColumns.constEnd()) {
        paramValue = m_model->index(recNo, column.value()).data(Qt::DisplayRole).toString();
        return;
    }

    const auto money = [this](const QString& text) {
        return m_currencySymbol + QLatin1Char(' ') + text;
    };
    if (paramName == QLatin1String("company_name"))
        paramValue = m_companyName;
    else if (paramName == QLatin1String("company_address"))
        paramValue = m_companyAddress;
    else if (paramName == QLatin1String("company_contact"))
        paramValue = m_companyContact;
    else if (paramName == QLatin1String("report_message"))
        paramValue = QString();
    else if (paramName == QLatin1String("receipt"))
        paramValue = m_transactionId;
    else if (paramName == QLatin1String("date"))
        paramValue =
            QDateTime::currentDateTime().toString(QStringLiteral("dddd, d MMMM yy hh:mm:ss"));
    else if (paramName == QLatin1String("tax"))
        paramValue = money(ui->lineEditTax->text());
    else if (paramName == QLatin1String("sub_total"))
        paramValue = money(MoneyText(m_sums.GrandTotal() - m_sums.TaxTotal()));
    else if (paramName == QLatin1String("grand_total"))
        paramValue = money(ui->lineEditTotal->text());
    else if (paramName == QLatin1String("paid"))
        paramValue = money(ui->lineEditPaid->text());
    else if (paramName == QLatin1String("change"))
        paramValue = money(ui->lineEditChange->text());
    else if (paramName == QLatin1String("Tax_Name"))
        paramValue = m_taxName;
    else if (paramName == QLatin1String("customer_name"))
        paramValue = m_customer.name;
    else if (paramName == QLatin1String("customer_address"))
        paramValue = m_customer.address;
    else if (paramName == QLatin1String("customer_contact"))
        paramValue = m_customer.contact;
}

void CPOS::setValueImage(int& recNo, QString& paramName, QImage& image, int reportPage)
{
    Q_UNUSED(recNo)
    Q_UNUSED(reportPage)
    if (paramName == QLatin1String("image"))
        image = m_logo;
}

// ---------------------------------------------------------------------------------------------
// Product buttons

void CPOS::InitializePosButtons()
{
    ui->comboCategory->setCurrentIndex(-1);
    m_pages.SetButtons(LoadPosButtons(CDBManager::GetInstance()->GetInventoryDataBase()));
    ShowPage();
}

void CPOS::ShowPage()
{
    ShowPosButtons(ui->gridLayoutPosButtons, this, m_pages.CurrentPage(), m_pages.Rows(),
                   m_pages.Columns(), [this](CPosButton* button) {
                       ui->lineEditBarCode->setText(button->GetBarCode());
                       EnterItem();
                   });
    // The keyboard focus stays in the barcode field for the scanner, and no product button may
    // pass for the dialog's default button.
    const auto buttons = ui->pos_buttons_frame->findChildren<CPosButton*>();
    for (CPosButton* button : buttons) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
    }
    ui->labelFavPages->setText(m_pages.Caption());
}

void CPOS::on_comboCategory_currentIndexChanged(QString arg1)
{
    Q_UNUSED(arg1)
    const int index = ui->comboCategory->currentIndex();
    if (index == -1)
        return;
    m_pages.SelectCategory(m_categoryModel->record(index).value(0).toInt());
    ShowPage();
    SetFocusOnBarCode();
}

void CPOS::on_pushFavPages_clicked()
{
    m_pages.ShowAll();
    ShowPage();
    ui->comboCategory->setCurrentIndex(-1);
}

void CPOS::on_nextButton_clicked()
{
    if (m_pages.Next())
        ShowPage();
}

void CPOS::on_previousButton_clicked()
{
    if (m_pages.Previous())
        ShowPage();
}
