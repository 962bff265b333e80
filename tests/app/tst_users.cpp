#include "modaldialoghandler.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "app/logindialog.h"
#include "app/manageusers.h"
#include "core/DBManager.h"
#include "core/loginthrottle.h"
#include "core/passwordhash.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTableView>

#include <memory>

using TestSupport::StoreBuilder;

namespace {

const QString ADMIN = QStringLiteral("ADMIN");
const QString SALES = QStringLiteral("SALES PERSON");

// A stored hash made outside the program: PBKDF2-HMAC-SHA256 of "Zoë's pass" (UTF-8), 1000
// rounds, salt bytes 0..15. Hashes already in users' databases must keep verifying.
const QString FOREIGN_HASH = QStringLiteral(
    "pbkdf2-sha256$1000$AAECAwQFBgcICQoLDA0ODw==$AC5mqZip+hiSdfag/gtyVcY5PA+5IW12LXaoc4QdY1Q=");

// Stored hashes for test rows: fewer rounds keep the suite quick; verifying reads the rounds
// from the value, so the program treats them like its own.
QString quickHash(const QString& password)
{
    return PasswordHash::Hash(password, PasswordHash::MIN_ITERATIONS);
}

template <typename T> T* child(QWidget* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qWarning("missing child %s", name);
    return widget;
}

} // namespace

// Password hashes, the login dialog and the user editor on a store database with chosen users.
class UsersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void hashesAndVerifies_data();
    void hashesAndVerifies();
    void recognisesOnlyTheHashStructure_data();
    void recognisesOnlyTheHashStructure();
    void verifiesHashMadeElsewhere();
    void comparesPlainTextValuesExactly();

    void loginCountsEveryFailure();
    void loginTreatsInputAsText_data();
    void loginTreatsInputAsText();
    void loginFillsResult();
    void cancelKeepsResultCancelled();
    void plainTextPasswordIsHashedOnFirstLogin();
    void openingStoreHashesPlainPasswords();
    void loginWaitsAfterThreeFailures();

    void addRefusesIncompleteInput_data();
    void addRefusesIncompleteInput();
    void addRefusesBadPasswords();
    void addStoresHashedPassword_data();
    void addStoresHashedPassword();
    void addRefusesTakenLoginName();
    void selectingUserFillsFormButNoPassword();
    void updateChangesSelectedUser();
    void deleteAsksFirst();
    void lastAdminStays();

    void screenshots();

private:
    void login(LoginDialog& dialog, const QString& user, const QString& password);
    QString labelText(QWidget* dialog);
    void fill(QWidget* dialog, const QString& first, const QString& last, const QString& login,
              const QString& password, const QString& repeat, int roleIndex);
    int rowOf(QWidget* dialog, const QString& login);
    QString stored(const QString& login, const char* column);

    std::unique_ptr<StoreBuilder> m_store;
    TestSupport::ModalDialogHandler m_dialogs;
    // The login throttle's clock while a test moves it by hand.
    qint64 m_now = 0;
    int m_storeNumber = 0;
};

void UsersTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
    m_store = std::make_unique<StoreBuilder>(
        StoreBuilder::Kind::Inventory,
        QDir::homePath() + QStringLiteral("/users%1.mercdb").arg(++m_storeNumber));
    QVERIFY(m_store->isOk());
    m_store->activate();
}

void UsersTest::cleanup()
{
    TestSupport::resetDatabases();
    m_store.reset();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

void UsersTest::login(LoginDialog& dialog, const QString& user, const QString& password)
{
    child<QLineEdit>(&dialog, "editUserName")->setText(user);
    child<QLineEdit>(&dialog, "editPassword")->setText(password);
    QTest::mouseClick(child<QPushButton>(&dialog, "buttonLogin"), Qt::LeftButton);
}

QString UsersTest::labelText(QWidget* dialog)
{
    return child<QLabel>(dialog, "labelMessage")->text();
}

void UsersTest::fill(QWidget* dialog, const QString& first, const QString& last,
                     const QString& login, const QString& password, const QString& repeat,
                     int roleIndex)
{
    child<QLineEdit>(dialog, "editFirstName")->setText(first);
    child<QLineEdit>(dialog, "editLastName")->setText(last);
    child<QLineEdit>(dialog, "editLoginName")->setText(login);
    child<QLineEdit>(dialog, "editPassword")->setText(password);
    child<QLineEdit>(dialog, "editRepeastPassword")->setText(repeat);
    child<QComboBox>(dialog, "comboRole")->setCurrentIndex(roleIndex);
}

int UsersTest::rowOf(QWidget* dialog, const QString& login)
{
    auto* model =
        qobject_cast<QSqlTableModel*>(child<QTableView>(dialog, "tableViewUsers")->model());
    if (!model)
        return -1;
    const int column = model->fieldIndex(QStringLiteral("LOGIN_NAME"));
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, column).data().toString() == login)
            return row;
    }
    return -1;
}

QString UsersTest::stored(const QString& login, const char* column)
{
    QSqlQuery query(m_store->database());
    query.prepare(
        QStringLiteral("SELECT %1 FROM tblUsers WHERE LOGIN_NAME = ?").arg(QLatin1String(column)));
    query.addBindValue(login);
    if (!query.exec() || !query.next())
        return QStringLiteral("<no row>");
    return query.value(0).toString();
}

