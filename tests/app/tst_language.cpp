#include "modaldialoghandler.h"
#include "salesscreenhost.h"
#include "testenvironment.h"

#include "app/mainwindow.h"
#include "core/translations.h"
#include "core/utility.h"
#include "pos/pos.h"
#include "settings/settings.h"
#include "widgets/qposdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>

#include <memory>

namespace {
QSettings* settings()
{
    return Utility::GetInstance()->GetSettings();
}

QString languageKey()
{
    return QString::fromLatin1(SettingKey::LANGUAGE);
}
} // namespace

// The program in German, and the language choice of the settings dialog.
class LanguageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void germanMainWindowAndTill();
    void settingsStoreAChangedLanguage();

private:
    TestSupport::ModalDialogHandler m_dialogs;
};

void LanguageTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    settings()->setValue(QStringLiteral("FIRST_TIME_START"), 0);
    m_dialogs.finish();
}

void LanguageTest::cleanup()
{
    Translations::Install(QCoreApplication::instance(), QStringLiteral("en"));
    TestSupport::resetDatabases();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

// Started as a German shop keeper's program starts: the stored choice picks the translation
// before the first window is made.
void LanguageTest::germanMainWindowAndTill()
{
    settings()->setValue(languageKey(), QStringLiteral("de"));
    QVERIFY(Translations::Install(QCoreApplication::instance(), Translations::ChooseForThisUser()));

    MainWindow window;
    Utility::GetInstance()->SetMainWindow(&window);
    QStringList menus;
    for (QAction* action : window.menuBar()->actions())
        menus << action->text();
    QVERIFY2(menus.contains(QStringLiteral("&Hilfe")), qPrintable(menus.join(QLatin1Char(','))));

    TestSupport::ReceiptShop shop;
    QVERIFY(shop.open(QStringLiteral("german")));
    CPOS* till = nullptr;
    std::unique_ptr<QPOSDialog> host(TestSupport::openSalesScreen(&till));
    QCOMPARE(till->findChild<QLabel*>(QStringLiteral("labelCaptionPushButtonPay"))->text(),
             QStringLiteral("BEZAHLEN"));

    // Each language is offered under its own name, the German one selected.
    Settings dialog;
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("comboLanguage"));
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), QStringLiteral("English"));
    QCOMPARE(combo->currentText(), QStringLiteral("Deutsch"));
}

// Without a choice the system decides, and OK keeps it that way; a changed language is stored
// and said to come with the next start.
void LanguageTest::settingsStoreAChangedLanguage()
{
    {
        Settings dialog;
        dialog.show();
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
    QVERIFY(!settings()->contains(languageKey()));

    Settings dialog;
    dialog.show();
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("comboLanguage"));
    combo->setCurrentIndex(combo->findData(QStringLiteral("de")));
    QString text;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(settings()->value(languageKey()).toString(), QStringLiteral("de"));
    QCOMPARE(text, QStringLiteral("The program shows its texts in Deutsch from its next start."));
}

MERCHORA_TEST_MAIN(LanguageTest)
#include "tst_language.moc"
