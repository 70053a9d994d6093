// The shipped catalogues: every language has a finished text for every id of the English one,
// each keeping the English text's placeholders, and the one of the desktop's language is the
// one Brimble shows.
#include "TestSupport.h"
#include "model/Localized.h"
#include "platform/KeyTable.h"

#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

namespace {

// %1 to %99 and %n, as a sorted list (a text may use one twice, the translation must too).
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%(n|[1-9][0-9]?)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

const QString kDirectory = QStringLiteral(BRIMBLE_SOURCE_DIR "/resources/translations");

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyIdHasAFinishedTextWithTheSamePlaceholders_data();
    void everyIdHasAFinishedTextWithTheSamePlaceholders();
    void theDesktopLanguageIsShownWithEnglishForTheRest();
    void keysAreNamedAsQtNamesThemInTheLanguage();
};

void TestTranslations::everyIdHasAFinishedTextWithTheSamePlaceholders_data()
{
    QTest::addColumn<QString>("path");
    const QStringList files =
        QDir(kDirectory).entryList({QStringLiteral("brimble_*.ts")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 9);
    for (const QString& file : files)
        if (file != u"brimble_en.ts")
            QTest::newRow(qPrintable(file)) << kDirectory + QLatin1Char('/') + file;
}

void TestTranslations::everyIdHasAFinishedTextWithTheSamePlaceholders()
{
    QFETCH(QString, path);
    const QMap<QString, CatalogueMessage> english = readCatalogue(kDirectory + QStringLiteral("/brimble_en.ts"));
    const QMap<QString, CatalogueMessage> catalogue = readCatalogue(path);
    QVERIFY(english.size() > 100);
    QCOMPARE(catalogue.keys(), english.keys());
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        const CatalogueMessage& theirs = catalogue.value(it.key());
        const QString where = it.key();
        QVERIFY2(theirs.source == it->source, qPrintable(where + ": the source differs from English"));
        QVERIFY2(!theirs.unfinished, qPrintable(where + ": unfinished"));
        QVERIFY2(!theirs.translations.isEmpty(), qPrintable(where + ": no translation"));
        for (const QString& text : theirs.translations) {
            QVERIFY2(!text.trimmed().isEmpty(), qPrintable(where + ": empty translation"));
            QVERIFY2(placeholders(text) == placeholders(it->source),
                     qPrintable(where + ": placeholders differ in \"" + text + "\""));
            // An accelerator the English has must stay one (a single &, not &&).
            QCOMPARE(text.count(QRegularExpression(QStringLiteral("&(?!&)"))) > 0,
                     it->source.count(QRegularExpression(QStringLiteral("&(?!&)"))) > 0);
        }
    }
}

void TestTranslations::theDesktopLanguageIsShownWithEnglishForTheRest()
{
    // Each compiled catalogue is in the program; an id none has reads as itself.
    for (const QString& language : {"de", "fr", "es", "pt_BR", "it", "ru", "zh_CN", "ja"}) {
        QTranslator translator;
        QVERIFY2(translator.load(QStringLiteral(":/translations/brimble_") + language), qPrintable(language));
        QVERIFY(!translator.translate(nullptr, "preferences.general").isEmpty());
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Localized::install();
    QCOMPARE(Localized::text("preferences.general"),
             readCatalogue(kDirectory + QStringLiteral("/brimble_de.ts"))
                 .value(QStringLiteral("preferences.general"))
                 .translations.value(0));
    QCOMPARE(Localized::text("no.such.id"), QStringLiteral("no.such.id"));
}

void TestTranslations::keysAreNamedAsQtNamesThemInTheLanguage()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Localized::install();
    // Qt's own catalogue comes with ours: the key names of menus and tooltips are German, and
    // so are the shortcuts Brimble shows; logs keep the portable names.
    QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_V).toString(QKeySequence::NativeText), QStringLiteral("Strg+V"));
    const KeyCombo combo{9, CarbonModifier::command | CarbonModifier::option | CarbonModifier::shift};
    QCOMPARE(KeyTable::displayText(combo), QStringLiteral("Strg+Alt+Umschalt+V"));
    QCOMPARE(KeyTable::displayModifierName(CarbonModifier::control), QStringLiteral("Super"));
    QCOMPARE(KeyTable::text(combo), QStringLiteral("Ctrl+Alt+Shift+V"));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Paste"), QStringLiteral("Einf&ügen"));
    // The German texts name the keys the same way, as German keyboards label them.
    const QMap<QString, CatalogueMessage> german = readCatalogue(kDirectory + QStringLiteral("/brimble_de.ts"));
    for (auto it = german.cbegin(); it != german.cend(); ++it)
        for (const QString& text : it->translations)
            QVERIFY2(!text.contains(QLatin1String("Ctrl")) && !text.contains(QLatin1String("Shift")),
                     qPrintable(it.key() + ": " + text));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