// ---- password hashes ----------------------------------------------------------------------

void UsersTest::hashesAndVerifies_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("iterations");
    const int quick = PasswordHash::MIN_ITERATIONS;
    QTest::newRow("ascii") << QStringLiteral("secret") << PasswordHash::DEFAULT_ITERATIONS;
    QTest::newRow("non-ascii") << QStringLiteral("Jürgen Zoë €") << quick;
    QTest::newRow("quotes") << QStringLiteral("it's \"mine\"") << quick;
    QTest::newRow("dollars") << QStringLiteral("a$b$c$d") << quick;
    QTest::newRow("prefix alone") << QStringLiteral("pbkdf2-sha256") << quick;
    QTest::newRow("single char") << QStringLiteral("x") << quick;
}

void UsersTest::hashesAndVerifies()
{
    QFETCH(QString, password);
    QFETCH(int, iterations);
    QVERIFY(!PasswordHash::IsHashed(password));

    const QString first = PasswordHash::Hash(password, iterations);
    const QString second = PasswordHash::Hash(password, iterations);
    QVERIFY(first != password);
    QVERIFY2(first != second, "each hash needs its own salt");
    QVERIFY2(PasswordHash::IsHashed(first), qPrintable(first));
    QCOMPARE(first.section(QLatin1Char('$'), 1, 1).toInt(), iterations);

    QVERIFY(PasswordHash::Verify(password, first));
    QVERIFY(PasswordHash::Verify(password, second));
    QVERIFY(!PasswordHash::Verify(password + QLatin1Char(' '), first));
    QVERIFY(!PasswordHash::Verify(password.left(password.size() - 1), first));
    // A hash typed as password is not the password.
    QVERIFY(!PasswordHash::Verify(first, first));
}

void UsersTest::recognisesOnlyTheHashStructure_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("hashed");

    const QString salt = QStringLiteral("AAECAwQFBgcICQoLDA0ODw==");
    const QString key = QStringLiteral("AC5mqZip+hiSdfag/gtyVcY5PA+5IW12LXaoc4QdY1Q=");
    const auto make = [](const QString& prefix, const QString& rounds, const QString& s,
                         const QString& k) {
        return prefix + QLatin1Char('$') + rounds + QLatin1Char('$') + s + QLatin1Char('$') + k;
    };
    const QString prefix = QStringLiteral("pbkdf2-sha256");

    QTest::newRow("well formed") << make(prefix, QStringLiteral("1000"), salt, key) << true;
    QTest::newRow("fresh hash") << PasswordHash::Hash(QStringLiteral("pw")) << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("prefix alone") << prefix << false;
    QTest::newRow("prefix and separators") << prefix + QStringLiteral("$$$") << false;
    QTest::newRow("other prefix") << make(QStringLiteral("pbkdf2-sha1"), QStringLiteral("1000"),
                                          salt, key)
                                  << false;
    QTest::newRow("upper-case prefix")
        << make(prefix.toUpper(), QStringLiteral("1000"), salt, key) << false;
    QTest::newRow("rounds zero") << make(prefix, QStringLiteral("0"), salt, key) << false;
    QTest::newRow("rounds too few") << make(prefix, QStringLiteral("999"), salt, key) << false;
    QTest::newRow("rounds too many")
        << make(prefix, QStringLiteral("99999999"), salt, key) << false;
    QTest::newRow("rounds signed") << make(prefix, QStringLiteral("+1000"), salt, key) << false;
    QTest::newRow("rounds padded") << make(prefix, QStringLiteral(" 1000"), salt, key) << false;
    QTest::newRow("rounds leading zero")
        << make(prefix, QStringLiteral("01000"), salt, key) << false;
    QTest::newRow("rounds not a number")
        << make(prefix, QStringLiteral("lots"), salt, key) << false;
    QTest::newRow("salt too short")
        << make(prefix, QStringLiteral("1000"), QStringLiteral("AAECAwQFBgcICQoLDA0O"), key)
        << false;
    QTest::newRow("salt not canonical")
        << make(prefix, QStringLiteral("1000"), QStringLiteral("AAECAwQFBgcICQoLDA0ODx=="), key)
        << false;
    QTest::newRow("salt bad characters")
        << make(prefix, QStringLiteral("1000"), QStringLiteral("AAECAwQFBgcICQoLDA0O*w=="), key)
        << false;
    QTest::newRow("key too short")
        << make(prefix, QStringLiteral("1000"), salt, key.mid(4)) << false;
    QTest::newRow("key missing") << make(prefix, QStringLiteral("1000"), salt, QString()) << false;
    QTest::newRow("extra field") << make(prefix, QStringLiteral("1000"), salt, key) +
                                        QStringLiteral("$x")
                                 << false;
    QTest::newRow("trailing blank")
        << make(prefix, QStringLiteral("1000"), salt, key) + QLatin1Char(' ') << false;
    QTest::newRow("plain with dollars") << QStringLiteral("pass$word$1$2") << false;
}

void UsersTest::recognisesOnlyTheHashStructure()
{
    QFETCH(QString, value);
    QFETCH(bool, hashed);
    QCOMPARE(PasswordHash::IsHashed(value), hashed);
    if (!hashed)
        QVERIFY(!PasswordHash::Verify(value, value));
}

