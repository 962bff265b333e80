#include "modaldialoghandler.h"
#include "testenvironment.h"

#include "app/welcomedialog.h"
#include "core/utility.h"
#include "widgets/errordialog.h"
#include "widgets/merchoradialog.h"
#include "widgets/progress.h"

#include <QCheckBox>
#include <QDebug>
#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>

namespace {

// How long a window may take to settle after a move or resize.
constexpr int SettleMs = 2000;

const QString MessageKey = QStringLiteral("RETURN_MODE_MESSAGE");
const QString ReturnModeTitle = QStringLiteral("Return Mode");
const QString ReturnModeText =
    QStringLiteral("Now the system is in \"Items Return\" mode. On performing any sale, items will "
                   "be added back to inventory. Please press it again to return to Normal mode. ");

QSettings* settings()
{
    return Utility::GetInstance()->GetSettings();
}

// Counts how often a widget receives a show event, so that a test can tell that a dialog was
// never put on screen.
class ShowCounter : public QObject
{
public:
    explicit ShowCounter(QWidget* watched) : QObject(watched) { watched->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return QObject::eventFilter(watched, event);
    }
};

// How far the centre of a window lies from the centre of another widget, in global coordinates.
QPoint centreOffset(const QWidget* window, const QWidget* over)
{
    return window->mapToGlobal(window->rect().center()) - over->mapToGlobal(over->rect().center());
}

bool isCentred(const QWidget* window, const QWidget* over)
{
    const QPoint offset = centreOffset(window, over);
    return qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1;
}

QString describeCentring(const QWidget* window, const QWidget* over)
{
    QString text;
    QDebug(&text) << "window" << window->geometry() << "over" << over->geometry() << "centre off by"
                  << centreOffset(window, over);
    return text;
}

// An answer for a shown ErrorDialog: sets its check box, notes what was on screen and presses
// "Close".
struct ErrorDialogAnswer
{
    bool shown = false;
    bool wasModal = false;
    bool checkBoxVisible = false;
    QWidget* widget = nullptr;

    TestSupport::ModalDialogHandler::Answer tickAndClose(bool tick)
    {
        return [this, tick](QWidget* dialog) {
            shown = true;
            widget = dialog;
            wasModal = dialog->isModal() && QApplication::activeModalWidget() == dialog;
            auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("checkNotShow"));
            auto* close = dialog->findChild<QPushButton*>(QStringLiteral("pushButton"));
            if (!box || !close || close->text() != QLatin1String("Close")) {
                static_cast<QDialog*>(dialog)->reject();
                return;
            }
            checkBoxVisible = box->isVisible();
            box->setChecked(tick);
            close->click();
        };
    }
};

} // namespace

// The small dialogs used throughout the program: the centred dialog base, the advisory
// message that can be silenced, the busy indicator, the welcome picture, and the images they
// and the screens show.
class CommonDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void dialogStaysCentredOnParent_data();
    void dialogStaysCentredOnParent();
    void dialogWithoutParentKeepsItsPosition_data();
    void dialogWithoutParentKeepsItsPosition();

    void errorDialogShowsTitleTextAndCheckBox_data();
    void errorDialogShowsTitleTextAndCheckBox();
    void errorDialogRemembersAnswer_data();
    void errorDialogRemembersAnswer();
    void errorDialogSilencedThenShownAgain();
    void errorDialogWindowCloseStoresNothing_data();
    void errorDialogWindowCloseStoresNothing();
    void errorDialogAlwaysShown_data();
    void errorDialogAlwaysShown();

    void progressShowsTextAndBusyBar_data();
    void progressShowsTextAndBusyBar();

    void welcomeDialogLooksRight();
    void welcomeDialogClose_data();
    void welcomeDialogClose();

    void imageResourceLoads_data();
    void imageResourceLoads();

    void savesScreenshotsWhenAsked();

private:
    // Runs a silenceable message for the key; when it shows, its box is set to tick and "Close"
    // is pressed. True when it showed and was answered.
    bool showMessage(const QString& key, bool tick);

    TestSupport::ModalDialogHandler m_dialogs;
};

void CommonDialogsTest::initTestCase()
{
    // Registers the compiled-in resources.
    Utility::GetInstance();
}

void CommonDialogsTest::init()
{
    TestSupport::resetSettings();
    m_dialogs.finish();
}

