#include "platform/DesktopEntry.h"
#include "platform/DesktopEntryIndex.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

class TestDesktopEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesTheMainGroupOnly();
    void localizedNames_data();
    void localizedNames();
    void unescapesValues();
    void refusesMalformedData_data();
    void refusesMalformedData();
    void survivesHostileBytes();
    void refusesOversizedFiles();
    void execProgram_data();
    void execProgram();
    void quotedArgumentsSplitBack_data();
    void quotedArgumentsSplitBack();

    void indexIdsAndPrecedence();
    void lookupOrder();
    void lookupByExecutable();
    void rescansWhenAFolderChanges();

private:
    // A private XDG data home and data dir; returns their applications folders.
    QStringList useTemporaryDataDirs(const QTemporaryDir& dir);
    static void writeFile(const QString& path, const QByteArray& data);
};

void TestDesktopEntry::writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QStringList TestDesktopEntry::useTemporaryDataDirs(const QTemporaryDir& dir)
{
    qputenv("XDG_DATA_HOME", (dir.path() + "/home").toUtf8());
    qputenv("XDG_DATA_DIRS", (dir.path() + "/first:" + dir.path() + "/second").toUtf8());
    return {dir.path() + "/home/applications", dir.path() + "/first/applications",
            dir.path() + "/second/applications"};
}

void TestDesktopEntry::parsesTheMainGroupOnly()
{
    const auto entry = DesktopEntry::parse("# comment\n"
                                           "[Desktop Entry]\n"
                                           "Type=Application\n"
                                           "Name = Text Editor \n"
                                           "Exec=gnome-text-editor %U\n"
                                           "Icon=org.gnome.TextEditor\n"
                                           "StartupWMClass=gnome-text-editor\n"
                                           "NoDisplay=true\n"
                                           "Name=Second Name Is Ignored\n"
                                           "\n"
                                           "[Desktop Action new-window]\n"
                                           "Name=New Window\n"
                                           "Exec=other\n"
                                           "Hidden=true\n",
                                           "/x/org.gnome.TextEditor.desktop", "org.gnome.TextEditor");
    QVERIFY(entry);
    QCOMPARE(entry->name, QString("Text Editor"));
    QCOMPARE(entry->type, QString("Application"));
    QCOMPARE(entry->exec, QString("gnome-text-editor %U"));
    QCOMPARE(entry->icon, QString("org.gnome.TextEditor"));
    QCOMPARE(entry->startupWMClass, QString("gnome-text-editor"));
    QVERIFY(entry->noDisplay);
    QVERIFY(!entry->hidden);
    QCOMPARE(entry->id, QString("org.gnome.TextEditor"));
}

void TestDesktopEntry::localizedNames_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("language and country") << "de_AT"
                                          << "Österreichisch";
    QTest::newRow("encoding is ignored") << "de_AT.UTF-8"
                                         << "Österreichisch";
    QTest::newRow("falls back to language") << "de_CH"
                                            << "Deutsch";
    QTest::newRow("modifier") << "sr_RS@latin"
                              << "Latinica";
    QTest::newRow("modifier without country entry") << "sr_ME@latin"
                                                    << "Latinica";
    QTest::newRow("language without modifier") << "sr_RS"
                                               << "Ћирилица";
    QTest::newRow("unknown language") << "fr_FR"
                                      << "Plain";
    QTest::newRow("C locale") << "C"
                              << "Plain";
}

void TestDesktopEntry::localizedNames()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    const auto entry = DesktopEntry::parse("[Desktop Entry]\nName=Plain\nName[de]=Deutsch\n"
                                           "Name[de_AT]=Österreichisch\nName[sr]=Ћирилица\n"
                                           "Name[sr_RS@latin]=Latinica\nName[sr@latin]=Latinica\n"
                                           "Name[fr]=\n");
    QVERIFY(entry);
    QCOMPARE(entry->localizedName(locale), expected);
}

void TestDesktopEntry::unescapesValues()
{
    const auto entry = DesktopEntry::parse("[Desktop Entry]\nName=a\\sb\\tc\\nd\\\\e\\;f\\q\n");
    QVERIFY(entry);
    QCOMPARE(entry->name, QString("a b\tc\nd\\e\\;f\\q"));
    QCOMPARE(
        DesktopEntry::parse("[Desktop Entry]\nName=" + DesktopEntry::escapeValue("x\\y\nz").toUtf8())->name,
        QString("x\\y\nz"));
}

void TestDesktopEntry::refusesMalformedData_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no group") << QByteArray("Name=Orphan\n");
    QTest::newRow("other group only") << QByteArray("[Something]\nName=Else\n");
    QTest::newRow("no name") << QByteArray("[Desktop Entry]\nType=Application\nExec=x\n");
    QTest::newRow("name in a later group")
        << QByteArray("[Desktop Entry]\nType=Application\n[X]\nName=Late\n");
    QTest::newRow("unterminated group header") << QByteArray("[Desktop Entry\nName=x\n");
}

