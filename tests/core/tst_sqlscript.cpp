#include "modaldialoghandler.h"
#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/utility.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

namespace {

// Every statement the reader hands out for the script. The text the reader left unread is
// stored where rest points.
QStringList statementsOf(const QString& script, QString* rest = nullptr)
{
    QString text = script;
    QTextStream stream(&text);
    SqlScriptReader reader(&stream);
    QStringList statements;
    QString statement;
    while (reader.Next(&statement)) {
        statements << statement;
        if (statements.size() > 100)
            break; // a reader that never ends must not hang the test
    }
    if (rest)
        *rest = stream.readAll();
    return statements;
}

const char SCRIPT_CONNECTION[] = "script_run";
const char CHECK_CONNECTION[] = "script_check";

} // namespace

// The SQL script reader and the script runner that build the sample databases.
class SqlScriptTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void splitsScriptIntoStatements_data();
    void splitsScriptIntoStatements();
    void stopsReadingAtCommit_data();
    void stopsReadingAtCommit();
    void runsEveryStatementAndCountsFailures_data();
    void runsEveryStatementAndCountsFailures();
    void logsFailingStatement();
    void runsEmbeddedSampleScripts_data();
    void runsEmbeddedSampleScripts();

private:
    // Runs the script from a file against a new database file; the number of failures.
    int runScript(const QString& script);
    int runScriptFile(const QString& scriptPath);
    // Values of column a of table t, read through a separate connection after the run.
    QStringList committedValues();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_dbPath;
    TestSupport::ModalDialogHandler m_dialogs;
};

void SqlScriptTest::initTestCase()
{
    // Registers the embedded resources, among them the sample scripts.
    Utility::GetInstance();
}

void SqlScriptTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dbPath = m_dir->filePath(QStringLiteral("script.db"));
}

void SqlScriptTest::cleanup()
{
    m_dir.reset();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

int SqlScriptTest::runScript(const QString& script)
{
    const QString scriptPath = m_dir->filePath(QStringLiteral("script.sql"));
    {
        QFile out(scriptPath);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return -1;
        out.write(script.toUtf8());
    }
    return runScriptFile(scriptPath);
}

int SqlScriptTest::runScriptFile(const QString& scriptPath)
{
    int failures = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QString::fromLatin1(SCRIPT_CONNECTION));
        db.setDatabaseName(m_dbPath);
        if (db.open()) {
            QFile file(scriptPath);
            if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
                QSqlQuery query(db);
                failures = executeQueriesFromFile(&file, &query);
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(SCRIPT_CONNECTION));
    return failures;
}

QStringList SqlScriptTest::committedValues()
{
    QStringList values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QString::fromLatin1(CHECK_CONNECTION));
        db.setDatabaseName(m_dbPath);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("SELECT a FROM t ORDER BY rowid"))) {
                while (query.next())
                    values << query.value(0).toString();
            } else {
                values << QStringLiteral("<no table t: %1>").arg(query.lastError().text());
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(CHECK_CONNECTION));
    return values;
}