void UsersTest::verifiesHashMadeElsewhere()
{
    QVERIFY(PasswordHash::Verify(QStringLiteral("Zoë's pass"), FOREIGN_HASH));
    QVERIFY(!PasswordHash::Verify(QStringLiteral("Zoe's pass"), FOREIGN_HASH));
    QVERIFY(!PasswordHash::Verify(QStringLiteral("zoë's pass"), FOREIGN_HASH));
}

void UsersTest::comparesPlainTextValuesExactly()
{
    QVERIFY(PasswordHash::Matches(QStringLiteral("Zoë"), QStringLiteral("Zoë")));
    QVERIFY(!PasswordHash::Matches(QStringLiteral("zoë"), QStringLiteral("Zoë")));
    QVERIFY(!PasswordHash::Matches(QStringLiteral("Zoë "), QStringLiteral("Zoë")));
    QVERIFY(!PasswordHash::Matches(QString(), QString()));
    QVERIFY(PasswordHash::Matches(QStringLiteral("Zoë's pass"), FOREIGN_HASH));
    // A stored hash is never compared as text.
    QVERIFY(!PasswordHash::Matches(FOREIGN_HASH, FOREIGN_HASH));
}

// ---- login --------------------------------------------------------------------------------

void UsersTest::loginCountsEveryFailure()
{
    m_store->addUser(QStringLiteral("admin"), quickHash(QStringLiteral("secret")), ADMIN);
    LoginResult result;
    result.cancelled = true;
    LoginDialog dialog;
    dialog.SetLoginResult(&result);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(labelText(&dialog), QString());
    QCOMPARE(dialog.focusWidget(), child<QLineEdit>(&dialog, "editUserName"));
    QCOMPARE(child<QLineEdit>(&dialog, "editPassword")->echoMode(), QLineEdit::Password);

    login(dialog, QString(), QString());
    QCOMPARE(labelText(&dialog), QStringLiteral("Please enter valid User Name or Password (1)"));
    login(dialog, QStringLiteral("admin"), QString());
    QCOMPARE(labelText(&dialog), QStringLiteral("Please enter valid User Name or Password (2)"));

    login(dialog, QStringLiteral("admin"), QStringLiteral("wrong"));
    QCOMPARE(labelText(&dialog), QStringLiteral("Login failed. Please try again (3)"));
    QVERIFY(!QSqlDatabase::connectionNames().contains(QString::fromLatin1(INVENTORY_CONNECTION)));
    login(dialog, QString(), QStringLiteral("secret"));
    QCOMPARE(labelText(&dialog), QStringLiteral("Please enter valid User Name or Password (4)"));
    QVERIFY(dialog.isVisible());
    QVERIFY(result.cancelled);

    // The closed connection is opened again for the next attempt.
    login(dialog, QStringLiteral("admin"), QStringLiteral("secret"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!result.cancelled);
}

void UsersTest::loginTreatsInputAsText_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("expectedRole");

    QTest::newRow("admin") << "admin"
                           << "secret" << ADMIN;
    QTest::newRow("user in other case") << "Admin"
                                        << "secret" << QString();
    QTest::newRow("password in other case") << "admin"
                                            << "Secret" << QString();
    QTest::newRow("trailing blank") << "admin "
                                    << "secret" << QString();
    QTest::newRow("injection in both") << "' OR '1'='1"
                                       << "' OR '1'='1" << QString();
    QTest::newRow("injection in password") << "admin"
                                           << "' OR '1'='1" << QString();
    QTest::newRow("comment") << "admin' --"
                             << "x" << QString();
    QTest::newRow("quotes, plain row") << "O'Brien \"Bob\""
                                       << "pa'ss\"word" << SALES;
    QTest::newRow("non-ascii, hashed row") << "Jürgen"
                                           << "Zoë" << SALES;
    QTest::newRow("non-ascii folded") << "Jurgen"
                                      << "Zoë" << QString();
    QTest::newRow("another user's password") << "Jürgen"
                                             << "secret" << QString();
}

void UsersTest::loginTreatsInputAsText()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, expectedRole);

    m_store->addUser(QStringLiteral("admin"), quickHash(QStringLiteral("secret")), ADMIN);
    m_store->addUser(QStringLiteral("O'Brien \"Bob\""), QStringLiteral("pa'ss\"word"), SALES);
    m_store->addUser(QStringLiteral("Jürgen"), quickHash(QStringLiteral("Zoë")), SALES);

    LoginResult result;
    LoginDialog dialog;
    dialog.SetLoginResult(&result);
    dialog.show();
    login(dialog, user, password);

    const bool expectSuccess = !expectedRole.isEmpty();
    QCOMPARE(!result.cancelled, expectSuccess);
    QCOMPARE(dialog.isVisible(), !expectSuccess);
    if (expectSuccess) {
        QCOMPARE(result.loginName, user);
        QCOMPARE(result.role, expectedRole);
    } else {
        QCOMPARE(labelText(&dialog), QStringLiteral("Login failed. Please try again (1)"));
        QVERIFY(result.loginName.isEmpty());
    }
    QCOMPARE(m_store->count(QStringLiteral("tblUsers")), 3);
}

