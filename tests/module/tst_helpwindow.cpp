// The manual in its window: it opens at the section asked for, every link inside it leads
// somewhere in it, nothing leads out, and it describes the whole command line.
#include "TestSupport.h"

#include "model/Localized.h"
#include "view/base/HelpWindow.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

class TestHelpWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Localized::install(); }
    void opensAtTheSectionAskedFor();
    void everyLinkInsideResolves();
    void linksOutAreNotFollowed();
    void describesTheWholeCommandLine();
    void installedCopyIsTheOneShown();
};

void TestHelpWindow::opensAtTheSectionAskedFor()
{
    TestHome home;
    HelpWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Brimble Help"));
    QVERIFY(!window.browser()->document()->isEmpty());

    window.showSection(QStringLiteral("auto-paste"));
    QVERIFY(window.isVisible());
    QCOMPARE(window.currentSection(), QStringLiteral("auto-paste"));
    // Far down the page: the view has scrolled to it.
    QTRY_VERIFY(window.browser()->verticalScrollBar()->value() > 0);

    // Contents goes back to the top, an unknown section to the top as well.
    window.showSection(QString());
    QCOMPARE(window.currentSection(), QString());
    QCOMPARE(window.browser()->verticalScrollBar()->value(), 0);
    window.showSection(QStringLiteral("auto-paste"));
    window.showSection(QStringLiteral("no-such-section"));
    QCOMPARE(window.currentSection(), QString());
    QCOMPARE(window.browser()->verticalScrollBar()->value(), 0);
}

void TestHelpWindow::everyLinkInsideResolves()
{
    TestHome home;
    HelpWindow window;
    window.showSection(QString());
    const QString html = HelpWindow::manualHtml();
    const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    QStringList links;
    for (const QRegularExpressionMatch& match : href.globalMatch(html))
        links << match.captured(1);
    QVERIFY(links.size() >= 10);
    // The sections the paths of the program lead to.
    for (const QString& section : {"keys", "preferences", "command-line", "paths", "desktops", "auto-paste"})
        QVERIFY2(window.sections().contains(section), qPrintable(section));

    for (const QString& link : links) {
        QVERIFY2(link.startsWith('#') && link.size() > 1, qPrintable("a link out of the manual: " + link));
        const QString section = link.mid(1);
        QVERIFY2(window.sections().contains(section), qPrintable("no section for " + link));
        // Clicked, as the browser reports a click.
        Q_EMIT window.browser()->anchorClicked(QUrl(link));
        QCOMPARE(window.currentSection(), section);
    }
    // Back returns along the links followed.
    window.browser()->backward();
    QCOMPARE(window.currentSection(), links.at(links.size() - 2).mid(1));
}

void TestHelpWindow::linksOutAreNotFollowed()
{
    TestHome home;
    HelpWindow window;
    window.showSection(QStringLiteral("paths"));
    QSignalSpy refused(&window, &HelpWindow::externalLinkRefused);
    for (const QString& address : {"https://example.org/help", "file:///etc/passwd", "qrc:/icons/brimble.svg"}) {
        Q_EMIT window.browser()->anchorClicked(QUrl(address));
        QCOMPARE(window.browser()->source().toString(), QStringLiteral("qrc:/help/manual.html#paths"));
    }
    QCOMPARE(refused.size(), 3);
    QCOMPARE(refused.first().first().toUrl(), QUrl(QStringLiteral("https://example.org/help")));
}

void TestHelpWindow::describesTheWholeCommandLine()
{
    QFile file(QStringLiteral(BRIMBLE_SOURCE_DIR "/resources/cli/commandline.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject description = QJsonDocument::fromJson(file.readAll()).object();
    const QString html = HelpWindow::manualHtml();
    const QJsonArray verbs = description.value("verbs").toArray();
    QVERIFY(!verbs.isEmpty());
    for (const QJsonValue& value : verbs) {
        const QJsonObject verb = value.toObject();
        const QString name = verb.value("name").toString();
        // The verb's row: its name after "brimble", and each of its options in that row.
        const QRegularExpression row(
            QStringLiteral("<tr>((?!</tr>).)*<code>brimble %1[ <]((?!</tr>).)*</tr>").arg(QRegularExpression::escape(name)));
        const QRegularExpressionMatch match = row.match(html);
        QVERIFY2(match.hasMatch(), qPrintable("the manual lacks brimble " + name));
        for (const QJsonValue& option : verb.value("options").toArray()) {
            const QString optionName = option.toObject().value("name").toString();
            QVERIFY2(match.captured(0).contains(optionName), qPrintable(name + " " + optionName));
        }
    }
    for (const QJsonValue& value : description.value("options").toArray())
        QVERIFY(html.contains(value.toObject().value("name").toString()));
    for (const QJsonValue& value : description.value("exitStatus").toArray())
        QVERIFY(html.contains(QStringLiteral("<tr><td>%1</td>").arg(value.toObject().value("code").toInt())));
}

void TestHelpWindow::installedCopyIsTheOneShown()
{
    QFile source(QStringLiteral(BRIMBLE_SOURCE_DIR "/resources/help/manual.html"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(HelpWindow::manualHtml(), QString::fromUtf8(source.readAll()));
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
