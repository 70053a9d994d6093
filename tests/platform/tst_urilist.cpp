#include "platform/UriList.h"

#include <QTest>

class TestUriList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void entriesKeepTheLineAsWritten();
};

void TestUriList::decode_data()
{
    QTest::addColumn<QByteArray>("list");
    // The local files, and the list as pasted as plain text.
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("text");

    // Lists every reader always read the same way.
    QTest::newRow("CRLF lines, escapes") << QByteArray("file:///tmp/a%20b.txt\r\nfile:///tmp/c\r\n")
                                         << QStringList{"/tmp/a b.txt", "/tmp/c"} << "/tmp/a b.txt\n/tmp/c";
    QTest::newRow("LF lines, no final newline")
        << QByteArray("file:///a\nfile:///b") << QStringList{"/a", "/b"} << "/a\n/b";
    QTest::newRow("comments and empty lines")
        << QByteArray("# copied\r\n\r\nfile:///a\r\n#file:///b\r\n") << QStringList{"/a"} << "/a";
    QTest::newRow("UTF-8 names") << QByteArray("file:///home/u/%C3%A9t%C3%A9.txt")
                                 << QStringList{u"/home/u/été.txt"_qs} << u"/home/u/été.txt"_qs;
    QTest::newRow("UTF-8 written unescaped")
        << QByteArray("file:///tmp/\xc3\xa9t\xc3\xa9") << QStringList{u"/tmp/été"_qs} << u"/tmp/été"_qs;
    QTest::newRow("white space around a line")
        << QByteArray("  file:///tmp/a \t\r\n") << QStringList{"/tmp/a"} << "/tmp/a";
    QTest::newRow("a bare path, as some programs write")
        << QByteArray("/tmp/bare%20path") << QStringList{"/tmp/bare path"} << "/tmp/bare path";
    QTest::newRow("nothing but comments") << QByteArray("# nothing\r\n\r\n") << QStringList{} << "";
    QTest::newRow("no path") << QByteArray("file://\r\nfile://localhost") << QStringList{}
                             << "file://\nfile://localhost";

    // Lists the three readers of before disagreed on: the preview dropped these entries, the
    // stored bookmark and the pasted text took "file://" out of the line wherever it stood.
    QTest::newRow("localhost is this machine") << QByteArray("file://localhost/tmp/a\r\nfile://LocalHost/b")
                                               << QStringList{"/tmp/a", "/b"} << "/tmp/a\n/b";
    QTest::newRow("one slash after the scheme")
        << QByteArray("file:/tmp/a") << QStringList{"/tmp/a"} << "/tmp/a";
    QTest::newRow("scheme in capitals") << QByteArray("FILE:///tmp/a") << QStringList{"/tmp/a"} << "/tmp/a";
    QTest::newRow("file:// inside the path")
        << QByteArray("file:///tmp/x/file:///y") << QStringList{"/tmp/x/file:///y"} << "/tmp/x/file:///y";
    QTest::newRow("another host's file")
        << QByteArray("file://server/share/a") << QStringList{} << "file://server/share/a";
    QTest::newRow("web links among files")
        << QByteArray("https://example.org/a%20b\r\nfile:///tmp/a\r\nmailto:me@example.org")
        << QStringList{"/tmp/a"} << "https://example.org/a%20b\n/tmp/a\nmailto:me@example.org";
    QTest::newRow("not UTF-8") << QByteArray("file:///tmp/%FF\r\nfile:///tmp/ok") << QStringList{"/tmp/ok"}
                               << "file:///tmp/%FF\n/tmp/ok";
    // A NUL ends the name at the system's door: "/tmp/a" would be opened in its place.
    QTest::newRow("NUL byte") << QByteArray("file:///tmp/a%00b") << QStringList{} << "file:///tmp/a%00b";
    QTest::newRow("relative reference") << QByteArray("relative/path") << QStringList{} << "relative/path";
}

void TestUriList::decode()
{
    QFETCH(QByteArray, list);
    QFETCH(QStringList, paths);
    QFETCH(QString, text);
    QCOMPARE(UriList::localPaths(list), paths);
    QCOMPARE(UriList::plainText(list), text);
}

void TestUriList::entriesKeepTheLineAsWritten()
{
    const QList<UriList::Entry> entries =
        UriList::decode("# a comment\r\nfile:///tmp/a%20b\r\nhttps://example.org/?q=%20\r\n");
    const QList<UriList::Entry> expected{{"file:///tmp/a%20b", "/tmp/a b"},
                                         {"https://example.org/?q=%20", {}}};
    QCOMPARE(entries, expected);
    QVERIFY(entries.at(0).isLocalFile());
    QVERIFY(!entries.at(1).isLocalFile());
}

QTEST_GUILESS_MAIN(TestUriList)
#include "tst_urilist.moc"