void UsersTest::loginFillsResult()
{
    m_store->addUser(QStringLiteral("boss"), quickHash(QStringLiteral("top")), ADMIN,
                     QStringLiteral("Ada"), QStringLiteral("Núñez"));
    LoginResult result;
    result.cancelled = true;
    LoginDialog dialog;
    dialog.SetLoginResult(&result);
    dialog.show();
    // A failure first: the later success still clears cancelled.
    login(dialog, QStringLiteral("boss"), QStringLiteral("bottom"));
    QVERIFY(result.cancelled);
    login(dialog, QStringLiteral("boss"), QStringLiteral("top"));

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!result.cancelled);
    QCOMPARE(result.firstName, QStringLiteral("Ada"));
    QCOMPARE(result.lastName, QStringLiteral("Núñez"));
    QCOMPARE(result.loginName, QStringLiteral("boss"));
    QCOMPARE(result.role, ADMIN);
}

void UsersTest::cancelKeepsResultCancelled()
{
    m_store->addUser(QStringLiteral("admin"), QStringLiteral("secret"), ADMIN);
    {
        LoginResult result;
        result.cancelled = false; // the button sets it whatever it was
        LoginDialog dialog;
        dialog.SetLoginResult(&result);
        dialog.show();
        child<QLineEdit>(&dialog, "editUserName")->setText(QStringLiteral("admin"));
        child<QLineEdit>(&dialog, "editPassword")->setText(QStringLiteral("secret"));
        QTest::mouseClick(child<QPushButton>(&dialog, "buttonCancel"), Qt::LeftButton);
        QVERIFY(result.cancelled);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QVERIFY(result.loginName.isEmpty());
    }
    {
        // Escape closes the dialog without touching the result.
        LoginResult result;
        result.cancelled = true;
        LoginDialog dialog;
        dialog.SetLoginResult(&result);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(result.cancelled);
    }
    // The cancelled logins left the plain password as it was.
    QCOMPARE(stored(QStringLiteral("admin"), "PASSWORD"), QStringLiteral("secret"));
}

void UsersTest::plainTextPasswordIsHashedOnFirstLogin()
{
    m_store->addUser(QStringLiteral("clerk"), QStringLiteral("old pass"), SALES);
    const QString hashed = quickHash(QStringLiteral("new pass"));
    m_store->addUser(QStringLiteral("other"), hashed, SALES);

    for (int round = 0; round < 2; ++round) {
        LoginResult result;
        LoginDialog dialog;
        dialog.SetLoginResult(&result);
        dialog.show();
        login(dialog, QStringLiteral("clerk"), QStringLiteral("old pass"));
        QVERIFY2(!result.cancelled, qPrintable(QStringLiteral("round %1").arg(round)));

        const QString now = stored("clerk", "PASSWORD");
        QVERIFY2(PasswordHash::IsHashed(now), qPrintable(now));
        QVERIFY(PasswordHash::Verify(QStringLiteral("old pass"), now));
    }

    // Typing the stored hash as password must not let anybody in.
    {
        LoginResult result;
        LoginDialog dialog;
        dialog.SetLoginResult(&result);
        login(dialog, QStringLiteral("clerk"), stored("clerk", "PASSWORD"));
        QVERIFY(result.cancelled);
    }
    // Rows hashed already stay as they are.
    {
        LoginResult result;
        LoginDialog dialog;
        dialog.SetLoginResult(&result);
        login(dialog, QStringLiteral("other"), QStringLiteral("new pass"));
        QVERIFY(!result.cancelled);
        QCOMPARE(stored("other", "PASSWORD"), hashed);
    }
}

void UsersTest::openingStoreHashesPlainPasswords()
{
    // Users who never log in again do not keep their passwords readable in the file.
    m_store->addUser(QStringLiteral("admin"), QStringLiteral("secret"), ADMIN);
    m_store->addUser(QStringLiteral("clerk"), QStringLiteral("till 1"), SALES);
    QVERIFY(CDBManager::GetInstance()->GetInventoryDataBase().isOpen());
    for (const auto& [login, password] :
         {std::pair<const char*, const char*>{"admin", "secret"}, {"clerk", "till 1"}}) {
        const QString now = stored(QString::fromLatin1(login), "PASSWORD");
        QVERIFY2(PasswordHash::IsHashed(now), qPrintable(now));
        QVERIFY(PasswordHash::Verify(QString::fromLatin1(password), now));
    }
}

