// Without a display Brimble keeps running with a clipboard that never changes.
#include "common/Log.h"
#include "platform/NullClipboard.h"
#include "platform/PasteboardTypes.h"

#include <QTest>

class TestNullPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nullClipboardNeverChangesAndLogsOnce();
};

void TestNullPlatform::nullClipboardNeverChangesAndLogsOnce()
{
    Log::Capture capture;
    NullClipboard clipboard(QStringLiteral("DISPLAY is not set"));
    QCOMPARE(capture.count("no clipboard available: DISPLAY is not set"), 1);
    const qint64 count = clipboard.changeCount();
    QVERIFY(!clipboard.write({PasteboardItem({{PasteboardType::string, QByteArray("x")}})}));
    QCOMPARE(clipboard.read({"UTF8_STRING"}).status, ClipboardContent::Status::Unreadable);
    QVERIFY(!clipboard.types());
    QCOMPARE(clipboard.changeCount(), count);
    QCOMPARE(capture.count("no clipboard available:"), 1);
}

QTEST_GUILESS_MAIN(TestNullPlatform)
#include "tst_nullplatform.moc"
