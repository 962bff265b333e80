#include "modaldialoghandler.h"
#include "testenvironment.h"
#include "urlcatcher.h"

#include "app/aboutdialog.h"
#include "app/versionwebserviceclient.h"
#include "core/utility.h"
#include "widgets/progress.h"

#include <QDir>
#include <QLabel>
#include <QNetworkProxy>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

namespace {

// A one-purpose HTTP server on the loopback address: records each request line and answers it
// with a canned JSON body, hangs up without an answer, or never answers at all.
class LocalVersionServer : public QObject
{
    Q_OBJECT

public:
    enum class Mode
    {
        Answer,
        HangUp,
        Silent
    };

    LocalVersionServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, &LocalVersionServer::accept);
    }

    bool start() { return m_server.listen(QHostAddress::LocalHost, 0); }
    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/api/version").arg(m_server.serverPort()));
    }

    void answer(int status, const QByteArray& body)
    {
        m_mode = Mode::Answer;
        m_status = status;
        m_body = body;
    }
    void setMode(Mode mode) { m_mode = mode; }

    // "METHOD target" of every request received.
    QStringList requests() const { return m_requests; }

    void reset()
    {
        const auto sockets = m_server.findChildren<QTcpSocket*>();
        for (QTcpSocket* socket : sockets)
            socket->abort();
        m_requests.clear();
        answer(200, QByteArray());
    }

private:
    void accept()
    {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void read(QTcpSocket* socket)
    {
        QByteArray buffer = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", buffer);
        if (!buffer.contains("\r\n\r\n"))
            return;
        socket->setProperty("request", QByteArray());
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        m_requests << QString::fromLatin1(requestLine.value(0) + ' ' + requestLine.value(1));

        switch (m_mode) {
        case Mode::Answer: {
            const QByteArray reason = m_status == 200 ? "OK" : "Internal Server Error";
            socket->write("HTTP/1.1 " + QByteArray::number(m_status) + ' ' + reason + "\r\n" +
                          "Content-Type: application/json\r\n" +
                          "Content-Length: " + QByteArray::number(m_body.size()) + "\r\n" +
                          "Connection: close\r\n\r\n" + m_body);
            socket->disconnectFromHost();
            break;
        }
        case Mode::HangUp:
            socket->abort();
            break;
        case Mode::Silent:
            break;
        }
    }

    QTcpServer m_server;
    Mode m_mode = Mode::Answer;
    int m_status = 200;
    QByteArray m_body;
    QStringList m_requests;
};

const char* const kSchemes[] = {"https", "http", "mailto", "file"};

void clickCheckVersion(AboutDialog& dialog)
{
    auto* button = dialog.findChild<QPushButton*>(QStringLiteral("pushCheckVersion"));
    QVERIFY(button);
    button->click();
}

VersionWebServiceClient* clientOf(const AboutDialog& dialog)
{
    return dialog.findChild<VersionWebServiceClient*>();
}

} // namespace

// The about box and the newer-version query against a local stand-in for the version service.
class AboutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void showsProductVersionAndLogo();
    void linksOpenThroughDesktop_data();
    void linksOpenThroughDesktop();
    void queryCarriesVersionAndProduct();
    void answerDecidesMessage_data();
    void answerDecidesMessage();
    void failedQueryClosesProgressSilently_data();
    void failedQueryClosesProgressSilently();
    void transferTimeoutEndsSilentService();
    void closingAboutBoxDuringQueryClosesProgress();
    void secondCheckReusesProgress();
    void screenshots();

private:
    TestSupport::ModalDialogHandler m_dialogs;
    LocalVersionServer m_server;
    TestSupport::UrlCatcher m_catcher;
};

void AboutTest::initTestCase()
{
    // Only the local server is ever asked, whatever proxy the environment names.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_server.start());
}

void AboutTest::init()
{
    TestSupport::resetSettings();
    m_dialogs.finish();
    m_server.reset();
    QStringList schemes;
    for (const char* scheme : kSchemes)
        schemes << QString::fromLatin1(scheme);
    m_catcher.start(schemes);
}

