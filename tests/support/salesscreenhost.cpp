#include "salesscreenhost.h"

#include "pos.h"
#include "qposdialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QStringList>

namespace TestSupport {

QPOSDialog* openSalesScreen(CPOS** screen)
{
    auto* host = new QPOSDialog(nullptr, false);
    auto* layout = new QGridLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* pos = new CPOS(host);
    layout->addWidget(pos);
    host->resize(1366, 768);
    host->show();
    if (screen)
        *screen = pos;
    return host;
}

bool readBenchmarkArguments(const QStringList& arguments, QString* store, int* runs)
{
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--runs") && i + 1 < arguments.size())
            *runs = qMax(1, arguments.at(++i).toInt());
        else
            *store = arguments.at(i);
    }
    return !store->isEmpty() && QFileInfo(*store).isFile();
}

} // namespace TestSupport
