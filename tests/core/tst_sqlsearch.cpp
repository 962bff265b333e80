#include "testenvironment.h"

#include "core/sqlsearch.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRelationalTableModel>

// Searching with typed text: quotes, wildcards and SQL text are found as themselves.
class SqlSearchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void findsTextAnywhereAsItself_data();
    void findsTextAnywhereAsItself();
    void tableModelFiltersWithBoundValues();
    void relationalModelFiltersWithBoundValues();
    void plainFilterStillWorksAfterBoundOne();

private:
    QStringList namesFound(const QString& text);
    QSqlDatabase m_db;
};

static const QStringList kNames = {
    QStringLiteral("O'Brien's Pharmacy"), QStringLiteral("100% Cotton Shirt"),
    QStringLiteral("1000 Cotton Shirts"), QStringLiteral("snake_case cable"),
    QStringLiteral("snakeXcase cable"),   QStringLiteral("C:\\drivers"),
    QStringLiteral("Paracetamol"),        QStringLiteral("x') OR 1=1 --"),
    QStringLiteral("Zoë's Bakery")};

void SqlSearchTest::initTestCase()
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("search"));
    m_db.setDatabaseName(QStringLiteral(":memory:"));
    QVERIFY(m_db.open());
    QSqlQuery query(m_db);
    QVERIFY(query.exec(QStringLiteral("CREATE TABLE c (ID INTEGER PRIMARY KEY, NAME TEXT)")));
    QVERIFY(query.exec(
        QStringLiteral("CREATE TABLE t (ID INTEGER PRIMARY KEY, NAME TEXT, NOTE TEXT, C_ID INT)")));
    QVERIFY(query.exec(QStringLiteral("INSERT INTO c VALUES (1, 'Shop')")));
    query.prepare(QStringLiteral("INSERT INTO t (NAME, NOTE, C_ID) VALUES (?, ?, 1)"));
    for (const QString& name : kNames) {
        query.addBindValue(name);
        query.addBindValue(QStringLiteral("note of ") + name.left(3));
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    }
}

void SqlSearchTest::cleanupTestCase()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("search"));
}

QStringList SqlSearchTest::namesFound(const QString& text)
{
    QVariantList values;
    const QString condition = SqlSearch::AnyColumnContains({QStringLiteral("NAME")}, text, &values);
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT NAME FROM t WHERE ") + condition + " ORDER BY ID");
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return {QStringLiteral("error: ") + query.lastError().text()};
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

void SqlSearchTest::findsTextAnywhereAsItself_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("quote") << QStringLiteral("'") << QStringList{kNames[0], kNames[7], kNames[8]};
    QTest::newRow("apostrophe name") << QStringLiteral("O'Brien's") << QStringList{kNames[0]};
    QTest::newRow("percent matches itself") << QStringLiteral("100%") << QStringList{kNames[1]};
    QTest::newRow("underscore matches itself") << QStringLiteral("e_c") << QStringList{kNames[3]};
    QTest::newRow("backslash") << QStringLiteral("C:\\") << QStringList{kNames[5]};
    QTest::newRow("sql text") << QStringLiteral("') OR 1=1 --") << QStringList{kNames[7]};
    QTest::newRow("ascii letters ignore case")
        << QStringLiteral("cotton") << QStringList{kNames[1], kNames[2]};
    QTest::newRow("middle of a word") << QStringLiteral("aceta") << QStringList{kNames[6]};
    QTest::newRow("non-ascii") << QStringLiteral("Zoë") << QStringList{kNames[8]};
    QTest::newRow("nothing") << QStringLiteral("zzz") << QStringList{};
}

void SqlSearchTest::findsTextAnywhereAsItself()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(namesFound(text), expected);
}

void SqlSearchTest::tableModelFiltersWithBoundValues()
{
    BoundFilterTableModel model(nullptr, m_db);
    model.setTable(QStringLiteral("t"));
    QVERIFY(model.select());
    QCOMPARE(model.rowCount(), kNames.size());

    QVariantList values;
    const QString filter = SqlSearch::AnyColumnContains(
        {QStringLiteral("NAME"), QStringLiteral("NOTE")}, QStringLiteral("O'B"), &values);
    model.SetBoundFilter(filter, values);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.data(model.index(0, 1)).toString(), kNames[0]);

    // The selected rows can still be edited and written back.
    QVERIFY(model.setData(model.index(0, 2), QStringLiteral("changed")));
    QVERIFY2(model.submitAll(), qPrintable(model.lastError().text()));
    QSqlQuery check(m_db);
    QVERIFY(check.exec(QStringLiteral("SELECT NOTE FROM t WHERE ID = 1")) && check.next());
    QCOMPARE(check.value(0).toString(), QStringLiteral("changed"));
    // submitAll selects again, with the same bound filter.
    QCOMPARE(model.rowCount(), 1);
}

void SqlSearchTest::relationalModelFiltersWithBoundValues()
{
    BoundFilterModel<QSqlRelationalTableModel> model(nullptr, m_db);
    model.setTable(QStringLiteral("t"));
    model.setRelation(
        3, QSqlRelation(QStringLiteral("c"), QStringLiteral("ID"), QStringLiteral("NAME")));
    QVariantList values;
    model.SetBoundFilter(SqlSearch::LikeCondition(QStringLiteral("t.NAME")),
                         {SqlSearch::ContainsPattern(QStringLiteral("_case"))});
    QVERIFY2(model.select(), qPrintable(model.lastError().text()));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.data(model.index(0, 1)).toString(), kNames[3]);
    QCOMPARE(model.data(model.index(0, 3)).toString(), QStringLiteral("Shop"));
}

void SqlSearchTest::plainFilterStillWorksAfterBoundOne()
{
    BoundFilterTableModel model(nullptr, m_db);
    model.setTable(QStringLiteral("t"));
    model.SetBoundFilter(SqlSearch::LikeCondition(QStringLiteral("NAME")),
                         {SqlSearch::ContainsPattern(QStringLiteral("Cotton"))});
    QVERIFY(model.select());
    QCOMPARE(model.rowCount(), 2);
    model.setFilter(QString());
    QVERIFY(model.select());
    QCOMPARE(model.rowCount(), kNames.size());
}

MERCHORA_TEST_GUILESS_MAIN(SqlSearchTest)
#include "tst_sqlsearch.moc"
