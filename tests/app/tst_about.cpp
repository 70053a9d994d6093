// About: what a bug report needs, told and copied the same way.
#include "app/AboutContent.h"
#include "model/Localized.h"
#include "view/base/AboutDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <leptonica/allheaders.h>
#include <spdlog/version.h>
#include <sqlite3.h>
#include <tesseract/baseapi.h>

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Localized::install(); }
    void tellsVersionsLicenceAndPaths();
    void copyPutsTheSameTextOnTheClipboard();
};

void TestAbout::tellsVersionsLicenceAndPaths()
{
    const QString history = QStringLiteral("/home/ana/.local/share/brimble/Brimble.sqlite");
    const QString logs = QStringLiteral("/home/ana/.local/state/brimble/logs");
    const AboutInfo info = AboutContent::info(history, logs);
    const QString text = AboutDialog::text(info);
    const QStringList lines = text.split('\n');

    QCOMPARE(lines.first(), QStringLiteral("Brimble " BRIMBLE_VERSION));
    QCOMPARE(lines.at(1), QStringLiteral("Clipboard history with a quick search window"));
    // The copyright file publishes no licence; About must not claim one.
    QVERIFY(lines.at(2).startsWith(QStringLiteral("Licence: none published yet")));

    // The versions as the loaded libraries report them, each on a line of its own.
    char* leptonica = getLeptonicaVersion();
    const QString leptonicaVersion = QString::fromLatin1(leptonica).remove(QStringLiteral("leptonica-"));
    lept_free(leptonica);
    const QStringList expected = {
        QStringLiteral("  Qt %1").arg(qVersion()),
        QStringLiteral("  SQLite %1").arg(sqlite3_libversion()),
        QStringLiteral("  spdlog %1.%2.%3").arg(SPDLOG_VER_MAJOR).arg(SPDLOG_VER_MINOR).arg(SPDLOG_VER_PATCH),
        QStringLiteral("  Tesseract %1").arg(tesseract::TessBaseAPI::Version()),
        QStringLiteral("  Leptonica %1").arg(leptonicaVersion)};
    for (const QString& line : expected)
        QVERIFY2(lines.contains(line), qPrintable(line + " missing from\n" + text));
    const auto libxcb = std::find_if(lines.begin(), lines.end(),
                                     [](const QString& line) { return line.startsWith("  libxcb 1."); });
    QVERIFY2(libxcb != lines.end(), qPrintable(text));
    for (const auto& [library, version] : info.libraries)
        QVERIFY2(!version.isEmpty(), qPrintable(library));

    QVERIFY(lines.contains(QStringLiteral("History: ") + history));
    QVERIFY(lines.contains(QStringLiteral("Logs: ") + logs));
}

void TestAbout::copyPutsTheSameTextOnTheClipboard()
{
    AboutInfo info = AboutContent::info(QStringLiteral("/tmp/a b/Brimble.sqlite"), QStringLiteral("/tmp/logs"));
    // A path is shown as it is, never as markup.
    info.logDirectory = QStringLiteral("/tmp/<b>logs</b>");
    AboutDialog dialog(info);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Brimble"));
    bool pathShown = false;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == info.logDirectory && label->textFormat() == Qt::PlainText)
            pathShown = true;
    QVERIFY(pathShown);

    QApplication::clipboard()->setText(QStringLiteral("before"));
    QCOMPARE(dialog.copyButton()->text(), QStringLiteral("Copy"));
    dialog.copyButton()->click();
    QCOMPARE(QApplication::clipboard()->text(), dialog.text());
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("/tmp/a b/Brimble.sqlite")));
    QCOMPARE(dialog.copyButton()->text(), QStringLiteral("Copied"));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.copyButton()->text(), QStringLiteral("Copy"), 3000);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
