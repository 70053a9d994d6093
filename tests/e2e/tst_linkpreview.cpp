// A link's preview under a real window manager: nothing is fetched until the user asks, and
// the page, once asked for, never takes the panel off the screen or the keyboard from it.
#include "E2eSupport.h"
#include "LocalHttpServer.h"
#include "RequiredServices.h"

#include <QProcess>
#include <QTest>

using E2e::mappedPanel;
using E2e::panelIsShownAndFocused;

class TestLinkPreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void loadsOnlyWhenAskedAndKeepsTheKeyboard();
};

void TestLinkPreview::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        BRIMBLE_SKIP_UNLESS_REQUIRED("needs an X display (scripts/test starts one)");
}

void TestLinkPreview::loadsOnlyWhenAskedAndKeepsTheKeyboard()
{
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.respond(200, "<html><body><h1>Signed in</h1><input autofocus></body></html>");
    BrimbleSession session;
    QProcessEnvironment extra;
    // The page is served on 127.0.0.1; the engine's sandbox cannot start as root.
    extra.insert("BRIMBLE_TEST_PREVIEW_LOOPBACK", "1");
    extra.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QVERIFY(session.start(extra));
    E2e::xclipCopy(server.url("/magic-login?token=once").toEncoded());
    QVERIFY(session.waitForCount(1));

    // The newest row, the link, is selected when the panel opens: it is not fetched.
    QCOMPARE(session.cli({"toggle"}).exitCode, 0);
    QVERIFY(E2e::waitUntil(panelIsShownAndFocused, 5000));
    const QString panel = mappedPanel();
    E2e::settle(1500);
    QVERIFY(server.requests().isEmpty());

    QVERIFY(QProcess::execute("xdotool", {"key", "space"}) == 0);
    QVERIFY2(E2e::waitUntil([&] { return !server.requests().isEmpty(); }, 60000), qPrintable(session.log()));
    QCOMPARE(server.requests().first().path, QByteArray("/magic-login?token=once"));
    // The engine starts and the page (which asks for the keyboard) renders meanwhile.
    for (int check = 0; check < 40; ++check) {
        QVERIFY2(panelIsShownAndFocused(), qPrintable(QString("check %1").arg(check)));
        QCOMPARE(mappedPanel(), panel);
        E2e::settle(75);
    }
    // Asked once, fetched once (the engine may add the site's icon).
    int visits = 0;
    for (const LocalHttpServer::Request& request : server.requests())
        visits += request.path.startsWith("/magic-login") ? 1 : 0;
    QCOMPARE(visits, 1);
    QCOMPARE(session.stop(), 0);
}

QTEST_MAIN(TestLinkPreview)
#include "tst_linkpreview.moc"
