#include "common/Log.h"
#include "model/KeyComboCoder.h"
#include "model/Preferences.h"

#include "TestSupport.h"

#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <memory>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

void writeAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
}

unsigned modeOf(const QString& path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? unsigned(info.st_mode & 0777) : 0;
}

QJsonObject fileObject(const QString& path)
{
    return QJsonDocument::fromJson(fileBytes(path)).object();
}

// Every typed reader, by key, so one data-driven test can cover them all.
QVariant readTyped(const Preferences& prefs, const QString& key)
{
    if (key == Preferences::historyCapacityKey)
        return prefs.historyCapacity();
    if (key == Preferences::quickPasteModifierKey)
        return prefs.quickPasteModifier();
    if (key == Preferences::switchClipboardModifierKey)
        return prefs.switchClipboardModifier();
    if (key == Preferences::autoPasteKey)
        return prefs.autoPasteToCurrentApp();
    if (key == Preferences::pauseRecordingKey)
        return prefs.pauseRecording();
    if (key == Preferences::windowTabIndexKey)
        return prefs.windowTabIndex() ? QVariant(*prefs.windowTabIndex()) : QVariant();
    if (key == Preferences::isDataInitialedKey)
        return prefs.isDataInitialed() ? QVariant(*prefs.isDataInitialed()) : QVariant();
    if (key == Preferences::showQuickSearchWindowKey) {
        const auto combo = prefs.showQuickSearchWindowHotKey();
        return combo ? QVariant(QStringLiteral("%1/%2").arg(combo->carbonKeyCode).arg(combo->carbonModifiers))
                     : QVariant();
    }
    return QStringLiteral("unknown key");
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> home_;
    Preferences& prefs() { return home_->preferences(); }
    QString path() { return home_->preferencesPath(); }

private Q_SLOTS:
    void init() { home_ = std::make_unique<TestHome>(); }
    void cleanup() { home_.reset(); }

    void freshStoreReadsDefaults()
    {
        QCOMPARE(prefs().filePath(), path());
        QCOMPARE(prefs().launchAtLogin(), false);
        QCOMPARE(prefs().autoPasteToCurrentApp(), true);
        QCOMPARE(prefs().pasteAsPlainText(), false);
        QCOMPARE(prefs().quickPasteModifier(), 0x0100u);
        QCOMPARE(prefs().plainTextModifier(), 0x0200u);
        QCOMPARE(prefs().switchClipboardModifier(), 0x0100u); // Ctrl: Alt+Tab belongs to the window manager
        QCOMPARE(prefs().deleteAfterPasted(), false);
        QCOMPARE(prefs().autoMoveUsedItemToFirst(), true);
        QCOMPARE(prefs().historyCapacity(), 100);
        QCOMPARE(prefs().pauseRecording(), false);
        QCOMPARE(prefs().showIconInMenuBar(), true);
        QCOMPARE(prefs().autoPreviewLink(), true);
        QCOMPARE(prefs().autoLoadLinkPreview(), false); // a loaded preview visits the site
        QCOMPARE(prefs().autoSendCrashLogs(), false);
        QCOMPARE(prefs().doNotShowAccessibilityAlert(), false);
        QVERIFY(!prefs().showQuickSearchWindowHotKey());
        QVERIFY(!prefs().isDataInitialed());
        QVERIFY(!prefs().windowTabIndex());
        // Reading never creates the file.
        QVERIFY(!QFileInfo::exists(path()));
    }

    void defaultPathFollowsXdgConfigHome()
    {
        QCOMPARE(Preferences::defaultPath(), home_->path() + "/config/brimble/preferences.json");
    }

    void storedValuesKeepTheirJsonTypes()
    {
        prefs().setPauseRecording(true);
        prefs().setHistoryCapacity(33);
        prefs().setSwitchClipboardModifier(0xFFFFFFFFu);
        prefs().setBytes(QStringLiteral("blob"), QByteArray("\x00\xff", 2));
        const QJsonObject object = fileObject(path());
        QVERIFY(object.value(Preferences::pauseRecordingKey).isBool());
        QCOMPARE(object.value(Preferences::historyCapacityKey).toVariant().typeId(), QMetaType::LongLong);
        QCOMPARE(object.value(Preferences::switchClipboardModifierKey).toInteger(), 0xFFFFFFFFLL);
        QCOMPARE(object.value("blob").toObject().value("$bytes").toString(), QStringLiteral("AP8="));

        QCOMPARE(prefs().pauseRecording(), true);
        QCOMPARE(prefs().historyCapacity(), 33);
        QCOMPARE(prefs().switchClipboardModifier(), 0xFFFFFFFFu);
    }

    void fileAndFolderArePrivate()
    {
        prefs().setPasteAsPlainText(true);
        QCOMPARE(modeOf(path()), 0600u);
        QCOMPARE(modeOf(QFileInfo(path()).absolutePath()), 0700u);
    }

    void wronglyTypedValueReadsAsDefault_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QVariant>("expected");

        const QString capacity = Preferences::historyCapacityKey;
        QTest::newRow("capacity as string") << capacity << QByteArray(R"("0")") << QVariant(qint64(100));
        QTest::newRow("capacity with fraction") << capacity << QByteArray("0.5") << QVariant(qint64(100));
        QTest::newRow("capacity integral double") << capacity << QByteArray("33.0") << QVariant(qint64(33));
        QTest::newRow("capacity negative") << capacity << QByteArray("-5") << QVariant(qint64(-5));
        QTest::newRow("capacity beyond 64 bits") << capacity << QByteArray("1e300") << QVariant(qint64(100));

        const QString modifier = Preferences::quickPasteModifierKey;
        QTest::newRow("modifier negative") << modifier << QByteArray("-1") << QVariant(0x0100u);
        QTest::newRow("modifier 2^32") << modifier << QByteArray("4294967296") << QVariant(0x0100u);
        QTest::newRow("modifier 2^32-1") << modifier << QByteArray("4294967295") << QVariant(0xFFFFFFFFu);
        QTest::newRow("modifier as string")
            << Preferences::switchClipboardModifierKey << QByteArray(R"("2048")") << QVariant(0x0100u);

        QTest::newRow("bool as number") << Preferences::autoPasteKey << QByteArray("0") << QVariant(true);
        QTest::newRow("bool as string")
            << Preferences::pauseRecordingKey << QByteArray(R"("true")") << QVariant(false);
        QTest::newRow("optional int as string")
            << Preferences::windowTabIndexKey << QByteArray(R"("2")") << QVariant();
        QTest::newRow("optional bool as number")
            << Preferences::isDataInitialedKey << QByteArray("1") << QVariant();

        const QString hotKey = Preferences::showQuickSearchWindowKey;
        QTest::newRow("hot key as string") << hotKey << QByteArray(R"("ctrl+alt+v")") << QVariant();
        QTest::newRow("hot key bad base64") << hotKey << QByteArray(R"({"$bytes": "!!!"})") << QVariant();
        QTest::newRow("hot key bytes not a string")
            << hotKey << QByteArray(R"({"$bytes": 12})") << QVariant();
    }

    void wronglyTypedValueReadsAsDefault()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, json);
        QFETCH(QVariant, expected);
        QDir().mkpath(QFileInfo(path()).absolutePath());
        writeAll(path(), "{\"" + key.toUtf8() + "\": " + json + "}");
        QCOMPARE(readTyped(prefs(), key), expected);
    }

    void bytesRoundTrip()
    {
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        prefs().setBytes(QStringLiteral("all bytes"), all);
        prefs().setBytes(QStringLiteral("empty"), QByteArray());
        QCOMPARE(prefs().bytesValue(QStringLiteral("all bytes")), std::optional<QByteArray>(all));
        QCOMPARE(prefs().bytesValue(QStringLiteral("empty")), std::optional<QByteArray>(QByteArray()));
        QVERIFY(!prefs().bytesValue(QStringLiteral("absent")));
    }

    void hotKeyRoundTrip()
    {
        // Alt+Super+Space: option | control with the space key.
        const KeyCombo combo{49, CarbonModifier::option | CarbonModifier::control};
        prefs().setShowQuickSearchWindowHotKey(combo);
        QCOMPARE(prefs().showQuickSearchWindowHotKey(), std::optional<KeyCombo>(KeyCombo{49, 0x1800}));

        const auto stored = prefs().bytesValue(Preferences::showQuickSearchWindowKey);
        QVERIFY(stored);
        const QCborMap archive = QCborValue::fromCbor(*stored).toMap();
        QCOMPARE(archive.value(QStringLiteral("class")).toString(), QStringLiteral("Brimble.KeyComboCoder"));
        QCOMPARE(archive.value(QStringLiteral("carbonKeyCode")).toInteger(), 49);
        QCOMPARE(archive.value(QStringLiteral("carbonModifiers")).toInteger(), 0x1800);

        // The first-run default.
        prefs().setShowQuickSearchWindowHotKey(KeyCombo{9, 0x0900});
        QCOMPARE(prefs().showQuickSearchWindowHotKey(), std::optional<KeyCombo>(KeyCombo{9, 0x0900}));
    }

    void clearingTheHotKeyRemovesTheValue()
    {
        prefs().setShowQuickSearchWindowHotKey(KeyCombo{9, 0x0900});
        prefs().setIsDataInitialed(true);
        Log::Capture capture;
        prefs().setShowQuickSearchWindowHotKey(std::nullopt);
        QVERIFY(!fileObject(path()).contains(Preferences::showQuickSearchWindowKey));
        QVERIFY(!prefs().showQuickSearchWindowHotKey());
        QCOMPARE(prefs().isDataInitialed(), std::optional<bool>(true));
        QVERIFY(capture.lines().isEmpty());
    }

    void unreadableHotKeyArchive_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<bool>("logged");
        QTest::addColumn<QVariant>("expected");

        auto map = [](const QString& className, const QCborValue& keyCode, const QCborValue& modifiers) {
            QCborMap m;
            m.insert(QStringLiteral("class"), className);
            if (!keyCode.isUndefined())
                m.insert(QStringLiteral("carbonKeyCode"), keyCode);
            if (!modifiers.isUndefined())
                m.insert(QStringLiteral("carbonModifiers"), modifiers);
            return m.toCborValue().toCbor();
        };
        const QString ours = KeyComboCoder::archivedClassName;
        QTest::newRow("garbage") << QByteArray("\xff\x00garbage", 9) << true << QVariant();
        QTest::newRow("empty") << QByteArray() << true << QVariant();
        QTest::newRow("other class") << map("Other.Coder", 49, 0x0800) << true << QVariant();
        QTest::newRow("no class") << map(QString(), 49, 0x0800) << true << QVariant();
        QTest::newRow("array") << QCborValue(QCborArray{49, 0x0800}).toCbor() << true << QVariant();
        QTest::newRow("trailing bytes") << map(ours, 49, 0x0800) + "x" << true << QVariant();
        QTest::newRow("truncated") << map(ours, 49, 0x0800).chopped(1) << true << QVariant();
        // Inside a well-formed archive, a field that is not a 32-bit number reads as 0.
        QTest::newRow("missing fields") << map(ours, QCborValue(), QCborValue()) << false << QVariant("0/0");
        QTest::newRow("text field") << map(ours, QStringLiteral("49"), 0x0800) << false << QVariant("0/2048");
        QTest::newRow("negative field") << map(ours, 49, -1) << false << QVariant("49/0");
        QTest::newRow("field beyond 32 bits")
            << map(ours, qint64(1) << 32, 0x0100) << false << QVariant("0/256");
        QTest::newRow("integral double") << map(ours, 49.0, 0x0100) << false << QVariant("49/256");
    }

    void unreadableHotKeyArchive()
    {
        QFETCH(QByteArray, archive);
        QFETCH(bool, logged);
        QFETCH(QVariant, expected);
        prefs().setBytes(Preferences::showQuickSearchWindowKey, archive);
        Log::Capture capture;
        QCOMPARE(readTyped(prefs(), Preferences::showQuickSearchWindowKey), expected);
        QCOMPARE(capture.count(QStringLiteral("[error] [")) == 1 &&
                     capture.contains("] unarchive data: fail"),
                 logged);
        // A broken archive is left alone for the user to replace.
        QCOMPARE(prefs().bytesValue(Preferences::showQuickSearchWindowKey),
                 std::optional<QByteArray>(archive));
    }

    void malformedFileIsReadAsDefaultsAndKeptOnWrite_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("broken json") << QByteArray(R"({"preferences.pause_recording_key": tru)");
        QTest::newRow("array") << QByteArray(R"([true, false])");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff", 4);
    }

    void malformedFileIsReadAsDefaultsAndKeptOnWrite()
    {
        QFETCH(QByteArray, content);
        QDir().mkpath(QFileInfo(path()).absolutePath());
        writeAll(path(), content);

        Log::Capture capture;
        QCOMPARE(prefs().pauseRecording(), false);
        QCOMPARE(prefs().historyCapacity(), 100);
        QCOMPARE(prefs().autoPasteToCurrentApp(), true);
        // Reported once, naming the file, however often it is read.
        QCOMPARE(capture.count(QStringLiteral("[warn] [")), 1);
        QVERIFY(capture.contains(path()));
        QCOMPARE(fileBytes(path()), content);

        prefs().setPauseRecording(true);
        QCOMPARE(fileBytes(path() + ".bad"), content);
        QCOMPARE(prefs().pauseRecording(), true);
        QCOMPARE(fileObject(path()).keys(), QStringList{Preferences::pauseRecordingKey});

        // Once the file is sound again, nothing more is moved aside.
        writeAll(path() + ".bad", "older");
        prefs().setHistoryCapacity(0);
        QCOMPARE(fileBytes(path() + ".bad"), QByteArray("older"));
        QCOMPARE(prefs().pauseRecording(), true);
    }

    // A file broken again after a repair keeps a copy of its own instead of replacing the first
    // one; the copies are bounded, the newest kept.
    void everyBrokenFileKeepsItsCopy()
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        for (int round = 0; round < 3; ++round) {
            writeAll(path(), "broken " + QByteArray::number(round));
            prefs().setHistoryCapacity(round);
        }
        QCOMPARE(fileBytes(path() + ".bad"), QByteArray("broken 0"));
        QCOMPARE(fileBytes(path() + ".bad.1"), QByteArray("broken 1"));
        QCOMPARE(fileBytes(path() + ".bad.2"), QByteArray("broken 2"));
        QCOMPARE(prefs().historyCapacity(), 2);

        for (int round = 3; round < 15; ++round) {
            writeAll(path(), "broken " + QByteArray::number(round));
            prefs().setHistoryCapacity(round);
        }
        const QStringList copies = QDir(QFileInfo(path()).absolutePath())
                                       .entryList({QFileInfo(path()).fileName() + ".bad*"}, QDir::Files);
        QCOMPARE(copies.size(), 10);
        QByteArrayList kept;
        for (const QString& copy : copies)
            kept.append(fileBytes(QFileInfo(path()).absolutePath() + "/" + copy));
        QVERIFY(kept.contains("broken 14"));
    }

    // A value of the wrong type reads as the default, and the log says which key and what it
    // should have held, once however often it is read.
    void wronglyTypedValueIsLoggedOnce()
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        writeAll(path(), R"({"preferences.history_capacity_key": "30", "preferences.pause_recording_key": 1,
                            "preferences.quick_paste_key": -5, "preferences.auto_paste_to_current_app": false})");
        Log::Capture capture;
        for (int read = 0; read < 3; ++read) {
            QCOMPARE(prefs().historyCapacity(), 100);
            QCOMPARE(prefs().pauseRecording(), false);
            QCOMPARE(prefs().quickPasteModifier(), quint32(CarbonModifier::command));
            QCOMPARE(prefs().autoPasteToCurrentApp(), false);
        }
        QCOMPARE(capture.count(QStringLiteral("[warn] [")), 3);
        QVERIFY(capture.contains("preferences.history_capacity_key holds a string where a whole number "
                                 "belongs; its default is used"));
        QVERIFY(capture.contains("preferences.pause_recording_key holds a number where a Boolean belongs"));
        QVERIFY(capture.contains("preferences.quick_paste_key holds a number where a whole number from 0"));
    }

    void emptyFileReadsAsDefaultsQuietly()
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        writeAll(path(), "\n");
        Log::Capture capture;
        QCOMPARE(prefs().historyCapacity(), 100);
        prefs().setHistoryCapacity(66);
        QCOMPARE(prefs().historyCapacity(), 66);
        QVERIFY(!QFileInfo::exists(path() + ".bad"));
        QVERIFY(capture.lines().isEmpty());
    }

    void unwritableFolderKeepsStateAndLogs()
    {
        prefs().setHistoryCapacity(33);
        const QString folder = QFileInfo(path()).absolutePath();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(folder).isWritable())
            QSKIP("running with privileges that ignore folder permissions");
        Log::Capture capture;
        prefs().setHistoryCapacity(0);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(capture.count(QStringLiteral("[warn] [")), 1);
        QCOMPARE(prefs().historyCapacity(), 33);
    }

    void writeFromAnotherInstanceIsSeenAtNextRead()
    {
        Preferences other(path());
        prefs().setPauseRecording(true);
        QCOMPARE(other.pauseRecording(), true);
        other.setHistoryCapacity(0);
        other.setPauseRecording(false);
        QCOMPARE(prefs().historyCapacity(), 0);
        QCOMPARE(prefs().pauseRecording(), false);
    }

    void launchAtLoginSwitchesTheLoginItemAfterStoring()
    {
        std::vector<std::pair<bool, bool>> calls; // (argument, stored value at call time)
        prefs().setLoginItemSwitch([&](bool on) { calls.emplace_back(on, prefs().launchAtLogin()); });
        prefs().setLaunchAtLogin(true);
        prefs().setLaunchAtLogin(false);
        prefs().setLoginItemSwitch({});
        prefs().setLaunchAtLogin(true);
        QCOMPARE(calls.size(), size_t(2));
        QCOMPARE(calls[0], std::make_pair(true, true));
        QCOMPARE(calls[1], std::make_pair(false, false));
        QCOMPARE(prefs().launchAtLogin(), true);
    }

    void concurrentWritersLoseNoKey()
    {
        constexpr int threads = 6;
        constexpr int perThread = 20;
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t)
            workers.emplace_back([t, this] {
                for (int i = 0; i < perThread; ++i) {
                    prefs().setValue(QStringLiteral("key.%1.%2").arg(t).arg(i), i);
                    prefs().pauseRecording(); // readers interleave with the writers
                }
            });
        for (auto& worker : workers)
            worker.join();
        const QJsonObject object = fileObject(path());
        QCOMPARE(object.size(), threads * perThread);
        for (int t = 0; t < threads; ++t)
            for (int i = 0; i < perThread; ++i)
                QCOMPARE(prefs().intValue(QStringLiteral("key.%1.%2").arg(t).arg(i)),
                         std::optional<qint64>(i));
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