void AboutTest::cleanup()
{
    m_catcher.stop();
    m_server.reset();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

void AboutTest::showsProductVersionAndLogo()
{
    AboutDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("labelTitle"))->text(),
             QStringLiteral("Merchora (Lite) 7.5.0"));

    const QPixmap logo =
        dialog.findChild<QLabel*>(QStringLiteral("labelLogo"))->pixmap(Qt::ReturnByValue);
    QVERIFY(!logo.isNull());
    QVERIFY(logo.width() <= 125 && logo.height() <= 125);
    QCOMPARE(qMax(logo.width(), logo.height()), 125);

    auto* tabs = dialog.findChild<QTabWidget*>();
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Merchora"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Third Party"));

    const QString notice = dialog.findChild<QLabel*>(QStringLiteral("labelThirdParty"))->text();
    QVERIFY(notice.contains(QStringLiteral(
        "<p>This software makes use of Qt libraries under LGPL license. Copy of Qt LGPL license "
        "is provided with the installation.</p>")));
    QVERIFY(notice.startsWith(QStringLiteral("<p>This software")));
}

void AboutTest::linksOpenThroughDesktop_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("linkIndex");
    QTest::addColumn<QUrl>("expected");

    QTest::newRow("e-mail") << "labelEmail" << 0 << QUrl("mailto:support@merchora.example");
    QTest::newRow("web site") << "labelWebSite" << 0 << QUrl("https://www.merchora.example");
    QTest::newRow("social page") << "labelSocial" << 0
                                 << QUrl("https://social.merchora.example/merchora");
    QTest::newRow("Qt LGPL") << "labelThirdParty" << 0 << QUrl("https://doc.qt.io/qt-5/lgpl.html");
    QTest::newRow("Qt licensing") << "labelThirdParty" << 1 << QUrl("https://www.qt.io/licensing/");
}

void AboutTest::linksOpenThroughDesktop()
{
    QFETCH(QString, label);
    QFETCH(int, linkIndex);
    QFETCH(QUrl, expected);

    AboutDialog dialog;
    auto* linkLabel = dialog.findChild<QLabel*>(label);
    QVERIFY(linkLabel);
    QCOMPARE(linkLabel->textFormat(), Qt::RichText);
    QVERIFY(!linkLabel->openExternalLinks());

    // Press the link the label shows, as a click on it would.
    QStringList hrefs;
    auto matches =
        QRegularExpression(QStringLiteral("href=\"([^\"]+)\"")).globalMatch(linkLabel->text());
    while (matches.hasNext())
        hrefs << matches.next().captured(1);
    QVERIFY2(linkIndex < hrefs.size(), qPrintable(linkLabel->text()));
    Q_EMIT linkLabel->linkActivated(hrefs.at(linkIndex));

    QCOMPARE(m_catcher.urls, QList<QUrl>{expected});

    m_catcher.urls.clear();
    dialog.on_HyperLink_clicked(expected.toString());
    QCOMPARE(m_catcher.urls, QList<QUrl>{expected});
}

void AboutTest::queryCarriesVersionAndProduct()
{
    m_server.answer(200, R"({"HasNewerVersion":"NO"})");
    m_dialogs.expectMessageBox(QMessageBox::Ok);

    AboutDialog dialog;
    dialog.SetServiceUrl(m_server.url());
    dialog.CheckVersion();
    VersionWebServiceClient* client = clientOf(dialog);
    QVERIFY(client);
    QSignalSpy finished(client, &VersionWebServiceClient::finished);
    QVERIFY(finished.wait(10000));

    QCOMPARE(m_server.requests().size(), 1);
    const QStringList request = m_server.requests().first().split(QLatin1Char(' '));
    QCOMPARE(request.value(0), QStringLiteral("GET"));
    const QUrl target(QStringLiteral("http://127.0.0.1") + request.value(1));
    QCOMPARE(target.path(), QStringLiteral("/api/version"));
    const QUrlQuery query(target);
    QCOMPARE(query.queryItemValue(QStringLiteral("version")), QStringLiteral("7.5.0"));
    QCOMPARE(query.queryItemValue(QStringLiteral("product")), QStringLiteral("MERCHORA-LITE"));
    QCOMPARE(query.queryItems().size(), 2);
}