void SqlScriptTest::splitsScriptIntoStatements_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("statements");

    QTest::newRow("empty input") << QString() << QStringList();
    QTest::newRow("only comments and blank lines")
        << QStringLiteral("-- header\n\n   \n\t-- indented comment\n") << QStringList();
    QTest::newRow("only DROP lines")
        << QStringLiteral("DROP TABLE a;\nDROP TABLE b;\n") << QStringList();
    QTest::newRow("one statement per line")
        << QStringLiteral("INSERT INTO t VALUES(1);\nINSERT INTO t VALUES(2);\n")
        << QStringList{QStringLiteral("INSERT INTO t VALUES(1);"),
                       QStringLiteral("INSERT INTO t VALUES(2);")};
    QTest::newRow("lines are trimmed")
        << QStringLiteral("   INSERT INTO t VALUES(1);   \n\t\tINSERT INTO t VALUES(2);\t\n")
        << QStringList{QStringLiteral("INSERT INTO t VALUES(1);"),
                       QStringLiteral("INSERT INTO t VALUES(2);")};
    QTest::newRow("windows line ends")
        << QStringLiteral("INSERT INTO t VALUES(1);\r\nINSERT INTO t\r\nVALUES(2);\r\n")
        << QStringList{QStringLiteral("INSERT INTO t VALUES(1);"),
                       QStringLiteral("INSERT INTO tVALUES(2);")};
    QTest::newRow("continuation joined without separator")
        << QStringLiteral("CREATE TABLE t (a INTEGER,\n b TEXT);")
        << QStringList{QStringLiteral("CREATE TABLE t (a INTEGER,b TEXT);")};
    QTest::newRow("string literal over two lines")
        << QStringLiteral("INSERT INTO t VALUES('Unit 4, Trade Park,\nLeeds LS10 1AB');")
        << QStringList{
               QStringLiteral("INSERT INTO t VALUES('Unit 4, Trade Park,Leeds LS10 1AB');")};
    QTest::newRow("comment lines between statements")
        << QStringLiteral("-- first\nINSERT INTO t VALUES(1);\n-- second\nINSERT INTO t VALUES(2);")
        << QStringList{QStringLiteral("INSERT INTO t VALUES(1);"),
                       QStringLiteral("INSERT INTO t VALUES(2);")};
    QTest::newRow("comment after the semicolon")
        << QStringLiteral("INSERT INTO t VALUES(1); -- note\nINSERT INTO t VALUES(2);--x")
        << QStringList{QStringLiteral("INSERT INTO t VALUES(1); "),
                       QStringLiteral("INSERT INTO t VALUES(2);")};
    QTest::newRow("comment inside a statement")
        << QStringLiteral("CREATE TABLE t (a  INTEGER, -- first column\nb TEXT);")
        << QStringList{QStringLiteral("CREATE TABLE t (a  INTEGER, b TEXT);")};
    QTest::newRow("comment line inside a statement")
        << QStringLiteral("CREATE TABLE t (a INTEGER,\n-- the name\nb TEXT);")
        << QStringList{QStringLiteral("CREATE TABLE t (a INTEGER,b TEXT);")};
    QTest::newRow("DROP line skipped")
        << QStringLiteral("DROP TABLE IF EXISTS \"t\";\nCREATE TABLE t (a INTEGER);")
        << QStringList{QStringLiteral("CREATE TABLE t (a INTEGER);")};
    QTest::newRow("indented DROP line skipped") << QStringLiteral("    DROP TABLE t;\nSELECT 1;")
                                                << QStringList{QStringLiteral("SELECT 1;")};
    QTest::newRow("DROP line inside a statement")
        << QStringLiteral("CREATE TABLE t (a INTEGER,\nDROP whatever\nb TEXT);")
        << QStringList{QStringLiteral("CREATE TABLE t (a INTEGER,b TEXT);")};
    QTest::newRow("lower case drop is a statement")
        << QStringLiteral("drop table t;\nSELECT 1;")
        << QStringList{QStringLiteral("drop table t;"), QStringLiteral("SELECT 1;")};
    QTest::newRow("lower case commit does not end the script")
        << QStringLiteral("commit;\nSELECT 1;")
        << QStringList{QStringLiteral("commit;"), QStringLiteral("SELECT 1;")};
    QTest::newRow("last statement without semicolon")
        << QStringLiteral("INSERT INTO t VALUES(1);\nINSERT INTO t VALUES(2)")
        << QStringList{QStringLiteral("INSERT INTO t VALUES(1);"),
                       QStringLiteral("INSERT INTO t VALUES(2)")};
    QTest::newRow("unfinished statement before trailing comments")
        << QStringLiteral("INSERT INTO t\nVALUES(2)\n-- end\n\n")
        << QStringList{QStringLiteral("INSERT INTO tVALUES(2)")};
}

