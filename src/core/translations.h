#ifndef TRANSLATIONS_H
#define TRANSLATIONS_H

#include <QString>
#include <QStringList>

class QCoreApplication;

// The languages the program's texts come in. English is the language the texts are written in;
// every other language is a compiled translation in the resources
// (":/translations/merchora_<code>.qm"). Only the texts change with the language: money and dates
// keep the shop's own settings.
namespace Translations {

// The language codes offered, English first: "en", "de".
QStringList Available();

// The name of a language in that language ("English", "Deutsch"), as the settings offer it.
QString NativeName(const QString& code);

// The language to use: the stored choice when it is one we have, otherwise the first of the
// user's interface languages (as QLocale::uiLanguages() gives them, "de-DE" or "de") that we
// have, otherwise English.
QString Choose(const QString& stored, const QStringList& uiLanguages);

// Choose() with the stored "LANGUAGE" setting and the system locale's interface languages.
QString ChooseForThisUser();

// Loads the program's translation for the language and Qt's own (standard buttons and dialogs,
// when the system has it) and installs them in the application. English installs nothing.
// Returns whether the program's translation is in use; the language counts as the current one
// either way.
bool Install(QCoreApplication* application, const QString& code);

// The language installed last ("en" before any).
QString Current();

} // namespace Translations

#endif // TRANSLATIONS_H
