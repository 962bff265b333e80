// Receipts printed to a real CUPS print queue that writes PDF files (cups-pdf).
//
// `make test` runs scripts/setup-print-queue.sh, which starts the CUPS scheduler and adds the PDF
// queue, and exports MERCHORA_CUPS_QUEUE=<queue name> only when that worked. Without the variable
// every case here is skipped (a machine without CUPS or without root rights still passes). With
// it, a queue that Qt does not list or a PDF that does not arrive within a minute is a failure,
// so a broken set-up in CI cannot pass unnoticed.
//
// cups-pdf writes into the "Out" folder of /etc/cups/cups-pdf.conf, where ${HOME} is the home
// folder of the submitting user in the password database, not the temporary HOME of this test.

#include "modaldialoghandler.h"
#include "pdftools.h"
#include "salesscreenhost.h"
#include "storebuilder.h"
#include "testenvironment.h"
#include "urlcatcher.h"

#include "core/itemtransactionsmodel.h"
#include "core/utility.h"
#include "pos/pos.h"
#include "reporting/printersettings.h"
#include "widgets/qposdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QUrl>

#include <memory>

#include <pwd.h>
#include <unistd.h>

namespace {

QSettings* settings()
{
    return Utility::GetInstance()->GetSettings();
}

// lpstat's answer, untranslated (its messages are matched) and with its errors for diagnostics.
QString lpstat(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("lpstat"), arguments);
    if (!process.waitForFinished(30000))
        return QStringLiteral("lpstat did not finish");
    return QString::fromLocal8Bit(process.readAll());
}

// The folder where cups-pdf puts the files of the user running this test.
QString cupsPdfOutFolder()
{
    QString folder = QStringLiteral("/var/spool/cups-pdf/${USER}"); // its built-in default
    QFile config(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (config.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QRegularExpression outKey(QStringLiteral("^Out\\s+(\\S.*)$"));
        while (!config.atEnd()) {
            const auto match = outKey.match(QString::fromLocal8Bit(config.readLine()).trimmed());
            if (match.hasMatch())
                folder = match.captured(1).trimmed();
        }
    }
    const passwd* user = getpwuid(getuid());
    if (user) {
        folder.replace(QLatin1String("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
        folder.replace(QLatin1String("${USER}"), QString::fromLocal8Bit(user->pw_name));
    }
    return QDir::cleanPath(folder);
}

} // namespace

class CupsPrintTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void panelListsAndSavesQueue();
    void printsReceiptToQueue_data();
    void printsReceiptToQueue();

private:
    void chooseQueueInPanel();
    void openPaidSale();
    QSet<int> jobIds() const;
    QString waitForJobPdf(int job);

    QString m_queue;
    QString m_outFolder;
    QStringList m_created;
    TestSupport::ModalDialogHandler m_dialogs;
    TestSupport::UrlCatcher m_opened;
    TestSupport::ReceiptShop m_shop;
    QPOSDialog* m_host = nullptr;
    CPOS* m_pos = nullptr;
};

void CupsPrintTest::initTestCase()
{
    m_queue = qEnvironmentVariable("MERCHORA_CUPS_QUEUE");
    if (m_queue.isEmpty())
        QSKIP("MERCHORA_CUPS_QUEUE is not set: no CUPS PDF queue was set up on this machine "
              "(make test sets it when scripts/setup-print-queue.sh succeeds)");
    QVERIFY2(QPrinterInfo::availablePrinterNames().contains(m_queue),
             qPrintable(QStringLiteral("queue %1 is not listed; installed: %2; lpstat says:\n%3")
                            .arg(m_queue,
                                 QPrinterInfo::availablePrinterNames().join(QStringLiteral(", ")),
                                 lpstat({QStringLiteral("-t")}))));
    m_outFolder = cupsPdfOutFolder();
}

void CupsPrintTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
    m_opened.start();

    QVERIFY(m_shop.open(QStringLiteral("cp")));
}

void CupsPrintTest::cleanup()
{
    m_opened.stop();
    delete m_host;
    m_host = nullptr;
    m_pos = nullptr;
    TestSupport::resetDatabases();
    m_shop.close();
    for (const QString& path : qAsConst(m_created))
        QFile::remove(path);
    m_created.clear();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

// The way a user picks the queue: in the printer settings, then save.
void CupsPrintTest::chooseQueueInPanel()
{
    PrinterSettings panel;
    auto* receipt = panel.findChild<QComboBox*>(QStringLiteral("comboReceiptPrinter"));
    receipt->setCurrentIndex(receipt->findText(m_queue));
    panel.findChild<QCheckBox*>(QStringLiteral("checkReceiptPrintToPDF"))->setChecked(false);
    panel.Save();
}

void CupsPrintTest::panelListsAndSavesQueue()
{
    {
        PrinterSettings panel;
        for (const char* name : {"comboReceiptPrinter", "comboReportPrinter"})
            QVERIFY2(panel.findChild<QComboBox*>(QLatin1String(name))->findText(m_queue) >= 0,
                     name);

        const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            panel.findChild<QComboBox*>(QStringLiteral("comboReceiptPrinter"))
                ->setCurrentText(m_queue);
            panel.resize(720, 520);
            panel.show();
            QVERIFY(QTest::qWaitForWindowExposed(&panel));
            QDir().mkpath(folder);
            QVERIFY(panel.grab().save(folder + QStringLiteral("/printersettings-cups.png")));
        }
    }

    chooseQueueInPanel();
    settings()->sync();
    QCOMPARE(Utility::GetInstance()->ReadString(QStringLiteral("receiptPrinter")), m_queue);
    QCOMPARE(Utility::GetInstance()->ReadBool(QStringLiteral("ReceiptPrintToPDF")), false);
}

