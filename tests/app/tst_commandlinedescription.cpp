// The completions and the manual are generated from resources/cli/commandline.json; the help
// text is written by hand. A verb or an option in one and not the other is a drift to fix.
#include "app/CommandLine.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestCommandLineDescription : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void describesWhatTheHelpOffers()
    {
        QFile file(QStringLiteral(BRIMBLE_SOURCE_DIR "/resources/cli/commandline.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QMap<QString, QSet<QString>> described;
        for (const QJsonValue& verb :
             QJsonDocument::fromJson(file.readAll()).object().value("verbs").toArray()) {
            QSet<QString> options;
            for (const QJsonValue& option : verb.toObject().value("options").toArray())
                options.insert(option.toObject().value("name").toString());
            described.insert(verb.toObject().value("name").toString(), options);
        }

        // "  list [--clipboard NAME] ...": a verb line, then its continuation lines.
        const QString help = CommandLine::helpText();
        const qsizetype start = help.indexOf("Verbs:\n");
        QVERIFY(start >= 0);
        const QString section = help.mid(start + 7, help.indexOf("\n\n", start) - start - 7);
        QMap<QString, QSet<QString>> helped;
        QStringList current;
        const QRegularExpression verbLine("^  ([a-z][a-z-]*)((?: \\| [a-z][a-z-]*)*)");
        const QRegularExpression optionWord("--[a-z][a-z-]*");
        for (const QString& line : section.split('\n')) {
            const auto verbs = verbLine.match(line);
            if (verbs.hasMatch()) {
                current = QStringList{verbs.captured(1)} + verbs.captured(2).split(" | ", Qt::SkipEmptyParts);
                for (QString& verb : current)
                    helped[verb.trimmed()];
            }
            // Options are named before the explanation, which starts after a wide gap.
            const QString usage = line.section(QRegularExpression("\\s{3,}\\S"), 0, 0);
            for (auto it = optionWord.globalMatch(usage); it.hasNext();) {
                const QString option = it.next().captured();
                for (const QString& verb : current)
                    helped[verb.trimmed()].insert(option);
            }
        }
        QCOMPARE(described, helped);
    }

    // The manual's statuses come from the description, the help's and the README's table are
    // written by hand: each names the same codes.
    void exitStatusesAgree()
    {
        QFile file(QStringLiteral(BRIMBLE_SOURCE_DIR "/resources/cli/commandline.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QList<int> described;
        for (const QJsonValue& status :
             QJsonDocument::fromJson(file.readAll()).object().value("exitStatus").toArray())
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
