// Opening links and showing files: the outcome is the opener's, reported when it is known.
#include "platform/NullWorkspace.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestXdgWorkspace : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void reportsHowOpeningEnded_data();
    void reportsHowOpeningEnded();
    void refusesWhatCannotBeTried();
    void revealFallsBackToTheFolder();

private:
    // An xdg-open on PATH that notes its argument and exits with `status`; none when < 0.
    void installOpener(int status);
    QString openedWith() const;

    QTemporaryDir bin_;
    QByteArray path_;
};

void TestXdgWorkspace::initTestCase()
{
    path_ = qgetenv("PATH");
    // No file manager answers: revealing goes to the folder.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/brimble-test-bus");
}

void TestXdgWorkspace::cleanup()
{
    qputenv("PATH", path_);
    QFile::remove(bin_.filePath("xdg-open"));
    QFile::remove(bin_.filePath("argument"));
}

void TestXdgWorkspace::installOpener(int status)
{
    qputenv("PATH", QFile::encodeName(bin_.path()));
    if (status < 0)
        return;
    QFile script(bin_.filePath("xdg-open"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                     .arg(bin_.filePath("argument"))
                     .arg(status)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString TestXdgWorkspace::openedWith() const
{
    QFile file(bin_.filePath("argument"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TestXdgWorkspace::reportsHowOpeningEnded_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");
    QTest::newRow("opened") << 0 << QString();
    QTest::newRow("no application for it") << 3 << "no application is set up to open it";
    QTest::newRow("the application failed") << 4 << "the application it was given to failed";
    QTest::newRow("no xdg-open") << -1 << "xdg-open is not installed (package xdg-utils)";
}

void TestXdgWorkspace::reportsHowOpeningEnded()
{
    QFETCH(int, status);
    QFETCH(QString, reason);
    installOpener(status);
    NullWorkspace workspace;
    QSignalSpy failed(&workspace, &Workspace::openFailed);
    const QUrl url(QStringLiteral("https://example.org/a b?x=1"));
    QVERIFY(workspace.openUrl(url));
    if (reason.isEmpty()) {
        QTRY_COMPARE(openedWith(), url.toString(QUrl::FullyEncoded));
        QTest::qWait(200);
        QCOMPARE(failed.size(), 0);
        return;
    }
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.first().at(0).toString(), url.toDisplayString());
    QCOMPARE(failed.first().at(1).toString(), reason);
}

void TestXdgWorkspace::refusesWhatCannotBeTried()
{
    installOpener(0);
    NullWorkspace workspace;
    QSignalSpy failed(&workspace, &Workspace::openFailed);
    QVERIFY(!workspace.openUrl(QUrl(QStringLiteral("http://[broken"))));
    QVERIFY(!workspace.revealFile(bin_.filePath("missing.txt")));
    QTRY_COMPARE(failed.size(), 2);
    QCOMPARE(failed.at(1).at(0).toString(), bin_.filePath("missing.txt"));
    QVERIFY(openedWith().isEmpty());
}

void TestXdgWorkspace::revealFallsBackToTheFolder()
{
    QTemporaryDir folder;
    QFile file(folder.filePath("shown.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    installOpener(0);
    NullWorkspace workspace;
    QSignalSpy failed(&workspace, &Workspace::openFailed);
    QVERIFY(workspace.revealFile(file.fileName()));
    QTRY_COMPARE(openedWith(), QUrl::fromLocalFile(folder.path()).toString(QUrl::FullyEncoded));
    QCOMPARE(failed.size(), 0);
}

QTEST_GUILESS_MAIN(TestXdgWorkspace)
#include "tst_xdgworkspace.moc"