void AboutTest::answerDecidesMessage_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("expectBox");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<QUrl>>("opened");

    const QString newer = QStringLiteral(
        "Latest version ( 7.6.0 ) is available for download. Do you want to download it now?");
    const QString upToDate = QStringLiteral("You have a latest version of Merchora (Lite)");
    const QByteArray newerBody = R"({"HasNewerVersion":"YES","NewerVersion":"7.6.0",)"
                                 R"("DownloadURL":"https://www.merchora.example/download"})";
    const QList<QUrl> none;

    QTest::newRow("newer, download")
        << 200 << newerBody << true << int(QMessageBox::Yes) << newer << "New Version"
        << QList<QUrl>{QUrl("https://www.merchora.example/download")};
    QTest::newRow("newer, declined")
        << 200 << newerBody << true << int(QMessageBox::No) << newer << "New Version" << none;
    QTest::newRow("newer without download address")
        << 200 << QByteArray(R"({"HasNewerVersion":"YES","NewerVersion":"7.6.0"})") << true
        << int(QMessageBox::Yes) << newer << "New Version" << none;
    QTest::newRow("download address not on the web")
        << 200
        << QByteArray(R"({"HasNewerVersion":"YES","NewerVersion":"7.6.0",)"
                      R"("DownloadURL":"file:///usr/bin/xterm"})")
        << true << int(QMessageBox::Yes) << newer << "New Version" << none;
    QTest::newRow("newer without its number") << 200 << QByteArray(R"({"HasNewerVersion":"YES"})")
                                              << false << 0 << QString() << QString() << none;
    QTest::newRow("up to date") << 200 << QByteArray(R"({"HasNewerVersion":"NO"})") << true
                                << int(QMessageBox::Ok) << upToDate << "Version Check" << none;
    QTest::newRow("unknown answer")
        << 200 << QByteArray(R"({"HasNewerVersion":"MAYBE","NewerVersion":"9.0.0"})") << true
        << int(QMessageBox::Ok) << upToDate << "Version Check" << none;
    QTest::newRow("no HasNewerVersion")
        << 200 << QByteArray(R"({"NewerVersion":"7.6.0","DownloadURL":"https://x.example"})")
        << false << 0 << QString() << QString() << none;
    QTest::newRow("malformed JSON") << 200 << QByteArray(R"({"HasNewerVersion":"YES",)") << false
                                    << 0 << QString() << QString() << none;
    QTest::newRow("empty body") << 200 << QByteArray() << false << 0 << QString() << QString()
                                << none;
    QTest::newRow("JSON array") << 200 << QByteArray("[" + newerBody + "]") << false << 0
                                << QString() << QString() << none;
    QTest::newRow("server error") << 500 << newerBody << false << 0 << QString() << QString()
                                  << none;
}

void AboutTest::answerDecidesMessage()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, expectBox);
    QFETCH(int, button);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QList<QUrl>, opened);

    m_server.answer(status, body);
    QString shownText;
    QString shownTitle;
    if (expectBox)
        m_dialogs.expectMessageBox(QMessageBox::StandardButton(button), &shownText, &shownTitle);

    AboutDialog dialog;
    dialog.SetServiceUrl(m_server.url());
    clickCheckVersion(dialog);
    Progress* progress = VersionWebServiceClient::SharedProgress();
    QVERIFY(progress->isVisible());
    QCOMPARE(progress->Text(), QStringLiteral("Please wait..."));

    VersionWebServiceClient* client = clientOf(dialog);
    QVERIFY(client);
    QSignalSpy finished(client, &VersionWebServiceClient::finished);
    QVERIFY(finished.wait(10000));

    QVERIFY(!progress->isVisible());
    QCOMPARE(shownText, text);
    QCOMPARE(shownTitle, title);
    QCOMPARE(m_catcher.urls, opened);
    QCOMPARE(m_server.requests().size(), 1);
}

void AboutTest::failedQueryClosesProgressSilently_data()
{
    QTest::addColumn<bool>("refused");

    QTest::newRow("connection refused") << true;
    QTest::newRow("hang-up without answer") << false;
}