void CommonDialogsTest::cleanup()
{
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

void CommonDialogsTest::dialogStaysCentredOnParent_data()
{
    QTest::addColumn<QRect>("parentGeometry");
    QTest::addColumn<QSize>("dialogSize");
    QTest::addColumn<QSize>("resizedTo");
    QTest::addColumn<QPoint>("parentMovedTo");

    QTest::newRow("main window sized")
        << QRect(100, 100, 800, 600) << QSize(300, 200) << QSize(500, 400) << QPoint(250, 180);
    QTest::newRow("dialog larger than parent")
        << QRect(300, 200, 320, 240) << QSize(400, 300) << QSize(200, 150) << QPoint(60, 50);
    QTest::newRow("odd sizes") << QRect(17, 33, 641, 479) << QSize(301, 199) << QSize(123, 457)
                               << QPoint(400, 11);
}

void CommonDialogsTest::dialogStaysCentredOnParent()
{
    QFETCH(QRect, parentGeometry);
    QFETCH(QSize, dialogSize);
    QFETCH(QSize, resizedTo);
    QFETCH(QPoint, parentMovedTo);

    QWidget parent;
    parent.setGeometry(parentGeometry);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QTRY_COMPARE(parent.mapToGlobal(QPoint(0, 0)), parentGeometry.topLeft());

    MerchoraDialog dialog(&parent);
    dialog.resize(dialogSize);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), dialogSize);
    QTRY_VERIFY2_WITH_TIMEOUT(isCentred(&dialog, &parent),
                              qPrintable(describeCentring(&dialog, &parent)), SettleMs);

    dialog.resize(resizedTo);
    QTRY_COMPARE(dialog.size(), resizedTo);
    QTRY_VERIFY2_WITH_TIMEOUT(isCentred(&dialog, &parent),
                              qPrintable(describeCentring(&dialog, &parent)), SettleMs);

    dialog.hide();
    parent.move(parentMovedTo);
    // move() places the window frame; wait until the platform reports the new client position.
    QCOMPARE(parent.pos(), parentMovedTo);
    QTRY_COMPARE(parent.mapToGlobal(QPoint(0, 0)), parent.geometry().topLeft());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTRY_VERIFY2_WITH_TIMEOUT(isCentred(&dialog, &parent),
                              qPrintable(describeCentring(&dialog, &parent)), SettleMs);
}

void CommonDialogsTest::dialogWithoutParentKeepsItsPosition_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("size");

    QTest::newRow("near the origin") << QPoint(37, 53) << QSize(300, 200);
    QTest::newRow("further in") << QPoint(210, 140) << QSize(450, 320);
}

void CommonDialogsTest::dialogWithoutParentKeepsItsPosition()
{
    QFETCH(QPoint, position);
    QFETCH(QSize, size);

    MerchoraDialog dialog;
    dialog.move(position);
    dialog.resize(size);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.pos(), position);

    dialog.resize(size + QSize(60, 40));
    QTRY_COMPARE(dialog.size(), size + QSize(60, 40));
    QCOMPARE(dialog.pos(), position);
}

void CommonDialogsTest::errorDialogShowsTitleTextAndCheckBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("alwaysShow");

    QTest::newRow("silenceable") << ReturnModeText << false;
    QTest::newRow("always shown") << ReturnModeText << true;
    // Mark-up must show literally, not be interpreted.
    QTest::newRow("mark-up kept as text")
        << QStringLiteral("<b>Stock</b> of 5 < 6 & \"Tea\"\nsecond line") << false;
}

void CommonDialogsTest::errorDialogShowsTitleTextAndCheckBox()
{
    QFETCH(QString, text);
    QFETCH(bool, alwaysShow);

    ErrorDialog dialog(MessageKey, ReturnModeTitle, text, nullptr, alwaysShow);
    QCOMPARE(dialog.windowTitle(), ReturnModeTitle);
    auto* message = dialog.findChild<QTextEdit*>(QStringLiteral("txtMessage"));
    QVERIFY(message);
    QCOMPARE(message->toPlainText(), text);
    auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("checkNotShow"));
    QVERIFY(box);
    QCOMPARE(box->text(), QStringLiteral("Do not show this message again"));
    auto* frame = dialog.findChild<QFrame*>(QStringLiteral("frameCheckBox"));
    QVERIFY(frame);
    QCOMPARE(frame->isVisibleTo(&dialog), !alwaysShow);
    QCOMPARE(box->isVisibleTo(&dialog), !alwaysShow);
    // Nothing is stored merely by building the dialog.
    QVERIFY(!settings()->contains(MessageKey));
}

