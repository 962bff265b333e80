#ifndef MODALDIALOGHANDLER_H
#define MODALDIALOGHANDLER_H

#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace TestSupport {

// Answers the modal dialogs a test provokes, in the order they are expected. While a test runs
// code that calls exec() on a dialog, a timer watches QApplication::activeModalWidget() and hands
// each new modal widget to the next queued answer. A dialog that never comes, a modal dialog
// nobody expected and a dialog still open after its answer are reported by finish() and closed,
// so a test fails instead of hanging.
class ModalDialogHandler : public QObject
{
    Q_OBJECT

public:
    using Answer = std::function<void(QWidget*)>;

    explicit ModalDialogHandler(QObject* parent = nullptr);
    ~ModalDialogHandler() override;

    // Queues an answer for the next modal dialog. The dialog must appear within waitMs of the
    // previous answer (or of this call) and be closed by the answer (or soon after it).
    void expect(Answer answer, const QString& description = QString(), int waitMs = 5000);
    // Shortcut: the next dialog is a QMessageBox; press the given button. The box's text and
    // title are stored where the pointers point.
    void expectMessageBox(QMessageBox::StandardButton button, QString* text = nullptr,
                          QString* title = nullptr);
    // Shortcut: the next dialog is a QFileDialog; type the path as its file name and accept it.
    void expectFileDialog(const QString& path);

    // Lets the event loop run until every queued answer has been used or has timed out.
    bool waitUntilDone(int maxMs = 10000);

    // Problems seen since the last call; closes any dialog still open and drops pending answers.
    QStringList finish();

    int pendingCount() const { return m_queue.size(); }
    int answeredCount() const { return m_answered; }

    // How long an unexpected modal dialog, or a dialog left open after its answer, may stay.
    void setGraceMs(int ms) { m_graceMs = ms; }

private:
    void poll();
    void closeStray(QWidget* widget, const QString& why);
    static QString describe(QWidget* widget);

    struct Expected
    {
        Answer answer;
        QString description;
        int waitMs;
    };

    QTimer m_timer;
    QList<Expected> m_queue;
    QElapsedTimer m_sinceLastStep;
    QList<QPointer<QWidget>> m_answered_widgets;
    QPointer<QWidget> m_stray;
    QElapsedTimer m_strayFor;
    QStringList m_problems;
    int m_graceMs = 2000;
    int m_answered = 0;
};

// Closes the dialog by pressing a standard button of a QMessageBox or QDialogButtonBox inside it.
bool pressButton(QWidget* dialog, QMessageBox::StandardButton button);
// Clicks the first push button whose text (without "&") equals the given text.
bool clickButtonWithText(QWidget* dialog, const QString& text);

} // namespace TestSupport

// For cleanup(): fails the test with the handler's problems.
#define MERCHORA_VERIFY_DIALOGS(handler)                                                           \
    do {                                                                                           \
        const QStringList problems_ = (handler).finish();                                          \
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QStringLiteral("; "))));           \
    } while (false)

#endif // MODALDIALOGHANDLER_H
