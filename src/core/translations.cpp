#include "core/translations.h"
#include "core/utility.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

namespace {
const char kEnglish[] = "en";

struct Language
{
    const char* code;
    const char* nativeName;
};

// English first: it is the language of the source texts and needs no file.
const Language kLanguages[] = {{"en", "English"}, {"de", "Deutsch"}};

QPointer<QTranslator> g_programTranslator;
QPointer<QTranslator> g_qtTranslator;
QString g_current = QString::fromLatin1(kEnglish);

void Remove(QPointer<QTranslator>& translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}
} // namespace

namespace Translations {

QStringList Available()
{
    QStringList codes;
    for (const Language& language : kLanguages)
        codes << QString::fromLatin1(language.code);
    return codes;
}

QString NativeName(const QString& code)
{
    for (const Language& language : kLanguages) {
        if (code == QLatin1String(language.code))
            return QString::fromUtf8(language.nativeName);
    }
    return code;
}

QString Choose(const QString& stored, const QStringList& uiLanguages)
{
    const QStringList available = Available();
    if (available.contains(stored))
        return stored;
    for (const QString& uiLanguage : uiLanguages) {
        // "de-DE", "de_AT" and "de" all name German.
        const QString code =
            uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (available.contains(code))
            return code;
    }
    return QString::fromLatin1(kEnglish);
}

QString ChooseForThisUser()
{
    const QString stored = Utility::GetInstance()
                               ->GetSettings()
                               ->value(QString::fromLatin1(SettingKey::LANGUAGE))
                               .toString();
    return Choose(stored, QLocale::system().uiLanguages());
}

bool Install(QCoreApplication* application, const QString& code)
{
    Remove(g_programTranslator);
    Remove(g_qtTranslator);
    g_current = code;
    if (code == QLatin1String(kEnglish))
        return false;

    // Qt's own texts (Yes, No, Cancel, the print dialogs) come from the system's Qt translations
    // when they are installed; without them those few stay in English.
    auto* qt = new QTranslator(application);
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        g_qtTranslator = qt;
    } else {
        delete qt;
    }

    auto* program = new QTranslator(application);
    if (!program->load(QStringLiteral(":/translations/merchora_") + code)) {
        delete program;
        return false;
    }
    QCoreApplication::installTranslator(program);
    g_programTranslator = program;
    return true;
}

QString Current()
{
    return g_current;
}

} // namespace Translations
