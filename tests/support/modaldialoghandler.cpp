#include "modaldialoghandler.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace TestSupport {

ModalDialogHandler::ModalDialogHandler(QObject* parent) : QObject(parent)
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalDialogHandler::poll);
    m_timer.start();
    m_sinceLastStep.start();
}

ModalDialogHandler::~ModalDialogHandler() = default;

void ModalDialogHandler::expect(Answer answer, const QString& description, int waitMs)
{
    if (m_queue.isEmpty())
        m_sinceLastStep.restart();
    m_queue.append({std::move(answer), description, waitMs});
}

void ModalDialogHandler::expectMessageBox(QMessageBox::StandardButton button, QString* text,
                                          QString* title)
{
    expect(
        [button, text, title](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box) {
                if (auto* dialog = qobject_cast<QDialog*>(widget))
                    dialog->reject();
                return;
            }
            if (text)
                *text = box->text();
            if (title)
                *title = box->windowTitle();
            pressButton(box, button);
        },
        QStringLiteral("message box"));
}

void ModalDialogHandler::expectFileDialog(const QString& path)
{
    expect(
        [path](QWidget* widget) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (!dialog) {
                if (auto* other = qobject_cast<QDialog*>(widget))
                    other->reject();
                return;
            }
            if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                edit->setText(path);
            else
                dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        },
        QStringLiteral("file dialog"));
}

bool ModalDialogHandler::waitUntilDone(int maxMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!m_queue.isEmpty() && timer.elapsed() < maxMs)
        QTest::qWait(20);
    return m_queue.isEmpty();
}

QStringList ModalDialogHandler::finish()
{
    for (const Expected& expected : qAsConst(m_queue))
        m_problems << QStringLiteral("an expected %1 never came")
                          .arg(expected.description.isEmpty() ? QStringLiteral("dialog")
                                                              : expected.description);
    m_queue.clear();
    // Close whatever modal dialogs are still open, innermost first.
    for (int guard = 0; guard < 10; ++guard) {
        QWidget* open = QApplication::activeModalWidget();
        if (!open)
            break;
        closeStray(open, QStringLiteral("still open at the end of the test"));
        QCoreApplication::processEvents();
    }
    m_answered_widgets.clear();
    m_stray.clear();
    const QStringList problems = m_problems;
    m_problems.clear();
    return problems;
}

void ModalDialogHandler::poll()
{
    QWidget* active = QApplication::activeModalWidget();
    const bool alreadyAnswered =
        active && std::any_of(m_answered_widgets.cbegin(), m_answered_widgets.cend(),
                              [active](const QPointer<QWidget>& w) { return w == active; });

    if (active && !alreadyAnswered && !m_queue.isEmpty()) {
        const Expected expected = m_queue.takeFirst();
        m_answered_widgets.append(active);
        ++m_answered;
        m_sinceLastStep.restart();
        m_stray.clear();
        QPointer<QWidget> target(active);
        // Run the answer from a fresh event so that this timer keeps watching when the answer
        // itself opens a further modal dialog.
        QTimer::singleShot(0, this, [target, expected]() {
            if (target)
                expected.answer(target);
        });
        return;
    }

    if (!m_queue.isEmpty() && m_sinceLastStep.elapsed() > m_queue.first().waitMs) {
        const Expected expected = m_queue.takeFirst();
        m_problems << QStringLiteral("an expected %1 never came")
                          .arg(expected.description.isEmpty() ? QStringLiteral("dialog")
                                                              : expected.description);
        m_sinceLastStep.restart();
    }

    // A modal dialog that nobody answers, or that stays open after its answer, is closed after
    // a grace period so that the test cannot hang.
    if (active) {
        if (m_stray != active) {
            m_stray = active;
            m_strayFor.restart();
        } else if (m_strayFor.elapsed() > m_graceMs) {
            closeStray(active, alreadyAnswered ? QStringLiteral("still open after its answer")
                                               : QStringLiteral("not expected"));
            m_stray.clear();
        }
    } else {
        m_stray.clear();
    }
}

void ModalDialogHandler::closeStray(QWidget* widget, const QString& why)
{
    m_problems << QStringLiteral("%1 %2").arg(describe(widget), why);
    if (auto* dialog = qobject_cast<QDialog*>(widget))
        dialog->reject();
    else
        widget->close();
}

QString ModalDialogHandler::describe(QWidget* widget)
{
    QString text = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->windowTitle().isEmpty())
        text += QStringLiteral(" \"%1\"").arg(widget->windowTitle());
    if (auto* box = qobject_cast<QMessageBox*>(widget))
        text += QStringLiteral(" (%1)").arg(box->text());
    return text;
}

bool pressButton(QWidget* dialog, QMessageBox::StandardButton button)
{
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        if (QAbstractButton* b = box->button(button)) {
            b->click();
            return true;
        }
        return false;
    }
    const auto boxes = dialog->findChildren<QDialogButtonBox*>();
    for (QDialogButtonBox* buttons : boxes) {
        if (QPushButton* b =
                buttons->button(static_cast<QDialogButtonBox::StandardButton>(button))) {
            b->click();
            return true;
        }
    }
    return false;
}

bool clickButtonWithText(QWidget* dialog, const QString& text)
{
    const auto buttons = dialog->findChildren<QAbstractButton*>();
    for (QAbstractButton* b : buttons) {
        if (b->text().remove(QLatin1Char('&')) == text) {
            b->click();
            return true;
        }
    }
    return false;
}

} // namespace TestSupport
