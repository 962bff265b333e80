#ifndef ABOUTDIALOG_H
#define ABOUTDIALOG_H

#include "widgets/merchoradialog.h"

#include <QPointer>
#include <QUrl>

class VersionWebServiceClient;

namespace Ui {
class AboutDialog;
}

// The program's own contact addresses shown in the about box.
namespace AboutLinks {
inline constexpr char EMAIL[] = "mailto:support@merchora.example";
inline constexpr char WEB_SITE[] = "https://www.merchora.example";
inline constexpr char SOCIAL_PAGE[] = "https://social.merchora.example/merchora";
inline constexpr char QT_LGPL[] = "https://doc.qt.io/qt-5/lgpl.html";
inline constexpr char QT_LICENSING[] = "https://www.qt.io/licensing/";
} // namespace AboutLinks

// Product name, version, contact links, the warranty disclaimer and the third-party notice, with
// a button that asks the version service for a newer version.
class AboutDialog : public MerchoraDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

    // The version service asked by "Check Version".
    void SetServiceUrl(const QUrl& serviceUrl);
    QUrl ServiceUrl() const { return m_serviceUrl; }

    // Opens a link of the about box. Connected to every link label with a function-pointer
    // connect; kept out of the slot list so that the by-name connection finds no stray "on_".
    void on_HyperLink_clicked(const QString& link);

public Q_SLOTS:
    // Sends the version query without showing the busy indicator.
    void CheckVersion();

private Q_SLOTS:
    void on_pushCheckVersion_clicked();
    void on_buttonOK_clicked();

private:
    VersionWebServiceClient* Client();

    Ui::AboutDialog* ui;
    QUrl m_serviceUrl;
    QPointer<VersionWebServiceClient> m_client;
};

#endif // ABOUTDIALOG_H
