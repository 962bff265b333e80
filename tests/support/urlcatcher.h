#ifndef URLCATCHER_H
#define URLCATCHER_H

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace TestSupport {

// Stands in for the desktop: while it catches, the addresses the program asks the desktop to
// open (a PDF for the viewer, a link for the browser) are recorded here instead of opened.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    explicit UrlCatcher(QObject* parent = nullptr) : QObject(parent) {}
    ~UrlCatcher() override { stop(); }

    // Catches the schemes and forgets what was recorded before.
    void start(const QStringList& schemes = {QStringLiteral("file")});
    void stop();

    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }

private:
    QStringList m_schemes;
};

} // namespace TestSupport

#endif // URLCATCHER_H
