#ifndef STOREBUILDER_H
#define STOREBUILDER_H

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace TestSupport {

// Builds an inventory or sales database file with the program's schema and version stamp, and
// with the rows a test chooses. Values are always bound, never spliced into the SQL text.
class StoreBuilder
{
public:
    enum class Kind
    {
        Inventory,
        Sales
    };

    // Creates (or opens, if it exists) the file at path and creates the tables. An empty stamp
    // leaves tblMerchora empty; the default is the stamp that suits the kind.
    StoreBuilder(Kind kind, const QString& path, const QString& stamp = QStringLiteral("default"));
    ~StoreBuilder();

    StoreBuilder(const StoreBuilder&) = delete;
    StoreBuilder& operator=(const StoreBuilder&) = delete;

    bool isOk() const { return m_ok; }
    QString path() const { return m_path; }
    QSqlDatabase database() const;

    // Inserts one row and returns its ID, or -1 (with a warning) when the insert fails.
    qint64 insert(const QString& table, const QVariantMap& values);
    bool exec(const QString& sql);
    qint64 count(const QString& table) const;

    // Makes this file the active inventory (sales) database in the settings and closes the
    // program's connection, so that the next request opens this file.
    void activate();

    // Common rows. Every ID returned can be passed on to the next call.
    qint64 addCategory(const QString& name);
    qint64 addProduct(qint64 categoryId, const QString& code, const QString& name,
                      int itemsPerUnit = 1, double taxRate = 0.0);
    qint64 addVendor(const QString& name, const QString& address = QString(),
                     const QString& email = QString(), const QString& phone = QString());
    qint64 addCustomer(const QString& name, const QString& address = QString(),
                       const QString& email = QString(), const QString& phone = QString());
    qint64 addBatch(qint64 productId, qint64 vendorId, const QString& barCode, int quantity,
                    double salePrice, double purchasePrice, double discount = 0.0, int subItems = 0,
                    bool showOnPos = true, const QDate& expiry = QDate(2030, 1, 31));
    qint64 addUser(const QString& login, const QString& password, const QString& role,
                   const QString& firstName = QStringLiteral("Test"),
                   const QString& lastName = QStringLiteral("User"));
    qint64 addSale(const QString& user, const QVariant& customerId, const QDate& date,
                   double grandTotal, double paid);
    qint64 addSaleLine(qint64 saleId, int index, const QString& productName, int quantity,
                       double salePrice, double purchasePrice, double discount = 0.0,
                       const QString& subItems = QStringLiteral("0"));

private:
    Kind m_kind;
    QString m_path;
    QString m_connection;
    bool m_ok = false;
};

// Every row of the statement (its values bound in order), columns joined by "|".
QStringList queryRows(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

// Builds a store of the kind at path with a few thousand rows, then overwrites the start of the
// page in the middle of the file: its stamp still reads well, the whole-file check fails.
bool buildDamagedStore(StoreBuilder::Kind kind, const QString& path);

} // namespace TestSupport

#endif // STOREBUILDER_H
