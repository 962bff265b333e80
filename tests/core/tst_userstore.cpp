#include "storebuilder.h"
#include "testenvironment.h"

#include "core/loginthrottle.h"
#include "core/passwordhash.h"
#include "core/userstore.h"

#include <QDir>
#include <QSqlQuery>

#include <memory>

using TestSupport::StoreBuilder;

namespace {

const QString ADMIN = QString::fromLatin1(ROLE_ADMIN);
const QString SALES = QString::fromLatin1(ROLE_SALES_PERSON);

} // namespace

// The widget-free rules about user accounts: upgrading plain-text passwords, keeping one
// administrator, and slowing down repeated failed logins.
class UserStoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void upgradeHashesOnlyPlainPasswords();
    void upgradeFailureChangesNothing();

    void findsLastAdmin_data();
    void findsLastAdmin();

    void delayGrowsAfterThreeFailures_data();
    void delayGrowsAfterThreeFailures();

private:
    // LOGIN_NAME -> PASSWORD of every row.
    QMap<QString, QString> passwords();

    std::unique_ptr<StoreBuilder> m_store;
    int m_storeNumber = 0;
};

void UserStoreTest::init()
{
    m_store = std::make_unique<StoreBuilder>(
        StoreBuilder::Kind::Inventory,
        QDir::homePath() + QStringLiteral("/userstore%1.mercdb").arg(++m_storeNumber));
    QVERIFY(m_store->isOk());
}

void UserStoreTest::cleanup()
{
    m_store.reset();
}

QMap<QString, QString> UserStoreTest::passwords()
{
    QMap<QString, QString> result;
    QSqlQuery query(m_store->database());
    if (!query.exec(QStringLiteral("SELECT LOGIN_NAME, PASSWORD FROM tblUsers")))
        qWarning("cannot read tblUsers");
    while (query.next())
        result.insert(query.value(0).toString(), query.value(1).toString());
    return result;
}

// ---- plain-text passwords -----------------------------------------------------------------

void UserStoreTest::upgradeHashesOnlyPlainPasswords()
{
    const QString hashed = PasswordHash::Hash(QStringLiteral("kept"), PasswordHash::MIN_ITERATIONS);
    const QString almostHash = QStringLiteral("pbkdf2-sha256$1000$not$base64");
    m_store->addUser(QStringLiteral("ann"), QStringLiteral("secret"), ADMIN);
    m_store->addUser(QStringLiteral("bob"), hashed, SALES);
    m_store->addUser(QStringLiteral("cid"), QStringLiteral(""), SALES);
    m_store->addUser(QStringLiteral("zoe"), QStringLiteral("Zoë's 'pass'"), SALES);
    m_store->addUser(QStringLiteral("eve"), almostHash, SALES);

    QCOMPARE(UpgradePlainPasswords(m_store->database()), 3);
    QMap<QString, QString> now = passwords();
    QVERIFY(PasswordHash::Verify(QStringLiteral("secret"), now.value(QStringLiteral("ann"))));
    QVERIFY(PasswordHash::Verify(QStringLiteral("Zoë's 'pass'"), now.value(QStringLiteral("zoe"))));
    QVERIFY(PasswordHash::Verify(almostHash, now.value(QStringLiteral("eve"))));
    QCOMPARE(now.value(QStringLiteral("bob")), hashed);
    QCOMPARE(now.value(QStringLiteral("cid")), QStringLiteral(""));

    // A second run finds nothing left to do.
    QCOMPARE(UpgradePlainPasswords(m_store->database()), 0);
    QCOMPARE(passwords(), now);
}

void UserStoreTest::upgradeFailureChangesNothing()
{
    m_store->addUser(QStringLiteral("ann"), QStringLiteral("a"), ADMIN);
    m_store->addUser(QStringLiteral("bob"), QStringLiteral("b"), SALES);
    m_store->addUser(QStringLiteral("cid"), QStringLiteral("c"), SALES);
    // The second row refuses to change after the first has been converted.
    QVERIFY(m_store->exec(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE UPDATE ON tblUsers WHEN OLD.LOGIN_NAME = 'bob' "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    const QMap<QString, QString> before = passwords();

    QCOMPARE(UpgradePlainPasswords(m_store->database()), -1);
    QCOMPARE(passwords(), before);

    // The failed run left no transaction open: the next one goes through.
    QVERIFY(m_store->exec(QStringLiteral("DROP TRIGGER refuse")));
    QCOMPARE(UpgradePlainPasswords(m_store->database()), 3);
    QVERIFY(PasswordHash::Verify(QStringLiteral("b"), passwords().value(QStringLiteral("bob"))));

    QVERIFY(m_store->exec(QStringLiteral("DROP TABLE tblUsers")));
    QCOMPARE(UpgradePlainPasswords(m_store->database()), -1);
}

// ---- last administrator -------------------------------------------------------------------

void UserStoreTest::findsLastAdmin_data()
{
    // Roles of the users in ID order, the user asked about (index into roles) and the answer.
    QTest::addColumn<QStringList>("roles");
    QTest::addColumn<int>("user");
    QTest::addColumn<bool>("last");

    QTest::newRow("only admin") << QStringList{ADMIN} << 0 << true;
    QTest::newRow("only admin among sales people") << QStringList{SALES, ADMIN, SALES} << 1 << true;
    QTest::newRow("first of two admins") << QStringList{ADMIN, SALES, ADMIN} << 0 << false;
    QTest::newRow("sales person beside one admin") << QStringList{ADMIN, SALES} << 1 << false;
    QTest::newRow("role case differs elsewhere")
        << QStringList{ADMIN, QStringLiteral("admin")} << 0 << true;
    QTest::newRow("unknown user") << QStringList{ADMIN} << -1 << false;
}

void UserStoreTest::findsLastAdmin()
{
    QFETCH(QStringList, roles);
    QFETCH(int, user);
    QFETCH(bool, last);
    QList<qint64> ids;
    for (int i = 0; i < roles.size(); ++i)
        ids << m_store->addUser(QStringLiteral("user%1").arg(i), QStringLiteral("pw"), roles[i]);
    const qint64 id = user >= 0 ? ids.at(user) : ids.last() + 100;
    QCOMPARE(IsLastAdmin(m_store->database(), id), last);
}

// ---- login throttle -----------------------------------------------------------------------

void UserStoreTest::delayGrowsAfterThreeFailures_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<int>("seconds");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("third") << 3 << 0;
    QTest::newRow("fourth") << 4 << 1;
    QTest::newRow("fifth") << 5 << 2;
    QTest::newRow("last below the limit") << 32 << 29;
    QTest::newRow("limit") << 33 << 30;
    QTest::newRow("past the limit") << 34 << 30;
}

void UserStoreTest::delayGrowsAfterThreeFailures()
{
    QFETCH(int, failures);
    QFETCH(int, seconds);
    QCOMPARE(LoginThrottle::DelaySeconds(failures), seconds);

    // Counting the failures one by one gives the same wait for the last one.
    qint64 now = 0;
    LoginThrottle throttle([&now]() { return now; });
    int last = 0;
    for (int i = 0; i < failures; ++i)
        last = throttle.RecordFailure();
    QCOMPARE(last, seconds);
    QCOMPARE(throttle.ConsecutiveFailures(), failures);
    QCOMPARE(throttle.RemainingMs(), qint64(seconds) * 1000);
    QCOMPARE(throttle.RemainingSeconds(), seconds);
}

MERCHORA_TEST_GUILESS_MAIN(UserStoreTest)
#include "tst_userstore.moc"
