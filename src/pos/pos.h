#ifndef POS_H
#define POS_H

#include "core/pendingsales.h"
#include "core/salepricing.h"
#include "core/salestore.h"
#include "pos/posbuttons.h"
#include "pos/smallreceipt.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QScrollArea>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class CItemTransactionsModel;
class QSqlTableModel;
class QTimer;

namespace Ui {
class CPOS;
}

// The customer attached to the sale with the CUSTOMERS button.
struct SelectedCustomer
{
    QString id;
    QString name;
    QString address;
    QString email;
    QString contact;

    void Clear() { *this = SelectedCustomer(); }
};

// The sales screen: entry of items by barcode or product button, the lines and totals of the
// sale, payment, and the function bar. Hosted full screen by QPOSDialog.
class CPOS : public QScrollArea
{
    Q_OBJECT

public:
    enum SaleState
    {
        NoLines = 0,
        PaymentPending = 1,
        Paid = 2
    };

    explicit CPOS(QWidget* parent = nullptr);
    ~CPOS() override;

    // Shows a refusal or notice in the status line, blinking for five seconds.
    void ShowStatusMessage(const QString& text);
    // "0" in the four totals boxes.
    void ResetTotalsDisplay();
    void InitializePosButtons();

    // The sale, for the receipts.
    CItemTransactionsModel* GetModel() const { return m_model; }
    const SaleSums& GetSums() const { return m_sums; }
    Money GetGrandTotal() const { return m_sums.GrandTotal(); }
    Money GetTaxTotal() const { return m_sums.TaxTotal(); }
    Money GetDiscountTotal() const { return m_sums.discountTotal; }
    int GetSaleState() const { return m_saleState; }
    QString GetTransactionId() const { return m_transactionId; }
    const SelectedCustomer& GetSelectedCustomer() const { return m_customer; }
    bool IsTaxEnabled() const { return m_taxEnabled; }
    bool IsSubItemsMode() const { return m_subItemsMode; }
    QString GetCurrencySymbol() const { return m_currencySymbol; }
    QString GetTaxName() const { return m_taxName; }
    QString GetCompanyName() const { return m_companyName; }
    QString GetCompanyAddress() const { return m_companyAddress; }
    QString GetCompanyContact() const { return m_companyContact; }
    QString GetLogoPath() const { return m_logoPath; }
    const QImage& GetLogoImage() const { return m_logo; }
    bool IsPrintLogo() const { return m_printLogo; }
    int GetLogoSize() const { return m_logoSize; }
    const PosButtonPages& GetButtonPages() const { return m_pages; }
    // The sale on the screen as the till receipt prints it, dated now.
    SmallReceiptData SmallReceipt() const;

protected Q_SLOTS:
    void keyPressEvent(QKeyEvent* event) override;

public Q_SLOTS:
    void on_lineEditBarCode_returnPressed();
    void on_pushPrint_clicked();
    void on_pushButtonPay_clicked();
    void on_pushButtonClose_clicked();
    void OnProductSeleted(QString& image_file);
    void on_pushButtonLookUp_clicked();
    void on_pushEnter_clicked();
    void on_pushNew_clicked();
    void OnStatusWatchDogTimeout();
    void OnBlinkingTimeout();
    void printReport(bool preview);
    void setValue(int& recNo, QString& paramName, QVariant& paramValue, int reportPage);
    void setValueImage(int& recNo, QString& paramName, QImage& image, int reportPage);
    void on_pushPrintPreview_clicked();
    void PosButtonClicked();
    void on_comboCategory_currentIndexChanged(QString arg1);
    void on_pushFavPages_clicked();
    void on_nextButton_clicked();
    void on_previousButton_clicked();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void on_checkOnAllItems_pressed();
    void on_checkOnAllItems_toggled(bool checked);
    void on_checkReturnMode_toggled(bool checked);
    void on_pushButton_clicked();
    void on_pushSales_clicked();
    void on_pushCustomers_clicked();
    void on_checkOnAllItems_clicked();
    void SetFocusOnBarCode();
    void on_pushHelpShortCutKeys_clicked();
    // Voids the selected line (the last one when none is selected) after a confirmation.
    void on_pushVoid_clicked();
    // Holds the unpaid sale and starts a new one.
    void on_pushHold_clicked();
    // Lists the held sales and brings the chosen one back.
    void on_pushRecall_clicked();
    // When the till opens on a sale that was left unpaid: resume it or void it.
    void OfferPendingSale();

private:
    void ReadSettings();
    void ClearStatus();
    void SetUpTable();
    // Hides the columns that are never shown (and Sub Items outside sub-items mode) and gives
    // the others their header widths; needed again whenever the view gets a new model.
    void ConfigureColumns();
    // Widens the columns that the new line's texts do not fit.
    void FitColumnsToRow(int row);
    bool ValidateEntryFields();
    // Shows why an entry was refused and selects the barcode.
    void RefuseEntry(const QString& text);
    // The steps shared by Return, ENTER/F10 and the product buttons.
    void EnterItem();
    // Binds and runs one of the entry's statements, preparing it when needed; the statement is
    // active afterwards when it ran.
    QSqlQuery& RunPrepared(std::unique_ptr<QSqlQuery>& statement, const char* sql,
                           const std::function<void(QSqlQuery&)>& bind);
    void ShowPage();
    // The store of the unpaid sales, on the inventory connection of the moment.
    PendingSales& Store();
    // Clears the screen for a new sale (the checks of NEW are the caller's).
    void StartNewSale();
    // Puts a pending sale on the empty screen, ready to pay.
    void ShowSale(const PendingSale& sale);
    void ShowTotals();
    // Selects the customer with that tblCustomers ID again (none when empty or gone).
    void RestoreCustomer(const QString& customerId);
    // The till receipt: to the receipt printer, or to the PDF file that is then opened.
    void PrintSmallReceipt(bool preview);

    Ui::CPOS* ui;
    CItemTransactionsModel* m_model = nullptr;
    QSqlTableModel* m_categoryModel = nullptr;
    std::unique_ptr<QSqlQuery> m_lookUp;
    std::unique_ptr<PendingSales> m_pending;
    int m_cellMargin = -1; // delegate margins of a table cell, measured with the first line
    int m_widestNumberChar = -1;
    QHash<QString, int> m_textWidths;

    SaleSums m_sums;
    int m_saleState = NoLines;
    QString m_transactionId;
    SelectedCustomer m_customer;
    // The unpaid sale in the store (-1 before its first line) and its lines, row by row.
    qint64 m_pendingSaleId = -1;
    QList<PendingLine> m_lines;

    bool m_taxEnabled = true;
    bool m_subItemsMode = false;
    QString m_currencySymbol;
    QString m_taxName;
    QString m_companyName;
    QString m_companyAddress;
    QString m_companyContact;
    QString m_logoPath;
    QImage m_logo;
    bool m_printLogo = true;
    int m_logoSize = 10;

    PosButtonPages m_pages;

    QFont m_statusFont; // the status line's font for a message of one line
    QTimer* m_blinkTimer = nullptr;
    QTimer* m_watchdogTimer = nullptr;
    // One blink phase for every screen, kept from one message to the next.
    static bool s_blinkRed;
};

#endif // POS_H
