// The help, the completions and the manual are made from resources/cli/commandline.json; the
// parser has its own table of verbs and options, and the translations carry the summaries' texts.
// Either going its own way is a drift to fix.
#include "TestSupport.h"
#include "app/CommandLine.h"
#include "model/Localized.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QJsonObject description()
{
    QFile file(QStringLiteral(BRIMBLE_SOURCE_DIR "/resources/cli/commandline.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// Every object of the description that has a summary: the program's options, the verbs and
// their options.
QList<QJsonObject> summarized()
{
    const QJsonObject described = description();
    QList<QJsonObject> found;
    for (const QJsonValue& option : described.value("options").toArray())
        found.append(option.toObject());
    for (const QJsonValue& verb : described.value("verbs").toArray()) {
        found.append(verb.toObject());
        for (const QJsonValue& option : verb.toObject().value("options").toArray())
            found.append(option.toObject());
    }
    return found;
}

} // namespace

class TestCommandLineDescription : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The help in English, whatever the desktop of whoever runs the test speaks.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Localized::install();
    }

    void theParserTakesWhatTheDescriptionOffers()
    {
        QMap<QString, QSet<QString>> described;
        for (const QJsonValue& verb : description().value("verbs").toArray()) {
            QSet<QString>& options = described[verb.toObject().value("name").toString()];
            for (const QJsonValue& option : verb.toObject().value("options").toArray())
                options.insert(option.toObject().value("name").toString());
        }
        QMap<QString, QSet<QString>> parsed;
        const QMap<QString, QStringList> table = CommandLine::verbOptions();
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            parsed.insert(it.key(), QSet<QString>(it->cbegin(), it->cend()));
        QCOMPARE(described, parsed);
    }

    // The summaries' English lives twice, in the description (for the manual and the
    // completions) and in the catalogue (for the help in every language): the two must say the
    // same, and each language must have its text.
    void everySummaryHasItsTextInEveryLanguage()
    {
        const QList<QJsonObject> objects = summarized();
        QVERIFY(objects.size() > 30);
        const QMap<QString, CatalogueMessage> english = projectCatalogue("en");
        for (const QJsonObject& object : objects) {
            const QString id = object.value("id").toString();
            const QString where = object.value("name").toString() + " (" + id + ")";
            QVERIFY2(id.startsWith("cli."), qPrintable(where + ": no id"));
            QVERIFY2(english.contains(id), qPrintable(where + ": not in brimble_en.ts"));
            QVERIFY2(english.value(id).source == object.value("summary").toString(),
                     qPrintable(where + ": brimble_en.ts says \"" + english.value(id).source + "\""));
        }
        for (const QString language : {"de", "fr", "es", "pt_BR", "it", "ru", "zh_CN", "ja"}) {
            const QMap<QString, CatalogueMessage> translated = projectCatalogue(language);
            for (const QJsonObject& object : objects) {
                const CatalogueMessage entry = translated.value(object.value("id").toString());
                const QString where = language + ": " + object.value("id").toString();
                QVERIFY2(entry.source == object.value("summary").toString(),
                         qPrintable(where + ": other source"));
                QVERIFY2(!entry.unfinished && !entry.translations.value(0).trimmed().isEmpty(), qPrintable(where));
                QVERIFY2(entry.translations.value(0) != entry.source, qPrintable(where + ": left in English"));
            }
        }
    }

    // Each verb with its arguments and options, each summary (wrapped as it may be), and no
    // line wider than a terminal.
    void theHelpShowsTheDescription()
    {
        const QString help = CommandLine::helpText();
        const QString flowing = help.simplified();
        for (const QJsonValue& value : description().value("verbs").toArray()) {
            const QJsonObject verb = value.toObject();
            QString usage = "  " + verb.value("name").toString();
            if (!verb.value("arguments").toString().isEmpty())
                usage += ' ' + verb.value("arguments").toString();
            for (const QJsonValue& option : verb.value("options").toArray()) {
                const QJsonObject o = option.toObject();
                usage += " [" + o.value("name").toString() +
                         (o.contains("value") ? ' ' + o.value("value").toString() : QString()) + ']';
            }
            QVERIFY2(help.contains("\n" + usage + "\n"), qPrintable(usage));
        }
        for (const QJsonObject& object : summarized())
            QVERIFY2(flowing.contains(object.value("summary").toString()),
                     qPrintable(object.value("summary").toString()));
        for (const QString& line : help.split('\n'))
            QVERIFY2(line.size() <= 79, qPrintable(line));
        // A word is never cut where it has a hyphen.
        QVERIFY(!help.contains(QRegularExpression("-\n")));
        QVERIFY(help.startsWith("Usage: brimble"));
    }

    // The manual's statuses come from the description, the help's and the README's table are
    // written by hand: each names the same codes.
    void exitStatusesAgree()
    {
        QList<int> described;
        for (const QJsonValue& status : description().value("exitStatus").toArray())
            described.append(status.toObject().value("code").toInt(-1));

        const QString help = CommandLine::helpText();
        const QString helpStatuses = help.mid(help.indexOf("Exit status:"));
        QList<int> helped;
        for (auto it = QRegularExpression("[:,]\\s(\\d+) ").globalMatch(helpStatuses); it.hasNext();)
            helped.append(it.next().captured(1).toInt());

        QFile readme(QStringLiteral(BRIMBLE_SOURCE_DIR "/README.md"));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        QList<int> tabled;
        for (auto it = QRegularExpression("^\\| (\\d+) \\|", QRegularExpression::MultilineOption)
                           .globalMatch(QString::fromUtf8(readme.readAll()));
             it.hasNext();)
            tabled.append(it.next().captured(1).toInt());

        const QList<int> codes = {CommandLine::Success,    CommandLine::Failed,          CommandLine::Usage,
                                  CommandLine::NotRunning, CommandLine::StoreUnreadable, CommandLine::Busy,
                                  CommandLine::CopiedOnly, CommandLine::NoDisplay};
        QCOMPARE(described, codes);
        QCOMPARE(helped, codes);
        QCOMPARE(tabled, codes);
    }
};

QTEST_GUILESS_MAIN(TestCommandLineDescription)
#include "tst_commandlinedescription.moc"