void SqlScriptTest::splitsScriptIntoStatements()
{
    QFETCH(QString, script);
    QFETCH(QStringList, statements);

    QCOMPARE(statementsOf(script), statements);
}

void SqlScriptTest::stopsReadingAtCommit_data()
{
    QTest::addColumn<QString>("commitLine");
    QTest::addColumn<QString>("lastStatement");

    QTest::newRow("COMMIT") << QStringLiteral("COMMIT") << QStringLiteral("COMMIT");
    QTest::newRow("indented COMMIT") << QStringLiteral("   COMMIT") << QStringLiteral("COMMIT");
    QTest::newRow("COMMIT with semicolon")
        << QStringLiteral("COMMIT;") << QStringLiteral("COMMIT;");
    QTest::newRow("COMMIT TRANSACTION;")
        << QStringLiteral("COMMIT TRANSACTION;") << QStringLiteral("COMMIT TRANSACTION;");
}

void SqlScriptTest::stopsReadingAtCommit()
{
    QFETCH(QString, commitLine);
    QFETCH(QString, lastStatement);

    const QString script = QStringLiteral("BEGIN TRANSACTION;\nINSERT INTO t VALUES(1);\n") +
                           commitLine + QStringLiteral("\nINSERT INTO t VALUES(2);\nCOMMIT\n");
    QString text = script;
    QTextStream stream(&text);
    SqlScriptReader reader(&stream);
    QStringList statements;
    QString statement;
    while (reader.Next(&statement) && statements.size() < 10)
        statements << statement;

    QCOMPARE(statements, (QStringList{QStringLiteral("BEGIN TRANSACTION;"),
                                      QStringLiteral("INSERT INTO t VALUES(1);"), lastStatement}));
    // The lines after the COMMIT were never read, and the reader stays finished.
    QCOMPARE(stream.readLine(), QStringLiteral("INSERT INTO t VALUES(2);"));
    stream.seek(0);
    QVERIFY(!reader.Next(&statement));
    QVERIFY(statement.isEmpty());
}

void SqlScriptTest::runsEveryStatementAndCountsFailures_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("failures");
    QTest::addColumn<QStringList>("values");

    const QString create = QStringLiteral("CREATE TABLE t (a UNIQUE);\n");
    QTest::newRow("all succeed") << create +
                                        QStringLiteral(
                                            "INSERT INTO t VALUES(1);\nINSERT INTO t VALUES(2);\n")
                                 << 0 << QStringList{QStringLiteral("1"), QStringLiteral("2")};
    QTest::newRow("missing table")
        << create + QStringLiteral("INSERT INTO missing VALUES(1);\nINSERT INTO t VALUES(2);\n")
        << 1 << QStringList{QStringLiteral("2")};
    QTest::newRow("unique violation")
        << create +
               QStringLiteral(
                   "INSERT INTO t VALUES(1);\nINSERT INTO t VALUES(1);\nINSERT INTO t VALUES(3);\n")
        << 1 << QStringList{QStringLiteral("1"), QStringLiteral("3")};
    QTest::newRow("syntax error and missing table")
        << create + QStringLiteral("INSERT INTO t VALUES(;\nINSERT INTO t VALUES(4);\n"
                                   "INSERT INTO nowhere VALUES(5);\nINSERT INTO t VALUES(6);\n")
        << 2 << QStringList{QStringLiteral("4"), QStringLiteral("6")};
    QTest::newRow("transaction committed")
        << QStringLiteral("BEGIN TRANSACTION;\n") + create +
               QStringLiteral("INSERT INTO t VALUES(1);\nINSERT INTO t VALUES(2);\nCOMMIT\n"
                              "INSERT INTO t VALUES(9);\n")
        << 0 << QStringList{QStringLiteral("1"), QStringLiteral("2")};
    QTest::newRow("failure inside transaction")
        << QStringLiteral("BEGIN TRANSACTION;\n") + create +
               QStringLiteral("INSERT INTO t VALUES(1);\nINSERT INTO t VALUES(1);\n"
                              "INSERT INTO t VALUES(2);\nCOMMIT\n")
        << 1 << QStringList{QStringLiteral("1"), QStringLiteral("2")};
    QTest::newRow("script ended by COMMIT with semicolon")
        << QStringLiteral("BEGIN TRANSACTION;\n") + create +
               QStringLiteral("INSERT INTO t VALUES(1);\nCOMMIT;\nINSERT INTO t VALUES(9);\n")
        << 0 << QStringList{QStringLiteral("1")};
    QTest::newRow("skipped DROP and comments")
        << QStringLiteral("DROP TABLE t;\n-- the table\n") + create +
               QStringLiteral("INSERT INTO t -- first row\nVALUES(1);\n")
        << 0 << QStringList{QStringLiteral("1")};
    QTest::newRow("text is read as UTF-8")
        << create + QStringLiteral("INSERT INTO t VALUES('Caf\u00e9 Cr\u00e8me \u20ac5');\n") << 0
        << QStringList{QStringLiteral("Caf\u00e9 Cr\u00e8me \u20ac5")};
}

