#include "storebuilder.h"

#include "core/DBManager.h"
#include "core/schema.h"
#include "core/utility.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace TestSupport {

StoreBuilder::StoreBuilder(Kind kind, const QString& path, const QString& stamp)
    : m_kind(kind), m_path(QFileInfo(path).absoluteFilePath())
{
    static int serial = 0;
    m_connection = QStringLiteral("store_builder_%1").arg(++serial);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (!db.open()) {
        qWarning() << "StoreBuilder cannot open" << m_path << db.lastError().text();
        return;
    }
    QSqlQuery query(db);
    const QStringList tables =
        kind == Kind::Inventory ? Schema::InventoryTables() : Schema::SalesTables();
    db.transaction();
    m_ok = true;
    for (const QString& statement : tables) {
        if (!query.exec(statement)) {
            qWarning() << "StoreBuilder:" << query.lastError().text();
            m_ok = false;
        }
    }
    QString version = stamp;
    if (version == QLatin1String("default"))
        version =
            QString::fromLatin1(kind == Kind::Inventory ? INVENTORY_DB_VERSION : SALES_DB_VERSION);
    if (!version.isEmpty()) {
        query.prepare(Schema::InsertVersionStamp());
        query.addBindValue(version);
        m_ok = query.exec() && m_ok;
    }
    db.commit();
    query.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
}

StoreBuilder::~StoreBuilder()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase StoreBuilder::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

qint64 StoreBuilder::insert(const QString& table, const QVariantMap& values)
{
    QStringList columns;
    QStringList marks;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        columns << QStringLiteral("[%1]").arg(it.key());
        marks << QStringLiteral("?");
    }
    QSqlQuery query(database());
    query.prepare(QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
                      .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        qWarning() << "StoreBuilder insert into" << table << "failed:" << query.lastError().text();
        return -1;
    }
    return query.lastInsertId().toLongLong();
}

bool StoreBuilder::exec(const QString& sql)
{
    QSqlQuery query(database());
    if (!query.exec(sql)) {
        qWarning() << "StoreBuilder:" << sql << query.lastError().text();
        return false;
    }
    return true;
}

qint64 StoreBuilder::count(const QString& table) const
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM [%1]").arg(table)) || !query.next())
        return -1;
    return query.value(0).toLongLong();
}

void StoreBuilder::activate()
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    const QFileInfo info(m_path);
    CDBManager* manager = CDBManager::GetInstance();
    if (m_kind == Kind::Inventory) {
        settings->setValue(QString::fromLatin1(SettingKey::INVENTORY_DATA_FOLDER_PATH),
                           info.absolutePath());
        settings->setValue(QString::fromLatin1(SettingKey::ACTIVE_INVENTORY_DB), info.fileName());
        manager->CloseInventoryDataBase();
    } else {
        settings->setValue(QString::fromLatin1(SettingKey::SALES_DATA_FOLDER_PATH),
                           info.absolutePath());
        settings->setValue(QString::fromLatin1(SettingKey::ACTIVE_SALES_DB), info.fileName());
        manager->CloseSalesDataBase();
    }
}

qint64 StoreBuilder::addCategory(const QString& name)
{
    return insert(QStringLiteral("tblProductCategories"), {{QStringLiteral("NAME"), name}});
}

qint64 StoreBuilder::addProduct(qint64 categoryId, const QString& code, const QString& name,
                                int itemsPerUnit, double taxRate)
{
    return insert(QStringLiteral("tblProducts"), {{QStringLiteral("CATEGORY_ID"), categoryId},
                                                  {QStringLiteral("PRODUCT_CODE"), code},
                                                  {QStringLiteral("NAME"), name},
                                                  {QStringLiteral("ITEMS_PER_UNIT"), itemsPerUnit},
                                                  {QStringLiteral("TAX_RATE"), taxRate}});
}

qint64 StoreBuilder::addVendor(const QString& name, const QString& address, const QString& email,
                               const QString& phone)
{
    return insert(QStringLiteral("tblVendors"), {{QStringLiteral("NAME"), name},
                                                 {QStringLiteral("ADDRESS"), address},
                                                 {QStringLiteral("EMAIL"), email},
                                                 {QStringLiteral("CONTACT_NUMBER"), phone}});
}

qint64 StoreBuilder::addCustomer(const QString& name, const QString& address, const QString& email,
                                 const QString& phone)
{
    return insert(QStringLiteral("tblCustomers"), {{QStringLiteral("NAME"), name},
                                                   {QStringLiteral("ADDRESS"), address},
                                                   {QStringLiteral("EMAIL"), email},
                                                   {QStringLiteral("CONTACT_NUMBER"), phone}});
}

