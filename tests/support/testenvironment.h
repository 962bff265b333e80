#ifndef TESTENVIRONMENT_H
#define TESTENVIRONMENT_H

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

namespace TestSupport {

// Points HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_CACHE_HOME at a fresh temporary folder.
// Must exist before the application object, so that no real settings file or store database
// is ever read or written by a test.
class IsolatedEnvironment
{
public:
    IsolatedEnvironment();
    QString root() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Clears every stored setting and forgets the logged-in user, the main window and the failed
// logins of the process.
void resetSettings();
// Closes both store connections and removes the sample database folder.
void resetDatabases();
// The home folder of this test process.
QString homePath();
// The program's dark or light style sheet, for pictures of a dialog as the main window shows it.
QString themeSheet(bool dark = true);
// Pictures for the documentation in another language: when MERCHORA_SCREENSHOT_LANGUAGE names
// one ("de"), its translation is installed before the tests run. Tests themselves run in English.
void installScreenshotLanguage();
// Called once all tests have run. In sanitizer builds it lets Qt's own animations tick once
// more, so that those whose widget a test deleted stop and delete themselves before the leak
// check at exit; elsewhere it does nothing.
void finishPendingAnimations();

} // namespace TestSupport

// Test main for a test of the core floor: isolated folders, no widgets, then the Qt Test run.
#define MERCHORA_TEST_GUILESS_MAIN(TestObject)                                                     \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TestSupport::IsolatedEnvironment environment;                                              \
        QCoreApplication app(argc, argv);                                                          \
        TestObject testObject;                                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&testObject, argc, argv);                                              \
    }

// The same for a test that also runs its own executable as a child process (a process to kill in
// the middle of a write, say): when the first argument is childArgument, childMain runs with the
// arguments after it instead of the tests, in the parent's folders, and its result is the exit
// code.
#define MERCHORA_TEST_GUILESS_MAIN_WITH_CHILD(TestObject, childArgument, childMain)                \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (argc >= 2 && qstrcmp(argv[1], childArgument) == 0) {                                   \
            QCoreApplication app(argc, argv);                                                      \
            return childMain(QCoreApplication::arguments().mid(2));                                \
        }                                                                                          \
        TestSupport::IsolatedEnvironment environment;                                              \
        QCoreApplication app(argc, argv);                                                          \
        TestObject testObject;                                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&testObject, argc, argv);                                              \
    }

// The mains below need the widgets: a test linked without them has only the one above.
#ifdef QT_WIDGETS_LIB
#include <QApplication>

// The body of the test mains with widgets: isolated folders, offscreen platform, the Qt Test run.
#define MERCHORA_RUN_TESTS(TestObject, argc, argv)                                                 \
    TestSupport::IsolatedEnvironment environment;                                                  \
    QApplication app(argc, argv);                                                                  \
    app.setAttribute(Qt::AA_Use96Dpi, true);                                                       \
    TestSupport::installScreenshotLanguage();                                                      \
    TestObject testObject;                                                                         \
    QTEST_SET_MAIN_SOURCE_PATH                                                                     \
    const int result = QTest::qExec(&testObject, argc, argv);                                      \
    TestSupport::finishPendingAnimations();                                                        \
    return result;

// Test main: isolated folders, offscreen platform, then the Qt Test run.
#define MERCHORA_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        MERCHORA_RUN_TESTS(TestObject, argc, argv)                                                 \
    }

// Test main for a test that also runs its own executable as a child process (a process to kill in
// the middle of a write, say): when the first argument is childArgument, childMain runs with the
// arguments after it instead of the tests, and its result is the exit code.
#define MERCHORA_TEST_MAIN_WITH_CHILD(TestObject, childArgument, childMain)                        \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (argc >= 2 && qstrcmp(argv[1], childArgument) == 0) {                                   \
            QCoreApplication app(argc, argv);                                                      \
            return childMain(QCoreApplication::arguments().mid(2));                                \
        }                                                                                          \
        MERCHORA_RUN_TESTS(TestObject, argc, argv)                                                 \
    }

#endif // QT_WIDGETS_LIB

#endif // TESTENVIRONMENT_H
