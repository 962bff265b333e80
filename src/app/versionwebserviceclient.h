#ifndef VERSIONWEBSERVICECLIENT_H
#define VERSIONWEBSERVICECLIENT_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class Progress;
class QNetworkAccessManager;
class QSignalMapper;

// Where the program asks whether a newer version is out, and under which product code.
namespace VersionService {
inline constexpr char SERVICE_URL[] = "https://www.merchora.example/api/version";
inline constexpr char PRODUCT_CODE[] = "MERCHORA-LITE";
// How long a version query may take before it is given up.
inline constexpr int TRANSFER_TIMEOUT_MS = 15000;
} // namespace VersionService

// What the version service said, read from its JSON answer.
struct VersionAnswer
{
    enum class Kind
    {
        Nothing,     // no usable answer: not a JSON object, or no "HasNewerVersion"
        NewerExists, // "HasNewerVersion" is "YES" and "NewerVersion" names it
        UpToDate     // "HasNewerVersion" is anything else
    };
    Kind kind = Kind::Nothing;
    bool hasNewerVersionKey = false;
    QString hasNewerVersion;
    QString newerVersion;
    bool hasDownloadUrl = false;
    QString downloadUrl;

    static VersionAnswer FromJson(const QByteArray& body);
};

// Asks the version web service whether a newer version of the program exists and tells the user
// the answer. Every reply closes the program-wide busy indicator.
class VersionWebServiceClient : public QObject
{
    Q_OBJECT

public:
    static QUrl DefaultServiceUrl();
    // The service address with this program's version and product code as query items.
    static QUrl RequestUrl(const QUrl& serviceUrl);
    // A download address is opened only when it is a web address.
    static bool IsOpenableDownloadUrl(const QUrl& url);

    // The one busy indicator shown while the version is checked; created on first use over the
    // main window and reused afterwards.
    static Progress* SharedProgress();
    // Closes the shared busy indicator if it has been created.
    static void CloseSharedProgress();

    explicit VersionWebServiceClient(
        QObject* parent = nullptr,
        const QUrl& serviceUrl = VersionWebServiceClient::DefaultServiceUrl());
    ~VersionWebServiceClient() override;

    QUrl ServiceUrl() const { return m_serviceUrl; }
    void SetServiceUrl(const QUrl& serviceUrl) { m_serviceUrl = serviceUrl; }
    void SetTransferTimeout(int ms) { m_transferTimeoutMs = ms; }

    // Sends the version query; the answer arrives in onResult().
    void CheckVersion();

Q_SIGNALS:
    // Emitted once a reply has been handled, after any message box it raised was closed.
    void finished();

public Q_SLOTS:
    void onResult(QObject* reply);

private:
    QNetworkAccessManager* m_manager;
    QSignalMapper* m_mapper;
    QUrl m_serviceUrl;
    int m_transferTimeoutMs = VersionService::TRANSFER_TIMEOUT_MS;
    int m_pending = 0;
};

#endif // VERSIONWEBSERVICECLIENT_H