qint64 StoreBuilder::addBatch(qint64 productId, qint64 vendorId, const QString& barCode,
                              int quantity, double salePrice, double purchasePrice, double discount,
                              int subItems, bool showOnPos, const QDate& expiry)
{
    return insert(QStringLiteral("tblInventory"),
                  {{QStringLiteral("PRODUCT_ID"), productId},
                   {QStringLiteral("VENDOR_ID"), vendorId},
                   {QStringLiteral("BAR_CODE"), barCode},
                   {QStringLiteral("BATCH_NUMBER"), QStringLiteral("B-%1").arg(barCode)},
                   {QStringLiteral("EXPIRY_DATE"), expiry.toString(Qt::ISODate)},
                   {QStringLiteral("STORAGE_LOCATION"), QStringLiteral("Shelf 1")},
                   {QStringLiteral("PURCHASE_PRICE"), purchasePrice},
                   {QStringLiteral("SALE_PRICE"), salePrice},
                   {QStringLiteral("QUANTITY"), quantity},
                   {QStringLiteral("SUB_ITEMS"), subItems},
                   {QStringLiteral("SHOW_ON_POS"), showOnPos ? 1 : 0},
                   {QStringLiteral("DISCOUNT"), discount}});
}

qint64 StoreBuilder::addUser(const QString& login, const QString& password, const QString& role,
                             const QString& firstName, const QString& lastName)
{
    return insert(QStringLiteral("tblUsers"), {{QStringLiteral("FIRST_NAME"), firstName},
                                               {QStringLiteral("LAST_NAME"), lastName},
                                               {QStringLiteral("LOGIN_NAME"), login},
                                               {QStringLiteral("PASSWORD"), password},
                                               {QStringLiteral("ROLE"), role}});
}

qint64 StoreBuilder::addSale(const QString& user, const QVariant& customerId, const QDate& date,
                             double grandTotal, double paid)
{
    return insert(QStringLiteral("tblSalesTransactions"),
                  {{QStringLiteral("USER_ID"), user},
                   {QStringLiteral("CUSTOMER_ID"), customerId},
                   {QStringLiteral("TIME_STAMP"), date.toString(Qt::ISODate)},
                   {QStringLiteral("GRAND_TOTAL"), grandTotal},
                   {QStringLiteral("PAID"), paid},
                   {QStringLiteral("RETURN"), grandTotal - paid}});
}

qint64 StoreBuilder::addSaleLine(qint64 saleId, int index, const QString& productName, int quantity,
                                 double salePrice, double purchasePrice, double discount,
                                 const QString& subItems)
{
    return insert(QStringLiteral("tblSalesInvoice"),
                  {{QStringLiteral("TRANSACTION_ID"), saleId},
                   {QStringLiteral("ITEM_INDEX"), index},
                   {QStringLiteral("PRODUCT_NAME"), productName},
                   {QStringLiteral("QUANTITY"), quantity},
                   {QStringLiteral("PURCHASE_PRICE"), purchasePrice},
                   {QStringLiteral("SALE_PRICE"), salePrice},
                   {QStringLiteral("SUB_ITEMS"), subItems},
                   {QStringLiteral("DISCOUNT"), discount},
                   {QStringLiteral("SUB_TOTAL"), quantity * salePrice - discount},
                   {QStringLiteral("PURCHASE_SUB_TOTAL"), quantity * purchasePrice}});
}

QStringList queryRows(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    QStringList result;
    for (query.exec(); query.next(); result.last().chop(1)) {
        result << QString();
        for (int i = 0; i < query.record().count(); ++i)
            result.last() += query.value(i).toString() + QLatin1Char('|');
    }
    return result;
}

bool buildDamagedStore(StoreBuilder::Kind kind, const QString& path)
{
    {
        StoreBuilder store(kind, path);
        if (!store.isOk() || !store.exec(QStringLiteral("BEGIN")))
            return false;
        for (int i = 0; i < 2000; ++i) {
            const QString name = QStringLiteral("row %1 ").arg(i) + QString(60, QLatin1Char('-'));
            const qint64 id = kind == StoreBuilder::Kind::Inventory
                                  ? store.addCategory(name)
                                  : store.addSale(name, 0, QDate(2026, 3, 5), 1.0, 1.0);
            if (id <= 0)
                return false;
        }
        if (!store.exec(QStringLiteral("COMMIT")))
            return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray header = file.read(100);
    if (header.size() < 100)
        return false;
    int pageSize = (quint8(header.at(16)) << 8) | quint8(header.at(17));
    if (pageSize == 1)
        pageSize = 65536;
    const qint64 pages = file.size() / pageSize;
    return pages >= 20 && file.seek((pages / 2) * pageSize) &&
           file.write(QByteArray(64, '\xA5')) == 64;
}

} // namespace TestSupport
