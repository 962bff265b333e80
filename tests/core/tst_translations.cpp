#include "testenvironment.h"

#include "core/translations.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

namespace {
struct Message
{
    QString context;
    QString source;
    QStringList translations; // one per plural form
    bool finished = false;
};

// The messages of a Qt translation file, in file order; obsolete ones are left out.
QVector<Message> ReadTs(const QString& path)
{
    QVector<Message> messages;
    QFile file(path);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        return messages;
    const QDomNodeList contexts = document.elementsByTagName(QStringLiteral("context"));
    for (int c = 0; c < contexts.count(); ++c) {
        const QDomElement context = contexts.at(c).toElement();
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement m = context.firstChildElement(QStringLiteral("message")); !m.isNull();
             m = m.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement translation = m.firstChildElement(QStringLiteral("translation"));
            const QString type = translation.attribute(QStringLiteral("type"));
            if (type == QLatin1String("obsolete") || type == QLatin1String("vanished"))
                continue;
            // A plural message has one numerusform per form; any other has its text here.
            QStringList forms;
            for (QDomElement f = translation.firstChildElement(QStringLiteral("numerusform"));
                 !f.isNull(); f = f.nextSiblingElement(QStringLiteral("numerusform")))
                forms << f.text();
            messages << Message{name, m.firstChildElement(QStringLiteral("source")).text(),
                                forms.isEmpty() ? QStringList{translation.text()} : forms,
                                type.isEmpty()};
        }
    }
    return messages;
}

// "%1", "%2" ... and "%n", sorted, so that reordered arguments still match.
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    auto it = placeholder.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(0);
    found.sort();
    found.removeDuplicates();
    return found;
}

QStringList TsFiles()
{
    QDir folder(QStringLiteral(MERCHORA_TRANSLATIONS_DIR));
    QStringList files;
    for (const QString& name : folder.entryList({QStringLiteral("merchora_*.ts")}, QDir::Files))
        files << folder.filePath(name);
    return files;
}
} // namespace

// The languages offered and chosen, and the translation files against the sources.
class TranslationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choosesLanguage_data();
    void choosesLanguage();
    void everySourceTextIsInTheTranslations();
    void translationsAreFinishedWithTheirPlaceholders();
};

void TranslationsTest::choosesLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing known") << QString() << QStringList{QStringLiteral("C")} << "en";
    QTest::newRow("German system") << QString() << QStringList{QStringLiteral("de-DE")} << "de";
    QTest::newRow("Swiss German, underscore")
        << QString() << QStringList{QStringLiteral("de_CH")} << "de";
    QTest::newRow("first known of several")
        << QString() << QStringList{QStringLiteral("fr-FR"), QStringLiteral("de-AT")} << "de";
    QTest::newRow("English before German")
        << QString() << QStringList{QStringLiteral("en-GB"), QStringLiteral("de")} << "en";
    QTest::newRow("stored English beats the system")
        << "en" << QStringList{QStringLiteral("de-DE")} << "en";
    QTest::newRow("unknown stored value ignored")
        << "xx" << QStringList{QStringLiteral("de-DE")} << "de";
}

void TranslationsTest::choosesLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, expected);
    QCOMPARE(Translations::Choose(stored, uiLanguages), expected);
}

// lupdate over the sources into copies of the translation files must find nothing new: a text
// that is missing there would be shown in English whatever the language.
void TranslationsTest::everySourceTextIsInTheTranslations()
{
    const QStringList files = TsFiles();
    QVERIFY2(!files.isEmpty(), "no translation files");
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    for (const QString& file : files) {
        const QString copy = scratch.filePath(QFileInfo(file).fileName());
        QVERIFY(QFile::copy(file, copy));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(MERCHORA_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"),
                       QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral(MERCHORA_SOURCE_DIR), QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(lupdate.readAll());
        QVERIFY2(lupdate.exitCode() == 0, qPrintable(output));
        // lupdate warns about texts it cannot place, such as tr() outside a class.
        QVERIFY2(output.trimmed().isEmpty(), qPrintable(output));

        QSet<QString> known;
        for (const Message& message : ReadTs(file))
            known.insert(message.context + QLatin1Char('\x1f') + message.source);
        QStringList missing;
        for (const Message& message : ReadTs(copy)) {
            if (!known.contains(message.context + QLatin1Char('\x1f') + message.source))
                missing << message.context + QStringLiteral(": ") + message.source;
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("%1 lacks (run \"make translations\"):\n%2")
                                .arg(QFileInfo(file).fileName(), missing.join(QLatin1Char('\n')))));
    }
}

void TranslationsTest::translationsAreFinishedWithTheirPlaceholders()
{
    for (const QString& file : TsFiles()) {
        QStringList faults;
        for (const Message& message : ReadTs(file)) {
            if (!message.finished || message.translations.isEmpty())
                faults << QStringLiteral("unfinished: ") + message.source;
            for (const QString& translation : message.translations) {
                if (translation.isEmpty() && !message.source.trimmed().isEmpty())
                    faults << QStringLiteral("empty: ") + message.source;
                else if (Placeholders(translation) != Placeholders(message.source))
                    faults << QStringLiteral("placeholders differ: %1 -> %2")
                                  .arg(message.source, translation);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QFileInfo(file).fileName() + QLatin1Char('\n') +
                                              faults.join(QLatin1Char('\n'))));
    }
}

MERCHORA_TEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