void UsersTest::loginWaitsAfterThreeFailures()
{
    m_store->addUser(QStringLiteral("admin"), quickHash(QStringLiteral("secret")), ADMIN);
    // Time moves only when the test says so; a second of waiting is 20 ms of the timers.
    LoginThrottle& throttle = LoginThrottle::Process();
    throttle.SetClock([this]() { return m_now; });
    throttle.SetSecondLength(20);
    const QString wrong = QStringLiteral("wrong");

    auto first = std::make_unique<LoginDialog>();
    LoginResult result;
    first->SetLoginResult(&result);
    first->show();
    auto* button = child<QPushButton>(first.get(), "buttonLogin");
    for (int attempt = 1; attempt <= 3; ++attempt) {
        login(*first, QStringLiteral("admin"), wrong);
        QCOMPARE(labelText(first.get()),
                 QStringLiteral("Login failed. Please try again (%1)").arg(attempt));
        QVERIFY(button->isEnabled());
    }

    login(*first, QStringLiteral("admin"), wrong);
    QVERIFY(!button->isEnabled());
    QCOMPARE(labelText(first.get()), QStringLiteral("Please wait 1 second..."));
    // Meanwhile not even the right password is checked.
    child<QLineEdit>(first.get(), "editPassword")->setText(QStringLiteral("secret"));
    first->on_buttonLogin_clicked();
    QVERIFY(result.cancelled);
    QTest::qWait(60);
    QCOMPARE(labelText(first.get()), QStringLiteral("Please wait 1 second..."));
    QVERIFY(!button->isEnabled());

    m_now += 20;
    QTRY_VERIFY(button->isEnabled());
    QCOMPARE(labelText(first.get()), QStringLiteral("Login failed. Please try again (4)"));

    // Closing the dialog does not forget the failures; the brackets count per dialog.
    first.reset();
    LoginDialog again;
    again.SetLoginResult(&result);
    again.show();
    login(again, QStringLiteral("admin"), wrong);
    QCOMPARE(labelText(&again), QStringLiteral("Please wait 2 seconds..."));
    {
        LoginDialog openedMeanwhile;
        QVERIFY(!child<QPushButton>(&openedMeanwhile, "buttonLogin")->isEnabled());
        QCOMPARE(labelText(&openedMeanwhile), QStringLiteral("Please wait 2 seconds..."));
    }
    m_now += 20;
    QTRY_COMPARE(labelText(&again), QStringLiteral("Please wait 1 second..."));
    m_now += 20;
    QTRY_COMPARE(labelText(&again), QStringLiteral("Login failed. Please try again (1)"));

    // A success starts the count again.
    login(again, QStringLiteral("admin"), QStringLiteral("secret"));
    QVERIFY(!result.cancelled);
    LoginDialog next;
    next.show();
    login(next, QStringLiteral("admin"), wrong);
    QCOMPARE(labelText(&next), QStringLiteral("Login failed. Please try again (1)"));
    QVERIFY(child<QPushButton>(&next, "buttonLogin")->isEnabled());
}

// ---- user editor --------------------------------------------------------------------------

void UsersTest::addRefusesIncompleteInput_data()
{
    QTest::addColumn<int>("emptyField");
    QTest::newRow("first name") << 0;
    QTest::newRow("last name") << 1;
    QTest::newRow("login name") << 2;
    QTest::newRow("password") << 3;
    QTest::newRow("role") << 4;
}

void UsersTest::addRefusesIncompleteInput()
{
    QFETCH(int, emptyField);
    ManageUsers dialog;
    dialog.show();
    QStringList values = {QStringLiteral("Eva"), QStringLiteral("Lind"), QStringLiteral("eva"),
                          QStringLiteral("pw"), QString()};
    fill(&dialog, values[0], values[1], values[2], values[3], values[3], 1);
    QVERIFY(!dialog.IsEmptyText());
    // The repeat field alone is not required input.
    child<QLineEdit>(&dialog, "editRepeastPassword")->clear();
    QVERIFY(!dialog.IsEmptyText());

    values[emptyField].clear();
    fill(&dialog, values[0], values[1], values[2], values[3], values[3], emptyField == 4 ? -1 : 1);
    QVERIFY(dialog.IsEmptyText());

    QString text;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonAdd"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, QStringLiteral("Please enter valid data in all input boxes"));
    QCOMPARE(m_store->count(QStringLiteral("tblUsers")), 0);
    // The input stays for correcting.
    QCOMPARE(child<QLineEdit>(&dialog, "editFirstName")->text(), values[0]);
}

void UsersTest::addRefusesBadPasswords()
{
    ManageUsers dialog;
    dialog.show();
    QString text;
    QString title;

    fill(&dialog, QStringLiteral("Eva"), QStringLiteral("Lind"), QStringLiteral("eva"),
         QStringLiteral("pw1"), QStringLiteral("pw2"), 1);
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    child<QPushButton>(&dialog, "pushButtonAdd")->click();
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, QStringLiteral("Password does not match with the 'Repeat Password'. Please "
                                  "double check the value."));

    // A typed hash would be indistinguishable from a stored one.
    const QString lookalike = quickHash(QStringLiteral("pw"));
    fill(&dialog, QStringLiteral("Eva"), QStringLiteral("Lind"), QStringLiteral("eva"), lookalike,
         lookalike, 0);
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    child<QPushButton>(&dialog, "pushButtonAdd")->click();
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, QStringLiteral("Please choose another password."));

    QCOMPARE(m_store->count(QStringLiteral("tblUsers")), 0);
}

void UsersTest::addStoresHashedPassword_data()
{
    QTest::addColumn<int>("roleIndex");
    QTest::addColumn<QString>("role");
    QTest::newRow("admin") << 0 << ADMIN;
    QTest::newRow("sales person") << 1 << SALES;
}