void CommonDialogsTest::errorDialogRemembersAnswer_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: key absent
    QTest::addColumn<bool>("expectShown");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("expectSilenced");

    QTest::newRow("absent, ticked") << QVariant() << true << true << true;
    QTest::newRow("absent, unticked") << QVariant() << true << false << false;
    QTest::newRow("stored false, ticked") << QVariant(false) << true << true << true;
    QTest::newRow("stored 0, unticked") << QVariant(0) << true << false << false;
    QTest::newRow("stored true") << QVariant(true) << false << false << true;
    QTest::newRow("stored 1") << QVariant(1) << false << false << true;
    QTest::newRow("stored text true") << QVariant(QStringLiteral("true")) << false << false << true;
}

void CommonDialogsTest::errorDialogRemembersAnswer()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, expectShown);
    QFETCH(bool, tick);
    QFETCH(bool, expectSilenced);

    if (stored.isValid())
        settings()->setValue(MessageKey, stored);

    ErrorDialog dialog(MessageKey, ReturnModeTitle, ReturnModeText);
    ShowCounter counter(&dialog);
    ErrorDialogAnswer answer;
    if (expectShown)
        m_dialogs.expect(answer.tickAndClose(tick), QStringLiteral("error dialog"));

    QCOMPARE(dialog.exec(), 1);
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
    QCOMPARE(answer.shown, expectShown);
    QCOMPARE(counter.shows, expectShown ? 1 : 0);
    QVERIFY(!dialog.isVisible());
    if (expectShown) {
        QCOMPARE(answer.widget, &dialog);
        QVERIFY(answer.wasModal);
        QVERIFY(answer.checkBoxVisible);
    }
    QVERIFY(settings()->contains(MessageKey));
    QCOMPARE(Utility::GetInstance()->ReadBool(MessageKey), expectSilenced);
}

bool CommonDialogsTest::showMessage(const QString& key, bool tick)
{
    ErrorDialog dialog(key, ReturnModeTitle, ReturnModeText);
    ShowCounter counter(&dialog);
    ErrorDialogAnswer answer;
    m_dialogs.expect(answer.tickAndClose(tick), key);
    const int result = dialog.exec();
    // An expectation left over because the dialog stayed silent is not a problem here.
    const QStringList problems = m_dialogs.finish();
    const bool shown = counter.shows > 0;
    if (result != 1 || shown != answer.shown || (shown && !problems.isEmpty()))
        qWarning() << "unexpected run of" << key << result << shown << problems;
    return shown && result == 1 && problems.isEmpty();
}

void CommonDialogsTest::errorDialogSilencedThenShownAgain()
{
    const QString other = QStringLiteral("OTHER_MESSAGE");
    QVERIFY(showMessage(MessageKey, true));
    QVERIFY(!showMessage(MessageKey, false));
    QVERIFY(!showMessage(MessageKey, false));
    // Each message has its own key.
    QVERIFY(showMessage(other, false));
    QVERIFY(showMessage(other, true));
    QVERIFY(!showMessage(other, false));

    // The same dialog object stays silent once its message is silenced.
    {
        ErrorDialog dialog(MessageKey, ReturnModeTitle, ReturnModeText);
        ShowCounter counter(&dialog);
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(counter.shows, 0);
    }

    // Once the key is cleared the message shows again, and unticking keeps it showing.
    settings()->remove(MessageKey);
    QVERIFY(showMessage(MessageKey, false));
    QVERIFY(showMessage(MessageKey, false));
    QCOMPARE(Utility::GetInstance()->ReadBool(MessageKey), false);
    QCOMPARE(Utility::GetInstance()->ReadBool(other), true);
}

void CommonDialogsTest::errorDialogWindowCloseStoresNothing_data()
{
    QTest::addColumn<int>("how"); // 0 close(), 1 reject(), 2 Escape key
    QTest::addColumn<bool>("ticked");

    QTest::newRow("close, ticked") << 0 << true;
    QTest::newRow("close, unticked") << 0 << false;
    QTest::newRow("reject, ticked") << 1 << true;
    QTest::newRow("escape, ticked") << 2 << true;
}