void CupsPrintTest::openPaidSale()
{
    m_host = TestSupport::openSalesScreen(&m_pos);
    QVERIFY(TestSupport::PayTeaAndJuice(m_pos));
}

// The numbers of all jobs the queue has had, finished ones included.
QSet<int> CupsPrintTest::jobIds() const
{
    QSet<int> ids;
    const QRegularExpression job(
        QStringLiteral("^%1-(\\d+)\\s").arg(QRegularExpression::escape(m_queue)),
        QRegularExpression::MultilineOption);
    auto match = job.globalMatch(
        lpstat({QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), m_queue}));
    while (match.hasNext())
        ids.insert(match.next().captured(1).toInt());
    return ids;
}

// The PDF file of a job, once the job is done; empty after a minute. The queue's driver labels
// each file with its job number, and runs Ghostscript for it, so this takes a few seconds.
QString CupsPrintTest::waitForJobPdf(int job)
{
    const QString suffix = QStringLiteral("-job_%1.pdf").arg(job);
    const QRegularExpression pending(
        QStringLiteral("^%1-%2\\s").arg(QRegularExpression::escape(m_queue)).arg(job),
        QRegularExpression::MultilineOption);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        QTest::qWait(250);
        if (pending.match(lpstat({QStringLiteral("-o"), m_queue})).hasMatch())
            continue;
        const QDir folder(m_outFolder);
        for (const QString& name : folder.entryList({QLatin1Char('*') + suffix}, QDir::Files))
            return folder.filePath(name);
    }
    return QString();
}

void CupsPrintTest::printsReceiptToQueue_data()
{
    QTest::addColumn<int>("smallReceipt");
    QTest::addColumn<QSizeF>("paperMm");
    QTest::addColumn<QString>("receiptCaption");
    QTest::addColumn<QStringList>("expected");

    // The panel saves the ticket paper as 57 x 99 mm (the height box stops at 99).
    QTest::newRow("small") << 1 << QSizeF(57, 99) << QStringLiteral("Receipt Nr.: ")
                           << QStringList{QStringLiteral("Green Tea"), QStringLiteral("(2.5) 7.50"),
                                          QStringLiteral("Grand Total: ")};
    QTest::newRow("large") << 0 << QSizeF(210, 297) << QStringLiteral("Receipt Nr : ")
                           << QStringList{QStringLiteral("SALES RECEIPT"),
                                          QStringLiteral("Green Tea"),
                                          QStringLiteral("Orange Juice"), QStringLiteral("7.50")};
}

void CupsPrintTest::printsReceiptToQueue()
{
    QFETCH(int, smallReceipt);
    QFETCH(QSizeF, paperMm);
    QFETCH(QString, receiptCaption);
    QFETCH(QStringList, expected);
    settings()->setValue(QStringLiteral("SMALL_RECEIPT"), smallReceipt);
    chooseQueueInPanel();
    openPaidSale();

    const QSet<int> before = jobIds();
    // No PDF notice may open (the dialog handler would report it) and no file is shown.
    m_pos->on_pushPrint_clicked();
    QVERIFY(m_opened.urls.isEmpty());
    const QList<int> jobs = (jobIds() - before).values();
    QCOMPARE(jobs.size(), 1);

    const QString pdf = waitForJobPdf(jobs.first());
    if (!pdf.isEmpty())
        m_created << pdf;
    QVERIFY2(!pdf.isEmpty(),
             qPrintable(QStringLiteral("no PDF of job %1 in %2; the queue says:\n%3")
                            .arg(jobs.first())
                            .arg(m_outFolder, lpstat({QStringLiteral("-p"), m_queue,
                                                      QStringLiteral("-o"), m_queue}))));

    // The small receipt is painted upside down for a real printer; the queue's Ghostscript marks
    // such pages as turned by 180 degrees, so pdftotext reads them upright.
    const QString text = TestSupport::pdfText(pdf);
    expected << receiptCaption + m_pos->GetTransactionId();
    for (const QString& piece : expected)
        QVERIFY2(text.contains(piece), qPrintable(piece + QLatin1String(" missing in:\n") + text));

    // One page of the chosen paper; the upside-down small receipt comes back turned.
    const QString info = TestSupport::runTool(QStringLiteral("pdfinfo"), {pdf});
    const auto field = [&info](const char* name) {
        return QRegularExpression(QStringLiteral("^%1:\\s+(.*)$").arg(QLatin1String(name)),
                                  QRegularExpression::MultilineOption)
            .match(info)
            .captured(1)
            .trimmed();
    };
    QCOMPARE(field("Pages"), QStringLiteral("1"));
    QCOMPARE(field("Page rot"), QString::number(smallReceipt == 1 ? 180 : 0));
    const QStringList size = field("Page size").split(QLatin1Char(' '));
    QVERIFY2(size.size() >= 3, qPrintable(info));
    const double pointsPerMm = 72 / 25.4;
    QVERIFY2(qAbs(size.at(0).toDouble() - paperMm.width() * pointsPerMm) < 2 &&
                 qAbs(size.at(2).toDouble() - paperMm.height() * pointsPerMm) < 2,
             qPrintable(info));
}

MERCHORA_TEST_MAIN(CupsPrintTest)
#include "tst_cupsprint.moc"
