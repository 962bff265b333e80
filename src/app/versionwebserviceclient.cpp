#include "app/versionwebserviceclient.h"

#include "core/utility.h"
#include "widgets/progress.h"

#include <QDebug>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSignalMapper>
#include <QUrlQuery>

namespace {

QPointer<Progress>& SharedProgressPointer()
{
    static QPointer<Progress> progress;
    return progress;
}

QString JsonText(const QJsonValue& value)
{
    return value.toVariant().toString();
}

} // namespace

VersionAnswer VersionAnswer::FromJson(const QByteArray& body)
{
    VersionAnswer answer;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return answer;

    const QJsonObject object = document.object();
    answer.hasNewerVersionKey = object.contains(QLatin1String("HasNewerVersion"));
    if (!answer.hasNewerVersionKey)
        return answer;
    answer.hasNewerVersion = JsonText(object.value(QLatin1String("HasNewerVersion")));
    answer.hasDownloadUrl = object.contains(QLatin1String("DownloadURL"));
    answer.downloadUrl = JsonText(object.value(QLatin1String("DownloadURL")));

    if (answer.hasNewerVersion != QLatin1String("YES")) {
        answer.kind = Kind::UpToDate;
    } else if (object.contains(QLatin1String("NewerVersion"))) {
        answer.newerVersion = JsonText(object.value(QLatin1String("NewerVersion")));
        answer.kind = Kind::NewerExists;
    }
    return answer;
}

QUrl VersionWebServiceClient::DefaultServiceUrl()
{
    return QUrl(QString::fromLatin1(VersionService::SERVICE_URL));
}

QUrl VersionWebServiceClient::RequestUrl(const QUrl& serviceUrl)
{
    QUrl url(serviceUrl);
    QUrlQuery query(url);
    query.addQueryItem(QStringLiteral("version"), QString::fromLatin1(APP_VERSION));
    query.addQueryItem(QStringLiteral("product"),
                       QString::fromLatin1(VersionService::PRODUCT_CODE));
    url.setQuery(query);
    return url;
}

bool VersionWebServiceClient::IsOpenableDownloadUrl(const QUrl& url)
{
    // The address comes from the network: never hand a local file or program link to the desktop.
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("https") || scheme == QLatin1String("http"));
}

Progress* VersionWebServiceClient::SharedProgress()
{
    QPointer<Progress>& progress = SharedProgressPointer();
    if (!progress)
        progress = new Progress(Utility::GetInstance()->GetMainWindow());
    return progress;
}

void VersionWebServiceClient::CloseSharedProgress()
{
    if (Progress* progress = SharedProgressPointer())
        progress->close();
}

VersionWebServiceClient::VersionWebServiceClient(QObject* parent, const QUrl& serviceUrl)
    : QObject(parent), m_manager(new QNetworkAccessManager(this)),
      m_mapper(new QSignalMapper(this)), m_serviceUrl(serviceUrl)
{
    connect(m_mapper, &QSignalMapper::mappedObject, this, &VersionWebServiceClient::onResult);
}

VersionWebServiceClient::~VersionWebServiceClient()
{
    // Replies still on their way die with the manager and never report: do not leave the busy
    // indicator up for them.
    if (m_pending > 0)
        CloseSharedProgress();
}

void VersionWebServiceClient::CheckVersion()
{
    QNetworkRequest request(RequestUrl(m_serviceUrl));
    request.setTransferTimeout(m_transferTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = m_manager->get(request);
    ++m_pending;
    m_mapper->setMapping(reply, reply);
    connect(reply, &QNetworkReply::finished, m_mapper, qOverload<>(&QSignalMapper::map));
}

void VersionWebServiceClient::onResult(QObject* object)
{
    CloseSharedProgress();
    qDebug().noquote() << "onResult";

    auto* reply = qobject_cast<QNetworkReply*>(object);
    if (!reply) {
        Q_EMIT finished();
        return;
    }
    if (m_pending > 0)
        --m_pending;

    VersionAnswer answer;
    if (reply->error() != QNetworkReply::NoError)
        qDebug().noquote() << reply->errorString();
    else
        answer = VersionAnswer::FromJson(reply->readAll());
    reply->deleteLater();

    // The message boxes below run their own event loop; the client may be gone afterwards.
    const QPointer<VersionWebServiceClient> self(this);
    if (answer.hasNewerVersionKey)
        qDebug().noquote() << "Returned HasNewerVersion: " + answer.hasNewerVersion;

    if (answer.kind == VersionAnswer::Kind::NewerExists) {
        qDebug().noquote() << "newerVersion : " + answer.newerVersion;
        const int choice = QMessageBox::question(
            nullptr, tr("New Version"),
            tr("Latest version ( %1 ) is available for download. Do you want to download it now?")
                .arg(answer.newerVersion),
            QMessageBox::Yes | QMessageBox::No);
        if (choice == QMessageBox::Yes && answer.hasDownloadUrl) {
            qDebug().noquote() << "Download URL : " + answer.downloadUrl;
            const QUrl download(answer.downloadUrl);
            if (IsOpenableDownloadUrl(download))
                QDesktopServices::openUrl(download);
            else
                qWarning() << "Download URL is not a web address, not opened";
        }
    } else if (answer.kind == VersionAnswer::Kind::UpToDate) {
        QMessageBox::information(
            nullptr, tr("Version Check"),
            tr("You have a latest version of %1").arg(QString::fromLatin1(PRODUCT_DISPLAY_NAME)));
    }

    if (self)
        Q_EMIT finished();
}
