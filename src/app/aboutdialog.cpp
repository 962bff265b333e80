#include "app/aboutdialog.h"
#include "ui_aboutdialog.h"

#include "app/versionwebserviceclient.h"
#include "core/utility.h"
#include "widgets/progress.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPixmap>

namespace {

QString Anchor(const char* href, const QString& text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(QString::fromLatin1(href).toHtmlEscaped(), text.toHtmlEscaped());
}

// The link as a reader sees it: without "mailto:" or the web scheme.
QString Shown(const char* href)
{
    QString text = QString::fromLatin1(href);
    for (const char* prefix : {"mailto:", "https://", "http://"}) {
        if (text.startsWith(QLatin1String(prefix))) {
            text.remove(0, int(qstrlen(prefix)));
            break;
        }
    }
    return text;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : MerchoraDialog(parent), ui(new Ui::AboutDialog),
      m_serviceUrl(VersionWebServiceClient::DefaultServiceUrl())
{
    ui->setupUi(this);

    ui->labelTitle->setText(QStringLiteral("%1 %2").arg(QString::fromLatin1(PRODUCT_DISPLAY_NAME),
                                                        QString::fromLatin1(APP_VERSION)));
    QFont titleFont = ui->labelTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    ui->labelTitle->setFont(titleFont);
    QFont captionFont = ui->labelDisclaimerCaption->font();
    captionFont.setBold(true);
    ui->labelDisclaimerCaption->setFont(captionFont);

    const QPixmap logo(QStringLiteral(":/resources/images/merchora_logo.png"));
    ui->labelLogo->setPixmap(
        logo.scaled(QSize(125, 125), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    ui->labelEmail->setText(Anchor(AboutLinks::EMAIL, Shown(AboutLinks::EMAIL)));
    ui->labelWebSite->setText(Anchor(AboutLinks::WEB_SITE, Shown(AboutLinks::WEB_SITE)));
    ui->labelSocial->setText(Anchor(AboutLinks::SOCIAL_PAGE, Shown(AboutLinks::SOCIAL_PAGE)));
    ui->labelThirdParty->setText(
        QStringLiteral("<p>%1</p><p>%2</p><p>%3</p>")
            .arg(tr("This software makes use of Qt libraries under LGPL license. Copy of Qt LGPL "
                    "license is provided with the installation.")
                     .toHtmlEscaped(),
                 Anchor(AboutLinks::QT_LGPL, QString::fromLatin1(AboutLinks::QT_LGPL)),
                 Anchor(AboutLinks::QT_LICENSING, QString::fromLatin1(AboutLinks::QT_LICENSING))));

    for (QLabel* label : {ui->labelEmail, ui->labelWebSite, ui->labelSocial, ui->labelThirdParty})
        connect(label, &QLabel::linkActivated, this, &AboutDialog::on_HyperLink_clicked);
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

void AboutDialog::SetServiceUrl(const QUrl& serviceUrl)
{
    m_serviceUrl = serviceUrl;
    if (m_client)
        m_client->SetServiceUrl(serviceUrl);
}

VersionWebServiceClient* AboutDialog::Client()
{
    // One client per about box; it may carry several queries at once.
    if (!m_client)
        m_client = new VersionWebServiceClient(this, m_serviceUrl);
    return m_client;
}

void AboutDialog::on_pushCheckVersion_clicked()
{
    Progress* progress = VersionWebServiceClient::SharedProgress();
    progress->show();
    QCoreApplication::processEvents();
    Client()->CheckVersion();
}

void AboutDialog::CheckVersion()
{
    Client()->CheckVersion();
}

void AboutDialog::on_HyperLink_clicked(const QString& link)
{
    QDesktopServices::openUrl(QUrl(link));
}

void AboutDialog::on_buttonOK_clicked()
{
    close();
}
