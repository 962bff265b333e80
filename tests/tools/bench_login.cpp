// Measures what a login costs: checking one stored password hash, and upgrading a table of
// plain-text passwords. Not a test; run by hand:
//
//   merchora_bench_login [--runs N] [--users N]
//
// --runs: timed runs of each step (15); --users: plain-text rows of the upgrade (20). A login
// checks one hash and should stay well below a second on a small shop PC.

#include "testenvironment.h"

#include "core/passwordhash.h"
#include "core/userstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void Report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double p90 = times[std::min(times.size() - 1, size_t(std::ceil(0.9 * times.size())) - 1)];
    std::printf("%-44s median %8.1f ms   p90 %8.1f ms\n", what, median, p90);
    std::fflush(stdout);
}

std::vector<double> Measure(int runs, const std::function<void()>& step)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return times;
}

int ReadOption(const QStringList& arguments, const QString& name, int fallback)
{
    const int at = arguments.indexOf(name);
    if (at < 0 || at + 1 >= arguments.size())
        return fallback;
    bool ok = false;
    const int value = arguments.at(at + 1).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

int main(int argc, char** argv)
{
    TestSupport::IsolatedEnvironment environment;
    QCoreApplication app(argc, argv);
    const int runs = ReadOption(app.arguments(), QStringLiteral("--runs"), 15);
    const int users = ReadOption(app.arguments(), QStringLiteral("--users"), 20);
    std::printf("%d rounds of PBKDF2-SHA256; %d runs each\n", PasswordHash::DEFAULT_ITERATIONS,
                runs);

    const QString password = QStringLiteral("correct horse");
    const QString stored = PasswordHash::Hash(password);
    Report("check one stored hash (a login)",
           Measure(runs, [&]() { PasswordHash::Verify(password, stored); }));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
    db.setDatabaseName(QDir::homePath() + QStringLiteral("/users.mercdb"));
    if (!db.open()) {
        std::fprintf(stderr, "cannot create the users table\n");
        return 1;
    }
    QSqlQuery query(db);
    query.exec(QStringLiteral("CREATE TABLE tblUsers (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                              "FIRST_NAME TEXT, LAST_NAME TEXT, LOGIN_NAME TEXT UNIQUE, "
                              "PASSWORD TEXT NOT NULL, ROLE TEXT)"));
    std::vector<double> upgrades;
    for (int run = 0; run < runs; ++run) {
        query.exec(QStringLiteral("DELETE FROM tblUsers"));
        query.prepare(QStringLiteral("INSERT INTO tblUsers (FIRST_NAME, LAST_NAME, LOGIN_NAME, "
                                     "PASSWORD, ROLE) VALUES ('A', 'B', ?, ?, 'SALES PERSON')"));
        for (int user = 0; user < users; ++user) {
            query.addBindValue(QStringLiteral("user%1").arg(user));
            query.addBindValue(QStringLiteral("pass%1").arg(user));
            query.exec();
        }
        QElapsedTimer timer;
        timer.start();
        if (UpgradePlainPasswords(db) != users) {
            std::fprintf(stderr, "the upgrade failed\n");
            return 1;
        }
        upgrades.push_back(timer.nsecsElapsed() / 1e6);
    }
    const QByteArray label = QStringLiteral("upgrade %1 plain-text passwords").arg(users).toUtf8();
    Report(label.constData(), upgrades);
    return 0;
}