void TestDesktopEntry::refusesMalformedData()
{
    QFETCH(QByteArray, data);
    QVERIFY(!DesktopEntry::parse(data));
}

void TestDesktopEntry::survivesHostileBytes()
{
    // Random bytes after the keys that matter, then lines with lone separators, backslashes at
    // the end, stray brackets and a second Exec. Whatever the bytes are, the parser keeps what
    // came before them: the first of duplicate keys wins and a group header only ends the group.
    QRandomGenerator random(42);
    for (int round = 0; round < 200; ++round) {
        QByteArray data = "[Desktop Entry]\nType=Application\nExec=env A=1 \"/opt/good app\" %U\n"
                          "Name=Hostile";
        const int size = int(random.bounded(4096));
        for (int i = 0; i < size; ++i)
            data.append(char(random.bounded(256)));
        data.append("\n=\n[\n]\nName[=x\nExec=\"unterminated \\\nExec=%\n\\");
        const auto entry = DesktopEntry::parse(data);
        QVERIFY2(entry, qPrintable(QStringLiteral("round %1").arg(round)));
        QCOMPARE(entry->type, QStringLiteral("Application"));
        QCOMPARE(entry->execProgram(), QStringLiteral("/opt/good app"));
        QVERIFY(entry->name.startsWith(QStringLiteral("Hostile")));
    }

    // Any argument, however hostile, comes back whole through quoting, escaping and parsing.
    const QString alphabet = QStringLiteral(" \t\r\n\"'\\%$`;=#[]<>|&*?()~abcXYZ019é€");
    for (int round = 0; round < 500; ++round) {
        QString argument;
        const int size = int(random.bounded(1, 24));
        for (int i = 0; i < size; ++i)
            argument.append(alphabet.at(random.bounded(alphabet.size())));
        const QByteArray file = "[Desktop Entry]\nName=x\nExec=" +
                                DesktopEntry::escapeValue(DesktopEntry::quoteExecArgument(argument)).toUtf8() +
                                " %f\n";
        const auto entry = DesktopEntry::parse(file);
        QVERIFY(entry);
        QCOMPARE(DesktopEntry::splitExec(entry->exec), QStringList({argument}));
    }
}

void TestDesktopEntry::refusesOversizedFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.desktop");
    QByteArray data = "[Desktop Entry]\nName=Huge\n#";
    data.append(QByteArray(DesktopEntry::maxFileSize, 'x'));
    writeFile(path, data);
    QVERIFY(!DesktopEntry::load(path));
    QVERIFY(!DesktopEntry::parse(data));
    QVERIFY(!DesktopEntry::load(dir.filePath("missing.desktop")));
}

void TestDesktopEntry::execProgram_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("program");
    QTest::newRow("plain") << "firefox %u"
                           << "firefox";
    QTest::newRow("absolute") << "/usr/bin/gedit --new-window"
                              << "/usr/bin/gedit";
    QTest::newRow("quoted with space") << "\"/opt/My App/run\" %F"
                                       << "/opt/My App/run";
    QTest::newRow("escaped quote") << "\"/opt/a\\\"b\""
                                   << "/opt/a\"b";
    QTest::newRow("env prefix") << "env GDK_BACKEND=x11 LANG=C /usr/bin/app --x"
                                << "/usr/bin/app";
    QTest::newRow("env with option") << "env -u FOO app"
                                     << "app";
    QTest::newRow("field code only") << "%U"
                                     << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestDesktopEntry::execProgram()
{
    QFETCH(QString, exec);
    QFETCH(QString, program);
    DesktopEntry entry;
    entry.exec = exec;
    QCOMPARE(entry.execProgram(), program);
}

void TestDesktopEntry::quotedArgumentsSplitBack_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("simple") << "/usr/bin/brimble";
    QTest::newRow("space") << "/home/me/My Apps/brimble";
    QTest::newRow("specials") << "/tmp/a\"b`c$d\\e%f;g";
}

void TestDesktopEntry::quotedArgumentsSplitBack()
{
    QFETCH(QString, path);
    // Through a file, as the autostart entry travels: quoting, then the general escaping.
    const QByteArray file = "[Desktop Entry]\nName=x\nExec=" +
                            DesktopEntry::escapeValue(DesktopEntry::quoteExecArgument(path)).toUtf8() +
                            " --flag\n";
    const auto entry = DesktopEntry::parse(file);
    QVERIFY(entry);
    QCOMPARE(DesktopEntry::splitExec(entry->exec), QStringList({path, "--flag"}));
}