void UsersTest::addStoresHashedPassword()
{
    QFETCH(int, roleIndex);
    QFETCH(QString, role);
    m_store->addUser(QStringLiteral("first"), QStringLiteral("x"), SALES);

    ManageUsers dialog;
    dialog.show();
    auto* combo = child<QComboBox>(&dialog, "comboRole");
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(roleIndex), role);

    fill(&dialog, QStringLiteral("Zoë"), QStringLiteral("O'Neil"), QStringLiteral("zoe"),
         QStringLiteral("ünïcode 'pw'"), QStringLiteral("ünïcode 'pw'"), roleIndex);
    QString text;
    QString title;
    if (role == ADMIN)
        m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonAdd"), Qt::LeftButton);
    if (role == ADMIN) {
        QCOMPARE(title, QStringLiteral("Password"));
        QCOMPARE(text, QStringLiteral("Please make a note of your password. In the next \n LOGIN "
                                      "session you would need to enter this password."));
    }

    QCOMPARE(m_store->count(QStringLiteral("tblUsers")), 2);
    QCOMPARE(stored("zoe", "FIRST_NAME"), QStringLiteral("Zoë"));
    QCOMPARE(stored("zoe", "LAST_NAME"), QStringLiteral("O'Neil"));
    QCOMPARE(stored("zoe", "ROLE"), role);
    const QString password = stored("zoe", "PASSWORD");
    QVERIFY2(PasswordHash::IsHashed(password), qPrintable(password));
    QVERIFY(PasswordHash::Verify(QStringLiteral("ünïcode 'pw'"), password));

    for (const char* name :
         {"editFirstName", "editLastName", "editLoginName", "editPassword", "editRepeastPassword"})
        QVERIFY2(child<QLineEdit>(&dialog, name)->text().isEmpty(), name);
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(rowOf(&dialog, QStringLiteral("zoe")) >= 0);

    // The new user can log in with the password typed in the editor.
    LoginResult result;
    LoginDialog login;
    login.SetLoginResult(&result);
    this->login(login, QStringLiteral("zoe"), QStringLiteral("ünïcode 'pw'"));
    QVERIFY(!result.cancelled);
    QCOMPARE(result.role, role);
}

void UsersTest::addRefusesTakenLoginName()
{
    m_store->addUser(QStringLiteral("admin"), QStringLiteral("x"), ADMIN);
    ManageUsers dialog;
    dialog.show();
    auto* view = child<QTableView>(&dialog, "tableViewUsers");
    QCOMPARE(view->model()->rowCount(), 1);

    fill(&dialog, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("admin"),
         QStringLiteral("pw"), QStringLiteral("pw"), 1);
    QString text;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    child<QPushButton>(&dialog, "pushButtonAdd")->click();
    QCOMPARE(title, QStringLiteral("Add User"));
    QCOMPARE(text, QStringLiteral("This user can not be added to system"));
    QCOMPARE(view->model()->rowCount(), 1);
    QCOMPARE(m_store->count(QStringLiteral("tblUsers")), 1);
    QVERIFY(PasswordHash::Matches(QStringLiteral("x"), stored("admin", "PASSWORD")));

    // The refused row is gone: the next add goes through on its own.
    fill(&dialog, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("Admin"),
         QStringLiteral("pw"), QStringLiteral("pw"), 1);
    child<QPushButton>(&dialog, "pushButtonAdd")->click();
    QCOMPARE(view->model()->rowCount(), 2);
    QCOMPARE(m_store->count(QStringLiteral("tblUsers")), 2);
}

void UsersTest::selectingUserFillsFormButNoPassword()
{
    m_store->addUser(QStringLiteral("admin"), quickHash(QStringLiteral("a")), ADMIN,
                     QStringLiteral("Ann"), QStringLiteral("Admin"));
    m_store->addUser(QStringLiteral("clerk"), QStringLiteral("plain"), SALES,
                     QStringLiteral("Carl"), QStringLiteral("Clerk"));
    ManageUsers dialog;
    dialog.show();
    auto* view = child<QTableView>(&dialog, "tableViewUsers");
    auto* update = child<QPushButton>(&dialog, "pushButtonUpdate");
    auto* remove = child<QPushButton>(&dialog, "pushButtonDelete");
    QVERIFY(!update->isEnabled());
    QVERIFY(!remove->isEnabled());

    auto* model = qobject_cast<QSqlTableModel*>(view->model());
    QVERIFY(model);
    QVERIFY(view->isColumnHidden(model->fieldIndex(QStringLiteral("ID"))));
    QVERIFY(view->isColumnHidden(model->fieldIndex(QStringLiteral("PASSWORD"))));
    QCOMPARE(model->editStrategy(), QSqlTableModel::OnManualSubmit);
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);

    // Whatever was typed before, selecting shows no password.
    child<QLineEdit>(&dialog, "editPassword")->setText(QStringLiteral("typed"));
    child<QLineEdit>(&dialog, "editRepeastPassword")->setText(QStringLiteral("typed"));
    view->selectRow(rowOf(&dialog, QStringLiteral("clerk")));
    QCOMPARE(child<QLineEdit>(&dialog, "editFirstName")->text(), QStringLiteral("Carl"));
    QCOMPARE(child<QLineEdit>(&dialog, "editLastName")->text(), QStringLiteral("Clerk"));
    QCOMPARE(child<QLineEdit>(&dialog, "editLoginName")->text(), QStringLiteral("clerk"));
    QCOMPARE(child<QComboBox>(&dialog, "comboRole")->currentText(), SALES);
    QVERIFY(child<QLineEdit>(&dialog, "editPassword")->text().isEmpty());
    QVERIFY(child<QLineEdit>(&dialog, "editRepeastPassword")->text().isEmpty());
    QVERIFY(update->isEnabled());
    QVERIFY(remove->isEnabled());

    view->selectRow(rowOf(&dialog, QStringLiteral("admin")));
    QCOMPARE(child<QLineEdit>(&dialog, "editFirstName")->text(), QStringLiteral("Ann"));
    QCOMPARE(child<QComboBox>(&dialog, "comboRole")->currentText(), ADMIN);
    QVERIFY(child<QLineEdit>(&dialog, "editPassword")->text().isEmpty());
}

