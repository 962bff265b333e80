#include "urlcatcher.h"

#include <QDesktopServices>

namespace TestSupport {

void UrlCatcher::start(const QStringList& schemes)
{
    stop();
    urls.clear();
    m_schemes = schemes;
    for (const QString& scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

void UrlCatcher::stop()
{
    for (const QString& scheme : qAsConst(m_schemes))
        QDesktopServices::unsetUrlHandler(scheme);
    m_schemes.clear();
}

} // namespace TestSupport
