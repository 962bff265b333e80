#include "salesscreenhost.h"

#include "pos/pos.h"
#include "widgets/qposdialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
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

bool ReceiptShop::open(const QString& prefix)
{
    const QString inventoryPath =
        QDir::homePath() + QLatin1Char('/') + prefix + QStringLiteral("-inventory.mercdb");
    const QString salesPath =
        QDir::homePath() + QLatin1Char('/') + prefix + QStringLiteral("-sales.mercdb");
    QFile::remove(inventoryPath);
    QFile::remove(salesPath);
    inventory.reset(new StoreBuilder(StoreBuilder::Kind::Inventory, inventoryPath));
    sales.reset(new StoreBuilder(StoreBuilder::Kind::Sales, salesPath));
    if (!inventory->isOk() || !sales->isOk())
        return false;
    drinks = inventory->addCategory(QStringLiteral("Drinks"));
    vendor = inventory->addVendor(QStringLiteral("Wholesale Ltd"));
    const qint64 tea =
        inventory->addProduct(drinks, QStringLiteral("P1"), QStringLiteral("Green Tea"), 1, 0.0);
    const qint64 juice =
        inventory->addProduct(drinks, QStringLiteral("P5"), QStringLiteral("Orange Juice"), 1, 0.0);
    if (inventory->addBatch(tea, vendor, QStringLiteral("1001"), 10, 2.5, 1.2) <= 0 ||
        inventory->addBatch(juice, vendor, QStringLiteral("5005"), 10, 100, 60) <= 0)
        return false;
    inventory->activate();
    sales->activate();
    return true;
}

void ReceiptShop::close()
{
    inventory.reset();
    sales.reset();
}

bool PayTeaAndJuice(CPOS* screen)
{
    const auto edit = [screen](const char* name) {
        return screen->findChild<QLineEdit*>(QLatin1String(name));
    };
    const auto enter = [&](const char* barCode, const char* items) {
        edit("lineEditItems")->setText(QLatin1String(items));
        edit("lineEditBarCode")->setText(QLatin1String(barCode));
        screen->on_pushEnter_clicked();
    };
    enter("1001", "3");
    enter("5005", "1");
    edit("lineEditPaid")->setText(QStringLiteral("200"));
    screen->on_pushButtonPay_clicked();
    return screen->GetSaleState() == CPOS::Paid && !screen->GetTransactionId().isEmpty();
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