void UsersTest::updateChangesSelectedUser()
{
    m_store->addUser(QStringLiteral("admin"), QStringLiteral("a"), ADMIN);
    m_store->addUser(QStringLiteral("clerk"), QStringLiteral("old"), SALES, QStringLiteral("Carl"),
                     QStringLiteral("Clerk"));
    ManageUsers dialog;
    dialog.show();
    auto* view = child<QTableView>(&dialog, "tableViewUsers");
    auto* update = child<QPushButton>(&dialog, "pushButtonUpdate");
    QString text;
    QString title;

    view->selectRow(rowOf(&dialog, QStringLiteral("clerk")));
    child<QLineEdit>(&dialog, "editPassword")->setText(QStringLiteral("new"));
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    update->click();
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, QStringLiteral("Password does not match with the 'Repeat Password'. Please "
                                  "double check the value."));
    QVERIFY(PasswordHash::Matches(QStringLiteral("old"), stored("clerk", "PASSWORD")));

    child<QLineEdit>(&dialog, "editLastName")->setText(QStringLiteral("Kärcher"));
    child<QLineEdit>(&dialog, "editLoginName")->setText(QStringLiteral("carl"));
    child<QLineEdit>(&dialog, "editRepeastPassword")->setText(QStringLiteral("new"));
    child<QComboBox>(&dialog, "comboRole")->setCurrentIndex(0);
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    update->click();
    QCOMPARE(title, QStringLiteral("Password"));

    QCOMPARE(m_store->count(QStringLiteral("tblUsers")), 2);
    QCOMPARE(stored("clerk", "ID"), QStringLiteral("<no row>"));
    QCOMPARE(stored("carl", "FIRST_NAME"), QStringLiteral("Carl"));
    QCOMPARE(stored("carl", "LAST_NAME"), QStringLiteral("Kärcher"));
    QCOMPARE(stored("carl", "ROLE"), ADMIN);
    const QString password = stored("carl", "PASSWORD");
    QVERIFY(PasswordHash::Verify(QStringLiteral("new"), password));
    QVERIFY(!PasswordHash::Verify(QStringLiteral("old"), password));
    QVERIFY(PasswordHash::Matches(QStringLiteral("a"), stored("admin", "PASSWORD")));
    QVERIFY(child<QLineEdit>(&dialog, "editLastName")->text().isEmpty());
    QCOMPARE(child<QComboBox>(&dialog, "comboRole")->currentIndex(), -1);
    QVERIFY(rowOf(&dialog, QStringLiteral("carl")) >= 0);

    // With the form cleared, another update asks for all the input.
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    dialog.OnPushButtonUpdateClicked();
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, QStringLiteral("Please enter valid data in all input boxes."));
}

void UsersTest::deleteAsksFirst()
{
    m_store->addUser(QStringLiteral("admin"), QStringLiteral("a"), ADMIN);
    m_store->addUser(QStringLiteral("clerk"), QStringLiteral("c"), SALES);
    ManageUsers dialog;
    dialog.show();
    auto* view = child<QTableView>(&dialog, "tableViewUsers");
    auto* remove = child<QPushButton>(&dialog, "pushButtonDelete");
    QString text;
    QString title;

    view->selectRow(rowOf(&dialog, QStringLiteral("clerk")));
    m_dialogs.expectMessageBox(QMessageBox::No, &text, &title);
    remove->click();
    QCOMPARE(title, QStringLiteral("Delete User"));
    QCOMPARE(text, QStringLiteral("Are you sure you want to remove this user from system?"));
    QCOMPARE(m_store->count(QStringLiteral("tblUsers")), 2);
    QCOMPARE(child<QLineEdit>(&dialog, "editLoginName")->text(), QStringLiteral("clerk"));

    m_dialogs.expectMessageBox(QMessageBox::Yes);
    remove->click();
    QCOMPARE(m_store->count(QStringLiteral("tblUsers")), 1);
    QCOMPARE(stored("clerk", "ID"), QStringLiteral("<no row>"));
    QCOMPARE(view->model()->rowCount(), 1);
    QVERIFY(child<QLineEdit>(&dialog, "editLoginName")->text().isEmpty());
    QCOMPARE(child<QComboBox>(&dialog, "comboRole")->currentIndex(), -1);

    // Nothing selected after the reload: Yes removes nothing.
    m_dialogs.expectMessageBox(QMessageBox::Yes);
    dialog.OnPushButtonDeleteClicked();
    QCOMPARE(m_store->count(QStringLiteral("tblUsers")), 1);
}