void CommonDialogsTest::errorDialogWindowCloseStoresNothing()
{
    QFETCH(int, how);
    QFETCH(bool, ticked);

    ErrorDialog dialog(MessageKey, ReturnModeTitle, ReturnModeText);
    bool shown = false;
    m_dialogs.expect(
        [&shown, how, ticked](QWidget* widget) {
            shown = true;
            auto* d = static_cast<QDialog*>(widget);
            if (auto* box = d->findChild<QCheckBox*>(QStringLiteral("checkNotShow")))
                box->setChecked(ticked);
            if (how == 0)
                d->close();
            else if (how == 1)
                d->reject();
            else
                QTest::keyClick(d, Qt::Key_Escape);
        },
        QStringLiteral("error dialog"));

    QCOMPARE(dialog.exec(), 1);
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
    QVERIFY(shown);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!settings()->contains(MessageKey));
}

void CommonDialogsTest::errorDialogAlwaysShown_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: key absent

    QTest::newRow("key absent") << QVariant();
    QTest::newRow("key silenced") << QVariant(true);
    QTest::newRow("key not silenced") << QVariant(false);
}

void CommonDialogsTest::errorDialogAlwaysShown()
{
    QFETCH(QVariant, stored);

    if (stored.isValid())
        settings()->setValue(MessageKey, stored);

    ErrorDialog dialog(MessageKey, ReturnModeTitle, ReturnModeText, nullptr, true);
    ErrorDialogAnswer answer;
    // The box is hidden; even if it were ticked somehow, Close must not store the answer.
    m_dialogs.expect(answer.tickAndClose(true), QStringLiteral("always shown error dialog"));

    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
    QVERIFY(answer.shown);
    QVERIFY(answer.wasModal);
    QVERIFY(!answer.checkBoxVisible);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(settings()->contains(MessageKey), stored.isValid());
    if (stored.isValid())
        QCOMPARE(settings()->value(MessageKey), stored);
}

void CommonDialogsTest::progressShowsTextAndBusyBar_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expectedLabel");

    QTest::newRow("no text") << QString() << QStringLiteral("Please wait...");
    QTest::newRow("with text") << QStringLiteral("Importing products...")
                               << QStringLiteral("Importing products...");
}

void CommonDialogsTest::progressShowsTextAndBusyBar()
{
    QFETCH(QString, text);
    QFETCH(QString, expectedLabel);

    QWidget parent;
    parent.setGeometry(100, 100, 800, 600);
    parent.show();
    Progress progress(&parent, text);
    progress.show();
    QVERIFY(QTest::qWaitForWindowExposed(&progress));
    // Shown without blocking: nothing modal is waiting for an answer.
    QVERIFY(progress.isVisible());
    QVERIFY(!QApplication::activeModalWidget());

    QCOMPARE(progress.Text(), expectedLabel);
    const auto labels = progress.findChildren<QLabel*>();
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first()->text(), expectedLabel);
    QVERIFY(labels.first()->isVisible());
    auto* bar = progress.findChild<QProgressBar*>();
    QVERIFY(bar);
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 0);
    QCOMPARE(bar->value(), 0);

    progress.close();
    QVERIFY(!progress.isVisible());
}

void CommonDialogsTest::welcomeDialogLooksRight()
{
    WelcomeDialog dialog;
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY2(dialog.styleSheet().contains(
                 QStringLiteral("border-image:url(:/resources/images/welcom_lite.png)")),
             qPrintable(dialog.styleSheet()));
    QVERIFY(!QImage(QStringLiteral(":/resources/images/welcom_lite.png")).isNull());
    auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("checkBox"));
    QVERIFY(box);
    QCOMPARE(
        box->text(),
        QStringLiteral("Please do not show me welcome and settings dialogs  again at startup"));
    QVERIFY(!box->isChecked());
    auto* close = dialog.findChild<QPushButton*>(QStringLiteral("pushButton"));
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("Close"));

    // The picture has a fixed size; the check box text must still fit beside "Close".
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(640, 420));
    QVERIFY2(box->width() >= box->sizeHint().width(),
             qPrintable(QStringLiteral("check box %1 px wide, needs %2 px")
                            .arg(box->width())
                            .arg(box->sizeHint().width())));
    QVERIFY(!box->geometry().intersects(close->geometry()));
}

