#include "pdftools.h"

#include <QProcess>

namespace TestSupport {

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& path, const QStringList& options)
{
    return runTool(QStringLiteral("pdftotext"), QStringList{QStringLiteral("-layout")} + options +
                                                    QStringList{path, QStringLiteral("-")});
}

int pdfPageCount(const QString& path)
{
    const QString info = runTool(QStringLiteral("pdfinfo"), {path});
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

} // namespace TestSupport