void UsersTest::lastAdminStays()
{
    m_store->addUser(QStringLiteral("admin"), QStringLiteral("a"), ADMIN, QStringLiteral("Ann"),
                     QStringLiteral("Admin"));
    m_store->addUser(QStringLiteral("clerk"), QStringLiteral("c"), SALES);
    const QString deleteRefused =
        QStringLiteral("This is the last user with the role ADMIN. It can not be deleted.");
    const QString demoteRefused = QStringLiteral(
        "This is the last user with the role ADMIN. It can not be given another role.");
    QString text;
    QString title;
    {
        ManageUsers dialog;
        dialog.show();
        child<QTableView>(&dialog, "tableViewUsers")
            ->selectRow(rowOf(&dialog, QStringLiteral("admin")));

        // Refused before asking.
        m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
        child<QPushButton>(&dialog, "pushButtonDelete")->click();
        QCOMPARE(title, QStringLiteral("Delete User"));
        QCOMPARE(text, deleteRefused);
        QCOMPARE(m_store->count(QStringLiteral("tblUsers")), 2);

        fill(&dialog, QStringLiteral("Ann"), QStringLiteral("Admin"), QStringLiteral("admin"),
             QStringLiteral("new"), QStringLiteral("new"), 1);
        m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
        child<QPushButton>(&dialog, "pushButtonUpdate")->click();
        QCOMPARE(title, QStringLiteral("Update User"));
        QCOMPARE(text, demoteRefused);
        QCOMPARE(stored("admin", "ROLE"), ADMIN);
        QVERIFY(PasswordHash::Matches(QStringLiteral("a"), stored("admin", "PASSWORD")));
        QCOMPARE(child<QLineEdit>(&dialog, "editPassword")->text(), QStringLiteral("new"));

        // Other changes to the last administrator are fine.
        child<QComboBox>(&dialog, "comboRole")->setCurrentIndex(0);
        child<QLineEdit>(&dialog, "editLastName")->setText(QStringLiteral("Boss"));
        m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
        child<QPushButton>(&dialog, "pushButtonUpdate")->click();
        QCOMPARE(title, QStringLiteral("Password"));
        QCOMPARE(stored("admin", "LAST_NAME"), QStringLiteral("Boss"));
    }

    // With a second administrator either one may be demoted or deleted.
    m_store->addUser(QStringLiteral("boss"), QStringLiteral("b"), ADMIN);
    ManageUsers dialog;
    dialog.show();
    auto* view = child<QTableView>(&dialog, "tableViewUsers");
    view->selectRow(rowOf(&dialog, QStringLiteral("admin")));
    fill(&dialog, QStringLiteral("Ann"), QStringLiteral("Boss"), QStringLiteral("admin"),
         QStringLiteral("new"), QStringLiteral("new"), 1);
    child<QPushButton>(&dialog, "pushButtonUpdate")->click();
    QCOMPARE(stored("admin", "ROLE"), SALES);

    view->selectRow(rowOf(&dialog, QStringLiteral("boss")));
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    child<QPushButton>(&dialog, "pushButtonDelete")->click();
    QCOMPARE(text, deleteRefused);

    m_store->addUser(QStringLiteral("deputy"), QStringLiteral("d"), ADMIN);
    m_dialogs.expectMessageBox(QMessageBox::Yes, &text, &title);
    child<QPushButton>(&dialog, "pushButtonDelete")->click();
    QCOMPARE(text, QStringLiteral("Are you sure you want to remove this user from system?"));
    QCOMPARE(stored("boss", "ID"), QStringLiteral("<no row>"));
    QCOMPARE(m_store->count(QStringLiteral("tblUsers")), 3);
}

// Pictures of both dialogs for the documentation, when MERCHORA_SCREENSHOT_DIR names a folder.
void UsersTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QDir().mkpath(folder);

    m_store->addUser(QStringLiteral("admin"), quickHash(QStringLiteral("a")), ADMIN,
                     QStringLiteral("Margaret"), QStringLiteral("Hollingsworth"));
    m_store->addUser(QStringLiteral("jkoenig"), quickHash(QStringLiteral("b")), SALES,
                     QStringLiteral("Jürgen"), QStringLiteral("König"));
    m_store->addUser(QStringLiteral("zoe"), quickHash(QStringLiteral("c")), SALES,
                     QStringLiteral("Zoë"), QStringLiteral("Okafor"));

    const auto save = [&folder](QWidget* dialog, const char* name) {
        dialog->setStyleSheet(TestSupport::themeSheet(false));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QVERIFY(dialog->grab().save(folder + QLatin1Char('/') + QLatin1String(name)));
    };
    {
        LoginDialog login;
        child<QLineEdit>(&login, "editUserName")->setText(QStringLiteral("admin"));
        save(&login, "login-light.png");
    }
    // Eight failures in a row: the next login dialog counts down a wait of five seconds.
    for (int failure = 0; failure < 8; ++failure)
        LoginThrottle::Process().RecordFailure();
    {
        LoginDialog waiting;
        child<QLineEdit>(&waiting, "editUserName")->setText(QStringLiteral("admin"));
        save(&waiting, "login-wait-light.png");
    }
    LoginThrottle::Process().RecordSuccess();

    ManageUsers users;
    child<QTableView>(&users, "tableViewUsers")->selectRow(rowOf(&users, QStringLiteral("zoe")));
    save(&users, "manageusers-light.png");
}

MERCHORA_TEST_MAIN(UsersTest)
#include "tst_users.moc"