void SqlScriptTest::runsEveryStatementAndCountsFailures()
{
    QFETCH(QString, script);
    QFETCH(int, failures);
    QFETCH(QStringList, values);

    QCOMPARE(runScript(script), failures);
    // Read through another connection: only committed rows are visible there.
    QCOMPARE(committedValues(), values);
}

void SqlScriptTest::logsFailingStatement()
{
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("UNIQUE constraint failed: t\\.a")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no such table: gone")));
    // The other lines of each report are not checked.
    const QString script =
        QStringLiteral("CREATE TABLE t (a UNIQUE);\nINSERT INTO t VALUES(1);\n"
                       "INSERT INTO t VALUES(1);\nINSERT INTO gone VALUES(1);\n");
    QCOMPARE(runScript(script), 2);
}

void SqlScriptTest::runsEmbeddedSampleScripts_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("tables");

    QTest::newRow("inventory")
        << QStringLiteral(":/resources/docs/sample_inventory_tables.sql")
        << QStringLiteral("INVENTORY_7.0.0")
        << QStringList{QStringLiteral("tblCustomers"), QStringLiteral("tblInventory"),
                       QStringLiteral("tblMerchora"),  QStringLiteral("tblPODetails"),
                       QStringLiteral("tblPOrders"),   QStringLiteral("tblProductCategories"),
                       QStringLiteral("tblProducts"),  QStringLiteral("tblUsers"),
                       QStringLiteral("tblVendors")};
    QTest::newRow("sales") << QStringLiteral(":/resources/docs/sample_sales_tables.sql")
                           << QStringLiteral("SALES_7.0.0")
                           << QStringList{QStringLiteral("tblMerchora"),
                                          QStringLiteral("tblSalesInvoice"),
                                          QStringLiteral("tblSalesTransactions")};
}

void SqlScriptTest::runsEmbeddedSampleScripts()
{
    QFETCH(QString, resource);
    QFETCH(QString, version);
    QFETCH(QStringList, tables);

    QVERIFY2(QFile::exists(resource), qPrintable(resource));
    QCOMPARE(runScriptFile(resource), 0);

    QStringList found;
    QString stamp;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QString::fromLatin1(CHECK_CONNECTION));
        db.setDatabaseName(m_dbPath);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                          "AND name NOT LIKE 'sqlite%' ORDER BY name")));
        while (query.next())
            found << query.value(0).toString();
        QVERIFY(query.exec(QStringLiteral("SELECT DB_VERSION FROM tblMerchora")));
        if (query.next())
            stamp = query.value(0).toString();
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(CHECK_CONNECTION));
    QCOMPARE(found, tables);
    QCOMPARE(stamp, version);
}

MERCHORA_TEST_MAIN(SqlScriptTest)
#include "tst_sqlscript.moc"
