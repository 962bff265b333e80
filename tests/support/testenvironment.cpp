#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/loginthrottle.h"
#include "core/translations.h"
#include "core/utility.h"

#include <QDir>
#include <QSettings>

namespace TestSupport {

IsolatedEnvironment::IsolatedEnvironment()
{
    if (!m_dir.isValid())
        qFatal("Cannot create a temporary folder for the test");
    const QByteArray root = QFile::encodeName(m_dir.path());
    const auto point = [&root](const char* variable, const char* sub) {
        const QByteArray path = root + '/' + sub;
        QDir().mkpath(QFile::decodeName(path));
        qputenv(variable, path);
    };
    point("HOME", "home");
    point("XDG_CONFIG_HOME", "config");
    point("XDG_DATA_HOME", "data");
    point("XDG_CACHE_HOME", "cache");
    point("XDG_RUNTIME_DIR", "runtime");
    QFile::setPermissions(QFile::decodeName(root + "/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void resetSettings()
{
    Utility* utility = Utility::GetInstance();
    utility->GetSettings()->clear();
    utility->GetSettings()->sync();
    utility->SetLoggedInUser(QString());
    utility->SetMainWindow(nullptr);
    utility->ReloadDateFormat();
    // Failed logins of earlier test cases must not make this one wait.
    LoginThrottle::Process() = LoginThrottle();
}

void resetDatabases()
{
    CDBManager* manager = CDBManager::GetInstance();
    manager->CloseInventoryDataBase();
    manager->CloseSalesDataBase();
    manager->SetMainWindow(nullptr);
    QDir(CDBManager::SampleFolderPath()).removeRecursively();
}

QString homePath()
{
    return QDir::homePath();
}

QString themeSheet(bool dark)
{
    Utility::GetInstance(); // registers the resources
    QFile sheet(dark ? QStringLiteral(":/resources/stylesheets/WindowsStyleSheet.txt")
                     : QStringLiteral(":/resources/stylesheets/WindowsStyleSheetLight.txt"));
    if (!sheet.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(sheet.readAll());
}

void installScreenshotLanguage()
{
    const QString language = qEnvironmentVariable("MERCHORA_SCREENSHOT_LANGUAGE");
    if (!language.isEmpty())
        Translations::Install(QCoreApplication::instance(), language);
}

void finishPendingAnimations()
{
#ifdef MERCHORA_SANITIZE
    // A line edit fades its clear button in and out with an animation that has no parent. When a
    // test deletes the line edit during the fade, the animation notices only on its next tick,
    // then stops and deletes itself; the program's event loop always gets there.
    QTest::qWait(100);
#endif
}

} // namespace TestSupport