void TestDesktopEntry::indexIdsAndPrecedence()
{
    QTemporaryDir dir;
    const QStringList apps = useTemporaryDataDirs(dir);
    writeFile(apps[0] + "/shadowed.desktop", "[Desktop Entry]\nType=Application\nName=Home Copy\n");
    writeFile(apps[1] + "/shadowed.desktop", "[Desktop Entry]\nType=Application\nName=System Copy\n");
    writeFile(apps[1] + "/vendor/sub/tool.desktop", "[Desktop Entry]\nType=Application\nName=Tool\n");
    // A hidden entry in an earlier folder removes the application, it does not fall through.
    writeFile(apps[0] + "/removed.desktop", "[Desktop Entry]\nType=Application\nName=R\nHidden=true\n");
    writeFile(apps[2] + "/removed.desktop", "[Desktop Entry]\nType=Application\nName=Removed\n");
    writeFile(apps[2] + "/link.desktop", "[Desktop Entry]\nType=Link\nName=Link\nURL=https://example.org\n");
    writeFile(apps[2] + "/broken.desktop", "\x00\x01\x02 not a desktop file");

    QStringList ids;
    QString shadowedName;
    for (const DesktopEntry& entry : DesktopEntryIndex::shared().entries()) {
        ids << entry.id;
        if (entry.id == "shadowed")
            shadowedName = entry.name;
    }
    ids.sort();
    QCOMPARE(ids, QStringList({"shadowed", "vendor-sub-tool"}));
    QCOMPARE(shadowedName, QString("Home Copy"));
}

void TestDesktopEntry::lookupOrder()
{
    QTemporaryDir dir;
    const QStringList apps = useTemporaryDataDirs(dir);
    writeFile(apps[1] + "/by-wmclass.desktop",
              "[Desktop Entry]\nType=Application\nName=By WM class\nStartupWMClass=Shared\n");
    writeFile(apps[1] + "/Shared.desktop", "[Desktop Entry]\nType=Application\nName=By id\n");
    writeFile(apps[1] + "/org.example.Viewer.desktop", "[Desktop Entry]\nType=Application\nName=Viewer\n");
    writeFile(apps[1] + "/instance-only.desktop",
              "[Desktop Entry]\nType=Application\nName=Instance\nStartupWMClass=inst\n");

    auto& index = DesktopEntryIndex::shared();
    // StartupWMClass wins over a desktop id equal to the class.
    QCOMPARE(index.lookup("Shared", "", "")->id, QString("by-wmclass"));
    // Ids compare without case, also by their last reverse-DNS component.
    QCOMPARE(index.lookup("ORG.EXAMPLE.VIEWER", "", "")->id, QString("org.example.Viewer"));
    QCOMPARE(index.lookup("viewer", "", "")->id, QString("org.example.Viewer"));
    QCOMPARE(index.lookup("Unknown", "inst", "")->id, QString("instance-only"));
    QVERIFY(!index.lookup("Nothing", "nothing", ""));
    QVERIFY(!index.lookup("", "", ""));
}

void TestDesktopEntry::lookupByExecutable()
{
    QTemporaryDir dir;
    const QStringList apps = useTemporaryDataDirs(dir);
    const QString program = dir.filePath("bin/my-editor");
    writeFile(program, "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::link(program, dir.filePath("bin/editor-link"));
    writeFile(apps[1] + "/editor.desktop", "[Desktop Entry]\nType=Application\nName=Editor\nExec=env A=1 \"" +
                                               dir.filePath("bin/editor-link").toUtf8() + "\" %F\n");
    writeFile(apps[1] + "/bysname.desktop",
              "[Desktop Entry]\nType=Application\nName=Named\nExec=othertool --x\n");
    writeFile(apps[1] + "/python-app.desktop",
              "[Desktop Entry]\nType=Application\nName=Py\nExec=python3 app.py\n");

    auto& index = DesktopEntryIndex::shared();
    // The link in Exec resolves to the executable the process runs.
    QCOMPARE(index.lookup("", "", program)->id, QString("editor"));
    // A program found by name only matches by file name.
    QCOMPARE(index.lookup("", "", "/somewhere/else/othertool")->id, QString("bysname"));
    // Interpreters start many applications; their name alone says nothing.
    QVERIFY(!index.lookup("", "", "/usr/bin/python3"));
}

void TestDesktopEntry::rescansWhenAFolderChanges()
{
    QTemporaryDir dir;
    const QStringList apps = useTemporaryDataDirs(dir);
    QDir().mkpath(apps[0]);
    auto& index = DesktopEntryIndex::shared();
    QVERIFY(!index.lookup("LateApp", "", ""));
    // Folder times have a granularity; make sure the change is visible as one.
    QThread::msleep(20);
    writeFile(apps[0] + "/late.desktop",
              "[Desktop Entry]\nType=Application\nName=Late\nStartupWMClass=LateApp\n");
    QTRY_VERIFY(index.lookup("LateApp", "", ""));
    // A folder that appears later is found too.
    writeFile(apps[2] + "/new/created.desktop",
              "[Desktop Entry]\nType=Application\nName=Created\nStartupWMClass=Created\n");
    QTRY_VERIFY(index.lookup("Created", "", ""));
}

QTEST_GUILESS_MAIN(TestDesktopEntry)
#include "tst_desktopentry.moc"