void AboutTest::failedQueryClosesProgressSilently()
{
    QFETCH(bool, refused);

    QUrl url = m_server.url();
    if (refused) {
        // A port that was free a moment ago and has no listener now.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        url.setPort(probe.serverPort());
        probe.close();
    } else {
        m_server.setMode(LocalVersionServer::Mode::HangUp);
    }

    AboutDialog dialog;
    dialog.SetServiceUrl(url);
    clickCheckVersion(dialog);
    Progress* progress = VersionWebServiceClient::SharedProgress();
    QVERIFY(progress->isVisible());
    QSignalSpy finished(clientOf(dialog), &VersionWebServiceClient::finished);
    QVERIFY(finished.wait(10000));
    QVERIFY(!progress->isVisible());
    QVERIFY(m_catcher.urls.isEmpty());
    QCOMPARE(m_server.requests().isEmpty(), refused);
}

void AboutTest::transferTimeoutEndsSilentService()
{
    m_server.setMode(LocalVersionServer::Mode::Silent);
    Progress* progress = VersionWebServiceClient::SharedProgress();
    progress->show();

    VersionWebServiceClient client(nullptr, m_server.url());
    client.SetTransferTimeout(300);
    QSignalSpy finished(&client, &VersionWebServiceClient::finished);
    client.CheckVersion();
    QVERIFY(finished.wait(5000));
    QVERIFY(!progress->isVisible());
    QCOMPARE(m_server.requests().size(), 1);
}

void AboutTest::closingAboutBoxDuringQueryClosesProgress()
{
    m_server.setMode(LocalVersionServer::Mode::Silent);
    auto* dialog = new AboutDialog;
    dialog->SetServiceUrl(m_server.url());
    clickCheckVersion(*dialog);
    Progress* progress = VersionWebServiceClient::SharedProgress();
    QVERIFY(progress->isVisible());
    QTRY_COMPARE(m_server.requests().size(), 1);

    // The query dies with the about box; its busy indicator must not stay up for good.
    delete dialog;
    QVERIFY(!progress->isVisible());
    QTest::qWait(50);
}

void AboutTest::secondCheckReusesProgress()
{
    // The busy indicator lives over the main window, and goes away with it.
    QWidget mainWindow;
    Utility::GetInstance()->SetMainWindow(&mainWindow);
    delete VersionWebServiceClient::SharedProgress();

    m_server.answer(200, R"({"HasNewerVersion":"NO"})");
    m_dialogs.expectMessageBox(QMessageBox::Ok);
    m_dialogs.expectMessageBox(QMessageBox::Ok);

    AboutDialog dialog;
    dialog.SetServiceUrl(m_server.url());
    clickCheckVersion(dialog);
    const QPointer<Progress> first = VersionWebServiceClient::SharedProgress();
    QCOMPARE(first->parentWidget(), &mainWindow);
    QSignalSpy finished(clientOf(dialog), &VersionWebServiceClient::finished);
    QVERIFY(finished.wait(10000));
    QVERIFY(!first->isVisible());

    clickCheckVersion(dialog);
    QCOMPARE(VersionWebServiceClient::SharedProgress(), first.data());
    QVERIFY(first->isVisible());
    QVERIFY(finished.wait(10000));
    QVERIFY(!first->isVisible());
    QCOMPARE(finished.count(), 2);
    QCOMPARE(m_server.requests().size(), 2);

    Utility::GetInstance()->SetMainWindow(nullptr);
}

void AboutTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QVERIFY(QDir().mkpath(folder));

    // Parented to a widget with the program's light theme, as the main window shows it.
    QWidget themed;
    themed.setStyleSheet(TestSupport::themeSheet(false));
    AboutDialog dialog(&themed);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* tabs = dialog.findChild<QTabWidget*>();
    tabs->setCurrentIndex(0);
    QTest::qWait(50);
    QVERIFY(dialog.grab().save(folder + QStringLiteral("/about-light.png")));
    tabs->setCurrentIndex(1);
    QTest::qWait(50);
    QVERIFY(dialog.grab().save(folder + QStringLiteral("/about_third_party-light.png")));
}

MERCHORA_TEST_MAIN(AboutTest)
#include "tst_about.moc"