void CommonDialogsTest::welcomeDialogClose_data()
{
    QTest::addColumn<bool>("tick");
    QTest::addColumn<int>("expectedFirstTimeStart");

    QTest::newRow("ticked") << true << 0;
    QTest::newRow("not ticked") << false << 1;
}

void CommonDialogsTest::welcomeDialogClose()
{
    QFETCH(bool, tick);
    QFETCH(int, expectedFirstTimeStart);

    const QString key = QString::fromLatin1(SettingKey::FIRST_TIME_START);
    QWidget window;
    window.setGeometry(100, 100, 800, 500);
    window.show();
    WelcomeDialog dialog(&window);
    dialog.setModal(true);
    bool shown = false;
    m_dialogs.expect(
        [&shown, tick](QWidget* widget) {
            shown = true;
            auto* box = widget->findChild<QCheckBox*>(QStringLiteral("checkBox"));
            auto* close = widget->findChild<QPushButton*>(QStringLiteral("pushButton"));
            if (!box || !close) {
                static_cast<QDialog*>(widget)->reject();
                return;
            }
            if (tick)
                QTest::mouseClick(box, Qt::LeftButton);
            QTest::mouseClick(close, Qt::LeftButton);
        },
        QStringLiteral("welcome dialog"));
    dialog.exec();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
    QVERIFY(shown);
    QVERIFY(!dialog.isVisible());

    QCOMPARE(settings()->contains(key), tick);
    if (tick)
        QCOMPARE(settings()->value(key).toInt(), 0);
    QCOMPARE(Utility::GetInstance()->ReadInt(key), expectedFirstTimeStart);
}

void CommonDialogsTest::imageResourceLoads_data()
{
    QTest::addColumn<QString>("path");

    const char* const names[] = {"NoImageAvailable.jpg",
                                 "categories.png",
                                 "close.png",
                                 "customers.png",
                                 "merchora_logo.png",
                                 "sales.png",
                                 "welcom_lite.png",
                                 "pos/close-hi.png",
                                 "pos/enter.png",
                                 "pos/new_transaction.png",
                                 "pos/payment_icon.png",
                                 "pos/print.png",
                                 "pos/print_preview.png",
                                 "pos/return.png",
                                 "pos/search.png",
                                 "products.png",
                                 "inventory.png",
                                 "database.png",
                                 "purchase_order.png",
                                 "users.png",
                                 "vendor.png",
                                 "backup.png",
                                 "settings.png"};
    for (const char* name : names)
        QTest::newRow(name) << QStringLiteral(":/resources/images/") + QLatin1String(name);
}

void CommonDialogsTest::imageResourceLoads()
{
    QFETCH(QString, path);

    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QVERIFY(image.width() > 1 && image.height() > 1);
}

// Pictures for the documentation, taken only when MERCHORA_SCREENSHOT_DIR names a folder.
void CommonDialogsTest::savesScreenshotsWhenAsked()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QVERIFY(QDir().mkpath(folder));
    const auto save = [&folder](QWidget* widget, const QString& name) {
        widget->show();
        if (!QTest::qWaitForWindowExposed(widget))
            return false;
        QTest::qWait(50);
        const QPixmap picture = widget->grab();
        return !picture.isNull() && picture.save(QDir(folder).filePath(name), "PNG");
    };

    // Parented to a widget with the program's light theme, as the main window shows them.
    QWidget themed;
    themed.setStyleSheet(TestSupport::themeSheet(false));
    ErrorDialog error(MessageKey, ReturnModeTitle, ReturnModeText, &themed);
    QVERIFY(save(&error, QStringLiteral("errordialog-light.png")));
    error.close();

    WelcomeDialog welcome(&themed);
    QVERIFY(save(&welcome, QStringLiteral("welcomedialog-light.png")));
    welcome.close();

    Progress progress(&themed, QStringLiteral("Importing products..."));
    QVERIFY(save(&progress, QStringLiteral("progress-light.png")));
    progress.close();
}

MERCHORA_TEST_MAIN(CommonDialogsTest)
#include "tst_commondialogs.moc"
